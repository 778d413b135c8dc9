// The program-wide objects of the shell. Asset globals filled by loading are declared with
// the scenes that use them.
#pragma once

#include <cstdint>

class DemoWindow;
class Demo;
class Music;

extern DemoWindow* g_window;
extern Demo* g_demo;
// The scene the next frame draws: 0 title, 1 to 4 the content scenes, anything else quits.
extern int32_t g_sceneIndex;
// The window's size in pixels, copied when loading starts; 0 means not set yet.
extern int32_t g_windowWidth;
extern int32_t g_windowHeight;
extern Music* g_music;
