// Start-up: the loading picture, every asset the scenes use, then the picture's fade.
#pragma once

#include <cstdint>
#include <functional>

// Copies the window's size, shows the loading picture, creates every asset and shared object
// of scenes/assets.h in a fixed order (the order fixes the random layouts and the order of
// the reports), then fades the picture out over two seconds. `showFrame` puts what has been
// drawn on screen and takes one window message; a quit asked for meanwhile is lost.
void LoadAssets(int32_t windowWidth, int32_t windowHeight, const std::function<void()>& showFrame);
