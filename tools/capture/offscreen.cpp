// Offscreen start, frame read-back and memory, for the capture and the benchmark.
#include "tools/capture/offscreen.h"

#include "app/demo_window.h"
#include "app/globals.h"
#include "platform/clock.h"
#include "platform/process.h"

#include <GL/gl.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

void StartOffscreen(int64_t ticksPerSecond, int64_t stepPerFrame) {
    PlatformUseOffscreenDrivers();
    PlatformUseVirtualCounter(ticksPerSecond);
    PlatformSetVirtualStepPerFrame(stepPerFrame);
}

bool MakeOffscreenWindow(const char* program) {
    g_window = new DemoWindow(false);
    if (g_window->contextCurrent)
        return true;
    std::fprintf(stderr, "%s: no OpenGL context could be made, so nothing is drawn\n", program);
    return false;
}

void ReadBackBuffer(uint8_t* pixels) {
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kOffscreenWidth, kOffscreenHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
}

void ReadMemory(long& peak, long& resident) {
    PlatformReadMemory(peak, resident);
}
