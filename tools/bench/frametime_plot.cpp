// The frame-time plot, drawn by gnuplot from the frames piped to it.
#include "tools/bench/frametime_plot.h"

#include "scenes/scenes.h"

#include <algorithm>
#include <cstdio>
#include <string>

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
