// Cameras: the look-at matrix they leave on the modelview stack, the eased blend and the timed
// path, checked against gluLookAt on a virtual clock.
#include "platform/clock.h"
#include "scenes/camera.h"
#include "test_support.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <array>
#include <cmath>
#include <gtest/gtest.h>

namespace {
// 2^16 ticks per second: every time below is exact in the timer's float arithmetic.
constexpr int64_t kTicksPerSecond = 65536;
struct VirtualClock : testing::Environment {
    void SetUp() override { PlatformUseVirtualCounter(kTicksPerSecond); }
};
const auto* const g_env = testing::AddGlobalTestEnvironment(new VirtualClock);

void AdvanceSeconds(double s) {
    PlatformAdvanceVirtualCounter(static_cast<int64_t>(s * kTicksPerSecond + 0.5));
}

using Matrix = std::array<float, 16>;

Matrix Modelview() {
    Matrix m;
    glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
    return m;
}

void Reset() {
    TestWindow();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// The matrix gluLookAt leaves for the given eye, centre and up.
Matrix LookAt(double ex, double ey, double ez, double cx, double cy, double cz, double ux,
              double uy, double uz) {
    glPushMatrix();
    glLoadIdentity();
    gluLookAt(ex, ey, ez, cx, cy, cz, ux, uy, uz);
    Matrix m = Modelview();
    glPopMatrix();
    return m;
}
Matrix LookAt(const Camera& c) {
    return LookAt(c.eyeX, c.eyeY, c.eyeZ, c.centerX, c.centerY, c.centerZ, c.upX, c.upY, c.upZ);
}

// Relative to the element's size: translations run to about 20.
void ExpectNear(const Matrix& got, const Matrix& want) {
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(got[i], want[i], 1e-5f * (1.0f + std::fabs(want[i]))) << "element " << i;
}

// The camera reached after a fraction `f` of the way from `a` to `b`, in double.
Camera Between(const Camera& a, const Camera& b, double f) {
    const float* pa = &a.eyeX;
    const float* pb = &b.eyeX;
    Camera c;
    float* pc = &c.eyeX;
    for (int i = 0; i < 9; ++i)
        pc[i] = static_cast<float>(pa[i] + (pb[i] - pa[i]) * f);
    return c;
}

const Camera kFront = {0, 0, 10, 0, 0, -10, 0, 1, 0};
const Camera kSide = {15, 5, -20, 0, 0, -10, 1, 1, 0};
const Camera kBelow = {-15, -5, -10, 0, 0, -10, 0, 1, 0};
} // namespace

TEST(Camera, BlendEasesOutWithoutClamping) {
    // Halfway in time is sin(pi/4) of the way.
    Reset();
    BlendCameras(kFront, kSide, 0.5f);
    ExpectNear(Modelview(), LookAt(Between(kFront, kSide, 0.70710678)));

    // Eye sliding along x with a fixed view direction: the matrix's x translation is -eye x.
    // An overshooting frame (u a little above 1) stops short of the target, never beyond it.
    const Camera left = {0, 0, 0, 0, 0, -1, 0, 1, 0};
    const Camera right = {10, 0, 0, 10, 0, -1, 0, 1, 0};
    Reset();
    BlendCameras(left, right, 1.05f);
    const float eyeX = -Modelview()[12];
    EXPECT_LT(eyeX, 10.0f);
    EXPECT_NEAR(eyeX, 10.0 * std::sin(1.05 * M_PI / 2), 1e-5);
}

TEST(CameraPath, DefaultKeyAloneLooksDownMinusZ) {
    CameraPath path;
    ASSERT_EQ(path.keys.size(), 1u);
    for (int frame = 0; frame < 3; ++frame) {
        AdvanceSeconds(1.0);
        Reset();
        glTranslatef(1.0f, 2.0f, 3.0f);
        path.update();
        // Multiplied onto what was there: the look-at of the default key is the identity.
        Matrix want = LookAt(0, 0, 0, 0, 0, -1, 0, 1, 0);
        want[12] += 1.0f;
        want[13] += 2.0f;
        want[14] += 3.0f;
        ExpectNear(Modelview(), want);
        EXPECT_EQ(path.current, 0u);
    }
}

TEST(CameraPath, ZeroLengthSegmentShowsItsEndKeyAndEndsAtOnce) {
    CameraPath path;
    path.addKey(kFront, 0.0f);
    path.addKey(kSide, 4.0f);
    // Time spent before the first update (loading, earlier scenes) is swallowed here.
    AdvanceSeconds(30.0);
    Reset();
    path.update();
    ExpectNear(Modelview(), LookAt(kFront));
    EXPECT_EQ(path.current, 1u);

    // The timed move starts at that first update.
    AdvanceSeconds(2.0);
    Reset();
    path.update();
    ExpectNear(Modelview(), LookAt(Between(kFront, kSide, 0.70710678)));
    EXPECT_EQ(path.current, 1u);
}

TEST(CameraPath, SegmentEndDropsOvershootAndLastKeyIsHeld) {
    CameraPath path;
    path.addKey(kFront, 1.0f);
    path.addKey(kBelow, 2.0f);

    // Exactly at the duration the segment is not over yet.
    AdvanceSeconds(1.0);
    Reset();
    path.update();
    ExpectNear(Modelview(), LookAt(kFront));
    EXPECT_EQ(path.current, 0u);

    // A quarter second over: shown just short of the key, then the next segment begins.
    AdvanceSeconds(0.25);
    Reset();
    path.update();
    ExpectNear(Modelview(), LookAt(Between(path.keys[0], kFront, std::sin(1.25 * M_PI / 2))));
    EXPECT_EQ(path.current, 1u);

    // The overshoot is not carried over: one second later is halfway through the next move.
    AdvanceSeconds(1.0);
    Reset();
    path.update();
    ExpectNear(Modelview(), LookAt(Between(kFront, kBelow, 0.70710678)));

    AdvanceSeconds(1.5);
    Reset();
    path.update();
    EXPECT_EQ(path.current, 2u);
    for (int frame = 0; frame < 3; ++frame) {
        AdvanceSeconds(10.0);
        Reset();
        path.update();
        ExpectNear(Modelview(), LookAt(kBelow));
        EXPECT_EQ(path.current, 2u);
    }
}

TEST(CameraPath, PositionDependsOnTimeNotFrameRate) {
    CameraPath fast, slow, once;
    for (CameraPath* path : {&fast, &slow, &once}) {
        path->addKey(kFront, 0.0f);
        path->addKey(kSide, 5.0f);
    }
    // First updates together: the zero-length segments end at the same moment.
    AdvanceSeconds(0.5);
    for (CameraPath* path : {&fast, &slow, &once})
        path->update();

    // 64 frames per second against 8, for three seconds; `once` sees only the last moment.
    for (int frame = 1; frame <= 192; ++frame) {
        PlatformAdvanceVirtualCounter(kTicksPerSecond / 64);
        Reset();
        fast.update();
        if (frame % 8 == 0) {
            Reset();
            slow.update();
        }
    }
    Reset();
    fast.update();
    const Matrix fastView = Modelview();
    Reset();
    slow.update();
    const Matrix slowView = Modelview();
    Reset();
    once.update();
    const Matrix onceView = Modelview();
    EXPECT_EQ(fastView, slowView);
    EXPECT_EQ(fastView, onceView);
    ExpectNear(fastView, LookAt(Between(kFront, kSide, std::sin(0.6 * M_PI / 2))));
}
