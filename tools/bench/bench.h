// What the benchmark's passes measure frame by frame, the figures drawn from it (the report,
// its printed table and the frame-time plot), and the GL call counter's entry points.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

// One presented frame, joined across the passes by its place in the run (they all draw the
// same frames: each follows the first pass's counter steps). -1: not measured.
struct Frame {
    int scene = -1;          // scene drawn into this frame; -1 loading and fade
    int64_t stepNs = 0;      // what the demo's clocks advanced at this present
    double ms = -1;          // demo pass: present to present
    double floorMs = -1;     // floor pass: the same frame drawn from its display list
    double besideMs = -1;    // floor pass: the demo's own frames between floor frames
    double logicUs = -1;     // logic pass: Demo::frame against a driver that does nothing
    double spectrumUs = -1;  // logic pass: one Music::updateSpectrum at this frame's moment
    int64_t glCalls = -1;    // logic pass: calls reaching the driver, GLU's included
    double rssMiB = 0;       // demo pass: resident memory at this present
    int checked = 0;         // floor pass: 1 when the list's picture was compared with the
    int worstDifference = 0; // demo's own; then the largest difference in a channel
};
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(Frame, scene, stepNs, ms, floorMs, besideMs, logicUs, spectrumUs,
                                   glCalls, rssMiB, checked, worstDifference)

struct Percentiles {
    double mean = 0, p50 = 0, p95 = 0, p99 = 0, max = 0;
};
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(Percentiles, mean, p50, p95, p99, max)

// Nearest-rank percentiles of the values that are not negative (not measured), any order;
// all zero when none is.
Percentiles Summarise(const std::vector<double>& values);

struct BenchRuns {
    nlohmann::json machine;
    std::vector<nlohmann::json> loads; // one per fresh process: its loading figures
    double baselineMiB = 0;            // peak of a process that only opened the window
    double peakMiB = 0, loadedPeakMiB = 0, textureMiB = 0;
    std::vector<Frame> frames;
};

// The report (report.json) with each scene's figures and the targets, and the table printed
// at the end of a run.
nlohmann::json BuildReport(const BenchRuns& runs);
std::string ReportTable(const nlohmann::json& report);
// The frame times over the demo's own time, loading and the scenes as bands: a PNG drawn by
// gnuplot. False when there is nothing to plot or gnuplot failed.
bool WriteFrametimePlot(const std::vector<Frame>& frames, const std::string& path, int width = 1400,
                        int height = 560);

// The GL call counter (gl_counter.cpp), preloaded into the logic pass and found with dlsym.
extern "C" {
uint64_t GlCounterTake();           // calls since the last take
void GlCounterSwallow(int swallow); // nonzero: the stand-ins no longer call the driver
}
