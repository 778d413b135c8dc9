// The whole demo, played by rerovuz-capture on the virtual counter and read back from the
// frames it writes: loading, the five scenes, the music's pull on the spheres and the view,
// and every asset file missing in turn.
//
// One capture runs the demo at 60 frames a second from start to end; the others run at one
// frame a second to keep the time down: one without the soundtrack (a silent spectrum), one
// with a constant spectrum (the capture's --spectrum), one per missing file and one with no
// files at all. They run two at a time in the
// background while the tests read whatever has finished. Expected frames are drawn here with
// the same overlays, and the timeline is worked out with the scenes' own clock arithmetic.
#include "app/globals.h"
#include "app/random.h"
#include "app/scene_timer.h"
#include "effects/particle_system.h"
#include "effects/sphere_field.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/image_decoder.h"
#include "resources/overlay.h"
#include "scenes/camera.h"
#include "test_support.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {
constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kMainFps = 60;
constexpr int kQuickFps = 1;
// The capture's counter runs at fps x this, one step per shown frame.
constexpr int64_t kTicksPerFrame = 1000;
constexpr float kSceneLength[5] = {3.0f, 15.0f, 20.0f, 14.0f, 18.0f};
constexpr float kConstantSpectrum = 0.5f;

// Pictures ---------------------------------------------------------------------------------

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
    picture.rgb.resize(static_cast<size_t>(picture.width) * picture.height * 3);
    for (int y = 0; y < picture.height; ++y) {
        const unsigned char* row = image.topRow() + y * image.pitch();
        for (int x = 0; x < picture.width; ++x) {
            uint8_t* to = &picture.rgb[(static_cast<size_t>(y) * picture.width + x) * 3];
            to[0] = row[x * bytes + 2];
            to[1] = row[x * bytes + 1];
            to[2] = row[x * bytes + 0];
        }
    }
    return picture;
}

Picture BackBuffer() {
    std::vector<uint8_t> rgba = ReadFrame();
    Picture picture;
    picture.width = kWidth;
    picture.height = kHeight;
    picture.rgb.resize(static_cast<size_t>(kWidth) * kHeight * 3);
    for (size_t i = 0; i < picture.rgb.size() / 3; ++i)
        std::copy_n(&rgba[i * 4], 3, &picture.rgb[i * 3]);
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

// Where the test started: pictures of failed comparisons are left there to look at.
std::string g_dumpFolder;

void Dump(const Picture& picture, const std::string& name) {
    if (picture.empty())
        return;
    std::vector<uint8_t> rgba(static_cast<size_t>(picture.width) * picture.height * 4, 255);
    for (size_t i = 0; i < rgba.size() / 4; ++i)
        std::copy_n(&picture.rgb[i * 3], 3, &rgba[i * 4]);
    std::string file = name;
    std::replace_if(
        file.begin(), file.end(),
        [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    WritePng(g_dumpFolder + "/timeline_" + file + ".png", rgba, picture.width, picture.height);
}

// Pixels of `frame` further than `tolerance` from `expected` among those `counted` selects.
int64_t CountDiffering(const Picture& frame, const Picture& expected, int tolerance,
                       const std::function<bool(int, int)>& counted = nullptr) {
    int64_t differing = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if ((!counted || counted(x, y)) &&
                Distance(frame.at(x, y), expected.at(x, y)) > tolerance)
                ++differing;
    return differing;
}

void ExpectSame(const Picture& frame, const Picture& expected, const std::string& what,
                const std::function<bool(int, int)>& counted = nullptr) {
    ASSERT_FALSE(frame.empty()) << what << ": no frame";
    int64_t differing = CountDiffering(frame, expected, 2, counted);
    EXPECT_EQ(differing, 0) << what;
    if (differing != 0) {
        Dump(frame, what + " shown");
        Dump(expected, what + " expected");
    }
}

// The timeline ------------------------------------------------------------------------------

// The reading, while frame `frame` is drawn, of a clock started while frame `start` was
// drawn: the capture's counter stands at frame x kTicksPerFrame during a frame, and the
// demo's own SceneTimer does the float rounding the scenes see.
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
    // The loading picture's alpha on a frame of the fade: the fade's clock starts while
    // frame 1 is drawn and is read before each draw.
    float fadeAlpha(int64_t frame) const {
        return frame == 0 ? 1.0f : 1.0f - 0.5f * ClockAt(fps, 1, frame);
    }
};

Timeline WorkOutTimeline(int fps) {
    Timeline timeline;
    timeline.fps = fps;
    // Frame 0 is the loading picture. The fade draws while its clock, read after each shown
    // frame, is below 2 s.
    int64_t fade = 0;
    while (ClockAt(fps, 1, 1 + fade) < 2.0f)
        ++fade;
    timeline.fadeFrames = fade;
    // The main loop's first pump shows a frame before the first scene has drawn one.
    int64_t frame = fade + 2;
    for (int scene = 0; scene < 5; ++scene) {
        timeline.start[scene] = frame;
        int64_t last = frame;
        while (ClockAt(fps, frame, last) <= kSceneLength[scene])
            ++last;
        frame = last + 1;
    }
    // After the last scene's last frame the next one only posts the quit message.
    timeline.frames = frame;
    return timeline;
}

// The capture asks for moments in seconds and names each picture by them: the smallest
// time on the millisecond that falls within frame `frame`.
std::string MomentName(int fps, int64_t frame) {
    const int64_t ms = (frame * 1000 + fps - 1) / fps;
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%03lld", static_cast<long long>(ms / 1000),
                  static_cast<long long>(ms % 1000));
    return text;
}

// Capture runs ------------------------------------------------------------------------------

struct RunSpec {
    std::string name;
    int fps = kQuickFps;
    std::vector<int64_t> frames; // to write; one past the end keeps the run going to its end
    std::string assets;          // empty: the demo's own folder
    bool fixedSpectrum = false;
    float spectrum = 0.0f;
};

struct CaptureRun {
    RunSpec spec;
    std::string folder;
    bool done = false;
    int status = -1; // exit code, or -1 when it did not exit normally
    std::string reports;
    int64_t start[5] = {-1, -1, -1, -1, -1};
    int64_t frames = -1;

    // Decoded once: the silent run's frames are the yardstick of every missing file.
    const Picture& frame(int64_t number) const {
        auto known = decoded.find(number);
        if (known == decoded.end())
            known = decoded
                        .emplace(number,
                                 ReadPicture(folder + "/t" + MomentName(spec.fps, number) + ".png"))
                        .first;
        return known->second;
    }
    mutable std::map<int64_t, Picture> decoded;
};

// Splits the capture's standard output into the demo's reports and its own summary.
void ReadOutput(CaptureRun& run) {
    std::vector<uint8_t> bytes = ReadFileBytes(run.folder + "/stdout.txt");
    std::string out(bytes.begin(), bytes.end());
    size_t summary = out.rfind("scene 0 (title) starts at frame ");
    if (summary == std::string::npos)
        summary = out.size();
    run.reports = out.substr(0, summary);
    size_t at = summary;
    while (at < out.size()) {
        size_t end = out.find('\n', at);
        std::string line = out.substr(at, end == std::string::npos ? std::string::npos : end - at);
        int scene = -1, fps = 0;
        long long frame = -1;
        if (std::sscanf(line.c_str(), "scene %d (%*[^)]) starts at frame %lld", &scene, &frame) ==
                2 &&
            scene >= 0 && scene < 5)
            run.start[scene] = frame;
        else if (std::sscanf(line.c_str(), "%lld frames at %d fps", &frame, &fps) == 2)
            run.frames = frame;
        if (end == std::string::npos)
            break;
        at = end + 1;
    }
}

void Execute(CaptureRun& run, const std::function<void(pid_t, bool)>& track) {
    std::vector<std::string> args = {DemoDir() + "/rerovuz-capture", "--fps",
                                     std::to_string(run.spec.fps), "--out", run.folder};
    std::string at;
    for (int64_t frame : run.spec.frames)
        at += (at.empty() ? "" : ",") + MomentName(run.spec.fps, frame);
    args.insert(args.end(), {"--at", at});
    if (!run.spec.assets.empty())
        args.insert(args.end(), {"--assets", run.spec.assets});
    if (run.spec.fixedSpectrum)
        args.insert(args.end(), {"--spectrum", std::to_string(run.spec.spectrum)});
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string out = run.folder + "/stdout.txt";
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        track(pid, true);
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        track(pid, false);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    ReadOutput(run);
}

// The runs, two at a time in the order given: the long one first, so that the short ones
// share the other core with it.
class RunPool {
  public:
    explicit RunPool(std::vector<RunSpec> specs, const std::string& folder) {
        for (RunSpec& spec : specs) {
            auto run = std::make_unique<CaptureRun>();
            run->folder = folder + "/" + spec.name;
            std::filesystem::create_directories(run->folder);
            run->spec = std::move(spec);
            runs_.push_back(std::move(run));
        }
        for (int i = 0; i < 2; ++i)
            workers_.emplace_back([this] { work(); });
    }
    // Runs not asked for (a filtered test run) are not waited for.
    ~RunPool() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            next_ = runs_.size();
            for (pid_t pid : running_)
                kill(pid, SIGTERM);
        }
        for (std::thread& worker : workers_)
            worker.join();
    }
    const CaptureRun& get(const std::string& name) {
        std::unique_lock<std::mutex> lock(mutex_);
        for (auto& run : runs_)
            if (run->spec.name == name) {
                done_.wait(lock, [&] { return run->done; });
                return *run;
            }
        ADD_FAILURE() << "no run named " << name;
        static CaptureRun none;
        return none;
    }

  private:
    void work() {
        for (;;) {
            CaptureRun* run = nullptr;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                if (next_ >= runs_.size())
                    return;
                run = runs_[next_++].get();
            }
            Execute(*run, [this](pid_t pid, bool started) {
                std::lock_guard<std::mutex> lock(mutex_);
                if (started)
                    running_.insert(pid);
                else
                    running_.erase(pid);
            });
            std::lock_guard<std::mutex> lock(mutex_);
            run->done = true;
            done_.notify_all();
        }
    }

    std::vector<std::unique_ptr<CaptureRun>> runs_;
    size_t next_ = 0;
    std::mutex mutex_;
    std::condition_variable done_;
    std::vector<std::thread> workers_;
    std::set<pid_t> running_;
};

// The demo's files ----------------------------------------------------------------------------

const char* const kAssetFiles[] = {
    "Text/loading.png",      "Text/title.png",      "Text/skrabo.png",
    "Text/plind.png",        "Text/vexa.png",       "Text/trollbeks.jpg",
    "Textures/oooh.png",     "Textures/mosaik.png", "Textures/mosaik2.png",
    "Textures/bg.png",       "Textures/bg2.png",    "Textures/particlebg.jpg",
    "Textures/blob.jpg",     "Models/cross.mesh",   "Models/rundingdings.mesh",
    "Music/Quirnstadbek.mp3"};
const char* const kMusic = "Music/Quirnstadbek.mp3";

// The moments at which each missing file changes what is drawn. A run without a file writes
// these and the probes, where nothing may change.
const std::map<std::string, std::vector<std::string>> kShownAt = {
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
const char* const kProbes[] = {"title", "spheres 0 s", "mosaic 6 s", "credits 13 s"};

std::vector<std::string> MissingRunMoments(const std::string& file) {
    std::vector<std::string> moments = kShownAt.at(file);
    for (const char* probe : kProbes)
        if (std::find(moments.begin(), moments.end(), probe) == moments.end())
            moments.push_back(probe);
    return moments;
}

// A folder laid out like the demo's, each file a link to the built one, minus `missing`.
std::string AssetFolder(const std::string& folder, const std::set<std::string>& missing) {
    for (const char* sub : {"Text", "Textures", "Models", "Music"})
        std::filesystem::create_directories(folder + "/" + sub);
    for (const char* file : kAssetFiles)
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
    for (const char* model : {"Models/cross.mesh", "Models/rundingdings.mesh"})
        if (missing.count(model))
            reports += std::string("Can't open file ") + model + " to load mesh.";
    for (const char* name :
         {"Text/skrabo.png", "Text/plind.png", "Text/trollbeks.jpg", "Text/vexa.png",
          "Text/title.png", "Textures/oooh.png", "Textures/mosaik.png", "Textures/mosaik2.png",
          "Textures/particlebg.jpg", "Textures/bg.png", "Textures/bg2.png", "Textures/blob.jpg"})
        if (missing.count(name))
            reports += picture(name);
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

const Camera kSphereKeys[3] = {{0, 0, 10, 0, 0, -10, 0, 1, 0},
                               {15, 5, -20, 0, 0, -10, 1, 1, 0},
                               {-15, -5, -10, 0, 0, -10, 0, 1, 0}};
const Camera kPathKey1 = {0, 0, 10, 0, 0, -10, 0, 1, 0};
const Camera kPathKey2 = {15, 5, 20, 0, 0, -10, 0, 1, 0};

struct Matrix {
    double m[16];
};

// The look-at of a blend of two cameras, as the scenes put it on the identity.
Matrix BlendView(const Camera& from, const Camera& to, float u) {
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    BlendCameras(from, to, u);
    Matrix view;
    glGetDoublev(GL_MODELVIEW_MATRIX, view.m);
    glPopMatrix();
    return view;
}

void Transform(const Matrix& matrix, const double* point, double* out) {
    const double* m = matrix.m;
    for (int i = 0; i < 3; ++i)
        out[i] = m[i] * point[0] + m[4 + i] * point[1] + m[8 + i] * point[2] + m[12 + i];
}

// The window's projection: 45 degrees, 4:3. Pixels are square, so one factor serves.
double PixelsPerUnitAtDistanceOne() {
    return (kHeight / 2) / std::tan(22.5 * M_PI / 180.0);
}

// Where an eye-space point lands, x from the left and y from the top of the window.
void ProjectEye(const double* eye, double& x, double& y) {
    const double f = PixelsPerUnitAtDistanceOne();
    x = kWidth / 2 + f * eye[0] / -eye[2];
    y = kHeight / 2 - f * eye[1] / -eye[2];
}

// The sphere field -----------------------------------------------------------------------------

// The layout loading makes: the same generator, seeded the same, drawn first by the spheres
// and then by the particles.
struct Layout {
    std::vector<FieldSphere> spheres;
    // Played once, like the demo's: its update keeps its clock and step in statics.
    ParticleSystem* particles = nullptr;
};

// A sphere's centre with the music value `amount`: turned by that many degrees about its
// axis, then pushed that far along its turned x axis.
void SphereCentre(const FieldSphere& sphere, float amount, double* centre) {
    double k[3] = {sphere.axis[0], sphere.axis[1], sphere.axis[2]};
    const double length = std::sqrt(k[0] * k[0] + k[1] * k[1] + k[2] * k[2]);
    for (double& c : k)
        c /= length;
    const double angle = amount * M_PI / 180.0;
    // Rodrigues' rotation of (amount, 0, 0).
    const double v[3] = {amount, 0, 0};
    const double dot = k[0] * v[0];
    const double cross[3] = {0, k[2] * v[0], -k[1] * v[0]};
    for (int i = 0; i < 3; ++i)
        centre[i] = sphere.position[i] + v[i] * std::cos(angle) + cross[i] * std::sin(angle) +
                    k[i] * dot * (1 - std::cos(angle));
}

// Which sphere each pixel sees (-1: none), by casting the pixel's ray at the unit spheres.
std::vector<int> SphereLabels(const Layout& layout, const Matrix& view, float amount) {
    std::vector<std::array<double, 3>> eyes;
    for (const FieldSphere& sphere : layout.spheres) {
        double centre[3], eye[3];
        SphereCentre(sphere, amount, centre);
        Transform(view, centre, eye);
        eyes.push_back({eye[0], eye[1], eye[2]});
    }
    const double f = PixelsPerUnitAtDistanceOne();
    std::vector<int> labels(static_cast<size_t>(kWidth) * kHeight, -1);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const double d[3] = {(x + 0.5 - kWidth / 2) / f, (kHeight / 2 - y - 0.5) / f, -1.0};
            const double dd = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
            double nearest = 1e30;
            for (size_t i = 0; i < eyes.size(); ++i) {
                const double* e = eyes[i].data();
                const double along = (e[0] * d[0] + e[1] * d[1] + e[2] * d[2]) / dd;
                const double ee = e[0] * e[0] + e[1] * e[1] + e[2] * e[2];
                const double miss = ee - along * along * dd;
                if (along <= 0 || miss >= 1.0)
                    continue;
                const double hit = along - std::sqrt((1.0 - miss) / dd);
                if (hit < nearest) {
                    nearest = hit;
                    labels[static_cast<size_t>(y) * kWidth + x] = static_cast<int>(i);
                }
            }
        }
    return labels;
}

// A sphere field frame against the layout seen through `view`: where a sphere certainly is
// (two pixels in from its outline), its grey lies in [low, high]; where none certainly is,
// the background shows. `hole` is a disc around the window's centre left unchecked (the
// cross there), radius 0 for none. `background` null: anything but sphere grey is allowed
// where no sphere is.
void ExpectSphereField(const Picture& frame, const Picture& background, const Layout& layout,
                       const Matrix& view, float amount, int low, int high, double hole,
                       const std::string& what) {
    ASSERT_FALSE(frame.empty()) << what << ": no frame";
    std::vector<int> labels = SphereLabels(layout, view, amount);
    auto label = [&](int x, int y) { return labels[static_cast<size_t>(y) * kWidth + x]; };
    int64_t sphereChecked = 0, sphereWrong = 0, backgroundChecked = 0, backgroundWrong = 0;
    for (int y = 2; y < kHeight - 2; ++y)
        for (int x = 2; x < kWidth - 2; ++x) {
            if (std::hypot(x - kWidth / 2, y - kHeight / 2) < hole)
                continue;
            const int here = label(x, y);
            bool uniform = true;
            for (int dy = -2; dy <= 2 && uniform; ++dy)
                for (int dx = -2; dx <= 2 && uniform; ++dx)
                    uniform = label(x + dx, y + dy) == here;
            if (!uniform)
                continue;
            const uint8_t* p = frame.at(x, y);
            if (here >= 0) {
                ++sphereChecked;
                if (Colourfulness(p) > 3 || p[1] < low || p[1] > high)
                    ++sphereWrong;
            } else {
                ++backgroundChecked;
                if (Distance(p, background.at(x, y)) > 2)
                    ++backgroundWrong;
            }
        }
    EXPECT_GT(sphereChecked, 10000) << what;
    EXPECT_GT(backgroundChecked, 100000) << what;
    EXPECT_EQ(sphereWrong, 0) << what << ": pixels where a sphere should be";
    EXPECT_EQ(backgroundWrong, 0) << what << ": pixels where only the background should be";
    if (sphereWrong || backgroundWrong) {
        Picture predicted = frame;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (label(x, y) >= 0)
                    std::fill_n(&predicted.rgb[(static_cast<size_t>(y) * kWidth + x) * 3], 3,
                                static_cast<uint8_t>(label(x, y) * 5));
        Dump(frame, what + " shown");
        Dump(predicted, what + " predicted spheres");
    }
}

// The disc the tumbling cross may cover, in pixels about the window's centre: its arms
// reach 2.3 units from (0, 0, -10) whichever way it turns.
double CrossHole(const Matrix& view) {
    const double centre[3] = {0, 0, -10};
    double eye[3];
    Transform(view, centre, eye);
    return PixelsPerUnitAtDistanceOne() * 2.6 / (-eye[2] - 2.6) + 4;
}

// The grey of a sphere with the scene light's ambient at `ambient`: material 0.1 under the
// global ambient 1 and the light's ambient, plus up to 0.1 of diffuse, as 8-bit levels.
void SphereGrey(float ambient, int& low, int& high) {
    low = std::min(255, static_cast<int>(std::floor(0.1 * (ambient + 1) * 255)) - 2);
    high = std::min(255, static_cast<int>(std::ceil(0.1 * (ambient + 2) * 255)) + 2);
}

// Fixture ---------------------------------------------------------------------------------

// The frames each run writes, by name.
struct Moments {
    std::map<std::string, int64_t> frames;
    int64_t operator[](const std::string& name) const { return frames.at(name); }
    std::vector<int64_t> list(const Timeline& timeline) const {
        std::vector<int64_t> all;
        for (const auto& moment : frames)
            all.push_back(moment.second);
        all.push_back(timeline.frames + 10); // never reached: the run goes on to its end
        return all;
    }
};

// What the tests share, set up on first use: the timelines, the moments each run writes,
// the random layouts, the overlays that draw the expected frames, and the runs, which start
// at once and go on in the background.
class Playthrough {
  public:
    static Playthrough& get() {
        static Playthrough playthrough;
        return playthrough;
    }

    Timeline main;
    Timeline quick;
    Moments mainAt;
    Moments quickAt;
    Layout layout;
    // Particle positions and alpha on the main run's frames, by frame.
    std::map<int64_t, std::vector<std::array<float, 4>>> particleShots;

    const CaptureRun& run(const std::string& name) { return pool_->get(name); }

    Picture loadingFrame(float alpha) {
        return draw(1.0f, [&] {
            loading_->color[3] = alpha;
            loading_->draw();
        });
    }
    Picture titleFrame() {
        return draw(0.0f, [&] { title_->draw(); });
    }
    Picture sphereBackground() {
        return draw(0.0f, [&] { bg_->draw(); });
    }
    Picture mosaicBackground(float t) {
        return draw(0.0f, [&] {
            bg2_->rotation = 30.0f * t;
            bg2_->draw();
        });
    }
    Picture particleBackground() {
        return draw(0.0f, [&] { particleBg_->draw(); });
    }

    // The alphas a credits frame shows. They are set after the draws, so a frame shows what
    // the previous one computed.
    static float groupAlpha(const Timeline& timeline, int64_t frame) {
        const float before = frame > timeline.start[4] ? timeline.time(4, frame - 1) : 0.0f;
        return before > 10.0f ? 1.0f - (before - 10.0f) * 0.5f : 1.0f;
    }
    static float nameAlpha(const Timeline& timeline, int64_t frame) {
        const float before = frame > timeline.start[4] ? timeline.time(4, frame - 1) : 0.0f;
        return before > 15.0f ? 1.0f - (before - 15.0f) * 0.5f : 1.0f;
    }

    // The credits frame at `frame` of a run: the group picture and the names with the
    // alphas, sizes and timing the scene gives them. Without a known spectrum the third name
    // is left out.
    Picture creditsFrame(const Timeline& timeline, int64_t frame, bool spectrumKnown,
                         float spectrum) {
        const float t = timeline.time(4, frame);
        return draw(1.0f, [&] {
            trollbeks_->color[3] = groupAlpha(timeline, frame);
            trollbeks_->draw();
            const float phases[3] = {94.0f, 34.0f, 0.0f};
            const float from[3] = {10.0f, 11.0f, 12.0f};
            for (int i = 0; i < 3; ++i) {
                if (!(t > from[i]) || (i == 2 && !spectrumKnown))
                    continue;
                Overlay& name = *names_[i];
                // Pulses recomputed from the picture's own size: 1 to 1.5 times, the width
                // shifted in phase and stretched by the bass.
                const float stretch = i == 2 ? spectrum : 0.0f;
                const float a = std::fabs(static_cast<float>(std::sin(double(3.0f * t))));
                const float b =
                    std::fabs(static_cast<float>(std::sin(double(3.0f * t + phases[i]))));
                const float wide = static_cast<float>(b * 0.5 + 1.0 + stretch);
                const float high = static_cast<float>(a * 0.5 + 1.0);
                name.drawWidth =
                    static_cast<int>(std::floor(static_cast<float>(double(wide) * name.width)));
                name.drawHeight =
                    static_cast<int>(std::floor(static_cast<float>(double(high) * name.height)));
                name.color[3] = nameAlpha(timeline, frame);
                name.draw();
            }
        });
    }
    // The band the third name may take up, whatever the bass.
    bool inVexaBand(int, int y) const { return std::abs(y - 450) <= names_[2]->height * 3 / 4 + 3; }

  private:
    Playthrough() {
        g_dumpFolder = std::filesystem::current_path().string();
        EXPECT_TRUE(PlatformChangeFolder(DemoDir().c_str())) << DemoDir();
        TestWindow();
        g_windowWidth = kWidth;
        g_windowHeight = kHeight;
        // The demo's fixed state, as far as any drawing here depends on it.
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LEQUAL);
        glEnable(GL_CULL_FACE);
        glFrontFace(GL_CCW);
        glShadeModel(GL_SMOOTH);
        glEnable(GL_COLOR_MATERIAL);
        glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);

        main = WorkOutTimeline(kMainFps);
        quick = WorkOutTimeline(kQuickFps);
        pickMoments();
        makeLayout();

        loading_ = std::make_unique<Overlay>("Text/loading.png");
        loading_->color[0] = 0.17253245f;
        loading_->color[1] = 0.4352345f;
        loading_->color[2] = 0.58823425f;
        loading_->centerOnWindow();
        title_ = std::make_unique<Overlay>("Text/title.png");
        title_->fillWindow();
        bg_ = std::make_unique<Overlay>("Textures/bg.png");
        bg_->fillWindow();
        bg2_ = std::make_unique<Overlay>("Textures/bg2.png");
        bg2_->fillWindow();
        bg2_->drawWidth *= 2;
        bg2_->drawHeight *= 2;
        particleBg_ = std::make_unique<Overlay>("Textures/particlebg.jpg");
        particleBg_->fillWindow();
        trollbeks_ = std::make_unique<Overlay>("Text/trollbeks.jpg");
        trollbeks_->fillWindow();
        const char* names[3] = {"Text/skrabo.png", "Text/plind.png", "Text/vexa.png"};
        const int centres[3][2] = {{180, 150}, {600, 250}, {400, 450}};
        for (int i = 0; i < 3; ++i) {
            names_[i] = std::make_unique<Overlay>(names[i]);
            names_[i]->centerX = centres[i][0];
            names_[i]->centerY = centres[i][1];
        }

        std::vector<RunSpec> specs;
        specs.push_back({"main", kMainFps, mainAt.list(main), "", false, 0.0f});
        const std::vector<int64_t> quickFrames = quickAt.list(quick);
        specs.push_back({"silent", kQuickFps, quickFrames,
                         AssetFolder(folder_.file("silent"), {kMusic}), false, 0.0f});
        specs.push_back({"constant", kQuickFps, quickFrames, AssetFolder(folder_.file("all"), {}),
                         true, kConstantSpectrum});
        for (const char* file : kAssetFiles) {
            if (std::string(file) == kMusic)
                continue;
            const std::string name = std::string("no ") + file;
            std::string folder = folder_.file("no_" + std::to_string(specs.size()));
            std::vector<int64_t> frames;
            for (const std::string& moment : MissingRunMoments(file))
                frames.push_back(quickAt[moment]);
            frames.push_back(quick.frames + 10);
            specs.push_back({name, kQuickFps, frames, AssetFolder(folder, {file}), true, 0.0f});
        }
        std::filesystem::create_directories(folder_.file("none"));
        specs.push_back({"no files", kQuickFps, quickFrames, folder_.file("none"), false, 0.0f});
        pool_ = std::make_unique<RunPool>(std::move(specs), folder_.file("runs"));
    }

    void pickMoments() {
        const Timeline& m = main;
        mainAt.frames = {
            {"loading", 0},
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
            {"mosaic last", m.last(2)},
            {"particles first", m.start[3]},
            {"particles 1 s", m.at(3, 1)},
            {"particles 3 s", m.at(3, 3)},
            {"particles 5 s", m.at(3, 5)},
            {"particles 7 s", m.at(3, 7)},
            {"particles 10 s", m.at(3, 10)},
            {"particles last", m.last(3)},
            {"credits first", m.start[4]},
            {"credits before 10 s", m.firstAfter(4, 10.0f) - 1},
            {"credits after 10 s", m.firstAfter(4, 10.0f)},
            {"credits after 10 s + 1", m.firstAfter(4, 10.0f) + 1},
            {"credits before 11 s", m.firstAfter(4, 11.0f) - 1},
            {"credits after 11 s", m.firstAfter(4, 11.0f)},
            {"credits before 12 s", m.firstAfter(4, 12.0f) - 1},
            {"credits after 12 s", m.firstAfter(4, 12.0f)},
            {"credits 13.5 s", m.at(4, 13.5)},
            {"credits 16 s", m.at(4, 16)},
            {"credits 17.2 s", m.at(4, 17.2)},
            {"credits last", m.last(4)},
        };
        const Timeline& q = quick;
        quickAt.frames = {
            {"loading", 0},
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
            {"credits 17 s", q.at(4, 17)},
        };
    }

    // The random layouts as loading makes them, and the particles played on the main run's
    // counter from the particle scene's first frame.
    void makeLayout() {
        SeedRandom(329);
        std::unique_ptr<FieldSphere[]> spheres(new FieldSphere[kFieldSphereNum]);
        layout.spheres.assign(spheres.get(), spheres.get() + kFieldSphereNum);
        layout.particles = new ParticleSystem();

        std::set<int64_t> wanted;
        for (const auto& moment : mainAt.frames)
            if (moment.first.rfind("particles", 0) == 0)
                wanted.insert(moment.second);
        PlatformUseVirtualCounter(kMainFps * kTicksPerFrame);
        PlatformAdvanceVirtualCounter(main.start[3] * kTicksPerFrame);
        for (int64_t frame = main.start[3]; frame <= *wanted.rbegin(); ++frame) {
            layout.particles->update();
            if (wanted.count(frame))
                for (const Particle& p : layout.particles->particles)
                    particleShots[frame].push_back(
                        {p.position[0], p.position[1], p.position[2], p.color[3]});
            PlatformAdvanceVirtualCounter(kTicksPerFrame);
        }
    }

    Picture draw(float clear, const std::function<void()>& drawing) {
        glClearColor(clear, clear, clear, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDepthMask(GL_FALSE);
        drawing();
        glDepthMask(GL_TRUE);
        return BackBuffer();
    }

    TempDir folder_;
    std::unique_ptr<RunPool> pool_;
    std::unique_ptr<Overlay> loading_, title_, bg_, bg2_, particleBg_, trollbeks_;
    std::unique_ptr<Overlay> names_[3];
};

Playthrough& TheDemo() {
    return Playthrough::get();
}

// The frame of a run by the name of its moment.
Picture MainFrame(const std::string& moment) {
    return TheDemo().run("main").frame(TheDemo().mainAt[moment]);
}
Picture QuickFrame(const std::string& run, const std::string& moment) {
    return TheDemo().run(run).frame(TheDemo().quickAt[moment]);
}

void ExpectFollowsTimeline(const CaptureRun& run, const Timeline& timeline) {
    EXPECT_EQ(run.status, 0) << run.spec.name;
    for (int scene = 0; scene < 5; ++scene)
        EXPECT_EQ(run.start[scene], timeline.start[scene]) << run.spec.name << ", scene " << scene;
    EXPECT_EQ(run.frames, timeline.frames) << run.spec.name;
}
} // namespace

// The whole run ---------------------------------------------------------------------------------

TEST(Timeline, ScenesFollowOnTheFirstFramePastTheirLengthWithNothingReported) {
    Playthrough& demo = TheDemo();
    // The fade shows 2 s of frames. Each scene holds its length and ends on the frame that
    // passes it: one frame more when a frame falls on the length itself as the clock rounds.
    // The run's scene starts show that no frame is skipped or doubled between scenes.
    EXPECT_EQ(demo.main.fadeFrames, 2 * kMainFps);
    for (int scene = 0; scene < 5; ++scene) {
        // A frame at exactly the length (as the float clock rounds it) is not yet past it.
        const int64_t frames = demo.main.last(scene) - demo.main.start[scene] + 1;
        EXPECT_GE(frames, std::llround(kSceneLength[scene] * kMainFps) + 1) << "scene " << scene;
        EXPECT_LE(frames, std::llround(kSceneLength[scene] * kMainFps) + 2) << "scene " << scene;
        EXPECT_LE(demo.main.time(scene, demo.main.last(scene) - 1), kSceneLength[scene]);
        EXPECT_GT(demo.main.time(scene, demo.main.last(scene)), kSceneLength[scene]);
    }
    const CaptureRun& run = demo.run("main");
    ExpectFollowsTimeline(run, demo.main);
    EXPECT_EQ(run.reports, "");
}

// Loading ---------------------------------------------------------------------------------------

TEST(Loading, PictureCentredAndTintedOnWhiteThenFadedOverTwoSeconds) {
    Playthrough& demo = TheDemo();
    const Picture first = MainFrame("loading");
    ExpectSame(first, demo.loadingFrame(1.0f), "loading picture");
    // Tinted blue-green on white: the corners are white, the lettering is not grey.
    ASSERT_FALSE(first.empty());
    EXPECT_TRUE(IsWhite(first.at(0, 0)) && IsWhite(first.at(kWidth - 1, kHeight - 1)));
    int tinted = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            tinted += first.at(x, y)[2] > first.at(x, y)[0] + 40;
    EXPECT_GT(tinted, 2000);

    const float middle = demo.main.fadeAlpha(60);
    EXPECT_NEAR(middle, 1.0f - 0.5f * 59.0f / kMainFps, 1e-4f);
    ExpectSame(MainFrame("fade 1 s"), demo.loadingFrame(middle), "fade at 1 s");
    // The last fade frame is nearly transparent; the title follows two frames later.
    const float last = demo.main.fadeAlpha(demo.main.fadeFrames);
    EXPECT_LT(last, 0.01f);
    ExpectSame(MainFrame("fade last"), demo.loadingFrame(last), "last fade frame");
}

// Title -------------------------------------------------------------------------------------------

TEST(TitleScene, TitleCoversTheWindowForALittleOverThreeSeconds) {
    Playthrough& demo = TheDemo();
    const Picture title = demo.titleFrame();
    ExpectSame(MainFrame("title first"), title, "title, first frame");
    ExpectSame(MainFrame("title 1.5 s"), title, "title at 1.5 s");
    ExpectSame(MainFrame("title last"), title, "title, last frame");
    EXPECT_GT(CountDiffering(MainFrame("spheres first"), title, 2), kWidth * kHeight / 2);
}

// Sphere field ------------------------------------------------------------------------------------

TEST(SphereFieldScene, FirstFrameFromKeyZeroThenAlongTheFirstMove) {
    Playthrough& demo = TheDemo();
    const Picture background = demo.sphereBackground();
    int low, high;
    SphereGrey(2.0f, low, high);
    // Silent: every sphere sits at its own place. The cross is flat on the first frame.
    ExpectSphereField(QuickFrame("silent", "spheres 0 s"), background, demo.layout,
                      BlendView(kSphereKeys[0], kSphereKeys[1], 0.0f), 0.0f, low, high, 0,
                      "spheres, first frame, silent");
    // 2 s into the move from key 0 to key 1: sin(0.4 pi/2) of the way.
    const float t = demo.quick.time(1, demo.quickAt["spheres 2 s"]);
    const Matrix view = BlendView(kSphereKeys[0], kSphereKeys[1], t / 5.0f);
    ExpectSphereField(QuickFrame("silent", "spheres 2 s"), background, demo.layout, view, 0.0f, low,
                      high, CrossHole(view), "spheres at 2 s, silent");
}

TEST(SphereFieldScene, LightWashesOutAfterTenSeconds) {
    Playthrough& demo = TheDemo();
    const Picture background = demo.sphereBackground();
    for (const char* moment : {"spheres 9.9 s", "spheres 12.5 s", "spheres last"}) {
        const int64_t frame = demo.mainAt[moment];
        // The ambient grows by 0.025 at the end of every frame past 10 s.
        float ambient = 2.0f;
        for (int64_t f = demo.main.start[1]; f < frame; ++f)
            if (demo.main.time(1, f) > 10.0f)
                ambient += 0.025f;
        int low, high;
        SphereGrey(ambient, low, high);
        // The spheres are the grey pixels off the background.
        const Picture shown = MainFrame(moment);
        ASSERT_FALSE(shown.empty()) << moment;
        std::vector<int> greys;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (Colourfulness(shown.at(x, y)) <= 3 &&
                    Distance(shown.at(x, y), background.at(x, y)) > 30)
                    greys.push_back(shown.at(x, y)[1]);
        ASSERT_GT(greys.size(), 20000u) << moment;
        std::nth_element(greys.begin(), greys.begin() + greys.size() / 2, greys.end());
        const int median = greys[greys.size() / 2];
        EXPECT_GE(median, low) << moment << ", ambient " << ambient;
        EXPECT_LE(median, high) << moment << ", ambient " << ambient;
    }
}

// Mosaic models -----------------------------------------------------------------------------------

namespace {
// Pixels off the turning background, inside and outside a disc of `radius` about the
// window's centre, where the middle model always is.
void CountModelPixels(const Picture& frame, float t, double radius, int64_t& inside,
                      int64_t& outside) {
    const Picture background = TheDemo().mosaicBackground(t);
    inside = CountDiffering(frame, background, 12, [&](int x, int y) {
        return std::hypot(x - kWidth / 2, y - kHeight / 2) <= radius;
    });
    outside = CountDiffering(frame, background, 12, [&](int x, int y) {
        return std::hypot(x - kWidth / 2, y - kHeight / 2) > radius;
    });
}

struct Box {
    int left = kWidth, top = kHeight, right = -1, bottom = -1;
    double centreX() const { return (left + right) / 2.0; }
    double centreY() const { return (top + bottom) / 2.0; }
};

Box ModelBox(const Picture& frame, const Picture& background) {
    Box box;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (Distance(frame.at(x, y), background.at(x, y)) > 12) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}
} // namespace

TEST(MosaicScene, SideModelsOnlyAfterFourSeconds) {
    Playthrough& demo = TheDemo();
    int64_t inside, outside;
    const int64_t before = demo.mainAt["mosaic before 4 s"];
    ASSERT_LE(demo.main.time(2, before), 4.0f);
    CountModelPixels(MainFrame("mosaic before 4 s"), demo.main.time(2, before), 45, inside,
                     outside);
    EXPECT_GT(inside, 500) << "the middle model";
    EXPECT_EQ(outside, 0) << "nothing beside it";

    const int64_t after = demo.mainAt["mosaic after 4 s"];
    CountModelPixels(MainFrame("mosaic after 4 s"), demo.main.time(2, after), 45, inside, outside);
    EXPECT_GT(outside, 1500) << "the two side models";
    // Where the view puts them: sin 3t either side of +-4, eased from key 1 towards key 2.
    const float t = demo.main.time(2, after);
    const Matrix view = BlendView(kPathKey1, kPathKey2, t / 5.0f);
    const Picture shown = MainFrame("mosaic after 4 s");
    const Picture background = demo.mosaicBackground(t);
    for (double x : {4.0 + std::sin(3.0 * t), std::sin(3.0 * t) - 4.0}) {
        const double world[3] = {x, 0, -10};
        double eye[3], sx, sy;
        Transform(view, world, eye);
        ProjectEye(eye, sx, sy);
        const int64_t near = CountDiffering(shown, background, 12, [&](int px, int py) {
            return std::hypot(px - sx, py - sy) < 18;
        });
        EXPECT_GT(near, 500) << "side model at x " << x;
    }
}

TEST(MosaicScene, ViewHoldsKeyFiveAfterNineteenSeconds) {
    Playthrough& demo = TheDemo();
    // From key 5 the eye sits inside the middle model, looking away from the side ones:
    // only the turning background is seen, however the music shakes the models.
    for (const char* moment : {"mosaic 19.2 s", "mosaic last"}) {
        const float t = demo.main.time(2, demo.mainAt[moment]);
        ExpectSame(MainFrame(moment), demo.mosaicBackground(t), moment);
    }
    int64_t inside, outside;
    CountModelPixels(MainFrame("mosaic 12.5 s"), demo.main.time(2, demo.mainAt["mosaic 12.5 s"]),
                     45, inside, outside);
    EXPECT_GT(inside + outside, 1500) << "models in view half-way along the path";
}

// Particles ---------------------------------------------------------------------------------------

TEST(ParticleScene, FormationsAtOneThreeFiveSevenAndTenSeconds) {
    Playthrough& demo = TheDemo();
    const Picture background = demo.particleBackground();
    const double f = PixelsPerUnitAtDistanceOne();
    for (const char* moment : {"particles first", "particles 1 s", "particles 3 s", "particles 5 s",
                               "particles 7 s", "particles 10 s"}) {
        const Picture shown = MainFrame(moment);
        ASSERT_FALSE(shown.empty()) << moment;
        const auto& shots = demo.particleShots.at(demo.mainAt[moment]);
        // Scaled by (2, 2, 1) about the system's offset, 7 units in front of the eye.
        std::vector<std::array<double, 3>> squares; // centre x, y and half edge, in pixels
        for (const auto& p : shots) {
            const double eye[3] = {2.0 * p[0], 2.0 * p[1], -7.0 + p[2]};
            double x, y;
            ProjectEye(eye, x, y);
            squares.push_back({x, y, 0.5 * f / -eye[2]});
        }
        int dark = 0;
        for (size_t i = 0; i < squares.size(); ++i) {
            const int x = static_cast<int>(squares[i][0]), y = static_cast<int>(squares[i][1]);
            if (x < 0 || y < 0 || x >= kWidth || y >= kHeight)
                continue;
            const uint8_t* p = shown.at(x, y);
            const uint8_t* b = background.at(x, y);
            for (int c = 0; c < 3; ++c)
                if (p[c] < 255 && p[c] < b[c] + 100 * shots[i][3])
                    ++dark;
        }
        EXPECT_EQ(dark, 0) << moment << ": a particle's centre is not lit";
        // Clear of every square, the background alone.
        const int64_t stray = CountDiffering(shown, background, 2, [&](int x, int y) {
            for (const auto& s : squares)
                if (std::fabs(x + 0.5 - s[0]) < s[2] + 2 && std::fabs(y + 0.5 - s[1]) < s[2] + 2)
                    return false;
            return true;
        });
        EXPECT_EQ(stray, 0) << moment << ": light outside every particle";
        if (stray || dark)
            Dump(shown, std::string(moment) + " shown");
    }
    // At 5 s the particles are about half-way from the grid to its mirror image, so close to
    // the line y = -x: top left to bottom right.
    for (const auto& p : demo.particleShots.at(demo.mainAt["particles 5 s"]))
        EXPECT_NEAR(p[0], -p[1], 0.1f);
}

// Credits -----------------------------------------------------------------------------------------

TEST(CreditsScene, GroupPictureFadesAndNamesComeAndGoOnTime) {
    Playthrough& demo = TheDemo();
    const CaptureRun& run = demo.run("main");
    const Timeline& m = demo.main;
    for (const auto& moment : demo.mainAt.frames) {
        if (moment.first.rfind("credits", 0) != 0)
            continue;
        const Picture shown = run.frame(moment.second);
        const Picture expected = demo.creditsFrame(m, moment.second, false, 0.0f);
        // The third name stretches with the bass, unknown here: its band is looked at apart.
        const bool third = m.time(4, moment.second) > 12.0f;
        ExpectSame(shown, expected, moment.first,
                   [&](int x, int y) { return !third || !demo.inVexaBand(x, y); });
        if (!third || shown.empty())
            continue;
        int64_t dark = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                dark += demo.inVexaBand(x, y) && shown.at(x, y)[0] < 200;
        const float alpha = Playthrough::nameAlpha(m, moment.second);
        if (alpha > 0.3f) {
            EXPECT_GT(dark, 300) << moment.first << ": the third name";
        } else if (alpha <= 0.0f) {
            EXPECT_EQ(dark, 0) << moment.first << ": the third name is gone";
        }
    }
    // The edges, frame by frame: the first name on the first frame past 10 s, the group
    // picture's fade from the frame after it, its end as the third name comes in.
    EXPECT_LE(m.time(4, demo.mainAt["credits before 10 s"]), 10.0f);
    EXPECT_EQ(Playthrough::groupAlpha(m, demo.mainAt["credits after 10 s"]), 1.0f);
    EXPECT_LT(Playthrough::groupAlpha(m, demo.mainAt["credits after 10 s + 1"]), 1.0f);
    EXPECT_LT(Playthrough::groupAlpha(m, demo.mainAt["credits after 12 s"] + 1), 0.0f);
    EXPECT_LE(Playthrough::nameAlpha(m, demo.mainAt["credits 17.2 s"]), 0.0f);
    // After 17 s only the white backdrop is left.
    for (const char* moment : {"credits 17.2 s", "credits last"}) {
        const Picture shown = MainFrame(moment);
        ASSERT_FALSE(shown.empty());
        int64_t other = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                other += !IsWhite(shown.at(x, y));
        EXPECT_EQ(other, 0) << moment;
    }
}

TEST(CreditsScene, NamesPulseFromTheirOwnSizeAndTheLastStretchesWithTheBass) {
    Playthrough& demo = TheDemo();
    for (const char* moment : {"credits 5 s", "credits 13 s", "credits 17 s"}) {
        const int64_t frame = demo.quickAt[moment];
        ExpectSame(QuickFrame("silent", moment), demo.creditsFrame(demo.quick, frame, true, 0.0f),
                   std::string(moment) + ", silent");
        ExpectSame(QuickFrame("constant", moment),
                   demo.creditsFrame(demo.quick, frame, true, kConstantSpectrum),
                   std::string(moment) + ", constant spectrum");
    }
}

// The music's pull ------------------------------------------------------------------------------

TEST(Spectrum, ConstantValuePushesTheSpheresAndShakesTheView) {
    Playthrough& demo = TheDemo();
    const Picture background = demo.sphereBackground();
    int low, high;
    SphereGrey(2.0f, low, high);
    // Each sphere turns by the value in degrees and moves that far along its turned x axis.
    ExpectSphereField(QuickFrame("constant", "spheres 0 s"), background, demo.layout,
                      BlendView(kSphereKeys[0], kSphereKeys[1], 0.0f), kConstantSpectrum, low, high,
                      0, "spheres, first frame, constant spectrum");
    const float t = demo.quick.time(1, demo.quickAt["spheres 2 s"]);
    const Matrix view = BlendView(kSphereKeys[0], kSphereKeys[1], t / 5.0f);
    ExpectSphereField(QuickFrame("constant", "spheres 2 s"), background, demo.layout, view,
                      kConstantSpectrum, low, high, CrossHole(view),
                      "spheres at 2 s, constant spectrum");

    // The mosaic view, on its first frame key 1, moves by (v, v, v) in the world: the middle
    // model drifts right and up and comes a little nearer.
    const Picture still = demo.mosaicBackground(0.0f);
    const Box silent = ModelBox(QuickFrame("silent", "mosaic 0 s"), still);
    const Box shaken = ModelBox(QuickFrame("constant", "mosaic 0 s"), still);
    ASSERT_GT(silent.right, silent.left);
    ASSERT_GT(shaken.right, shaken.left);
    // Silent, the model is where the unshaken view puts its centre: the window's centre.
    EXPECT_NEAR(silent.centreX(), kWidth / 2 - 0.5, 1.0);
    EXPECT_NEAR(silent.centreY(), kHeight / 2 - 0.5, 1.0);
    const double v = kConstantSpectrum;
    const double nearer = 20.0 / (20.0 - v);
    const double shift = PixelsPerUnitAtDistanceOne() * v / (20.0 - v);
    EXPECT_NEAR(shaken.centreX(),
                kWidth / 2 - 0.5 + (silent.centreX() - kWidth / 2 + 0.5) * nearer + shift, 1.5);
    EXPECT_NEAR(shaken.centreY(),
                kHeight / 2 - 0.5 + (silent.centreY() - kHeight / 2 + 0.5) * nearer - shift, 1.5);
    EXPECT_NEAR(shaken.right - shaken.left, (silent.right - silent.left) * nearer, 2.0);
}

TEST(Spectrum, SilentSpectrumHoldsEverythingStill) {
    Playthrough& demo = TheDemo();
    // Without the soundtrack the scenes read a spectrum of zeros: the run matches the one
    // with every file and a spectrum held at 0 frame for frame, and its only reports are
    // the soundtrack's.
    const CaptureRun& silent = demo.run("silent");
    ExpectFollowsTimeline(silent, demo.quick);
    EXPECT_EQ(silent.reports, ExpectedReports({kMusic}, demo.quick));
    const CaptureRun& constant = demo.run("constant");
    ExpectFollowsTimeline(constant, demo.quick);
    EXPECT_EQ(constant.reports, "");
    for (const auto& moment : demo.quickAt.frames) {
        if (moment.first.rfind("spheres", 0) == 0 || moment.first.rfind("mosaic", 0) == 0) {
            EXPECT_GT(CountDiffering(silent.frame(moment.second), constant.frame(moment.second), 2),
                      1000)
                << moment.first << ": the constant spectrum should move the spheres and the view";
        }
    }
}

// Missing files -----------------------------------------------------------------------------------

namespace {
// What a run without some file must show at a moment, given the silent run's frame there.
using MomentCheck =
    std::function<void(const Picture& shown, const Picture& usual, const std::string& what)>;

void AllWhite(const Picture& shown, const Picture&, const std::string& what) {
    ASSERT_FALSE(shown.empty()) << what;
    int64_t other = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            other += !IsWhite(shown.at(x, y));
    EXPECT_EQ(other, 0) << what << ": all white";
    if (other)
        Dump(shown, what);
}

// Changed where `where` allows, and there only to white.
MomentCheck WhiteWhere(std::function<bool(int, int)> where, int64_t least) {
    return [where, least](const Picture& shown, const Picture& usual, const std::string& what) {
        ASSERT_FALSE(shown.empty()) << what;
        int64_t changed = 0, wrong = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (Distance(shown.at(x, y), usual.at(x, y)) > 2) {
                    ++changed;
                    wrong += !where(x, y) || !IsWhite(shown.at(x, y));
                }
        EXPECT_GE(changed, least) << what;
        EXPECT_EQ(wrong, 0) << what << ": changed to something other than white";
        if (wrong || changed < least) {
            Dump(shown, what + " shown");
            Dump(usual, what + " usual");
        }
    };
}

bool Anywhere(int, int) {
    return true;
}

std::function<bool(int, int)> NearCentre(double radius) {
    return [radius](int x, int y) { return std::hypot(x - kWidth / 2, y - kHeight / 2) < radius; };
}

// Inside the box the name may take up, at 1.5 times its picture's size.
std::function<bool(int, int)> NameBox(int centreX, int centreY, const std::string& file) {
    const Picture picture = ReadPicture(DemoDir() + "/" + file);
    const int w = picture.width * 3 / 4 + 3, h = picture.height * 3 / 4 + 3;
    return [=](int x, int y) { return std::abs(x - centreX) <= w && std::abs(y - centreY) <= h; };
}

void ExpectMissingRun(const std::string& file, const std::map<std::string, MomentCheck>& checks) {
    Playthrough& demo = TheDemo();
    const CaptureRun& run = demo.run("no " + file);
    const CaptureRun& silent = demo.run("silent");
    ExpectFollowsTimeline(run, demo.quick);
    EXPECT_EQ(run.reports, ExpectedReports({file}, demo.quick)) << file;
    const std::vector<std::string> moments = MissingRunMoments(file);
    for (const auto& check : checks)
        EXPECT_NE(std::find(moments.begin(), moments.end(), check.first), moments.end())
            << file << " is not written at " << check.first;
    for (const std::string& moment : moments) {
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
    const char* names[3] = {"Text/skrabo.png", "Text/plind.png", "Text/vexa.png"};
    const int centres[3][2] = {{180, 150}, {600, 250}, {400, 450}};
    for (int i = 0; i < 3; ++i) {
        const auto box = NameBox(centres[i][0], centres[i][1], names[i]);
        ExpectMissingRun(names[i], {{"credits 13 s", WhiteWhere(box, 500)},
                                    {"credits 17 s", WhiteWhere(box, 500)}});
    }
}

TEST(MissingFiles, TexturesOfTheSphereFieldAndMosaicScenes) {
    // Untextured, the cross and the middle model are lit plain white.
    ExpectMissingRun("Textures/oooh.png", {{"spheres 1 s", WhiteWhere(Anywhere, 3000)},
                                           {"spheres 2 s", WhiteWhere(Anywhere, 3000)}});
    ExpectMissingRun("Textures/mosaik2.png", {{"mosaic 0 s", WhiteWhere(NearCentre(60), 300)},
                                              {"mosaic 6 s", WhiteWhere(NearCentre(60), 300)}});
    // The backgrounds become white rectangles behind everything.
    const MomentCheck white = WhiteWhere(Anywhere, 100000);
    ExpectMissingRun("Textures/bg.png",
                     {{"spheres 0 s", white}, {"spheres 1 s", white}, {"spheres 2 s", white}});
    ExpectMissingRun("Textures/bg2.png", {{"mosaic 0 s", white}, {"mosaic 6 s", white}});
    // The side models are drawn with whatever is bound: the middle model's mosaic, bluer
    // than their own.
    ExpectMissingRun(
        "Textures/mosaik.png",
        {{"mosaic 6 s", [](const Picture& shown, const Picture& usual, const std::string& what) {
              int64_t changed = 0, central = 0;
              double blueShown = 0, blueUsual = 0;
              for (int y = 0; y < kHeight; ++y)
                  for (int x = 0; x < kWidth; ++x)
                      if (Distance(shown.at(x, y), usual.at(x, y)) > 2) {
                          ++changed;
                          central += NearCentre(40)(x, y);
                          blueShown += shown.at(x, y)[2] - shown.at(x, y)[0];
                          blueUsual += usual.at(x, y)[2] - usual.at(x, y)[0];
                      }
              EXPECT_GT(changed, 500) << what;
              EXPECT_EQ(central, 0) << what << ": the middle model changed";
              EXPECT_GT(blueShown, blueUsual + 20.0 * changed) << what;
          }}});
}

TEST(MissingFiles, ParticlePictures) {
    // White behind additive particles leaves only white.
    ExpectMissingRun("Textures/particlebg.jpg", {{"particles 5 s", AllWhite}});
    // Untextured particles are white squares at full alpha.
    ExpectMissingRun("Textures/blob.jpg", {{"particles 5 s", WhiteWhere(Anywhere, 20000)}});
}

TEST(MissingFiles, Models) {
    Playthrough& demo = TheDemo();
    // An empty cross draws nothing: the field shows around the centre.
    const Picture background = demo.sphereBackground();
    int low, high;
    SphereGrey(2.0f, low, high);
    auto field = [&](float seconds) -> MomentCheck {
        return [&, seconds](const Picture& shown, const Picture&, const std::string& what) {
            const float t = demo.quick.time(1, demo.quick.at(1, seconds));
            ExpectSphereField(shown, background, demo.layout,
                              BlendView(kSphereKeys[0], kSphereKeys[1], t / 5.0f), 0.0f, low, high,
                              0, what);
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
    Playthrough& demo = TheDemo();
    const CaptureRun& run = demo.run("no files");
    ExpectFollowsTimeline(run, demo.quick);
    std::set<std::string> all(std::begin(kAssetFiles), std::end(kAssetFiles));
    EXPECT_EQ(run.reports, ExpectedReports(all, demo.quick));
    // Every picture is a white rectangle or nothing; only the grey spheres remain, on white.
    Picture white;
    white.width = kWidth;
    white.height = kHeight;
    white.rgb.assign(static_cast<size_t>(kWidth) * kHeight * 3, 255);
    int low, high;
    SphereGrey(2.0f, low, high);
    for (const auto& moment : demo.quickAt.frames) {
        const Picture shown = run.frame(moment.second);
        const std::string what = "no files, " + moment.first;
        if (moment.first.rfind("spheres", 0) == 0) {
            const float t = demo.quick.time(1, moment.second);
            ExpectSphereField(shown, white, demo.layout,
                              BlendView(kSphereKeys[0], kSphereKeys[1], t / 5.0f), 0.0f, low, high,
                              0, what);
        } else {
            AllWhite(shown, shown, what);
        }
    }
}
