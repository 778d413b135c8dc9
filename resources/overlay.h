// A picture drawn flat on the screen in window pixels (origin top-left): a textured,
// tinted, blended rectangle with a centre, a size and a clockwise rotation.
#pragma once

#include "resources/texture.h"

struct Overlay : Texture {
    // Loads the picture and places it at its own size in the top-left corner.
    explicit Overlay(const char* fileName);

    // Draws with its own pixel projection, restoring both matrices. Needs g_windowWidth and
    // g_windowHeight; without them it reports and changes nothing.
    void draw();
    // Size of the window, centred on it.
    void fillWindow();
    // Centre on the window when its size is known; otherwise nothing.
    void centerOnWindow();

    int32_t centerX = 0;
    int32_t centerY = 0;
    int32_t drawWidth = 0;
    int32_t drawHeight = 0;
    float rotation = 0.0f;           // degrees, clockwise on screen
    float color[4] = {1, 1, 1, 1};   // modulates the picture; alpha drives the blend
};
