// The particle choreography: 64 additive blobs flying through a fixed sequence of formations,
// two seconds per flight, timed by one clock that starts on the first update.
#include "effects/particle_system.h"

#include "base/random.h"

#include <GL/gl.h>
#include <cmath>

Texture* g_particleTexture = nullptr;
int32_t g_formationStep = 1;

namespace {
// r / 16384 - 1, exact in float: [-1, 0.99993896484375] in steps of 1/16384.
float RandomCoordinate() {
    return static_cast<float>(2 * NextRandom()) * 0x1p-15f - 1.0f;
}

// Each flight lasts this long; a change comes on the first call after it.
constexpr float kFlightSeconds = 2.0f;
// Alpha lost per update call in the last step: per frame, not per second. Subtracted in
// double and rounded to float after each call.
constexpr double kFadePerCall = 0.001;

void CopyPoint(float* to, const float* from) {
    to[0] = from[0];
    to[1] = from[1];
    to[2] = from[2];
}

void SetPoint(float* to, double x, double y, double z) {
    to[0] = static_cast<float>(x);
    to[1] = static_cast<float>(y);
    to[2] = static_cast<float>(z);
}

// Targets for the particle at list index i: column k = i mod 8, row m = i div 8.
// The divisions by 7 are done in double and only the results rounded to float.
void GridPoint(int i, float* target) {
    const int k = i % 8, m = i / 8;
    SetPoint(target, 2.0 * k / 7.0 - 1.0, 2.0 * m / 7.0 - 1.0, 0.0);
}

// The grid reflected across y = -x: grid point (X, Y) goes to (-Y, -X).
void MirroredGridPoint(int i, float* target) {
    const int k = i % 8, m = i / 8;
    SetPoint(target, (14.0 - 2.0 * m) / 7.0 - 1.0, (14.0 - 2.0 * k) / 7.0 - 1.0, 0.0);
}

// Eight rings of eight, every ring starting on +x; radii 1.5 down to 0.1875.
void RingPoint(int i, float* target) {
    const int m = i / 8;
    const float angle = static_cast<float>(static_cast<float>(i) * (M_PI / 4.0)); // radians
    const float radius = 1.5f - 0.1875f * static_cast<float>(m);
    const float c = static_cast<float>(std::cos(static_cast<double>(angle)));
    const float s = static_cast<float>(std::sin(static_cast<double>(angle)));
    target[0] = radius * c;
    target[1] = radius * s;
    target[2] = 0.0f;
}
} // namespace

Particle::Particle() {
    for (int axis = 0; axis < 3; ++axis) {
        const float v = RandomCoordinate();
        position[axis] = v;
        start[axis] = v;
        target[axis] = v;
    }
}

void Particle::retarget() {
    CopyPoint(start, position);
    // Drawn z first: the rest of the program's random sequence depends on this order.
    target[2] = RandomCoordinate();
    target[1] = RandomCoordinate();
    target[0] = RandomCoordinate();
}

void Particle::draw() const {
    if (g_particleTexture)
        bind(*g_particleTexture);
    glRotatef(angle, 0.0f, 0.0f, 1.0f);
    glNormal3f(0.0f, 0.0f, 1.0f);
    // Alpha goes below 0 in the last step; GL clamps the colour, so the blob disappears.
    glColor4f(color[0], color[1], color[2], color[3]);
    const float h = size * 0.5f;
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(-h, -h, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(h, -h, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(h, h, 0.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(-h, h, 0.0f);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

ParticleSystem::ParticleSystem() {
    // Kept even when the load fails: the particles then draw as plain squares.
    g_particleTexture = new Texture;
    g_particleTexture->loaded = LoadTexture(*g_particleTexture, kParticlePictureFile);
    particles.reserve(kParticleNum);
    for (int i = 0; i < kParticleNum; ++i)
        particles.push_back(Particle());
}

void ParticleSystem::update() {
    // Started by the first call, the first frame of the particle scene; never restarted
    // before the grid, so the burst and the wait for the grid both count from that call.
    static SceneTimer formationClock;

    const int32_t step = g_formationStep;
    if (step == 1) {
        for (Particle& p : particles) {
            SetPoint(p.position, 0.0, 0.0, 0.0);
            SetPoint(p.start, 0.0, 0.0, 0.0);
            SetPoint(p.target, 0.0, 0.0, 0.0);
        }
        g_formationStep = 2;
    } else if (step == 2) {
        for (Particle& p : particles)
            p.retarget();
        g_formationStep = 3;
    } else if (step >= 3 && step <= 6 && formationClock.update() > kFlightSeconds) {
        for (size_t i = 0; i < particles.size(); ++i) {
            Particle& p = particles[i];
            if (step == 6) {
                p.retarget();
                continue;
            }
            CopyPoint(p.start, p.position);
            const int index = static_cast<int>(i);
            if (step == 3)
                GridPoint(index, p.target);
            else if (step == 4)
                MirroredGridPoint(index, p.target);
            else
                RingPoint(index, p.target);
        }
        g_formationStep = step + 1;
        formationClock.restart();
    }

    // Not bounded below: from the 1,001st call on the blobs stay invisible.
    if (g_formationStep == 7) {
        for (Particle& p : particles)
            p.color[3] = static_cast<float>(p.color[3] - kFadePerCall);
    }
    // Each particle reads the clock afresh. t is not clamped: after the last change it grows
    // without limit and the particles fly on past their targets at constant speed.
    for (Particle& p : particles) {
        const float t = formationClock.update() * 0.5f;
        for (int axis = 0; axis < 3; ++axis)
            p.position[axis] = p.start[axis] + t * (p.target[axis] - p.start[axis]);
    }
}

void ParticleSystem::draw() const {
    // Additive blending with no depth writes, so the blobs need no sorting. Lighting and
    // blending are left as set here; the particle scene relies on that.
    glDisable(GL_LIGHTING);
    glDepthMask(GL_FALSE);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_BLEND);
    glPushMatrix();
    glTranslatef(offset[0], offset[1], offset[2]);
    for (const Particle& p : particles) {
        glPushMatrix();
        glTranslatef(scale[0] * p.position[0], scale[1] * p.position[1], scale[2] * p.position[2]);
        p.draw();
        glPopMatrix();
    }
    glPopMatrix();
    glDepthMask(GL_TRUE);
}
