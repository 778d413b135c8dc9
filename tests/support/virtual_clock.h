// Timed tests on the virtual counter: include in a test file to run all its tests on it, with
// 2^16 ticks per second so whole seconds and binary fractions of them are exact in float.
#pragma once

#include "platform/clock.h"

#include <cstdint>
#include <gtest/gtest.h>

constexpr int64_t kTicksPerSecond = 65536;

inline void AdvanceSeconds(double s) {
    PlatformAdvanceVirtualCounter(static_cast<int64_t>(s * kTicksPerSecond + 0.5));
}

struct VirtualClockEnvironment : testing::Environment {
    void SetUp() override { PlatformUseVirtualCounter(kTicksPerSecond); }
};
inline const testing::Environment* const g_virtualClockEnvironment =
    testing::AddGlobalTestEnvironment(new VirtualClockEnvironment);
