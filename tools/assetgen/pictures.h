// The demo's pictures: lettering overlays, full-window pictures and textures, each written
// under the demo folder by the path the demo reads it from.
#pragma once

#include <string>
#include <vector>

// How the demo shows a picture, so the contact sheet can show it the same way.
enum class Shown {
    Window,      // stretched over the 800 x 600 window
    OwnSize,     // at its own pixel size over a backdrop
    SphereMap,   // a texture sphere-mapped onto a model
    Additive,    // drawn additively
    TwiceWindow, // stretched to 1600 x 1200 and turned about the window's centre
};

struct PictureEntry {
    const char* path; // relative to the demo folder
    Shown shown;
    float backdrop[3]; // what it is drawn over
    float tint[3];     // the colour it is drawn with
};

const std::vector<PictureEntry>& PictureList();

// Each returns false (after printing why) when a file could not be written.
bool WriteLetteringPictures(const std::string& demoDir); // Text/
bool WriteTexturePictures(const std::string& demoDir);   // Textures/
