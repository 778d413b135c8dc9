// Scene clock arithmetic: every product and difference rounded to float where the design does.
#include "base/scene_timer.h"

#include "platform/clock.h"

namespace {
float CounterSeconds(int64_t counter, float secondsPerTick) {
    // The 64-bit counter converts exactly to long double; the product rounds once to float.
    return static_cast<float>(static_cast<long double>(counter) *
                              static_cast<long double>(secondsPerTick));
}
} // namespace

SceneTimer::SceneTimer() {
    frequency = PlatformCounterFrequency();
    secondsPerTick = static_cast<float>(1.0 / static_cast<double>(frequency));
    counter = PlatformReadCounter();
    startSeconds = CounterSeconds(counter, secondsPerTick);
    elapsedSeconds = 0.0f;
}

float SceneTimer::update() {
    counter = PlatformReadCounter();
    float now = CounterSeconds(counter, secondsPerTick);
    elapsedSeconds = now - startSeconds;
    return elapsedSeconds;
}

void SceneTimer::restart() {
    counter = PlatformReadCounter();
    startSeconds = CounterSeconds(counter, secondsPerTick);
    elapsedSeconds = 0.0f;
}
