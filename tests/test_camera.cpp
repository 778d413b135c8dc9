// Cameras: the eased blend and the timed path, checked against gluLookAt on a virtual clock.
#include "scenes/camera.h"
#include "test_support.h"
#include "virtual_clock.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <array>
#include <cmath>

namespace {
using Matrix = std::array<float, 16>;

Matrix Modelview() {
    Matrix m;
    glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
    return m;
}

// The view a path shows after `seconds` more on the clock, multiplied onto `current`.
Matrix UpdateAfter(CameraPath& path, double seconds, const Matrix* current = nullptr) {
    AdvanceSeconds(seconds);
    TestWindow();
    glMatrixMode(GL_MODELVIEW);
    if (current)
        glLoadMatrixf(current->data());
    else
        glLoadIdentity();
    path.update();
    return Modelview();
}

// The look-at matrix of the camera a fraction `f` of the way from `a` to `b`, in double.
Matrix LookAt(const Camera& a, const Camera& b = Camera(), double f = 0.0) {
    const float* pa = &a.eyeX;
    const float* pb = &b.eyeX;
    double c[9];
    for (int i = 0; i < 9; ++i)
        c[i] = static_cast<float>(pa[i] + (pb[i] - pa[i]) * f);
    glPushMatrix();
    glLoadIdentity();
    gluLookAt(c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8]);
    Matrix m = Modelview();
    glPopMatrix();
    return m;
}

// Relative to the element's size: translations run to about 20.
void ExpectNear(const Matrix& got, const Matrix& want) {
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(got[i], want[i], 1e-5f * (1.0f + std::fabs(want[i]))) << "element " << i;
}

const double kHalfway = 0.70710678; // sin(pi/4): the eased blend at u = 0.5
const Camera kFront = {0, 0, 10, 0, 0, -10, 0, 1, 0};
const Camera kSide = {15, 5, -20, 0, 0, -10, 1, 1, 0};
const Camera kBelow = {-15, -5, -10, 0, 0, -10, 0, 1, 0};
} // namespace

TEST(CameraPath, DefaultKeyIsMultipliedOnAndAZeroLengthSegmentEndsAtOnce) {
    CameraPath path;
    // Alone, the default key is a look down -z: the identity, multiplied onto the current.
    const Matrix moved = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 2, 3, 1};
    ExpectNear(UpdateAfter(path, 1.0, &moved), moved);
    path.addKey(kFront, 0.0f);
    path.addKey(kSide, 4.0f);
    // Time before the first update is swallowed; the timed move starts there.
    ExpectNear(UpdateAfter(path, 30.0), LookAt(kFront));
    EXPECT_EQ(path.current, 1u);
    ExpectNear(UpdateAfter(path, 2.0), LookAt(kFront, kSide, kHalfway));
}

TEST(CameraPath, SegmentEndDropsOvershootAndLastKeyIsHeld) {
    CameraPath path;
    path.addKey(kFront, 1.0f);
    path.addKey(kBelow, 2.0f);
    // Exactly at the duration the segment is not over yet.
    ExpectNear(UpdateAfter(path, 1.0), LookAt(kFront));
    EXPECT_EQ(path.current, 0u);
    // A quarter second over: shown just short of the key, then the next segment begins...
    ExpectNear(UpdateAfter(path, 0.25), LookAt(path.keys[0], kFront, std::sin(1.25 * M_PI / 2)));
    EXPECT_EQ(path.current, 1u);
    // ...without the overshoot: one second later is halfway through the next move.
    ExpectNear(UpdateAfter(path, 1.0), LookAt(kFront, kBelow, kHalfway));
    UpdateAfter(path, 1.5);
    for (int frame = 0; frame < 2; ++frame) {
        ExpectNear(UpdateAfter(path, 10.0), LookAt(kBelow));
        EXPECT_EQ(path.current, 2u);
    }
}
