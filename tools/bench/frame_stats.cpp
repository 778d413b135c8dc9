// Percentiles, the per-scene figures, the JSON report and the printed table.
#include "tools/bench/frame_stats.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <numeric>

Percentiles Summarise(std::vector<double> values) {
    Percentiles p;
    if (values.empty())
        return p;
    std::sort(values.begin(), values.end());
    // Nearest rank: the smallest value with at least q of the values at or below it.
    auto rank = [&](double q) {
        size_t index = static_cast<size_t>(std::ceil(q * values.size()));
        return values[index == 0 ? 0 : index - 1];
    };
    p.mean = std::accumulate(values.begin(), values.end(), 0.0) / values.size();
    p.p50 = rank(0.50);
    p.p95 = rank(0.95);
    p.p99 = rank(0.99);
    p.max = values.back();
    return p;
}

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : 0.5 * (values[n / 2 - 1] + values[n / 2]);
}

std::vector<SceneFigures> FiguresByScene(const std::vector<FrameRecord>& frames) {
    std::vector<SceneFigures> scenes;
    for (int s = 0; s < kSceneNum; ++s) {
        std::vector<double> demo, floor, cpu, floorCpu, side, sideCpu, logic;
        SceneFigures f;
        f.scene = s;
        double demoSum = 0, spectrumSum = 0, calls = 0, bytes = 0, walk = 0;
        int recorded = 0;
        long peakRss = 0;
        for (const FrameRecord& r : frames) {
            if (r.scene != s)
                continue;
            ++f.frames;
            demo.push_back(r.demoNs * 1e-6);
            demoSum += r.demoNs * 1e-9;
            f.seconds += r.stepNs * 1e-9;
            cpu.push_back(r.cpuNs * 1e-6);
            peakRss = std::max(peakRss, r.rssKiB);
            if (r.floorNs >= 0)
                floor.push_back(r.floorNs * 1e-6);
            if (r.floorCpuNs >= 0)
                floorCpu.push_back(r.floorCpuNs * 1e-6);
            if (r.sideDemoNs >= 0)
                side.push_back(r.sideDemoNs * 1e-6);
            if (r.sideCpuNs >= 0)
                sideCpu.push_back(r.sideCpuNs * 1e-6);
            if (r.walkNs >= 0 && r.streamBytes > 0) {
                walk += r.walkNs * 1e-6;
                bytes += r.streamBytes;
                ++recorded;
            }
            if (r.logicNs >= 0)
                logic.push_back((r.logicNs - r.spectrumNs) * 1e-3);
            spectrumSum += r.spectrumNs * 1e-3;
            calls += r.glCalls;
            f.replayChecked += r.replayChecked;
            f.replaySame += r.replaySame;
            f.unrecordedCalls += r.unrecordedCalls;
        }
        if (f.frames == 0) {
            scenes.push_back(f);
            continue;
        }
        f.fps = demoSum > 0 ? f.frames / demoSum : 0;
        f.frameMs = Summarise(demo);
        f.floorMs = Summarise(floor);
        f.cpuMs = Summarise(cpu);
        f.floorCpuMs = Summarise(floorCpu);
        f.sideMs = Summarise(side);
        f.logicUs = Summarise(logic);
        f.peakRssMiB = peakRss / 1024.0;
        // Medians first: frames slowed by other work on the machine move them least.
        if (f.floorMs.p50 > 0 && f.floorMs.mean > 0) {
            f.ratio = f.sideMs.p50 / f.floorMs.p50;
            f.ratioMean = f.sideMs.mean / f.floorMs.mean;
        }
        const double sideCpuMean = Summarise(sideCpu).mean;
        if (f.floorCpuMs.mean > 0)
            f.ratioCpu = sideCpuMean / f.floorCpuMs.mean;
        f.spectrumUsPerFrame = spectrumSum / f.frames;
        f.glCallsPerFrame = calls / f.frames;
        if (recorded > 0) {
            f.streamKiBPerFrame = bytes / 1024.0 / recorded;
            f.walkMs = walk / recorded;
        }
        scenes.push_back(f);
    }
    return scenes;
}

std::string FormatFrame(const FrameRecord& r) {
    char line[512];
    std::snprintf(
        line, sizeof line,
        "frame %d %d %lld %lld %lld %lld %lld %lld %lld %lld %lld %d %lld %lld %d %d %lld "
        "%ld %ld",
        r.present, r.scene, static_cast<long long>(r.demoNs), static_cast<long long>(r.cpuNs),
        static_cast<long long>(r.floorNs), static_cast<long long>(r.floorCpuNs),
        static_cast<long long>(r.walkNs), static_cast<long long>(r.sideDemoNs),
        static_cast<long long>(r.sideCpuNs), static_cast<long long>(r.logicNs),
        static_cast<long long>(r.spectrumNs), r.spectrumCalls, static_cast<long long>(r.glCalls),
        static_cast<long long>(r.streamBytes), r.replayChecked, r.replaySame,
        static_cast<long long>(r.unrecordedCalls), r.rssKiB, r.peakKiB);
    return line;
}

bool ParseFrame(const std::string& line, FrameRecord& r) {
    long long demo, cpu, floor, floorCpu, walk, sideDemo, sideCpu, logic, spectrum, calls, bytes,
        unrecorded;
    const int n =
        std::sscanf(line.c_str(),
                    "frame %d %d %lld %lld %lld %lld %lld %lld %lld %lld %lld %d %lld "
                    "%lld %d %d %lld %ld %ld",
                    &r.present, &r.scene, &demo, &cpu, &floor, &floorCpu, &walk, &sideDemo,
                    &sideCpu, &logic, &spectrum, &r.spectrumCalls, &calls, &bytes, &r.replayChecked,
                    &r.replaySame, &unrecorded, &r.rssKiB, &r.peakKiB);
    if (n != 19)
        return false;
    r.sideDemoNs = sideDemo;
    r.sideCpuNs = sideCpu;
    r.demoNs = demo;
    r.cpuNs = cpu;
    r.floorNs = floor;
    r.floorCpuNs = floorCpu;
    r.walkNs = walk;
    r.logicNs = logic;
    r.spectrumNs = spectrum;
    r.glCalls = calls;
    r.streamBytes = bytes;
    r.unrecordedCalls = unrecorded;
    return true;
}

void TakeCalmerRound(std::vector<FrameRecord>& into, const std::vector<FrameRecord>& other,
                     bool floorPass) {
    const size_t n = std::min(into.size(), other.size());
    for (int scene = -1; scene < kSceneNum; ++scene) {
        // Demo rounds by their frame times; floor rounds by the floor's and the demo's beside it.
        auto total = [&](const std::vector<FrameRecord>& frames, int& measured) {
            double sum = 0;
            measured = 0;
            for (size_t i = 0; i < n; ++i) {
                const FrameRecord& r = frames[i];
                if (r.scene != scene)
                    continue;
                for (int64_t t : {floorPass ? r.floorNs : r.demoNs, floorPass ? r.sideDemoNs : -1})
                    if (t >= 0) {
                        sum += t;
                        ++measured;
                    }
            }
            return sum;
        };
        int mineNum = 0, theirNum = 0;
        const double mine = total(into, mineNum);
        const double theirs = total(other, theirNum);
        if (theirNum == 0 || (mineNum == theirNum && mine <= theirs))
            continue;
        for (size_t i = 0; i < n; ++i) {
            FrameRecord& r = into[i];
            const FrameRecord& o = other[i];
            if (r.scene != scene)
                continue;
            if (floorPass) {
                r.floorNs = o.floorNs;
                r.floorCpuNs = o.floorCpuNs;
                r.walkNs = o.walkNs;
                r.sideDemoNs = o.sideDemoNs;
                r.sideCpuNs = o.sideCpuNs;
            } else {
                r.demoNs = o.demoNs;
                r.cpuNs = o.cpuNs;
            }
        }
    }
}

namespace {
void JsonPercentiles(FILE* out, const char* name, const Percentiles& p, const char* tail) {
    std::fprintf(out,
                 "\"%s\": {\"mean\": %.4f, \"p50\": %.4f, \"p95\": %.4f, \"p99\": %.4f, "
                 "\"max\": %.4f}%s",
                 name, p.mean, p.p50, p.p95, p.p99, p.max, tail);
}

void JsonList(FILE* out, const char* name, const std::vector<double>& values, const char* tail) {
    std::fprintf(out, "\"%s\": [", name);
    for (size_t i = 0; i < values.size(); ++i)
        std::fprintf(out, "%s%.3f", i ? ", " : "", values[i]);
    std::fprintf(out, "]%s", tail);
}

// Quotes and backslashes escaped; the texts here are driver and processor names.
std::string JsonText(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (static_cast<unsigned char>(c) >= 0x20)
            out += c;
    }
    return out + "\"";
}

double Worst(const std::vector<SceneFigures>& scenes) {
    double worst = 0;
    for (const SceneFigures& s : scenes)
        worst = std::max(worst, s.ratio);
    return worst;
}
} // namespace

bool WriteReportJson(const Report& r, const std::string& path) {
    FILE* out = std::fopen(path.c_str(), "w");
    if (!out)
        return false;
    const StartupFigures& st = r.startup;
    double loading = Median(st.loadingMs);
    std::fprintf(out,
                 "{\n  \"machine\": {\"cpu\": %s, \"cores\": %d, \"renderer\": %s, "
                 "\"gl_version\": %s, \"window\": \"800x600 offscreen\", "
                 "\"loadavg_before\": %s, \"loadavg_after\": %s},\n",
                 JsonText(r.machine.cpu).c_str(), r.machine.cores,
                 JsonText(r.machine.renderer).c_str(), JsonText(r.machine.glVersion).c_str(),
                 JsonText(r.machine.loadBefore).c_str(), JsonText(r.machine.loadAfter).c_str());
    std::fprintf(out, "  \"startup\": {\"first_frame_ms\": %.3f, \"loading_ms\": %.3f, ",
                 Median(st.firstFrameMs), loading);
    JsonList(out, "first_frame_runs_ms", st.firstFrameMs, ", ");
    JsonList(out, "loading_runs_ms", st.loadingMs, ",\n");
    std::fprintf(out,
                 "    \"loading_by_kind_ms\": {\"music\": %.3f, \"models\": %.3f, "
                 "\"pictures\": %.3f, \"other\": %.3f},\n",
                 Median(st.musicMs), Median(st.modelsMs), Median(st.picturesMs),
                 Median(st.otherMs));
    std::fprintf(out,
                 "    \"loading_cpu_ms\": %.3f, \"loading_by_kind_cpu_ms\": {\"music\": %.3f, "
                 "\"models\": %.3f, \"pictures\": %.3f, \"other\": %.3f}},\n",
                 Median(st.loadingCpuMs), Median(st.musicCpuMs), Median(st.modelsCpuMs),
                 Median(st.picturesCpuMs), Median(st.otherCpuMs));
    std::fprintf(out, "  \"scenes\": [\n");
    for (size_t i = 0; i < r.scenes.size(); ++i) {
        const SceneFigures& s = r.scenes[i];
        std::fprintf(out,
                     "    {\"index\": %d, \"name\": %s, \"frames\": %d, \"seconds\": %.3f, "
                     "\"fps\": %.2f, ",
                     s.scene, JsonText(kScenes[s.scene].name).c_str(), s.frames, s.seconds, s.fps);
        JsonPercentiles(out, "frame_ms", s.frameMs, ", ");
        JsonPercentiles(out, "floor_ms", s.floorMs, ", ");
        JsonPercentiles(out, "demo_beside_floor_ms", s.sideMs, ", ");
        std::fprintf(out, "\"ratio\": %.4f, \"ratio_mean\": %.4f, \"ratio_cpu\": %.4f, ", s.ratio,
                     s.ratioMean, s.ratioCpu);
        JsonPercentiles(out, "cpu_ms", s.cpuMs, ", ");
        JsonPercentiles(out, "floor_cpu_ms", s.floorCpuMs, ", ");
        std::fprintf(out, "\"floor_replay_walk_ms\": %.4f, ", s.walkMs);
        JsonPercentiles(out, "logic_us", s.logicUs, ", ");
        std::fprintf(out,
                     "\"spectrum_us_per_frame\": %.3f, \"gl_calls_per_frame\": %.1f, "
                     "\"stream_kib_per_frame\": %.1f, \"replay_checked\": %d, "
                     "\"replay_identical\": %d, \"unrecorded_calls\": %lld, "
                     "\"peak_rss_mib\": %.1f}%s\n",
                     s.spectrumUsPerFrame, s.glCallsPerFrame, s.streamKiBPerFrame, s.replayChecked,
                     s.replaySame, static_cast<long long>(s.unrecordedCalls), s.peakRssMiB,
                     i + 1 < r.scenes.size() ? "," : "");
    }
    std::fprintf(out, "  ],\n  ");
    JsonPercentiles(out, "spectrum_call_us", r.spectrumCallUs, ",\n");
    std::fprintf(out,
                 "  \"spectrum_calls\": %lld,\n  \"peak_memory_mib\": %.2f,\n"
                 "  \"peak_memory_after_loading_mib\": %.2f,\n",
                 static_cast<long long>(r.spectrumCallNum), r.peakMemoryMiB, r.loadedPeakMiB);
    std::fprintf(out, "  \"demo_seconds\": %.3f,\n", r.totalSeconds);
    const double worst = Worst(r.scenes);
    std::fprintf(out,
                 "  \"targets\": {\"ratio_max\": 1.05, \"ratio_worst\": %.4f, \"ratio_met\": %s, "
                 "\"loading_ms_max\": 300, \"loading_met\": %s, \"spectrum_us_max\": 50, "
                 "\"spectrum_met\": %s, \"peak_memory_mib_max\": 100, \"memory_met\": %s}\n}\n",
                 worst, worst <= 1.05 ? "true" : "false", loading < 300 ? "true" : "false",
                 r.spectrumCallUs.mean < 50 ? "true" : "false",
                 r.peakMemoryMiB < 100 ? "true" : "false");
    return std::fclose(out) == 0;
}

__attribute__((format(printf, 2, 3))) void Append(std::string& text, const char* format, ...) {
    char line[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    text += line;
}

std::string ReportTable(const Report& r) {
    std::string text;
    const StartupFigures& st = r.startup;
    Append(text, "machine: %s, %d cores, %s (%s), 800 x 600 offscreen\n", r.machine.cpu.c_str(),
           r.machine.cores, r.machine.renderer.c_str(), r.machine.glVersion.c_str());
    Append(text, "load average: %s at the start, %s at the end (other work slows the wall times)\n",
           r.machine.loadBefore.c_str(), r.machine.loadAfter.c_str());
    Append(text,
           "start-up: %.1f ms from process start to the loading picture (median of %zu runs)\n",
           Median(st.firstFrameMs), st.firstFrameMs.size());
    Append(text,
           "loading:  %.1f ms from the loading picture to the fade, %.1f ms of CPU (median of "
           "%zu; target < 300)\n",
           Median(st.loadingMs), Median(st.loadingCpuMs), st.loadingMs.size());
    Append(text,
           "          by kind, replayed in a fresh process, wall / CPU ms: music open and scan "
           "%.1f / %.1f, models %.1f / %.1f, pictures %.1f / %.1f, the rest %.1f / %.1f\n",
           Median(st.musicMs), Median(st.musicCpuMs), Median(st.modelsMs), Median(st.modelsCpuMs),
           Median(st.picturesMs), Median(st.picturesCpuMs), Median(st.otherMs),
           Median(st.otherCpuMs));
    Append(text,
           "\n%-13s %5s %5s %5s | %-20s | %-20s | %6s | %5s %5s %5s | %5s | %7s %5s %6s %4s %7s\n",
           "scene", "frames", "secs", "fps", "frame ms p50 p95 p99", "floor ms p50 p95 p99",
           "beside", "ratio", "mean", "cpu", "walk", "logic", "spec", "calls", "rss", "replay");
    for (const SceneFigures& s : r.scenes) {
        char frame[64], floor[64], replay[32];
        std::snprintf(frame, sizeof frame, "%6.2f %6.2f %6.2f", s.frameMs.p50, s.frameMs.p95,
                      s.frameMs.p99);
        std::snprintf(floor, sizeof floor, "%6.2f %6.2f %6.2f", s.floorMs.p50, s.floorMs.p95,
                      s.floorMs.p99);
        std::snprintf(replay, sizeof replay, "%d/%d", s.replaySame, s.replayChecked);
        Append(text,
               "%-13s %6d %5.2f %5.1f | %-20s | %-20s | %6.2f | %5.3f %5.3f %5.3f | %5.2f | %7.1f "
               "%5.1f %6.0f %4.0f %7s\n",
               kScenes[s.scene].name, s.frames, s.seconds, s.fps, frame, floor, s.sideMs.p50,
               s.ratio, s.ratioMean, s.ratioCpu, s.walkMs, s.logicUs.mean, s.spectrumUsPerFrame,
               s.glCallsPerFrame, s.peakRssMiB, replay);
    }
    Append(text, "\nframe ms: the demo pass, each scene from its least disturbed round; secs: the "
                 "scene's length on its own clocks\n");
    Append(text, "floor ms: the frame's GL calls replayed (see walk); beside: the demo's own "
                 "frames in the same pass, between floor frames\n");
    Append(text,
           "ratio: median beside over median floor (target <= 1.05), worst %.3f; mean: with "
           "means; cpu: with process CPU time (rasterising threads included)\n",
           Worst(r.scenes));
    Append(text, "walk: ms of the floor that are the replay's own walk through the recorded "
                 "calls (no driver)\n");
    Append(text,
           "logic: Demo::frame against a do-nothing driver less its spectrum call, us; spec: "
           "Music::updateSpectrum us a frame;\ncalls: GL calls a frame (GLU's included); rss: "
           "MiB resident at most; replay: floor frames read back identical / checked\n");
    Append(text,
           "Music::updateSpectrum: %.1f us a call (p99 %.1f, max %.1f; %lld calls; target < 50)\n",
           r.spectrumCallUs.mean, r.spectrumCallUs.p99, r.spectrumCallUs.max,
           static_cast<long long>(r.spectrumCallNum));
    Append(text, "peak memory (VmHWM): %.1f MiB (target < 100); %.1f MiB when loading ended\n",
           r.peakMemoryMiB, r.loadedPeakMiB);
    return text;
}
