// Percentiles, the per-scene figures, the report, its printed table and the frame-time plot.
#include "tools/bench/bench.h"

#include "scenes/scenes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <string>

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

namespace {
// One scene's figures from its frames.
json SceneReport(const std::vector<Frame>& frames, int scene) {
    std::vector<double> ms, floor, beside, logic;
    double seconds = 0, msSum = 0, calls = 0, rss = 0;
    int count = 0, checked = 0, identical = 0, worst = 0;
    for (const Frame& f : frames) {
        if (f.scene != scene)
            continue;
        ++count;
        seconds += f.stepNs * 1e-9; // the demo's clocks, not the frame times
        msSum += std::max(f.ms, 0.0);
        ms.push_back(f.ms);
        floor.push_back(f.floorMs);
        beside.push_back(f.besideMs);
        logic.push_back(f.logicUs);
        calls += static_cast<double>(std::max<int64_t>(f.glCalls, 0));
        rss = std::max(rss, f.rssMiB);
        checked += f.checked;
        identical += f.checked && f.worstDifference == 0;
        worst = std::max(worst, f.worstDifference);
    }
    const Percentiles floorMs = Summarise(floor), besideMs = Summarise(beside);
    // Beside over floor, both from the floor pass, where they run side by side under the same
    // load on the machine; medians first, which frames slowed by other work move least.
    const bool floored = floorMs.p50 > 0;
    return {{"name", kScenes[scene].name},
            {"frames", count},
            {"seconds", seconds},
            {"fps", msSum > 0 ? count / (msSum * 1e-3) : 0.0},
            {"frame_ms", Summarise(ms)},
            {"floor_ms", floorMs},
            {"beside_floor_ms", besideMs},
            {"ratio", floored ? besideMs.p50 / floorMs.p50 : 0.0},
            {"ratio_mean", floored ? besideMs.mean / floorMs.mean : 0.0},
            {"logic_us", Summarise(logic)},
            {"gl_calls_per_frame", count ? calls / count : 0.0},
            {"peak_rss_mib", rss},
            {"floor_checked", checked},
            {"floor_identical", identical},
            {"floor_worst_difference", worst}};
}
} // namespace

json BuildReport(const BenchRuns& runs) {
    // Loading: the median of the fresh processes (nearest rank), each kind on its own.
    auto median = [&](const std::string& key) {
        std::vector<double> values;
        for (const json& load : runs.loads)
            values.push_back(load.value(key, 0.0));
        return Summarise(values).p50;
    };
    json byKind, byKindCpu, loadingRuns = json::array();
    for (const char* kind : {"music", "models", "pictures", "other"}) {
        byKind[kind] = median(std::string(kind) + "_ms");
        byKindCpu[kind] = median(std::string(kind) + "_cpu_ms");
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
    for (int s = 0; s < kSceneNum; ++s) {
        const json scene = SceneReport(runs.frames, s);
        worstRatio = std::max(worstRatio, scene["ratio"].get<double>());
        worstLogic = std::max(worstLogic, scene["logic_us"]["mean"].get<double>());
        mostCalls = std::max(mostCalls, scene["gl_calls_per_frame"].get<double>());
        seconds += scene["seconds"].get<double>();
        report["scenes"].push_back(scene);
    }
    std::vector<double> spectrum;
    for (const Frame& f : runs.frames)
        if (f.scene >= 0)
            spectrum.push_back(f.spectrumUs);
    const Percentiles spectrumUs = Summarise(spectrum);
    const double over = runs.peakMiB - runs.baselineMiB;
    report["spectrum_call_us"] = spectrumUs;
    report["demo_seconds"] = seconds;
    report["peak_memory_mib"] = runs.peakMiB;
    report["peak_memory_after_loading_mib"] = runs.loadedPeakMiB;
    report["baseline_mib"] = runs.baselineMiB;
    report["peak_over_baseline_mib"] = over;
    report["texture_mib"] = runs.textureMiB;
    report["targets"] = {{"ratio_max", 1.05},
                         {"ratio_worst", worstRatio},
                         {"ratio_met", worstRatio > 0 && worstRatio <= 1.05},
                         {"gl_calls_per_frame_max", 2000},
                         {"gl_calls_met", mostCalls <= 2000},
                         {"logic_us_max", 50},
                         {"logic_met", worstLogic <= 50},
                         {"loading_ms_max", 100},
                         {"loading_met", median("loading_ms") < 100},
                         {"music_open_cpu_ms_max", 10},
                         {"music_open_met", byKindCpu["music"].get<double>() < 10},
                         {"spectrum_us_max", 50},
                         {"spectrum_met", spectrumUs.mean < 50},
                         {"peak_over_baseline_max_mib", runs.textureMiB + 8},
                         {"memory_met", over <= runs.textureMiB + 8}};
    return report;
}

std::string ReportTable(const json& r) {
    std::string text;
    auto add = [&](const char* format, auto... values) {
        char line[512];
        const int n = std::snprintf(line, sizeof line, format, values...);
        text.append(line, std::min<size_t>(std::max(n, 0), sizeof line - 1));
    };
    auto d = [](const json& value) { return value.get<double>(); };
    const json &m = r["machine"], &st = r["startup"];
    add("machine: %s, %d cores, %s (%s)\n", m.value("cpu", "").c_str(), m.value("cores", 0),
        m.value("renderer", "").c_str(), m.value("gl_version", "").c_str());
    add("loading: %.1f ms wall, %.1f ms CPU (median of %zu runs); wall / CPU ms:",
        d(st["loading_ms"]), d(st["loading_cpu_ms"]), st["loading_runs_ms"].size());
    for (const char* kind : {"music", "models", "pictures", "other"})
        add(" %s %.1f / %.1f", kind, d(st["loading_by_kind_ms"][kind]),
            d(st["loading_by_kind_cpu_ms"][kind]));
    add("\n\n%-13s %6s %5s %6s | %6s %6s | %6s %6s %5s | %6s %6s %5s %10s\n", "scene", "frames",
        "secs", "fps", "p50 ms", "p99 ms", "floor", "beside", "ratio", "logic", "calls", "rss",
        "floor=");
    for (const json& s : r["scenes"])
        add("%-13s %6d %5.2f %6.1f | %6.2f %6.2f | %6.2f %6.2f %5.3f | %6.1f %6.0f %5.0f %3d/%-3d "
            "%2d\n",
            s["name"].get<std::string>().c_str(), s["frames"].get<int>(), d(s["seconds"]),
            d(s["fps"]), d(s["frame_ms"]["p50"]), d(s["frame_ms"]["p99"]), d(s["floor_ms"]["p50"]),
            d(s["beside_floor_ms"]["p50"]), d(s["ratio"]), d(s["logic_us"]["mean"]),
            d(s["gl_calls_per_frame"]), d(s["peak_rss_mib"]), s["floor_identical"].get<int>(),
            s["floor_checked"].get<int>(), s["floor_worst_difference"].get<int>());
    text += "\nframe ms: the demo pass; floor: the frame drawn from a display list the driver "
            "compiled; beside: the demo's own frames in that pass\nratio: beside over floor, "
            "medians (target <= 1.05); logic: Demo::frame us against a do-nothing driver, "
            "spectrum excluded;\ncalls: GL calls a frame; rss: MiB; floor=: floor frames "
            "identical to the demo's / compared, and the largest difference in a channel\n";
    add("spectrum: %.1f us a call (p99 %.1f); memory MiB: peak %.1f, baseline %.1f, over "
        "baseline %.1f, textures %.1f, after loading %.1f\n",
        d(r["spectrum_call_us"]["mean"]), d(r["spectrum_call_us"]["p99"]), d(r["peak_memory_mib"]),
        d(r["baseline_mib"]), d(r["peak_over_baseline_mib"]), d(r["texture_mib"]),
        d(r["peak_memory_after_loading_mib"]));
    return text;
}

// Drawn by gnuplot from the frames piped to it.
bool WriteFrametimePlot(const std::vector<Frame>& frames, const std::string& path, int width,
                        int height) {
    if (frames.empty())
        return false;
    // Each frame ends where the demo's clocks stood when it was presented.
    std::vector<double> ends, values;
    double t = 0;
    for (const Frame& f : frames) {
        ends.push_back(t += f.stepNs > 0 ? f.stepNs * 1e-9 : std::max(f.ms, 0.0) * 1e-3);
        for (double ms : {f.ms, f.floorMs, f.besideMs})
            if (ms >= 0)
                values.push_back(ms);
    }
    // The scale follows all but the rarest frames; taller ones are clipped at the top.
    std::sort(values.begin(), values.end());
    const double yMax = values.empty() ? 1.0 : 1.15 * values[values.size() * 998 / 1000];
    FILE* gnuplot = popen("gnuplot", "w");
    if (!gnuplot)
        return false;
    std::fprintf(
        gnuplot,
        "set terminal png size %d,%d\nset output '%s'\nset key outside bottom center horizontal\n"
        "set title \"frame time (ms) over the demo's own time (s)\"\nset xlabel "
        "'seconds'\nset xrange [0:%g]\nset yrange [0:%g]\nset grid ytics\n",
        width, height, path.c_str(), t, yMax);
    // A band for loading and for each scene, named at the top.
    for (size_t i = 0, band = 0; i < frames.size();) {
        const int scene = frames[i].scene;
        size_t j = i;
        while (j < frames.size() && frames[j].scene == scene)
            ++j;
        const double from = i ? ends[i - 1] : 0.0, to = ends[j - 1];
        std::fprintf(gnuplot,
                     "set object rect from %g, graph 0 to %g, graph 1 behind fillcolor rgb '%s' "
                     "fillstyle solid noborder\nset label '%s' at %g, graph 0.95 center\n",
                     from, to,
                     scene < 0    ? "#faf4ec"
                     : band++ % 2 ? "#ecf0f8"
                                  : "#f6f6fa",
                     scene < 0 ? "loading" : kScenes[scene].name, (from + to) / 2);
        i = j;
    }
    // The demo pass dense; the floor pass's floor and the demo beside it sparse, joined
    // within each scene (a blank line breaks a line in gnuplot's data).
    std::fprintf(gnuplot, "plot '-' with lines lc rgb '#1f64be' title 'demo', '-' with lines lc "
                          "rgb '#28a050' title 'demo beside the floor', '-' with lines lc rgb "
                          "'#e67814' title \"floor (the frame's display list)\"\n");
    for (double Frame::*field : {&Frame::ms, &Frame::besideMs, &Frame::floorMs}) {
        for (size_t i = 0; i < frames.size(); ++i) {
            if (i > 0 && frames[i].scene != frames[i - 1].scene)
                std::fprintf(gnuplot, "\n");
            if (frames[i].*field >= 0)
                std::fprintf(gnuplot, "%g %g\n", ends[i], frames[i].*field);
        }
        std::fprintf(gnuplot, "e\n");
    }
    return pclose(gnuplot) == 0;
}
