// Opening files the way the demo names them: paths relative to the working directory, with
// either `\` or `/` as separator (the original platform accepted both).
#pragma once

#include <cstdio>
#include <string>

// fopen with `\` mapped to `/`. Refuses directories, which fopen on Linux would open.
FILE* PlatformOpenFile(const char* path, const char* mode);
// The path as this platform spells it.
std::string PlatformPath(const char* path);
// Makes the folder holding the executable the working directory.
bool PlatformEnterExecutableFolder(const char* argv0);
bool PlatformChangeFolder(const char* path);
// The path made absolute against the current working directory.
std::string PlatformAbsolutePath(const char* path);
