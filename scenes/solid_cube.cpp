// The credits backdrop's cube, drawn in immediate mode like the rest of the 2D work.
#include "scenes/solid_cube.h"

#include <GL/gl.h>

void DrawSolidCube(float edge) {
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
