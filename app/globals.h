// The program-wide objects of the shell. The window's size lives in base/window_size.h, the
// assets and the music that loading fills in scenes/assets.h.
#pragma once

#include "base/window_size.h"

#include <cstdint>

class DemoWindow;
class Demo;

extern DemoWindow* g_window;
extern Demo* g_demo;
// The scene the next frame draws: 0 title, 1 to 4 the content scenes, anything else quits.
extern int32_t g_sceneIndex;
