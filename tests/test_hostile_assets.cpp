// The whole demo (the capture, on the virtual counter, offscreen) on hostile copies of its asset
// folder: each file in turn replaced by an empty file, a truncated copy, random bytes, a file
// of another kind under the same name, a folder, and a file it may not read. Every run must
// play to the end, report the broken file in the demo's own words and, in the sanitizer build,
// end without a sanitizer or leak report. Also the demo's memory while it plays.
#include "platform/files.h"
#include "resources/mesh.h"
#include "resources/texture.h"
#include "scenes/asset_list.h"
#include "test_support.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

// `large`: 64 MB of the worst content found for the file's reader (WriteLargest).
enum class Variant { empty, truncated, random, otherKind, folder, unreadable, large };
const Variant kVariants[] = {Variant::empty,     Variant::truncated, Variant::random,
                             Variant::otherKind, Variant::folder,    Variant::unreadable};
const char* Name(Variant v) {
    static const char* const names[] = {"empty",  "truncated",  "random bytes", "other kind",
                                        "folder", "unreadable", "64 MB"};
    return names[static_cast<int>(v)];
}

constexpr size_t kLargeBytes = size_t{64} << 20;

struct Writer {
    std::vector<uint8_t> bytes;
    void be32(uint32_t v) {
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.push_back(static_cast<uint8_t>(v >> shift));
    }
    void le16(uint32_t v) {
        bytes.push_back(static_cast<uint8_t>(v));
        bytes.push_back(static_cast<uint8_t>(v >> 8));
    }
    void le32(uint32_t v) {
        le16(v);
        le16(v >> 16);
    }
    void text(const char* s) { bytes.insert(bytes.end(), s, s + std::strlen(s)); }
    void zeros(size_t n) { bytes.resize(bytes.size() + n); }
};

uint32_t Crc32(const uint8_t* data, size_t size) {
    static uint32_t table[256];
    if (table[1] == 0)
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
    uint32_t c = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i)
        c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

// A PNG chunk of `size` bytes of which `fill` writes the start; the rest stay zero.
template <typename Fill> void PngChunk(Writer& w, const char* type, size_t size, Fill fill) {
    w.be32(static_cast<uint32_t>(size));
    const size_t start = w.bytes.size();
    w.text(type);
    fill(w);
    w.bytes.resize(start + 4 + size);
    w.be32(Crc32(w.bytes.data() + start, 4 + size));
}

// The worst 64 MB found for each reader, each ending in a fault its reader reports, and each
// costing the whole budget first:
// - PNG: a header at the pixel limit (2048 x 2048 RGBA), then 48 MB of compressed data that
//   gives nothing, then image data that stops one row short: decoded whole before it fails.
// - JPEG: a progressive frame at the pixel limit with the most scans allowed (64), each
//   followed by a megabyte of coded data, then a broken Huffman table.
// - .mesh: one mesh with the largest counts the file holds, whose very last index is out of
//   range: every array allocated and read before the check fails.
// - MP3: the lowest bit rate (8 kbit/s mono, 8 kHz), silent frames: 18 hours of sound, which
//   the audio layer refuses as longer than it plays.
std::vector<uint8_t> Largest(const std::string& file) {
    Writer w;
    const std::string extension = fs::path(file).extension().string();
    if (extension == ".png") {
        const uint32_t side = 2048, rowBytes = 1 + 4 * side;
        w.text("\x89PNG\r\n\x1a\n");
        PngChunk(w, "IHDR", 13, [&](Writer& c) {
            c.be32(side);
            c.be32(side);
            c.text("\x08\x06");
            c.zeros(3);
        });
        // The compressed stream: empty stored blocks to wade through first, then stored blocks
        // of every row but the last, none of them marked as the last block.
        Writer z;
        z.text("\x78\x01");
        const size_t rows = size_t{rowBytes} * (side - 1);
        const size_t rowBlocks = (rows + 65534) / 65535;
        const size_t empty = (kLargeBytes - 200 - rows - 5 * rowBlocks) / 5;
        for (size_t i = 0; i < empty; ++i) { // BFINAL 0, stored, length 0
            z.zeros(3);
            z.le16(0xFFFF);
        }
        for (size_t left = rows; left > 0;) {
            const size_t n = std::min<size_t>(left, 65535);
            z.bytes.push_back(0);
            z.le16(static_cast<uint32_t>(n));
            z.le16(static_cast<uint32_t>(~n));
            z.zeros(n);
            left -= n;
        }
        // libpng takes no chunk over 8 MB but image data, and that only up to the image's size.
        const size_t chunk = 8000000;
        for (size_t at = 0; at < z.bytes.size(); at += chunk) {
            const size_t n = std::min(chunk, z.bytes.size() - at);
            PngChunk(w, "IDAT", n, [&](Writer& c) {
                c.bytes.insert(c.bytes.end(), z.bytes.begin() + at, z.bytes.begin() + at + n);
            });
        }
        PngChunk(w, "IEND", 0, [](Writer&) {});
    } else if (extension == ".jpg") {
        auto segment = [&](uint8_t marker, std::vector<uint8_t> payload) {
            w.bytes.push_back(0xFF);
            w.bytes.push_back(marker);
            w.bytes.push_back(static_cast<uint8_t>((payload.size() + 2) >> 8));
            w.bytes.push_back(static_cast<uint8_t>(payload.size() + 2));
            w.bytes.insert(w.bytes.end(), payload.begin(), payload.end());
        };
        w.text("\xFF\xD8");
        std::vector<uint8_t> quant(65, 1);
        quant[0] = 0;
        segment(0xDB, quant);
        segment(0xC2, {8, 8, 0, 8, 0, 3, 1, 0x11, 0, 2, 0x11, 0, 3, 0x11, 0});
        std::vector<uint8_t> huffman(18, 0); // one code, of length 1: a difference of 0
        huffman[1] = 1;
        segment(0xC4, huffman);
        for (int scan = 0; scan < 64; ++scan) {
            segment(0xDA, {3, 1, 0, 2, 0, 3, 0, 0, 0, 0});
            w.zeros((kLargeBytes - 1024) / 64);
        }
        segment(0xC4, std::vector<uint8_t>(17, 255)); // 16 x 255 codes: no such table
        w.text("\xFF\xD9");
    } else if (extension == ".mesh") {
        const uint32_t count = (kLargeBytes - 40) / 24; // vertices = triangles: all of the file
        for (uint32_t v : {78u, 1u, 1u, 0u, count, count, 0u, 0u, 0u, 0u})
            w.le32(v);
        w.zeros(kLargeBytes - 44);
        w.le32(count);
    } else {
        const uint8_t frame[4] = {0xFF, 0xE3, 0x18, 0xC0}; // MPEG 2.5 layer III, 72 bytes
        for (size_t at = 0; at + 72 <= kLargeBytes; at += 72) {
            w.bytes.insert(w.bytes.end(), frame, frame + 4);
            w.zeros(68);
        }
    }
    return w.bytes;
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
    case Variant::large:
        WriteFile(path, Largest(file));
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
    ASSERT_EQ(files.size(), std::size(kAssetFiles))
        << "the asset folder should hold every file of the table";
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

// Each of the 16 files in turn replaced by 64 MB of the worst content found for its reader: the
// run plays to the end, reports the file, and its peak memory stays within the reader's
// budget above the intact run's (pictures 128 MiB whatever the file; models twice the file and
// 1 MiB; the soundtrack 1 MiB). Measured in the plain build, where the peak is the program's
// own.
TEST(HostileAssets, LargestFilesStayWithinTheirBudgets) {
#ifdef CAPTURE_SANITIZED
    GTEST_SKIP() << "AddressSanitizer's own memory would hide the readers': plain build only";
#endif
    const std::vector<std::string> files = AssetFiles();
    ASSERT_EQ(files.size(), 16u);
    const std::vector<std::string> extra = {"--fps", std::to_string(kFps), "--at", "1000"};
    TempDir copy;
    CopyAssets(copy.path);
    const CaptureRun intact = RunOne(copy.path, copy.file("scratch"), extra);
    ASSERT_EQ(intact.status, 0) << intact.err;
    // Loading ends within the title scene: its peak holds every reader's.
    const long intactPeak = PeakAt(intact.out, "scene 0");
    ASSERT_GT(intactPeak, 0);

    std::vector<CaptureRun> plan(files.size());
    for (size_t i = 0; i < files.size(); ++i) {
        plan[i].file = files[i];
        plan[i].variant = Variant::large;
    }
    const auto started = std::chrono::steady_clock::now();
    const std::vector<CaptureRun> runs = RunAll(plan, extra);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("%zu runs on 64 MB files in %.0f s; intact peak %ld kB\n", runs.size(), seconds,
                intactPeak);
    for (const CaptureRun& run : runs) {
        SCOPED_TRACE(run.file);
        EXPECT_FALSE(run.hung);
        EXPECT_EQ(run.status, 0) << run.err.substr(0, 4000);
        EXPECT_EQ(FrameLine(run.out), FrameLine(intact.out));
        const std::string reports = Reports(run.out);
        const long extra = PeakAt(run.out, "scene 0") - intactPeak;
        const bool music = run.file.compare(0, 6, "Music/") == 0;
        const bool model = run.file.compare(0, 7, "Models/") == 0;
        EXPECT_NE(reports.find(music ? "BASS" : fs::path(run.file).filename().string()),
                  std::string::npos)
            << reports.substr(0, 2000);
        // In kB: the readers' budgets, 4 MiB for the measurement (the peak of a whole run moves
        // by a megabyte or so from one run to the next) and 8 MiB for the pictures decoded
        // ahead of their loads, how many of them are held at once depending on timing.
        const long budget = model ? 2 * (64 << 10) + 1024 : music ? 1024 : 128 << 10;
        std::printf("%-26s peak %+7ld kB (budget %ld kB) %s\n", run.file.c_str(), extra, budget,
                    reports.substr(0, std::min<size_t>(reports.find('\n'), 100)).c_str());
        EXPECT_LE(extra, budget + 4096 + 8192);
    }
}
