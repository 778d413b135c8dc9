// The frame-time plot: every frame of the demo against the demo's own time, the renderer's
// floor beside it, the scenes marked; written as PNG.
#pragma once

#include "tools/bench/bench_report.h"

#include <string>
#include <vector>

// `frames` in present order. False when the file cannot be written.
bool WriteFrametimePlot(const std::vector<Frame>& frames, const std::string& path, int width = 1400,
                        int height = 560);
