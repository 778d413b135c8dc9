// The benchmark's child processes. Each runs the demo (or its loads) once in a fresh process,
// offscreen at 800 x 600 on the virtual counter, and writes what it measured to a text file.
#pragma once

#include <cstdint>
#include <string>

enum class Pass {
    Demo,    // the demo as it runs; the counter advances by each frame's measured time
    Startup, // the same, stopped once loading is measured
    Loads,   // the demo's loads, in its order, timed by kind
    Logic,   // the demo against a do-nothing driver (needs the recorder preloaded)
    Floor,   // every frame recorded, then replayed and timed (needs the recorder preloaded)
};

struct PassOptions {
    Pass pass = Pass::Demo;
    std::string assets;  // the demo's folder
    std::string result;  // absolute path of the file to write
    std::string ticks;   // Logic and Floor: the counter steps the Demo pass wrote
    int64_t spawnNs = 0; // CLOCK_MONOTONIC when the parent started this process
};

// Nanoseconds on CLOCK_MONOTONIC, comparable between processes.
int64_t MonotonicNs();

// Runs one pass in this process and returns its exit code.
int RunPass(const PassOptions& options);
