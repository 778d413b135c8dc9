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
#include "resources/picture_prefetch.h"
#include "scenes/asset_list.h"
#include "scenes/assets.h"
#include "scenes/camera.h"
#include "scenes/solid_cube.h"

#include <GL/glu.h>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

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
// Reads one file of the table into its global.
void Load(const AssetFile& file) {
    switch (file.kind) {
    case AssetKind::Music: // opens kSoundtrackFile itself
        *static_cast<Music**>(file.global) = new Music();
        break;
    case AssetKind::Model:
        *static_cast<Model**>(file.global) = new Model(file.path);
        break;
    case AssetKind::Overlay:
        *static_cast<Overlay**>(file.global) = new Overlay(file.path);
        break;
    case AssetKind::Texture:
        *static_cast<Texture**>(file.global) = NewTexture(file.path);
        break;
    }
}
} // namespace

void LoadAssets(int32_t windowWidth, int32_t windowHeight, const std::function<void()>& showFrame,
                const LoadingHook& onStep) {
    auto step = [&](LoadingStep next) {
        if (onStep)
            onStep(next);
    };
    Overlay loading(kLoadingPictureFile);

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
    // The table's pictures after the loading picture, decoded on other threads while the
    // music and the models are read; each is still read, reported on and uploaded at its own
    // place in the table's order.
    std::vector<std::string> pictures;
    for (const AssetFile& file : kAssetFiles)
        if ((file.kind == AssetKind::Overlay || file.kind == AssetKind::Texture) &&
            file.path != kLoadingPictureFile)
            pictures.push_back(file.path);
    auto prefetch = std::make_unique<PicturePrefetch>(pictures);
    // Shows the loading picture; it is not redrawn while the files are read.
    showFrame();

    for (const AssetFile& file : kAssetFiles) {
        if (!file.global)
            continue; // read before or after this walk
        step(file.kind == AssetKind::Music   ? LoadingStep::Music
             : file.kind == AssetKind::Model ? LoadingStep::Models
                                             : LoadingStep::Pictures);
        Load(file);
    }
    // Sizing reads no file and reports nothing, so it can follow all the loads.
    g_bgOverlay->fillWindow();
    g_bg2Overlay->fillWindow();
    // Twice the window, centred: it overhangs every edge by half a window while it turns.
    g_bg2Overlay->drawWidth = static_cast<int32_t>(std::floor(g_bg2Overlay->drawWidth * 2.0));
    g_bg2Overlay->drawHeight = static_cast<int32_t>(std::floor(g_bg2Overlay->drawHeight * 2.0));

    step(LoadingStep::Other);
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
    CompileFieldSphere();
    CompileSolidCube(kCreditsCubeEdge);
    step(LoadingStep::Pictures); // the particles' blob
    g_particles = new ParticleSystem();
    prefetch.reset();
    step(LoadingStep::Done);

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
