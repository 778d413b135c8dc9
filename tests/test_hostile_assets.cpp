// The whole demo (the capture, on the virtual counter, offscreen) on hostile copies of its asset
// folder under the sanitizers, each file in turn empty, truncated, random, of another kind, a
// folder or unreadable: every run plays to the end and reports the file in the demo's own words.
// In the plain build, the demo's memory while it plays.
#include "platform/files.h"
#include "resources/mesh.h"
#include "resources/texture.h"
#include "scenes/asset_list.h"
#include "test_support.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <random>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
enum Variant { kEmpty, kTruncated, kRandom, kOtherKind, kFolder, kUnreadable, kVariants };
const char* const kNames[] = {"empty",      "truncated", "random bytes",
                              "other kind", "folder",    "unreadable"};
const char* const kFolders[] = {"Text", "Textures", "Models", "Music"};

// Puts the variant of `file` (relative to the asset folder) into the copy at `root`.
void Spoil(const std::string& root, const std::string& file, Variant variant) {
    const std::string path = root + "/" + file;
    std::vector<uint8_t> bytes = ReadFileBytes(DemoDir() + "/" + file);
    fs::remove_all(path);
    if (variant == kTruncated) {
        bytes.resize(bytes.size() / 2);
    } else if (variant == kRandom) { // the same bytes on every run
        std::mt19937 generator(static_cast<uint32_t>(std::hash<std::string>()(file)));
        bytes.resize(std::min<size_t>(bytes.size(), 64 * 1024));
        for (uint8_t& b : bytes)
            b = static_cast<uint8_t>(generator());
    } else if (variant == kOtherKind) { // a picture gets a model, the others a picture
        bytes =
            ReadFileBytes(DemoDir() + (file.compare(0, 4, "Text") == 0 ? "/Models/rundingdings.mesh"
                                                                       : "/Text/plind.png"));
    }
    if (variant == kFolder)
        fs::create_directory(path);
    else
        WriteFile(path, variant == kEmpty ? std::vector<uint8_t>() : bytes);
    if (variant == kUnreadable)
        chmod(path.c_str(), 0);
}

struct CaptureRun {
    std::string file;
    Variant variant;
    int status = -1; // -1: ended by a signal, or killed for taking too long
    std::string out, err;
};

// The capture on the assets at `assets` to a moment past the end: every frame drawn, none
// written, and the run stops only when the demo itself quits.
void Capture(CaptureRun& run, const std::string& assets, const std::string& scratch,
             const char* fps = "1") {
    run.status = RunProgram({DemoDir() + "/rerovuz-capture", "--assets", assets, "--out",
                             scratch + "/frames", "--fps", fps, "--at", "1000"},
                            scratch + "/out", scratch + "/err", 240);
    run.out = ReadFileText(scratch + "/out");
    run.err = ReadFileText(scratch + "/err");
}

// Peak resident kB at the end of a scene, or of the run, from the capture's summary.
long PeakAt(const std::string& out, const std::string& when) {
    const size_t peak = out.find("peak ", out.find("memory at the end of " + when));
    return peak == std::string::npos ? -1 : std::atol(out.c_str() + peak + 5);
}
} // namespace

TEST(HostileAssets, MemoryDoesNotGrowWhileThePlayGoesOn) {
    if (REROVUZ_SANITIZED)
        GTEST_SKIP() << "the sanitizers' quarantine hides it";
    // The demo frees nothing, but must not grow while it plays: at 5 fps the run ends within
    // 1 MiB of the peak at the end of the sphere field.
    TempDir scratch;
    CaptureRun run;
    Capture(run, DemoDir(), scratch.path, "5");
    const long end = PeakAt(run.out, "the run"), sphereField = PeakAt(run.out, "scene 1");
    ASSERT_GT(sphereField, 0) << run.out;
    EXPECT_LT(end - sphereField, 1024);
}

TEST(HostileAssets, EveryBrokenFileIsReportedAndTheDemoPlaysToTheEnd) {
    if (!REROVUZ_SANITIZED)
        GTEST_SKIP() << "for the sanitizer build";
    // Root reads any file whatever its mode: without these capabilities, which the captures do
    // not get back at exec, mode 000 means unreadable for it too.
    prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0);
    prctl(PR_CAPBSET_DROP, CAP_DAC_READ_SEARCH, 0, 0, 0);
    std::vector<CaptureRun> runs;
    for (const char* folder : kFolders)
        for (const auto& entry : fs::recursive_directory_iterator(DemoDir() + "/" + folder))
            for (int v = 0; v < kVariants && entry.is_regular_file(); ++v)
                runs.push_back(
                    {fs::relative(entry.path(), DemoDir()).string(), Variant(v), -1, "", ""});
    ASSERT_EQ(runs.size(), std::size(kAssetFiles) * kVariants);

    // At one frame a second every scene still gets its first and last frames and the switch.
    auto worker = [&](size_t first) { // two at a time, each on an asset copy of its own
        TempDir slot;
        for (const char* folder : kFolders)
            fs::copy(DemoDir() + "/" + folder, slot.file(folder), fs::copy_options::recursive);
        for (size_t i = first; i < runs.size(); i += 2) {
            Spoil(slot.path, runs[i].file, runs[i].variant);
            Capture(runs[i], slot.path, slot.path);
            fs::remove_all(slot.file(runs[i].file));
            fs::copy_file(DemoDir() + "/" + runs[i].file, slot.file(runs[i].file));
        }
    };
    std::thread second(worker, 1);
    worker(0);
    second.join();

    for (const CaptureRun& run : runs) {
        SCOPED_TRACE(run.file + ", " + kNames[run.variant]);
        EXPECT_EQ(run.status, 0) << run.err.substr(0, 4000);
        EXPECT_EQ(run.err.find("Sanitizer"), std::string::npos) << run.err.substr(0, 4000);
        EXPECT_EQ(run.err.find("runtime error"), std::string::npos) << run.err.substr(0, 4000);
        // Played to the demo's own end: the last credits frame is frame 80.
        EXPECT_NE(run.out.find("\n81 frames at 1 fps\n"), std::string::npos) << run.out;
        // Pictures and models name the file (the loading picture with a backslash); the
        // soundtrack's reports are the audio layer's, and a first half plays without one.
        const std::string reports = run.out.substr(0, run.out.find("scene 0 ("));
        const bool music = run.file.compare(0, 6, "Music/") == 0;
        if (!music || run.variant != kTruncated) {
            EXPECT_NE(reports.find(music ? "BASS error" : fs::path(run.file).filename().string()),
                      std::string::npos)
                << reports;
        }
    }
}

// A FIFO under an asset's name: opening it the usual way waits for a writer for ever. Every
// reader must refuse it at once, in its own words.
TEST(HostileAssets, AFifoInPlaceOfAFileIsRefusedWithoutWaiting) {
    TestWindow();
    TempDir folder;
    for (const char* name : {"a.png", "b.tga", "c.mesh", "d.mp3"})
        ASSERT_EQ(mkfifo(folder.file(name).c_str(), 0644), 0);
    alarm(30); // a wait ends the test program rather than hanging the suite
    EXPECT_EQ(PlatformOpenFile(folder.file("d.mp3").c_str(), "rb"), nullptr);
    BoxLog log;
    Texture picture, tga;
    EXPECT_FALSE(LoadTexture(picture, folder.file("a.png").c_str()));
    EXPECT_FALSE(LoadTexture(tga, folder.file("b.tga").c_str()));
    Model model(folder.file("c.mesh").c_str());
    alarm(0);
    EXPECT_EQ(model.meshNum, 0);
    EXPECT_EQ(log.reports(),
              std::vector<std::string>(
                  {"Texture load: Can't load the texture in file '" + folder.file("a.png") +
                       "' for some reason.",
                   "Texture load: Failed to open the file " + folder.file("b.tga") + "!",
                   "Can't open file " + folder.file("c.mesh") + " to load mesh."}));
}
