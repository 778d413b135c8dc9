// File paths and opening.
#include "platform/files.h"

#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

FILE* PlatformOpenFile(const char* path, const char* mode) {
    if (!path || !mode)
        return nullptr;
    std::string native = PlatformPath(path);
    if (mode[0] != 'r') {
        struct stat info;
        if (stat(native.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
            return nullptr;
        return std::fopen(native.c_str(), mode);
    }
    // Opened without waiting and kept only if it is a plain file: a folder would open, and a
    // FIFO would hold the demo's one thread until something wrote to it.
    const int fd = open(native.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        close(fd);
        return nullptr;
    }
    FILE* file = fdopen(fd, mode);
    if (!file)
        close(fd);
    return file;
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
