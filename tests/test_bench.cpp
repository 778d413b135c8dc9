// The benchmark's report: each scene's figures, loading and memory, the targets, the table
// and the plot.
#include "scenes/scenes.h"
#include "tools/bench/bench.h"

#include "test_support.h"

#include <GL/gl.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

namespace {

// Loading, then `perScene` frames of every scene; the floor pass's frames beside the floor
// run 1 ms slower than the floor.
std::vector<Frame> Frames(int perScene, double floorMs) {
    std::vector<Frame> frames(1); // loading: counted in no scene
    frames[0].ms = 20;
    for (int scene = 0; scene < kSceneNum; ++scene)
        for (int i = 0; i < perScene; ++i) {
            Frame f;
            f.scene = scene;
            f.ms = 10 + i % 7;
            f.stepNs = static_cast<int64_t>(f.ms * 1e6);
            f.floorMs = i % 4 == 0 ? floorMs : -1;
            f.besideMs = i % 4 >= 2 ? floorMs + 1 : -1;
            f.logicUs = 30;
            f.glCalls = 1000;
            frames.push_back(f);
        }
    return frames;
}

TEST(BenchReport, CarriesEveryFigureAndTheTargetsAndThePlotShowsTheSeries) {
    BenchRuns runs;
    runs.machine = {{"cpu", "CPU \"quoted\""}, {"cores", 2}};
    for (double ms : {250.0, 90.0, 95.0})
        runs.loads.push_back({{"loading_ms", ms}, {"music_cpu_ms", 4.0}, {"pictures_ms", 60.0}});
    runs.baselineMiB = 80;
    runs.peakMiB = 120;
    runs.textureMiB = 30;
    runs.frames = Frames(30, 40);       // beside 41 over 40
    runs.frames[8].ms = 40;             // a slow title frame
    runs.frames[8].stepNs = 1000000000; // on which the clocks jumped a second
    nlohmann::json r = BuildReport(runs);
    const nlohmann::json& title = r["scenes"][0];
    EXPECT_EQ(title["frames"], 30);
    EXPECT_NEAR(title["seconds"].get<double>(), 1.375, 1e-9);  // the clocks' own time
    EXPECT_NEAR(title["fps"].get<double>(), 30 / 0.415, 1e-9); // over the frame times
    // Nearest rank: an interpolating p99 would be 33.
    const nlohmann::json& ms = title["frame_ms"];
    EXPECT_TRUE(ms["p50"] == 13 && ms["p95"] == 16 && ms["p99"] == 40 && ms["max"] == 40);
    EXPECT_NEAR(ms["mean"].get<double>(), 415 / 30.0, 1e-9);
    EXPECT_NEAR(title["ratio"].get<double>(), 41.0 / 40.0, 1e-9); // unmeasured frames left out
    EXPECT_DOUBLE_EQ(r["startup"]["loading_ms"], 95);             // the median
    EXPECT_DOUBLE_EQ(r["startup"]["loading_by_kind_ms"]["pictures"], 60);
    EXPECT_DOUBLE_EQ(r["peak_over_baseline_mib"], 40);
    EXPECT_DOUBLE_EQ(r["scenes"][4]["gl_calls_per_frame"], 1000);
    EXPECT_TRUE(r["targets"]["ratio_met"] && r["targets"]["loading_met"] &&
                r["targets"]["logic_met"]);
    EXPECT_FALSE(r["targets"]["memory_met"]); // 40 over the baseline, 30 + 8 allowed
    EXPECT_NE(ReportTable(r).find("sphere field"), std::string::npos);

    // The plot: the demo's line across the whole width, the floor's over the scenes only, the
    // demo's frames measured beside the floor, and the loading band.
    TempDir dir;
    ASSERT_TRUE(WriteFrametimePlot(runs.frames, dir.file("plot.png"), 900, 400));
    EXPECT_FALSE(WriteFrametimePlot({}, dir.file("missing/plot.png")));
    int width = 0, height = 0, channels = 0;
    unsigned char* pixels = stbi_load(dir.file("plot.png").c_str(), &width, &height, &channels, 3);
    ASSERT_TRUE(pixels && width == 900 && height == 400);
    for (auto [rgb, least] :
         {std::pair{0x1f64be, 200}, {0xe67814, 150}, {0x28a050, 150}, {0xfaf4ec, 1000}}) {
        int n = 0;
        for (int i = 0; i < width * height; ++i)
            n += (pixels[3 * i] << 16 | pixels[3 * i + 1] << 8 | pixels[3 * i + 2]) == rgb;
        EXPECT_GT(n, least) << std::hex << rgb;
    }
    stbi_image_free(pixels);

    runs.frames = Frames(30, 8); // beside 9 over 8: too slow
    EXPECT_FALSE(BuildReport(runs)["targets"]["ratio_met"]);
}

// The counter's stand-ins, taken from the library itself: opened with dlopen it does not stand
// in front of this program's own GL calls.
TEST(BenchCounter, CountsEveryCallAndSwallowsThemWhenAsked) {
    TestWindow();
    void* library = dlopen(REROVUZ_GLCOUNT_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    const auto take = reinterpret_cast<decltype(&GlCounterTake)>(dlsym(library, "GlCounterTake"));
    const auto swallow =
        reinterpret_cast<decltype(&GlCounterSwallow)>(dlsym(library, "GlCounterSwallow"));
    const auto clear = reinterpret_cast<decltype(&glClearColor)>(dlsym(library, "glClearColor"));
    const auto ortho = reinterpret_cast<decltype(&glOrtho)>(dlsym(library, "glOrtho"));
    ASSERT_TRUE(take && swallow && clear && ortho);
    // Six doubles reach the driver in order: a wrong stand-in would move the matrix.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    take();
    ortho(-1, 3, -2, 6, -1, 1);
    GLdouble m[16];
    glGetDoublev(GL_PROJECTION_MATRIX, m);
    EXPECT_TRUE(m[0] == 0.5 && m[5] == 0.25 && m[12] == -0.5 && m[13] == -0.5);
    swallow(1);
    clear(1, 1, 1, 1); // swallowed: the clear colour stays
    swallow(0);
    GLfloat colour[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, colour);
    EXPECT_EQ(colour[0], 0.0f);
    EXPECT_EQ(take(), 2u); // both calls counted, this program's own not
    EXPECT_EQ(take(), 0u);
    dlclose(library);
}

} // namespace
