// The web page's forms of platform/system.h. A page has no signals to catch (it ends when it
// is closed or left), and its boxes always reach the person looking at it.
#include "platform/system.h"

void SystemCatchInterrupts(void (*)()) {}

bool SystemHasDesktop() {
    return true;
}
