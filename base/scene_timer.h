// The scene clock: elapsed seconds as 32-bit floats on the platform's performance counter.
// Constructing it starts it. Absolute times are held as floats too, so the resolution of
// elapsedSeconds follows the magnitude of the counter in seconds, not its tick.
#pragma once

#include <cstdint>

class SceneTimer {
  public:
    SceneTimer();
    // Reads the counter; stores and returns the seconds since the start.
    float update();
    // Reads the counter and makes it the new start; elapsed becomes 0.
    void restart();

    int64_t counter;
    int64_t frequency;
    float secondsPerTick;
    float startSeconds;
    float elapsedSeconds;
};
