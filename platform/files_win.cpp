// File paths and opening, Windows forms of platform/files.cpp.
#include "platform/files.h"
#include "platform/utf16_win.h"

#include <fcntl.h>
#include <io.h>
#include <string>
#include <windows.h>

FILE* PlatformOpenFile(const char* path, const char* mode) {
    if (!path || !mode)
        return nullptr;
    std::wstring native = Wide(PlatformPath(path));
    if (mode[0] != 'r') {
        DWORD attributes = GetFileAttributesW(native.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            return nullptr;
        return _wfopen(native.c_str(), Wide(mode).c_str());
    }
    // Kept only if it is a file on disk: a folder does not open without backup semantics, and
    // devices (CON would wait for a key) and pipes report another type.
    HANDLE handle = CreateFileW(native.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return nullptr;
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        CloseHandle(handle);
        return nullptr;
    }
    int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(handle);
        return nullptr;
    }
    FILE* file = _fdopen(fd, mode);
    if (!file)
        _close(fd);
    return file;
}

bool PlatformEnterExecutableFolder(const char*) {
    std::wstring exe(32768, L'\0');
    DWORD length = GetModuleFileNameW(nullptr, &exe[0], static_cast<DWORD>(exe.size()));
    if (length == 0 || length >= exe.size())
        return false;
    exe.resize(length);
    std::wstring::size_type slash = exe.find_last_of(L"\\/");
    if (slash == std::wstring::npos)
        return true;
    std::wstring folder = exe.substr(0, slash + 1); // keeps "C:\" a root
    return SetCurrentDirectoryW(folder.c_str()) != 0;
}

bool PlatformChangeFolder(const char* path) {
    return path && SetCurrentDirectoryW(Wide(path).c_str()) != 0;
}

std::string PlatformAbsolutePath(const char* path) {
    std::string native = PlatformPath(path);
    bool rooted = !native.empty() && native[0] == '/';
    bool drive = native.size() >= 2 && native[1] == ':';
    if (rooted || drive)
        return native;
    DWORD n = GetCurrentDirectoryW(0, nullptr);
    std::wstring cwd(n, L'\0');
    if (n == 0 || GetCurrentDirectoryW(n, &cwd[0]) == 0)
        return native;
    cwd.resize(n - 1);
    return PlatformPath(Utf8(cwd).c_str()) + "/" + native;
}
