// The GL call counter the benchmark preloads into its logic pass (LD_PRELOAD): it stands in
// front of every entry point the scenes and GLU draw a frame with, counts the calls and, when
// asked, swallows them, so that a frame's own work can be timed against a driver that does nothing.
// Queries, texture uploads and start-up state are not stood in front of: they always reach
// the driver. The benchmark finds these functions with dlsym at run time.
#pragma once

#include <cstdint>

extern "C" {
typedef uint64_t (*GlCounterCallsFn)();  // calls since the last reset
typedef void (*GlCounterResetFn)();      // zeroes the count
typedef void (*GlCounterSwallowFn)(int); // nonzero: stand-ins no longer call the driver
}

#define GL_COUNTER_CALLS "GlCounterCalls"
#define GL_COUNTER_RESET "GlCounterReset"
#define GL_COUNTER_SWALLOW "GlCounterSwallow"
