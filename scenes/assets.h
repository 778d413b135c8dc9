// The assets and shared objects that loading creates and the scenes use. Each is made once
// with new, held here, and lives until the program ends.
#pragma once

struct Model;
struct Overlay;
struct Texture;
struct Camera;
class CameraPath;
class Light;
class ParticleSystem;
class Music;

extern Music* g_music;
extern Model* g_crossModel;
extern Model* g_rundingdingsModel;
extern Overlay* g_skraboOverlay;
extern Overlay* g_plindOverlay;
extern Overlay* g_trollbeksOverlay;
extern Overlay* g_vexaOverlay;
extern Overlay* g_titleOverlay;
extern Texture* g_ooohTexture;
extern Texture* g_mosaikTexture;
extern Texture* g_mosaik2Texture;
extern Overlay* g_particleBgOverlay;
extern Overlay* g_bgOverlay;  // window-sized
extern Overlay* g_bg2Overlay; // twice window-sized
extern Camera* g_cameraKeys;  // three keys
extern CameraPath* g_cameraPath;
extern Light* g_light;
extern ParticleSystem* g_particles;
