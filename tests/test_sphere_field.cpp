// The sphere field: placement from the random generator (hollow, ranges, rejection, divisor)
// and the music-driven turn and push, checked on pixels read back.
#include "app/random.h"
#include "effects/sphere_field.h"
#include "test_support.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cmath>
#include <gtest/gtest.h>

namespace {
// The field is centred on this point, and no sphere comes nearer to it than 7.
constexpr float kCentreZ = -10.0f;

float HollowDistance(const FieldSphere& s) {
    const float dz = s.position[2] - kCentreZ;
    return std::sqrt(s.position[0] * s.position[0] + s.position[1] * s.position[1] + dz * dz);
}

// The first seed from 1 on whose generator yields `first` as its first value.
unsigned SeedStartingWith(int first) {
    for (unsigned seed = 1;; ++seed) {
        SeedRandom(seed);
        if (NextRandom() == first)
            return seed;
    }
}

void ExpectSameField(const FieldSphere* a, const FieldSphere* b) {
    for (int i = 0; i < kFieldSphereNum; ++i)
        for (int j = 0; j < 3; ++j) {
            EXPECT_EQ(a[i].position[j], b[i].position[j]) << "sphere " << i;
            EXPECT_EQ(a[i].axis[j], b[i].axis[j]) << "sphere " << i;
        }
}

// Screen position of a point under the current matrices, y from the top of the window.
void Project(double x, double y, double z, int* px, int* py) {
    GLdouble model[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLdouble wx, wy, wz;
    gluProject(x, y, z, model, projection, viewport, &wx, &wy, &wz);
    *px = static_cast<int>(wx);
    *py = viewport[3] - 1 - static_cast<int>(wy);
}

void PrepareFrame() {
    TestWindow();
    if (!g_quadric) {
        g_quadric = gluNewQuadric();
        gluQuadricTexture(g_quadric, GL_TRUE);
        gluQuadricOrientation(g_quadric, GLU_OUTSIDE);
        gluQuadricNormals(g_quadric, GLU_SMOOTH);
    }
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

bool Lit(int x, int y) {
    return ReadPixel(x, y).r > 128;
}
} // namespace

TEST(FieldSphere, FieldKeepsTheHollowAndItsRangesAndRepeatsPerSeed) {
    SeedRandom(329);
    FieldSphere* field = new FieldSphere[kFieldSphereNum];
    for (int i = 0; i < kFieldSphereNum; ++i) {
        const FieldSphere& s = field[i];
        EXPECT_GE(HollowDistance(s), 7.0f) << "sphere " << i;
        EXPECT_GE(s.position[0], -10.0f);
        EXPECT_LT(s.position[0], 10.0f);
        EXPECT_GE(s.position[1], -10.0f);
        EXPECT_LT(s.position[1], 10.0f);
        EXPECT_GE(s.position[2], -20.0f);
        EXPECT_LT(s.position[2], 0.0f);
        for (float a : s.axis) {
            EXPECT_GE(a, 0.0f);
            EXPECT_LT(a, 1.0f);
        }
    }
    SeedRandom(329);
    FieldSphere* again = new FieldSphere[kFieldSphereNum];
    ExpectSameField(field, again);
    delete[] field;
    delete[] again;
}

TEST(FieldSphere, LargestDrawStaysBelowTheUpperEndAndZeroGivesTheLowerEnd) {
    // The divisor is 32768: the largest draw lands 20/32768 short of 10, not on it.
    SeedRandom(SeedStartingWith(kRandomMax));
    FieldSphere top;
    // x = 9.99939 and any y, z outside the hollow: |x| alone is more than 7 from the centre.
    EXPECT_EQ(top.position[0], static_cast<float>(32767.0 * 20.0 / 32768.0 - 10.0));
    EXPECT_LT(top.position[0], 10.0f);

    SeedRandom(SeedStartingWith(0));
    FieldSphere bottom;
    EXPECT_EQ(bottom.position[0], -10.0f);
}

TEST(FieldSphere, MusicValueTurnsAndPushesTheSphere) {
    // Far enough away that a push of 20 stays in view: about 12 pixels per unit there.
    constexpr double kZ = -60.0;
    FieldSphere s;
    s.position[0] = 0.0f;
    s.position[1] = 0.0f;
    s.position[2] = static_cast<float>(kZ);
    s.axis[0] = 0.0f;
    s.axis[1] = 0.0f;
    s.axis[2] = 1.0f;
    int cx, cy;

    // No music: the sphere sits exactly at its position, and the stack is as it was.
    PrepareFrame();
    GLint depthBefore, depthAfter;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthBefore);
    s.draw(0.0f);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
    EXPECT_EQ(depthAfter, depthBefore);
    Project(0, 0, kZ, &cx, &cy);
    EXPECT_TRUE(Lit(cx, cy));
    int rx, ry;
    Project(1.2, 0, kZ, &rx, &ry);
    EXPECT_FALSE(Lit(rx, ry));

    // 20 degrees about z, then 20 along the turned x axis: the centre moves to
    // 20 (cos 20, sin 20), not to (20, 0).
    PrepareFrame();
    s.draw(20.0f);
    int px, py;
    Project(20.0 * std::cos(M_PI / 9), 20.0 * std::sin(M_PI / 9), kZ, &px, &py);
    EXPECT_TRUE(Lit(px, py));
    EXPECT_FALSE(Lit(cx, cy));
    Project(20.0, 0, kZ, &px, &py);
    EXPECT_FALSE(Lit(px, py));
}
