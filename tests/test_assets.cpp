// The demo's own content as the build leaves it beside the executable, through the demo's
// loaders: pictures and models that suit how the scenes draw them, a soundtrack that fits the
// scenes and beats in the bands they follow, and a generator that gives the same bytes again.
#include "music/music.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "resources/mesh.h"
#include "resources/texture.h"
#include "scenes/asset_list.h"
#include "scenes/scenes.h"
#include "test_support.h"

#include <GL/gl.h>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kRate = 44100;

// The soundtrack is played on the virtual counter, chosen before anything reads a clock.
struct VirtualClock : testing::Environment {
    void SetUp() override { PlatformUseVirtualCounter(1000000); }
};
const auto* const g_env = testing::AddGlobalTestEnvironment(new VirtualClock);

// The demo reads its files relative to its own folder.
void EnterDemoFolder() {
    ASSERT_TRUE(PlatformChangeFolder(DemoDir().c_str())) << DemoDir();
}

// Level 0 of a loaded texture as RGBA, top row first (as the decoder hands it over).
struct Texels {
    int w, h;
    std::vector<uint8_t> rgba;
    explicit Texels(const Texture& texture)
        : w(texture.width), h(texture.height), rgba(static_cast<size_t>(w) * h * 4) {
        glBindTexture(GL_TEXTURE_2D, texture.id);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    }
    const uint8_t* at(int x, int y) const { return &rgba[(static_cast<size_t>(y) * w + x) * 4]; }
    // Mean brightness in [0, 1] of the texels for which inside(x, y) holds.
    template <typename Inside> double mean(Inside inside) const {
        double sum = 0;
        size_t count = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (inside(x, y)) {
                    sum += (at(x, y)[0] + at(x, y)[1] + at(x, y)[2]) / (3.0 * 255.0);
                    ++count;
                }
        return count ? sum / count : 0.0;
    }
};

Texels Load(const char* path) {
    Texture texture;
    EXPECT_TRUE(LoadTexture(texture, path)) << path;
    return Texels(texture);
}

// The letterings; every other picture is opaque. The loading one is light so that its tint
// shows; the names are dark on the white backdrop and pulse to 1.5 times their size about these
// centres (the third also widens by a picture width per unit of bass, kept under 0.5).
const struct {
    const char* path;
    bool light;
    double cx, cy, widthScale;
} kLetterings[] = {{kLoadingPictureFile, true, 0, 0, 0},
                   {"Text/skrabo.png", false, 180, 150, 1.5},
                   {"Text/plind.png", false, 600, 250, 1.5},
                   {"Text/vexa.png", false, 400, 450, 2.0}};

// Sides a power of two up to 1024, as OpenGL 1.1 and the scenes want them. Letterings stand on
// clear ground, and the names stay inside the window and apart at their largest.
TEST(Pictures, EveryPictureLoadsAndTheLetteringsSuitTheirBackdropAndPlaces) {
    TestWindow();
    EnterDemoFolder();
    std::vector<std::array<double, 4>> placed; // left, top, right, bottom in window pixels
    for (const AssetFile& file : kAssetFiles) {
        if (file.kind != AssetKind::Overlay && file.kind != AssetKind::Texture)
            continue;
        SCOPED_TRACE(file.path);
        BoxLog log;
        Texture texture;
        ASSERT_TRUE(LoadTexture(texture, file.path) && texture.loaded);
        EXPECT_TRUE(log.texts.empty()) << log.texts.front();
        for (int side : {texture.width, texture.height})
            EXPECT_TRUE(side >= 64 && side <= 1024 && (side & (side - 1)) == 0) << side;
        const Texels t(texture);
        const int w = t.w, h = t.h;
        int solid = 0, clear = 0, x0 = w, y0 = h, x1 = -1, y1 = -1;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                solid += t.at(x, y)[3] == 255;
                clear += t.at(x, y)[3] == 0;
                if (t.at(x, y)[3] > 8) {
                    x0 = std::min(x0, x), y0 = std::min(y0, y);
                    x1 = std::max(x1, x), y1 = std::max(y1, y);
                }
            }
        const auto l =
            std::find_if(std::begin(kLetterings), std::end(kLetterings),
                         [&](const auto& e) { return std::string(file.path) == e.path; });
        if (l == std::end(kLetterings)) {
            EXPECT_EQ(clear, 0);
            continue;
        }
        EXPECT_TRUE(x0 > 0 && y0 > 0 && x1 < w - 1 && y1 < h - 1); // clear all round
        ASSERT_GT(solid, 500);
        const double shade = t.mean([&](int x, int y) { return t.at(x, y)[3] == 255; });
        EXPECT_TRUE(l->light ? shade > 240 / 255.0 : shade < 70 / 255.0) << shade;
        if (l->light)
            continue;
        const double sx = l->widthScale, sy = 1.5;
        const std::array<double, 4> r = {l->cx + (x0 - w / 2.0) * sx, l->cy + (y0 - h / 2.0) * sy,
                                         l->cx + (x1 + 1 - w / 2.0) * sx,
                                         l->cy + (y1 + 1 - h / 2.0) * sy};
        EXPECT_TRUE(r[0] >= 0 && r[1] >= 0 && r[2] <= 800 && r[3] <= 600);
        for (const auto& o : placed)
            EXPECT_FALSE(r[0] < o[2] && o[0] < r[2] && r[1] < o[3] && o[1] < r[3]) << "overlap";
        placed.push_back(r);
    }
    EXPECT_EQ(placed.size(), 3u);
}

// The particle is added to the screen: white in the middle, black at the edges, on a dark
// background; the group picture fades into white, so it is pale. The sphere map's row t = 1
// (the file's bottom) is eye-space up: surfaces facing up mirror the bright sky.
TEST(Pictures, BrightnessSuitsHowEachPictureIsDrawn) {
    TestWindow();
    EnterDemoFolder();
    const Texels blob = Load(kParticlePictureFile);
    EXPECT_GT(blob.at(blob.w / 2, blob.h / 2)[0], 240);
    auto edge = [&](int x, int y) { return !x || !y || x == blob.w - 1 || y == blob.h - 1; };
    EXPECT_LT(blob.mean(edge), 1 / 255.0);

    auto all = [](int, int) { return true; };
    EXPECT_LT(Load("Textures/particlebg.jpg").mean(all), 0.15);
    EXPECT_GT(Load("Text/trollbeks.jpg").mean(all), 0.5);
    const Texels chrome = Load("Textures/oooh.png");
    EXPECT_GT(chrome.mean([&](int, int y) { return y > chrome.h * 3 / 4; }),
              chrome.mean([&](int, int y) { return y < chrome.h / 4; }) + 0.2);
}

// One mesh each, closed, wound counter-clockwise from outside (positive volume), unit normals,
// none pointing inward wholesale, and sized for its scene.
TEST(Models, BothModelsAreClosedWithUnitNormalsAndFitTheirScenes) {
    TestWindow();
    EnterDemoFolder();
    for (const AssetFile& file : kAssetFiles) {
        if (file.kind != AssetKind::Model)
            continue;
        SCOPED_TRACE(file.path);
        BoxLog log;
        Model model(file.path);
        ASSERT_EQ(model.meshNum, 1);
        const Mesh& mesh = *model.meshes[0];
        ASSERT_TRUE(mesh.indexed && mesh.normals);
        EXPECT_TRUE(model.textureNum == 0 && !mesh.colors && mesh.texture == -1);
        const float *v = mesh.vertices, *n = mesh.normals;
        float worstNormalError = 0;
        double radius = 0;
        for (int32_t i = 0; i < 3 * mesh.vertexNum; i += 3) {
            worstNormalError =
                std::max(worstNormalError, std::fabs(std::hypot(n[i], n[i + 1], n[i + 2]) - 1.0f));
            radius = std::max(radius, std::hypot(double(v[i]), v[i + 1], v[i + 2]));
        }
        EXPECT_LT(worstNormalError, 1e-4f);
        // Every directed edge once, and its reverse too.
        std::set<std::pair<uint32_t, uint32_t>> edges;
        size_t openOrTorn = 0, inward = 0;
        double volume = 0;
        auto dot = [](const double* f, const float* m) {
            return f[0] * m[0] + f[1] * m[1] + f[2] * m[2];
        };
        for (int32_t t = 0; t < mesh.triangleNum; ++t) {
            const uint32_t* tri = &mesh.indices[t * 3];
            for (int e = 0; e < 3; ++e)
                openOrTorn += !edges.insert({tri[e], tri[(e + 1) % 3]}).second;
            const float *a = &v[tri[0] * 3], *b = &v[tri[1] * 3], *c = &v[tri[2] * 3];
            const double ab[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
            const double ac[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
            const double face[3] = {ab[1] * ac[2] - ab[2] * ac[1], ab[2] * ac[0] - ab[0] * ac[2],
                                    ab[0] * ac[1] - ab[1] * ac[0]};
            volume += dot(face, a) / 6.0;
            for (int k = 0; k < 3; ++k)
                inward += dot(face, &n[tri[k] * 3]) < 0;
        }
        for (const auto& [from, to] : edges)
            openOrTorn += !edges.count({to, from});
        EXPECT_EQ(openOrTorn, 0u);
        EXPECT_GT(volume, 0.0);
        EXPECT_LT(inward, static_cast<size_t>(mesh.triangleNum) * 3 / 1000);
        // The cross spans the view from 20 units, its tips well clear of the spheres (7 units
        // away, radius 1); the round ones stand 4 units apart in a row, swaying 1 unit.
        const bool cross = file.global == &g_crossModel;
        EXPECT_TRUE(cross ? radius >= 2.0 && radius < 3.0 : radius >= 1.0 && radius < 1.5)
            << radius;
        model.draw();
        EXPECT_TRUE(log.texts.empty()) << log.texts.front();
    }
}

// The soundtrack as the demo opens it: long enough, below full scale at a comfortable level,
// and beating in the bins the scenes follow (read every 5 ms), its sections with the scenes.
TEST(Soundtrack, EndsWithTheScenesStaysBelowFullScaleAndBeatsInTheBandsTheScenesFollow) {
    EnterDemoFolder();
    BoxLog log;
    Music music;
    EXPECT_TRUE(log.texts.empty()) << log.texts.front();
    ASSERT_NE(music.stream, 0u);
    EXPECT_EQ(AudioSampleRate(), kRate);
    // The music starts with the first scene; the scenes change at these times, then it ends.
    const auto change = SceneStartSeconds;
    const double end = change(kSceneNum);
    const double closing = end - 4.0; // the closing chord, two bars before the end
    // The stream plays to the last frame, a little after the scenes' end.
    const int64_t length = AudioStreamLength(music.stream);
    EXPECT_GE(length, end * kRate);
    ASSERT_LE(length, (end + 2) * kRate);
    std::vector<float> pcm(static_cast<size_t>(length) * 2);
    AudioReadPcm(music.stream, 0, static_cast<int>(length), pcm.data());
    const auto [lowest, highest] = std::minmax_element(pcm.begin(), pcm.end());
    EXPECT_TRUE(*lowest > -0.95f && *highest < 0.95f);
    auto rms = [&](double from, double to) {
        double sum = 0;
        const size_t a = static_cast<size_t>(from * kRate) * 2,
                     b = static_cast<size_t>(to * kRate) * 2;
        for (size_t i = a; i < b && i < pcm.size(); ++i)
            sum += double(pcm[i]) * pcm[i];
        return std::sqrt(sum / std::max<size_t>(1, b - a));
    };
    // Full sections around -12 dBFS RMS, neither faint nor squashed; the closing chord fades
    // out under -40 dBFS in the demo's last half second, so that nothing is cut off.
    EXPECT_NEAR(20 * std::log10(rms(20.0, 36.0)), -12.5, 3.5);
    EXPECT_LT(rms(end - 0.5, end), 0.01);

    constexpr double kStep = 0.005;
    std::vector<std::array<float, 6>> frames; // bins 0..5 at time i * kStep
    music.play();
    const int64_t start = PlatformReadCounter();
    for (int i = 0; i * kStep < end; ++i) {
        PlatformAdvanceVirtualCounter(start + std::llround(i * kStep * 1e6) -
                                      PlatformReadCounter());
        music.updateSpectrum();
        frames.push_back({});
        std::copy_n(music.spectrum, 6, frames.back().begin());
    }
    auto extreme = [&](int k, double from, double to, bool highest) {
        float v = highest ? 0.0f : 1e9f;
        for (double t = from; t < to; t += kStep) {
            const float x = frames[static_cast<size_t>(t / kStep + 0.5)][k];
            v = highest ? std::max(v, x) : std::min(v, x);
        }
        return v;
    };
    // Two beats a second in the sphere field, the mosaic and the credits up to the closing
    // chord; none in the title and the particle scene. Bin 2 (172 Hz), the spheres' push and
    // the credits' stretch, rises on each beat and falls before the next, and stays low without.
    for (double beat = 0.0; beat < end; beat += 0.5) {
        const bool drums =
            (beat >= change(1) && beat < change(3)) || (beat >= change(4) && beat <= closing);
        const float hit = extreme(2, beat, beat + 0.06, true);
        if (!drums) {
            EXPECT_LT(hit, 0.08f) << "no beat at " << beat;
            continue;
        }
        EXPECT_GT(hit, 0.12f) << "beat at " << beat;
        EXPECT_LT(extreme(2, beat + 0.38, beat + 0.5, false), hit * 0.25f) << "beat at " << beat;
    }
    // The shake of scene 2 follows bins 1, 3 and 5: each louder on the beat than after it.
    for (int k : {1, 3, 5}) {
        double early = 0, late = 0;
        for (double beat = change(2); beat < change(3); beat += 0.5) {
            early += extreme(k, beat, beat + 0.06, true);
            late += extreme(k, beat + 0.38, beat + 0.5, true);
        }
        EXPECT_GT(early, late * 1.5) << "bin " << k;
    }
}

TEST(Generator, MakesTheSameBytesAgain) {
    // The generator sits in the build tree beside the demo's folder.
    std::string generator = DemoDir() + "/../tools/assetgen/assetgen";
    ASSERT_TRUE(std::filesystem::exists(generator)) << generator;
    TempDir again;
    // The three parts in parallel, as the build runs them.
    std::string command = "(";
    for (const char* part : {"pictures", "meshes", "music"})
        command += "'" + generator + "' " + part + " '" + again.path + "' & ";
    command += "wait) && test -f '" + again.file(kSoundtrackFile) + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const AssetFile& file : kAssetFiles) {
        const std::string name = PlatformPath(file.path);
        SCOPED_TRACE(name);
        std::vector<uint8_t> built = ReadFileBytes(DemoDir() + "/" + name);
        EXPECT_FALSE(built.empty());
        EXPECT_TRUE(built == ReadFileBytes(again.file(name)));
    }
}

} // namespace
