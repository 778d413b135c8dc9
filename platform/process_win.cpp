// Windows forms of platform/process.h.
#include "platform/process.h"
#include "platform/utf16_win.h"

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

namespace {
// A file the child inherits as a standard handle; "" is the null device.
HANDLE InheritedOutput(const std::string& path) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    return CreateFileW(path.empty() ? L"NUL" : Wide(path).c_str(), GENERIC_WRITE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}
} // namespace

int PlatformStartProgram(const std::vector<std::string>& args, const std::string& out,
                         const std::string& err) {
    if (args.empty())
        return -1;
    std::string commandLine;
    for (const std::string& arg : args)
        commandLine += (commandLine.empty() ? "" : " ") + PlatformQuoteArgument(arg);
    std::wstring line = Wide(commandLine);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = InheritedOutput(out);
    startup.hStdError = InheritedOutput(err);
    PROCESS_INFORMATION process = {};
    // With no application name, the first word is looked up as a command would be: the
    // caller's folder, the system folders, then the search path, ".exe" added.
    const bool started = startup.hStdOutput != INVALID_HANDLE_VALUE &&
                         startup.hStdError != INVALID_HANDLE_VALUE &&
                         CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
    for (HANDLE handle : {startup.hStdOutput, startup.hStdError})
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    if (!started)
        return -1;
    CloseHandle(process.hThread);
    // Only the low 32 bits of a handle are significant, so it fits the int the callers keep.
    return static_cast<int>(reinterpret_cast<intptr_t>(process.hProcess));
}

int PlatformWaitProgram(int program, int limitSeconds) {
    if (program == -1)
        return -1;
    HANDLE process = reinterpret_cast<HANDLE>(static_cast<intptr_t>(program));
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process, static_cast<DWORD>(limitSeconds) * 1000) != WAIT_OBJECT_0) {
        TerminateProcess(process, code);
        WaitForSingleObject(process, INFINITE);
    } else if (!GetExitCodeProcess(process, &code) || code >= 0xC0000000u) {
        code = static_cast<DWORD>(-1); // an exception ended it
    }
    CloseHandle(process);
    return static_cast<int>(code);
}
