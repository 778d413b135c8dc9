// The demo: fixed GL state, loading, and the per-frame dispatch to the five scenes.
#pragma once

#include "scenes/loading.h"

class DemoWindow;
struct Scene;

class Demo {
  public:
    // Seeds the random generator, sets the fixed GL state, loads everything behind the
    // loading picture and starts the music. `onLoadingStep` sees loading's steps (benchmark).
    explicit Demo(DemoWindow* window, LoadingHook onLoadingStep = nullptr);

    // One frame: clear, identity modelview, then the scene g_sceneIndex selects; past the
    // last scene it posts the quit message and draws nothing.
    void frame();
    // The loading picture, every asset, the fade (scenes/loading.h).
    void load();

    DemoWindow* window;
    LoadingHook onLoadingStep;
};

// Calls the scene g_sceneIndex selects from `scenes` and advances the index when it ends;
// an index outside the table posts the quit message and draws nothing.
void DispatchScene(const Scene* scenes, int sceneNum);

// The whole program after the full-screen question: window, demo, main loop. Returns the
// process exit code.
int RunDemo(bool fullscreen);
