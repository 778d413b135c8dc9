// The sphere field: fifty unit spheres scattered around (0, 0, -10), outside a hollow of
// radius 7, each jolted by one music value.
#pragma once

#include <GL/glu.h>

struct FieldSphere {
    // Places the sphere from the program's random generator.
    FieldSphere();
    // `amount` turns the sphere by that many degrees about its axis and pushes it that far
    // along the turned x axis. Needs g_sphereList or g_quadric.
    void draw(float amount) const;

    float position[3];
    float axis[3];
};

constexpr int kFieldSphereNum = 50;
extern FieldSphere* g_spheres; // array of kFieldSphereNum
extern GLUquadric* g_quadric;
// The unit sphere GLU makes from g_quadric, compiled once; 0 until then, and the spheres are
// drawn by GLU each time.
extern GLuint g_sphereList;

// Compiles g_sphereList from g_quadric as it is set up now.
void CompileFieldSphere();
