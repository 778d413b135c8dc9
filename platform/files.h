// Opening files the way the demo names them: paths relative to the working directory, with
// either `\` or `/` as separator (the original platform accepted both).
#pragma once

#include <cstdio>
#include <string>

// fopen with `\` mapped to `/`. For reading, refuses anything but a plain file (a directory
// would open, a FIFO would block), without blocking on it.
FILE* PlatformOpenFile(const char* path, const char* mode);
// The path as this platform spells it.
std::string PlatformPath(const char* path);
// Makes the folder holding the executable the working directory.
bool PlatformEnterExecutableFolder(const char* argv0);
bool PlatformChangeFolder(const char* path);
// The path made absolute against the current working directory.
std::string PlatformAbsolutePath(const char* path);
