// The title: the title picture stretched over the window for a little over three seconds.
#include "base/scene_timer.h"
#include "resources/overlay.h"
#include "scenes/assets.h"
#include "scenes/scenes.h"

bool runTitleScene() {
    static SceneTimer clock; // time 0 is this scene's first frame
    static bool placed = false;
    if (!placed) {
        placed = true;
        g_titleOverlay->fillWindow();
    }
    g_titleOverlay->draw();
    return clock.update() > kTitleSceneSeconds;
}
