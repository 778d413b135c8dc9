// The program's one random generator: seeded once, yielding 0 to 32767.
// A linear congruential generator with the classic constants 214013 and 2531011, taking
// bits 16 to 30 of the state, so the random layouts are the same on every platform.
#pragma once

void SeedRandom(unsigned seed);
int NextRandom();

// The largest value NextRandom yields.
constexpr int kRandomMax = 32767;
