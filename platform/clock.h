// The performance counter every clock of the demo reads.
//
// Two sources, chosen once at start and never switched:
// - the real one: SDL's performance counter, counted from the first read in this process, so
//   that seconds held as 32-bit floats stay precise however long the machine has been up;
// - a virtual one that only moves when told, for tests and for rendering at a fixed frame
//   rate. It can also step by a fixed amount at every presented frame.
#pragma once

#include <cstdint>

// Switches to the virtual counter with the given ticks per second, starting at tick 0.
// Call before anything reads the counter.
void PlatformUseVirtualCounter(int64_t frequency);
bool PlatformCounterIsVirtual();

// Ticks per second of the counter in use.
int64_t PlatformCounterFrequency();
// Ticks since the counter's origin (process start, or 0 for the virtual counter).
int64_t PlatformReadCounter();

// Moves the virtual counter forward; ignored on the real counter.
void PlatformAdvanceVirtualCounter(int64_t ticks);
// Ticks the virtual counter advances at every presented frame (0: none).
void PlatformSetVirtualStepPerFrame(int64_t ticks);
// Called by the window layer once per presented frame.
void PlatformFramePresented();
