// Every file the demo reads, in the order loading reads it, with the global each one fills:
// the one list that loading, the asset generator's build, the benchmark and the tests share.
// Adding an asset is one line here, beside the generator's code that draws it and the scene
// that shows it.
#pragma once

#include "effects/particle_system.h"
#include "music/music.h"
#include "scenes/assets.h"

enum class AssetKind { Music, Model, Overlay, Texture };

struct AssetFile {
    const char* path; // as the demo opens it, relative to its folder
    AssetKind kind;
    // The Music*, Model*, Overlay* or Texture* (by kind) that loading's table walk fills;
    // null for the two files read elsewhere: the loading picture and the particles' blob.
    void* global;
};

// The one path written with a backslash; the file layer accepts either separator.
constexpr const char* kLoadingPictureFile = "Text\\loading.png";

constexpr AssetFile kAssetFiles[] = {
    {kLoadingPictureFile, AssetKind::Overlay, nullptr},
    {kSoundtrackFile, AssetKind::Music, &g_music},
    {"Models/cross.mesh", AssetKind::Model, &g_crossModel},
    {"Models/rundingdings.mesh", AssetKind::Model, &g_rundingdingsModel},
    {"Text/skrabo.png", AssetKind::Overlay, &g_skraboOverlay},
    {"Text/plind.png", AssetKind::Overlay, &g_plindOverlay},
    {"Text/trollbeks.jpg", AssetKind::Overlay, &g_trollbeksOverlay},
    {"Text/vexa.png", AssetKind::Overlay, &g_vexaOverlay},
    {"Text/title.png", AssetKind::Overlay, &g_titleOverlay},
    {"Textures/oooh.png", AssetKind::Texture, &g_ooohTexture},
    {"Textures/mosaik.png", AssetKind::Texture, &g_mosaikTexture},
    {"Textures/mosaik2.png", AssetKind::Texture, &g_mosaik2Texture},
    {"Textures/particlebg.jpg", AssetKind::Overlay, &g_particleBgOverlay},
    {"Textures/bg.png", AssetKind::Overlay, &g_bgOverlay},
    {"Textures/bg2.png", AssetKind::Overlay, &g_bg2Overlay},
    {kParticlePictureFile, AssetKind::Texture, nullptr}, // read last, by the particle system
};
