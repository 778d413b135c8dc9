// Which pictures exist and how each is shown.
#include "pictures.h"

const std::vector<PictureEntry>& PictureList() {
    static const std::vector<PictureEntry> list = {
        // The loading picture is tinted blue-green on white.
        {"Text/loading.png", Shown::OwnSize, {1, 1, 1}, {0.17253245f, 0.4352345f, 0.58823425f}},
        {"Text/title.png", Shown::Window, {0, 0, 0}, {1, 1, 1}},
        {"Text/skrabo.png", Shown::OwnSize, {1, 1, 1}, {1, 1, 1}},
        {"Text/plind.png", Shown::OwnSize, {1, 1, 1}, {1, 1, 1}},
        {"Text/vexa.png", Shown::OwnSize, {1, 1, 1}, {1, 1, 1}},
        {"Text/trollbeks.jpg", Shown::Window, {1, 1, 1}, {1, 1, 1}},
        {"Textures/oooh.png", Shown::SphereMap, {0, 0, 0}, {1, 1, 1}},
        {"Textures/mosaik.png", Shown::SphereMap, {0, 0, 0}, {1, 1, 1}},
        {"Textures/mosaik2.png", Shown::SphereMap, {0, 0, 0}, {1, 1, 1}},
        {"Textures/bg.png", Shown::Window, {0, 0, 0}, {1, 1, 1}},
        {"Textures/bg2.png", Shown::TwiceWindow, {0, 0, 0}, {1, 1, 1}},
        {"Textures/particlebg.jpg", Shown::Window, {0, 0, 0}, {1, 1, 1}},
        {"Textures/blob.jpg", Shown::Additive, {0, 0, 0}, {1, 1, 1}},
    };
    return list;
}
