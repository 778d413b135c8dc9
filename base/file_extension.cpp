// File extensions compared as the readers choose by them.
#include "base/file_extension.h"

#include <cctype>
#include <cstring>

bool HasExtension(const char* fileName, const char* extension) {
    const char* dot = std::strrchr(fileName, '.');
    const char* a = dot ? dot + 1 : fileName;
    const char* b = extension;
    for (; *a && *b; ++a, ++b)
        if (std::tolower(static_cast<unsigned char>(*a)) !=
            std::tolower(static_cast<unsigned char>(*b)))
            return false;
    return *a == *b;
}
