// The sphere field: placement from the random generator and the music-driven turn and push,
// checked on pixels read back, drawn directly and from its display list.
#include "base/random.h"
#include "effects/sphere_field.h"
#include "test_support.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cmath>
#include <gtest/gtest.h>

namespace {
// The first seed from 1 on whose generator yields `first` as its first value.
unsigned SeedStartingWith(int first) {
    for (unsigned seed = 1;; ++seed) {
        SeedRandom(seed);
        if (NextRandom() == first)
            return seed;
    }
}

// Whether the point (x, y, z) lands on a lit pixel of the frame just drawn.
bool Lit(double x, double y, double z) {
    int px, py;
    ProjectToWindow(x, y, z, &px, &py);
    return ReadPixel(px, py).r > 128;
}

// A white sphere on black, unlit.
void PrepareFrame() {
    TestWindow();
    if (!g_quadric)
        g_quadric = gluNewQuadric();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}
} // namespace

TEST(FieldSphere, PlacementKeepsTheHollowAndStaysBelowTheUpperEnds) {
    const float low[3] = {-10.0f, -10.0f, -20.0f}, high[3] = {10.0f, 10.0f, 0.0f};
    SeedRandom(329);
    for (int i = 0; i < kFieldSphereNum; ++i) {
        const FieldSphere sphere;
        const float* p = sphere.position;
        const float dz = p[2] + 10.0f; // the hollow is centred on (0, 0, -10)
        EXPECT_GE(std::sqrt(p[0] * p[0] + p[1] * p[1] + dz * dz), 7.0f) << "sphere " << i;
        for (int j = 0; j < 3; ++j) {
            EXPECT_TRUE(p[j] >= low[j] && p[j] < high[j]) << "sphere " << i;
            EXPECT_TRUE(sphere.axis[j] >= 0.0f && sphere.axis[j] < 1.0f) << "sphere " << i;
        }
    }
    // The divisor is 32768: the largest draw lands 20/32768 short of 10, not on it. |x| alone
    // then keeps the sphere out of the hollow, so the first draw is kept.
    SeedRandom(SeedStartingWith(kRandomMax));
    EXPECT_EQ(FieldSphere().position[0], static_cast<float>(32767.0 * 20.0 / 32768.0 - 10.0));
    SeedRandom(SeedStartingWith(0));
    EXPECT_EQ(FieldSphere().position[0], -10.0f);
}

TEST(FieldSphere, MusicValueTurnsAndPushesTheSphere) {
    // Far enough away that a push of 20 stays in view: about 12 pixels per unit there.
    constexpr double kZ = -60.0;
    FieldSphere s;
    s.position[0] = s.position[1] = 0.0f;
    s.position[2] = static_cast<float>(kZ);
    s.axis[0] = s.axis[1] = 0.0f;
    s.axis[2] = 1.0f;

    // Straight from the quadric, then from the list compiled at loading, which draws keep.
    for (bool compiled : {false, true}) {
        PrepareFrame();
        if (compiled)
            CompileFieldSphere();
        const GLuint list = g_sphereList;
        // No music: the sphere sits exactly at its position, and the stack is as it was.
        GLint depthBefore, depthAfter;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthBefore);
        s.draw(0.0f);
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
        EXPECT_TRUE(depthAfter == depthBefore && Lit(0, 0, kZ) && !Lit(1.2, 0, kZ)) << compiled;

        // 20 degrees about z, then 20 along the turned x axis: to 20 (cos 20, sin 20), not
        // (20, 0).
        PrepareFrame();
        s.draw(20.0f);
        EXPECT_TRUE(Lit(20.0 * std::cos(M_PI / 9), 20.0 * std::sin(M_PI / 9), kZ)) << compiled;
        EXPECT_FALSE(Lit(0, 0, kZ) || Lit(20.0, 0, kZ)) << compiled;
        EXPECT_EQ(g_sphereList, list);
    }
}
