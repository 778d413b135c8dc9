// Definitions of the shell's globals, all zero at program start.
#include "app/globals.h"

DemoWindow* g_window = nullptr;
Demo* g_demo = nullptr;
int32_t g_sceneIndex = 0;
int32_t g_windowWidth = 0;
int32_t g_windowHeight = 0;
Music* g_music = nullptr;
