// The preloaded GL call recorder: one stand-in per GL entry point the demo or GLU calls while
// drawing, a compact stream of recorded calls, and its replay through the driver's own entry
// points. Calls made inside GLU (gluSphere, gluLookAt, gluOrtho2D) arrive here one by one,
// so the stream is what the driver sees, not what the program asked GLU for.
#include "tools/bench/gl_recorder.h"

#include <GL/gl.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <tuple>

namespace {

int g_mode = GLREC_PASS;
uint64_t g_callNum = 0;
uint64_t g_unrecordedNum = 0;

// The stream: 32-bit words, an opcode then the arguments, one word each (two for doubles
// and pointers). A sphere-field frame is about 320,000 calls, 5 MB.
uint32_t* g_words = nullptr;
size_t g_length = 0;
size_t g_capacity = 0;

void Reserve(size_t more) {
    if (g_length + more <= g_capacity)
        return;
    size_t capacity = g_capacity ? g_capacity : 1 << 20;
    while (capacity < g_length + more)
        capacity *= 2;
    uint32_t* words = static_cast<uint32_t*>(std::realloc(g_words, capacity * sizeof(uint32_t)));
    if (!words) {
        std::fprintf(stderr, "gl recorder: out of memory for the call stream\n");
        std::abort();
    }
    g_words = words;
    g_capacity = capacity;
}

template <class T> constexpr size_t WordsOf() {
    return sizeof(T) <= 4 ? 1 : 2;
}

template <class T> void Put(uint32_t*& at, T value) {
    static_assert(sizeof(T) <= 8, "one or two words per argument");
    uint64_t word = 0;
    std::memcpy(&word, &value, sizeof(T));
    std::memcpy(at, &word, WordsOf<T>() * 4);
    at += WordsOf<T>();
}

template <class T> T Take(const uint32_t*& at) {
    uint64_t word = 0;
    std::memcpy(&word, at, WordsOf<T>() * 4);
    at += WordsOf<T>();
    T value;
    std::memcpy(&value, &word, sizeof(T));
    return value;
}

template <class... A> void Append(uint32_t op, A... args) {
    Reserve(1 + (WordsOf<A>() + ... + 0));
    uint32_t* at = g_words + g_length;
    *at++ = op;
    (Put(at, args), ...);
    g_length = static_cast<size_t>(at - g_words);
}

template <class T> void AppendArray(uint32_t op, const T* values, int count) {
    Reserve(2 + count * WordsOf<T>());
    uint32_t* at = g_words + g_length;
    *at++ = op;
    *at++ = static_cast<uint32_t>(count);
    for (int i = 0; i < count; ++i)
        Put(at, values[i]);
    g_length = static_cast<size_t>(at - g_words);
}

// Replays one call of a function taking its arguments by value.
template <class... A> const uint32_t* Call(void (*function)(A...), const uint32_t* at) {
    // Braced initialisation reads the arguments left to right.
    std::tuple<A...> args{Take<A>(at)...};
    std::apply(function, args);
    return at;
}

// Where the driver's entry points are looked up: behind this library when it is preloaded,
// or in the GL library the process already has when it is opened with dlopen (the tests).
void* g_driver = RTLD_NEXT;

void* Real(const char* name) {
    void* function = dlsym(g_driver, name);
    if (!function) {
        std::fprintf(stderr, "gl recorder: the driver has no %s\n", name);
        std::abort();
    }
    return function;
}

bool Recording() {
    return g_mode == GLREC_RECORD || g_mode == GLREC_RECORD_EXECUTE;
}
bool Executing() {
    return g_mode == GLREC_PASS || g_mode == GLREC_RECORD_EXECUTE;
}

// Entry points whose arguments are all values: (name, parameters, arguments).
#define GLREC_VALUE_CALLS(X)                                                                       \
    X(glBegin, (GLenum a), (a))                                                                    \
    X(glEnd, (), ())                                                                               \
    X(glBindTexture, (GLenum a, GLuint b), (a, b))                                                 \
    X(glBlendFunc, (GLenum a, GLenum b), (a, b))                                                   \
    X(glClear, (GLbitfield a), (a))                                                                \
    X(glClearColor, (GLclampf a, GLclampf b, GLclampf c, GLclampf d), (a, b, c, d))                \
    X(glClearDepth, (GLclampd a), (a))                                                             \
    X(glColor3f, (GLfloat a, GLfloat b, GLfloat c), (a, b, c))                                     \
    X(glColor4f, (GLfloat a, GLfloat b, GLfloat c, GLfloat d), (a, b, c, d))                       \
    X(glColorMaterial, (GLenum a, GLenum b), (a, b))                                               \
    X(glColorPointer, (GLint a, GLenum b, GLsizei c, const GLvoid* d), (a, b, c, d))               \
    X(glDepthFunc, (GLenum a), (a))                                                                \
    X(glDepthMask, (GLboolean a), (a))                                                             \
    X(glDisable, (GLenum a), (a))                                                                  \
    X(glEnable, (GLenum a), (a))                                                                   \
    X(glDisableClientState, (GLenum a), (a))                                                       \
    X(glEnableClientState, (GLenum a), (a))                                                        \
    X(glDrawArrays, (GLenum a, GLint b, GLsizei c), (a, b, c))                                     \
    X(glDrawElements, (GLenum a, GLsizei b, GLenum c, const GLvoid* d), (a, b, c, d))              \
    X(glFlush, (), ())                                                                             \
    X(glFrontFace, (GLenum a), (a))                                                                \
    X(glHint, (GLenum a, GLenum b), (a, b))                                                        \
    X(glLightf, (GLenum a, GLenum b, GLfloat c), (a, b, c))                                        \
    X(glLightModelf, (GLenum a, GLfloat b), (a, b))                                                \
    X(glLightModeli, (GLenum a, GLint b), (a, b))                                                  \
    X(glLoadIdentity, (), ())                                                                      \
    X(glMatrixMode, (GLenum a), (a))                                                               \
    X(glNormal3f, (GLfloat a, GLfloat b, GLfloat c), (a, b, c))                                    \
    X(glNormalPointer, (GLenum a, GLsizei b, const GLvoid* c), (a, b, c))                          \
    X(glOrtho, (GLdouble a, GLdouble b, GLdouble c, GLdouble d, GLdouble e, GLdouble f),           \
      (a, b, c, d, e, f))                                                                          \
    X(glPixelStorei, (GLenum a, GLint b), (a, b))                                                  \
    X(glPolygonMode, (GLenum a, GLenum b), (a, b))                                                 \
    X(glPopAttrib, (), ())                                                                         \
    X(glPushAttrib, (GLbitfield a), (a))                                                           \
    X(glPopMatrix, (), ())                                                                         \
    X(glPushMatrix, (), ())                                                                        \
    X(glRotatef, (GLfloat a, GLfloat b, GLfloat c, GLfloat d), (a, b, c, d))                       \
    X(glScalef, (GLfloat a, GLfloat b, GLfloat c), (a, b, c))                                      \
    X(glShadeModel, (GLenum a), (a))                                                               \
    X(glTexCoord2f, (GLfloat a, GLfloat b), (a, b))                                                \
    X(glTexCoordPointer, (GLint a, GLenum b, GLsizei c, const GLvoid* d), (a, b, c, d))            \
    X(glTexEnvi, (GLenum a, GLenum b, GLint c), (a, b, c))                                         \
    X(glTexGeni, (GLenum a, GLenum b, GLint c), (a, b, c))                                         \
    X(glTexParameteri, (GLenum a, GLenum b, GLint c), (a, b, c))                                   \
    X(glTranslated, (GLdouble a, GLdouble b, GLdouble c), (a, b, c))                               \
    X(glTranslatef, (GLfloat a, GLfloat b, GLfloat c), (a, b, c))                                  \
    X(glVertex2f, (GLfloat a, GLfloat b), (a, b))                                                  \
    X(glVertex2i, (GLint a, GLint b), (a, b))                                                      \
    X(glVertex3f, (GLfloat a, GLfloat b, GLfloat c), (a, b, c))                                    \
    X(glVertexPointer, (GLint a, GLenum b, GLsizei c, const GLvoid* d), (a, b, c, d))              \
    X(glViewport, (GLint a, GLint b, GLsizei c, GLsizei d), (a, b, c, d))

// Entry points taking one array of a fixed length: (name, element type, length).
#define GLREC_VECTOR_CALLS(X)                                                                      \
    X(glColor3fv, GLfloat, 3)                                                                      \
    X(glColor4fv, GLfloat, 4)                                                                      \
    X(glNormal3fv, GLfloat, 3)                                                                     \
    X(glTexCoord2fv, GLfloat, 2)                                                                   \
    X(glVertex2fv, GLfloat, 2)                                                                     \
    X(glVertex3fv, GLfloat, 3)                                                                     \
    X(glLoadMatrixd, GLdouble, 16)                                                                 \
    X(glLoadMatrixf, GLfloat, 16)                                                                  \
    X(glMultMatrixd, GLdouble, 16)                                                                 \
    X(glMultMatrixf, GLfloat, 16)

enum Op : uint32_t {
#define GLREC_OP(name, ...) OP_##name,
    GLREC_VALUE_CALLS(GLREC_OP) GLREC_VECTOR_CALLS(GLREC_OP)
#undef GLREC_OP
        OP_glLightfv,
    OP_glLightModelfv,
    OP_glMaterialfv,
    OP_NUM
};

// The driver's entry points.
#define GLREC_REAL(name, ...) decltype(&::name) real_##name = nullptr;
GLREC_VALUE_CALLS(GLREC_REAL)
GLREC_VECTOR_CALLS(GLREC_REAL)
GLREC_REAL(glLightfv)
GLREC_REAL(glLightModelfv)
GLREC_REAL(glMaterialfv)
GLREC_REAL(glGenTextures)
GLREC_REAL(glDeleteTextures)
GLREC_REAL(glTexImage2D)
GLREC_REAL(glTexSubImage2D)
GLREC_REAL(glReadPixels)
GLREC_REAL(glFinish)
#undef GLREC_REAL

// What a replay calls: the driver, or functions that do nothing, to time the replay alone.
struct Targets {
#define GLREC_TARGET(name, ...) decltype(&::name) name;
    GLREC_VALUE_CALLS(GLREC_TARGET)
    GLREC_VECTOR_CALLS(GLREC_TARGET)
    GLREC_TARGET(glLightfv)
    GLREC_TARGET(glLightModelfv)
    GLREC_TARGET(glMaterialfv)
#undef GLREC_TARGET
};
Targets g_driverTargets;
Targets g_idleTargets;
const Targets* g_targets = &g_driverTargets;

template <class F> struct Idle;
template <class... A> struct Idle<void (*)(A...)> {
    static void call(A...) {}
};

// Values a parameter-array call passes for `pname` (colours and positions 4, a direction 3).
int ParameterNum(GLenum pname) {
    switch (pname) {
    case GL_AMBIENT:
    case GL_DIFFUSE:
    case GL_SPECULAR:
    case GL_EMISSION:
    case GL_POSITION:
    case GL_AMBIENT_AND_DIFFUSE:
    case GL_LIGHT_MODEL_AMBIENT:
        return 4;
    case GL_SPOT_DIRECTION:
    case GL_COLOR_INDEXES:
        return 3;
    default:
        return 1;
    }
}

typedef const uint32_t* (*Handler)(const uint32_t*);
Handler g_handlers[OP_NUM];

const uint32_t* ReplayParameters(void (*function)(GLenum, GLenum, const GLfloat*),
                                 const uint32_t* at) {
    const GLenum a = Take<GLenum>(at);
    const GLenum b = Take<GLenum>(at);
    const uint32_t count = *at++;
    GLfloat values[4] = {};
    for (uint32_t i = 0; i < count && i < 4; ++i)
        values[i] = Take<GLfloat>(at);
    function(a, b, values);
    return at;
}

__attribute__((constructor)) void Initialise() {
    if (!dlsym(RTLD_NEXT, "glBegin"))
        g_driver = dlopen("libGL.so.1", RTLD_NOW | RTLD_NOLOAD);
    // Inert in a process without GL (a shell or tool that inherited the preload).
    if (!g_driver || !dlsym(g_driver, "glBegin"))
        return;
#define GLREC_RESOLVE(name, ...) real_##name = reinterpret_cast<decltype(&::name)>(Real(#name));
    GLREC_VALUE_CALLS(GLREC_RESOLVE)
    GLREC_VECTOR_CALLS(GLREC_RESOLVE)
    GLREC_RESOLVE(glLightfv)
    GLREC_RESOLVE(glLightModelfv)
    GLREC_RESOLVE(glMaterialfv)
    GLREC_RESOLVE(glGenTextures)
    GLREC_RESOLVE(glDeleteTextures)
    GLREC_RESOLVE(glTexImage2D)
    GLREC_RESOLVE(glTexSubImage2D)
    GLREC_RESOLVE(glReadPixels)
    GLREC_RESOLVE(glFinish)
#undef GLREC_RESOLVE

#define GLREC_FILL_TARGETS(name, ...)                                                              \
    g_driverTargets.name = real_##name;                                                            \
    g_idleTargets.name = &Idle<decltype(&::name)>::call;
    GLREC_VALUE_CALLS(GLREC_FILL_TARGETS)
    GLREC_VECTOR_CALLS(GLREC_FILL_TARGETS)
    GLREC_FILL_TARGETS(glLightfv)
    GLREC_FILL_TARGETS(glLightModelfv)
    GLREC_FILL_TARGETS(glMaterialfv)
#undef GLREC_FILL_TARGETS

#define GLREC_VALUE_HANDLER(name, ...)                                                             \
    g_handlers[OP_##name] = [](const uint32_t* at) { return Call(g_targets->name, at); };
    GLREC_VALUE_CALLS(GLREC_VALUE_HANDLER)
#undef GLREC_VALUE_HANDLER
#define GLREC_VECTOR_HANDLER(name, type, length)                                                   \
    g_handlers[OP_##name] = [](const uint32_t* at) {                                               \
        ++at; /* the recorded length is always `length` */                                         \
        type values[length];                                                                       \
        for (int i = 0; i < length; ++i)                                                           \
            values[i] = Take<type>(at);                                                            \
        g_targets->name(values);                                                                   \
        return at;                                                                                 \
    };
    GLREC_VECTOR_CALLS(GLREC_VECTOR_HANDLER)
#undef GLREC_VECTOR_HANDLER
    g_handlers[OP_glLightfv] = [](const uint32_t* at) {
        return ReplayParameters(g_targets->glLightfv, at);
    };
    g_handlers[OP_glMaterialfv] = [](const uint32_t* at) {
        return ReplayParameters(g_targets->glMaterialfv, at);
    };
    g_handlers[OP_glLightModelfv] = [](const uint32_t* at) {
        const GLenum pname = Take<GLenum>(at);
        const uint32_t count = *at++;
        GLfloat values[4] = {};
        for (uint32_t i = 0; i < count && i < 4; ++i)
            values[i] = Take<GLfloat>(at);
        g_targets->glLightModelfv(pname, values);
        return at;
    };
}

// A call that must reach the driver now: recorded frames cannot replay it.
void Unrecorded() {
    if (g_mode != GLREC_PASS) {
        ++g_callNum;
        ++g_unrecordedNum;
    }
}

} // namespace

// The stand-ins. In GLREC_PASS they only forward, so loading runs as usual.
#define GLREC_VALUE_STANDIN(name, params, args)                                                    \
    extern "C" void name params {                                                                  \
        if (g_mode == GLREC_PASS) {                                                                \
            real_##name args;                                                                      \
            return;                                                                                \
        }                                                                                          \
        ++g_callNum;                                                                               \
        if (g_mode == GLREC_DISCARD)                                                               \
            return;                                                                                \
        Append(OP_##name GLREC_COMMA_ARGS args);                                                   \
        if (g_mode == GLREC_RECORD_EXECUTE)                                                        \
            real_##name args;                                                                      \
    }
#define GLREC_COMMA_ARGS(...) __VA_OPT__(, ) __VA_ARGS__
GLREC_VALUE_CALLS(GLREC_VALUE_STANDIN)
#undef GLREC_VALUE_STANDIN

#define GLREC_VECTOR_STANDIN(name, type, length)                                                   \
    extern "C" void name(const type* values) {                                                     \
        if (g_mode != GLREC_PASS)                                                                  \
            ++g_callNum;                                                                           \
        if (Recording())                                                                           \
            AppendArray(OP_##name, values, length);                                                \
        if (Executing())                                                                           \
            real_##name(values);                                                                   \
    }
GLREC_VECTOR_CALLS(GLREC_VECTOR_STANDIN)
#undef GLREC_VECTOR_STANDIN

extern "C" void glLightfv(GLenum light, GLenum pname, const GLfloat* values) {
    if (g_mode != GLREC_PASS)
        ++g_callNum;
    if (Recording()) {
        const int count = ParameterNum(pname);
        Reserve(4 + count);
        uint32_t* at = g_words + g_length;
        *at++ = OP_glLightfv;
        Put(at, light);
        Put(at, pname);
        *at++ = static_cast<uint32_t>(count);
        for (int i = 0; i < count; ++i)
            Put(at, values[i]);
        g_length = static_cast<size_t>(at - g_words);
    }
    if (Executing())
        real_glLightfv(light, pname, values);
}

extern "C" void glMaterialfv(GLenum face, GLenum pname, const GLfloat* values) {
    if (g_mode != GLREC_PASS)
        ++g_callNum;
    if (Recording()) {
        const int count = ParameterNum(pname);
        Reserve(4 + count);
        uint32_t* at = g_words + g_length;
        *at++ = OP_glMaterialfv;
        Put(at, face);
        Put(at, pname);
        *at++ = static_cast<uint32_t>(count);
        for (int i = 0; i < count; ++i)
            Put(at, values[i]);
        g_length = static_cast<size_t>(at - g_words);
    }
    if (Executing())
        real_glMaterialfv(face, pname, values);
}

extern "C" void glLightModelfv(GLenum pname, const GLfloat* values) {
    if (g_mode != GLREC_PASS)
        ++g_callNum;
    if (Recording()) {
        const int count = ParameterNum(pname);
        Reserve(3 + count);
        uint32_t* at = g_words + g_length;
        *at++ = OP_glLightModelfv;
        Put(at, pname);
        *at++ = static_cast<uint32_t>(count);
        for (int i = 0; i < count; ++i)
            Put(at, values[i]);
        g_length = static_cast<size_t>(at - g_words);
    }
    if (Executing())
        real_glLightModelfv(pname, values);
}

extern "C" void glGenTextures(GLsizei n, GLuint* names) {
    Unrecorded();
    real_glGenTextures(n, names);
}

extern "C" void glDeleteTextures(GLsizei n, const GLuint* names) {
    Unrecorded();
    real_glDeleteTextures(n, names);
}

extern "C" void glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width,
                             GLsizei height, GLint border, GLenum format, GLenum type,
                             const GLvoid* pixels) {
    Unrecorded();
    real_glTexImage2D(target, level, internalFormat, width, height, border, format, type, pixels);
}

extern "C" void glTexSubImage2D(GLenum target, GLint level, GLint x, GLint y, GLsizei width,
                                GLsizei height, GLenum format, GLenum type, const GLvoid* pixels) {
    Unrecorded();
    real_glTexSubImage2D(target, level, x, y, width, height, format, type, pixels);
}

extern "C" void glReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format,
                             GLenum type, GLvoid* pixels) {
    Unrecorded();
    real_glReadPixels(x, y, width, height, format, type, pixels);
}

extern "C" void glFinish() {
    Unrecorded();
    real_glFinish();
}

// The control functions the benchmark looks up.
extern "C" __attribute__((visibility("default"))) void GlrecSetMode(int mode) {
    g_mode = mode;
}

extern "C" __attribute__((visibility("default"))) uint64_t GlrecCallNum() {
    return g_callNum;
}

extern "C" __attribute__((visibility("default"))) uint64_t GlrecUnrecordedNum() {
    return g_unrecordedNum;
}

extern "C" __attribute__((visibility("default"))) size_t GlrecStreamBytes() {
    return g_length * sizeof(uint32_t);
}

extern "C" __attribute__((visibility("default"))) void GlrecReset() {
    g_length = 0;
    g_callNum = 0;
    g_unrecordedNum = 0;
}

namespace {
void Replay(const Targets& targets) {
    g_targets = &targets;
    const uint32_t* at = g_words;
    const uint32_t* end = g_words + g_length;
    while (at < end) {
        const uint32_t op = *at++;
        at = g_handlers[op](at);
    }
    g_targets = &g_driverTargets;
}
} // namespace

extern "C" __attribute__((visibility("default"))) void GlrecReplay() {
    Replay(g_driverTargets);
}

extern "C" __attribute__((visibility("default"))) void GlrecReplayIdle() {
    Replay(g_idleTargets);
}
