// Start-up: the loading picture, every asset in a fixed order, then a two-second fade.
#include "scenes/loading.h"
#include "base/report_error.h"
#include "base/scene_timer.h"
#include "base/window_size.h"
#include "effects/particle_system.h"
#include "effects/sphere_field.h"
#include "music/music.h"
#include "resources/light.h"
#include "resources/mesh.h"
#include "resources/overlay.h"
#include "scenes/assets.h"
#include "scenes/camera.h"

#include <GL/glu.h>
#include <cmath>

Music* g_music = nullptr;
Model* g_crossModel = nullptr;
Model* g_rundingdingsModel = nullptr;
Overlay* g_skraboOverlay = nullptr;
Overlay* g_plindOverlay = nullptr;
Overlay* g_trollbeksOverlay = nullptr;
Overlay* g_vexaOverlay = nullptr;
Overlay* g_titleOverlay = nullptr;
Texture* g_ooohTexture = nullptr;
Texture* g_mosaikTexture = nullptr;
Texture* g_mosaik2Texture = nullptr;
Overlay* g_particleBgOverlay = nullptr;
Overlay* g_bgOverlay = nullptr;
Overlay* g_bg2Overlay = nullptr;
Camera* g_cameraKeys = nullptr;
CameraPath* g_cameraPath = nullptr;
Light* g_light = nullptr;
ParticleSystem* g_particles = nullptr;

namespace {
Texture* NewTexture(const char* fileName) {
    Texture* texture = new Texture;
    texture->loaded = LoadTexture(*texture, fileName);
    return texture;
}
} // namespace

void LoadAssets(int32_t windowWidth, int32_t windowHeight, const std::function<void()>& showFrame) {
    // The one path written with a backslash; the file layer accepts either separator.
    Overlay loading("Text\\loading.png");

    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    g_windowWidth = windowWidth;
    g_windowHeight = windowHeight;

    loading.color[0] = 0.17253245f;
    loading.color[1] = 0.4352345f;
    loading.color[2] = 0.58823425f;
    if (g_windowWidth != 0 && g_windowHeight != 0) {
        loading.centerOnWindow();
        loading.draw();
    } else {
        ReportError("Can't draw overlay without window size.");
    }
    // Shows the loading picture; it is not redrawn while the files are read.
    showFrame();

    g_music = new Music();
    g_crossModel = new Model("Models/cross.mesh");
    g_rundingdingsModel = new Model("Models/rundingdings.mesh");

    g_skraboOverlay = new Overlay("Text/skrabo.png");
    g_plindOverlay = new Overlay("Text/plind.png");
    g_trollbeksOverlay = new Overlay("Text/trollbeks.jpg");
    g_vexaOverlay = new Overlay("Text/vexa.png");
    g_titleOverlay = new Overlay("Text/title.png");

    g_ooohTexture = NewTexture("Textures/oooh.png");
    g_mosaikTexture = NewTexture("Textures/mosaik.png");
    g_mosaik2Texture = NewTexture("Textures/mosaik2.png");

    g_particleBgOverlay = new Overlay("Textures/particlebg.jpg");
    g_bgOverlay = new Overlay("Textures/bg.png");
    g_bgOverlay->fillWindow();
    g_bg2Overlay = new Overlay("Textures/bg2.png");
    g_bg2Overlay->fillWindow();
    // Twice the window, centred: it overhangs every edge by half a window while it turns.
    g_bg2Overlay->drawWidth = static_cast<int32_t>(std::floor(g_bg2Overlay->drawWidth * 2.0));
    g_bg2Overlay->drawHeight = static_cast<int32_t>(std::floor(g_bg2Overlay->drawHeight * 2.0));

    g_cameraKeys = new Camera[3]{
        {0, 0, 10, 0, 0, -10, 0, 1, 0},
        {15, 5, -20, 0, 0, -10, 1, 1, 0},
        {-15, -5, -10, 0, 0, -10, 0, 1, 0},
    };

    g_cameraPath = new CameraPath();
    g_cameraPath->addKey({0, 0, 10, 0, 0, -10, 0, 1, 0}, 0.0f);
    g_cameraPath->addKey({15, 5, 20, 0, 0, -10, 0, 1, 0}, 5.0f);
    g_cameraPath->addKey({-15, -5, -10, 0, 0, -10, 0, 1, 0}, 5.0f);
    g_cameraPath->addKey({15, 0, -10, 0, 0, -10, 0, 1, 0}, 5.0f);
    g_cameraPath->addKey({0, 0, -10, 1, 0, 0, 1, 0, 0}, 4.0f);

    g_light = new Light();
    g_light->position[2] -= 5.0f;
    g_light->applyPosition();

    // The spheres, then the particles: this order fixes both random layouts.
    g_spheres = new FieldSphere[kFieldSphereNum];
    g_quadric = gluNewQuadric();
    gluQuadricTexture(g_quadric, GL_TRUE);
    gluQuadricOrientation(g_quadric, GLU_OUTSIDE);
    gluQuadricNormals(g_quadric, GLU_SMOOTH);
    g_particles = new ParticleSystem();

    // The fade starts when loading is done, however long that took. The alpha uses a reading
    // taken after the loop test, so the last frame may go slightly below 0: invisible.
    SceneTimer fade;
    fade.update();
    while (fade.elapsedSeconds < 2.0f) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        fade.update();
        loading.color[3] = 1.0f - 0.5f * fade.elapsedSeconds;
        loading.draw();
        // A quit asked for now is lost: the result is ignored on purpose.
        showFrame();
        fade.update();
    }

    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    loading.loaded = false;
    glDeleteTextures(1, &loading.id);
    loading.id = 0;
}
