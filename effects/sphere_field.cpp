// The sphere field: fifty unit spheres placed once from the program's random generator, each
// turned and pushed by the music value of the frame.
#include "effects/sphere_field.h"

#include "base/random.h"
#include "resources/display_list.h"

#include <GL/gl.h>
#include <cmath>

FieldSphere* g_spheres = nullptr;
GLUquadric* g_quadric = nullptr;
GLuint g_sphereList = 0;

namespace {
// Uniform in [a, b): the divisor is one more than the largest draw, so b is never reached.
float Uniform(double a, double b) {
    return static_cast<float>(NextRandom() * (b - a) / 32768.0 + a);
}

void DrawUnitSphere() {
    // 32 slices and stacks: about 6,400 calls, which is why it is compiled once.
    gluSphere(g_quadric, 1.0, 32, 32);
}

// Radius of the hollow around (0, 0, -10) where the scene's central model turns.
constexpr float kHollowRadius = 7.0f;
} // namespace

FieldSphere::FieldSphere() {
    float distance;
    do {
        position[0] = Uniform(-10.0, 10.0);
        position[1] = Uniform(-10.0, 10.0);
        position[2] = Uniform(-20.0, 0.0);
        const float dz = position[2] + 10.0f;
        // In floats: a point whose double distance is a hair under 7 may still be accepted,
        // and the layout of the field depends on which.
        distance = std::sqrt(position[0] * position[0] + position[1] * position[1] + dz * dz);
    } while (distance < kHollowRadius);
    axis[0] = Uniform(0.0, 1.0);
    axis[1] = Uniform(0.0, 1.0);
    axis[2] = Uniform(0.0, 1.0);
}

void FieldSphere::draw(float amount) const {
    glPushMatrix();
    glTranslatef(position[0], position[1], position[2]);
    // The music value serves twice: as degrees about the sphere's own axis and as a push
    // along the turned x axis, so the sphere jolts about along world x.
    glRotatef(amount, axis[0], axis[1], axis[2]);
    glTranslatef(amount, 0.0f, 0.0f);
    if (g_sphereList != 0)
        glCallList(g_sphereList);
    else
        DrawUnitSphere();
    glPopMatrix();
}

void CompileFieldSphere() {
    if (g_sphereList != 0)
        glDeleteLists(g_sphereList, 1);
    g_sphereList = CompileDisplayList(DrawUnitSphere);
}
