// The one window and its OpenGL context: 800 x 600, windowed or full screen, and the
// per-frame pump that shows a frame and handles one window message.
#pragma once

class DemoWindow {
  public:
    // Creates everything in order; a failed step shows its box and ends construction,
    // leaving the object as far as it got. The run goes on either way.
    explicit DemoWindow(bool fullscreen);

    // Shows the frame just drawn and handles at most one message. False once the quit
    // message has been taken (that frame is not shown).
    bool pump();
    // Width 800, height 600, the viewport and the perspective projection.
    void setViewport();

    // What the native handles were: whether each step got that far.
    bool hasWindow = false;
    bool hasContext = false;
    bool contextCurrent = false;
    const char* className = "rerovuz";
    int width = 0;
    int height = 0;
    // Whether the full-screen switch happened (false in a window, or after the fallback).
    bool fullscreen = false;
};
