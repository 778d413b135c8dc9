// Helpers shared by the test suites: a real offscreen window and GL context, pixel read-back,
// PNG dumps, the boxes a piece of code asked for, scratch folders and child programs.
#pragma once

#include "platform/process.h"

#include <cstdint>
#include <string>
#include <vector>

class DemoWindow;

// The process's one window (windowed, 800 x 600), created on first use with the real
// DemoWindow on SDL's offscreen driver; g_window is set to it.
DemoWindow* TestWindow();

struct Rgba {
    uint8_t r, g, b, a;
};
// The back buffer's pixel x from the left and y from the top; the whole of it, and a PNG file,
// as RGBA top row first.
Rgba ReadPixel(int x, int yFromTop);
std::vector<uint8_t> ReadFrame();
bool WritePng(const std::string& path, const std::vector<uint8_t>& rgba, int width, int height);
// Window pixel (x from the left, y from the top) of a point under the current matrices.
void ProjectToWindow(double x, double y, double z, int* px, int* py);

// Every message box asked for while it lives, with text and title. ReportError's boxes
// carry the title "Error" (reports() gives their texts), the texts exactly what was printed.
class BoxLog {
  public:
    BoxLog();
    ~BoxLog();
    std::vector<std::string> texts;
    std::vector<std::string> titles;
    std::vector<std::string> reports() const;
    void clear();
};

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    std::string path;
    std::string file(const std::string& name) const { return path + "/" + name; }
};

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
bool WriteFile(const std::string& path, const std::string& text);
std::vector<uint8_t> ReadFileBytes(const std::string& path);
std::string ReadFileText(const std::string& path); // what a program printed, say

// A program run to its end through platform/process.h, with a ten-minute limit by default.
inline int RunProgram(const std::vector<std::string>& args, const std::string& out,
                      const std::string& err = "", int limitSeconds = 600) {
    return PlatformWaitProgram(PlatformStartProgram(args, out, err), limitSeconds);
}

// The source tree and the folder of the built demo with its assets (set by the test runner).
std::string SourceDir();
std::string DemoDir();
