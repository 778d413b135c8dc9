// The whole demo, played by rerovuz-capture on the virtual counter and read back from the
// frames it writes: loading, the five scenes, the music's pull, and every asset file missing.
//
// One capture runs at 60 frames a second from start to end; the others at one frame a second
// to keep the time down: without the soundtrack (a silent spectrum), with a constant spectrum,
// one per missing file and one with no files at all. They run two at a time in the background.
#include "app/globals.h"
#include "base/random.h"
#include "base/scene_timer.h"
#include "effects/particle_system.h"
#include "effects/sphere_field.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/image_decoder.h"
#include "resources/overlay.h"
#include "scenes/asset_list.h"
#include "scenes/camera.h"
#include "scenes/scenes.h"
#include "test_support.h"

#include <GL/gl.h>
#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {
constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kMainFps = 60;
constexpr int kQuickFps = 1;
// The capture's counter runs at fps x this, one step per shown frame.
constexpr int64_t kTicksPerFrame = 1000;
constexpr float kConstantSpectrum = 0.5f;

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

Picture BackBuffer() {
    std::vector<uint8_t> rgba = ReadFrame();
    Picture picture{kWidth, kHeight, {}};
    for (size_t i = 0; i < rgba.size(); i += 4)
        picture.rgb.insert(picture.rgb.end(), {rgba[i], rgba[i + 1], rgba[i + 2]});
    return picture;
}

int Distance(const uint8_t* a, const uint8_t* b) {
    return std::max({std::abs(a[0] - b[0]), std::abs(a[1] - b[1]), std::abs(a[2] - b[2])});
}
bool IsWhite(const uint8_t* p) {
    return p[0] >= 253 && p[1] >= 253 && p[2] >= 253;
}
// Spread between the largest and smallest channel: 0 for a pure grey.
int Colourfulness(const uint8_t* p) {
    return std::max({p[0], p[1], p[2]}) - std::min({p[0], p[1], p[2]});
}
double FromCentre(double x, double y) {
    return std::hypot(x - kWidth / 2, y - kHeight / 2);
}

// A frame that fails a comparison is left in the working folder to look at.
void Dump(const Picture& picture, const std::string& name) {
    std::vector<uint8_t> rgba;
    for (size_t i = 0; i < picture.rgb.size(); i += 3)
        rgba.insert(rgba.end(), {picture.rgb[i], picture.rgb[i + 1], picture.rgb[i + 2], 255});
    std::string file = name;
    std::replace_if(
        file.begin(), file.end(), [](char c) { return !std::isalnum(c & 0xff); }, '_');
    WritePng("timeline_" + file + ".png", rgba, picture.width, picture.height);
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

int64_t CountNotWhite(const Picture& frame, const Region& counted = nullptr) {
    int64_t other = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            other += (!counted || counted(x, y)) && !IsWhite(frame.at(x, y));
    return other;
}

// The timeline ----------------------------------------------------------------------------

// The reading, while frame `frame` is drawn, of a clock started while frame `start` was
// drawn, with the demo's own float rounding.
float ClockAt(int fps, int64_t start, int64_t frame) {
    PlatformUseVirtualCounter(fps * kTicksPerFrame);
    PlatformAdvanceVirtualCounter(start * kTicksPerFrame);
    SceneTimer clock;
    PlatformAdvanceVirtualCounter((frame - start) * kTicksPerFrame);
    return clock.update();
}

struct Timeline {
    int fps = 0;
    int64_t fadeFrames = 0; // frames 1 to fadeFrames
    int64_t start[5] = {};
    int64_t frames = 0; // shown in the whole run

    float time(int scene, int64_t frame) const { return ClockAt(fps, start[scene], frame); }
    int64_t at(int scene, double seconds) const {
        return start[scene] + std::llround(seconds * fps);
    }
    int64_t firstAfter(int scene, float seconds) const {
        int64_t frame = start[scene];
        while (time(scene, frame) <= seconds)
            ++frame;
        return frame;
    }
    int64_t last(int scene) const { return scene < 4 ? start[scene + 1] - 1 : frames - 1; }
};

Timeline WorkOutTimeline(int fps) {
    Timeline timeline;
    timeline.fps = fps;
    // Frame 0 is the loading picture; the fade's clock starts on frame 1.
    while (ClockAt(fps, 1, 1 + timeline.fadeFrames) < 2.0f)
        ++timeline.fadeFrames;
    // The main loop's first pump shows a frame before the first scene has drawn one.
    int64_t frame = timeline.fadeFrames + 2;
    for (int scene = 0; scene < 5; ++scene) {
        timeline.start[scene] = frame;
        while (ClockAt(fps, timeline.start[scene], frame) <= kScenes[scene].seconds)
            ++frame;
        ++frame;
    }
    timeline.frames = frame; // the frame after the last only posts the quit message
    return timeline;
}

// The capture names each picture by the smallest millisecond that falls within its frame.
std::string MomentName(int fps, int64_t frame) {
    const int64_t ms = (frame * 1000 + fps - 1) / fps;
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%03lld", static_cast<long long>(ms / 1000),
                  static_cast<long long>(ms % 1000));
    return text;
}

// Capture runs ------------------------------------------------------------------------------

struct CaptureRun {
    std::string name;
    int fps = kQuickFps;
    std::vector<int64_t> frames; // to write; one past the end keeps the run going to its end
    std::string assets;          // empty: the demo's own folder
    std::string spectrum;        // empty: the music's
    std::string folder;
    pid_t pid = -1;
    bool done = false;
    int status = -1; // exit code, or -1 when it did not exit normally
    std::string reports;
    int64_t start[5] = {-1, -1, -1, -1, -1};
    int64_t shown = -1;
    mutable std::map<int64_t, Picture> decoded;

    const Picture& frame(int64_t number) const {
        auto known = decoded.find(number);
        if (known == decoded.end())
            known =
                decoded
                    .emplace(number, ReadPicture(folder + "/t" + MomentName(fps, number) + ".png"))
                    .first;
        return known->second;
    }

    void spawn() {
        std::filesystem::create_directories(folder);
        std::string at;
        for (int64_t frame : frames)
            at += (at.empty() ? "" : ",") + MomentName(fps, frame);
        std::vector<std::string> args = {DemoDir() + "/rerovuz-capture",
                                         "--fps",
                                         std::to_string(fps),
                                         "--out",
                                         folder,
                                         "--at",
                                         at};
        if (!assets.empty())
            args.insert(args.end(), {"--assets", assets});
        if (!spectrum.empty())
            args.insert(args.end(), {"--spectrum", spectrum});
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        const std::string out = folder + "/stdout.txt";
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
            finish(0, false);
        posix_spawn_file_actions_destroy(&actions);
    }

    // Splits the standard output into the demo's reports and the capture's summary.
    void finish(int waitStatus, bool exited) {
        done = true;
        pid = -1;
        status = exited && WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : -1;
        std::vector<uint8_t> bytes = ReadFileBytes(folder + "/stdout.txt");
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
};

// The runs, two at a time in the order given (the long one first, so that the short ones
// share the other core with it), started as earlier ones are waited for.
class RunPool {
  public:
    std::vector<std::unique_ptr<CaptureRun>> runs;

    ~RunPool() {
        for (auto& run : runs)
            if (run->pid > 0) {
                kill(run->pid, SIGTERM);
                waitpid(run->pid, nullptr, 0);
            }
    }
    const CaptureRun& get(const std::string& name) {
        for (auto& wanted : runs)
            if (wanted->name == name) {
                while (!wanted->done)
                    step();
                return *wanted;
            }
        ADD_FAILURE() << "no run named " << name;
        static CaptureRun none;
        return none;
    }
    void startMore() {
        size_t running = 0;
        for (auto& run : runs)
            running += run->pid > 0;
        for (auto& run : runs)
            if (running < 2 && !run->done && run->pid <= 0) {
                run->spawn();
                running += run->pid > 0;
            }
    }
    void step() {
        startMore();
        int status = 0;
        const pid_t pid = waitpid(-1, &status, 0);
        if (pid < 0 && errno != EINTR)
            for (auto& run : runs) // nothing left to wait for
                if (run->pid > 0)
                    run->finish(0, false);
        for (auto& run : runs)
            if (pid > 0 && run->pid == pid)
                run->finish(status, true);
    }
};

// The demo's files ----------------------------------------------------------------------------

// The table's files as the file system names them (one path is written with a backslash).
const std::vector<std::string> kDemoFiles = [] {
    std::vector<std::string> files;
    for (const AssetFile& file : kAssetFiles) {
        files.push_back(file.path);
        std::replace(files.back().begin(), files.back().end(), '\\', '/');
    }
    return files;
}();
const std::string kMusic = kSoundtrackFile;
const char* const kNames[3] = {"Text/skrabo.png", "Text/plind.png", "Text/vexa.png"};
const int kNameCentres[3][2] = {{180, 150}, {600, 250}, {400, 450}};

// A folder laid out like the demo's, each file a link to the built one, minus `missing`.
std::string AssetFolder(const std::string& folder, const std::set<std::string>& missing) {
    for (const char* sub : {"Text", "Textures", "Models", "Music"})
        std::filesystem::create_directories(folder + "/" + sub);
    for (const std::string& file : kDemoFiles)
        if (!missing.count(file))
            std::filesystem::create_symlink(DemoDir() + "/" + file, folder + "/" + file);
    return folder;
}

// Every report the demo gives with these files missing, in the order it gives them.
std::string ExpectedReports(const std::set<std::string>& missing, const Timeline& timeline) {
    auto picture = [](const std::string& name) {
        return "Texture load: Can't load the texture in file '" + name + "' for some reason.";
    };
    std::string reports;
    if (missing.count("Text/loading.png"))
        reports += picture("Text\\loading.png");
    const bool music = missing.count(kMusic) != 0;
    if (music)
        reports += "BASS error: File not found?\nBASS Error!\nErrorcode: " +
                   std::to_string(AUDIO_ERROR_FILE_OPEN) + "\n";
    // Models, then pictures, in loading's order (the loading picture's report came first).
    for (const AssetFile& file : kAssetFiles)
        if (file.kind == AssetKind::Model && missing.count(file.path))
            reports += std::string("Can't open file ") + file.path + " to load mesh.";
    for (const AssetFile& file : kAssetFiles)
        if ((file.kind == AssetKind::Overlay || file.kind == AssetKind::Texture) &&
            std::string(file.path) != kLoadingPictureFile && missing.count(file.path))
            reports += picture(file.path);
    if (music)
        reports += "BASS error: Can't play the stream\nBASS Error!\nErrorcode: " +
                   std::to_string(AUDIO_ERROR_HANDLE) + "\n";
    // An empty model warns on every draw: once a frame in the sphere field, three times a
    // frame in the mosaic scene once the side models are in.
    const std::string empty = "Warning: Drawing model where meshNum is 0 or meshes is NULL";
    if (missing.count("Models/cross.mesh"))
        for (int64_t f = timeline.start[1]; f < timeline.start[2]; ++f)
            reports += empty;
    if (missing.count("Models/rundingdings.mesh"))
        for (int64_t f = timeline.start[2]; f < timeline.start[3]; ++f)
            for (int draw = timeline.time(2, f) > 4.0f ? 3 : 1; draw > 0; --draw)
                reports += empty;
    return reports;
}

// Geometry ------------------------------------------------------------------------------------

const Camera kSphereKeys[2] = {{0, 0, 10, 0, 0, -10, 0, 1, 0}, {15, 5, -20, 0, 0, -10, 1, 1, 0}};
const Camera kPathKeys[2] = {{0, 0, 10, 0, 0, -10, 0, 1, 0}, {15, 5, 20, 0, 0, -10, 0, 1, 0}};

struct Matrix {
    double m[16];
};

// The look-at of a blend of two cameras, as the scenes put it on the identity.
Matrix BlendView(const Camera* keys, float u) {
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    BlendCameras(keys[0], keys[1], u);
    Matrix view;
    glGetDoublev(GL_MODELVIEW_MATRIX, view.m);
    glPopMatrix();
    return view;
}

std::array<double, 3> Transform(const Matrix& matrix, const double* p) {
    const double* m = matrix.m;
    std::array<double, 3> out;
    for (int i = 0; i < 3; ++i)
        out[i] = m[i] * p[0] + m[4 + i] * p[1] + m[8 + i] * p[2] + m[12 + i];
    return out;
}

// The window's projection: 45 degrees, 4:3, square pixels.
const double kPixelsPerUnit = (kHeight / 2) / std::tan(22.5 * M_PI / 180.0);

// Where an eye-space point lands, x from the left and y from the top of the window.
void ProjectEye(const std::array<double, 3>& eye, double& x, double& y) {
    x = kWidth / 2 + kPixelsPerUnit * eye[0] / -eye[2];
    y = kHeight / 2 - kPixelsPerUnit * eye[1] / -eye[2];
}

// The sphere field ------------------------------------------------------------------------------

// Which sphere each pixel sees (-1: none), casting each pixel's ray at the unit spheres. With
// the music value `amount` a sphere turns that many degrees about its axis and moves that far
// along its turned x axis (Rodrigues' rotation of (amount, 0, 0)).
std::vector<int> SphereLabels(const std::vector<FieldSphere>& spheres, const Matrix& view,
                              float amount) {
    std::vector<std::array<double, 3>> eyes;
    const double angle = amount * M_PI / 180.0;
    for (const FieldSphere& s : spheres) {
        const double length =
            std::sqrt(s.axis[0] * s.axis[0] + s.axis[1] * s.axis[1] + s.axis[2] * s.axis[2]);
        const double k[3] = {s.axis[0] / length, s.axis[1] / length, s.axis[2] / length};
        const double cross[3] = {0, k[2] * amount, -k[1] * amount};
        double centre[3];
        for (int i = 0; i < 3; ++i)
            centre[i] = s.position[i] + (i == 0 ? amount * std::cos(angle) : 0.0) +
                        cross[i] * std::sin(angle) + k[i] * k[0] * amount * (1 - std::cos(angle));
        eyes.push_back(Transform(view, centre));
    }
    std::vector<int> labels(static_cast<size_t>(kWidth) * kHeight, -1);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const double d[3] = {(x + 0.5 - kWidth / 2) / kPixelsPerUnit,
                                 (kHeight / 2 - y - 0.5) / kPixelsPerUnit, -1.0};
            const double dd = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
            double nearest = 1e30;
            for (size_t i = 0; i < eyes.size(); ++i) {
                const auto& e = eyes[i];
                const double along = (e[0] * d[0] + e[1] * d[1] + e[2] * d[2]) / dd;
                const double miss = e[0] * e[0] + e[1] * e[1] + e[2] * e[2] - along * along * dd;
                const double hit = along - std::sqrt(std::max(0.0, 1.0 - miss) / dd);
                if (along > 0 && miss < 1.0 && hit < nearest) {
                    nearest = hit;
                    labels[static_cast<size_t>(y) * kWidth + x] = static_cast<int>(i);
                }
            }
        }
    return labels;
}

// The grey of a sphere with the scene light's ambient at `ambient`: material 0.1 under the
// global ambient 1 and the light's ambient, plus up to 0.1 of diffuse, as 8-bit levels.
std::pair<int, int> SphereGrey(float ambient) {
    return {std::min(255, static_cast<int>(std::floor(0.1 * (ambient + 1) * 255)) - 2),
            std::min(255, static_cast<int>(std::ceil(0.1 * (ambient + 2) * 255)) + 2)};
}

// A sphere field frame: where a sphere certainly is (two pixels in from its outline) its grey
// is that of the first frames' light; where none is, `background` shows. Pixels within `hole`
// of the centre (the cross) are left unchecked.
void ExpectSphereField(const Picture& frame, const Picture& background,
                       const std::vector<FieldSphere>& spheres, const Matrix& view, float amount,
                       double hole, const std::string& what) {
    ASSERT_FALSE(frame.empty()) << what << ": no frame";
    const std::vector<int> labels = SphereLabels(spheres, view, amount);
    auto label = [&](int x, int y) { return labels[static_cast<size_t>(y) * kWidth + x]; };
    const auto grey = SphereGrey(2.0f);
    int64_t sphere = 0, sphereWrong = 0, clear = 0, clearWrong = 0;
    for (int y = 2; y < kHeight - 2; ++y)
        for (int x = 2; x < kWidth - 2; ++x) {
            const int here = label(x, y);
            bool uniform = FromCentre(x, y) >= hole;
            for (int d = 0; d < 25 && uniform; ++d)
                uniform = label(x + d % 5 - 2, y + d / 5 - 2) == here;
            if (!uniform)
                continue;
            const uint8_t* p = frame.at(x, y);
            if (here >= 0) {
                ++sphere;
                sphereWrong += Colourfulness(p) > 3 || p[1] < grey.first || p[1] > grey.second;
            } else {
                ++clear;
                clearWrong += Distance(p, background.at(x, y)) > 2;
            }
        }
    EXPECT_GT(sphere, 10000) << what;
    EXPECT_GT(clear, 100000) << what;
    EXPECT_EQ(sphereWrong, 0) << what << ": pixels where a sphere should be";
    EXPECT_EQ(clearWrong, 0) << what << ": pixels where only the background should be";
    if (sphereWrong || clearWrong)
        Dump(frame, what);
}

// The disc the tumbling cross may cover: its arms reach 2.3 units from (0, 0, -10).
double CrossHole(const Matrix& view) {
    const double centre[3] = {0, 0, -10};
    return kPixelsPerUnit * 2.6 / (-Transform(view, centre)[2] - 2.6) + 4;
}

// Fixture ---------------------------------------------------------------------------------

// What the tests share, set up on first use: the timelines, the moments each run writes, the
// random layouts, the overlays that draw the expected pictures, and the runs.
class Playthrough {
  public:
    static Playthrough& get() {
        static Playthrough playthrough;
        return playthrough;
    }

    Timeline main, quick;
    std::map<std::string, int64_t> mainAt, quickAt;
    std::vector<FieldSphere> spheres;
    // Particle positions and alpha on the main run's frames, by frame.
    std::map<int64_t, std::vector<std::array<float, 4>>> particleShots;
    // The moments at which each missing file changes what is drawn; its run also writes
    // the probes, where nothing may change.
    const std::map<std::string, std::vector<std::string>> shownAt = {
        {"Text/loading.png", {"loading", "fade"}},
        {"Text/title.png", {"title"}},
        {"Text/skrabo.png", {"credits 13 s", "credits 17 s"}},
        {"Text/plind.png", {"credits 13 s", "credits 17 s"}},
        {"Text/vexa.png", {"credits 13 s", "credits 17 s"}},
        {"Text/trollbeks.jpg", {"credits 5 s"}},
        {"Textures/oooh.png", {"spheres 1 s", "spheres 2 s"}},
        {"Textures/mosaik.png", {"mosaic 6 s"}},
        {"Textures/mosaik2.png", {"mosaic 0 s", "mosaic 6 s"}},
        {"Textures/bg.png", {"spheres 0 s", "spheres 1 s", "spheres 2 s"}},
        {"Textures/bg2.png", {"mosaic 0 s", "mosaic 6 s"}},
        {"Textures/particlebg.jpg", {"particles 5 s"}},
        {"Textures/blob.jpg", {"particles 5 s"}},
        {"Models/cross.mesh", {"spheres 1 s", "spheres 2 s"}},
        {"Models/rundingdings.mesh", {"mosaic 0 s", "mosaic 6 s"}},
    };

    const CaptureRun& run(const std::string& name) { return pool_.get(name); }
    Picture mainFrame(const std::string& moment) { return run("main").frame(mainAt.at(moment)); }
    Picture quickFrame(const std::string& name, const std::string& moment) {
        return run(name).frame(quickAt.at(moment));
    }
    std::vector<std::string> missingRunMoments(const std::string& file) const {
        std::vector<std::string> moments = shownAt.at(file);
        for (const char* probe : {"title", "spheres 0 s", "mosaic 6 s", "credits 13 s"})
            if (std::find(moments.begin(), moments.end(), probe) == moments.end())
                moments.push_back(probe);
        return moments;
    }

    Picture loadingFrame(float alpha) {
        return draw(1.0f, *overlays_[0], [&](Overlay& o) { o.color[3] = alpha; });
    }
    Picture titleFrame() { return draw(0.0f, *overlays_[1]); }
    Picture sphereBackground() { return draw(0.0f, *overlays_[2]); }
    Picture mosaicBackground(float t) {
        return draw(0.0f, *overlays_[3], [&](Overlay& o) { o.rotation = 30.0f * t; });
    }
    Picture particleBackground() { return draw(0.0f, *overlays_[4]); }
    Picture groupFrame(float alpha) {
        return draw(1.0f, *overlays_[5], [&](Overlay& o) { o.color[3] = alpha; });
    }

  private:
    Playthrough() {
        EXPECT_TRUE(PlatformChangeFolder(DemoDir().c_str())) << DemoDir();
        TestWindow();
        g_windowWidth = kWidth;
        g_windowHeight = kHeight;
        glDisable(GL_DEPTH_TEST);
        main = WorkOutTimeline(kMainFps);
        quick = WorkOutTimeline(kQuickFps);
        pickMoments();

        // Loading makes the spheres, then the particles, from the one seeded generator.
        SeedRandom(329);
        std::unique_ptr<FieldSphere[]> field(new FieldSphere[kFieldSphereNum]);
        spheres.assign(field.get(), field.get() + kFieldSphereNum);
        // Played once, like the demo's: its update keeps its clock and step in statics.
        static ParticleSystem particles;
        PlatformUseVirtualCounter(kMainFps * kTicksPerFrame);
        PlatformAdvanceVirtualCounter(main.start[3] * kTicksPerFrame);
        for (int64_t frame = main.start[3]; frame <= mainAt["particles 10 s"]; ++frame) {
            particles.update();
            for (const Particle& p : particles.particles)
                particleShots[frame].push_back(
                    {p.position[0], p.position[1], p.position[2], p.color[3]});
            PlatformAdvanceVirtualCounter(kTicksPerFrame);
        }

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

        auto add = [&](const std::string& name, int fps, const std::map<std::string, int64_t>& at,
                       const std::string& assets, const std::string& spectrum) {
            auto run = std::make_unique<CaptureRun>();
            run->name = name;
            run->fps = fps;
            for (const auto& moment : at)
                run->frames.push_back(moment.second);
            run->frames.push_back((fps == kMainFps ? main : quick).frames + 10);
            run->assets = assets;
            run->spectrum = spectrum;
            run->folder = folder_.file("run" + std::to_string(pool_.runs.size()));
            pool_.runs.push_back(std::move(run));
        };
        add("main", kMainFps, mainAt, "", "");
        add("silent", kQuickFps, quickAt, AssetFolder(folder_.file("silent"), {kMusic}), "");
        add("constant", kQuickFps, quickAt, AssetFolder(folder_.file("all"), {}),
            std::to_string(kConstantSpectrum));
        for (const std::string& file : kDemoFiles) {
            if (file == kMusic)
                continue;
            std::map<std::string, int64_t> at;
            for (const std::string& moment : missingRunMoments(file))
                at[moment] = quickAt[moment];
            const std::string folder = folder_.file("no" + std::to_string(pool_.runs.size()));
            add("no " + file, kQuickFps, at, AssetFolder(folder, {file}), "0");
        }
        std::filesystem::create_directories(folder_.file("none"));
        add("no files", kQuickFps, quickAt, folder_.file("none"), "");
        pool_.startMore();
    }

    void pickMoments() {
        const Timeline& m = main;
        mainAt = {{"loading", 0},
                  {"fade 1 s", 60},
                  {"fade last", m.fadeFrames},
                  {"title first", m.start[0]},
                  {"title 1.5 s", m.at(0, 1.5)},
                  {"title last", m.last(0)},
                  {"spheres first", m.start[1]},
                  {"spheres 9.9 s", m.at(1, 9.9)},
                  {"spheres 12.5 s", m.at(1, 12.5)},
                  {"spheres last", m.last(1)},
                  {"mosaic before 4 s", m.firstAfter(2, 4.0f) - 1},
                  {"mosaic after 4 s", m.firstAfter(2, 4.0f)},
                  {"mosaic 12.5 s", m.at(2, 12.5)},
                  {"mosaic 19.2 s", m.at(2, 19.2)},
                  {"mosaic last", m.last(2)}};
        for (int s : {1, 3, 5, 7, 10})
            mainAt["particles " + std::to_string(s) + " s"] = m.at(3, s);
        mainAt["particles first"] = m.start[3];
        mainAt["credits first"] = m.start[4];
        for (int s : {10, 11, 12}) {
            mainAt["credits before " + std::to_string(s) + " s"] = m.firstAfter(4, s) - 1;
            mainAt["credits after " + std::to_string(s) + " s"] = m.firstAfter(4, s);
        }
        mainAt["credits after 10 s + 1"] = m.firstAfter(4, 10.0f) + 1;
        mainAt["credits 13.5 s"] = m.at(4, 13.5);
        mainAt["credits 16 s"] = m.at(4, 16);
        mainAt["credits 17.2 s"] = m.at(4, 17.2);
        mainAt["credits last"] = m.last(4);
        const Timeline& q = quick;
        quickAt = {{"loading", 0},
                   {"fade", 2},
                   {"title", q.at(0, 1)},
                   {"spheres 0 s", q.start[1]},
                   {"spheres 1 s", q.at(1, 1)},
                   {"spheres 2 s", q.at(1, 2)},
                   {"mosaic 0 s", q.start[2]},
                   {"mosaic 6 s", q.at(2, 6)},
                   {"particles 5 s", q.at(3, 5)},
                   {"credits 5 s", q.at(4, 5)},
                   {"credits 13 s", q.at(4, 13)},
                   {"credits 17 s", q.at(4, 17)}};
    }

    Picture draw(float clear, Overlay& overlay, const std::function<void(Overlay&)>& set = {}) {
        glClearColor(clear, clear, clear, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        if (set)
            set(overlay);
        overlay.draw();
        return BackBuffer();
    }

    TempDir folder_;
    RunPool pool_;
    std::vector<std::unique_ptr<Overlay>> overlays_;
};

void ExpectFollowsTimeline(const CaptureRun& run, const Timeline& timeline) {
    EXPECT_EQ(run.status, 0) << run.name;
    for (int scene = 0; scene < 5; ++scene)
        EXPECT_EQ(run.start[scene], timeline.start[scene]) << run.name << ", scene " << scene;
    EXPECT_EQ(run.shown, timeline.frames) << run.name;
}
} // namespace

TEST(Timeline, ScenesFollowOnTheFirstFramePastTheirLengthWithNothingReported) {
    Playthrough& demo = Playthrough::get();
    // A frame at exactly the length (as the float clock rounds it) is not yet past it. The
    // run's scene starts show that no frame is skipped or doubled between scenes.
    EXPECT_EQ(demo.main.fadeFrames, 2 * kMainFps);
    for (int scene = 0; scene < 5; ++scene) {
        const int64_t frames = demo.main.last(scene) - demo.main.start[scene] + 1;
        EXPECT_GE(frames, std::llround(kScenes[scene].seconds * kMainFps) + 1) << "scene " << scene;
        EXPECT_LE(frames, std::llround(kScenes[scene].seconds * kMainFps) + 2) << "scene " << scene;
    }
    const CaptureRun& run = demo.run("main");
    ExpectFollowsTimeline(run, demo.main);
    EXPECT_EQ(run.reports, "");
}

TEST(Loading, PictureCentredAndTintedOnWhiteThenFadedOverTwoSeconds) {
    Playthrough& demo = Playthrough::get();
    const Picture first = demo.mainFrame("loading");
    ExpectSame(first, demo.loadingFrame(1.0f), "loading picture");
    // The fade's clock starts on frame 1 and is read before each draw.
    ExpectSame(demo.mainFrame("fade 1 s"),
               demo.loadingFrame(1.0f - 0.5f * ClockAt(kMainFps, 1, 60)), "fade at 1 s");
    const float last = 1.0f - 0.5f * ClockAt(kMainFps, 1, demo.main.fadeFrames);
    EXPECT_LT(last, 0.01f);
    ExpectSame(demo.mainFrame("fade last"), demo.loadingFrame(last), "last fade frame");
}

TEST(TitleScene, TitleCoversTheWindowForALittleOverThreeSeconds) {
    Playthrough& demo = Playthrough::get();
    const Picture title = demo.titleFrame();
    for (const char* moment : {"title first", "title 1.5 s", "title last"})
        ExpectSame(demo.mainFrame(moment), title, moment);
    EXPECT_GT(CountDiffering(demo.mainFrame("spheres first"), title, 2), kWidth * kHeight / 2);
}

TEST(SphereFieldScene, FirstFrameFromKeyZeroThenAlongTheFirstMove) {
    Playthrough& demo = Playthrough::get();
    const Picture background = demo.sphereBackground();
    // Silent: every sphere sits at its own place; the cross is flat on the first frame. At 2 s
    // the view is eased from key 0 towards key 1 by the scene's clock over 5 s.
    ExpectSphereField(demo.quickFrame("silent", "spheres 0 s"), background, demo.spheres,
                      BlendView(kSphereKeys, 0.0f), 0.0f, 0, "spheres, first frame");
    const Matrix view = BlendView(kSphereKeys, demo.quick.time(1, demo.quickAt["spheres 2 s"]) / 5);
    ExpectSphereField(demo.quickFrame("silent", "spheres 2 s"), background, demo.spheres, view,
                      0.0f, CrossHole(view), "spheres at 2 s");
}

TEST(SphereFieldScene, LightWashesOutAfterTenSeconds) {
    Playthrough& demo = Playthrough::get();
    const Picture background = demo.sphereBackground();
    for (const char* moment : {"spheres 9.9 s", "spheres 12.5 s", "spheres last"}) {
        const int64_t frame = demo.mainAt[moment];
        // The ambient grows by 0.025 at the end of every frame past 10 s.
        float ambient = 2.0f;
        for (int64_t f = demo.main.start[1]; f < frame; ++f)
            ambient += demo.main.time(1, f) > 10.0f ? 0.025f : 0.0f;
        const auto grey = SphereGrey(ambient);
        // The spheres are the grey pixels off the background; their median grey is checked.
        const Picture shown = demo.mainFrame(moment);
        ASSERT_FALSE(shown.empty()) << moment;
        std::vector<int> greys;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (Colourfulness(shown.at(x, y)) <= 3 &&
                    Distance(shown.at(x, y), background.at(x, y)) > 30)
                    greys.push_back(shown.at(x, y)[1]);
        ASSERT_GT(greys.size(), 20000u) << moment;
        std::nth_element(greys.begin(), greys.begin() + greys.size() / 2, greys.end());
        EXPECT_GE(greys[greys.size() / 2], grey.first) << moment << ", ambient " << ambient;
        EXPECT_LE(greys[greys.size() / 2], grey.second) << moment << ", ambient " << ambient;
    }
}

namespace {
// Pixels of a mosaic frame off its turning background, where `counted` selects.
int64_t ModelPixels(const Picture& frame, const Timeline& timeline, int64_t number,
                    const Region& counted) {
    return CountDiffering(frame, Playthrough::get().mosaicBackground(timeline.time(2, number)), 12,
                          counted);
}
const Region kNearMiddle = [](int x, int y) { return FromCentre(x, y) <= 45; };
const Region kAwayFromMiddle = [](int x, int y) { return FromCentre(x, y) > 45; };
} // namespace

TEST(MosaicScene, SideModelsOnlyAfterFourSecondsAndTheViewHoldsKeyFiveAfterNineteen) {
    Playthrough& demo = Playthrough::get();
    const int64_t before = demo.mainAt["mosaic before 4 s"],
                  after = demo.mainAt["mosaic after 4 s"];
    ASSERT_LE(demo.main.time(2, before), 4.0f);
    const Picture early = demo.mainFrame("mosaic before 4 s");
    EXPECT_GT(ModelPixels(early, demo.main, before, kNearMiddle), 500) << "the middle model";
    EXPECT_EQ(ModelPixels(early, demo.main, before, kAwayFromMiddle), 0) << "nothing beside it";
    // The side models at sin 3t either side of +-4, seen eased from key 1 towards key 2.
    const float t = demo.main.time(2, after);
    const Matrix view = BlendView(kPathKeys, t / 5.0f);
    const Picture shown = demo.mainFrame("mosaic after 4 s");
    for (double x : {4.0 + std::sin(3.0 * t), std::sin(3.0 * t) - 4.0}) {
        const double world[3] = {x, 0, -10};
        double sx, sy;
        ProjectEye(Transform(view, world), sx, sy);
        EXPECT_GT(ModelPixels(shown, demo.main, after,
                              [&](int px, int py) { return std::hypot(px - sx, py - sy) < 18; }),
                  500)
            << "side model at x " << x;
    }
    EXPECT_GT(ModelPixels(demo.mainFrame("mosaic 12.5 s"), demo.main, demo.mainAt["mosaic 12.5 s"],
                          nullptr),
              1500)
        << "models in view half-way along the path";
    // From key 5 the eye sits inside the middle model, looking away from the side ones:
    // only the turning background is seen, however the music shakes the models.
    for (const char* moment : {"mosaic 19.2 s", "mosaic last"})
        ExpectSame(demo.mainFrame(moment),
                   demo.mosaicBackground(demo.main.time(2, demo.mainAt[moment])), moment);
}

TEST(ParticleScene, FormationsAtOneThreeFiveSevenAndTenSeconds) {
    Playthrough& demo = Playthrough::get();
    const Picture background = demo.particleBackground();
    for (const char* moment : {"particles first", "particles 1 s", "particles 3 s", "particles 5 s",
                               "particles 7 s", "particles 10 s"}) {
        const Picture shown = demo.mainFrame(moment);
        ASSERT_FALSE(shown.empty()) << moment;
        const auto& shots = demo.particleShots.at(demo.mainAt[moment]);
        // Scaled by (2, 2, 1) about the system's offset, 7 units in front of the eye: each
        // particle's centre is lit by its alpha, and nothing is lit clear of every square.
        std::vector<std::array<double, 3>> squares; // centre x, y and half edge, in pixels
        int dark = 0;
        for (const auto& p : shots) {
            const std::array<double, 3> eye = {2.0 * p[0], 2.0 * p[1], -7.0 + p[2]};
            double x, y;
            ProjectEye(eye, x, y);
            squares.push_back({x, y, 0.5 * kPixelsPerUnit / -eye[2]});
            if (x < 0 || y < 0 || x >= kWidth || y >= kHeight)
                continue;
            for (int c = 0; c < 3; ++c) {
                const int lit = shown.at(int(x), int(y))[c],
                          under = background.at(int(x), int(y))[c];
                dark += lit < 255 && lit < under + 100 * p[3];
            }
        }
        EXPECT_EQ(dark, 0) << moment << ": a particle's centre is not lit";
        const int64_t stray = CountDiffering(shown, background, 2, [&](int x, int y) {
            for (const auto& s : squares)
                if (std::fabs(x + 0.5 - s[0]) < s[2] + 2 && std::fabs(y + 0.5 - s[1]) < s[2] + 2)
                    return false;
            return true;
        });
        EXPECT_EQ(stray, 0) << moment << ": light outside every particle";
        if (stray || dark)
            Dump(shown, moment);
    }
    // At 5 s the particles are about half-way from the grid to its mirror image: y = -x.
    for (const auto& p : demo.particleShots.at(demo.mainAt["particles 5 s"]))
        EXPECT_NEAR(p[0], -p[1], 0.1f);
}

namespace {
// The box a name may take up, at 1.5 times its picture's size; the third name's is the whole
// band across the window, as the bass stretches it.
Region NameBox(int i) {
    const Picture picture = ReadPicture(DemoDir() + "/" + kNames[i]);
    const int w = i == 2 ? kWidth : picture.width * 3 / 4 + 3, h = picture.height * 3 / 4 + 3;
    const int cx = kNameCentres[i][0], cy = kNameCentres[i][1];
    return [=](int x, int y) { return std::abs(x - cx) <= w && std::abs(y - cy) <= h; };
}
} // namespace

TEST(CreditsScene, GroupPictureFadesAndNamesComeAndGoOnTime) {
    Playthrough& demo = Playthrough::get();
    const Timeline& m = demo.main;
    const Region boxes[3] = {NameBox(0), NameBox(1), NameBox(2)};
    // The alphas are set after the draws, so a frame shows what the previous one computed.
    auto fade = [&](int64_t frame, float from) {
        const float before = frame > m.start[4] ? m.time(4, frame - 1) : 0.0f;
        return before > from ? 1.0f - (before - from) * 0.5f : 1.0f;
    };
    for (const auto& moment : demo.mainAt) {
        if (moment.first.rfind("credits", 0) != 0)
            continue;
        const float t = m.time(4, moment.second);
        const Picture shown = demo.mainFrame(moment.first);
        ASSERT_FALSE(shown.empty()) << moment.first;
        // Off the names, the group picture at its alpha over the white backdrop.
        const Picture group = demo.groupFrame(fade(moment.second, 10.0f));
        int64_t stray = 0, inBox[3] = {};
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (Distance(shown.at(x, y), group.at(x, y)) > 2) {
                    bool named = false;
                    for (int i = 0; i < 3; ++i)
                        if (boxes[i](x, y))
                            named = true, ++inBox[i];
                    stray += !named;
                }
        EXPECT_EQ(stray, 0) << moment.first << ": the group picture";
        const float nameAlpha = fade(moment.second, 15.0f);
        for (int i = 0; i < 3; ++i) {
            if (!(t > 10.0f + i) || nameAlpha <= 0.0f) {
                EXPECT_EQ(inBox[i], 0) << moment.first << ": name " << i << " not yet or gone";
            } else if (nameAlpha > 0.3f) {
                EXPECT_GT(inBox[i], 300) << moment.first << ": name " << i;
            }
        }
        if (stray)
            Dump(shown, moment.first);
    }
    // The moments fall on the edges: the group fades from the frame after the first name,
    // and is gone as the third comes in; after 17 s only the white backdrop is left.
    EXPECT_EQ(fade(demo.mainAt["credits after 10 s"], 10.0f), 1.0f);
    EXPECT_LT(fade(demo.mainAt["credits after 10 s + 1"], 10.0f), 1.0f);
    EXPECT_LE(fade(demo.mainAt["credits after 12 s"] + 1, 10.0f), 0.0f);
    for (const char* moment : {"credits 17.2 s", "credits last"})
        EXPECT_EQ(CountNotWhite(demo.mainFrame(moment)), 0) << moment;
}

TEST(Spectrum, SilentHoldsStillAndAConstantValuePushesTheSpheresAndShakesTheView) {
    Playthrough& demo = Playthrough::get();
    const CaptureRun& constant = demo.run("constant");
    ExpectFollowsTimeline(constant, demo.quick);
    EXPECT_EQ(constant.reports, "");
    // Each sphere turns by the value in degrees and moves that far along its turned x axis.
    const Picture background = demo.sphereBackground();
    ExpectSphereField(demo.quickFrame("constant", "spheres 0 s"), background, demo.spheres,
                      BlendView(kSphereKeys, 0.0f), kConstantSpectrum, 0, "spheres, constant");
    const Matrix view = BlendView(kSphereKeys, demo.quick.time(1, demo.quickAt["spheres 2 s"]) / 5);
    ExpectSphereField(demo.quickFrame("constant", "spheres 2 s"), background, demo.spheres, view,
                      kConstantSpectrum, CrossHole(view), "spheres at 2 s, constant");

    // The mosaic view, on its first frame key 1, moves by (v, v, v) in the world: the middle
    // model drifts right and up and comes a little nearer. Silent, it is at the centre.
    const Picture still = demo.mosaicBackground(0.0f);
    std::array<int, 4> box[2]; // left, top, right, bottom
    for (int run = 0; run < 2; ++run) {
        const Picture shown = demo.quickFrame(run ? "constant" : "silent", "mosaic 0 s");
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
        const double silent = (box[0][axis] + box[0][axis + 2]) / 2.0;
        EXPECT_NEAR(silent, middle, 1.0);
        EXPECT_NEAR((box[1][axis] + box[1][axis + 2]) / 2.0,
                    middle + (silent - middle) * nearer + (axis ? -shift : shift), 1.5);
    }
    EXPECT_NEAR(box[1][2] - box[1][0], (box[0][2] - box[0][0]) * nearer, 2.0);

    // The third name stretches with the bass: its width is |sin 3t| / 2 + 1 plus the value
    // times its picture's, the other names as without it.
    const Picture silentCredits = demo.quickFrame("silent", "credits 13 s");
    const Picture constantCredits = demo.quickFrame("constant", "credits 13 s");
    const Region band = NameBox(2);
    ExpectSame(constantCredits, silentCredits, "credits, constant spectrum",
               [&](int x, int y) { return !band(x, y); });
    auto width = [&](const Picture& frame) {
        int left = kWidth, right = -1;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (band(x, y) && !IsWhite(frame.at(x, y)))
                    left = std::min(left, x), right = std::max(right, x);
        return right - left;
    };
    const float pulse =
        std::fabs(std::sin(3.0f * demo.quick.time(4, demo.quickAt["credits 13 s"])));
    EXPECT_NEAR(double(width(constantCredits)) / width(silentCredits),
                (pulse * 0.5 + 1 + kConstantSpectrum) / (pulse * 0.5 + 1), 0.03);

    // Without the soundtrack the scenes read a spectrum of zeros: its only reports are the
    // soundtrack's, and the spheres and the view stay where the constant value moves them.
    const CaptureRun& silent = demo.run("silent");
    ExpectFollowsTimeline(silent, demo.quick);
    EXPECT_EQ(silent.reports, ExpectedReports({kMusic}, demo.quick));
    for (const char* moment :
         {"spheres 0 s", "spheres 1 s", "spheres 2 s", "mosaic 0 s", "mosaic 6 s"}) {
        const int64_t frame = demo.quickAt[moment];
        EXPECT_GT(CountDiffering(silent.frame(frame), constant.frame(frame), 2), 1000) << moment;
    }
}

namespace {
// What a run without some file must show at a moment, given the silent run's frame there.
using MomentCheck =
    std::function<void(const Picture& shown, const Picture& usual, const std::string& what)>;

void AllWhite(const Picture& shown, const Picture&, const std::string& what) {
    ASSERT_FALSE(shown.empty()) << what;
    EXPECT_EQ(CountNotWhite(shown), 0) << what << ": all white";
}

// Changed from the usual frame at least `least` pixels, only where `where` allows, to white.
MomentCheck WhiteWhere(const Region& where, int64_t least) {
    return [where, least](const Picture& shown, const Picture& usual, const std::string& what) {
        ASSERT_FALSE(shown.empty()) << what;
        int64_t changed = 0, wrong = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (Distance(shown.at(x, y), usual.at(x, y)) > 2) {
                    ++changed;
                    wrong += (where && !where(x, y)) || !IsWhite(shown.at(x, y));
                }
        EXPECT_GE(changed, least) << what;
        EXPECT_EQ(wrong, 0) << what << ": changed to something other than white";
        if (wrong || changed < least)
            Dump(shown, what);
    };
}

Region NearCentre(double radius) {
    return [radius](int x, int y) { return FromCentre(x, y) < radius; };
}

void ExpectMissingRun(const std::string& file, const std::map<std::string, MomentCheck>& checks) {
    Playthrough& demo = Playthrough::get();
    const CaptureRun& run = demo.run("no " + file);
    const CaptureRun& silent = demo.run("silent");
    ExpectFollowsTimeline(run, demo.quick);
    EXPECT_EQ(run.reports, ExpectedReports({file}, demo.quick)) << file;
    for (const std::string& moment : demo.missingRunMoments(file)) {
        const int64_t frame = demo.quickAt[moment];
        const std::string what = "without " + file + ", " + moment;
        auto check = checks.find(moment);
        if (check != checks.end())
            check->second(run.frame(frame), silent.frame(frame), what);
        else
            ExpectSame(run.frame(frame), silent.frame(frame), what + " as usual");
    }
}
} // namespace

TEST(MissingFiles, PicturesOfTheLoadingTitleAndCredits) {
    ExpectMissingRun("Text/loading.png", {{"loading", AllWhite}, {"fade", AllWhite}});
    ExpectMissingRun("Text/title.png", {{"title", AllWhite}});
    // The group picture still covers the window, as a white rectangle.
    ExpectMissingRun("Text/trollbeks.jpg", {{"credits 5 s", AllWhite}});
    // A name without its picture is 0 x 0: nothing where it would pulse.
    for (int i = 0; i < 3; ++i)
        ExpectMissingRun(kNames[i], {{"credits 13 s", WhiteWhere(NameBox(i), 500)},
                                     {"credits 17 s", WhiteWhere(NameBox(i), 500)}});
}

TEST(MissingFiles, TexturesOfTheSphereFieldAndMosaicScenes) {
    // Untextured, the cross and the middle model are lit plain white.
    ExpectMissingRun("Textures/oooh.png", {{"spheres 1 s", WhiteWhere(nullptr, 3000)},
                                           {"spheres 2 s", WhiteWhere(nullptr, 3000)}});
    ExpectMissingRun("Textures/mosaik2.png", {{"mosaic 0 s", WhiteWhere(NearCentre(60), 300)},
                                              {"mosaic 6 s", WhiteWhere(NearCentre(60), 300)}});
    // The backgrounds become white rectangles behind everything.
    const MomentCheck white = WhiteWhere(nullptr, 100000);
    ExpectMissingRun("Textures/bg.png",
                     {{"spheres 0 s", white}, {"spheres 1 s", white}, {"spheres 2 s", white}});
    ExpectMissingRun("Textures/bg2.png", {{"mosaic 0 s", white}, {"mosaic 6 s", white}});
    // The side models are drawn with whatever is bound: the middle model's mosaic, bluer
    // than their own.
    ExpectMissingRun(
        "Textures/mosaik.png",
        {{"mosaic 6 s", [](const Picture& shown, const Picture& usual, const std::string& what) {
              int64_t changed = 0, central = 0;
              double bluer = 0;
              for (int y = 0; y < kHeight; ++y)
                  for (int x = 0; x < kWidth; ++x)
                      if (Distance(shown.at(x, y), usual.at(x, y)) > 2) {
                          ++changed;
                          central += FromCentre(x, y) < 40;
                          bluer += shown.at(x, y)[2] - shown.at(x, y)[0] -
                                   (usual.at(x, y)[2] - usual.at(x, y)[0]);
                      }
              EXPECT_GT(changed, 500) << what;
              EXPECT_EQ(central, 0) << what << ": the middle model changed";
              EXPECT_GT(bluer, 20.0 * changed) << what;
          }}});
}

TEST(MissingFiles, ParticlePicturesAndModels) {
    Playthrough& demo = Playthrough::get();
    // White behind additive particles leaves only white; untextured particles are white.
    ExpectMissingRun("Textures/particlebg.jpg", {{"particles 5 s", AllWhite}});
    ExpectMissingRun("Textures/blob.jpg", {{"particles 5 s", WhiteWhere(nullptr, 20000)}});
    // An empty cross draws nothing: the field shows around the centre.
    const Picture background = demo.sphereBackground();
    auto field = [&](float seconds) -> MomentCheck {
        return [&, seconds](const Picture& shown, const Picture&, const std::string& what) {
            const float t = demo.quick.time(1, demo.quick.at(1, seconds));
            ExpectSphereField(shown, background, demo.spheres, BlendView(kSphereKeys, t / 5.0f),
                              0.0f, 0, what);
        };
    };
    ExpectMissingRun("Models/cross.mesh",
                     {{"spheres 1 s", field(1.0f)}, {"spheres 2 s", field(2.0f)}});
    // Without the models the mosaic scene is its turning background alone.
    auto bare = [&](float seconds) -> MomentCheck {
        return [&, seconds](const Picture& shown, const Picture&, const std::string& what) {
            ExpectSame(shown, demo.mosaicBackground(demo.quick.time(2, demo.quick.at(2, seconds))),
                       what);
        };
    };
    ExpectMissingRun("Models/rundingdings.mesh",
                     {{"mosaic 0 s", bare(0.0f)}, {"mosaic 6 s", bare(6.0f)}});
}

TEST(MissingFiles, NoFilesAtAll) {
    Playthrough& demo = Playthrough::get();
    const CaptureRun& run = demo.run("no files");
    ExpectFollowsTimeline(run, demo.quick);
    EXPECT_EQ(run.reports, ExpectedReports({kDemoFiles.begin(), kDemoFiles.end()}, demo.quick));
    // Every picture is a white rectangle or nothing; only the grey spheres remain, on white.
    const Picture white{kWidth, kHeight, std::vector<uint8_t>(kWidth * kHeight * 3, 255)};
    for (const auto& moment : demo.quickAt) {
        const Picture shown = run.frame(moment.second);
        const std::string what = "no files, " + moment.first;
        if (moment.first.rfind("spheres", 0) == 0)
            ExpectSphereField(shown, white, demo.spheres,
                              BlendView(kSphereKeys, demo.quick.time(1, moment.second) / 5.0f),
                              0.0f, 0, what);
        else
            AllWhite(shown, shown, what);
    }
}
