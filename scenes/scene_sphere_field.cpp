// The sphere field: fifty spheres jolting with the bass around a tumbling chrome cross,
// a camera cycling through three views, and a light that washes out after ten seconds.
#include "base/scene_timer.h"
#include "effects/sphere_field.h"
#include "music/music.h"
#include "resources/light.h"
#include "resources/mesh.h"
#include "resources/overlay.h"
#include "scenes/assets.h"
#include "scenes/camera.h"
#include "scenes/scenes.h"

#include <cmath>

namespace {
void SetUpLight() {
    g_light->setPosition(0, 0, 0); // at the eye
    g_light->setPoint();
    g_light->setAmbient(2, 2, 2, 2);
    g_light->setDiffuse(1, 1, 1, 1);
    g_light->setSpecular(1, 1, 1, 1);
    const float globalAmbient[4] = {1, 1, 1, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, globalAmbient);
}
} // namespace

bool runSphereFieldScene() {
    // Clocks are read afresh at each use, so t may grow a little within one frame.
    static SceneTimer sceneClock;
    static bool lightsSet = false;
    if (!lightsSet) {
        lightsSet = true;
        SetUpLight();
    }
    static SceneTimer cameraClock; // time within the current camera move
    static int cameraMove = 0;     // 0: key 0 -> 1, 1: key 1 -> 2, 2: key 2 -> 0

    g_music->updateSpectrum();

    if (cameraClock.update() > 5.0f) {
        // The overshoot past 5 s is dropped: the cycle lags the scene clock a little.
        cameraClock.restart();
        cameraMove = (cameraMove + 1) % 3;
    }
    float u = cameraClock.update() / 5.0f;
    float f = u - std::floor(u);
    BlendCameras(g_cameraKeys[cameraMove], g_cameraKeys[(cameraMove + 1) % 3], f);

    glDisable(GL_LIGHTING);
    glDepthMask(GL_FALSE);
    g_bgOverlay->draw(); // leaves the depth buffer cleared: everything lies in front of it
    glDepthMask(GL_TRUE);

    g_light->enable();
    glColor3f(0.1f, 0.1f, 0.1f); // dark grey spheres through the colour material

    float amount = g_music->spectrum[2];
    for (int i = 0; i < kFieldSphereNum; ++i)
        g_spheres[i].draw(amount);

    glPushMatrix();
    glTranslatef(0, 0, -10);
    float t = sceneClock.update();
    glRotatef(30.0f * t, 0.5f, 0.8f, std::sin(t));
    glColor3f(1, 1, 1);
    bind(*g_ooohTexture);
    EnableSphereMapping();
    // Squashed flat at t = 0, pi, 2 pi, ...: its height follows |sin t|.
    glScalef(1, std::fabs(std::sin(sceneClock.update())), 1);
    g_crossModel->draw();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);
    glPopMatrix();

    if (sceneClock.update() > 10.0f) {
        // Per frame, not per second: how white it gets follows the frame rate.
        for (int i = 0; i < 3; ++i)
            g_light->ambient[i] += 0.025f;
        glLightfv(g_light->id, GL_AMBIENT, g_light->ambient);
    }
    return sceneClock.update() > kSphereFieldSceneSeconds;
}
