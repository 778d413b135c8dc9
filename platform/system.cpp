// POSIX forms of platform/system.h.
#include "platform/system.h"

#include <csignal>
#include <cstdlib>

namespace {
void (*g_onInterrupt)() = nullptr;

void OnSignal(int) {
    g_onInterrupt();
}
} // namespace

void SystemCatchInterrupts(void (*onInterrupt)()) {
    if (g_onInterrupt || !onInterrupt)
        return;
    g_onInterrupt = onInterrupt;
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool SystemHasDesktop() {
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}
