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
#include "platform/window.h"
#include "scenes/assets.h"
#include "scenes/scenes.h"
#include "tools/bench/bench_report.h"
#include "tools/bench/frametime_plot.h"
#include "tools/bench/gl_counter.h"

#include <GL/gl.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dlfcn.h>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;
using nlohmann::json;

namespace {

const int kWidth = 800;
const int kHeight = 600;
const int64_t kTicksPerSecond = 1000000000; // the virtual counter counts nanoseconds
// The floor pass goes through each scene in groups of this many frames: one floor frame,
// one to let the renderer settle, then the demo's own frames, timed beside the floor.
const int kGroupFrames = 4;
// Every this many floor frames (and each scene's first) the list's picture is compared
// with the one the demo drew itself.
const int kCheckEvery = 3;

int64_t Ns(clockid_t clock) {
    timespec t;
    clock_gettime(clock, &t);
    return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}
int64_t Wall() {
    return Ns(CLOCK_MONOTONIC); // comparable between processes
}

// A line of /proc/self/status ("VmHWM", "VmRSS") in MiB.
double StatusMiB(const char* key) {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(key, 0) == 0 && line[std::strlen(key)] == ':')
            return std::atol(line.c_str() + std::strlen(key) + 1) / 1024.0;
    return 0;
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
        for (GLint level = 0;; ++level) {
            GLint w = 0, h = 0, bits = 0;
            glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &w);
            glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &h);
            if (w == 0 || h == 0)
                break;
            for (GLenum size : {GL_TEXTURE_RED_SIZE, GL_TEXTURE_GREEN_SIZE, GL_TEXTURE_BLUE_SIZE,
                                GL_TEXTURE_ALPHA_SIZE, GL_TEXTURE_LUMINANCE_SIZE}) {
                GLint b = 0;
                glGetTexLevelParameteriv(GL_TEXTURE_2D, level, size, &b);
                bits += b;
            }
            bytes += static_cast<double>(w) * h * bits / 8;
        }
    }
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
    return bytes / (1024.0 * 1024.0);
}

std::string GlText(GLenum name) {
    const GLubyte* text = glGetString(name);
    return text ? reinterpret_cast<const char*>(text) : "unknown";
}

// The child: one pass in a fresh process --------------------------------------------------

struct Child {
    std::string mode; // baseline, startup, demo, logic, floor
    std::string result;
    int64_t spawnNs = 0;
    std::vector<int64_t> ticks; // the demo pass's counter steps, which later passes follow
    std::vector<Frame> frames;
    size_t presents = 0;
    json out;
    int drawnScene = -1;
    bool ownPresent = false;
    int64_t lastPresentEnd = 0;
    // Loading: where each step began, in wall and loading-thread CPU time.
    LoadingStep step = LoadingStep::Done;
    int64_t stepWall = 0, stepCpu = 0, loadingWall = 0, loadingCpu = 0;
    // The floor pass.
    enum class Role { Floor, Settle, Beside } role = Role::Settle;
    GLuint list = 0;
    bool floorFrame = false, check = false;
    std::vector<uint8_t> own, replayed;
    // The logic pass.
    GlCounterCallsFn calls = nullptr;
    GlCounterResetFn reset = nullptr;
    GlCounterSwallowFn swallow = nullptr;
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

void ReadBack(std::vector<uint8_t>& pixels) {
    pixels.resize(static_cast<size_t>(kWidth) * kHeight * 4);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
}

void PresentOwn() {
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
    glCallList(g.list);
    PresentOwn();
    const int64_t start = Wall();
    glCallList(g.list);
    PresentOwn();
    frame.floorMs = (Wall() - start) * 1e-6;
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
    const int64_t now = Wall();
    const size_t present = g.presents++;
    Frame& frame = FrameAt(present);
    frame.scene = g.drawnScene < kSceneNum ? g.drawnScene : -1;
    const double spanMs = (now - g.lastPresentEnd) * 1e-6;
    if (g.mode == "demo" || g.mode == "startup") {
        if (present == 0)
            g.out["first_frame_ms"] = (now - g.spawnNs) * 1e-6;
        frame.ms = spanMs;
        frame.rssMiB = StatusMiB("VmRSS");
    } else if (g.mode == "floor" && g.floorFrame) {
        MeasureFloor(frame);
        g.floorFrame = false;
    } else if (g.mode == "floor" && g.role == Child::Role::Beside && frame.scene >= 0) {
        frame.besideMs = spanMs;
    }
    // The first pass runs on its own frame times; the others step as it did.
    frame.stepNs = g.ticks.empty()            ? now - g.lastPresentEnd
                   : present < g.ticks.size() ? g.ticks[present]
                                              : 0;
    PlatformAdvanceVirtualCounter(frame.stepNs);
    g.lastPresentEnd = Wall();
}

// Each step's wall and loading-thread CPU time, by kind; the loading's totals at Done.
void OnLoadingStep(LoadingStep next) {
    static const char* const kKinds[] = {"music", "models", "pictures", "other"};
    const int64_t wall = Wall(), cpu = Ns(CLOCK_THREAD_CPUTIME_ID);
    if (g.step != LoadingStep::Done) {
        const std::string kind = kKinds[static_cast<int>(g.step)];
        g.out[kind + "_ms"] = g.out.value(kind + "_ms", 0.0) + (wall - g.stepWall) * 1e-6;
        g.out[kind + "_cpu_ms"] = g.out.value(kind + "_cpu_ms", 0.0) + (cpu - g.stepCpu) * 1e-6;
    } else {
        g.loadingWall = wall;
        g.loadingCpu = Ns(CLOCK_PROCESS_CPUTIME_ID);
    }
    g.step = next;
    g.stepWall = wall;
    g.stepCpu = cpu;
    if (next != LoadingStep::Done)
        return;
    g.out["loading_ms"] = (wall - g.loadingWall) * 1e-6;
    g.out["loading_cpu_ms"] = (Ns(CLOCK_PROCESS_CPUTIME_ID) - g.loadingCpu) * 1e-6;
    g.out["texture_mib"] = TextureMiB();
    g.out["loaded_peak_mib"] = StatusMiB("VmHWM");
    if (g.mode == "startup")
        _exit(Write() ? 0 : 1); // the rest of the demo is not needed
}

// One frame of the demo as the pass wants it.
void DrawFrame() {
    const int scene = g_sceneIndex;
    g.drawnScene = scene;
    const bool inScene = scene >= 0 && scene < kSceneNum;
    if (g.mode == "logic" && inScene) {
        // The spectrum at this moment, timed on its own; the scene's own call then finds no
        // stream, returns at once and leaves these values, so the frame's time is the rest.
        Frame& frame = FrameAt(g.presents); // the present that will show this frame
        const uint32_t stream = g_music->stream;
        int64_t start = Wall();
        g_music->updateSpectrum();
        frame.spectrumUs = (Wall() - start) * 1e-3;
        g_music->stream = 0;
        g.reset();
        g.swallow(1);
        start = Wall();
        g_demo->frame();
        frame.logicUs = (Wall() - start) * 1e-3;
        g.swallow(0);
        frame.glCalls = static_cast<int64_t>(g.calls());
        g_music->stream = stream;
        return;
    }
    if (g.mode == "floor" && inScene) {
        static int lastScene = -1, sceneFrame = 0;
        sceneFrame = scene == lastScene ? sceneFrame + 1 : 0;
        lastScene = scene;
        const int position = sceneFrame % kGroupFrames;
        g.role = position == 0   ? Child::Role::Floor
                 : position == 1 ? Child::Role::Settle
                                 : Child::Role::Beside;
        if (g.role == Child::Role::Floor) {
            g.check = (sceneFrame / kGroupFrames) % kCheckEvery == 0;
            glNewList(g.list, g.check ? GL_COMPILE_AND_EXECUTE : GL_COMPILE);
            g_demo->frame();
            glEndList();
            g.floorFrame = true;
            return;
        }
    }
    g_demo->frame();
}

int RunChild() {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    PlatformUseVirtualCounter(kTicksPerSecond);
    PlatformSetVirtualStepPerFrame(0);
    PlatformSetPresentHook(OnPresent, nullptr);
    g.lastPresentEnd = Wall();
    if (g.mode == "baseline") {
        g_window = new DemoWindow(false);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        PlatformPresent();
        g.out["peak_mib"] = StatusMiB("VmHWM");
        return Write() ? 0 : 1;
    }
    if (g.mode == "logic") {
        g.calls = reinterpret_cast<GlCounterCallsFn>(dlsym(RTLD_DEFAULT, GL_COUNTER_CALLS));
        g.reset = reinterpret_cast<GlCounterResetFn>(dlsym(RTLD_DEFAULT, GL_COUNTER_RESET));
        g.swallow = reinterpret_cast<GlCounterSwallowFn>(dlsym(RTLD_DEFAULT, GL_COUNTER_SWALLOW));
        if (!g.calls || !g.reset || !g.swallow) {
            std::fprintf(stderr, "rerovuz-bench: the GL call counter is not preloaded\n");
            return 1;
        }
    }
    g_window = new DemoWindow(false);
    g.out["renderer"] = GlText(GL_RENDERER);
    g.out["gl_version"] = GlText(GL_VERSION);
    g_demo = new Demo(g_window, OnLoadingStep);
    if (g.mode == "floor")
        g.list = glGenLists(1);
    while (g_window->pump())
        DrawFrame();
    g.out["peak_mib"] = StatusMiB("VmHWM");
    return Write() ? 0 : 1;
}

// The parent: runs the passes and reports -------------------------------------------------

struct Parent {
    std::string self, counter, assets, out;
    int startupRuns = 3;
};

// Runs one pass in a fresh process and reads what it wrote; null when it failed.
json Spawn(const Parent& p, const std::string& mode, const std::string& ticks = "") {
    const std::string result = p.out + "/pass-" + mode + ".json";
    std::vector<std::string> args = {p.self,
                                     "--child",
                                     mode,
                                     "--assets",
                                     p.assets,
                                     "--result",
                                     result,
                                     "--ticks",
                                     ticks,
                                     "--spawn-ns",
                                     std::to_string(Wall())};
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    // Only the logic pass runs behind the counter; the timed passes talk to the driver.
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "LD_PRELOAD=", 11) != 0)
            env.push_back(*e);
    if (mode == "logic")
        env.push_back("LD_PRELOAD=" + p.counter);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    pid_t pid;
    int status = 0;
    if (posix_spawn(&pid, p.self.c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0 ||
        waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "rerovuz-bench: the %s pass failed\n", mode.c_str());
        return nullptr;
    }
    std::ifstream in(result);
    json j = json::parse(in, nullptr, false);
    std::remove(result.c_str());
    return j.is_discarded() ? json(nullptr) : j;
}

// Copies one pass's measurements into the demo pass's frames; false when it drew others.
template <class Copy> bool Join(std::vector<Frame>& frames, const json& pass, Copy copy) {
    const std::vector<Frame> theirs = pass["frames"].get<std::vector<Frame>>();
    if (theirs.size() != frames.size())
        return false;
    for (size_t i = 0; i < frames.size(); ++i) {
        if (theirs[i].scene != frames[i].scene)
            return false;
        copy(frames[i], theirs[i]);
    }
    return true;
}

std::string FirstLine(const char* path, const char* prefix) {
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(prefix, 0) == 0)
            return line.substr(line.find(':') + 2);
    return line;
}

int RunParent(const Parent& p) {
    mkdir(p.out.c_str(), 0755);
    BenchRuns runs;
    runs.machine = {{"cpu", FirstLine("/proc/cpuinfo", "model name")},
                    {"cores", sysconf(_SC_NPROCESSORS_ONLN)},
                    {"window", "800x600 offscreen"},
                    {"loadavg_before", FirstLine("/proc/loadavg", "")}};
    std::fprintf(stderr, "rerovuz-bench: a process that only opens the window\n");
    const json baseline = Spawn(p, "baseline");
    std::fprintf(stderr, "rerovuz-bench: the demo at the machine's own rate (about 75 s)\n");
    const json demo = Spawn(p, "demo");
    if (baseline.is_null() || demo.is_null())
        return 1;
    runs.machine["renderer"] = demo["renderer"];
    runs.machine["gl_version"] = demo["gl_version"];
    runs.baselineMiB = baseline["peak_mib"];
    runs.peakMiB = demo["peak_mib"];
    runs.loadedPeakMiB = demo["loaded_peak_mib"];
    runs.textureMiB = demo["texture_mib"];
    runs.loads.push_back(demo);
    runs.frames = demo["frames"].get<std::vector<Frame>>();
    const std::string ticks = p.out + "/ticks.txt";
    {
        std::ofstream file(ticks);
        for (const Frame& f : runs.frames)
            file << f.stepNs << "\n";
    }

    std::fprintf(stderr, "rerovuz-bench: loading in %d more fresh processes\n", p.startupRuns - 1);
    for (int run = 1; run < p.startupRuns; ++run) {
        const json startup = Spawn(p, "startup");
        if (startup.is_null())
            return 1;
        runs.loads.push_back(startup);
    }
    std::fprintf(stderr, "rerovuz-bench: scene logic against a do-nothing driver\n");
    const json logic = Spawn(p, "logic", ticks);
    std::fprintf(stderr, "rerovuz-bench: the renderer's floor beside the demo (about 2 min)\n");
    const json floor = Spawn(p, "floor", ticks);
    if (logic.is_null() || floor.is_null() ||
        !Join(runs.frames, logic,
              [](Frame& f, const Frame& o) {
                  f.logicUs = o.logicUs;
                  f.spectrumUs = o.spectrumUs;
                  f.glCalls = o.glCalls;
              }) ||
        !Join(runs.frames, floor, [](Frame& f, const Frame& o) {
            f.floorMs = o.floorMs;
            f.besideMs = o.besideMs;
            f.checked = o.checked;
            f.worstDifference = o.worstDifference;
        })) {
        std::fprintf(stderr, "rerovuz-bench: a pass drew other frames than the demo pass\n");
        return 1;
    }
    std::remove(ticks.c_str());
    runs.machine["loadavg_after"] = FirstLine("/proc/loadavg", "");

    const json report = BuildReport(runs);
    std::ofstream(p.out + "/report.json") << report.dump(2) << "\n";
    if (!WriteFrametimePlot(runs.frames, p.out + "/frametime.png"))
        std::fprintf(stderr, "rerovuz-bench: cannot write frametime.png\n");
    std::printf("%s\nwritten: %s/report.json, %s/frametime.png\n", ReportTable(report).c_str(),
                p.out.c_str(), p.out.c_str());
    return 0;
}

std::string Absolute(const std::string& path) {
    char cwd[4096];
    return path.empty() || path[0] == '/' || !getcwd(cwd, sizeof cwd) ? path : cwd + ("/" + path);
}

} // namespace

int main(int argc, char** argv) {
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    self[n > 0 ? n : 0] = '\0';
    Parent p;
    p.self = self;
    const std::string here = p.self.substr(0, p.self.rfind('/'));
    p.counter = here + "/librerovuz-glcount.so";
    p.assets = here.substr(0, here.rfind('/')) + "/demo";
    p.out = here;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i], value = argv[i + 1];
        if (key == "--child")
            g.mode = value;
        else if (key == "--assets")
            p.assets = Absolute(value);
        else if (key == "--out")
            p.out = Absolute(value);
        else if (key == "--startup-runs")
            p.startupRuns = std::max(1, std::atoi(value.c_str()));
        else if (key == "--result")
            g.result = value;
        else if (key == "--spawn-ns")
            g.spawnNs = std::atoll(value.c_str());
        else if (key == "--ticks" && !value.empty()) {
            std::ifstream in(value);
            for (long long t; in >> t;)
                g.ticks.push_back(t);
        }
    }
    if (argc % 2 == 0) {
        std::fprintf(stderr, "usage: rerovuz-bench [--out DIR] [--assets DIR] [--startup-runs N]\n"
                             "  --out DIR         report.json and frametime.png (default: beside "
                             "rerovuz-bench)\n"
                             "  --assets DIR      the demo's folder (default: ../demo)\n"
                             "  --startup-runs N  fresh processes timing loading (default 3)\n");
        return 2;
    }
    if (g.mode.empty())
        return RunParent(p);
    if (!PlatformChangeFolder(p.assets.c_str())) {
        std::fprintf(stderr, "rerovuz-bench: cannot enter %s\n", p.assets.c_str());
        return 1;
    }
    return RunChild();
}
