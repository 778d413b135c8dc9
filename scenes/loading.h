// Start-up: the loading picture, every asset the scenes use, then the picture's fade.
#pragma once

#include <cstdint>
#include <functional>

// What loading is about to do, told to a caller that times it (the benchmark): the files of
// each kind in the order of scenes/asset_list.h, then the objects that read no file, then the
// particle system (its blob picture), then Done just before the fade.
enum class LoadingStep { Music, Models, Pictures, Other, Done };
typedef std::function<void(LoadingStep)> LoadingHook;

// Copies the window's size, shows the loading picture, creates every asset and shared object
// of scenes/assets.h in a fixed order (the order fixes the random layouts and the order of
// the reports), then fades the picture out over two seconds. `showFrame` puts what has been
// drawn on screen and takes one window message; a quit asked for meanwhile is lost.
// `onStep`, when set, is called before each step.
void LoadAssets(int32_t windowWidth, int32_t windowHeight, const std::function<void()>& showFrame,
                const LoadingHook& onStep = nullptr);
