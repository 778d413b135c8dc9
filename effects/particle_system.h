// The particle choreography: 64 additive blobs that gather, burst, form a grid, its mirror
// image and eight rings, then scatter and fade.
#pragma once

#include "base/scene_timer.h"
#include "resources/texture.h"

#include <vector>

struct Particle {
    // A random point of [-1, 1)^3 for position, start and target alike.
    Particle();
    // start := position; new random target drawn z, y, x.
    void retarget();
    void draw() const;

    float position[3];
    float start[3];
    float target[3];
    float angle = 0.0f;
    float size = 1.0f;
    float color[4] = {1, 1, 1, 1};
};

class ParticleSystem {
  public:
    // Loads the blob texture and creates 64 particles (192 random values).
    ParticleSystem();
    void update();
    void draw() const;

    std::vector<Particle> particles;
    float scale[3] = {2.0f, 2.0f, 1.0f};
    float offset[3] = {0.0f, 0.0f, -2.0f};
};

constexpr int kParticleNum = 64;
// The blob picture every particle is drawn with.
constexpr const char* kParticlePictureFile = "Textures/blob.jpg";
extern Texture* g_particleTexture;
extern int32_t g_formationStep; // 1 to 7
