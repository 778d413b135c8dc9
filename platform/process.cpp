// POSIX forms of platform/process.h.
#include "platform/process.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

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

int PlatformStartProgram(const std::vector<std::string>& args, const std::string& out,
                         const std::string& err) {
    if (args.empty())
        return -1;
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const int flags = O_WRONLY | O_CREAT | O_TRUNC;
    posix_spawn_file_actions_addopen(&actions, 1, out.empty() ? "/dev/null" : out.c_str(), flags,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.empty() ? "/dev/null" : err.c_str(), flags,
                                     0644);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

int PlatformWaitProgram(int program, int limitSeconds) {
    if (program <= 0)
        return -1;
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(limitSeconds);
    int status = 0;
    while (waitpid(program, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > limit) {
            kill(program, SIGKILL);
            waitpid(program, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
