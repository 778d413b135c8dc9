// The passes: the demo driven through its own main loop with a present hook that measures,
// steps the virtual counter and, where the recorder is preloaded, replays each frame's calls.
#include "tools/bench/bench_passes.h"

#include "app/demo.h"
#include "app/demo_window.h"
#include "app/globals.h"
#include "effects/particle_system.h"
#include "effects/sphere_field.h"
#include "music/music.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/window.h"
#include "resources/light.h"
#include "resources/mesh.h"
#include "resources/overlay.h"
#include "scenes/assets.h"
#include "scenes/camera.h"
#include "tools/bench/frame_stats.h"
#include "tools/bench/gl_recorder.h"

#include <GL/glu.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dlfcn.h>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace {

const int kWidth = 800;
const int kHeight = 600;
// The virtual counter ticks in nanoseconds, as SDL's real counter does on Linux.
const int64_t kTicksPerSecond = 1000000000;
// The floor pass works in groups of frames: the first is recorded and its floor measured, the
// second lets the renderer's queue fill again and the rest run as the demo runs, timed, so that
// demo and floor are measured side by side under the same load on the machine.
const int kGroupFrames = 4;
// Every this many floor frames (and each scene's first) the replay is read back and compared
// with the demo's own frame.
const int kCheckEvery = 3;

enum class Role { Floor, Settle, Demo };

int64_t ThreadCpuNs() {
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

int64_t CpuNs() {
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

struct Recorder {
    GlrecSetModeFn setMode = nullptr;
    GlrecCountFn callNum = nullptr;
    GlrecCountFn unrecordedNum = nullptr;
    GlrecReplayFn replay = nullptr;
    GlrecReplayFn replayIdle = nullptr;
    GlrecResetFn reset = nullptr;
    GlrecStreamBytesFn streamBytes = nullptr;

    // False when the recorder was not preloaded into this process.
    bool find() {
        setMode = reinterpret_cast<GlrecSetModeFn>(dlsym(RTLD_DEFAULT, GLREC_SET_MODE));
        callNum = reinterpret_cast<GlrecCountFn>(dlsym(RTLD_DEFAULT, GLREC_CALL_NUM));
        unrecordedNum = reinterpret_cast<GlrecCountFn>(dlsym(RTLD_DEFAULT, GLREC_UNRECORDED_NUM));
        replay = reinterpret_cast<GlrecReplayFn>(dlsym(RTLD_DEFAULT, GLREC_REPLAY));
        replayIdle = reinterpret_cast<GlrecReplayFn>(dlsym(RTLD_DEFAULT, GLREC_REPLAY_IDLE));
        reset = reinterpret_cast<GlrecResetFn>(dlsym(RTLD_DEFAULT, GLREC_RESET));
        streamBytes = reinterpret_cast<GlrecStreamBytesFn>(dlsym(RTLD_DEFAULT, GLREC_STREAM_BYTES));
        return setMode && callNum && unrecordedNum && replay && replayIdle && reset && streamBytes;
    }
};

struct Child {
    PassOptions options;
    Recorder recorder;
    std::vector<int64_t> ticks; // counter step at each present (Logic, Floor)
    std::vector<FrameRecord> frames;
    int present = 0;     // presents so far
    int drawnScene = -1; // scene of the frame waiting to be presented
    bool ownPresent = false;
    bool checkFrame = false;
    Role role = Role::Settle;
    int64_t lastHookEndNs = 0;
    int64_t lastHookEndCpuNs = 0;
    int64_t lastHookEndThreadCpuNs = 0;
    std::vector<int64_t> spanThreadCpuNs; // the demo's own thread, per present
    int64_t firstFrameNs = 0;
    std::vector<uint8_t> demoPixels, replayPixels;
    // Music::updateSpectrum, timed only in the Logic pass.
    bool timeSpectrum = false;
    int64_t spectrumNs = 0;
    int spectrumCalls = 0;
};

Child g_child;

FrameRecord& RecordFor(int present) {
    std::vector<FrameRecord>& frames = g_child.frames;
    while (static_cast<int>(frames.size()) <= present) {
        FrameRecord r;
        r.present = static_cast<int>(frames.size());
        frames.push_back(r);
    }
    return frames[present];
}

void ReadBack(std::vector<uint8_t>& pixels) {
    pixels.resize(static_cast<size_t>(kWidth) * kHeight * 4);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
}

// Presents what is in the back buffer without the hook measuring it again.
void PresentOwn() {
    g_child.ownPresent = true;
    PlatformPresent();
    g_child.ownPresent = false;
}

// The floor of the frame just recorded: the stream replayed twice and presented each time,
// the second replay timed, so that it meets the pipeline as a running demo frame does.
void MeasureFloor(FrameRecord& record) {
    Child& c = g_child;
    Recorder& rec = c.recorder;
    rec.setMode(GLREC_PASS);
    record.glCalls = static_cast<int64_t>(rec.callNum());
    record.streamBytes = static_cast<int64_t>(rec.streamBytes());
    record.unrecordedCalls = static_cast<int64_t>(rec.unrecordedNum());
    if (c.checkFrame)
        ReadBack(c.demoPixels); // the demo drew this frame itself
    // The renderer keeps one frame queued: a present returns at once and the next one waits
    // for it. The first replay fills the queue, the second meets it full, as a demo frame
    // does. Their process CPU time, rasterising threads included, is counted to the end.
    glFinish();
    const int64_t startCpu = CpuNs();
    rec.replay();
    PresentOwn();
    const int64_t start = MonotonicNs();
    rec.replay();
    PresentOwn();
    record.floorNs = MonotonicNs() - start;
    glFinish();
    record.floorCpuNs = (CpuNs() - startCpu) / 2;
    const int64_t walkStart = MonotonicNs();
    rec.replayIdle();
    record.walkNs = MonotonicNs() - walkStart;
    if (c.checkFrame) {
        rec.replay();
        ReadBack(c.replayPixels);
        record.replayChecked = 1;
        record.replaySame = c.demoPixels == c.replayPixels ? 1 : 0;
    }
}

// Loading ends where the fade starts: the second present's span holds the loads and one fade
// frame, the third present's span one fade frame alone.
void WriteStartup(FILE* out, const Child& c) {
    std::fprintf(out, "first_frame_ns %lld\n", static_cast<long long>(c.firstFrameNs));
    if (c.frames.size() > 2 && c.spanThreadCpuNs.size() > 2)
        std::fprintf(out, "loading_ns %lld\nloading_cpu_ns %lld\n",
                     static_cast<long long>(c.frames[1].demoNs - c.frames[2].demoNs),
                     static_cast<long long>(c.spanThreadCpuNs[1] - c.spanThreadCpuNs[2]));
}

int64_t TickAt(int present) {
    const std::vector<int64_t>& ticks = g_child.ticks;
    return present < static_cast<int>(ticks.size()) ? ticks[present] : 0;
}

// Resident and peak resident memory, from /proc/self/status.
void ReadMemory(FrameRecord& record) {
    FILE* in = std::fopen("/proc/self/status", "r");
    if (!in)
        return;
    char line[256];
    while (std::fgets(line, sizeof line, in)) {
        long value = 0;
        if (std::sscanf(line, "VmHWM: %ld", &value) == 1)
            record.peakKiB = value;
        else if (std::sscanf(line, "VmRSS: %ld", &value) == 1)
            record.rssKiB = value;
    }
    std::fclose(in);
}

void OnPresent(void*) {
    Child& c = g_child;
    if (c.ownPresent)
        return;
    const int64_t now = MonotonicNs();
    const int present = c.present++;
    FrameRecord& record = RecordFor(present);
    record.scene = c.drawnScene >= 0 && c.drawnScene < kSceneNum ? c.drawnScene : -1;

    int64_t step = 0;
    const Pass pass = c.options.pass;
    if (pass == Pass::Demo || pass == Pass::Startup) {
        if (present == 0)
            c.firstFrameNs = now - c.options.spawnNs;
        record.demoNs = now - c.lastHookEndNs;
        record.cpuNs = CpuNs() - c.lastHookEndCpuNs;
        const int64_t threadCpu = ThreadCpuNs();
        c.spanThreadCpuNs.push_back(threadCpu - c.lastHookEndThreadCpuNs);
        // A later round follows the first one's steps, so that it draws the same frames.
        step = c.ticks.empty() ? record.demoNs : TickAt(present);
        ReadMemory(record);
    } else {
        step = TickAt(present);
        if (pass == Pass::Floor && record.scene >= 0 && c.role == Role::Floor) {
            MeasureFloor(record);
        } else if (pass == Pass::Floor && record.scene >= 0 && c.role == Role::Demo) {
            record.sideDemoNs = now - c.lastHookEndNs;
            record.sideCpuNs = CpuNs() - c.lastHookEndCpuNs;
        }
    }
    PlatformAdvanceVirtualCounter(step);

    if (pass == Pass::Startup && present == 2) {
        FILE* out = std::fopen(c.options.result.c_str(), "w");
        if (out) {
            WriteStartup(out, c);
            std::fclose(out);
        }
        std::fflush(stdout);
        _exit(out ? 0 : 1); // the rest of the demo is not needed
    }
    c.lastHookEndNs = MonotonicNs();
    c.lastHookEndCpuNs = CpuNs();
    c.lastHookEndThreadCpuNs = ThreadCpuNs();
}

bool ReadTicks(const std::string& path, std::vector<int64_t>& ticks) {
    std::ifstream in(path);
    long long value;
    while (in >> value)
        ticks.push_back(value);
    return !ticks.empty();
}

const char* GlText(GLenum name) {
    const GLubyte* text = glGetString(name);
    return text ? reinterpret_cast<const char*>(text) : "unknown";
}

bool WriteFrames(const Child& c) {
    FILE* out = std::fopen(c.options.result.c_str(), "w");
    if (!out)
        return false;
    if (c.options.pass == Pass::Demo) {
        WriteStartup(out, c);
        std::fprintf(out, "renderer %s\n", GlText(GL_RENDERER));
        std::fprintf(out, "gl_version %s\n", GlText(GL_VERSION));
    }
    for (const FrameRecord& r : c.frames)
        std::fprintf(out, "%s\n", FormatFrame(r).c_str());
    return std::fclose(out) == 0;
}

// The demo's loads in its own order, grouped by kind. Mirrors Demo::load: keep the two alike.
int RunLoads(const PassOptions& options) {
    g_window = new DemoWindow(false);
    g_windowWidth = g_window->width;
    g_windowHeight = g_window->height;
    auto texture = [](const char* name) {
        Texture* t = new Texture;
        t->loaded = LoadTexture(*t, name);
        return t;
    };

    // Wall and thread CPU time at each step.
    int64_t wall[6], cpu[6];
    auto mark = [&](int i) {
        wall[i] = MonotonicNs();
        cpu[i] = ThreadCpuNs();
    };
    mark(0);
    g_music = new Music();
    mark(1);
    g_crossModel = new Model("Models/cross.mesh");
    g_rundingdingsModel = new Model("Models/rundingdings.mesh");
    mark(2);
    g_skraboOverlay = new Overlay("Text/skrabo.png");
    g_plindOverlay = new Overlay("Text/plind.png");
    g_trollbeksOverlay = new Overlay("Text/trollbeks.jpg");
    g_vexaOverlay = new Overlay("Text/vexa.png");
    g_titleOverlay = new Overlay("Text/title.png");
    g_ooohTexture = texture("Textures/oooh.png");
    g_mosaikTexture = texture("Textures/mosaik.png");
    g_mosaik2Texture = texture("Textures/mosaik2.png");
    g_particleBgOverlay = new Overlay("Textures/particlebg.jpg");
    g_bgOverlay = new Overlay("Textures/bg.png");
    g_bg2Overlay = new Overlay("Textures/bg2.png");
    mark(3);
    g_cameraKeys = new Camera[3]{};
    g_cameraPath = new CameraPath();
    for (int i = 0; i < 5; ++i)
        g_cameraPath->addKey(Camera{}, 5.0f);
    g_light = new Light();
    g_spheres = new FieldSphere[kFieldSphereNum];
    g_quadric = gluNewQuadric();
    mark(4);
    // The blob picture is the particle system's only real work.
    g_particles = new ParticleSystem();
    mark(5);

    FILE* out = std::fopen(options.result.c_str(), "w");
    if (!out)
        return 1;
    const char* const kinds[] = {"music", "models", "pictures", "other"};
    for (int k = 0; k < 4; ++k) {
        // Pictures are steps 2 to 3 and the particle system's blob, 4 to 5.
        int64_t w = wall[k + 1] - wall[k], c = cpu[k + 1] - cpu[k];
        if (k == 2) {
            w += wall[5] - wall[4];
            c += cpu[5] - cpu[4];
        }
        std::fprintf(out, "%s_ns %lld\n%s_cpu_ns %lld\n", kinds[k], static_cast<long long>(w),
                     kinds[k], static_cast<long long>(c));
    }
    return std::fclose(out) == 0 ? 0 : 1;
}

} // namespace

// The Logic pass times every Music::updateSpectrum call; the link routes the scenes' calls
// here (--wrap). Music's member takes `this` as its first argument.
extern "C" void __real__ZN5Music14updateSpectrumEv(Music* music);
extern "C" void __wrap__ZN5Music14updateSpectrumEv(Music* music) {
    Child& c = g_child;
    if (!c.timeSpectrum) {
        __real__ZN5Music14updateSpectrumEv(music);
        return;
    }
    const int64_t start = MonotonicNs();
    __real__ZN5Music14updateSpectrumEv(music);
    c.spectrumNs += MonotonicNs() - start;
    ++c.spectrumCalls;
}

int64_t MonotonicNs() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

int RunPass(const PassOptions& options) {
    Child& c = g_child;
    c.options = options;
    if (!options.ticks.empty() && !ReadTicks(options.ticks, c.ticks)) {
        std::fprintf(stderr, "rerovuz-bench: no counter steps in %s\n", options.ticks.c_str());
        return 1;
    }
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (!PlatformChangeFolder(options.assets.c_str())) {
        std::fprintf(stderr, "rerovuz-bench: cannot enter %s\n", options.assets.c_str());
        return 1;
    }
    PlatformUseVirtualCounter(kTicksPerSecond);
    PlatformSetVirtualStepPerFrame(0);
    if (options.pass == Pass::Loads)
        return RunLoads(options);

    const bool recorded = options.pass == Pass::Logic || options.pass == Pass::Floor;
    if (recorded) {
        if (!c.recorder.find()) {
            std::fprintf(stderr, "rerovuz-bench: the GL recorder is not preloaded\n");
            return 1;
        }
        if (c.ticks.empty()) {
            std::fprintf(stderr, "rerovuz-bench: this pass follows the demo pass's steps\n");
            return 1;
        }
    }
    PlatformSetPresentHook(OnPresent, nullptr);
    c.lastHookEndNs = MonotonicNs();
    c.lastHookEndCpuNs = CpuNs();
    c.lastHookEndThreadCpuNs = ThreadCpuNs();

    g_window = new DemoWindow(false);
    g_demo = new Demo(g_window);
    int lastScene = -1;
    int sceneFrame = 0;
    while (g_window->pump()) {
        c.drawnScene = g_sceneIndex;
        if (options.pass == Pass::Logic) {
            c.recorder.reset();
            c.recorder.setMode(GLREC_DISCARD);
            c.timeSpectrum = true;
            c.spectrumNs = 0;
            c.spectrumCalls = 0;
            const int64_t start = MonotonicNs();
            g_demo->frame();
            const int64_t end = MonotonicNs();
            c.timeSpectrum = false;
            c.recorder.setMode(GLREC_PASS);
            if (c.drawnScene >= kSceneNum)
                continue; // the frame past the last scene only asks to quit
            FrameRecord& r = RecordFor(c.present); // the present that will show this frame
            r.logicNs = end - start;
            r.spectrumNs = c.spectrumNs;
            r.spectrumCalls = c.spectrumCalls;
            r.glCalls = static_cast<int64_t>(c.recorder.callNum());
        } else if (options.pass == Pass::Floor) {
            sceneFrame = g_sceneIndex == lastScene ? sceneFrame + 1 : 0;
            lastScene = g_sceneIndex;
            const int position = sceneFrame % kGroupFrames;
            c.role = position == 0 ? Role::Floor : position == 1 ? Role::Settle : Role::Demo;
            c.checkFrame = c.role == Role::Floor && (sceneFrame / kGroupFrames) % kCheckEvery == 0;
            c.recorder.reset();
            // Recorded until the hook, so the present's flush is part of the frame.
            if (c.role == Role::Floor)
                c.recorder.setMode(c.checkFrame ? GLREC_RECORD_EXECUTE : GLREC_RECORD);
            else
                c.recorder.setMode(GLREC_PASS);
            g_demo->frame();
        } else {
            g_demo->frame();
        }
    }
    if (recorded)
        c.recorder.setMode(GLREC_PASS);
    return WriteFrames(c) ? 0 : 1;
}
