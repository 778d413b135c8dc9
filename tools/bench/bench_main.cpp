// rerovuz-bench: plays the whole demo offscreen in a few fresh processes and reports its
// loading, each scene's frame times against the renderer's floor (the same frame drawn from a
// display list the driver compiled from it), the scenes' own work and GL calls against a
// driver that does nothing, the spectrum's cost, and memory over a process that only opens
// the window; writes report.json and frametime.png.
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
#include "tools/bench/bench.h"
#include "tools/capture/offscreen.h"

#include <GL/gl.h>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

using nlohmann::json;

namespace {

const int64_t kTicksPerSecond = 1000000000; // the virtual counter counts nanoseconds
// The floor pass goes through each scene in groups of this many frames: one floor frame,
// one to let the renderer settle, then the demo's own frames, timed beside the floor. Every
// kCheckEvery-th floor frame (each scene's first among them) is compared with the demo's.
const int kGroupFrames = 4;
const int kCheckEvery = 3;

int64_t Ns(clockid_t clock = CLOCK_MONOTONIC) { // monotonic: comparable between processes
    timespec t;
    clock_gettime(clock, &t);
    return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

double MemoryMiB(bool peak) {
    long peakKiB, residentKiB;
    ReadMemory(peakKiB, residentKiB);
    return (peak ? peakKiB : residentKiB) / 1024.0;
}

// The textures' own bytes, every mipmap level, as the driver reports their sizes.
double TextureMiB() {
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    double bytes = 0;
    for (GLuint name = 1; name < 4096; ++name) {
        if (!glIsTexture(name))
            continue;
        glBindTexture(GL_TEXTURE_2D, name);
        for (GLint level = 0, w = 1, h = 1; w > 0 && h > 0; ++level) {
            GLint bits = 0, b = 0;
            glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &w);
            glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &h);
            for (GLenum size : {GL_TEXTURE_RED_SIZE, GL_TEXTURE_GREEN_SIZE, GL_TEXTURE_BLUE_SIZE,
                                GL_TEXTURE_ALPHA_SIZE, GL_TEXTURE_LUMINANCE_SIZE}) {
                glGetTexLevelParameteriv(GL_TEXTURE_2D, level, size, &b);
                bits += b;
            }
            bytes += static_cast<double>(w) * h * bits / 8;
        }
    }
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
    return bytes / (1024.0 * 1024.0);
}

// The child: one pass in a fresh process --------------------------------------------------

struct Child {
    std::string mode; // baseline, startup, demo, logic, floor
    std::string result;
    int64_t spawnNs = 0;
    std::vector<int64_t> ticks; // the demo pass's counter steps, which later passes follow
    std::vector<Frame> frames;  // one per present, loading's included
    size_t presents = 0;
    json out;
    int drawnScene = -1;
    bool ownPresent = false;
    int64_t lastPresentEnd = 0;
    // Loading: the step under way and where it began, in wall and loading-thread CPU time.
    LoadingStep step = LoadingStep::Done;
    int64_t stepWall = 0, stepCpu = 0, loadingWall = 0, loadingCpu = 0;
    // The floor pass: where the frame stands in its group, the list and the pictures compared.
    int position = 0;
    GLuint list = 0;
    bool floorFrame = false, check = false;
    std::vector<uint8_t> own, replayed;
};
Child g;

Frame& FrameAt(size_t i) {
    if (g.frames.size() <= i)
        g.frames.resize(i + 1);
    return g.frames[i];
}

bool Write() {
    g.out["frames"] = g.frames;
    std::ofstream file(g.result);
    file << g.out.dump();
    return static_cast<bool>(file);
}

// Sized on first use: the passes that compare nothing do not hold them.
void ReadBack(std::vector<uint8_t>& pixels) {
    pixels.resize(static_cast<size_t>(kOffscreenWidth) * kOffscreenHeight * 4);
    ReadBackBuffer(pixels.data());
}

// Drawn and presented without the hook counting it as one of the demo's presents.
void DrawListAndPresent() {
    glCallList(g.list);
    g.ownPresent = true;
    PlatformPresent();
    g.ownPresent = false;
}

// The frame compiled into the list, drawn twice and presented each time, the second timed:
// the renderer keeps a frame queued, so the second meets the queue full as a demo frame does.
void MeasureFloor(Frame& frame) {
    if (g.check)
        ReadBack(g.own); // drawn by the demo itself while the list was compiled
    glFinish();
    DrawListAndPresent();
    const int64_t start = Ns();
    DrawListAndPresent();
    frame.floorMs = (Ns() - start) * 1e-6;
    if (g.check) {
        glCallList(g.list);
        ReadBack(g.replayed);
        frame.checked = 1;
        for (size_t i = 0; i < g.own.size(); ++i)
            frame.worstDifference =
                std::max(frame.worstDifference, std::abs(g.own[i] - g.replayed[i]));
    }
}

void OnPresent(void*) {
    if (g.ownPresent)
        return;
    const int64_t now = Ns();
    const size_t present = g.presents++;
    Frame& frame = FrameAt(present);
    frame.scene = g.drawnScene < kSceneNum ? g.drawnScene : -1;
    if (g.mode == "demo" || g.mode == "startup") {
        if (present == 0)
            g.out["first_frame_ms"] = (now - g.spawnNs) * 1e-6;
        frame.ms = (now - g.lastPresentEnd) * 1e-6;
        frame.rssMiB = MemoryMiB(false);
    } else if (g.floorFrame) {
        MeasureFloor(frame);
        g.floorFrame = false;
    } else if (g.mode == "floor" && g.position >= 2 && frame.scene >= 0) {
        frame.besideMs = (now - g.lastPresentEnd) * 1e-6;
    }
    // The first pass runs on its own frame times; the others step as it did.
    frame.stepNs = g.ticks.empty()            ? now - g.lastPresentEnd
                   : present < g.ticks.size() ? g.ticks[present]
                                              : 0;
    PlatformAdvanceVirtualCounter(frame.stepNs);
    g.lastPresentEnd = Ns();
}

// Each step's wall and loading-thread CPU time, by kind; the totals and memory at Done.
void OnLoadingStep(LoadingStep next) {
    static const char* const kKinds[] = {"music", "models", "pictures", "other"};
    const int64_t wall = Ns(), cpu = Ns(CLOCK_THREAD_CPUTIME_ID);
    if (g.step == LoadingStep::Done) { // the first step
        g.loadingWall = wall;
        g.loadingCpu = Ns(CLOCK_PROCESS_CPUTIME_ID);
    } else {
        const std::string kind = kKinds[static_cast<int>(g.step)];
        g.out[kind + "_ms"] = g.out.value(kind + "_ms", 0.0) + (wall - g.stepWall) * 1e-6;
        g.out[kind + "_cpu_ms"] = g.out.value(kind + "_cpu_ms", 0.0) + (cpu - g.stepCpu) * 1e-6;
    }
    g.step = next;
    g.stepWall = wall;
    g.stepCpu = cpu;
    if (next != LoadingStep::Done)
        return;
    g.out["loading_ms"] = (wall - g.loadingWall) * 1e-6;
    g.out["loading_cpu_ms"] = (Ns(CLOCK_PROCESS_CPUTIME_ID) - g.loadingCpu) * 1e-6;
    g.out["texture_mib"] = TextureMiB();
    g.out["loaded_peak_mib"] = MemoryMiB(true);
    if (g.mode == "startup")
        _exit(Write() ? 0 : 1); // the rest of the demo is not needed
}

template <class F> F Find(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_DEFAULT, name));
}

// One frame of the demo as the pass wants it.
void DrawFrame() {
    static const auto take = Find<decltype(&GlCounterTake)>("GlCounterTake");
    static const auto swallow = Find<decltype(&GlCounterSwallow)>("GlCounterSwallow");
    static int lastScene = -1, sceneFrame = 0;
    const int scene = g.drawnScene = g_sceneIndex;
    const bool inScene = scene >= 0 && scene < kSceneNum;
    if (inScene && g.mode == "logic") {
        // The spectrum at this moment, timed on its own; the scene's own call then finds no
        // stream, returns at once and leaves these values, so the frame's time is the rest.
        Frame& frame = FrameAt(g.presents); // the present that will show this frame
        const uint32_t stream = g_music->stream;
        int64_t start = Ns();
        g_music->updateSpectrum();
        frame.spectrumUs = (Ns() - start) * 1e-3;
        g_music->stream = 0;
        take();
        swallow(1);
        start = Ns();
        g_demo->frame();
        frame.logicUs = (Ns() - start) * 1e-3;
        swallow(0);
        frame.glCalls = static_cast<int64_t>(take());
        g_music->stream = stream;
    } else if (inScene && g.mode == "floor") {
        sceneFrame = scene == lastScene ? sceneFrame + 1 : 0;
        lastScene = scene;
        g.position = sceneFrame % kGroupFrames;
        g.floorFrame = g.position == 0;
        g.check = g.floorFrame && (sceneFrame / kGroupFrames) % kCheckEvery == 0;
        if (g.floorFrame)
            glNewList(g.list, g.check ? GL_COMPILE_AND_EXECUTE : GL_COMPILE);
        g_demo->frame();
        if (g.floorFrame)
            glEndList();
    } else {
        g_demo->frame();
    }
}

int RunChild() {
    StartOffscreen(kTicksPerSecond, 0);
    PlatformSetPresentHook(OnPresent, nullptr);
    g.lastPresentEnd = Ns();
    if (g.mode == "logic" && !Find<void*>("GlCounterSwallow")) {
        std::fprintf(stderr, "rerovuz-bench: the GL call counter is not preloaded\n");
        return 1;
    }
    if (!MakeOffscreenWindow("rerovuz-bench"))
        return 1;
    if (g.mode == "baseline") { // the window and one empty frame
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        PlatformPresent();
    } else {
        for (GLenum name : {GL_RENDERER, GL_VERSION})
            g.out[name == GL_RENDERER ? "renderer" : "gl_version"] =
                reinterpret_cast<const char*>(glGetString(name));
        g_demo = new Demo(g_window, OnLoadingStep);
        g.list = g.mode == "floor" ? glGenLists(1) : 0;
        while (g_window->pump())
            DrawFrame();
    }
    g.out["peak_mib"] = MemoryMiB(true);
    return Write() ? 0 : 1;
}

// The parent: runs the passes and reports -------------------------------------------------

struct Parent {
    std::string self, counter, assets, out;
    int startupRuns = 3;
};

// The file a pass writes its figures to.
std::string PassFile(const std::string& out, const std::string& mode) {
    return out + "/pass-" + mode + ".json";
}

// Runs one pass in a fresh process and reads what it wrote; null when it failed. The demo
// pass's file stays: the later passes read its counter steps.
json Spawn(const Parent& p, const std::string& mode) {
    const std::string result = PassFile(p.out, mode);
    auto quote = [](const std::string& word) { return PlatformQuoteArgument(word); };
    // Only the logic pass runs behind the counter; the timed passes talk to the driver.
    const std::string command =
        (mode == "logic" ? "LD_PRELOAD=" + quote(p.counter) + " " : std::string()) + quote(p.self) +
        " --child " + mode + " --assets " + quote(p.assets) + " --out " + quote(p.out) +
        " --spawn-ns " + std::to_string(Ns());
    const bool ran = PlatformRunCommand(command);
    std::ifstream in(result);
    json j = json::parse(in, nullptr, false);
    if (mode != "demo")
        std::remove(result.c_str());
    if (ran && !j.is_discarded())
        return j;
    std::fprintf(stderr, "rerovuz-bench: the %s pass failed\n", mode.c_str());
    return nullptr;
}

// Copies one pass's measurements into the demo pass's frames; false when it drew others.
bool Join(json& frames, const json& pass, std::initializer_list<const char*> keys) {
    if (pass.is_null() || pass["frames"].size() != frames.size())
        return false;
    for (size_t i = 0; i < frames.size(); ++i) {
        if (pass["frames"][i]["scene"] != frames[i]["scene"])
            return false;
        for (const char* key : keys)
            frames[i][key] = pass["frames"][i][key];
    }
    return true;
}

// What follows `prefix` and ": " on the first line starting with it; the first line for "".
std::string Line(const char* path, const std::string& prefix) {
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(prefix, 0) == 0)
            return prefix.empty() ? line : line.substr(line.find(':') + 2);
    return "unknown";
}

int RunParent(const Parent& p) {
    std::filesystem::create_directories(p.out);
    BenchRuns runs;
    runs.machine = {{"cpu", Line("/proc/cpuinfo", "model name")},
                    {"cores", sysconf(_SC_NPROCESSORS_ONLN)},
                    {"window", "800x600 offscreen"},
                    {"loadavg_before", Line("/proc/loadavg", "")}};
    std::fprintf(stderr, "rerovuz-bench: a process that only opens the window, then the demo "
                         "at the machine's own rate (about 75 s)\n");
    const json baseline = Spawn(p, "baseline");
    json demo = Spawn(p, "demo");
    if (baseline.is_null() || demo.is_null())
        return 1;
    runs.machine["renderer"] = demo["renderer"];
    runs.machine["gl_version"] = demo["gl_version"];
    runs.baselineMiB = baseline["peak_mib"];
    runs.peakMiB = demo["peak_mib"];
    runs.loadedPeakMiB = demo["loaded_peak_mib"];
    runs.textureMiB = demo["texture_mib"];
    runs.loads.push_back(demo);

    std::fprintf(stderr, "rerovuz-bench: loading in %d more fresh processes\n", p.startupRuns - 1);
    for (int run = 1; run < p.startupRuns; ++run) {
        runs.loads.push_back(Spawn(p, "startup"));
        if (runs.loads.back().is_null())
            return 1;
    }
    std::fprintf(stderr, "rerovuz-bench: scene logic against a do-nothing driver, then the "
                         "renderer's floor beside the demo (about 2 min)\n");
    const bool joined =
        Join(demo["frames"], Spawn(p, "logic"), {"logicUs", "spectrumUs", "glCalls"}) &&
        Join(demo["frames"], Spawn(p, "floor"),
             {"floorMs", "besideMs", "checked", "worstDifference"});
    std::remove(PassFile(p.out, "demo").c_str());
    if (!joined) {
        std::fprintf(stderr, "rerovuz-bench: a pass failed or drew other frames\n");
        return 1;
    }
    runs.frames = demo["frames"].get<std::vector<Frame>>();
    runs.machine["loadavg_after"] = Line("/proc/loadavg", "");

    const json report = BuildReport(runs);
    std::ofstream(p.out + "/report.json") << report.dump(2) << "\n";
    if (!WriteFrametimePlot(runs.frames, p.out + "/frametime.png"))
        std::fprintf(stderr, "rerovuz-bench: cannot write frametime.png\n");
    std::printf("%s\nwritten: %s/report.json, %s/frametime.png\n", ReportTable(report).c_str(),
                p.out.c_str(), p.out.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    Parent p;
    p.self = std::filesystem::read_symlink("/proc/self/exe");
    const std::filesystem::path here = std::filesystem::path(p.self).parent_path();
    p.counter = here / "librerovuz-glcount.so";
    p.assets = here.parent_path() / "demo";
    p.out = here;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i], value = argv[i + 1];
        if (key == "--child")
            g.mode = value;
        else if (key == "--assets" || key == "--out")
            (key == "--out" ? p.out : p.assets) = std::filesystem::absolute(value);
        else if (key == "--startup-runs")
            p.startupRuns = std::max(1, std::atoi(value.c_str()));
        else if (key == "--spawn-ns")
            g.spawnNs = std::atoll(value.c_str());
    }
    if (argc % 2 == 0) {
        std::fprintf(stderr, "usage: rerovuz-bench [--out DIR] [--assets DIR] [--startup-runs N]"
                             "\n  default: report.json and frametime.png beside rerovuz-bench, "
                             "the demo's files in ../demo, loading timed in 3 processes\n");
        return 2;
    }
    if (g.mode.empty())
        return RunParent(p);
    g.result = PassFile(p.out, g.mode);
    if (g.mode == "logic" || g.mode == "floor") // step as the demo pass did
        for (const Frame& frame : json::parse(std::ifstream(PassFile(p.out, "demo")))["frames"]
                                      .get<std::vector<Frame>>())
            g.ticks.push_back(frame.stepNs);
    if (!PlatformChangeFolder(p.assets.c_str())) {
        std::fprintf(stderr, "rerovuz-bench: cannot enter %s\n", p.assets.c_str());
        return 1;
    }
    return RunChild();
}
