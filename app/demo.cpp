// The Demo object and the main loop.
#include "app/demo.h"

#include "app/demo_window.h"
#include "app/globals.h"
#include "base/random.h"
#include "music/music.h"
#include "platform/window.h"
#include "scenes/assets.h"
#include "scenes/loading.h"
#include "scenes/scenes.h"

#include <GL/gl.h>
#include <utility>

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

    DispatchScene(kScenes, kSceneNum);
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
    g_demo = new Demo(g_window);
    while (g_window->pump())
        g_demo->frame();
    return 0;
}
