// The web page's forms of platform/window_host.h. What a page cannot do, and what we do
// instead:
// - No blocking question box: the page asks "Fullscreen?" with two buttons of its own
//   (tools/web/index.html) while the program waits for the answer (Asyncify). The click, or
//   the key, is the gesture the browser wants before it allows full screen and sound.
// - No switch of the display: the page puts the canvas in full screen at the answer, scaled
//   to the screen with its 4:3 picture kept; the window layer only reads whether it is there.
// - No boxes but alert(): every box is an alert with the box's title and text, and a line on
//   the browser's console.
// - No loop of our own: the page's one thread must go back to the browser for anything to
//   happen, so each shown frame waits for the next animation frame (the program's own loops
//   stay as they are). A hidden page gets no animation frames: the show waits meanwhile.
// - No OpenGL 1.1: gl4es draws it with WebGL, once told the context is there, and finishes
//   each frame's last batch before the swap.
// - `index.html?at=T1,T2,...&fps=N`: the capture's virtual clock at N frames a second (60 by
//   default) instead of the real one, no question and no sound; at each moment the frame on
//   screen then is shown and the run stops, until the page's resume hook goes on to the next.
#include "platform/window_host.h"

#include "platform/clock.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <emscripten.h>
#include <emscripten/html5.h>
#include <gl4esinit.h>
#include <vector>

extern "C" void gl4es_pre_swap();

namespace {
// Virtual ticks per frame, as the capture counts them.
constexpr int64_t kTicksPerFrame = 1000;

struct AtMode {
    bool on = false;
    int fps = 60;
    std::vector<int64_t> frames; // the frame on screen at each moment, in time order
    size_t next = 0;
};
AtMode g_at;
int64_t g_framesShown = 0;

// clang-format off
EM_JS(char*, PageQueryValue, (const char* name), {
    const value = new URLSearchParams(location.search).get(UTF8ToString(name));
    return value === null ? 0 : allocateUTF8(value);
});

EM_ASYNC_JS(int, PageAsk, (const char* text, const char* title), {
    return await Module.rerovuzPage.ask(UTF8ToString(text), UTF8ToString(title)) ? 1 : 0;
});

EM_JS(void, PageShowMessage, (const char* text, const char* title), {
    const t = UTF8ToString(title);
    const m = UTF8ToString(text);
    console.error(t + ': ' + m);
    alert(t + '\n\n' + m);
});

EM_JS(int, PageIsFullscreen, (), {
    return document.fullscreenElement ? 1 : 0;
});

EM_ASYNC_JS(void, PageNextAnimationFrame, (), {
    Module.rerovuzPage.frameShown();
    await new Promise(requestAnimationFrame);
});

// A task of its own, without waiting for the display: the moments are drawn as fast as the
// machine can.
EM_ASYNC_JS(void, PageNextTask, (), {
    Module.rerovuzPage.frameShown();
    await new Promise((resolve) => {
        const channel = new MessageChannel();
        channel.port1.onmessage = resolve;
        channel.port2.postMessage(0);
    });
});

EM_ASYNC_JS(void, PageMomentReached, (int index, int last), {
    await Module.rerovuzPage.momentReached(index, last !== 0);
});

// The page's sound stays silent: the audio context SDL will take is made here and never
// resumed, whatever the user does.
EM_JS(void, PageSilence, (), {
    const context = new AudioContext();
    context.suspend();
    context.resume = () => Promise.resolve();
    Module.SDL2 = Module.SDL2 || {};
    Module.SDL2.audioContext = context;
});
// clang-format on

void CanvasSize(int* width, int* height) {
    emscripten_get_canvas_element_size("#canvas", width, height);
}

// Read before main: the clock must be the virtual one before anything reads it.
struct ReadAtMode {
    ReadAtMode() {
        char* at = PageQueryValue("at");
        if (!at)
            return;
        char* fps = PageQueryValue("fps");
        if (fps && std::atoi(fps) >= 1 && std::atoi(fps) <= 1000)
            g_at.fps = std::atoi(fps);
        for (char* p = at; *p;) {
            char* end = nullptr;
            const double t = std::strtod(p, &end);
            if (end == p || t < 0)
                break;
            // The frame on screen at time t: shown from n/fps up to (n + 1)/fps.
            g_at.frames.push_back(static_cast<int64_t>(std::floor(t * g_at.fps + 1e-9)));
            p = *end == ',' ? end + 1 : end;
        }
        std::free(at);
        std::free(fps);
        g_at.on = !g_at.frames.empty();
        if (!g_at.on)
            return;
        PlatformUseVirtualCounter(g_at.fps * kTicksPerFrame);
        PlatformSetVirtualStepPerFrame(kTicksPerFrame);
        PageSilence();
    }
} g_readAtMode;
} // namespace

bool HostShowMessage(const char* text, const char* title) {
    PageShowMessage(text, title);
    return true;
}

bool HostAskYesNo(const char* text, const char* title, bool& yes) {
    // The moments are the windowed demo's.
    yes = !g_at.on && PageAsk(text, title) != 0;
    return true;
}

bool HostTakesFullscreen(bool& fullscreen) {
    fullscreen = PageIsFullscreen() != 0;
    return true;
}

void HostContextMade() {
    // Its start-up banner would fill the console.
    setenv("LIBGL_NOBANNER", "1", 0);
    set_getmainfbsize(CanvasSize);
    initialize_gl4es();
}

void HostBeforeSwap() {
    // Without it the frame's last immediate-mode batch is still in gl4es when the browser
    // shows the canvas (reading the pixels back would flush it, the page does not).
    gl4es_pre_swap();
}

void HostFrameShown() {
    const int64_t shown = g_framesShown++;
    if (!g_at.on) {
        PageNextAnimationFrame();
        return;
    }
    // Several moments may fall on one frame.
    while (g_at.next < g_at.frames.size() && g_at.frames[g_at.next] == shown) {
        const size_t index = g_at.next++;
        PageMomentReached(static_cast<int>(index), g_at.next == g_at.frames.size());
    }
    PageNextTask();
}
