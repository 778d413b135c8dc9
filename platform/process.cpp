// POSIX forms of platform/process.h.
#include "platform/process.h"

#include <csignal>
#include <cstdlib>
#include <cstring>

void PlatformUseOffscreenDrivers() {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}

bool PlatformReadMemory(long& peakKb, long& currentKb) {
    peakKb = currentKb = -1;
    FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return false;
    char line[256];
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "VmHWM:", 6) == 0)
            peakKb = std::atol(line + 6);
        else if (std::strncmp(line, "VmRSS:", 6) == 0)
            currentKb = std::atol(line + 6);
    }
    std::fclose(status);
    return peakKb >= 0 && currentKb >= 0;
}

bool PlatformHasProgram(const char* name) {
    return PlatformRunCommand("command -v " + PlatformQuoteArgument(name) + " >/dev/null 2>&1");
}

std::string PlatformQuoteArgument(const std::string& argument) {
    std::string quoted = "'";
    for (char c : argument)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

bool PlatformRunCommand(const std::string& commandLine) {
    return std::system(commandLine.c_str()) == 0;
}

FILE* PlatformOpenPipe(const std::string& commandLine) {
    // A dead reader must end in a failed write, not in SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    return popen(commandLine.c_str(), "w");
}

bool PlatformClosePipe(FILE* pipe) {
    return pipe && pclose(pipe) == 0;
}
