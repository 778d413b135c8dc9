// Window construction step by step, each failure with its own box, and the pump.
#include "app/demo_window.h"

#include "platform/window.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {
void WindowError(const char* text) { PlatformShowMessage(text, "Window error", BoxIcon::None); }
} // namespace

DemoWindow::DemoWindow(bool wantFullscreen) {
    width = 800;
    height = 600;

    if (!PlatformInitVideo()) {
        PlatformShowMessage("Unable to register window class", "Error", BoxIcon::None);
        return;
    }

    if (wantFullscreen) {
        if (!PlatformQueryDisplayMode()) {
            WindowError("Unable to get displaysettings");
            return;
        }
        if (PlatformHasFullscreenMode(800, 600, 32)) {
            fullscreen = true;
        } else {
            // The original gave up here and left a run with no window that could not be
            // quit; we say so and carry on in a window instead.
            WindowError("Unable to switch to fullscreen");
        }
    }

    // One bit of accumulation buffer, as requested of the original pixel format; the
    // platform drops it where the driver has none.
    PixelFormatRequest format = {32, 16, 8, 1, true};
    PlatformSetPixelFormat(format);
    if (!PlatformCreateWindow(className, width, height, fullscreen)) {
        if (!fullscreen)
            return; // a failed window creation is silent
        // The display accepted the mode but no full-screen window could be made on it.
        WindowError("Unable to switch to fullscreen");
        fullscreen = false;
        if (!PlatformCreateWindow(className, width, height, false))
            return;
    }
    hasWindow = true;

    if (!PlatformCreateContext()) {
        WindowError("Unable to create HRC");
        return;
    }
    hasContext = true;
    if (!PlatformMakeCurrent()) {
        WindowError("Unable to select HRC");
        return;
    }
    contextCurrent = true;

    PlatformShowWindow();
    // The scenes' per-frame effects were made at one frame per display refresh. Where the
    // driver refuses (Xvfb, offscreen), frames simply come as fast as they are drawn.
    PlatformSetSwapInterval(1);

    setViewport();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_NORMALIZE);
    glEnable(GL_CULL_FACE);
    glClearDepth(1.0);
    glDepthFunc(GL_LEQUAL);
}

void DemoWindow::setViewport() {
    width = 800;
    height = 600;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(width) / height, 0.01, 1000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

bool DemoWindow::pump() {
    WindowMessage message = PlatformTakeMessage();
    if (message == WindowMessage::Quit)
        return false;
    PlatformPresent();
    // Escape and closing only ask to quit: the window itself is never destroyed. Other keys,
    // resizing and the rest change nothing.
    if (message == WindowMessage::KeyEscape || message == WindowMessage::Close)
        PlatformPostQuit();
    return true;
}
