// What the benchmark's passes measured, frame by frame, and the figures drawn from it.
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
double Median(std::vector<double> values);

struct SceneFigures {
    int frames = 0;
    double seconds = 0; // the scene's length as the demo's clocks saw it
    double fps = 0;     // frames over the sum of their frame times
    Percentiles ms, floorMs, besideMs, logicUs, spectrumUs;
    // Median and mean of the frames beside the floor over the floor's: both from the floor
    // pass, where they run side by side under the same load on the machine.
    double ratio = 0, ratioMean = 0;
    double glCallsPerFrame = 0;
    double peakRssMiB = 0;
    int checked = 0, identical = 0, worstDifference = 0;
};

// One entry per scene of the table, from the frames of that scene.
std::vector<SceneFigures> FiguresByScene(const std::vector<Frame>& frames);

struct BenchRuns {
    nlohmann::json machine;
    std::vector<nlohmann::json> loads; // one per fresh process: its loading figures
    double baselineMiB = 0;            // peak of a process that only opened the window
    double peakMiB = 0, loadedPeakMiB = 0, textureMiB = 0;
    std::vector<Frame> frames;
};

// The report (report.json), targets included, and the table printed at the end of a run.
nlohmann::json BuildReport(const BenchRuns& runs);
std::string ReportTable(const nlohmann::json& report);
