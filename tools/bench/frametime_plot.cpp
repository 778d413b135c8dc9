// Draws the frame-time plot into an RGB buffer (lines, bands, stb_easy_font lettering) and
// writes it with stb_image_write.
#include "tools/bench/frametime_plot.h"

#include "scenes/scenes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb/stb_easy_font.h>
#include <stb/stb_image_write.h>

namespace {

struct Rgb {
    uint8_t r, g, b;
};

const Rgb kInk = {40, 40, 40};
const Rgb kGrid = {220, 220, 220};
const Rgb kDemo = {31, 100, 190};
const Rgb kFloor = {230, 120, 20};
const Rgb kBeside = {40, 160, 80};
const Rgb kBands[2] = {{246, 246, 250}, {236, 240, 248}};
const Rgb kLoadingBand = {250, 244, 236};

struct Canvas {
    int width, height;
    std::vector<uint8_t> pixels;

    Canvas(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * h * 3, 255) {}

    void dot(int x, int y, Rgb c) {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return;
        uint8_t* p = &pixels[(static_cast<size_t>(y) * width + x) * 3];
        p[0] = c.r;
        p[1] = c.g;
        p[2] = c.b;
    }

    void fill(int x0, int y0, int x1, int y1, Rgb c) {
        for (int y = std::max(0, y0); y < std::min(height, y1); ++y)
            for (int x = std::max(0, x0); x < std::min(width, x1); ++x)
                dot(x, y, c);
    }

    void line(int x0, int y0, int x1, int y1, Rgb c) {
        const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
        const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
        int error = dx + dy;
        for (;;) {
            dot(x0, y0, c);
            if (x0 == x1 && y0 == y1)
                return;
            const int e2 = 2 * error;
            if (e2 >= dy) {
                error += dy;
                x0 += sx;
            }
            if (e2 <= dx) {
                error += dx;
                y0 += sy;
            }
        }
    }

    // stb_easy_font's quads are axis-aligned rectangles in font pixels; `scale` enlarges them.
    void text(int x, int y, const char* s, Rgb c, int scale = 2) {
        static char buffer[60000];
        const int quads =
            stb_easy_font_print(0, 0, const_cast<char*>(s), nullptr, buffer, sizeof buffer);
        for (int q = 0; q < quads; ++q) {
            const float* v = reinterpret_cast<const float*>(buffer + q * 64);
            // Vertices 0 and 2 are opposite corners; each vertex is 16 bytes (x, y, z, rgba).
            const float x0 = v[0], y0 = v[1], x1 = v[8], y1 = v[9];
            fill(x + static_cast<int>(x0 * scale), y + static_cast<int>(y0 * scale),
                 x + static_cast<int>(x1 * scale), y + static_cast<int>(y1 * scale), c);
        }
    }

    int textWidth(const char* s, int scale = 2) {
        return stb_easy_font_width(const_cast<char*>(s)) * scale;
    }
};

// A step of 1, 2 or 5 times a power of ten giving about `count` divisions of `range`.
double NiceStep(double range, int count) {
    const double raw = range / count;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= raw)
            return m * power;
    return 10 * power;
}

} // namespace

bool WriteFrametimePlot(const std::vector<Frame>& frames, const std::string& path, int width,
                        int height) {
    Canvas canvas(width, height);
    const int left = 70, right = width - 20, top = 50, bottom = height - 50;

    // Each frame ends where the demo's clocks stood when it was presented.
    std::vector<double> ends;
    std::vector<double> values;
    double t = 0;
    for (const Frame& f : frames) {
        t += f.stepNs > 0 ? f.stepNs * 1e-9 : std::max(f.ms, 0.0) * 1e-3;
        ends.push_back(t);
        for (double ms : {f.ms, f.floorMs, f.besideMs})
            if (ms >= 0)
                values.push_back(ms);
    }
    const double totalSeconds = std::max(t, 1e-3);
    // The scale follows all but the rarest frames; taller ones are clipped at the top.
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    double yMax = sorted.empty() ? 1.0 : sorted[static_cast<size_t>(0.998 * (sorted.size() - 1))];
    yMax = std::max(1.0, yMax * 1.15);
    const double yStep = NiceStep(yMax, 6);
    yMax = std::ceil(yMax / yStep) * yStep;

    auto X = [&](double seconds) {
        return left + static_cast<int>((right - left) * seconds / totalSeconds);
    };
    auto Y = [&](double ms) {
        const double clipped = std::min(std::max(ms, 0.0), yMax);
        return bottom - static_cast<int>((bottom - top) * clipped / yMax);
    };

    // Bands for loading and each scene, named at the top.
    size_t i = 0;
    int band = 0;
    while (i < frames.size()) {
        const int scene = frames[i].scene;
        size_t j = i;
        while (j < frames.size() && frames[j].scene == scene)
            ++j;
        const double from = i ? ends[i - 1] : 0.0;
        const Rgb colour = scene < 0 ? kLoadingBand : kBands[band++ % 2];
        canvas.fill(X(from), top, X(ends[j - 1]) + 1, bottom, colour);
        const char* name = scene < 0 ? "loading" : kScenes[scene].name;
        const int nameWidth = canvas.textWidth(name);
        if (X(ends[j - 1]) - X(from) > nameWidth + 4)
            canvas.text((X(from) + X(ends[j - 1]) - nameWidth) / 2, top + 6, name, kInk);
        i = j;
    }

    char label[64];
    for (double v = 0; v <= yMax + 1e-9; v += yStep) {
        canvas.line(left, Y(v), right, Y(v), kGrid);
        std::snprintf(label, sizeof label, "%g", v);
        canvas.text(left - 8 - canvas.textWidth(label), Y(v) - 6, label, kInk);
    }
    const double xStep = NiceStep(totalSeconds, 14);
    for (double s = 0; s <= totalSeconds + 1e-9; s += xStep) {
        canvas.line(X(s), bottom, X(s), bottom + 5, kInk);
        std::snprintf(label, sizeof label, "%g", s);
        canvas.text(X(s) - canvas.textWidth(label) / 2, bottom + 9, label, kInk);
    }
    canvas.line(left, top, left, bottom, kInk);
    canvas.line(left, bottom, right, bottom, kInk);

    // The demo pass first, dense; then the floor pass's two sparse series over it: its floor
    // samples and the demo's own frames measured beside them, under the same load.
    struct Series {
        double Frame::*field;
        Rgb colour;
        const char* name;
    };
    const Series series[] = {{&Frame::ms, kDemo, "demo"},
                             {&Frame::besideMs, kBeside, "demo beside the floor"},
                             {&Frame::floorMs, kFloor, "floor (the frame's display list)"}};
    for (const Series& line : series) {
        int lastX = -1, lastY = -1, lastScene = -2;
        for (size_t k = 0; k < frames.size(); ++k) {
            // Sparse series are joined from sample to sample within a scene.
            const double ms = frames[k].*line.field;
            if (ms < 0)
                continue;
            if (frames[k].scene != lastScene)
                lastX = -1;
            lastScene = frames[k].scene;
            const int x = X(ends[k]), y = Y(ms);
            if (lastX >= 0)
                canvas.line(lastX, lastY, x, y, line.colour);
            else
                canvas.dot(x, y, line.colour);
            lastX = x;
            lastY = y;
        }
    }

    canvas.text(left, 12, "frame time (ms) over the demo's own time (s)", kInk);
    int legendX = right;
    for (const Series& line : series)
        legendX -= 30 + canvas.textWidth(line.name) + 20;
    for (const Series& line : series) {
        canvas.fill(legendX, 16, legendX + 24, 20, line.colour);
        canvas.text(legendX + 30, 12, line.name, kInk);
        legendX += 30 + canvas.textWidth(line.name) + 20;
    }
    canvas.text(left, height - 22, "seconds", kInk);

    stbi_write_png_compression_level = 6;
    return stbi_write_png(path.c_str(), width, height, 3, canvas.pixels.data(), width * 3) != 0;
}
