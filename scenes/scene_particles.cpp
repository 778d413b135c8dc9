// The particle choreography over its background. Nothing here reacts to the music.
#include "base/scene_timer.h"
#include "effects/particle_system.h"
#include "resources/light.h"
#include "resources/overlay.h"
#include "scenes/assets.h"
#include "scenes/scenes.h"

bool runParticleScene() {
    static SceneTimer clock;

    // Set up on every frame; nothing here is drawn lit, so it only leaves its values behind.
    g_light->setPosition(0, 0, 0); // sent with whatever w the light had
    g_light->setSpotDirection(0, 0, -1);
    g_light->setDirectional();
    g_light->setSpecular(1, 1, 1, 1);
    const float globalAmbient[4] = {1, 1, 1, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, globalAmbient);
    g_light->enable();

    glDepthMask(GL_FALSE);
    g_particleBgOverlay->fillWindow();
    g_particleBgOverlay->draw();
    glDepthMask(GL_TRUE);

    // With the system's own offset the particles lie around (0, 0, -7) in eye space.
    glTranslatef(0, 0, -5);
    glColor3f(1, 1, 1);
    g_particles->update();
    g_particles->draw(); // leaves lighting off and additive blending on for the credits

    return clock.update() > kParticleSceneSeconds;
}
