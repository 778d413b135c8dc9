// What the capture and the benchmark share: the demo played offscreen and silent on the
// virtual counter, its frames read back, and the process's memory.
#pragma once

#include <cstdint>

constexpr int kOffscreenWidth = 800;
constexpr int kOffscreenHeight = 600;

// Offscreen video and the dummy audio device (the soundtrack is decoded, not played); the
// counter runs at `ticksPerSecond` and moves `stepPerFrame` at each present (0: only when
// the caller advances it).
void StartOffscreen(int64_t ticksPerSecond, int64_t stepPerFrame);
// Makes g_window. Without an OpenGL context nothing could be drawn, only black frames taken
// for the demo's: says so in one line on standard error, naming `program`, and returns false.
bool MakeOffscreenWindow(const char* program);
// The finished frame in the back buffer, RGBA, bottom row first, into 800 x 600 x 4 bytes.
void ReadBackBuffer(uint8_t* pixels);
// Peak (VmHWM) and current (VmRSS) resident memory in kB; -1 where /proc cannot tell.
void ReadMemory(long& peak, long& resident);
