// File paths and opening.
#include "platform/files.h"

#include <climits>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

std::string PlatformPath(const char* path) {
    std::string result = path ? path : "";
    for (char& c : result)
        if (c == '\\')
            c = '/';
    return result;
}

FILE* PlatformOpenFile(const char* path, const char* mode) {
    if (!path)
        return nullptr;
    std::string native = PlatformPath(path);
    struct stat info;
    if (stat(native.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        return nullptr;
    return std::fopen(native.c_str(), mode);
}

bool PlatformEnterExecutableFolder(const char* argv0) {
    char exe[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", exe, sizeof exe - 1);
    std::string path;
    if (length > 0) {
        exe[length] = '\0';
        path = exe;
    } else if (argv0) {
        path = argv0;
    }
    std::string::size_type slash = path.rfind('/');
    if (slash == std::string::npos)
        return true; // started from its own folder already
    std::string folder = path.substr(0, slash);
    return chdir(folder.empty() ? "/" : folder.c_str()) == 0;
}

bool PlatformChangeFolder(const char* path) { return path && chdir(path) == 0; }

std::string PlatformAbsolutePath(const char* path) {
    std::string native = PlatformPath(path);
    if (!native.empty() && native[0] == '/')
        return native;
    char cwd[PATH_MAX];
    if (!getcwd(cwd, sizeof cwd))
        return native;
    return std::string(cwd) + "/" + native;
}
