// The whole demo played by rerovuz-capture on the virtual counter, read back from its frames:
// one capture at 20 fps with the soundtrack, two at 1 fps with every spectrum band held at 0 and
// at 0.5, side by side. Missing and broken files are the hostile-asset test's.
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

// Frame numbers as the capture counts them, fixed rather than worked out with the demo's clock:
// frame 0 is the loading picture, the fade frames 1 to 2 s x fps, one more before the title; a
// scene ends on the first frame its float clock is strictly past its length; a last one quits.
struct Timeline {
    int fps;
    int64_t start[5];
    int64_t frames; // shown in the whole run
    int64_t at(int scene, double s) const { return start[scene] + std::llround(s * fps); }
    int64_t last(int scene) const { return scene < 4 ? start[scene + 1] - 1 : frames - 1; }
};
const Timeline kMain = {20, {42, 104, 406, 808, 1090}, 1452};
const Timeline kQuick = {1, {4, 8, 24, 45, 61}, 81};

// The overlays the frames are compared with, in the order they are read.
enum { kLoading, kTitle, kSphereBackground, kMosaicBackground, kParticleBackground, kGroup, kName };

using Picture = std::vector<uint8_t>; // 800 x 600 RGBA, top row first
using Region = std::function<bool(int, int)>;
const Picture kWhite(size_t{kWidth} * kHeight * 4, 255);

const uint8_t* At(const Picture& picture, int x, int y) {
    return &picture[(static_cast<size_t>(y) * kWidth + x) * 4];
}

int Distance(const uint8_t* a, const uint8_t* b) {
    return std::max({std::abs(a[0] - b[0]), std::abs(a[1] - b[1]), std::abs(a[2] - b[2])});
}

// How many pixels `counted` selects are further than `tolerance` from `expected`, and their box.
struct Difference {
    int64_t count = 0;
    std::array<int, 4> box = {kWidth, kHeight, -1, -1}; // left, top, right, bottom
};
Difference Compare(const Picture& frame, const Picture& expected, int tolerance,
                   const Region& counted = nullptr) {
    Difference d;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if ((!counted || counted(x, y)) &&
                Distance(At(frame, x, y), At(expected, x, y)) > tolerance) {
                ++d.count;
                d.box = {std::min(d.box[0], x), std::min(d.box[1], y), std::max(d.box[2], x),
                         std::max(d.box[3], y)};
            }
    return d;
}

// A frame that differs is left in the working folder to look at.
void ExpectSame(const Picture& frame, const Picture& expected, const std::string& what,
                const Region& counted = nullptr) {
    const int64_t differing = Compare(frame, expected, 2, counted).count;
    EXPECT_EQ(differing, 0) << what;
    if (differing)
        WritePng("timeline " + what + ".png", frame, kWidth, kHeight);
}

// The capture names each picture by the smallest millisecond that falls within its frame.
std::string Moment(int fps, int64_t frame) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f",
                  static_cast<double>((frame * 1000 + fps - 1) / fps) / 1000);
    return text;
}

struct CaptureRun {
    Timeline timeline;
    std::string folder;
    int pid = -1;
    int status = -1;
    std::string out = ""; // what the demo printed, then the capture's summary

    // Writes `frames` and, as one moment past the end, plays on until the demo quits.
    void spawn(const std::vector<int64_t>& frames, const std::string& spectrum) {
        std::string at = std::to_string(timeline.frames + 10);
        for (int64_t frame : frames)
            at += "," + Moment(timeline.fps, frame);
        std::vector<std::string> args = {DemoDir() + "/rerovuz-capture", "--out", folder};
        args.insert(args.end(), {"--fps", std::to_string(timeline.fps), "--at", at});
        if (!spectrum.empty())
            args.insert(args.end(), {"--spectrum", spectrum});
        pid = PlatformStartProgram(args, folder + ".txt", "");
    }

    void finish() {
        status = PlatformWaitProgram(pid, 600);
        out = ReadFileText(folder + ".txt");
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

// The runs, and the overlays that draw the pictures they are compared with; set up on first use.
struct Playthrough {
    static Playthrough& get() {
        static Playthrough playthrough;
        return playthrough;
    }
    TempDir folder;
    CaptureRun main{kMain, folder.file("main")};
    CaptureRun zero{kQuick, folder.file("zero")};
    CaptureRun constant{kQuick, folder.file("constant")};
    std::vector<std::unique_ptr<Overlay>> overlays;

    Picture mosaicBackground(int64_t frame) { // turning 30 degrees a second from the first frame
        return draw(kMosaicBackground, 0.0f, 1.0f, 30.0f * (frame - kMain.start[2]) / kMain.fps);
    }

    Playthrough() {
        const Timeline& m = kMain;
        std::vector<int64_t> frames = {0,         m.fps,     2 * m.fps, m.start[0],
                                       m.last(0), m.last(2), m.last(4)};
        const std::vector<double> moments[5] = {
            {}, {9.9, 12.5}, {3.95, 4.05, 12.5, 19.2}, {5.0}, {9.9, 11.5, 12.5, 17.2}};
        for (int scene = 1; scene < 5; ++scene)
            for (double s : moments[scene])
                frames.push_back(m.at(scene, s));
        main.spawn(frames, "");
        const std::vector<int64_t> quick = {kQuick.at(1, 1), kQuick.start[2], kQuick.at(4, 13)};
        zero.spawn(quick, "0");
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
        overlays[kLoading]->centerOnWindow();
        const float tint[3] = {0.17253245f, 0.4352345f, 0.58823425f};
        std::copy(tint, tint + 3, overlays[kLoading]->color);
        overlays[kMosaicBackground]->drawWidth *= 2;
        overlays[kMosaicBackground]->drawHeight *= 2;
        for (CaptureRun* run : {&main, &zero, &constant})
            run->finish();
    }

    // The overlay on black, or with `clear` 1 on white.
    Picture draw(int overlay, float clear = 0.0f, float alpha = 1.0f, float rotation = 0.0f) {
        glClearColor(clear, clear, clear, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        overlays[overlay]->color[3] = alpha;
        overlays[overlay]->rotation = rotation;
        overlays[overlay]->draw();
        return ReadFrame();
    }
};

// The box a name may take up, at 1.5 times its picture's size; the third name's is the whole
// band across the window, as the bass stretches it.
Region NameBox(int i) {
    const int centres[3][2] = {{180, 150}, {600, 250}, {400, 450}};
    const Overlay& name = *Playthrough::get().overlays[kName + i];
    const int w = i == 2 ? kWidth : name.width * 3 / 4 + 3, h = name.height * 3 / 4 + 3;
    const int cx = centres[i][0], cy = centres[i][1];
    return [=](int x, int y) { return std::abs(x - cx) <= w && std::abs(y - cy) <= h; };
}
} // namespace

TEST(Timeline, LoadingFadesOverTwoSecondsAndTheScenesStartOnTheirFramesWithNoReport) {
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
        EXPECT_NE(run->out.find("\n" + std::to_string(t.frames) + " frames at "),
                  std::string::npos);
    }
    // The loading fade's clock starts on frame 1 and is read before each draw.
    for (int64_t frame : {0, kMain.fps, 2 * kMain.fps}) {
        const float alpha = frame ? 1.0f - 0.5f * (frame - 1) / kMain.fps : 1.0f;
        ExpectSame(demo.main.frame(frame), demo.draw(kLoading, 1.0f, alpha),
                   "loading " + std::to_string(frame));
    }
    for (int64_t frame : {kMain.start[0], kMain.last(0)})
        ExpectSame(demo.main.frame(frame), demo.draw(kTitle), "title " + std::to_string(frame));
}

TEST(SphereFieldScene, LightWashesOutAfterTenSeconds) {
    Playthrough& demo = Playthrough::get();
    const Picture background = demo.draw(kSphereBackground);
    for (double seconds : {9.9, 12.5}) {
        // The light's ambient is 2 and grows by 0.025 after every frame past 10 s. A sphere's
        // grey is its material 0.1 under the global ambient 1 and the light's, plus up to 0.1
        // of diffuse: the median of the grey pixels off the background lies in between.
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
        return Compare(demo.main.frame(frame), demo.mosaicBackground(frame), 12, counted).count;
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
        ExpectSame(demo.main.frame(frame), demo.mosaicBackground(frame),
                   "mosaic " + std::to_string(frame));
}

TEST(ParticleScene, OnTheMirrorLineAtFiveSeconds) {
    Playthrough& demo = Playthrough::get();
    const Picture background = demo.draw(kParticleBackground);
    const Picture shown = demo.main.frame(kMain.at(3, 5.0));
    // 7 units in front of the eye and scaled by 2, a unit square blob reaches 0.5 / 7 of
    // kPixelsPerUnit either side of its centre. At 5 s each is about half-way from its grid
    // point (X, Y) to (-Y, -X): near the line y = -x, top left to bottom right on the screen.
    const double reach = (0.5 * M_SQRT2 + 0.2) * kPixelsPerUnit / 7.0 + 2;
    const Region offTheLine = [&](int x, int y) {
        return std::fabs((x - 400) - (y - 300)) / M_SQRT2 > reach;
    };
    EXPECT_EQ(Compare(shown, background, 2, offTheLine).count, 0);
    const auto spread = Compare(shown, background, 30).box; // and spread along it
    EXPECT_TRUE(spread[0] < 250 && spread[1] < 150 && spread[2] > 550 && spread[3] > 450)
        << spread[0] << ", " << spread[1] << " to " << spread[2] << ", " << spread[3];
}

TEST(CreditsScene, GroupPictureFadesAfterTenSecondsAndTheNamesComeInOneASecond) {
    Playthrough& demo = Playthrough::get();
    const Region boxes[3] = {NameBox(0), NameBox(1), NameBox(2)};
    // The group's alpha is set after the draws, so a frame shows the previous frame's.
    for (double seconds : {9.9, 11.5, 12.5}) {
        const int names = seconds < 10 ? 0 : seconds < 12 ? 2 : 3;
        const double before = seconds - 1.0 / kMain.fps;
        const Picture group = demo.draw(
            kGroup, 1.0f, before > 10 ? static_cast<float>(1.0 - (before - 10) * 0.5) : 1.0f);
        const Picture shown = demo.main.frame(kMain.at(4, seconds));
        const std::string what = "credits " + std::to_string(seconds);
        ExpectSame(shown, group, what, [&](int x, int y) {
            return std::none_of(boxes, boxes + names, [&](const Region& box) { return box(x, y); });
        });
        for (int i = 0; i < names; ++i)
            EXPECT_GT(Compare(shown, group, 2, boxes[i]).count, 300) << what << ", name " << i;
    }
    // Everything has faded by 17 s: only the white backdrop is left.
    for (int64_t frame : {kMain.at(4, 17.2), kMain.last(4)})
        ExpectSame(demo.main.frame(frame), kWhite, "credits " + std::to_string(frame));
}

TEST(Spectrum, ItPushesTheSpheresShakesTheMosaicViewAndStretchesTheThirdName) {
    Playthrough& demo = Playthrough::get();
    const CaptureRun &zero = demo.zero, &constant = demo.constant;
    const int64_t spheres = kQuick.at(1, 1);
    EXPECT_GT(Compare(zero.frame(spheres), constant.frame(spheres), 2).count, 1000);

    // The mosaic view, on its first frame key 1, moves by (v, v, v) in the world: the middle
    // model drifts right and up and comes a little nearer. Without it, it is at the centre.
    const Picture still = demo.mosaicBackground(kMain.start[2]);
    const auto plain = Compare(zero.frame(kQuick.start[2]), still, 12).box;
    const auto shaken = Compare(constant.frame(kQuick.start[2]), still, 12).box;
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
    const Picture names = zero.frame(kQuick.at(4, 13));
    const Picture stretched = constant.frame(kQuick.at(4, 13));
    const Region band = NameBox(2);
    ExpectSame(stretched, names, "credits, constant spectrum",
               [&](int x, int y) { return !band(x, y); });
    const auto before = Compare(names, kWhite, 2, band).box;
    const auto after = Compare(stretched, kWhite, 2, band).box;
    const double pulse = std::fabs(std::sin(3.0 * 13.0));
    EXPECT_NEAR(double(after[2] - after[0]) / (before[2] - before[0]),
                (pulse * 0.5 + 1 + kConstantSpectrum) / (pulse * 0.5 + 1), 0.03);
}
