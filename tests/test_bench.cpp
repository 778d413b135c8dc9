// The benchmark's own pieces: percentiles and per-scene figures, the frame records the passes
// hand over, the report and the plot, and the GL call recorder's replay against direct drawing.
#include "tools/bench/frame_stats.h"
#include "tools/bench/frametime_plot.h"
#include "tools/bench/gl_recorder.h"

#include "test_support.h"

#include <GL/gl.h>
#include <cstring>
#include <dlfcn.h>
#include <gtest/gtest.h>

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

namespace {

TEST(BenchStats, NearestRankPercentilesInAnyOrder) {
    std::vector<double> values;
    for (int i = 100; i >= 1; --i) // in any order
        values.push_back(i);
    const Percentiles p = Summarise(values);
    EXPECT_TRUE(p.p50 == 50 && p.p95 == 95 && p.p99 == 99 && p.max == 100 && p.mean == 50.5);
    EXPECT_TRUE(Summarise({7.0}).p50 == 7 && Summarise({7.0}).p99 == 7);
    EXPECT_DOUBLE_EQ(Summarise({}).p99, 0);
    EXPECT_DOUBLE_EQ(Median({3, 1, 2, 10}), 2.5);
}

FrameRecord Frame(int present, int scene, double demoMs, double floorMs) {
    FrameRecord r;
    r.present = present;
    r.scene = scene;
    r.demoNs = static_cast<int64_t>(demoMs * 1e6);
    r.stepNs = r.demoNs;
    r.cpuNs = r.demoNs;
    r.floorNs = floorMs < 0 ? -1 : static_cast<int64_t>(floorMs * 1e6);
    r.floorCpuNs = r.floorNs;
    // The floor pass's own demo frames, measured beside the floor, run a little slower here.
    if (scene >= 0) {
        r.sideDemoNs = r.demoNs + 1000000;
        r.sideCpuNs = r.sideDemoNs;
    }
    return r;
}

TEST(BenchStats, FramesCrossThePassesUnchanged) {
    FrameRecord r = Frame(12, 3, 16.5, -1);
    r.logicNs = 1234567890123;
    r.walkNs = 777;
    r.sideDemoNs = 8800000;
    r.spectrumNs = 4200;
    r.spectrumCalls = 2;
    r.glCalls = 320328;
    r.streamBytes = 5 << 20;
    r.replayChecked = 1;
    r.unrecordedCalls = 3;
    r.rssKiB = 204800;
    r.peakKiB = 210000;
    // Every field read back as written: the line it gives again is the same.
    const std::string line = FormatFrame(r);
    FrameRecord back;
    ASSERT_TRUE(ParseFrame(line, back));
    EXPECT_EQ(FormatFrame(back), line);
    EXPECT_TRUE(back.logicNs == 1234567890123 && back.floorNs == -1 && back.peakKiB == 210000);

    // A line cut short (a pass that died while writing) is refused, not half read.
    EXPECT_FALSE(ParseFrame(line.substr(0, line.size() / 2), back));
    EXPECT_FALSE(ParseFrame("present 1 2 3", back));
}

TEST(BenchStats, EachSceneKeepsItsCalmerRoundWhole) {
    // Round one: scene 1 calm, scene 2 disturbed. Round two: the other way round, and its
    // scene 2 frames alternate short and long, as the renderer's queue makes them.
    std::vector<FrameRecord> first, second;
    for (int i = 0; i < 4; ++i) {
        first.push_back(Frame(i, 1, 10, -1));
        second.push_back(Frame(i, 1, 30, -1));
    }
    for (int i = 4; i < 8; ++i) {
        first.push_back(Frame(i, 2, 20, -1));
        second.push_back(Frame(i, 2, i % 2 ? 4 : 24, -1));
    }
    second[1].demoNs = 2000000; // one fast frame does not make a round calm

    std::vector<FrameRecord> merged = first;
    TakeCalmerRound(merged, second, false);
    EXPECT_EQ(merged[1].demoNs, 10000000); // scene 1 stays with round one, whole
    EXPECT_EQ(merged[4].demoNs, 24000000); // scene 2 takes round two, whole
    EXPECT_EQ(merged[5].demoNs, 4000000);

    // A floor round with nothing measured yet takes the other's figures; then the calmer wins.
    std::vector<FrameRecord> floors = first; // floorNs -1 throughout
    std::vector<FrameRecord> round = first;
    for (FrameRecord& r : round)
        r.floorNs = 9000000;
    TakeCalmerRound(floors, round, true);
    EXPECT_EQ(floors[0].floorNs, 9000000);
    for (FrameRecord& r : round)
        r.floorNs = 12000000;
    TakeCalmerRound(floors, round, true);
    EXPECT_EQ(floors[0].floorNs, 9000000);
    EXPECT_EQ(floors[0].demoNs, 10000000); // a floor round leaves the demo's own times alone
}

TEST(BenchStats, SceneFiguresSplitByScene) {
    std::vector<FrameRecord> frames;
    frames.push_back(Frame(0, -1, 500, -1)); // loading: counted in no scene
    // Scene 1: demo 10, 10, 10, 40 ms against a floor of 8 ms.
    for (int i = 0; i < 4; ++i)
        frames.push_back(Frame(1 + i, 1, i == 3 ? 40 : 10, 8));
    for (FrameRecord& r : frames) {
        r.logicNs = 300000;
        r.spectrumNs = 100000;
        r.glCalls = 1000;
    }
    frames[1].stepNs = 1000000000; // the clocks jumped a second on this frame

    std::vector<SceneFigures> scenes = FiguresByScene(frames);
    ASSERT_EQ(scenes.size(), static_cast<size_t>(kSceneNum));
    const SceneFigures& s = scenes[1];
    EXPECT_EQ(s.frames, 4);
    EXPECT_NEAR(s.seconds, 1.06, 1e-9); // the clocks' own time, not the frame times
    EXPECT_NEAR(s.fps, 4 / 0.07, 1e-9);
    EXPECT_TRUE(s.frameMs.p50 == 10 && s.frameMs.p99 == 40);
    // Demo and floor from the same pass; the demo pass's own times serve the percentiles.
    EXPECT_NEAR(s.ratio, 11.0 / 8.0, 1e-9);     // medians: the slow frame does not count
    EXPECT_NEAR(s.ratioMean, 18.5 / 8.0, 1e-9); // means: it does
    EXPECT_NEAR(s.ratioCpu, 18.5 / 8.0, 1e-9);
    EXPECT_DOUBLE_EQ(s.sideMs.p50, 11);
    EXPECT_NEAR(s.logicUs.mean, 200, 1e-9); // its spectrum call taken out
    EXPECT_NEAR(s.spectrumUsPerFrame, 100, 1e-9);
    EXPECT_DOUBLE_EQ(s.glCallsPerFrame, 1000);
    EXPECT_TRUE(scenes[0].frames == 0 && scenes[0].ratio == 0);
}

Report SmallReport(double floorMs) {
    Report r;
    r.machine.cpu = "CPU \"quoted\"";
    r.machine.cores = 2;
    r.startup.firstFrameMs = {100};
    r.startup.loadingMs = {250, 350, 200};
    double t = 0;
    for (int scene = -1; scene < kSceneNum; ++scene)
        for (int i = 0; i < 30; ++i) {
            FrameRecord f = Frame(static_cast<int>(r.frames.size()), scene, 10 + (i % 7),
                                  scene < 0 ? -1 : floorMs);
            t += f.demoNs * 1e-9;
            r.frames.push_back(f);
        }
    r.totalSeconds = t;
    r.scenes = FiguresByScene(r.frames);
    r.peakMemoryMiB = 150;
    return r;
}

TEST(BenchReport, JsonCarriesEveryFigureAndTheTargets) {
    TempDir dir;
    const std::string path = dir.file("report.json");
    ASSERT_TRUE(WriteReportJson(SmallReport(14.5), path));
    const std::vector<uint8_t> bytes = ReadFileBytes(path);
    const std::string json(bytes.begin(), bytes.end());
    EXPECT_NE(json.find("\"cpu\": \"CPU \\\"quoted\\\"\""), std::string::npos);
    EXPECT_NE(json.find("\"loading_ms\": 250.000"), std::string::npos); // the median
    EXPECT_NE(json.find("\"name\": \"sphere field\""), std::string::npos);
    EXPECT_NE(json.find("\"ratio_met\": true"), std::string::npos);
    EXPECT_NE(json.find("\"memory_met\": false"), std::string::npos);
    // Brackets balance: a reader gets the whole document.
    int depth = 0;
    for (char c : json) {
        depth += (c == '{' || c == '[') - (c == '}' || c == ']');
        ASSERT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);

    ASSERT_TRUE(WriteReportJson(SmallReport(8), path));
    const std::vector<uint8_t> slower = ReadFileBytes(path);
    EXPECT_NE(std::string(slower.begin(), slower.end()).find("\"ratio_met\": false"),
              std::string::npos);
    EXPECT_FALSE(WriteReportJson(SmallReport(8), dir.file("missing/report.json")));
}

TEST(BenchReport, PlotShowsBothSeriesOverTheScenes) {
    TempDir dir;
    const std::string path = dir.file("plot.png");
    ASSERT_TRUE(WriteFrametimePlot(SmallReport(12).frames, path, 900, 400));
    int width = 0, height = 0, channels = 0;
    unsigned char* pixels = stbi_load(path.c_str(), &width, &height, &channels, 3);
    ASSERT_NE(pixels, nullptr);
    EXPECT_TRUE(width == 900 && height == 400);
    auto count = [&](uint8_t r, uint8_t g, uint8_t b) {
        int n = 0;
        for (int i = 0; i < width * height; ++i)
            n += pixels[3 * i] == r && pixels[3 * i + 1] == g && pixels[3 * i + 2] == b;
        return n;
    };
    EXPECT_GT(count(31, 100, 190), 200);   // the demo's line across the whole width
    EXPECT_GT(count(230, 120, 20), 150);   // the floor's, over the scenes only
    EXPECT_GT(count(40, 160, 80), 150);    // the demo's frames measured beside it
    EXPECT_GT(count(250, 244, 236), 1000); // the loading band
    stbi_image_free(pixels);
    EXPECT_FALSE(WriteFrametimePlot({}, dir.file("missing/plot.png")));
}

#ifdef REROVUZ_GLREC_PATH
// The recorder's stand-ins, taken from the library itself: loaded with dlopen it does not
// stand in front of this program's own GL calls, which serve as the reference.
// clang-format off
#define GL_FUNCTIONS(X)                                                                        \
    X(ClearColor) X(Clear) X(MatrixMode) X(LoadIdentity) X(Ortho) X(Translated) X(MultMatrixf) \
    X(Rotatef) X(PushMatrix) X(PopMatrix) X(Enable) X(Disable) X(Begin) X(End) X(Color4f)      \
    X(Color3f) X(Normal3fv) X(Vertex2f) X(Vertex3f) X(Vertex3fv) X(Lightfv) X(LightModelfv)    \
    X(EnableClientState) X(DisableClientState) X(VertexPointer) X(DrawElements)
// clang-format on
#define GL_MEMBER(name) decltype(&gl##name) name;
#define GL_FIND(name) find(name, "gl" #name);
struct RecorderApi {
    void* library = nullptr;
    GlrecSetModeFn setMode;
    GlrecCountFn callNum;
    GlrecReplayFn replay;
    GlrecReplayFn replayIdle;
    GlrecResetFn reset;
    GlrecStreamBytesFn streamBytes;
    GL_FUNCTIONS(GL_MEMBER)

    template <class F> void find(F& function, const char* name) {
        function = reinterpret_cast<F>(dlsym(library, name));
        ASSERT_NE(function, nullptr) << name;
    }

    void load() {
        library = dlopen(REROVUZ_GLREC_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library, nullptr) << dlerror();
        find(setMode, GLREC_SET_MODE);
        find(callNum, GLREC_CALL_NUM);
        find(replay, GLREC_REPLAY);
        find(replayIdle, GLREC_REPLAY_IDLE);
        find(reset, GLREC_RESET);
        find(streamBytes, GLREC_STREAM_BYTES);
        GL_FUNCTIONS(GL_FIND)
    }
};

// Doubles, float arrays, parameter arrays of three lengths, client-array pointers and matrix
// pushes all change the picture if a stand-in records them wrongly.
void DrawScene(const RecorderApi& gl) {
    static const float kVertices[] = {0.3f, -0.9f, 0.9f, -0.9f, 0.6f, -0.3f};
    static const unsigned kIndices[] = {2, 0, 1};
    const float skew[16] = {0.8f, 0.1f, 0, 0, -0.1f, 0.7f, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    const float diffuse[4] = {0.2f, 0.4f, 1.0f, 1.0f};
    const float direction[4] = {0.3f, 0.2f, 1.0f, 0.0f};
    const float ambient[4] = {0.3f, 0.0f, 0.1f, 1.0f};
    const float normal[3] = {0.0f, 0.6f, 0.8f};
    const float corner[3] = {-0.2f, 0.6f, 0.0f};

    gl.ClearColor(0.1f, 0.2f, 0.3f, 1.0f);
    gl.Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gl.Disable(GL_DEPTH_TEST);
    gl.Disable(GL_CULL_FACE);
    gl.Disable(GL_TEXTURE_2D);
    gl.Disable(GL_BLEND);
    gl.MatrixMode(GL_PROJECTION);
    gl.PushMatrix();
    gl.LoadIdentity();
    gl.Ortho(-1.25, 1.25, -1.0, 1.0, -1.0, 1.0);
    gl.MatrixMode(GL_MODELVIEW);
    gl.PushMatrix();
    gl.LoadIdentity();
    gl.Translated(0.125, -0.0625, 0.0);
    gl.MultMatrixf(skew);

    gl.Begin(GL_TRIANGLES);
    gl.Color4f(1.0f, 0.5f, 0.0f, 1.0f);
    gl.Vertex3f(-0.9f, -0.8f, 0.0f);
    gl.Color3f(0.0f, 1.0f, 0.25f);
    gl.Vertex2f(-0.1f, -0.7f);
    gl.Vertex3fv(corner);
    gl.End();

    gl.Enable(GL_LIGHTING);
    gl.Enable(GL_LIGHT0);
    gl.Enable(GL_COLOR_MATERIAL);
    gl.Lightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    gl.Lightfv(GL_LIGHT0, GL_POSITION, direction);
    gl.LightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    gl.PushMatrix();
    gl.Rotatef(25.0f, 0.0f, 0.0f, 1.0f);
    gl.Begin(GL_TRIANGLES);
    gl.Color3f(1.0f, 1.0f, 1.0f);
    gl.Normal3fv(normal);
    gl.Vertex2f(0.1f, 0.1f);
    gl.Vertex2f(0.9f, 0.2f);
    gl.Vertex2f(0.4f, 0.9f);
    gl.End();
    gl.PopMatrix();
    gl.Disable(GL_LIGHTING);

    gl.Color3f(0.9f, 0.9f, 0.1f);
    gl.EnableClientState(GL_VERTEX_ARRAY);
    gl.VertexPointer(2, GL_FLOAT, 0, kVertices);
    gl.DrawElements(GL_TRIANGLES, 3, GL_UNSIGNED_INT, kIndices);
    gl.DisableClientState(GL_VERTEX_ARRAY);

    gl.PopMatrix();
    gl.MatrixMode(GL_PROJECTION);
    gl.PopMatrix();
    gl.MatrixMode(GL_MODELVIEW);
}

TEST(BenchRecorder, ReplayDrawsWhatTheCallsDrew) {
    TestWindow();
    RecorderApi gl;
    ASSERT_NO_FATAL_FAILURE(gl.load());

    gl.setMode(GLREC_PASS);
    DrawScene(gl);
    const std::vector<uint8_t> direct = ReadFrame();
    const Rgba background = ReadPixel(0, 0);
    int drawn = 0;
    for (size_t i = 0; i < direct.size(); i += 4)
        drawn += direct[i] != background.r || direct[i + 2] != background.b;
    EXPECT_GT(drawn, 10000) << "the scene must cover part of the window";

    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    const std::vector<uint8_t> black = ReadFrame();
    gl.reset();
    gl.setMode(GLREC_RECORD);
    DrawScene(gl);
    gl.setMode(GLREC_PASS);
    EXPECT_EQ(ReadFrame(), black) << "recording alone must draw nothing";
    EXPECT_EQ(gl.callNum(), 48u);
    EXPECT_GT(gl.streamBytes(), 0u);

    gl.replayIdle(); // walks the calls without the driver
    EXPECT_EQ(ReadFrame(), black);
    gl.replay();
    const std::vector<uint8_t> replayed = ReadFrame();
    EXPECT_EQ(replayed, direct);

    // Discarding counts the calls and neither draws nor keeps them.
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    gl.reset();
    gl.setMode(GLREC_DISCARD);
    DrawScene(gl);
    gl.setMode(GLREC_PASS);
    EXPECT_EQ(gl.callNum(), 48u);
    EXPECT_EQ(gl.streamBytes(), 0u);
    EXPECT_EQ(ReadFrame(), black);
}
#endif

} // namespace
