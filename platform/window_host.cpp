// A desktop's forms of platform/window_host.h: SDL does everything.
#include "platform/window_host.h"

bool HostShowMessage(const char*, const char*) {
    return false;
}

bool HostAskYesNo(const char*, const char*, bool&) {
    return false;
}

bool HostTakesFullscreen(bool&) {
    return false;
}

void HostContextMade() {}

void HostBeforeSwap() {}

void HostFrameShown() {}
