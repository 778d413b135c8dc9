// The five scenes, in the order they play, with their lengths: the one table the demo, the
// capture, the benchmark and the tests read.
//
// A scene is called once per frame while it is current, with the buffers cleared and the
// modelview matrix the identity, and returns true on its last frame: the first frame whose
// scene clock reads strictly more than its length. Its clocks start on its first frame.
//
// The scenes hand GL state to each other on purpose; nothing restores it. What each receives
// and leaves (besides the fixed state the demo sets once: depth test LEQUAL, back-face culling,
// smooth shading, colour material on front ambient and diffuse):
// - title: receives the state loading leaves (lighting off, blending as the overlays leave
//   it); draws one overlay; leaves texturing off, blending on (SRC_ALPHA, ONE_MINUS_SRC_ALPHA).
// - sphere field: sets its light once on its first frame (a point light at the eye, ambient
//   2, diffuse and specular 1, global ambient 1); each frame turns lighting off for the
//   background, then enables the light; leaves lighting on, sphere mapping and texturing off,
//   and the light's ambient washed out (it grows by 0.025 a frame after ten seconds).
// - mosaic: relies on the light's ambient and diffuse as the sphere field left them; sets
//   position, point, specular and global ambient every frame; the models take white from the
//   overlay's colour; leaves lighting on, texturing and sphere mapping off.
// - particles: sets the light directional at the origin every frame though nothing is drawn
//   lit; draws the particles additively without depth writes; leaves lighting off and
//   additive blending (SRC_ALPHA, ONE) on, depth writes back on.
// - credits: relies on lighting and texturing being off (left so by the particles and the
//   overlays), so its cube is plain white; its overlays set their own blending.
#pragma once

// Called once per frame while current; true on the scene's last frame.
typedef bool (*SceneFunction)();

bool runTitleScene();
bool runSphereFieldScene();
bool runMosaicScene();
bool runParticleScene();
bool runCreditsScene();

// Seconds each scene lasts, by its own clock.
constexpr float kTitleSceneSeconds = 3.0f;
constexpr float kSphereFieldSceneSeconds = 15.0f;
constexpr float kMosaicSceneSeconds = 20.0f;
constexpr float kParticleSceneSeconds = 14.0f;
constexpr float kCreditsSceneSeconds = 18.0f;

struct Scene {
    const char* name; // as the capture and the benchmark report it
    float seconds;
    SceneFunction run;
};

constexpr int kSceneNum = 5;
constexpr Scene kScenes[kSceneNum] = {
    {"title", kTitleSceneSeconds, runTitleScene},
    {"sphere field", kSphereFieldSceneSeconds, runSphereFieldScene},
    {"mosaic models", kMosaicSceneSeconds, runMosaicScene},
    {"particles", kParticleSceneSeconds, runParticleScene},
    {"credits", kCreditsSceneSeconds, runCreditsScene},
};
