// The mosaic models: a turning background, a rolling sphere-mapped model on a camera path,
// two more after four seconds, and the whole view shaken by the music.
#include "base/scene_timer.h"
#include "music/music.h"
#include "resources/light.h"
#include "resources/mesh.h"
#include "resources/overlay.h"
#include "scenes/assets.h"
#include "scenes/camera.h"
#include "scenes/scenes.h"

#include <cmath>

namespace {
void DrawModelAt(float x, float degrees) {
    glPushMatrix();
    glTranslatef(x, 0, -10);
    glRotatef(degrees, 1, 0, 0);
    g_rundingdingsModel->draw();
    glPopMatrix();
}
} // namespace

bool runMosaicScene() {
    static SceneTimer clock;

    g_music->updateSpectrum();
    g_cameraPath->update();
    // The shake moves every model; the background and the lights use their own matrices.
    const float* spectrum = g_music->spectrum;
    glTranslatef(spectrum[1], spectrum[5], spectrum[3]);

    glDisable(GL_LIGHTING);
    glDepthMask(GL_FALSE);
    g_bg2Overlay->rotation = 30.0f * clock.update();
    g_bg2Overlay->draw();
    glDepthMask(GL_TRUE);

    // Ambient and diffuse stay as the sphere field scene left them, the ambient washed out.
    g_light->setPosition(0, 0, 0);
    g_light->setPoint();
    g_light->setSpecular(1, 1, 1, 1);
    const float globalAmbient[4] = {1, 1, 1, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, globalAmbient);
    g_light->enable();

    // No colour of its own: the models take the overlay's colour, white, as their material.
    bind(*g_mosaik2Texture);
    EnableSphereMapping();
    DrawModelAt(0, 30.0f * clock.update());

    if (clock.update() > 4.0f) {
        bind(*g_mosaikTexture); // sphere mapping is still on
        // Both sway together, 8 units apart, rolling against the middle one.
        float right = 4 + std::sin(3 * clock.update());
        DrawModelAt(right, -30.0f * clock.update());
        float left = std::sin(3 * clock.update()) - 4;
        DrawModelAt(left, -30.0f * clock.update());
        glDisable(GL_TEXTURE_2D);
    }

    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);
    glDisable(GL_TEXTURE_2D);
    return clock.update() > kMosaicSceneSeconds;
}
