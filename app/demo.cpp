// The Demo object and the main loop.
#include "app/demo.h"

#include "app/demo_window.h"
#include "app/globals.h"
#include "base/random.h"
#include "base/report_error.h"
#include "music/music.h"
#include "platform/window.h"
#include "scenes/assets.h"
#include "scenes/loading.h"
#include "scenes/scenes.h"

#include <GL/gl.h>
#include <limits>
#include <utility>

namespace {
// The counter's reading in seconds, for the trace.
double CounterSeconds(const SceneTimer& clock) {
    return static_cast<double>(clock.counter) / static_cast<double>(clock.frequency);
}
} // namespace

Demo::Demo(DemoWindow* window_, LoadingHook onLoadingStep_)
    : window(window_), onLoadingStep(std::move(onLoadingStep_)) {
    SeedRandom(329);

    glEnable(GL_DEPTH_TEST);
    glClearDepth(1.0);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_CULL_FACE);
    glFrontFace(GL_CCW);
    glShadeModel(GL_SMOOTH);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);

    load();
    if (g_music)
        g_music->play();
    sceneClock.restart();
    Trace("music starts at %.3f s", CounterSeconds(sceneClock));
}

void Demo::load() {
    // A quit asked for while loading is lost: pump's answer is dropped on purpose.
    LoadAssets(
        window->width, window->height, [this] { window->pump(); }, onLoadingStep);
}

void Demo::frame() {
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    const int scene = g_sceneIndex;
    if (scene != clockScene) {
        clockScene = scene;
        sceneClock.restart();
        Trace("scene %d (%s) starts at %.3f s, show time %.3f s", scene,
              scene >= 0 && scene < kSceneNum ? kScenes[scene].name : "end",
              CounterSeconds(sceneClock), SceneStartSeconds(scene));
    }
    DispatchScene(kScenes, kSceneNum);
    if (g_music) {
        // Past the last scene nothing waits: the music's last second plays out.
        const double end = scene >= 0 && scene < kSceneNum
                               ? SceneStartSeconds(scene + 1)
                               : std::numeric_limits<double>::infinity();
        g_music->follow(SceneStartSeconds(scene) + static_cast<double>(sceneClock.update()), end);
    }
}

void DispatchScene(const Scene* scenes, int sceneNum) {
    if (g_sceneIndex >= 0 && g_sceneIndex < sceneNum) {
        if (scenes[g_sceneIndex].run())
            ++g_sceneIndex;
    } else {
        PlatformPostQuit();
    }
}

int RunDemo(bool fullscreen) {
    g_window = new DemoWindow(fullscreen);
    // Without a picture there is no show: loading and the music would play to nobody, with no
    // window to close. The window's boxes have said what failed.
    if (!g_window->contextCurrent)
        return 1;
    g_demo = new Demo(g_window);
    while (g_window->pump())
        g_demo->frame();
    return 0;
}
