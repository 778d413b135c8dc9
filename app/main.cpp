// Entry point: one question, then the demo runs by itself until it ends or is quit.
#include "app/demo.h"
#include "platform/files.h"
#include "platform/window.h"

int main(int, char** argv) {
    // The demo reads its files relative to the working directory; they sit beside it.
    PlatformEnterExecutableFolder(argv[0]);
    bool fullscreen = PlatformAskYesNo("Fullscreen?", "Decide!");
    return RunDemo(fullscreen);
}
