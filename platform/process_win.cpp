// Windows forms of platform/process.h.
#include "platform/process.h"

#include <cstdlib>
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

void PlatformUseOffscreenDrivers() {
    // SDL's offscreen driver makes no GL context here: draw into a real window instead, and
    // tell the window layer to show no boxes.
    _putenv_s("SDL_VIDEODRIVER", "windows");
    _putenv_s("SDL_AUDIODRIVER", "dummy");
    _putenv_s("REROVUZ_NO_BOXES", "1");
}

bool PlatformReadMemory(long& peakKb, long& currentKb) {
    peakKb = currentKb = -1;
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return false;
    peakKb = static_cast<long>(counters.PeakWorkingSetSize / 1024);
    currentKb = static_cast<long>(counters.WorkingSetSize / 1024);
    return true;
}

bool PlatformHasProgram(const char* name) {
    char path[MAX_PATH];
    return SearchPathA(nullptr, name, ".exe", MAX_PATH, path, nullptr) > 0;
}

std::string PlatformQuoteArgument(const std::string& argument) {
    // The quoting CommandLineToArgvW undoes: backslashes double only before a quote.
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + "\"";
}

bool PlatformRunCommand(const std::string& commandLine) {
    // cmd.exe drops the outer quotes of a line that starts with one: wrap it once more.
    return std::system(("\"" + commandLine + "\"").c_str()) == 0;
}

FILE* PlatformOpenPipe(const std::string& commandLine) {
    return _popen(("\"" + commandLine + "\"").c_str(), "wb");
}

bool PlatformClosePipe(FILE* pipe) {
    return pipe && _pclose(pipe) == 0;
}
