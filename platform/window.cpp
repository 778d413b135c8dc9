// Window, context, events and message boxes over SDL2.
#include "platform/window.h"

#include "platform/clock.h"
#include "platform/system.h"
#include "platform/window_host.h"

#include <GL/gl.h>
#include <SDL2/SDL.h>
#include <csignal>
#include <cstdlib>
#include <cstring>

#if defined(REROVUZ_X11)
#include <SDL2/SDL_syswm.h>
#include <X11/Xlib.h>
#undef None // Xlib's, which would take the place of WindowMessage::None
#endif

namespace {
SDL_Window* g_sdlWindow = nullptr;
SDL_GLContext g_context = nullptr;
bool g_quitPosted = false;
PresentHook g_presentHook = nullptr;
void* g_presentHookUser = nullptr;
MessageBoxHook g_boxHook = nullptr;
bool g_headless = false; // the offscreen or dummy video driver
// Set when the window went away without our asking (destroyed from outside): the run then
// ends as it does for the close button.
volatile bool g_windowGone = false;

// Parameters of the last window, so that a context retry can make it anew.
const char* g_title = "";
int g_width = 0;
int g_height = 0;
bool g_fullscreen = false;
PixelFormatRequest g_format = {};

// Ctrl+C and SIGTERM: stays set, so that a request during loading, whose pumps ignore the
// quit message, still ends the run at the first frame after it.
volatile std::sig_atomic_t g_interrupted = 0;
void OnInterrupt() {
    g_interrupted = 1;
}

bool HeadlessDriver(const char* name) {
    return name && (std::strcmp(name, "offscreen") == 0 || std::strcmp(name, "dummy") == 0);
}

void InstallSignalHandlers() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    // Our own handlers rather than SDL's, which only queue an event once video is running.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SystemCatchInterrupts(OnInterrupt);
}

void ApplyPixelFormat(const PixelFormatRequest& f) {
    int channel = f.colorBits >= 24 ? 8 : f.colorBits / 3;
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, channel);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, channel);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, channel);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, f.depthBits);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, f.stencilBits);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_RED_SIZE, f.accumBits);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_GREEN_SIZE, f.accumBits);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_BLUE_SIZE, f.accumBits);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, f.doubleBuffer ? 1 : 0);
}

// The formats tried, nearest to the request first: what the driver lacks is given up in
// the order the pictures miss it least (accumulation, stencil, colour depth, depth buffer),
// as a native pixel-format choice takes the closest format the driver has.
constexpr int kFormatSteps = 6;
PixelFormatRequest FormatStep(PixelFormatRequest f, int step) {
    if (step >= 1)
        f.accumBits = 0;
    if (step >= 2)
        f.stencilBits = 0;
    if (step >= 3 && f.colorBits > 16)
        f.colorBits = 16;
    if (step >= 4)
        f.depthBits = 0;
    if (step >= 5)
        f.colorBits = 0; // any visual with OpenGL at all
    return f;
}
int g_formatStep = 0;

// A test on a real X server asks for more accumulation bits than any visual has, to reach
// the fallback.
void ApplyTestOverrides(PixelFormatRequest* f) {
    if (const char* bits = std::getenv("REROVUZ_TEST_ACCUM_BITS"))
        f->accumBits = std::atoi(bits);
}
// A test plays the demo as a slow machine would, each frame taking this much longer.
const int g_testFrameDelayMs = [] {
    const char* ms = std::getenv("REROVUZ_TEST_FRAME_DELAY_MS");
    return ms ? std::atoi(ms) : 0;
}();

#if defined(REROVUZ_X11)
// X11: a window destroyed by another client (xdotool windowclose, a crashed window manager)
// leaves SDL, the input extension and the GL driver making requests on it. Xlib's default
// answer to the first error that comes back is to end the process with status 1; the run
// should end as the close button ends it instead. Errors on anything else still go to the
// handler before ours.
Window g_xWindow = 0;
XErrorHandler g_previousXErrorHandler = nullptr;

int OnXError(Display* display, XErrorEvent* error) {
    if (g_xWindow != 0 && error->resourceid == g_xWindow)
        g_windowGone = true;
    if (g_windowGone)
        return 0;
    return g_previousXErrorHandler ? g_previousXErrorHandler(display, error) : 0;
}

// Sees the X events SDL passes on as system events: the destruction of our window, seen
// before any request fails on it. The events are taken out of the queue here, so that the
// demo's one-message-a-frame pump does not wade through them.
int FilterSystemEvents(void*, SDL_Event* event) {
    if (event->type != SDL_SYSWMEVENT)
        return 1;
    const SDL_SysWMmsg* msg = event->syswm.msg;
    if (msg && msg->subsystem == SDL_SYSWM_X11 && msg->msg.x11.event.type == DestroyNotify &&
        g_xWindow != 0 && msg->msg.x11.event.xdestroywindow.window == g_xWindow)
        g_windowGone = true;
    return 0;
}

void WatchX11Window(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return;
    g_xWindow = info.info.x11.window;
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    // After SDL's own handler, which video start-up installs, so that ours comes first.
    g_previousXErrorHandler = XSetErrorHandler(OnXError);
    SDL_SetEventFilter(FilterSystemEvents, nullptr);
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}
#else
void WatchX11Window(SDL_Window*) {}
#endif

SDL_Window* MakeWindow() {
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
    bool hostFullscreen = false;
    const bool sdlFullscreen = g_fullscreen && !HostTakesFullscreen(hostFullscreen);
    if (sdlFullscreen)
        flags |= SDL_WINDOW_FULLSCREEN;
    SDL_Window* window = SDL_CreateWindow(g_title, 0, 0, g_width, g_height, flags);
    if (window && sdlFullscreen) {
        SDL_DisplayMode mode = {SDL_PIXELFORMAT_RGB888, g_width, g_height, 0, nullptr};
        SDL_SetWindowDisplayMode(window, &mode);
    }
    WatchX11Window(window);
    return window;
}
} // namespace

bool PlatformCanShowBoxes() {
    const char* driver =
        SDL_WasInit(SDL_INIT_VIDEO) ? SDL_GetCurrentVideoDriver() : std::getenv("SDL_VIDEODRIVER");
    if (HeadlessDriver(driver))
        return false;
    return SystemHasDesktop();
}

void PlatformSetMessageBoxHook(MessageBoxHook hook) {
    g_boxHook = hook;
}

void PlatformShowMessage(const char* text, const char* title, BoxIcon icon) {
    if (g_boxHook)
        g_boxHook(text ? text : "", title);
    if (!PlatformCanShowBoxes() || HostShowMessage(text ? text : "", title))
        return;
    Uint32 flags = icon == BoxIcon::Error ? SDL_MESSAGEBOX_ERROR : 0;
    if (SDL_ShowSimpleMessageBox(flags, title, text ? text : "", nullptr) != 0)
        SDL_Log("SDL message box \"%s\": %s", title, SDL_GetError());
}

bool PlatformAskYesNo(const char* text, const char* title) {
    if (g_boxHook)
        g_boxHook(text, title);
    if (!PlatformCanShowBoxes())
        return false;
    bool yes = false;
    if (HostAskYesNo(text, title, yes))
        return yes;
    const SDL_MessageBoxButtonData buttons[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "Yes"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "No"},
    };
    SDL_MessageBoxData box = {
        SDL_MESSAGEBOX_INFORMATION, nullptr, title, text, 2, buttons, nullptr};
    int answer = 0;
    if (SDL_ShowMessageBox(&box, &answer) != 0) {
        SDL_Log("SDL message box \"%s\": %s; taken as No", title, SDL_GetError());
        return false;
    }
    return answer == 1;
}

bool PlatformInitVideo() {
    InstallSignalHandlers();
    // A display under load now and then turns a client away ("x11 not available"); a moment
    // later it takes it. A driver that cannot start at all costs the user half a second.
    for (int attempt = 1; SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0; ++attempt) {
        SDL_Log("SDL video: %s", SDL_GetError());
        if (attempt == 3)
            return false;
        SDL_Delay(250);
    }
    g_headless = HeadlessDriver(SDL_GetCurrentVideoDriver());
    return true;
}

bool PlatformQueryDisplayMode() {
    SDL_DisplayMode mode;
    return SDL_GetCurrentDisplayMode(0, &mode) == 0;
}

bool PlatformHasFullscreenMode(int width, int height, int bitsPerPixel) {
    bool hostFullscreen = false;
    if (HostTakesFullscreen(hostFullscreen))
        return hostFullscreen;
    int count = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(0, i, &mode) != 0)
            continue;
        // SDL counts the padding byte of 32-bit modes as bytes, not bits.
        if (mode.w == width && mode.h == height &&
            static_cast<int>(SDL_BYTESPERPIXEL(mode.format)) * 8 == bitsPerPixel)
            return true;
    }
    return false;
}

bool PlatformSetPixelFormat(const PixelFormatRequest& request) {
    g_format = request;
    ApplyTestOverrides(&g_format);
    g_formatStep = 0;
    ApplyPixelFormat(g_format);
    return true;
}

namespace {
void LogNearestFormat() {
    PixelFormatRequest f = FormatStep(g_format, g_formatStep);
    SDL_Log("Pixel format: nearest the driver has: colour %d, depth %d, stencil %d, "
            "accumulation %d bits",
            f.colorBits, f.depthBits, f.stencilBits, f.accumBits);
}

// Makes the window with the format of g_formatStep or, where the driver has no such visual
// (on X11 the visual is chosen with the window), with the nearest one after it.
SDL_Window* MakeWindowWithNearestFormat() {
    for (; g_formatStep < kFormatSteps; ++g_formatStep) {
        ApplyPixelFormat(FormatStep(g_format, g_formatStep));
        if (SDL_Window* window = MakeWindow()) {
            if (g_formatStep > 0)
                LogNearestFormat();
            return window;
        }
    }
    return nullptr;
}

// Some drivers make the context without the accumulation buffer asked for and say so only
// when asked (WebGL has none at all): that is the format without it, as if it had been the
// one chosen.
void CheckAccumulationBits() {
    int bits = 0;
    if (g_formatStep == 0 && g_format.accumBits > 0 &&
        SDL_GL_GetAttribute(SDL_GL_ACCUM_RED_SIZE, &bits) == 0 && bits == 0) {
        g_formatStep = 1;
        LogNearestFormat();
    }
}
} // namespace

bool PlatformCreateWindow(const char* title, int width, int height, bool fullscreen) {
    g_title = title;
    g_width = width;
    g_height = height;
    g_fullscreen = fullscreen;
    g_sdlWindow = MakeWindowWithNearestFormat();
    if (!g_sdlWindow)
        SDL_Log("SDL window: %s", SDL_GetError());
    if (g_sdlWindow && fullscreen)
        SDL_ShowCursor(SDL_DISABLE);
    return g_sdlWindow != nullptr;
}

bool PlatformCreateContext() {
    if (!g_sdlWindow)
        return false;
    g_context = SDL_GL_CreateContext(g_sdlWindow);
    // The visual is fixed when the window is made, so each retry with a nearer-to-hand format
    // needs a new window.
    while (!g_context && g_formatStep + 1 < kFormatSteps) {
        ++g_formatStep;
        SDL_DestroyWindow(g_sdlWindow);
        g_sdlWindow = MakeWindowWithNearestFormat();
        if (!g_sdlWindow)
            break;
        g_context = SDL_GL_CreateContext(g_sdlWindow);
    }
    if (!g_context) {
        SDL_Log("SDL GL context: %s", SDL_GetError());
        return false;
    }
    CheckAccumulationBits();
    HostContextMade();
    return true;
}

bool PlatformMakeCurrent() {
    return g_sdlWindow && g_context && SDL_GL_MakeCurrent(g_sdlWindow, g_context) == 0;
}

void PlatformShowWindow() {
    if (!g_sdlWindow)
        return;
    SDL_ShowWindow(g_sdlWindow);
    SDL_RaiseWindow(g_sdlWindow);
}

bool PlatformSetSwapInterval(int interval) {
    return SDL_GL_SetSwapInterval(interval) == 0;
}

void PlatformWindowSize(int* width, int* height) {
    *width = 0;
    *height = 0;
    if (g_sdlWindow)
        SDL_GetWindowSize(g_sdlWindow, width, height);
}

bool PlatformWindowExists() {
    return g_sdlWindow != nullptr;
}

void PlatformSetPresentHook(PresentHook hook, void* user) {
    g_presentHook = hook;
    g_presentHookUser = user;
}

void PlatformPresent() {
    if (g_context)
        glFlush();
    if (g_presentHook)
        g_presentHook(g_presentHookUser);
    if (g_sdlWindow && g_context && !g_windowGone) {
        HostBeforeSwap();
        SDL_GL_SwapWindow(g_sdlWindow);
        // Offscreen nothing paces the frames: llvmpipe would queue them faster than it draws
        // them and keep hundreds of MB of immediate-mode vertex data.
        if (g_headless)
            glFinish();
    }
    if (g_testFrameDelayMs > 0)
        SDL_Delay(static_cast<Uint32>(g_testFrameDelayMs));
    PlatformFramePresented();
    HostFrameShown();
}

WindowMessage PlatformTakeMessage() {
    SDL_Event event;
    if (SDL_WasInit(SDL_INIT_EVENTS) && SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_QUIT:
            return WindowMessage::Close;
        case SDL_WINDOWEVENT:
            return event.window.event == SDL_WINDOWEVENT_CLOSE ? WindowMessage::Close
                                                               : WindowMessage::Other;
        case SDL_KEYDOWN:
            return event.key.keysym.sym == SDLK_ESCAPE ? WindowMessage::KeyEscape
                                                       : WindowMessage::KeyOther;
        default:
            return WindowMessage::Other;
        }
    }
    // A window gone is closed once, then quits at every call like Ctrl+C: loading drops the
    // close, and there is nothing left to show.
    static bool goneReported = false;
    if (g_windowGone && !goneReported) {
        goneReported = true;
        return WindowMessage::Close;
    }
    if (g_interrupted || g_windowGone)
        return WindowMessage::Quit;
    if (g_quitPosted) {
        g_quitPosted = false;
        return WindowMessage::Quit;
    }
    return WindowMessage::None;
}

void PlatformPostQuit() {
    g_quitPosted = true;
}
