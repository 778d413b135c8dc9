// The whole demo, played by rerovuz-capture on the virtual counter and read back from the
// frames it writes: loading, the five scenes on their frames, and the music's pull on them.
//
// One capture plays at 20 frames a second with the soundtrack; two more at one frame a second
// with every spectrum band held at 0 and at 0.5. The three run side by side. Missing and
// broken files are the hostile-asset test's.
#include "app/globals.h"
#include "platform/files.h"
#include "platform/image_decoder.h"
#include "resources/overlay.h"
#include "test_support.h"

#include <GL/gl.h>
#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
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

using Region = std::function<bool(int, int)>;

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb; // top row first
    bool empty() const { return rgb.empty(); }
    const uint8_t* at(int x, int y) const { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
};

Picture ReadPicture(const std::string& path) {
    Picture picture;
    DecodedImage image;
    if (!image.decode(path.c_str()) || !image.topRow() || image.bitsPerPixel() < 24)
        return picture;
    const int bytes = image.bitsPerPixel() / 8;
    picture.width = image.width();
    picture.height = image.height();
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const unsigned char* p = image.topRow() + y * image.pitch() + x * bytes;
            picture.rgb.insert(picture.rgb.end(), {p[2], p[1], p[0]});
        }
    return picture;
}

int Distance(const uint8_t* a, const uint8_t* b) {
    return std::max({std::abs(a[0] - b[0]), std::abs(a[1] - b[1]), std::abs(a[2] - b[2])});
}
bool IsWhite(const uint8_t* p) {
    return p[0] >= 253 && p[1] >= 253 && p[2] >= 253;
}
double FromCentre(double x, double y) {
    return std::hypot(x - kWidth / 2, y - kHeight / 2);
}

// A frame that fails a comparison is left in the working folder to look at.
void Dump(const Picture& picture, std::string name) {
    std::vector<uint8_t> rgba;
    for (size_t i = 0; i < picture.rgb.size(); i += 3)
        rgba.insert(rgba.end(), {picture.rgb[i], picture.rgb[i + 1], picture.rgb[i + 2], 255});
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(c & 0xff); }, '_');
    WritePng("timeline_" + name + ".png", rgba, picture.width, picture.height);
}

// Pixels further than `tolerance` from `expected` among those `counted` selects.
int64_t CountDiffering(const Picture& frame, const Picture& expected, int tolerance,
                       const Region& counted = nullptr) {
    int64_t differing = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            differing += (!counted || counted(x, y)) &&
                         Distance(frame.at(x, y), expected.at(x, y)) > tolerance;
    return differing;
}

void ExpectSame(const Picture& frame, const Picture& expected, const std::string& what,
                const Region& counted = nullptr) {
    ASSERT_FALSE(frame.empty()) << what << ": no frame";
    const int64_t differing = CountDiffering(frame, expected, 2, counted);
    EXPECT_EQ(differing, 0) << what;
    if (differing)
        Dump(frame, what);
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
    std::string reports; // what the demo printed before the capture's summary
    int64_t start[5] = {-1, -1, -1, -1, -1};
    int64_t shown = -1;

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
        pid = StartProgram(args, folder + "/stdout.txt");
    }

    void finish() {
        if (pid <= 0)
            return;
        status = WaitProgram(pid);
        pid = -1;
        const std::vector<uint8_t> bytes = ReadFileBytes(folder + "/stdout.txt");
        const std::string out(bytes.begin(), bytes.end());
        const size_t summary = std::min(out.rfind("scene 0 (title) starts at frame "), out.size());
        reports = out.substr(0, summary);
        for (size_t at = summary; at < out.size(); at = out.find('\n', at) + 1) {
            int scene = -1, fps = 0;
            long long frame = -1;
            const char* line = out.c_str() + at;
            if (std::sscanf(line, "scene %d (%*[^)]) starts at frame %lld", &scene, &frame) == 2 &&
                scene >= 0 && scene < 5)
                start[scene] = frame;
            else if (std::sscanf(line, "%lld frames at %d fps", &frame, &fps) == 2)
                shown = frame;
            if (out.find('\n', at) == std::string::npos)
                break;
        }
    }
    Picture frame(int64_t number) const {
        return ReadPicture(folder + "/t" + Moment(timeline.fps, number) + ".png");
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
        std::vector<int64_t> frames = {0, m.fps, 2 * m.fps, m.start[0], m.last(0), m.start[1]};
        for (double s : {9.9, 12.5})
            frames.push_back(m.at(1, s));
        for (double s : {3.95, 4.05, 12.5, 19.2})
            frames.push_back(m.at(2, s));
        frames.insert(frames.end(), {m.last(2), m.start[3], m.at(3, 5.0)});
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
              "Textures/particlebg.jpg", "Text/trollbeks.jpg"}) {
            overlays_.push_back(std::make_unique<Overlay>(file));
            if (overlays_.size() > 1)
                overlays_.back()->fillWindow();
        }
        overlays_[0]->color[0] = 0.17253245f;
        overlays_[0]->color[1] = 0.4352345f;
        overlays_[0]->color[2] = 0.58823425f;
        overlays_[0]->centerOnWindow();
        overlays_[3]->drawWidth *= 2;
        overlays_[3]->drawHeight *= 2;
        for (CaptureRun* run : {&main, &zero, &constant})
            run->finish();
    }

    Picture draw(float clear, int overlay, float alpha = 1.0f, float rotation = 0.0f) {
        glClearColor(clear, clear, clear, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        overlays_[overlay]->color[3] = alpha;
        overlays_[overlay]->rotation = rotation;
        overlays_[overlay]->draw();
        std::vector<uint8_t> rgba = ReadFrame();
        Picture picture{kWidth, kHeight, {}};
        for (size_t i = 0; i < rgba.size(); i += 4)
            picture.rgb.insert(picture.rgb.end(), {rgba[i], rgba[i + 1], rgba[i + 2]});
        return picture;
    }

    TempDir folder_;
    std::vector<std::unique_ptr<Overlay>> overlays_;
};
} // namespace

TEST(Timeline, ScenesStartOnTheirFramesAndNothingIsReported) {
    Playthrough& demo = Playthrough::get();
    for (const CaptureRun* run : {&demo.main, &demo.zero, &demo.constant}) {
        SCOPED_TRACE(run->folder);
        EXPECT_EQ(run->status, 0);
        EXPECT_EQ(run->reports, "");
        for (int scene = 0; scene < 5; ++scene)
            EXPECT_EQ(run->start[scene], run->timeline.start[scene]) << "scene " << scene;
        EXPECT_EQ(run->shown, run->timeline.frames);
    }
}

TEST(Timeline, LoadingPictureFadesOverTwoSecondsThenTheTitleCoversTheWindow) {
    Playthrough& demo = Playthrough::get();
    const CaptureRun& run = demo.main;
    const int fps = kMain.fps;
    // The fade's clock starts on frame 1 and is read before each draw.
    for (int64_t frame : {0, fps, 2 * fps}) {
        const float alpha = frame ? 1.0f - 0.5f * (frame - 1) / fps : 1.0f;
        ExpectSame(run.frame(frame), demo.loadingFrame(alpha), "loading " + std::to_string(frame));
    }
    const Picture title = demo.titleFrame();
    ExpectSame(run.frame(kMain.start[0]), title, "first title frame");
    ExpectSame(run.frame(kMain.last(0)), title, "last title frame");
    EXPECT_GT(CountDiffering(run.frame(kMain.start[1]), title, 2), kWidth * kHeight / 2);
}

TEST(SphereFieldScene, LightWashesOutAfterTenSeconds) {
    Playthrough& demo = Playthrough::get();
    const Picture background = demo.sphereBackground();
    for (double seconds : {9.9, 12.5}) {
        const int64_t frame = kMain.at(1, seconds);
        // The light's ambient is 2 and grows by 0.025 after every frame past 10 s. A sphere's
        // grey is its material 0.1 under the global ambient 1 and the light's, plus up to 0.1
        // of diffuse.
        const double ambient = 2.0 + 0.025 * std::max<int64_t>(0, frame - kMain.at(1, 10.0) - 1);
        const int low = static_cast<int>(std::floor(0.1 * (ambient + 1) * 255)) - 2;
        const int high = static_cast<int>(std::ceil(0.1 * (ambient + 2) * 255)) + 2;
        // The spheres are the grey pixels off the background; their median grey is checked.
        const Picture shown = demo.main.frame(frame);
        ASSERT_FALSE(shown.empty()) << seconds;
        std::vector<int> greys;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const uint8_t* p = shown.at(x, y);
                if (std::max({p[0], p[1], p[2]}) - std::min({p[0], p[1], p[2]}) <= 3 &&
                    Distance(p, background.at(x, y)) > 30)
                    greys.push_back(p[1]);
            }
        ASSERT_GT(greys.size(), 20000u) << seconds;
        std::nth_element(greys.begin(), greys.begin() + greys.size() / 2, greys.end());
        EXPECT_GE(greys[greys.size() / 2], low) << seconds << " s, ambient " << ambient;
        EXPECT_LE(greys[greys.size() / 2], high) << seconds << " s, ambient " << ambient;
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
    const Region nearMiddle = [](int x, int y) { return FromCentre(x, y) <= 45; };
    const Region awayFromMiddle = [](int x, int y) { return FromCentre(x, y) > 45; };
    EXPECT_GT(models(3.95, nearMiddle), 500) << "the middle model";
    EXPECT_EQ(models(3.95, awayFromMiddle), 0) << "nothing beside it before 4 s";
    EXPECT_GT(models(4.05, awayFromMiddle), 1000) << "the side models after 4 s";
    EXPECT_GT(models(12.5, nullptr), 1500) << "models in view half-way along the path";
    // From key 5 the eye sits inside the middle model, looking away from the side ones:
    // only the turning background is seen, however the music shakes the models.
    for (int64_t frame : {kMain.at(2, 19.2), kMain.last(2)})
        ExpectSame(demo.main.frame(frame), demo.mosaicBackground(kMain.time(2, frame)),
                   "mosaic frame " + std::to_string(frame));
}

TEST(ParticleScene, GatheredOnTheFirstFrameAndOnTheMirrorLineAtFiveSeconds) {
    Playthrough& demo = Playthrough::get();
    const Picture background = demo.particleBackground();
    // The particles lie 7 units in front of the eye, scaled by 2 in x and y: a unit square
    // blob is 0.5 / 7 of kPixelsPerUnit wide either side of its centre.
    const double half = 0.5 * kPixelsPerUnit / 7.0;
    // First frame: all at the origin, one blob at the centre of the window.
    const Picture first = demo.main.frame(kMain.start[3]);
    EXPECT_EQ(CountDiffering(first, background, 2,
                             [&](int x, int y) {
                                 return std::max(std::abs(x + 0.5 - 400), std::abs(y + 0.5 - 300)) >
                                        half + 2;
                             }),
              0);
    EXPECT_GT(CountDiffering(first, background, 30), half * half);
    // At 5 s each is about half-way from its grid point (X, Y) to (-Y, -X): near the line
    // y = -x, top left to bottom right on the screen, and spread along it.
    const Picture shown = demo.main.frame(kMain.at(3, 5.0));
    const double slack = 2.0 * 0.1 * kPixelsPerUnit / 7.0;
    EXPECT_EQ(CountDiffering(shown, background, 2,
                             [&](int x, int y) {
                                 const double along = std::fabs((x - 400) - (y - 300)) / M_SQRT2;
                                 return along > half * M_SQRT2 + slack + 2;
                             }),
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
const char* const kNames[3] = {"Text/skrabo.png", "Text/plind.png", "Text/vexa.png"};
const int kNameCentres[3][2] = {{180, 150}, {600, 250}, {400, 450}};

// The box a name may take up, at 1.5 times its picture's size; the third name's is the whole
// band across the window, as the bass stretches it.
Region NameBox(int i) {
    const Picture picture = ReadPicture(DemoDir() + "/" + kNames[i]);
    const int w = i == 2 ? kWidth : picture.width * 3 / 4 + 3, h = picture.height * 3 / 4 + 3;
    const int cx = kNameCentres[i][0], cy = kNameCentres[i][1];
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
    const Picture white{kWidth, kHeight, std::vector<uint8_t>(kWidth * kHeight * 3, 255)};
    ExpectSame(demo.main.frame(kMain.at(4, 17.2)), white, "credits 17.2 s");
    ExpectSame(demo.main.frame(kMain.last(4)), white, "last credits frame");
}

TEST(Spectrum, ItPushesTheSpheresShakesTheMosaicViewAndStretchesTheThirdName) {
    Playthrough& demo = Playthrough::get();
    const CaptureRun &zero = demo.zero, &constant = demo.constant;
    const int64_t spheres = kQuick.at(1, 1);
    EXPECT_GT(CountDiffering(zero.frame(spheres), constant.frame(spheres), 2), 1000);

    // The mosaic view, on its first frame key 1, moves by (v, v, v) in the world: the middle
    // model drifts right and up and comes a little nearer. Without it, it is at the centre.
    const Picture still = demo.mosaicBackground(0.0);
    std::array<int, 4> box[2]; // left, top, right, bottom
    for (int run = 0; run < 2; ++run) {
        const Picture shown = (run ? constant : zero).frame(kQuick.start[2]);
        ASSERT_FALSE(shown.empty());
        box[run] = {kWidth, kHeight, -1, -1};
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (Distance(shown.at(x, y), still.at(x, y)) > 12)
                    box[run] = {std::min(box[run][0], x), std::min(box[run][1], y),
                                std::max(box[run][2], x), std::max(box[run][3], y)};
        ASSERT_GT(box[run][2], box[run][0]);
    }
    const double v = kConstantSpectrum, nearer = 20.0 / (20.0 - v);
    const double shift = kPixelsPerUnit * v / (20.0 - v);
    for (int axis = 0; axis < 2; ++axis) {
        const double middle = (axis ? kHeight : kWidth) / 2 - 0.5;
        const double centred = (box[0][axis] + box[0][axis + 2]) / 2.0;
        EXPECT_NEAR(centred, middle, 1.0);
        EXPECT_NEAR((box[1][axis] + box[1][axis + 2]) / 2.0,
                    middle + (centred - middle) * nearer + (axis ? -shift : shift), 1.5);
    }
    EXPECT_NEAR(box[1][2] - box[1][0], (box[0][2] - box[0][0]) * nearer, 2.0);

    // The third name's width is |sin 3t| / 2 + 1 plus the value times its picture's; the
    // other names are as without it.
    const Picture plain = zero.frame(kQuick.at(4, 13)),
                  stretched = constant.frame(kQuick.at(4, 13));
    const Region band = NameBox(2);
    ExpectSame(stretched, plain, "credits, constant spectrum",
               [&](int x, int y) { return !band(x, y); });
    auto width = [&](const Picture& frame) {
        int left = kWidth, right = -1;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (band(x, y) && !IsWhite(frame.at(x, y)))
                    left = std::min(left, x), right = std::max(right, x);
        return right - left;
    };
    const double pulse = std::fabs(std::sin(3.0 * 13.0));
    EXPECT_NEAR(double(width(stretched)) / width(plain),
                (pulse * 0.5 + 1 + kConstantSpectrum) / (pulse * 0.5 + 1), 0.03);
}
