// Definitions of the shell's globals, all zero at program start.
#include "app/globals.h"

DemoWindow* g_window = nullptr;
Demo* g_demo = nullptr;
int32_t g_sceneIndex = 0;
