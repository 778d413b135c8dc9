// The native window, its OpenGL context, its events and the message boxes.
//
// Shaped after what the demo's window needs, step by step, so that the caller can report
// each failed step in its own words. Only one window exists. Message boxes block until
// closed; where no box can be shown (no display, or the offscreen and dummy video drivers
// that tests and the capture use) they return at once as if closed, having shown nothing.
#pragma once

// Message boxes -------------------------------------------------------------------------
enum class BoxIcon { None, Error, Question };
void PlatformShowMessage(const char* text, const char* title, BoxIcon icon);
// Yes/No question; false for No, for a closed box, and where no box can be shown.
bool PlatformAskYesNo(const char* text, const char* title);
// True when boxes are shown for real.
bool PlatformCanShowBoxes();
// Sees every box asked for, shown or not (tests check texts and titles with it).
typedef void (*MessageBoxHook)(const char* text, const char* title);
void PlatformSetMessageBoxHook(MessageBoxHook hook);

// Window --------------------------------------------------------------------------------
// Starts the video subsystem, trying three times over half a second (a busy display now and
// then turns a client away). False when it cannot start.
bool PlatformInitVideo();
// True when the display can show width x height at bitsPerPixel in full screen.
bool PlatformHasFullscreenMode(int width, int height, int bitsPerPixel);
// True when the current display mode can be read.
bool PlatformQueryDisplayMode();

struct PixelFormatRequest {
    int colorBits;
    int depthBits;
    int stencilBits;
    int accumBits;
    bool doubleBuffer;
};
// Records the pixel format the next window and context are made with. False when the
// driver refuses the request outright.
bool PlatformSetPixelFormat(const PixelFormatRequest& request);
// Creates the window with a client area of width x height at (0, 0), hidden until shown.
// Where the driver has nothing that meets the pixel format, takes the closest it has, as a
// native pixel-format choice would: accumulation, stencil, colour and depth bits are given
// up in that order, as far as needed.
bool PlatformCreateWindow(const char* title, int width, int height, bool fullscreen);
// Creates the OpenGL context for the window; where the driver refuses one for the window's
// format, remakes the window with the next closest format and tries again.
bool PlatformCreateContext();
bool PlatformMakeCurrent();
void PlatformShowWindow();
// Asks for one display refresh per swap; returns false where the driver refuses.
bool PlatformSetSwapInterval(int interval);
// Client size in pixels (0 x 0 without a window).
void PlatformWindowSize(int* width, int* height);
bool PlatformWindowExists();

// Frames --------------------------------------------------------------------------------
// Flushes and shows the frame just drawn, then tells the clock a frame was presented.
void PlatformPresent();
// Called by PlatformPresent with the finished frame still in the back buffer (capture).
typedef void (*PresentHook)(void* user);
void PlatformSetPresentHook(PresentHook hook, void* user);

// Events --------------------------------------------------------------------------------
enum class WindowMessage { None, Quit, KeyEscape, KeyOther, Close, Other };
// Takes at most one message from the queue without waiting. The quit message is handed
// out only when nothing else is waiting. A window destroyed from outside gives Close once,
// then Quit at every call.
WindowMessage PlatformTakeMessage();
// Posts the quit message (it stays posted until taken).
void PlatformPostQuit();
