// The five scenes, in the order they play, with their lengths: the one table the demo, the
// capture, the benchmark and the tests read.
//
// A scene is called once per frame while it is current, with the buffers cleared and the
// modelview matrix the identity, and returns true on its last frame: the first frame whose
// scene clock reads strictly more than its length. Its clocks start on its first frame.
//
// The scenes hand GL state to each other on purpose; nothing restores it. Besides the fixed
// state the demo sets once (depth test LEQUAL, back-face culling, smooth shading, colour
// material on front ambient and diffuse), what each receives and leaves. Every overlay draw
// turns lighting off, sets blending to (SRC_ALPHA, ONE_MINUS_SRC_ALPHA) and leaves blending
// and texturing off. The one light (GL_LIGHT0) was made by loading and stays enabled; every
// Light::enable turns lighting on and sends its stored colours and its stored 90-degree
// cut-off, so after setPoint it shines as a spot lighting everything in front of the eye.
// - title: receives what the loading picture's last overlay left (lighting, blending and
//   texturing off); draws one overlay and leaves the same.
// - sphere field: sets the light once, on its first frame (at the eye, point, ambient 2,
//   diffuse and specular 1, global ambient 1); each frame draws its background with lighting
//   off and depth writes off, then enables the light; leaves lighting on, blending,
//   texturing and sphere mapping off, and the light's stored ambient washed out (it grows
//   by 0.025 a frame after ten seconds).
// - mosaic: relies on the light's stored ambient and diffuse as the sphere field left them;
//   sets position, point, specular and global ambient every frame; the models take white
//   from the current colour its background overlay set; leaves lighting on, blending,
//   texturing and sphere mapping off.
// - particles: sets the light directional at the origin every frame and enables it, but its
//   background overlay turns lighting off again and nothing is drawn lit; draws the
//   particles additively without depth writes; leaves lighting off, additive blending
//   (SRC_ALPHA, ONE) on, texturing off and depth writes back on.
// - credits: relies on lighting and texturing being off, so its cube is plain white; on its
//   first frame blending is still the particles' additive one, which over the black clear
//   gives the same white; its overlays set their own blending and leave it off.
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

// Seconds into the show at which scene `index` starts: the lengths of the scenes before it
// (the whole show's length for kSceneNum).
constexpr float SceneStartSeconds(int index) {
    float start = 0.0f;
    for (int i = 0; i < index && i < kSceneNum; ++i)
        start += kScenes[i].seconds;
    return start;
}
