// Windows forms of platform/system.h.
#include "platform/system.h"

#include <cstdlib>
#include <windows.h>

namespace {
void (*g_onInterrupt)() = nullptr;

BOOL WINAPI OnConsoleEvent(DWORD event) {
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
        g_onInterrupt();
        return TRUE;
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
        // Windows ends the process once this returns: give the demo's loop a moment to see
        // the flag and close its window and sound device first.
        g_onInterrupt();
        Sleep(2000);
        return TRUE;
    default:
        return FALSE;
    }
}
} // namespace

void SystemCatchInterrupts(void (*onInterrupt)()) {
    if (g_onInterrupt || !onInterrupt)
        return;
    g_onInterrupt = onInterrupt;
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

bool SystemHasDesktop() {
    // Windows always has a desktop; the test suites and the capture, which draw through real
    // windows here, ask for a run without boxes this way.
    return !std::getenv("REROVUZ_NO_BOXES");
}
