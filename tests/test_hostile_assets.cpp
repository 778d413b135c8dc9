// The whole demo (the capture, on the virtual counter, offscreen) on hostile copies of its asset
// folder, each file in turn replaced: in the sanitizer build by an empty file, a truncated copy,
// random bytes, a file of another kind, a folder and a file it may not read; in the plain build
// by 64 MB of the worst content found for its reader, with its memory measured. Every run must
// play to the end and report the broken file in the demo's own words, with no sanitizer report.
#include "platform/files.h"
#include "resources/mesh.h"
#include "resources/texture.h"
#include "scenes/asset_list.h"
#include "test_support.h"

#include <algorithm>
#include <cstring>
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
enum Variant { kEmpty, kTruncated, kRandom, kOtherKind, kFolder, kUnreadable, kLarge };
const char* const kNames[] = {"empty",  "truncated",  "random bytes", "other kind",
                              "folder", "unreadable", "64 MB"};
constexpr size_t kLargeBytes = size_t{64} << 20;
const char* const kFolders[] = {"Text", "Textures", "Models", "Music"};

struct Writer {
    std::vector<uint8_t> bytes;
    void be32(uint32_t v) {
        bytes.insert(bytes.end(),
                     {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)});
    }
    void le16(uint32_t v) { bytes.insert(bytes.end(), {uint8_t(v), uint8_t(v >> 8)}); }
    void le32(uint32_t v) {
        le16(v);
        le16(v >> 16);
    }
    void text(const char* s) { bytes.insert(bytes.end(), s, s + std::strlen(s)); }
    void zeros(size_t n) { bytes.resize(bytes.size() + n); }
    // A PNG chunk holding `size` bytes from `data`, with its CRC.
    void chunk(const char* type, const uint8_t* data, size_t size) {
        be32(static_cast<uint32_t>(size));
        const size_t start = bytes.size();
        text(type);
        bytes.insert(bytes.end(), data, data + size);
        uint32_t c = 0xFFFFFFFFu;
        for (size_t i = start; i < bytes.size(); ++i) {
            c ^= bytes[i];
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        be32(~c);
    }
};

// The worst 64 MB found for each reader, each costing the whole budget before the fault its
// reader reports:
// - PNG: a header at the pixel limit (2048 x 2048 RGBA), 48 MB of compressed data that gives
//   nothing, then image data one row short: decoded whole before it fails.
// - JPEG: a progressive frame at the pixel limit with the most scans allowed (64), each followed
//   by a megabyte of coded data, then a broken Huffman table.
// - .mesh: one mesh with the largest counts the file holds, whose last index is out of range.
// - MP3: 18 hours of silent frames at the lowest bit rate, refused as longer than it plays.
std::vector<uint8_t> Largest(const std::string& file) {
    Writer w;
    const std::string extension = fs::path(file).extension().string();
    if (extension == ".png") {
        const uint32_t side = 2048, rowBytes = 1 + 4 * side;
        w.text("\x89PNG\r\n\x1a\n");
        const uint8_t header[13] = {0, 0, 8, 0, 0, 0, 8, 0, 8, 6};
        w.chunk("IHDR", header, 13);
        // Empty stored blocks first, then stored blocks of every row but the last, none of them
        // marked as the last block.
        Writer z;
        z.text("\x78\x01");
        const size_t rows = size_t{rowBytes} * (side - 1);
        const size_t empty = (kLargeBytes - 200 - rows - 5 * ((rows + 65534) / 65535)) / 5;
        for (size_t i = 0; i < empty; ++i) {
            z.zeros(3);
            z.le16(0xFFFF);
        }
        for (size_t left = rows, n; left > 0; left -= n) {
            n = std::min<size_t>(left, 65535);
            z.bytes.push_back(0);
            z.le16(uint32_t(n));
            z.le16(uint32_t(~n));
            z.zeros(n);
        }
        // libpng takes no chunk over 8 MB but image data, and that only up to the image's size.
        for (size_t at = 0; at < z.bytes.size(); at += 8000000)
            w.chunk("IDAT", &z.bytes[at], std::min<size_t>(8000000, z.bytes.size() - at));
        w.chunk("IEND", nullptr, 0);
    } else if (extension == ".jpg") {
        auto segment = [&](uint8_t marker, std::vector<uint8_t> payload) {
            w.bytes.insert(w.bytes.end(), {0xFF, marker, uint8_t((payload.size() + 2) >> 8),
                                           uint8_t(payload.size() + 2)});
            w.bytes.insert(w.bytes.end(), payload.begin(), payload.end());
        };
        w.text("\xFF\xD8");
        std::vector<uint8_t> quant(65, 1), huffman(18, 0); // one code of length 1: a zero
        quant[0] = 0;
        huffman[1] = 1;
        segment(0xDB, quant);
        segment(0xC2, {8, 8, 0, 8, 0, 3, 1, 0x11, 0, 2, 0x11, 0, 3, 0x11, 0});
        segment(0xC4, huffman);
        for (int scan = 0; scan < 64; ++scan) {
            segment(0xDA, {3, 1, 0, 2, 0, 3, 0, 0, 0, 0});
            w.zeros((kLargeBytes - 1024) / 64);
        }
        segment(0xC4, std::vector<uint8_t>(17, 255)); // 16 x 255 codes: no such table
        w.text("\xFF\xD9");
    } else if (extension == ".mesh") {
        const uint32_t count = (kLargeBytes - 40) / 24; // as many vertices as triangles
        for (uint32_t v : {78u, 1u, 1u, 0u, count, count, 0u, 0u, 0u, 0u})
            w.le32(v);
        w.zeros(kLargeBytes - 44);
        w.le32(count);
    } else { // MPEG 2.5 layer III frames of 72 bytes: 8 kbit/s mono at 8 kHz
        for (size_t at = 0; at + 72 <= kLargeBytes; at += 72) {
            w.text("\xFF\xE3\x18\xC0");
            w.zeros(68);
        }
    }
    return w.bytes;
}

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
    } else if (variant == kLarge) {
        bytes = Largest(file);
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
    for (auto [text, name] : {std::pair{&run.out, "/out"}, {&run.err, "/err"}}) {
        const std::vector<uint8_t> bytes = ReadFileBytes(scratch + name);
        text->assign(bytes.begin(), bytes.end());
    }
}

// Peak resident kB at the end of a scene, or of the run, from the capture's summary.
long PeakAt(const std::string& out, const std::string& when) {
    const size_t peak = out.find("peak ", out.find("memory at the end of " + when));
    return peak == std::string::npos ? -1 : std::atol(out.c_str() + peak + 5);
}
} // namespace

TEST(HostileAssets, EveryBrokenFileIsReportedAndTheDemoPlaysToTheEnd) {
    // Root reads any file whatever its mode: without these capabilities, which the captures do
    // not get back at exec, mode 000 means unreadable for it too.
    prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0);
    prctl(PR_CAPBSET_DROP, CAP_DAC_READ_SEARCH, 0, 0, 0);
    std::vector<std::string> files;
    for (const char* folder : kFolders)
        for (const auto& entry : fs::recursive_directory_iterator(DemoDir() + "/" + folder))
            if (entry.is_regular_file())
                files.push_back(fs::relative(entry.path(), DemoDir()).string());
    std::sort(files.begin(), files.end());
    ASSERT_EQ(files.size(), std::size(kAssetFiles));

    long intactPeak = -1; // loading ends within the title scene: its peak holds every reader's
    if (!REROVUZ_SANITIZED) {
        // The demo frees nothing, but must not grow while it plays: at 5 fps the run ends within
        // 1 MiB of the peak at the end of the sphere field (the sanitizers' quarantine hides it).
        TempDir scratch;
        CaptureRun intact, fast;
        Capture(intact, DemoDir(), scratch.path);
        Capture(fast, DemoDir(), scratch.path, "5");
        intactPeak = PeakAt(intact.out, "scene 0");
        const long end = PeakAt(fast.out, "the run"), sphereField = PeakAt(fast.out, "scene 1");
        ASSERT_TRUE(intactPeak > 0 && sphereField > 0) << intact.out << fast.out;
        EXPECT_LT(end - sphereField, 1024);
    }

    // One frame a second keeps the runs affordable: every scene still gets its first and last
    // frames and the switch to the next one.
    std::vector<CaptureRun> runs;
    for (const std::string& file : files)
        for (int v = REROVUZ_SANITIZED ? kEmpty : kLarge;
             v <= (REROVUZ_SANITIZED ? kUnreadable : kLarge); ++v)
            runs.push_back({file, Variant(v), -1, "", ""});
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
        std::printf("%-26s %-12s %s\n", run.file.c_str(), kNames[run.variant],
                    reports.substr(0, std::min<size_t>(reports.find('\n'), 110)).c_str());
        if (run.variant != kLarge)
            continue;
        // In kB, the readers' budgets above the intact run's peak: pictures 128 MiB whatever
        // the file, models twice the file and 1 MiB, the soundtrack 1 MiB; with 4 MiB for the
        // measurement (a run's peak moves by a megabyte or so) and 8 MiB for the pictures
        // decoded ahead of their loads, as many at once as the timing makes.
        const long budget = run.file.compare(0, 7, "Models/") == 0 ? 2 * (64 << 10) + 1024
                            : music                                ? 1024
                                                                   : 128 << 10;
        const long extra = PeakAt(run.out, "scene 0") - intactPeak;
        std::printf("%26s peak %+7ld kB (budget %ld kB)\n", "", extra, budget);
        EXPECT_LE(extra, budget + 4096 + 8192);
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
