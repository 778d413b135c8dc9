// The demo's own spelling of paths, the same on every system: either separator accepted.
#include "platform/files.h"

std::string PlatformPath(const char* path) {
    std::string result = path ? path : "";
    for (char& c : result)
        if (c == '\\')
            c = '/';
    return result;
}
