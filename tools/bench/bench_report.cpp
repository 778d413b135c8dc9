// Percentiles, the per-scene figures, the report and its printed table.
#include "tools/bench/bench_report.h"

#include "scenes/scenes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

using nlohmann::json;

Percentiles Summarise(const std::vector<double>& all) {
    std::vector<double> values;
    std::copy_if(all.begin(), all.end(), std::back_inserter(values),
                 [](double v) { return v >= 0; });
    Percentiles p;
    if (values.empty())
        return p;
    std::sort(values.begin(), values.end());
    // Nearest rank: the smallest value with at least q of the values at or below it.
    auto rank = [&](double q) {
        const size_t index = static_cast<size_t>(std::ceil(q * values.size()));
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
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : 0.5 * (values[n / 2 - 1] + values[n / 2]);
}

std::vector<SceneFigures> FiguresByScene(const std::vector<Frame>& frames) {
    std::vector<SceneFigures> scenes(kSceneNum);
    for (int s = 0; s < kSceneNum; ++s) {
        SceneFigures& f = scenes[s];
        std::vector<double> ms, floor, beside, logic, spectrum;
        double msSum = 0, calls = 0;
        for (const Frame& r : frames) {
            if (r.scene != s)
                continue;
            ++f.frames;
            f.seconds += r.stepNs * 1e-9;
            msSum += std::max(r.ms, 0.0);
            ms.push_back(r.ms);
            floor.push_back(r.floorMs);
            beside.push_back(r.besideMs);
            logic.push_back(r.logicUs);
            spectrum.push_back(r.spectrumUs);
            calls += std::max<int64_t>(r.glCalls, 0);
            f.peakRssMiB = std::max(f.peakRssMiB, r.rssMiB);
            f.checked += r.checked;
            f.identical += r.checked && r.worstDifference == 0;
            f.worstDifference = std::max(f.worstDifference, r.worstDifference);
        }
        if (f.frames == 0)
            continue;
        f.fps = msSum > 0 ? f.frames / (msSum * 1e-3) : 0;
        f.ms = Summarise(ms);
        f.floorMs = Summarise(floor);
        f.besideMs = Summarise(beside);
        f.logicUs = Summarise(logic);
        f.spectrumUs = Summarise(spectrum);
        // Medians first: frames slowed by other work on the machine move them least.
        if (f.floorMs.p50 > 0) {
            f.ratio = f.besideMs.p50 / f.floorMs.p50;
            f.ratioMean = f.besideMs.mean / f.floorMs.mean;
        }
        f.glCallsPerFrame = calls / f.frames;
    }
    return scenes;
}

json BuildReport(const BenchRuns& runs) {
    // Loading: the median of the fresh processes, each kind on its own.
    auto median = [&](const char* key) {
        std::vector<double> values;
        for (const json& load : runs.loads)
            values.push_back(load.value(key, 0.0));
        return Median(values);
    };
    json byKind, byKindCpu, loadingRuns;
    for (const char* kind : {"music", "models", "pictures", "other"}) {
        byKind[kind] = median((std::string(kind) + "_ms").c_str());
        byKindCpu[kind] = median((std::string(kind) + "_cpu_ms").c_str());
    }
    for (const json& load : runs.loads)
        loadingRuns.push_back(load.value("loading_ms", 0.0));
    json report;
    report["machine"] = runs.machine;
    report["startup"] = {{"first_frame_ms", median("first_frame_ms")},
                         {"loading_ms", median("loading_ms")},
                         {"loading_cpu_ms", median("loading_cpu_ms")},
                         {"music_open_cpu_ms", byKindCpu["music"]},
                         {"loading_runs_ms", loadingRuns},
                         {"loading_by_kind_ms", byKind},
                         {"loading_by_kind_cpu_ms", byKindCpu}};

    double worstRatio = 0, worstLogic = 0, mostCalls = 0, seconds = 0;
    std::vector<double> spectrum;
    const std::vector<SceneFigures> scenes = FiguresByScene(runs.frames);
    for (int s = 0; s < kSceneNum; ++s) {
        const SceneFigures& f = scenes[s];
        report["scenes"].push_back({{"name", kScenes[s].name},
                                    {"frames", f.frames},
                                    {"seconds", f.seconds},
                                    {"fps", f.fps},
                                    {"frame_ms", f.ms},
                                    {"floor_ms", f.floorMs},
                                    {"beside_floor_ms", f.besideMs},
                                    {"ratio", f.ratio},
                                    {"ratio_mean", f.ratioMean},
                                    {"logic_us", f.logicUs},
                                    {"gl_calls_per_frame", f.glCallsPerFrame},
                                    {"peak_rss_mib", f.peakRssMiB},
                                    {"floor_checked", f.checked},
                                    {"floor_identical", f.identical},
                                    {"floor_worst_difference", f.worstDifference}});
        worstRatio = std::max(worstRatio, f.ratio);
        worstLogic = std::max(worstLogic, f.logicUs.mean);
        mostCalls = std::max(mostCalls, f.glCallsPerFrame);
        seconds += f.seconds;
    }
    for (const Frame& r : runs.frames)
        if (r.scene >= 0)
            spectrum.push_back(r.spectrumUs);
    const Percentiles spectrumUs = Summarise(spectrum);
    report["spectrum_call_us"] = spectrumUs;
    report["demo_seconds"] = seconds;
    report["peak_memory_mib"] = runs.peakMiB;
    report["peak_memory_after_loading_mib"] = runs.loadedPeakMiB;
    report["baseline_mib"] = runs.baselineMiB;
    report["peak_over_baseline_mib"] = runs.peakMiB - runs.baselineMiB;
    report["texture_mib"] = runs.textureMiB;

    const double loading = report["startup"]["loading_ms"];
    const double music = byKindCpu["music"];
    report["targets"] = {{"ratio_max", 1.05},
                         {"ratio_worst", worstRatio},
                         {"ratio_met", worstRatio > 0 && worstRatio <= 1.05},
                         {"gl_calls_per_frame_max", 2000},
                         {"gl_calls_met", mostCalls <= 2000},
                         {"logic_us_max", 50},
                         {"logic_met", worstLogic <= 50},
                         {"loading_ms_max", 100},
                         {"loading_met", loading < 100},
                         {"music_open_cpu_ms_max", 10},
                         {"music_open_met", music < 10},
                         {"spectrum_us_max", 50},
                         {"spectrum_met", spectrumUs.mean < 50},
                         {"peak_over_baseline_max_mib", runs.textureMiB + 8},
                         {"memory_met", runs.peakMiB - runs.baselineMiB <= runs.textureMiB + 8}};
    return report;
}

std::string ReportTable(const json& r) {
    std::string text;
    char line[512];
    auto add = [&](int n) { text.append(line, std::min<size_t>(std::max(n, 0), sizeof line - 1)); };
    const json &m = r["machine"], &st = r["startup"];
    add(std::snprintf(line, sizeof line, "machine: %s, %d cores, %s (%s)\n",
                      m.value("cpu", "").c_str(), m.value("cores", 0),
                      m.value("renderer", "").c_str(), m.value("gl_version", "").c_str()));
    add(std::snprintf(line, sizeof line,
                      "loading: %.1f ms wall, %.1f ms CPU (median of %zu runs); wall / CPU ms:",
                      double(st["loading_ms"]), double(st["loading_cpu_ms"]),
                      st["loading_runs_ms"].size()));
    for (const char* kind : {"music", "models", "pictures", "other"})
        add(std::snprintf(line, sizeof line, " %s %.1f / %.1f", kind,
                          double(st["loading_by_kind_ms"][kind]),
                          double(st["loading_by_kind_cpu_ms"][kind])));
    add(std::snprintf(line, sizeof line,
                      "\n\n%-13s %6s %5s %6s | %6s %6s | %6s %6s %5s | %6s %6s %5s %10s\n", "scene",
                      "frames", "secs", "fps", "p50 ms", "p99 ms", "floor", "beside", "ratio",
                      "logic", "calls", "rss", "floor="));
    for (const json& s : r["scenes"])
        add(std::snprintf(line, sizeof line,
                          "%-13s %6d %5.2f %6.1f | %6.2f %6.2f | %6.2f %6.2f %5.3f | %6.1f %6.0f "
                          "%5.0f %3d/%-3d %2d\n",
                          std::string(s["name"]).c_str(), int(s["frames"]), double(s["seconds"]),
                          double(s["fps"]), double(s["frame_ms"]["p50"]),
                          double(s["frame_ms"]["p99"]), double(s["floor_ms"]["p50"]),
                          double(s["beside_floor_ms"]["p50"]), double(s["ratio"]),
                          double(s["logic_us"]["mean"]), double(s["gl_calls_per_frame"]),
                          double(s["peak_rss_mib"]), int(s["floor_identical"]),
                          int(s["floor_checked"]), int(s["floor_worst_difference"])));
    text += "\nframe ms: the demo pass; floor: the frame drawn from a display list the driver "
            "compiled; beside: the demo's own frames in that pass\nratio: beside over floor, "
            "medians (target <= 1.05); logic: Demo::frame us against a do-nothing driver, "
            "spectrum excluded;\ncalls: GL calls a frame; rss: MiB; floor=: floor frames "
            "identical to the demo's / compared, and the largest difference in a channel\n";
    add(std::snprintf(line, sizeof line,
                      "spectrum: %.1f us a call (p99 %.1f); memory MiB: peak %.1f, baseline %.1f, "
                      "over baseline %.1f, textures %.1f, after loading %.1f\n",
                      double(r["spectrum_call_us"]["mean"]), double(r["spectrum_call_us"]["p99"]),
                      double(r["peak_memory_mib"]), double(r["baseline_mib"]),
                      double(r["peak_over_baseline_mib"]), double(r["texture_mib"]),
                      double(r["peak_memory_after_loading_mib"])));
    return text;
}
