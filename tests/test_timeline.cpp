// The whole demo, played by rerovuz-capture on the virtual counter and read back from the
// frames it writes: loading, the five scenes on their frames, and the music's pull on them.
// One capture plays at 20 frames a second with the soundtrack; two more at one frame a second
// with every spectrum band held at 0 and at 0.5, side by side. Missing and broken files are
// the hostile-asset test's.
#include "app/globals.h"
#include "platform/files.h"
#include "platform/image_decoder.h"
#include "resources/overlay.h"
#include "scenes/scenes.h"
#include "test_support.h"

#include <GL/gl.h>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {
constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr float kConstantSpectrum = 0.5f;
// The window's projection: 45 degrees, 4:3, square pixels.
const double kPixelsPerUnit = (kHeight / 2) / std::tan(22.5 * M_PI / 180.0);

// Frame numbers as the capture counts them, fixed figures rather than worked out with the
// demo's clock. Frame 0 is the loading picture and the fade takes frames 1 to 2 s x fps; the
// main loop then shows one frame before the title draws. Each scene lasts its length x fps
// frames and one or two more: it ends on the first frame whose float clock reads strictly
// more than its length in the scene table; the frame after the last posts the quit.
struct Timeline {
    int fps;
    int64_t start[5];
    int64_t frames; // shown in the whole run
    int64_t at(int scene, double seconds) const {
        return start[scene] + std::llround(seconds * fps);
    }
    int64_t last(int scene) const { return scene < 4 ? start[scene + 1] - 1 : frames - 1; }
    double time(int scene, int64_t frame) const {
        return static_cast<double>(frame - start[scene]) / fps;
    }
};
const Timeline kMain = {20, {42, 104, 406, 808, 1090}, 1452};
const Timeline kQuick = {1, {4, 8, 24, 45, 61}, 81};

using Picture = std::vector<uint8_t>; // 800 x 600 RGBA, top row first
using Region = std::function<bool(int, int)>;
const Picture kWhite(size_t{kWidth} * kHeight * 4, 255);

const uint8_t* At(const Picture& picture, int x, int y) {
    return &picture[(static_cast<size_t>(y) * kWidth + x) * 4];
}

int Distance(const uint8_t* a, const uint8_t* b) {
    return std::max({std::abs(a[0] - b[0]), std::abs(a[1] - b[1]), std::abs(a[2] - b[2])});
}

// Pixels further than `tolerance` from `expected` among those `counted` selects.
int64_t CountDiffering(const Picture& frame, const Picture& expected, int tolerance,
                       const Region& counted = nullptr) {
    int64_t differing = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            differing += (!counted || counted(x, y)) &&
                         Distance(At(frame, x, y), At(expected, x, y)) > tolerance;
    return differing;
}

// Left, top, right and bottom of the pixels further than `tolerance` from `expected`.
std::array<int, 4> Bounds(const Picture& frame, const Picture& expected, int tolerance,
                          const Region& counted) {
    std::array<int, 4> box = {kWidth, kHeight, -1, -1};
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (counted(x, y) && Distance(At(frame, x, y), At(expected, x, y)) > tolerance)
                box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x),
                       std::max(box[3], y)};
    return box;
}

// A frame that differs is left in the working folder to look at.
void ExpectSame(const Picture& frame, const Picture& expected, const std::string& what,
                const Region& counted = nullptr) {
    const int64_t differing = CountDiffering(frame, expected, 2, counted);
    EXPECT_EQ(differing, 0) << what;
    if (differing)
        WritePng("timeline " + what + ".png", frame, kWidth, kHeight);
}

// The capture names each picture by the smallest millisecond that falls within its frame.
std::string Moment(int fps, int64_t frame) {
    const int64_t ms = (frame * 1000 + fps - 1) / fps;
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%03lld", static_cast<long long>(ms / 1000),
                  static_cast<long long>(ms % 1000));
    return text;
}

struct CaptureRun {
    Timeline timeline;
    std::string folder;
    int pid = -1;
    int status = -1;
    std::string out; // what the demo printed, then the capture's summary

    // Writes `frames` and, as one moment past the end, plays on until the demo quits.
    void spawn(const std::vector<int64_t>& frames, const std::string& spectrum) {
        std::filesystem::create_directories(folder);
        std::string at = std::to_string(timeline.frames + 10);
        for (int64_t frame : frames)
            at += "," + Moment(timeline.fps, frame);
        std::vector<std::string> args = {DemoDir() + "/rerovuz-capture",
                                         "--fps",
                                         std::to_string(timeline.fps),
                                         "--out",
                                         folder,
                                         "--at",
                                         at};
        if (!spectrum.empty())
            args.insert(args.end(), {"--spectrum", spectrum});
        pid = PlatformStartProgram(args, folder + "/stdout.txt", "");
    }

    void finish() {
        status = PlatformWaitProgram(pid, 600);
        const std::vector<uint8_t> bytes = ReadFileBytes(folder + "/stdout.txt");
        out.assign(bytes.begin(), bytes.end());
    }
    Picture frame(int64_t number) const {
        Picture picture;
        DecodedImage image;
        if (!image.decode((folder + "/t" + Moment(timeline.fps, number) + ".png").c_str()) ||
            image.width() != kWidth || image.height() != kHeight || image.bitsPerPixel() < 24) {
            ADD_FAILURE() << "no frame " << number << " in " << folder;
            return Picture(kWhite.size(), 0);
        }
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const uint8_t* p =
                    image.topRow() + y * image.pitch() + x * image.bitsPerPixel() / 8;
                picture.insert(picture.end(), {p[2], p[1], p[0], 255});
            }
        return picture;
    }
};

// The runs and the pictures they are compared with, drawn by the overlays from the demo's
// own files; set up on first use.
class Playthrough {
  public:
    static Playthrough& get() {
        static Playthrough playthrough;
        return playthrough;
    }
    CaptureRun main, zero, constant;
    std::vector<std::unique_ptr<Overlay>> overlays;

    Picture loadingFrame(float alpha) { return draw(1.0f, 0, alpha); }
    Picture titleFrame() { return draw(0.0f, 1); }
    Picture sphereBackground() { return draw(0.0f, 2); }
    Picture mosaicBackground(double t) { return draw(0.0f, 3, 1.0f, static_cast<float>(30 * t)); }
    Picture particleBackground() { return draw(0.0f, 4); }
    Picture groupFrame(float alpha) { return draw(1.0f, 5, alpha); }

  private:
    Playthrough() {
        main.timeline = kMain;
        zero.timeline = constant.timeline = kQuick;
        const Timeline& m = kMain;
        std::vector<int64_t> frames = {0, m.fps, 2 * m.fps, m.start[0], m.last(0)};
        for (double s : {9.9, 12.5})
            frames.push_back(m.at(1, s));
        for (double s : {3.95, 4.05, 12.5, 19.2})
            frames.push_back(m.at(2, s));
        frames.insert(frames.end(), {m.last(2), m.at(3, 5.0)});
        for (double s : {9.9, 11.5, 12.5, 17.2})
            frames.push_back(m.at(4, s));
        frames.push_back(m.last(4));
        main.folder = folder_.file("main");
        main.spawn(frames, "");
        const Timeline& q = kQuick;
        const std::vector<int64_t> quick = {q.at(1, 1), q.start[2], q.at(4, 13)};
        zero.folder = folder_.file("zero");
        zero.spawn(quick, "0");
        constant.folder = folder_.file("constant");
        constant.spawn(quick, std::to_string(kConstantSpectrum));

        EXPECT_TRUE(PlatformChangeFolder(DemoDir().c_str())) << DemoDir();
        TestWindow();
        g_windowWidth = kWidth;
        g_windowHeight = kHeight;
        glDisable(GL_DEPTH_TEST);
        for (const char* file :
             {"Text/loading.png", "Text/title.png", "Textures/bg.png", "Textures/bg2.png",
              "Textures/particlebg.jpg", "Text/trollbeks.jpg", "Text/skrabo.png", "Text/plind.png",
              "Text/vexa.png"}) {
            overlays.push_back(std::make_unique<Overlay>(file));
            if (overlays.size() > 1)
                overlays.back()->fillWindow();
        }
        overlays[0]->centerOnWindow();
        overlays[0]->color[0] = 0.17253245f;
        overlays[0]->color[1] = 0.4352345f;
        overlays[0]->color[2] = 0.58823425f;
        overlays[3]->drawWidth *= 2;
        overlays[3]->drawHeight *= 2;
        for (CaptureRun* run : {&main, &zero, &constant})
            run->finish();
    }

    Picture draw(float clear, int overlay, float alpha = 1.0f, float rotation = 0.0f) {
        glClearColor(clear, clear, clear, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        overlays[overlay]->color[3] = alpha;
        overlays[overlay]->rotation = rotation;
        overlays[overlay]->draw();
        return ReadFrame();
    }

    TempDir folder_;
};
} // namespace

TEST(Timeline, ScenesStartOnTheirFramesAndNothingIsReported) {
    Playthrough& demo = Playthrough::get();
    for (const CaptureRun* run : {&demo.main, &demo.zero, &demo.constant}) {
        SCOPED_TRACE(run->out);
        const Timeline& t = run->timeline;
        EXPECT_EQ(run->status, 0);
        EXPECT_EQ(run->out.find("scene 0 ("), 0u); // no report before the capture's summary
        for (int i = 0; i < 5; ++i)
            EXPECT_NE(run->out.find("scene " + std::to_string(i) + " (" + kScenes[i].name +
                                    ") starts at frame " + std::to_string(t.start[i]) + " ("),
                      std::string::npos);
        EXPECT_NE(run->out.find("\n" + std::to_string(t.frames) + " frames at " +
                                std::to_string(t.fps) + " fps\n"),
                  std::string::npos);
    }
}

TEST(Timeline, LoadingPictureFadesOverTwoSecondsThenTheTitleCoversTheWindow) {
    Playthrough& demo = Playthrough::get();
    const int fps = kMain.fps;
    // The fade's clock starts on frame 1 and is read before each draw.
    for (int64_t frame : {0, fps, 2 * fps}) {
        const float alpha = frame ? 1.0f - 0.5f * (frame - 1) / fps : 1.0f;
        ExpectSame(demo.main.frame(frame), demo.loadingFrame(alpha),
                   "loading " + std::to_string(frame));
    }
    for (int64_t frame : {kMain.start[0], kMain.last(0)})
        ExpectSame(demo.main.frame(frame), demo.titleFrame(), "title " + std::to_string(frame));
}

TEST(SphereFieldScene, LightWashesOutAfterTenSeconds) {
    Playthrough& demo = Playthrough::get();
    const Picture background = demo.sphereBackground();
    for (double seconds : {9.9, 12.5}) {
        // The light's ambient is 2 and grows by 0.025 after every frame past 10 s. A sphere's
        // grey is its material 0.1 under the global ambient 1 and the light's, plus up to 0.1
        // of diffuse: the median grey of the grey pixels off the background lies in between.
        const int64_t frame = kMain.at(1, seconds);
        const double ambient = 2.0 + 0.025 * std::max<int64_t>(0, frame - kMain.at(1, 10.0) - 1);
        const Picture shown = demo.main.frame(frame);
        std::vector<int> greys;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const uint8_t* p = At(shown, x, y);
                if (std::max({p[0], p[1], p[2]}) - std::min({p[0], p[1], p[2]}) <= 3 &&
                    Distance(p, At(background, x, y)) > 30)
                    greys.push_back(p[1]);
            }
        ASSERT_GT(greys.size(), 20000u) << seconds;
        std::nth_element(greys.begin(), greys.begin() + greys.size() / 2, greys.end());
        const int median = greys[greys.size() / 2];
        EXPECT_GE(median, std::floor(0.1 * (ambient + 1) * 255) - 2) << seconds << " s";
        EXPECT_LE(median, std::ceil(0.1 * (ambient + 2) * 255) + 2) << seconds << " s";
    }
}

TEST(MosaicScene, SideModelsOnlyAfterFourSecondsAndTheViewHoldsKeyFiveAfterNineteen) {
    Playthrough& demo = Playthrough::get();
    // Pixels of a frame off the turning background, where `counted` selects.
    auto models = [&](double seconds, const Region& counted) {
        const int64_t frame = kMain.at(2, seconds);
        return CountDiffering(demo.main.frame(frame), demo.mosaicBackground(kMain.time(2, frame)),
                              12, counted);
    };
    const Region nearMiddle = [](int x, int y) { return std::hypot(x - 400, y - 300) <= 45; };
    const Region awayFromMiddle = [&](int x, int y) { return !nearMiddle(x, y); };
    EXPECT_GT(models(3.95, nearMiddle), 500) << "the middle model";
    EXPECT_EQ(models(3.95, awayFromMiddle), 0) << "nothing beside it before 4 s";
    EXPECT_GT(models(4.05, awayFromMiddle), 1000) << "the side models after 4 s";
    EXPECT_GT(models(12.5, nullptr), 1500) << "models in view half-way along the path";
    // From key 5 the eye sits inside the middle model, looking away from the side ones:
    // only the turning background is seen, however the music shakes the models.
    for (int64_t frame : {kMain.at(2, 19.2), kMain.last(2)})
        ExpectSame(demo.main.frame(frame), demo.mosaicBackground(kMain.time(2, frame)),
                   "mosaic " + std::to_string(frame));
}

TEST(ParticleScene, OnTheMirrorLineAtFiveSeconds) {
    Playthrough& demo = Playthrough::get();
    const Picture background = demo.particleBackground();
    const Picture shown = demo.main.frame(kMain.at(3, 5.0));
    // The particles lie 7 units in front of the eye, scaled by 2: a unit square blob is
    // 0.5 / 7 of kPixelsPerUnit wide either side of its centre. At 5 s each is about half-way
    // from its grid point (X, Y) to (-Y, -X): near the line y = -x, top left to bottom right
    // on the screen, and spread along it.
    const double reach = (0.5 * M_SQRT2 + 0.2) * kPixelsPerUnit / 7.0 + 2;
    EXPECT_EQ(CountDiffering(
                  shown, background, 2,
                  [&](int x, int y) { return std::fabs((x - 400) - (y - 300)) / M_SQRT2 > reach; }),
              0);
    for (int corner : {-1, 1}) {
        const int cx = 400 + corner * 90, cy = 300 + corner * 90;
        EXPECT_GT(CountDiffering(shown, background, 30,
                                 [&](int x, int y) { return std::hypot(x - cx, y - cy) < 40; }),
                  200)
            << "corner " << corner;
    }
}

namespace {
// The box a name may take up, at 1.5 times its picture's size; the third name's is the whole
// band across the window, as the bass stretches it.
Region NameBox(int i) {
    const int centres[3][2] = {{180, 150}, {600, 250}, {400, 450}};
    const Overlay& name = *Playthrough::get().overlays[6 + i];
    const int w = i == 2 ? kWidth : name.width * 3 / 4 + 3, h = name.height * 3 / 4 + 3;
    const int cx = centres[i][0], cy = centres[i][1];
    return [=](int x, int y) { return std::abs(x - cx) <= w && std::abs(y - cy) <= h; };
}
} // namespace

TEST(CreditsScene, GroupPictureFadesAfterTenSecondsAndTheNamesComeInOneASecond) {
    Playthrough& demo = Playthrough::get();
    const Region boxes[3] = {NameBox(0), NameBox(1), NameBox(2)};
    // The group's alpha is set after the draws, so a frame shows the previous frame's.
    for (double seconds : {9.9, 11.5, 12.5}) {
        const int names = seconds < 10 ? 0 : seconds < 12 ? 2 : 3;
        const double before = seconds - 1.0 / kMain.fps;
        const Picture group =
            demo.groupFrame(before > 10 ? static_cast<float>(1.0 - (before - 10) * 0.5) : 1.0f);
        const Picture shown = demo.main.frame(kMain.at(4, seconds));
        const std::string what = "credits " + std::to_string(seconds);
        ExpectSame(shown, group, what, [&](int x, int y) {
            for (int i = 0; i < names; ++i)
                if (boxes[i](x, y))
                    return false;
            return true;
        });
        for (int i = 0; i < names; ++i)
            EXPECT_GT(CountDiffering(shown, group, 2, boxes[i]), 300) << what << ", name " << i;
    }
    // Everything has faded by 17 s: only the white backdrop is left.
    for (int64_t frame : {kMain.at(4, 17.2), kMain.last(4)})
        ExpectSame(demo.main.frame(frame), kWhite, "credits " + std::to_string(frame));
}

TEST(Spectrum, ItPushesTheSpheresShakesTheMosaicViewAndStretchesTheThirdName) {
    Playthrough& demo = Playthrough::get();
    const CaptureRun &zero = demo.zero, &constant = demo.constant;
    const int64_t spheres = kQuick.at(1, 1);
    EXPECT_GT(CountDiffering(zero.frame(spheres), constant.frame(spheres), 2), 1000);

    // The mosaic view, on its first frame key 1, moves by (v, v, v) in the world: the middle
    // model drifts right and up and comes a little nearer. Without it, it is at the centre.
    const Picture still = demo.mosaicBackground(0.0);
    const Region all = [](int, int) { return true; };
    const auto plain = Bounds(zero.frame(kQuick.start[2]), still, 12, all);
    const auto shaken = Bounds(constant.frame(kQuick.start[2]), still, 12, all);
    ASSERT_TRUE(plain[2] > plain[0] && shaken[2] > shaken[0]);
    const double v = kConstantSpectrum, nearer = 20.0 / (20.0 - v);
    const double shift = kPixelsPerUnit * v / (20.0 - v);
    for (int axis = 0; axis < 2; ++axis) {
        const double middle = (axis ? kHeight : kWidth) / 2 - 0.5;
        const double centred = (plain[axis] + plain[axis + 2]) / 2.0;
        EXPECT_NEAR(centred, middle, 1.0);
        EXPECT_NEAR((shaken[axis] + shaken[axis + 2]) / 2.0,
                    middle + (centred - middle) * nearer + (axis ? -shift : shift), 1.5);
    }
    EXPECT_NEAR(shaken[2] - shaken[0], (plain[2] - plain[0]) * nearer, 2.0);

    // The third name's width is |sin 3t| / 2 + 1 plus the value times its picture's; the
    // other names are as without it.
    const Picture names = zero.frame(kQuick.at(4, 13)),
                  stretched = constant.frame(kQuick.at(4, 13));
    const Region band = NameBox(2);
    ExpectSame(stretched, names, "credits, constant spectrum",
               [&](int x, int y) { return !band(x, y); });
    const auto before = Bounds(names, kWhite, 2, band), after = Bounds(stretched, kWhite, 2, band);
    const double pulse = std::fabs(std::sin(3.0 * 13.0));
    EXPECT_NEAR(double(after[2] - after[0]) / (before[2] - before[0]),
                (pulse * 0.5 + 1 + kConstantSpectrum) / (pulse * 0.5 + 1), 0.03);
}
