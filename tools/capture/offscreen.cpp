// Offscreen start, frame read-back and memory, for the capture and the benchmark.
#include "tools/capture/offscreen.h"

#include "platform/clock.h"

#include <GL/gl.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

void StartOffscreen(int64_t ticksPerSecond, int64_t stepPerFrame) {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    PlatformUseVirtualCounter(ticksPerSecond);
    PlatformSetVirtualStepPerFrame(stepPerFrame);
}

void ReadBackBuffer(uint8_t* pixels) {
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kOffscreenWidth, kOffscreenHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
}

void ReadMemory(long& peak, long& resident) {
    peak = resident = -1;
    FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return;
    char line[256];
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "VmHWM:", 6) == 0)
            peak = std::atol(line + 6);
        else if (std::strncmp(line, "VmRSS:", 6) == 0)
            resident = std::atol(line + 6);
    }
    std::fclose(status);
}
