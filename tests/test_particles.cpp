// The particle system: its draws from the random generator, the timed formation sequence on a
// virtual clock, the fade, and a grid frame read back from a real context.
#include "base/random.h"
#include "effects/particle_system.h"
#include "platform/files.h"
#include "test_support.h"
#include "virtual_clock.h"

#include <GL/gl.h>
#include <array>
#include <cmath>
#include <filesystem>
#include <stb/stb_image_write.h>
#include <vector>

namespace {
// The next `count` draws of the generator, which is then set back to where it was by `reseed`.
template <typename Reseed> std::vector<int> Draws(int count, Reseed reseed) {
    reseed();
    std::vector<int> r(count);
    for (int& v : r)
        v = NextRandom();
    reseed();
    return r;
}

// A soft white dot, black from half its width outwards: neighbouring grid blobs (4/7 of the
// blob's width apart) then stay separate on screen.
void WriteBlob(const std::string& folder) {
    std::filesystem::create_directories(folder + "/Textures");
    const int n = 64;
    std::vector<uint8_t> rgb(n * n * 3);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const double r = std::hypot(x + 0.5 - n / 2.0, y + 0.5 - n / 2.0) / (n / 2.0);
            const double v = r < 1.0 ? std::pow(1.0 - r, 3.0) : 0.0;
            for (int c = 0; c < 3; ++c)
                rgb[(y * n + x) * 3 + c] = static_cast<uint8_t>(255.0 * v + 0.5);
        }
    ASSERT_NE(
        stbi_write_jpg((folder + "/" + kParticlePictureFile).c_str(), n, n, 3, rgb.data(), 95), 0);
}

// The formation step after one update `seconds` later.
int UpdateAfter(ParticleSystem& ps, double seconds) {
    AdvanceSeconds(seconds);
    ps.update();
    return g_formationStep;
}

// One grid frame as the scene draws it (5 units into the screen, on black): 64 separate bright
// blobs, each darker halfway to its right-hand neighbour. Then the state the particle scene and
// the credits after it rely on.
void ExpectGridFrame(const ParticleSystem& ps) {
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -5.0f);
    glColor3f(1.0f, 1.0f, 1.0f);
    glEnable(GL_LIGHTING);
    ps.draw();
    auto brightness = [&](float x, float y, float z) {
        int px, py;
        ProjectToWindow(ps.offset[0] + ps.scale[0] * x, ps.offset[1] + ps.scale[1] * y,
                        ps.offset[2] + ps.scale[2] * z, &px, &py);
        return ReadPixel(px, py).g;
    };
    for (int i = 0; i < kParticleNum; ++i) {
        const float* p = ps.particles[i].position;
        EXPECT_GT(brightness(p[0], p[1], p[2]), 200) << "particle " << i;
        const float* q = ps.particles[std::min(i + 1, kParticleNum - 1)].position;
        EXPECT_TRUE(i % 8 == 7 || brightness((p[0] + q[0]) / 2, (p[1] + q[1]) / 2, 0) < 100)
            << "between " << i << ", " << i + 1;
    }
    GLint source, destination;
    GLboolean depthMask = GL_FALSE;
    glGetIntegerv(GL_BLEND_SRC, &source);
    glGetIntegerv(GL_BLEND_DST, &destination);
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthMask);
    EXPECT_TRUE(!glIsEnabled(GL_LIGHTING) && glIsEnabled(GL_BLEND) && !glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(source == GL_SRC_ALPHA && destination == GL_ONE && depthMask == GL_TRUE);
}
} // namespace

// The formation clock lives inside update and starts on its first call, once per process:
// the whole sequence is walked in this one test.
TEST(ParticleSystem, FormationSequence) {
    TempDir folder;
    WriteBlob(folder.path);
    TestWindow();
    const std::vector<int> drawn = Draws(193, [] { SeedRandom(329); });
    const std::filesystem::path previous = std::filesystem::current_path();
    ASSERT_TRUE(PlatformChangeFolder(folder.path.c_str())); // where it looks for its texture
    static ParticleSystem& ps = *new ParticleSystem; // kept to the end, as the demo keeps its own
    std::filesystem::current_path(previous);
    EXPECT_EQ(NextRandom(), drawn[192]); // 64 particles of three draws each
    ASSERT_TRUE(g_particleTexture->loaded);
    ASSERT_EQ(g_formationStep, 1);
    EXPECT_EQ(UpdateAfter(ps, 3.0), 2); // 1: everything gathers at the origin

    // 2: random targets, z, y, x per particle, 192 draws; the clock still runs from call 1.
    AdvanceSeconds(0.5);
    const std::vector<int> r = Draws(193, [] { SeedRandom(23); });
    ps.update();
    EXPECT_EQ(g_formationStep, 3);
    EXPECT_EQ(NextRandom(), r[192]);
    for (int i = 0; i < kParticleNum; ++i) {
        const Particle& p = ps.particles[i];
        for (int axis = 0; axis < 3; ++axis)
            EXPECT_EQ(p.target[2 - axis], static_cast<float>(r[3 * i + axis] / 16384.0 - 1.0));
        EXPECT_EQ(p.position[0], 0.25f * p.target[0]); // a quarter of the way at 0.5 s
    }

    // 3: exactly 2.0 s after call 1 is not yet "more than 2"; one tick later the grid is the
    // target, and a second call at the same moment changes nothing more.
    EXPECT_EQ(UpdateAfter(ps, 1.5), 3);
    ASSERT_EQ(UpdateAfter(ps, 1.0 / kTicksPerSecond), 4);
    EXPECT_EQ(UpdateAfter(ps, 0.0), 4);
    // Targets of a few particles, {index, x, y} with z 0: the grid's rows of eight from
    // (-1, -1) in sevenths of 2, each rounded to float from double.
    auto expectTargets = [&](std::initializer_list<std::array<float, 3>> rows, float tolerance) {
        for (const auto& g : rows) {
            const float* t = ps.particles[static_cast<int>(g[0])].target;
            EXPECT_TRUE(std::fabs(t[0] - g[1]) <= tolerance &&
                        std::fabs(t[1] - g[2]) <= tolerance && t[2] == 0)
                << g[0];
        }
    };
    expectTargets({{0, -1, -1}, {10, float(-3.0 / 7), float(-5.0 / 7)}, {63, 1, 1}}, 0);
    // Two seconds on, the particles sit on the grid: look at it.
    EXPECT_EQ(UpdateAfter(ps, 2.0), 4);
    ExpectGridFrame(ps);

    // 4: after a long stall, still only one change: the mirrored grid, (X, Y) to (-Y, -X).
    std::vector<Particle> grid = ps.particles;
    ASSERT_EQ(UpdateAfter(ps, 10.0), 5);
    for (int i = 0; i < kParticleNum; ++i)
        EXPECT_TRUE(ps.particles[i].target[0] == -grid[i].target[1] &&
                    ps.particles[i].target[1] == -grid[i].target[0] &&
                    ps.particles[i].start[0] == grid[i].position[0])
            << "particle " << i;

    // 5: eight rings of eight, radii 1.5 down to 0.1875, each starting on +x. The angle is a
    // float: up to 49.5 radians it is off by as much as 2e-6.
    ASSERT_EQ(UpdateAfter(ps, 2.0 + 1.0 / kTicksPerSecond), 6);
    expectTargets({{0, 1.5f, 0},
                   {8, 1.3125f, 0},
                   {13, -0.9280776f, -0.9280776f},
                   {63, 0.1325825f, -0.1325825f}},
                  5e-6f);

    // 6: scatter, with the fade starting on the very call that enters the last step. No clamp
    // on time: 4 s in, a particle is twice as far from its start as its target (2 s).
    ASSERT_EQ(UpdateAfter(ps, 2.0 + 1.0 / kTicksPerSecond), 7);
    const Particle& p = ps.particles[10];
    EXPECT_EQ(p.color[3], float(1.0 - 0.001));
    UpdateAfter(ps, 4.0);
    for (int axis = 0; axis < 3; ++axis)
        EXPECT_NEAR(p.position[axis] - p.start[axis], 2.0f * (p.target[axis] - p.start[axis]),
                    1e-5f);

    // The fade is per call, whatever the time: 1,000 calls leave a trace, 1,001 go below 0.
    for (int calls = 2; calls < 1000; ++calls)
        ps.update();
    EXPECT_TRUE(p.color[3] > 0.0f && p.color[3] < 1e-5f);
    ps.update();
    ps.update();
    EXPECT_TRUE(p.color[3] < -0.0019f && g_formationStep == 7);
}
