// The frame-time plot: the demo's frame times over its own time, the floor and the demo's
// frames beside it, loading and the scenes as bands; a PNG written by gnuplot.
#pragma once

#include "tools/bench/bench_report.h"

#include <string>
#include <vector>

// `frames` in present order. False when there is nothing to plot or gnuplot failed.
bool WriteFrametimePlot(const std::vector<Frame>& frames, const std::string& path, int width = 1400,
                        int height = 560);
