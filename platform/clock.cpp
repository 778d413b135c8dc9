// Real and virtual performance counters.
#include "platform/clock.h"

#include <SDL2/SDL.h>

namespace {
bool g_virtual = false;
int64_t g_virtualFrequency = 1;
int64_t g_virtualTicks = 0;
int64_t g_virtualStep = 0;
// Read during static initialisation, before main: the origin of the real counter.
const uint64_t g_origin = SDL_GetPerformanceCounter();
} // namespace

void PlatformUseVirtualCounter(int64_t frequency) {
    g_virtual = true;
    g_virtualFrequency = frequency > 0 ? frequency : 1;
    g_virtualTicks = 0;
}

bool PlatformCounterIsVirtual() { return g_virtual; }

int64_t PlatformCounterFrequency() {
    if (g_virtual)
        return g_virtualFrequency;
    return static_cast<int64_t>(SDL_GetPerformanceFrequency());
}

int64_t PlatformReadCounter() {
    if (g_virtual)
        return g_virtualTicks;
    return static_cast<int64_t>(SDL_GetPerformanceCounter() - g_origin);
}

void PlatformAdvanceVirtualCounter(int64_t ticks) {
    if (g_virtual && ticks > 0)
        g_virtualTicks += ticks;
}

void PlatformSetVirtualStepPerFrame(int64_t ticks) { g_virtualStep = ticks; }

void PlatformFramePresented() { PlatformAdvanceVirtualCounter(g_virtualStep); }
