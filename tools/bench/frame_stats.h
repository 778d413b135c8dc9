// What one benchmark run measured, frame by frame, and the per-scene figures drawn from it.
#pragma once

#include "scenes/scenes.h"

#include <cstdint>
#include <string>
#include <vector>

// One presented frame of the demo, joined across the passes by its present number.
struct FrameRecord {
    int present = 0;         // counts every present since start, loading included
    int scene = -1;          // scene drawn into this frame; -1 loading and fade
    int64_t stepNs = 0;      // what the demo's clocks advanced at this present
    int64_t demoNs = -1;     // present to present, the demo as it runs; -1 not measured
    int64_t cpuNs = -1;      // process CPU time over the same span, every thread
    int64_t floorNs = -1;    // the recorded calls replayed and presented; -1 not measured
    int64_t floorCpuNs = -1; // process CPU time of one replay, rasterising included
    int64_t walkNs = -1;     // the replay's own walk through the calls, with no driver
    // The demo's own frame time and CPU time where the floor pass let it run between floor
    // frames: measured side by side with the floor, under the same load.
    int64_t sideDemoNs = -1;
    int64_t sideCpuNs = -1;
    int64_t logicNs = -1;   // Demo::frame against a driver that does nothing
    int64_t spectrumNs = 0; // inside Music::updateSpectrum, in that same frame
    int spectrumCalls = 0;
    int64_t glCalls = 0;     // calls reaching the driver, GLU's own included
    int64_t streamBytes = 0; // size of the recorded frame
    int replayChecked = 0;   // 1 when the replay was read back against the demo's frame
    int replaySame = 0;      // 1 when every pixel matched
    int64_t unrecordedCalls = 0;
    long rssKiB = 0;  // resident memory when the frame was presented
    long peakKiB = 0; // peak resident memory so far (VmHWM)
};

// One line per frame, "frame" and the fields in order, as the passes hand them over.
std::string FormatFrame(const FrameRecord& record);
bool ParseFrame(const std::string& line, FrameRecord& record);

// Another round of a demo pass (`floorPass` false) or of a floor pass over the same frames:
// scene by scene (loading counting as one), takes that round's times where they add up to
// less, so that each scene counts from its least disturbed round. Whole rounds, not frame by
// frame: the renderer's queue makes single frame times alternate short and long, and the
// shorter of two would flatter every frame. Times not measured (-1) never win.
void TakeCalmerRound(std::vector<FrameRecord>& into, const std::vector<FrameRecord>& other,
                     bool floorPass);

struct Percentiles {
    double mean = 0, p50 = 0, p95 = 0, p99 = 0, max = 0;
};

// Nearest-rank percentiles of `values` (any order); all zero when empty.
Percentiles Summarise(std::vector<double> values);

struct SceneFigures {
    int scene = 0;
    int frames = 0;
    double seconds = 0;  // the scene's length as the demo's clocks saw it
    double fps = 0;      // frames over the sum of their frame times
    Percentiles frameMs; // demo
    Percentiles floorMs; // replayed calls
    // Demo over floor, both from the floor pass, where they run side by side: medians of frame
    // times, means of frame times, means of process CPU time.
    double ratio = 0;
    double ratioMean = 0;
    double ratioCpu = 0;
    Percentiles sideMs; // the demo's frames in that pass
    Percentiles cpuMs;
    Percentiles floorCpuMs;
    double walkMs = 0;     // mean of the replay's own share of the floor
    double peakRssMiB = 0; // the most resident memory seen at a present of this scene
    Percentiles logicUs;   // the scene's own work, its spectrum calls excluded
    double spectrumUsPerFrame = 0;
    double glCallsPerFrame = 0;
    double streamKiBPerFrame = 0;
    int replayChecked = 0;
    int replaySame = 0;
    int64_t unrecordedCalls = 0;
};

// Per-scene figures from the frames whose scene is 0 to 4.
std::vector<SceneFigures> FiguresByScene(const std::vector<FrameRecord>& frames);

struct StartupFigures {
    std::vector<double> firstFrameMs; // process start to the loading picture, one per run
    std::vector<double> loadingMs;    // loading picture to the fade, one per run
    // From a fresh process replaying the same loads in the same order, one set per run.
    std::vector<double> musicMs, modelsMs, picturesMs, otherMs;
    // The same spans in CPU time of the loading thread (the demo's one thread), which other
    // work on the machine disturbs far less than wall time.
    std::vector<double> loadingCpuMs, musicCpuMs, modelsCpuMs, picturesCpuMs, otherCpuMs;
};

struct MachineFigures {
    std::string cpu;
    int cores = 0;
    std::string renderer;
    std::string glVersion;
    std::string loadBefore, loadAfter; // /proc/loadavg when the run started and ended
};

struct Report {
    MachineFigures machine;
    StartupFigures startup;
    std::vector<FrameRecord> frames;
    std::vector<SceneFigures> scenes;
    Percentiles spectrumCallUs; // one Music::updateSpectrum call
    int64_t spectrumCallNum = 0;
    double peakMemoryMiB = 0;
    double loadedPeakMiB = 0; // VmHWM at the first scene frame: start-up and loading alone
    double totalSeconds = 0;
};

double Median(std::vector<double> values);

// The figures as JSON, and as the table printed at the end of a run.
bool WriteReportJson(const Report& report, const std::string& path);
std::string ReportTable(const Report& report);
