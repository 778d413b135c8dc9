// The credits: a white backdrop, the group picture fading out, three names popping in and
// pulsing (the last one stretched by the bass), then white until the end.
#include "base/scene_timer.h"
#include "music/music.h"
#include "resources/overlay.h"
#include "scenes/assets.h"
#include "scenes/scenes.h"
#include "scenes/solid_cube.h"

#include <cmath>

namespace {
int32_t Scaled(float factor, int32_t size) {
    return static_cast<int32_t>(std::floor(static_cast<float>(static_cast<double>(factor) * size)));
}

// Pulses between 1 and 1.5 times the picture's own size, recomputed from that size every
// frame so it never drifts. `phase` shifts the width against the height; `stretch` widens
// by one picture width per unit.
void Pulse(Overlay& overlay, SceneTimer& clock, float phase, float stretch) {
    overlay.drawWidth = overlay.width;
    overlay.drawHeight = overlay.height;
    // Angles rounded to float before the sine, sines and factors rounded to float after.
    float a = std::fabs(static_cast<float>(std::sin(static_cast<double>(3.0f * clock.update()))));
    float b =
        std::fabs(static_cast<float>(std::sin(static_cast<double>(3.0f * clock.update() + phase))));
    float widthFactor = static_cast<float>(b * 0.5 + 1.0 + stretch);
    float heightFactor = static_cast<float>(a * 0.5 + 1.0);
    overlay.drawWidth = Scaled(widthFactor, overlay.drawWidth);
    overlay.drawHeight = Scaled(heightFactor, overlay.drawHeight);
}

void FadeFrom(Overlay& overlay, SceneTimer& clock, float start) {
    // Not clamped: below 0 the picture is simply invisible.
    overlay.color[3] = 1.0f - (clock.update() - start) * 0.5f;
}
} // namespace

bool runCreditsScene() {
    static SceneTimer clock;
    g_music->updateSpectrum();

    static bool placed = false;
    if (!placed) {
        placed = true;
        g_trollbeksOverlay->fillWindow();
        // Fixed window pixels, not scaled with the window.
        g_skraboOverlay->centerX = 180;
        g_skraboOverlay->centerY = 150;
        g_plindOverlay->centerX = 600;
        g_plindOverlay->centerY = 250;
        g_vexaOverlay->centerX = 400;
        g_vexaOverlay->centerY = 450;
    }

    // Lighting and texturing are off (left so by the particles and the overlays), so the
    // cube is plain white. Its near face sits at window depth ~0.98, behind the overlays.
    glColor3f(1, 1, 1);
    glTranslatef(0, 0, -2);
    DrawSolidCube(kCreditsCubeEdge);

    Pulse(*g_skraboOverlay, clock, 94.0f, 0.0f);
    Pulse(*g_plindOverlay, clock, 34.0f, 0.0f);
    Pulse(*g_vexaOverlay, clock, 0.0f, g_music->spectrum[2]);

    g_trollbeksOverlay->draw();
    if (clock.update() > 10.0f)
        g_skraboOverlay->draw();
    if (clock.update() > 11.0f)
        g_plindOverlay->draw();
    if (clock.update() > 12.0f)
        g_vexaOverlay->draw();

    // Set after the draws: each new alpha shows on the next frame.
    if (clock.update() > 10.0f)
        FadeFrom(*g_trollbeksOverlay, clock, 10.0f);
    if (clock.update() > 15.0f) {
        FadeFrom(*g_skraboOverlay, clock, 15.0f);
        FadeFrom(*g_plindOverlay, clock, 15.0f);
        FadeFrom(*g_vexaOverlay, clock, 15.0f);
    }
    return clock.update() > kCreditsSceneSeconds;
}
