// The demo: fixed GL state, loading, and the per-frame dispatch to the five scenes.
#pragma once

#include "base/scene_timer.h"
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
    // The show's time as the scenes count it, handed to the music every frame so that it
    // stays with the pictures: the lengths of the scenes already ended plus the time of the
    // current one, which this clock keeps (restarted on the scene's first frame, as the
    // scene's own clock is). The title counts from the music's start.
    SceneTimer sceneClock;
    int clockScene = 0;
};

// Calls the scene g_sceneIndex selects from `scenes` and advances the index when it ends;
// an index outside the table posts the quit message and draws nothing.
void DispatchScene(const Scene* scenes, int sceneNum);

// The whole program after the full-screen question: window, demo, main loop. Returns the
// process exit code: 1 at once, before any loading, when no window with an OpenGL context
// could be made (its boxes have been shown), 0 otherwise.
int RunDemo(bool fullscreen);
