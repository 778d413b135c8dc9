// The credits backdrop's cube: immediate-mode calls, compiled once into a display list.
#include "scenes/solid_cube.h"

#include "resources/display_list.h"

#include <GL/gl.h>

namespace {
GLuint g_cubeList = 0;
float g_cubeListEdge = 0.0f;

void DrawCubeDirectly(float edge) {
    const float h = edge * 0.5f;
    // Per face: the outward normal, then four corners counter-clockwise seen from outside.
    static const float faces[6][3] = {{1, 0, 0},  {-1, 0, 0}, {0, 1, 0},
                                      {0, -1, 0}, {0, 0, 1},  {0, 0, -1}};
    static const float corners[6][4][3] = {
        {{1, -1, -1}, {1, 1, -1}, {1, 1, 1}, {1, -1, 1}},
        {{-1, -1, 1}, {-1, 1, 1}, {-1, 1, -1}, {-1, -1, -1}},
        {{-1, 1, -1}, {-1, 1, 1}, {1, 1, 1}, {1, 1, -1}},
        {{-1, -1, -1}, {1, -1, -1}, {1, -1, 1}, {-1, -1, 1}},
        {{-1, -1, 1}, {1, -1, 1}, {1, 1, 1}, {-1, 1, 1}},
        {{-1, -1, -1}, {-1, 1, -1}, {1, 1, -1}, {1, -1, -1}},
    };
    glBegin(GL_QUADS);
    for (int f = 0; f < 6; ++f) {
        glNormal3fv(faces[f]);
        for (int c = 0; c < 4; ++c)
            glVertex3f(corners[f][c][0] * h, corners[f][c][1] * h, corners[f][c][2] * h);
    }
    glEnd();
}
} // namespace

void CompileSolidCube(float edge) {
    if (g_cubeList != 0)
        glDeleteLists(g_cubeList, 1);
    g_cubeList = CompileDisplayList([edge] { DrawCubeDirectly(edge); });
    g_cubeListEdge = edge;
}

void DrawSolidCube(float edge) {
    if (g_cubeList != 0 && edge == g_cubeListEdge)
        glCallList(g_cubeList);
    else
        DrawCubeDirectly(edge);
}
