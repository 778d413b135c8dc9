// Zero until loading copies the window's size.
#include "base/window_size.h"

int32_t g_windowWidth = 0;
int32_t g_windowHeight = 0;
