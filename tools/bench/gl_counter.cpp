// The GL call counter: one stand-in per GL entry point the scenes, and GLU for them, call while
// drawing a frame (glCallList for what is compiled at loading), counting the calls and, when
// asked, swallowing them, so that a frame's own work is timed against a driver that does
// nothing. Calls made inside GLU (gluLookAt) arrive one by one, so the count is what the
// driver sees. Queries, texture uploads and start-up state always reach the driver.
#include "tools/bench/bench.h"

#include <GL/gl.h>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>

namespace {
uint64_t g_calls = 0;
bool g_swallow = false;

// The driver behind this library when it is preloaded; the GL library the process already
// has when it is opened with dlopen (the tests).
void* Driver(const char* name) {
    static void* const handle =
        dlsym(RTLD_NEXT, "glBegin") ? RTLD_NEXT : dlopen("libGL.so.1", RTLD_NOW | RTLD_NOLOAD);
    void* function = handle ? dlsym(handle, name) : nullptr;
    if (!function) {
        std::fprintf(stderr, "gl counter: the driver has no %s\n", name);
        std::abort();
    }
    return function;
}
} // namespace

// (name, parameters, arguments)
#define GL_COUNTED_CALLS(X)                                                                        \
    X(glBegin, (GLenum a), (a))                                                                    \
    X(glEnd, (), ())                                                                               \
    X(glBindTexture, (GLenum a, GLuint b), (a, b))                                                 \
    X(glBlendFunc, (GLenum a, GLenum b), (a, b))                                                   \
    X(glCallList, (GLuint a), (a))                                                                 \
    X(glCallLists, (GLsizei a, GLenum b, const GLvoid* c), (a, b, c))                              \
    X(glClear, (GLbitfield a), (a))                                                                \
    X(glClearColor, (GLclampf a, GLclampf b, GLclampf c, GLclampf d), (a, b, c, d))                \
    X(glColor3f, (GLfloat a, GLfloat b, GLfloat c), (a, b, c))                                     \
    X(glColor4f, (GLfloat a, GLfloat b, GLfloat c, GLfloat d), (a, b, c, d))                       \
    X(glColorPointer, (GLint a, GLenum b, GLsizei c, const GLvoid* d), (a, b, c, d))               \
    X(glDepthMask, (GLboolean a), (a))                                                             \
    X(glDisable, (GLenum a), (a))                                                                  \
    X(glDisableClientState, (GLenum a), (a))                                                       \
    X(glDrawArrays, (GLenum a, GLint b, GLsizei c), (a, b, c))                                     \
    X(glDrawElements, (GLenum a, GLsizei b, GLenum c, const GLvoid* d), (a, b, c, d))              \
    X(glEnable, (GLenum a), (a))                                                                   \
    X(glEnableClientState, (GLenum a), (a))                                                        \
    X(glLightf, (GLenum a, GLenum b, GLfloat c), (a, b, c))                                        \
    X(glLightfv, (GLenum a, GLenum b, const GLfloat* c), (a, b, c))                                \
    X(glLightModelfv, (GLenum a, const GLfloat* b), (a, b))                                        \
    X(glLoadIdentity, (), ())                                                                      \
    X(glMatrixMode, (GLenum a), (a))                                                               \
    X(glMultMatrixf, (const GLfloat* a), (a))                                                      \
    X(glNormal3f, (GLfloat a, GLfloat b, GLfloat c), (a, b, c))                                    \
    X(glNormal3fv, (const GLfloat* a), (a))                                                        \
    X(glNormalPointer, (GLenum a, GLsizei b, const GLvoid* c), (a, b, c))                          \
    X(glOrtho, (GLdouble a, GLdouble b, GLdouble c, GLdouble d, GLdouble e, GLdouble f),           \
      (a, b, c, d, e, f))                                                                          \
    X(glPopMatrix, (), ())                                                                         \
    X(glPushMatrix, (), ())                                                                        \
    X(glRotatef, (GLfloat a, GLfloat b, GLfloat c, GLfloat d), (a, b, c, d))                       \
    X(glScalef, (GLfloat a, GLfloat b, GLfloat c), (a, b, c))                                      \
    X(glTexCoord2f, (GLfloat a, GLfloat b), (a, b))                                                \
    X(glTexCoordPointer, (GLint a, GLenum b, GLsizei c, const GLvoid* d), (a, b, c, d))            \
    X(glTexGeni, (GLenum a, GLenum b, GLint c), (a, b, c))                                         \
    X(glTranslated, (GLdouble a, GLdouble b, GLdouble c), (a, b, c))                               \
    X(glTranslatef, (GLfloat a, GLfloat b, GLfloat c), (a, b, c))                                  \
    X(glVertex2i, (GLint a, GLint b), (a, b))                                                      \
    X(glVertex3f, (GLfloat a, GLfloat b, GLfloat c), (a, b, c))                                    \
    X(glVertexPointer, (GLint a, GLenum b, GLsizei c, const GLvoid* d), (a, b, c, d))

#define GL_STAND_IN(name, parameters, arguments)                                                   \
    extern "C" __attribute__((visibility("default"))) void name parameters {                       \
        static const auto real = reinterpret_cast<decltype(&::name)>(Driver(#name));               \
        ++g_calls;                                                                                 \
        if (!g_swallow)                                                                            \
            real arguments;                                                                        \
    }
GL_COUNTED_CALLS(GL_STAND_IN)

extern "C" __attribute__((visibility("default"))) uint64_t GlCounterTake() {
    const uint64_t calls = g_calls;
    g_calls = 0;
    return calls;
}
extern "C" __attribute__((visibility("default"))) void GlCounterSwallow(int swallow) {
    g_swallow = swallow != 0;
}
