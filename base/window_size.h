// The window's size in pixels, for everything that draws in window pixels (overlays, the
// particle scene's background). Loading copies it from the window; 0 means not set yet.
#pragma once

#include <cstdint>

extern int32_t g_windowWidth;
extern int32_t g_windowHeight;
