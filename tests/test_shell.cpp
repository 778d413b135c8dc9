// The shell: scene clock, error reports, the random generator, the window, the pump, the scene
// dispatch and the GL state a scene receives.
#include "app/demo.h"
#include "app/demo_window.h"
#include "app/globals.h"
#include "base/random.h"
#include "base/report_error.h"
#include "base/scene_timer.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/window.h"
#include "scenes/asset_list.h"
#include "scenes/assets.h"
#include "scenes/scenes.h"
#include "test_support.h"
#include "virtual_clock.h"

#include <GL/gl.h>
#include <SDL2/SDL.h>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

TEST(SceneTimer, ElapsedIsTheFloatDifferenceOfAbsoluteTimes) {
    // At 100000 s a float second resolves 1/128 s: a tick later the elapsed time still reads 0.
    AdvanceSeconds(100000.0);
    SceneTimer late;
    PlatformAdvanceVirtualCounter(1);
    EXPECT_EQ(late.update(), 0.0f);
    AdvanceSeconds(1.0);
    EXPECT_EQ(late.update(), 1.0f);
}

TEST(Random, TheClassicSequenceForItsSeed) {
    SeedRandom(1);
    EXPECT_EQ(NextRandom(), 41);
    EXPECT_EQ(NextRandom(), 18467);
}

TEST(ReportError, WritesExactTextUpTo1023CharactersAndShowsErrorBox) {
    BoxLog boxes;
    const std::string fits(1023, 'a');
    testing::internal::CaptureStdout();
    ReportError("100%% sure: %s %u", "50% off\n", 42u);
    ReportError("%s", fits.c_str());
    ReportError("%s", (fits + "b").c_str());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "100% sure: 50% off\n 42" + fits + fits);
    EXPECT_EQ(boxes.reports(), (std::vector<std::string>{"100% sure: 50% off\n 42", fits, fits}));
}

TEST(DemoWindow, FullscreenFallsBackToWindowWhenModeIsMissing) {
    TestWindow();
    if (PlatformHasFullscreenMode(800, 600, 32))
        GTEST_SKIP() << "this display has 800 x 600 x 32";
    // A second window cannot be made in this process: the decision alone, with its box.
    BoxLog boxes;
    DemoWindow fallback(true);
    EXPECT_EQ(boxes.texts, std::vector<std::string>{"Unable to switch to fullscreen"});
    EXPECT_EQ(boxes.titles, std::vector<std::string>{"Window error"});
    EXPECT_TRUE(!fallback.fullscreen && fallback.hasWindow);
    PlatformMakeCurrent(); // the test window again, for the tests that follow
}

namespace {
int g_presented = 0;

// A key press, or with no key the window's close button.
void Push(SDL_Keycode key = 0) {
    SDL_Event e = {};
    e.type = key ? SDL_KEYDOWN : SDL_WINDOWEVENT;
    e.key.keysym.sym = key;
    if (!key)
        e.window.event = SDL_WINDOWEVENT_CLOSE;
    SDL_PushEvent(&e);
}
void DrainEvents() {
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    for (int i = 0; i < 100 && PlatformTakeMessage() != WindowMessage::None; ++i) {
    }
}
std::string g_calls;
int g_thirdCalls = 0;
} // namespace

TEST(Dispatch, ScenesAdvanceOnceWithNoFrameSkippedAndThenQuit) {
    DemoWindow* window = TestWindow();
    DrainEvents(); // what the window's start left queued (Windows has some) is no frame of ours
    const Scene scenes[] = {{"a", 0, [] { return g_calls += 'A', true; }},
                            {"b", 0, [] { return g_calls += 'B', true; }},
                            {"c", 0, [] { return g_calls += 'C', ++g_thirdCalls == 3; }}};
    g_sceneIndex = 0;
    // The main loop as the demo runs it, with the three fake scenes.
    int frames = 0;
    while (window->pump()) {
        DispatchScene(scenes, 3);
        ++frames;
        ASSERT_LT(frames, 20);
    }
    // A and B end on their first call; C on its third. One scene per frame, none skipped,
    // then one frame that posts the quit message and draws nothing.
    EXPECT_TRUE(g_calls == "ABCCC" && frames == 6 && g_sceneIndex == 3) << g_calls;
    g_sceneIndex = 0;
}

TEST(Demo, EveryMissingFileReportedInOrderAndTheStateTheScenesReceive) {
    TestWindow();
    TempDir empty;
    ASSERT_EQ(chdir(empty.path.c_str()), 0);
    BoxLog boxes;
    testing::internal::CaptureStdout();
    PlatformSetVirtualStepPerFrame(kTicksPerSecond / 60); // the loading fade needs time to pass
    Demo demo(g_window);
    PlatformSetVirtualStepPerFrame(0);
    std::string expected;
    for (const AssetFile& file : kAssetFiles)
        expected += file.kind == AssetKind::Music
                        ? "BASS error: File not found?\nBASS Error!\nErrorcode: " +
                              std::to_string(AUDIO_ERROR_FILE_OPEN) + "\n"
                    : file.kind == AssetKind::Model
                        ? std::string("Can't open file ") + file.path + " to load mesh."
                        : std::string("Texture load: Can't load the texture in file '") +
                              file.path + "' for some reason.";
    expected += "BASS error: Can't play the stream\nBASS Error!\nErrorcode: " +
                std::to_string(AUDIO_ERROR_HANDLE) + "\n";
    EXPECT_EQ(testing::internal::GetCapturedStdout(), expected);
    boxes.clear();
    runSphereFieldScene(); // the empty cross warns on every draw
    EXPECT_EQ(boxes.reports(), std::vector<std::string>{"Warning: Drawing model where meshNum is 0 "
                                                        "or meshes is NULL"});

    // The window's and the demo's, as every scene first receives them.
    for (GLenum on : {GL_DEPTH_TEST, GL_CULL_FACE, GL_LINE_SMOOTH, GL_COLOR_MATERIAL, GL_NORMALIZE})
        EXPECT_TRUE(glIsEnabled(on)) << on;
    const std::pair<GLenum, GLint> state[] = {
        {GL_FRONT_FACE, GL_CCW},
        {GL_SHADE_MODEL, GL_SMOOTH},
        {GL_DEPTH_FUNC, GL_LEQUAL},
        {GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST},
        {GL_COLOR_MATERIAL_FACE, GL_FRONT},
        {GL_COLOR_MATERIAL_PARAMETER, GL_AMBIENT_AND_DIFFUSE}};
    for (const auto& [name, want] : state) {
        GLint value = 0;
        glGetIntegerv(name, &value);
        EXPECT_EQ(value, want) << name;
    }
    // 45 degrees, 4:3, near 0.01, far 1000: cot 22.5 deg / (4/3), cot 22.5 deg, -(f+n)/(f-n);
    // the clear colour back to black after the white loading picture.
    GLint viewport[4];
    GLfloat projection[16], clear[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    EXPECT_EQ(std::vector<GLint>(viewport, viewport + 4), (std::vector<GLint>{0, 0, 800, 600}));
    EXPECT_FLOAT_EQ(projection[0], 1.8106601f);
    EXPECT_FLOAT_EQ(projection[5], 2.4142137f);
    EXPECT_FLOAT_EQ(projection[10], -1.00002f);
    EXPECT_EQ(std::vector<GLfloat>(clear, clear + 4), (std::vector<GLfloat>{0, 0, 0, 1}));
    EXPECT_TRUE(g_windowWidth == 800 && g_windowHeight == 600);
    ASSERT_EQ(chdir("/"), 0);
}

// A scene's last frame is the first its clock reads strictly past its length. On the assets the
// test above loaded (none); its sphere field frame started that scene's clock at this very tick,
// the others start on their first frame here. The counter is past 65536 s (the first test put
// it there), where 1/128 s is an exact float step.
TEST(Demo, EachSceneEndsOnTheFirstFrameStrictlyPastItsLength) {
    ASSERT_TRUE(g_music) << "runs after the test above";
    BoxLog boxes; // the empty models warn on every draw
    for (int i : {1, 0, 2, 3, 4}) {
        const Scene& scene = kScenes[i];
        EXPECT_TRUE(i == 1 || !scene.run()) << scene.name;
        AdvanceSeconds(scene.seconds);
        EXPECT_FALSE(scene.run()) << scene.name << " at its length";
        AdvanceSeconds(1.0 / 128);
        EXPECT_TRUE(scene.run()) << scene.name << " past it";
    }
}

TEST(Pump, OneMessagePerFrameAndQuitOnlyAfterPendingMessages) {
    DemoWindow* window = TestWindow();
    DrainEvents();
    PlatformSetPresentHook([](void*) { ++g_presented; }, nullptr);
    EXPECT_TRUE(window->pump()); // nothing waiting: a frame is still shown
    for (SDL_Keycode key : {SDLK_ESCAPE, SDLK_b, SDLK_c})
        Push(key);
    EXPECT_TRUE(window->pump());  // takes Escape, posts quit
    EXPECT_TRUE(window->pump());  // b still waiting: quit not handed out yet
    EXPECT_TRUE(window->pump());  // c: other keys do nothing
    EXPECT_FALSE(window->pump()); // now the quit message
    EXPECT_EQ(g_presented, 4);    // the quitting call shows no frame
    PlatformSetPresentHook(nullptr, nullptr);
    Push();
    EXPECT_TRUE(window->pump());
    EXPECT_FALSE(window->pump());
}

// Without a window, or a GL context for it, there is no show: the demo ends at once with 1,
// before loading and the music (which its trace would show), and the capture writes no frame.
// Near the end of this file: the drivers it names for the programs it starts stay named in
// this process, whose own window was made before.
TEST(DemoWindow, NoPictureNoShow) {
    TempDir dir;
    SDL_setenv("REROVUZ_TRACE", "1", 1);
    SDL_setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
    // A minute at most: a run that goes on plays the whole show.
    EXPECT_EQ(RunProgram({DemoDir() + "/rerovuz"}, dir.file("out"), dir.file("err"), 60), 1);
    EXPECT_EQ(ReadFileText(dir.file("out")), "");
    EXPECT_EQ(ReadFileText(dir.file("err")).find("music starts"), std::string::npos);
    // The capture's own driver, with no GL library to be had (EGL offscreen, WGL on Windows).
    SDL_setenv("SDL_VIDEO_EGL_DRIVER", "no-such-library", 1);
    SDL_setenv("SDL_OPENGL_LIBRARY", "no-such-library", 1);
    const std::string frames = dir.file("frames");
    EXPECT_EQ(
        RunProgram({DemoDir() + "/rerovuz-capture", "--out", frames}, "", dir.file("err"), 60), 1);
    EXPECT_NE(ReadFileText(dir.file("err")).find("no OpenGL context"), std::string::npos);
    EXPECT_TRUE(ReadFileBytes(frames + "/frame00000.png").empty());
}

// In a process of its own (this program again, this test alone): the interrupt stays set for
// the rest of the process, and the demo frees nothing it loads, so that a second load in one
// process would leave the first one's objects unreachable.
TEST(Interrupt, SigtermEndsTheRunLikeClosingTheWindow) {
    if (!std::getenv("REROVUZ_TEST_INTERRUPT")) {
        TempDir dir;
        SDL_setenv("REROVUZ_TEST_INTERRUPT", "1", 1);
        // A minute at most: the loading once waited forever here.
        const int status =
            RunProgram({testing::internal::GetArgvs()[0], "--gtest_filter=Interrupt.*"},
                       dir.file("out"), "", 60);
        const std::string out = ReadFileText(dir.file("out"));
        EXPECT_EQ(status, 0) << out;
        EXPECT_NE(out.find("[  PASSED  ] 1 test."), std::string::npos) << out;
        return;
    }
    DemoWindow* window = TestWindow();
    DrainEvents();
    EXPECT_TRUE(window->pump());
    std::raise(SIGTERM);
    EXPECT_FALSE(window->pump());
    // During loading the request waits for the loading's end, on the capture's clock too (its
    // fade once waited forever for frames that were never shown).
    TempDir empty;
    ASSERT_EQ(chdir(empty.path.c_str()), 0);
    BoxLog boxes;
    testing::internal::CaptureStdout(); // the missing files
    PlatformSetVirtualStepPerFrame(kTicksPerSecond / 60);
    Demo demo(window);
    testing::internal::GetCapturedStdout();
    EXPECT_FALSE(window->pump());
    ASSERT_EQ(chdir("/"), 0);
}
