// Placeholders for loading and the five scenes, so that the timeline runs end to end before
// the real scenes exist. Each draws nothing and ends after its scene's nominal length
// (3, 15, 20, 14, 18 seconds). The real loading and scenes replace this file.
#include "app/demo.h"
#include "app/demo_window.h"
#include "app/globals.h"
#include "app/scene_timer.h"
#include "scenes/scenes.h"

void Demo::load() {
    g_windowWidth = window->width;
    g_windowHeight = window->height;
}

namespace {
bool Placeholder(SceneTimer& clock, float length) { return clock.update() > length; }
} // namespace

bool runTitleScene() {
    static SceneTimer clock;
    return Placeholder(clock, 3.0f);
}
bool runScene1() {
    static SceneTimer clock;
    return Placeholder(clock, 15.0f);
}
bool runScene2() {
    static SceneTimer clock;
    return Placeholder(clock, 20.0f);
}
bool runScene3() {
    static SceneTimer clock;
    return Placeholder(clock, 14.0f);
}
bool runScene4() {
    static SceneTimer clock;
    return Placeholder(clock, 18.0f);
}
