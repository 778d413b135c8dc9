// rerovuz-capture: plays the whole demo on a virtual clock, one exact 1/fps step per shown
// frame, offscreen at 800 x 600, and writes what would have been on screen: a video with the
// soundtrack when ffmpeg is there, otherwise numbered PNG frames and a WAV.
#include "app/demo.h"
#include "app/demo_window.h"
#include "app/globals.h"
#include "music/music.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/window.h"
#include "scenes/assets.h"
#include "scenes/scenes.h"
#include "tools/capture/capture_output.h"
#include "tools/capture/offscreen.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

namespace {
const int kWidth = kOffscreenWidth;
const int kHeight = kOffscreenHeight;
// Virtual ticks per frame: the counter runs at fps x this, so a frame is exactly 1/fps s.
const int64_t kTicksPerFrame = 1000;

struct Options {
    std::string out = "rerovuz.mp4";
    int fps = 60;
    std::vector<double> at; // --at: only these moments, as PNG files
    std::string assets;     // where the demo's files are; its own folder by default
    double seconds = 0;     // --seconds: stop after this much (0: the whole demo)
    // --spectrum: every band holds this value for the whole run.
    bool fixedSpectrum = false;
    float spectrum = 0.0f;
};

struct Capture {
    Options options;
    CaptureOutput* output = nullptr;
    std::vector<uint8_t> pixels;
    int64_t frame = 0;   // frames shown so far
    int drawnScene = -1; // scene of the frame waiting to be shown; -1 loading
    int64_t sceneStart[kSceneNum] = {-1, -1, -1, -1, -1};
    // kB as each scene ended: peak and resident (working set on Windows).
    long sceneEndPeak[kSceneNum] = {-1, -1, -1, -1, -1};
    long sceneEndResident[kSceneNum] = {-1, -1, -1, -1, -1};
    std::vector<int64_t> atFrames; // with --at: the frames to write, in time order
    size_t nextAt = 0;
    int64_t expectedFrames = 0;
};

Capture g_capture;

bool ParseOptions(int argc, char** argv, Options& options) {
    // Every option takes a value: two words at a time.
    for (int i = 1; i < argc; i += 2) {
        std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if ((arg == "--out" || arg == "--fps" || arg == "--at" || arg == "--assets" ||
             arg == "--seconds" || arg == "--spectrum") &&
            !value) {
            std::fprintf(stderr, "rerovuz-capture: %s needs a value\n", arg.c_str());
            return false;
        }
        if (arg == "--out") {
            options.out = value;
        } else if (arg == "--fps") {
            options.fps = std::atoi(value);
            if (options.fps < 1 || options.fps > 1000) {
                std::fprintf(stderr, "rerovuz-capture: --fps takes 1 to 1000\n");
                return false;
            }
        } else if (arg == "--at") {
            for (const char* p = value; *p;) {
                char* end = nullptr;
                double t = std::strtod(p, &end);
                if (end == p || t < 0) {
                    std::fprintf(stderr, "rerovuz-capture: --at takes times in seconds, "
                                         "separated by commas\n");
                    return false;
                }
                options.at.push_back(t);
                p = *end == ',' ? end + 1 : end;
            }
        } else if (arg == "--assets") {
            options.assets = value;
        } else if (arg == "--seconds") {
            options.seconds = std::atof(value);
        } else if (arg == "--spectrum") {
            options.fixedSpectrum = true;
            options.spectrum = static_cast<float>(std::atof(value));
        } else {
            std::fprintf(stderr,
                         "usage: rerovuz-capture [--out PATH] [--fps N] [--at T1,T2,...]\n"
                         "  --out PATH  a .mp4 video (default rerovuz.mp4), or a folder for\n"
                         "              PNG frames and soundtrack.wav\n"
                         "  --fps N     frames per second (default 60)\n"
                         "  --at T,...  only the frames on screen at these times (seconds\n"
                         "              since the first frame), as tT.TTT.png in --out\n"
                         "  --seconds T only the first T seconds\n"
                         "  --assets D  read the demo's files from D\n"
                         "  --spectrum V  every spectrum band reads V (for tests; no sound)\n");
            return false;
        }
    }
    return true;
}

void Progress(int64_t frame, int64_t total) {
    if (frame % 30 != 0 && frame != total)
        return;
    int width = 40;
    double done = total > 0 ? std::min(1.0, static_cast<double>(frame) / total) : 0.0;
    int filled = static_cast<int>(done * width);
    std::fprintf(stderr, "\r[%s%s] %3d%% frame %lld", std::string(filled, '#').c_str(),
                 std::string(width - filled, '.').c_str(), static_cast<int>(done * 100),
                 static_cast<long long>(frame));
    std::fflush(stderr);
}

// Runs with the finished frame in the back buffer, before it is swapped in.
void OnPresent(void*) {
    Capture& c = g_capture;
    if (c.drawnScene >= 0 && c.drawnScene < kSceneNum && c.sceneStart[c.drawnScene] < 0)
        c.sceneStart[c.drawnScene] = c.frame;

    bool wanted =
        c.atFrames.empty() || (c.nextAt < c.atFrames.size() && c.atFrames[c.nextAt] == c.frame);
    if (wanted) {
        ReadBackBuffer(c.pixels.data());
        if (c.atFrames.empty()) {
            c.output->writeFrame(c.pixels.data(), c.frame);
        } else {
            // Several moments can fall on the same frame.
            while (c.nextAt < c.atFrames.size() && c.atFrames[c.nextAt] == c.frame) {
                c.output->writeMoment(c.pixels.data(), c.options.at[c.nextAt]);
                ++c.nextAt;
            }
        }
    }
    ++c.frame;
    Progress(c.frame, c.expectedFrames);
}
} // namespace

int main(int argc, char** argv) {
    Capture& c = g_capture;
    if (!ParseOptions(argc, argv, c.options))
        return 2;

    // Offscreen and silent: the soundtrack is written, not played.
    StartOffscreen(c.options.fps * kTicksPerFrame, kTicksPerFrame);

    std::string out = PlatformAbsolutePath(c.options.out.c_str());
    bool ok = c.options.assets.empty() ? PlatformEnterExecutableFolder(argv[0])
                                       : PlatformChangeFolder(c.options.assets.c_str());
    if (!ok) {
        std::fprintf(stderr, "rerovuz-capture: cannot enter the demo's folder\n");
        return 1;
    }

    // The moments asked for, in the order they come.
    std::vector<size_t> order(c.options.at.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](size_t a, size_t b) { return c.options.at[a] < c.options.at[b]; });
    std::vector<double> sortedAt;
    for (size_t i : order) {
        sortedAt.push_back(c.options.at[i]);
        // The frame on screen at time T: shown from n/fps up to (n + 1)/fps.
        c.atFrames.push_back(
            static_cast<int64_t>(std::floor(c.options.at[i] * c.options.fps + 1e-9)));
    }
    c.options.at = sortedAt;

    // Before the output exists: without a context there is nothing to write.
    if (!MakeOffscreenWindow("rerovuz-capture"))
        return 1;
    c.output = CaptureOutput::create(out, c.options.fps, !c.atFrames.empty(), kWidth, kHeight);
    if (!c.output)
        return 1;
    c.pixels.resize(static_cast<size_t>(kWidth) * kHeight * 4);
    // Loading fade, then the scenes: 2 + 70 s and a little.
    c.expectedFrames =
        c.atFrames.empty() ? static_cast<int64_t>(72.2 * c.options.fps) : c.atFrames.back() + 1;
    PlatformSetPresentHook(OnPresent, nullptr);

    g_demo = new Demo(g_window);
    if (c.options.fixedSpectrum && g_music) {
        // Without a stream every spectrum request fails and leaves the buffer as it is, so
        // the scenes read this value in every band from their first frame on.
        g_music->stream = 0;
        std::fill(std::begin(g_music->spectrum), std::end(g_music->spectrum), c.options.spectrum);
    }
    // The music starts at the very end of the Demo's construction.
    double playSeconds = static_cast<double>(PlatformReadCounter()) / PlatformCounterFrequency();
    while (g_window->pump()) {
        if (!c.atFrames.empty() && c.nextAt >= c.atFrames.size())
            break; // every moment asked for is written
        if (c.options.seconds > 0 && c.frame >= c.options.seconds * c.options.fps)
            break;
        // A scene's end is measured before the next one draws its first frame.
        if (c.drawnScene >= 0 && c.drawnScene < kSceneNum && g_sceneIndex != c.drawnScene)
            ReadMemory(c.sceneEndPeak[c.drawnScene], c.sceneEndResident[c.drawnScene]);
        c.drawnScene = g_sceneIndex;
        g_demo->frame();
    }
    long runPeak, runResident;
    ReadMemory(runPeak, runResident);
    std::fprintf(stderr, "\n");

    bool written = c.output->finish(c.frame, playSeconds);
    for (int i = 0; i < kSceneNum; ++i)
        if (c.sceneStart[i] >= 0)
            std::printf("scene %d (%s) starts at frame %lld (%.3f s)\n", i, kScenes[i].name,
                        static_cast<long long>(c.sceneStart[i]),
                        static_cast<double>(c.sceneStart[i]) / c.options.fps);
    std::printf("%lld frames at %d fps\n", static_cast<long long>(c.frame), c.options.fps);
    for (int i = 0; i < kSceneNum; ++i)
        if (c.sceneEndPeak[i] >= 0)
            std::printf("memory at the end of scene %d (%s): peak %ld kB, resident %ld kB\n", i,
                        kScenes[i].name, c.sceneEndPeak[i], c.sceneEndResident[i]);
    std::printf("memory at the end of the run: peak %ld kB, resident %ld kB\n", runPeak,
                runResident);
    return written ? 0 : 1;
}
