// Display lists compiled from the drawing code itself, so that a list holds exactly the calls
// the direct path makes.
#include "resources/display_list.h"

GLuint CompileDisplayList(const std::function<void()>& draw) {
    const GLuint list = glGenLists(1);
    if (list == 0)
        return 0;
    glNewList(list, GL_COMPILE);
    draw();
    glEndList();
    return list;
}
