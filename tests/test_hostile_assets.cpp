// The whole demo (the capture, on the virtual counter, offscreen) on hostile copies of its asset
// folder: each file in turn replaced by an empty file, a truncated copy, random bytes, a file
// of another kind under the same name, a folder, and a file it may not read. Every run must
// play to the end, report the broken file in the demo's own words and, in the sanitizer build,
// end without a sanitizer or leak report. Also the demo's memory while it plays.
#include "platform/files.h"
#include "resources/mesh.h"
#include "resources/texture.h"
#include "test_support.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <random>
#include <string>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {
// One frame a second keeps 96 runs affordable: every scene still gets its first frames, its
// last frame and the switch to the next one.
constexpr int kFps = 1;
// A run that takes longer than this has hung.
const auto kRunLimit = std::chrono::seconds(240);

enum class Variant { empty, truncated, random, otherKind, folder, unreadable };
const Variant kVariants[] = {Variant::empty,     Variant::truncated, Variant::random,
                             Variant::otherKind, Variant::folder,    Variant::unreadable};
const char* Name(Variant v) {
    static const char* const names[] = {"empty",      "truncated", "random bytes",
                                        "other kind", "folder",    "unreadable"};
    return names[static_cast<int>(v)];
}

struct CaptureRun {
    std::string file; // relative to the asset folder, e.g. "Textures/bg.png"
    Variant variant = Variant::empty;
    int status = -1; // exit code; -1 killed by a signal or for taking too long
    bool hung = false;
    std::string out, err;
};

std::string ReadText(const std::string& path) {
    const std::vector<uint8_t> bytes = ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

// The asset files, relative to the demo folder, in a fixed order.
std::vector<std::string> AssetFiles() {
    std::vector<std::string> files;
    std::error_code error;
    for (const char* folder : {"Text", "Textures", "Models", "Music"})
        for (const auto& entry : fs::recursive_directory_iterator(DemoDir() + "/" + folder, error))
            if (entry.is_regular_file())
                files.push_back(fs::relative(entry.path(), DemoDir()).string());
    std::sort(files.begin(), files.end());
    return files;
}

// A copy of the asset folder in `to`, with a scratch folder for the capture's output.
void CopyAssets(const std::string& to) {
    for (const char* folder : {"Text", "Textures", "Models", "Music"})
        fs::copy(DemoDir() + "/" + folder, to + "/" + folder, fs::copy_options::recursive);
    fs::create_directory(to + "/scratch");
}

// Puts the variant of `file` into the asset copy at `root`.
void Spoil(const std::string& root, const std::string& file, Variant variant) {
    const std::string path = root + "/" + file;
    const std::vector<uint8_t> original = ReadFileBytes(DemoDir() + "/" + file);
    fs::remove_all(path);
    switch (variant) {
    case Variant::empty:
        WriteFile(path, std::vector<uint8_t>());
        break;
    case Variant::truncated:
        WriteFile(path,
                  std::vector<uint8_t>(original.begin(), original.begin() + original.size() / 2));
        break;
    case Variant::random: {
        // Seeded by the name: the same bytes on every run.
        std::mt19937 generator(static_cast<uint32_t>(std::hash<std::string>()(file)));
        std::vector<uint8_t> noise(std::min<size_t>(original.size(), 64 * 1024));
        for (uint8_t& b : noise)
            b = static_cast<uint8_t>(generator());
        WriteFile(path, noise);
        break;
    }
    case Variant::otherKind: {
        // A picture gets a model, a model or the soundtrack a picture.
        const bool picture = file.compare(0, 4, "Text") == 0;
        fs::copy_file(DemoDir() + (picture ? "/Models/rundingdings.mesh" : "/Text/plind.png"),
                      path);
        break;
    }
    case Variant::folder:
        fs::create_directory(path);
        break;
    case Variant::unreadable:
        WriteFile(path, original);
        chmod(path.c_str(), 0);
        break;
    }
}

void Restore(const std::string& root, const std::string& file) {
    const std::string path = root + "/" + file;
    fs::remove_all(path);
    fs::copy_file(DemoDir() + "/" + file, path);
}

// Runs the capture on `assets` to its end, or kills it past the time limit; its output goes
// to files in `scratch`.
CaptureRun RunOne(const std::string& assets, const std::string& scratch,
                  const std::vector<std::string>& extra) {
    const std::string capture = DemoDir() + "/rerovuz-capture";
    std::vector<std::string> args = {capture, "--assets", assets, "--out", scratch + "/frames"};
    args.insert(args.end(), extra.begin(), extra.end());
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const std::string outPath = scratch + "/out.txt", errPath = scratch + "/err.txt";
    const auto started = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        // Root reads any file whatever its mode; without these two capabilities, mode 000
        // means unreadable for it too, and they stay gone across exec. Where the tests do not
        // run as root this fails, and mode 000 already suffices.
        prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0);
        prctl(PR_CAPBSET_DROP, CAP_DAC_READ_SEARCH, 0, 0, 0);
        dup2(open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
        dup2(open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
        execv(capture.c_str(), argv.data());
        _exit(127);
    }
    CaptureRun run;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() - started > kRunLimit) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            run.hung = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    run.status = !run.hung && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadText(outPath);
    run.err = ReadText(errPath);
    return run;
}

// Runs every (file, variant) of `plan`, two captures at a time, each on its own asset copy.
std::vector<CaptureRun> RunAll(const std::vector<CaptureRun>& plan,
                               const std::vector<std::string>& extra) {
    std::vector<CaptureRun> done = plan;
    auto worker = [&](size_t first) {
        TempDir slot;
        CopyAssets(slot.path);
        for (size_t i = first; i < plan.size(); i += 2) {
            Spoil(slot.path, plan[i].file, plan[i].variant);
            done[i] = RunOne(slot.path, slot.file("scratch"), extra);
            done[i].file = plan[i].file;
            done[i].variant = plan[i].variant;
            Restore(slot.path, plan[i].file);
        }
    };
    std::thread second(worker, 1);
    worker(0);
    second.join();
    return done;
}

// The "N frames at F fps" line: how long the demo ran.
std::string FrameLine(const std::string& out) {
    const size_t at = out.find(" frames at ");
    if (at == std::string::npos)
        return "";
    const size_t start = out.rfind('\n', at);
    const size_t end = out.find('\n', at);
    return out.substr(start == std::string::npos ? 0 : start + 1,
                      end == std::string::npos ? std::string::npos : end - start - 1);
}

// The reports: what the capture printed before its own summary.
std::string Reports(const std::string& out) {
    const size_t summary = out.find("scene 0 (");
    return out.substr(0, summary == std::string::npos ? out.size() : summary);
}

bool SanitizerSpoke(const std::string& err) {
    return err.find("Sanitizer") != std::string::npos ||
           err.find("runtime error") != std::string::npos;
}

// Peak resident kB at the end of a scene, or of the run, from the capture's summary.
long PeakAt(const std::string& out, const std::string& when) {
    const size_t at = out.find("memory at the end of " + when);
    if (at == std::string::npos)
        return -1;
    const size_t peak = out.find("peak ", at);
    return peak == std::string::npos ? -1 : std::atol(out.c_str() + peak + 5);
}
} // namespace

// Built with the same flags as the capture: with AddressSanitizer, the capture it runs has it.
#ifndef __has_feature
#define __has_feature(x) 0
#endif
#if defined(__SANITIZE_ADDRESS__) || __has_feature(address_sanitizer)
#define CAPTURE_SANITIZED 1
#endif

TEST(HostileAssets, EveryBrokenFileIsReportedAndTheDemoPlaysToTheEnd) {
#ifndef CAPTURE_SANITIZED
    // The 96 runs are made once, in the sanitizer build, where LeakSanitizer and the address
    // checks watch them too.
    GTEST_SKIP() << "run in the sanitizer build";
#endif
    const std::vector<std::string> files = AssetFiles();
    ASSERT_EQ(files.size(), 16u) << "the asset folder should hold 13 pictures, 2 models, 1 song";
    // A moment past the end: every frame is drawn, none written, and the run stops only when
    // the demo itself quits.
    const std::vector<std::string> extra = {"--fps", std::to_string(kFps), "--at", "1000"};

    // Intact assets first: nothing reported, and how many frames a whole run has.
    TempDir copy;
    CopyAssets(copy.path);
    const CaptureRun intact = RunOne(copy.path, copy.file("scratch"), extra);
    ASSERT_EQ(intact.status, 0) << intact.err;
    ASSERT_EQ(Reports(intact.out), "");
    ASSERT_NE(intact.out.find("scene 4 (credits) starts"), std::string::npos);
    const std::string wholeRun = FrameLine(intact.out);

    std::vector<CaptureRun> plan;
    for (const std::string& file : files)
        for (Variant variant : kVariants) {
            plan.emplace_back();
            plan.back().file = file;
            plan.back().variant = variant;
        }
    const auto started = std::chrono::steady_clock::now();
    const std::vector<CaptureRun> runs = RunAll(plan, extra);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("%zu hostile runs at %d fps in %.0f s\n", runs.size(), kFps, seconds);

    for (const CaptureRun& run : runs) {
        SCOPED_TRACE(run.file + ", " + Name(run.variant));
        EXPECT_FALSE(run.hung);
        EXPECT_EQ(run.status, 0) << run.err.substr(0, 4000);
        EXPECT_FALSE(SanitizerSpoke(run.err)) << run.err.substr(0, 4000);
        // Played to the demo's own end, frame for frame as long as the intact run.
        EXPECT_EQ(FrameLine(run.out), wholeRun);

        const std::string reports = Reports(run.out);
        const std::string name = fs::path(run.file).filename().string();
        // Pictures and models name the file (the loading picture with a backslash). The
        // first half of a song plays: the audio layer has nothing to object to.
        if (run.file.compare(0, 6, "Music/") != 0) {
            EXPECT_NE(reports.find(name), std::string::npos) << reports;
        } else if (run.variant != Variant::truncated) {
            EXPECT_NE(reports.find("BASS error"), std::string::npos) << reports;
        }
        const size_t firstEnd = reports.find('\n');
        std::printf("%-26s %-12s %s\n", run.file.c_str(), Name(run.variant),
                    reports.substr(0, std::min<size_t>(firstEnd, 110)).c_str());
    }
}

// The demo frees nothing, but must not grow while it plays: the peak resident memory at the end
// of the sphere field scene and at the end of the run differ by less than 1 MiB.
TEST(HostileAssets, MemoryDoesNotGrowWhileThePlayGoesOn) {
#ifdef CAPTURE_SANITIZED
    GTEST_SKIP()
        << "AddressSanitizer keeps freed memory in quarantine: measured in the plain build";
#endif
    TempDir scratch;
    const CaptureRun run = RunOne(DemoDir(), scratch.path, {"--fps", "5", "--at", "1000"});
    ASSERT_EQ(run.status, 0) << run.err;
    const long scene1 = PeakAt(run.out, "scene 1");
    const long end = PeakAt(run.out, "the run");
    ASSERT_TRUE(scene1 > 0 && end > 0);
    std::printf("peak resident memory: %ld kB at the end of scene 1, %ld kB at the end, "
                "%+ld kB\n",
                scene1, end, end - scene1);
    EXPECT_LT(end - scene1, 1024);
}

// A FIFO under an asset's name: opening it the usual way waits for a writer for ever. Every
// reader must refuse it at once, in its own words.
TEST(HostileAssets, AFifoInPlaceOfAFileIsRefusedWithoutWaiting) {
    TestWindow();
    TempDir folder;
    for (const char* name : {"a.png", "b.tga", "c.mesh", "d.mp3"})
        ASSERT_EQ(mkfifo(folder.file(name).c_str(), 0644), 0);
    // A wait here ends the test program rather than hanging the suite.
    alarm(30);
    EXPECT_EQ(PlatformOpenFile(folder.file("d.mp3").c_str(), "rb"), nullptr);
    BoxLog log;
    Texture picture, tga;
    EXPECT_FALSE(LoadTexture(picture, folder.file("a.png").c_str()));
    EXPECT_FALSE(LoadTexture(tga, folder.file("b.tga").c_str()));
    Model model(folder.file("c.mesh").c_str());
    alarm(0);
    EXPECT_EQ(model.meshNum, 0);
    const std::vector<std::string> expected = {
        "Texture load: Can't load the texture in file '" + folder.file("a.png") +
            "' for some reason.",
        "Texture load: Failed to open the file " + folder.file("b.tga") + "!",
        "Can't open file " + folder.file("c.mesh") + " to load mesh."};
    EXPECT_EQ(log.reports(), expected);
}
