// The audio layer and the soundtrack: spectra of generated tones encoded with lame, rate and
// channel conversion, playback pace on SDL's dummy and disk drivers, and every failure path
// with the demo's own messages.
#include "base/report_error.h"
#include "music/music.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "test_support.h"

#include <SDL_stdinc.h>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <mpg123.h>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kBinHz = kRate / 512.0; // 86.13 Hz
constexpr int64_t kTicksPerSecond = 1000000;
constexpr int64_t kBufferFrames = 4096; // the device's buffer

// Sound made sample by sample: value(t, channel) in [-1, 1] for t seconds from the start.
struct Tone {
    int rate = kRate;
    int channels = 2;
    std::vector<uint8_t> bytes; // interleaved 16-bit little-endian
    void add(double seconds, const std::function<double(double, int)>& value) {
        const double start = static_cast<double>(bytes.size() / (2 * channels)) / rate;
        for (long i = 0; i < std::lround(seconds * rate); ++i)
            for (int c = 0; c < channels; ++c) {
                const double v = std::clamp(value(start + double(i) / rate, c), -1.0, 1.0);
                const uint16_t s = static_cast<uint16_t>(std::lround(v * 32767.0));
                bytes.push_back(static_cast<uint8_t>(s));
                bytes.push_back(static_cast<uint8_t>(s >> 8));
            }
    }
};

double Sine(double hz, double t) {
    return std::sin(2.0 * M_PI * hz * t);
}

// Encodes the tone with lame; `options` picks bit rate, VBR, tags. Level checks use high bit
// rates: at 128 kbit/s lame's quantisation takes about 5% off a pure tone.
bool MakeMp3(const std::string& path, const Tone& tone, const std::string& options) {
    const std::string raw = path + ".raw";
    if (!WriteFile(raw, tone.bytes))
        return false;
    std::vector<std::string> args = {"lame", "-s", std::to_string(tone.rate / 1000.0)};
    std::istringstream words("--quiet -r --bitwidth 16 --signed --little-endian -m " +
                             std::string(tone.channels == 1 ? "m " : "j ") + options);
    for (std::string word; words >> word;)
        args.push_back(word);
    args.insert(args.end(), {raw, path});
    const bool ok = RunProgram(args, "") == 0;
    std::remove(raw.c_str());
    return ok;
}

// The file decoded from start to end in one go by libmpg123, as stereo floats at its own rate:
// what a stream read onwards must give, sample for sample, when no conversion is needed.
std::vector<float> DecodeWhole(const std::string& path) {
    mpg123_handle* decoder = mpg123_new(nullptr, nullptr);
    mpg123_param(decoder, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS, 0.0);
    mpg123_format_none(decoder);
    mpg123_format(decoder, kRate, MPG123_STEREO, MPG123_ENC_FLOAT_32);
    std::vector<float> pcm, block(4096);
    size_t byteNum = 0;
    int result = mpg123_open(decoder, path.c_str());
    while (result == MPG123_OK || result == MPG123_NEW_FORMAT) {
        result = mpg123_read(decoder, block.data(), block.size() * sizeof(float), &byteNum);
        pcm.insert(pcm.end(), block.begin(), block.begin() + byteNum / sizeof(float));
    }
    mpg123_delete(decoder);
    return pcm;
}

// The virtual counter is chosen once per process and never switched back; the tests that
// need the real one run in a fresh process (InFreshProcess) and never call this.
void StartVirtualAudio() {
    static bool started = false;
    if (!started) {
        PlatformUseVirtualCounter(kTicksPerSecond);
        started = AudioInit(kRate);
    }
    ASSERT_TRUE(started) << "error " << AudioErrorCode();
}

// Plays a stream on the virtual counter and moves "heard" to a given sample.
struct VirtualPlay {
    uint32_t stream;
    int64_t playTick;
    explicit VirtualPlay(uint32_t s) : stream(s), playTick(PlatformReadCounter()) {
        EXPECT_TRUE(AudioPlay(stream));
    }
    // Forward only: the virtual counter never goes back.
    void hear(int64_t sample) {
        const int64_t target = playTick + (sample * kTicksPerSecond + kRate - 1) / kRate;
        PlatformAdvanceVirtualCounter(target - PlatformReadCounter());
        EXPECT_EQ(AudioStreamPosition(stream), sample);
    }
    std::vector<float> spectrum() {
        std::vector<float> bins(AUDIO_SPECTRUM_BINS, -1.0f);
        EXPECT_TRUE(AudioGetSpectrum(stream, bins.data())) << "error " << AudioErrorCode();
        return bins;
    }
};

// What went wrong in a fresh process, as text (gtest's checks do not reach back from there).
struct Findings {
    std::string text;
    void check(bool ok, const std::string& what) {
        if (!ok)
            text += what + "\n";
    }
    void reports(const BoxLog& log, const std::vector<std::string>& want, const std::string& what) {
        std::string got;
        for (const std::string& r : log.reports())
            got += "[" + r + "]";
        check(log.reports() == want, what + ": got " + got);
    }
};

// Runs body in a fresh run of this test program: no audio device yet, the real counter, and
// Music's start-up flag clear. Fails with body's findings.
void InFreshProcess(const std::function<std::string()>& body) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const std::string findings = body();
            std::fputs(findings.c_str(), stderr);
            std::fflush(nullptr);
            std::_Exit(findings.empty() ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

std::string Code(uint32_t code) {
    return "BASS Error!\nErrorcode: " + std::to_string(code);
}

// Folder holding the soundtrack where the demo looks for it, made the working folder.
struct SoundtrackFolder {
    TempDir dir;
    std::string file = dir.file(kSoundtrackFile);
    SoundtrackFolder() {
        std::filesystem::create_directories(dir.file("Music"));
        if (chdir(dir.path.c_str()) != 0)
            std::perror("chdir");
    }
};

} // namespace

// Half-second segments: sines on the centres of bins 1, 2, 3 and 5, then left = -right,
// each read in its middle; then a second of silence, and a tone on bin 8 from 3.5 s that
// shows from then on, and only then. Half the window over the tone reads a quarter, so
// "heard" is placed to the sample.
TEST(AudioSpectrum, ReadsWhatIsHeardAndStopsAtTheEnd) {
    StartVirtualAudio();
    TempDir dir;
    Tone tone;
    const int bins[] = {1, 2, 3, 5};
    for (int k : bins)
        tone.add(0.5, [k](double t, int) { return Sine(k * kBinHz, t); });
    tone.add(0.5, [](double t, int c) { return (c == 0 ? 1 : -1) * Sine(4 * kBinHz, t); });
    tone.add(1.0, [](double, int) { return 0.0; });
    tone.add(1.0, [](double t, int) { return Sine(8 * kBinHz, t); });
    ASSERT_TRUE(MakeMp3(dir.file("tones.mp3"), tone, "-b 320"));
    const uint32_t stream = AudioStreamOpenFile(dir.file("tones.mp3").c_str());
    ASSERT_NE(stream, 0u) << "error " << AudioErrorCode();
    const int64_t late = 7 * kRate / 2, end = 9 * kRate / 2;
    EXPECT_EQ(AudioStreamLength(stream), end);

    VirtualPlay play(stream);
    for (int segment = 0; segment < 4; ++segment) {
        const int k = bins[segment];
        play.hear(segment * kRate / 2 + kRate / 4);
        std::vector<float> s = play.spectrum();
        // The periodic Hann window spreads a centred tone onto exactly one bin each side.
        EXPECT_TRUE(std::fabs(s[k] - 0.5f) < 0.02f && std::fabs(s[k + 1] - 0.25f) < 0.02f &&
                    s[k + 2] < 0.01f && (k < 2 || s[k - 2] < 0.01f))
            << "bin " << k << ": " << s[k - 1] << " " << s[k] << " " << s[k + 1];
    }
    play.hear(2 * kRate + kRate / 4);
    const std::vector<float> antiphase = play.spectrum();
    EXPECT_LT(*std::max_element(antiphase.begin(), antiphase.end()), 0.005f) << "left = -right";
    play.hear(2 * kRate + 3 * kRate / 4);
    EXPECT_EQ(play.spectrum(), std::vector<float>(AUDIO_SPECTRUM_BINS, 0.0f)) << "silence";
    for (auto [sample, level] : {std::pair{late - 1024, 0.0f}, std::pair{late + 256, 0.25f},
                                 std::pair{late + 512, 0.5f}, std::pair{end - 1, 0.5f}}) {
        play.hear(sample);
        EXPECT_NEAR(play.spectrum()[8], level, 0.025f) << "at " << sample;
    }
    // Past the end: the call fails and leaves the buffer as it was.
    play.hear(end);
    std::vector<float> kept(AUDIO_SPECTRUM_BINS, 7.0f);
    EXPECT_FALSE(AudioGetSpectrum(stream, kept.data()));
    EXPECT_EQ(AudioErrorCode(), AUDIO_ERROR_ENDED);

    // Playing again starts from the beginning.
    VirtualPlay again(stream);
    again.hear(kRate / 4);
    EXPECT_NEAR(again.spectrum()[1], 0.5f, 0.02f);

    // Bad handles, arguments and a second start fail with their codes and touch nothing.
    for (uint32_t handle : {0u, 12345u}) {
        EXPECT_FALSE(AudioGetSpectrum(handle, kept.data()));
        EXPECT_EQ(AudioErrorCode(), AUDIO_ERROR_HANDLE);
        EXPECT_FALSE(AudioPlay(handle) || AudioSetVolume(handle, 100));
        EXPECT_EQ(AudioStreamPosition(handle), -1);
    }
    EXPECT_EQ(kept, std::vector<float>(AUDIO_SPECTRUM_BINS, 7.0f));
    EXPECT_FALSE(AudioSetVolume(stream, 101));
    EXPECT_EQ(AudioErrorCode(), AUDIO_ERROR_PARAMETER);
    EXPECT_FALSE(AudioReadPcm(stream, 0, -1, kept.data()));
    EXPECT_EQ(AudioStreamOpenFile(dir.path.c_str()), 0u) << "a folder is no file";
    EXPECT_EQ(AudioErrorCode(), AUDIO_ERROR_FILE_OPEN);
    EXPECT_FALSE(AudioInit(kRate));
    EXPECT_EQ(AudioErrorCode(), AUDIO_ERROR_ALREADY);
}

// Other rates and channel counts, variable bit rate, ID3 tags, and a file cut in half: each
// converted to 44.1 kHz stereo at the right pitch (a tone on bin 20 stays there) and length.
// Read onwards, a stream is the file decoded whole; read anywhere (a seek), the same samples,
// to a float's rounding for mono files (libmpg123 rounds them differently after a seek).
TEST(AudioStreams, AnyRateLayoutOrCutFilePlaysAtPitchAndLength) {
    StartVirtualAudio();
    const struct {
        int rate, channels;
        const char* options;
        bool cut;
    } cases[] = {{48000, 1, "-b 320", false},
                 {32000, 2, "-b 320 --add-id3v2 --tt Title --ta Artist", false},
                 {44100, 2, "-V 2", false},
                 {22050, 1, "-b 160", false},
                 {44100, 2, "-b 320", true}};
    TempDir dir;
    for (const auto& c : cases) {
        const std::string path = dir.file(std::to_string(&c - cases) + ".mp3");
        SCOPED_TRACE(path + " " + c.options);
        Tone tone;
        tone.rate = c.rate;
        tone.channels = c.channels;
        tone.add(2.0, [](double t, int) { return Sine(20 * kBinHz, t); });
        ASSERT_TRUE(MakeMp3(path, tone, c.options));
        if (c.cut) {
            std::vector<uint8_t> bytes = ReadFileBytes(path);
            bytes.resize(bytes.size() / 2);
            ASSERT_TRUE(WriteFile(path, bytes));
        }
        const uint32_t stream = AudioStreamOpenFile(path.c_str());
        ASSERT_NE(stream, 0u) << "error " << AudioErrorCode();
        const int64_t length = AudioStreamLength(stream);
        EXPECT_NEAR(length, c.cut ? kRate : 2 * kRate, c.cut ? kRate / 2 : 2);
        std::vector<float> whole(static_cast<size_t>(2 * length));
        ASSERT_TRUE(AudioReadPcm(stream, 0, static_cast<int>(length), whole.data()));
        if (c.rate == kRate) {
            // A cut file's headers count its last frames whole; what the decoder cannot give
            // reads as silence.
            const std::vector<float> ref = DecodeWhole(path);
            ASSERT_LE(ref.size(), whole.size());
            EXPECT_TRUE(std::equal(ref.begin(), ref.end(), whole.begin()));
            EXPECT_TRUE(c.cut || ref.size() == whole.size());
            EXPECT_TRUE(std::all_of(whole.begin() + ref.size(), whole.end(),
                                    [](float v) { return v == 0.0f; }));
        }
        for (int64_t at : {length / 2, int64_t(7), length - 3000, length / 3}) {
            std::vector<float> part(2 * 3000);
            ASSERT_TRUE(AudioReadPcm(stream, at, 3000, part.data()));
            float worst = 0.0f;
            for (size_t i = 0; i < part.size(); ++i)
                worst =
                    std::max(worst, std::fabs(part[i] - whole[static_cast<size_t>(2 * at) + i]));
            EXPECT_LE(worst, c.channels == 2 ? 0.0f : 1e-6f) << "read at " << at;
        }

        VirtualPlay play(stream);
        play.hear(kRate / 2);
        std::vector<float> s = play.spectrum();
        // lame itself leaves 22.05 kHz tones 5% low, whatever the bit rate; the others keep
        // their level through the conversion to within 2%.
        EXPECT_NEAR(s[20], c.rate == 22050 ? 0.485f : 0.5f, c.rate == 22050 ? 0.03f : 0.01f);
        EXPECT_LT(std::max(s[18], s[22]), 0.01f);
        // Resampling images and aliases land far from the tone.
        EXPECT_LT(*std::max_element(s.begin() + 24, s.end()), 0.003f);

        std::vector<float> pcm(2 * 1000, 9.0f);
        ASSERT_TRUE(AudioReadPcm(stream, kRate / 4, 1000, pcm.data()));
        for (int i = 0; i < 1000; i += 97)
            EXPECT_FLOAT_EQ(pcm[2 * i], pcm[2 * i + 1]) << "same tone both sides";
        // Reading across either end gives zeros there.
        for (int64_t at : {int64_t(-2), length - 2}) {
            ASSERT_TRUE(AudioReadPcm(stream, at, 4, pcm.data()));
            EXPECT_TRUE(pcm[at < 0 ? 0 : 4] == 0.0f && pcm[at < 0 ? 3 : 7] == 0.0f) << at;
        }
    }
}

// On the real counter with SDL's dummy driver the position heard follows the clock: never
// ahead, behind by at most the device's phase at the start and one buffer of lateness (two
// buffers in all). Once the audio thread is starved for 400 ms (as under load), the stream
// jumps to where the clock is instead of staying late; slack for a busy machine.
TEST(AudioPlayback, DummyDevicePositionFollowsTheClockAfterAStarvedThread) {
    InFreshProcess([] {
        Findings f;
        TempDir dir;
        Tone tone;
        tone.add(3.0, [](double t, int) { return Sine(8 * kBinHz, t); });
        if (!MakeMp3(dir.file("pace.mp3"), tone, "-b 128"))
            return std::string("lame failed");
        f.check(AudioInit(kRate), "init");
        const uint32_t stream = AudioStreamOpenFile(dir.file("pace.mp3").c_str());
        f.check(AudioPlay(stream), "play");
        const auto start = std::chrono::steady_clock::now();
        const int64_t slack = kRate * 3 / 100; // 30 ms
        int64_t last = 0;
        for (int i = 0; i < 40; ++i) {
            if (i == 10)
                AudioDelayNextMixForTesting(400);
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
            // The clock read on both sides of the position, so that this thread being put off
            // between the two readings cannot fail the check.
            auto clockNow = [&] {
                const std::chrono::duration<double> d = std::chrono::steady_clock::now() - start;
                return std::llround(d.count() * kRate);
            };
            const int64_t before = clockNow();
            const int64_t position = AudioStreamPosition(stream);
            const int64_t after = clockNow();
            f.check(position >= last, "position went back");
            f.check(position >= before - 2 * kBufferFrames - 2 * slack && position <= after + slack,
                    "at " + std::to_string(double(before) / kRate) +
                        " s: " + std::to_string(position));
            last = position;
        }
        std::vector<float> s(AUDIO_SPECTRUM_BINS);
        f.check(AudioGetSpectrum(stream, s.data()), "spectrum while playing");
        f.check(std::fabs(s[8] - 0.5f) < 0.03f, "tone at bin 8: " + std::to_string(s[8]));
        return f.text;
    });
}

// SDL's disk driver writes what the device plays to a file: the stream, scaled by the volume.
// A busy machine may starve the device long enough for the stream to jump to the clock, so
// each buffer the device took is found in the stream (past a jump's crossfade) and compared
// from there to its end.
TEST(AudioPlayback, DeviceReceivesTheStreamAtItsVolume) {
    InFreshProcess([] {
        Findings f;
        TempDir dir;
        SDL_setenv("SDL_AUDIODRIVER", "disk", 1);
        SDL_setenv("SDL_DISKAUDIOFILE", dir.file("out.raw").c_str(), 1);
        Tone tone;
        tone.add(1.0, [](double t, int c) { return (c == 0 ? 0.8 : -0.4) * Sine(300, t); });
        if (!MakeMp3(dir.file("v.mp3"), tone, "-b 192"))
            return std::string("lame failed");
        f.check(AudioInit(kRate), "init");
        const uint32_t stream = AudioStreamOpenFile(dir.file("v.mp3").c_str());
        f.check(AudioSetVolume(stream, 50) && AudioPlay(stream), "volume and play");
        const int64_t length = AudioStreamLength(stream);
        std::vector<float> pcm(static_cast<size_t>(2 * length));
        AudioReadPcm(stream, 0, static_cast<int>(length), pcm.data());
        // Until the device has written three buffers of the stream (a busy machine is slow).
        std::vector<uint8_t> bytes;
        size_t first = 0, outNum = 0;
        for (int i = 0; i < 80 && outNum < first + 3 * kBufferFrames; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            bytes = ReadFileBytes(dir.file("out.raw"));
            outNum = bytes.size() / (2 * sizeof(float));
            for (first = 0;
                 first < outNum && !reinterpret_cast<const float*>(bytes.data())[2 * first];)
                ++first;
        }
        const float* out = reinterpret_cast<const float*>(bytes.data());
        auto same = [&](size_t at, int64_t in, size_t count) {
            for (size_t i = 0; i < 2 * count; ++i)
                if (std::fabs(out[2 * at + i] - 0.5f * pcm[static_cast<size_t>(2 * in) + i]) >
                    1e-6f)
                    return false;
            return true;
        };
        size_t compared = 0;
        for (size_t at = first + 256; at + 300 < outNum && compared < 2 * kBufferFrames;) {
            const size_t end = std::min(outNum, (at / kBufferFrames + 1) * kBufferFrames);
            int64_t in = 0;
            while (in + int64_t(end - at) <= length && !same(at, in, 16))
                ++in;
            f.check(in + int64_t(end - at) <= length && same(at, in, end - at),
                    "output at " + std::to_string(at) + " is not half the stream");
            compared += end - at;
            at = end + 256;
        }
        f.check(compared >= kBufferFrames, "too little played: " + std::to_string(compared));
        return f.text;
    });
}

// The soundtrack as the demo opens it: no message, silence before playing, the tone while
// playing, the last spectrum kept once the stream has ended. Then missing, empty and random
// files: the start is not repeated, and each failure gives its two messages and leaves the
// spectrum alone.
TEST(Music, PlaysTheSoundtrackAndReportsBadFilesExactly) {
    InFreshProcess([] {
        Findings f;
        SoundtrackFolder folder;
        Tone tone;
        tone.add(1.0, [](double t, int) { return Sine(2 * kBinHz, t); });
        if (!MakeMp3(folder.file, tone, "-b 320"))
            return std::string("lame failed");
        PlatformUseVirtualCounter(kTicksPerSecond);
        BoxLog log;
        Music music;
        music.updateSpectrum();
        f.check(std::all_of(std::begin(music.spectrum), std::end(music.spectrum),
                            [](float v) { return v == 0; }),
                "not zero before playing");
        music.play();
        PlatformAdvanceVirtualCounter(kTicksPerSecond / 2);
        music.updateSpectrum();
        f.check(std::fabs(music.spectrum[2] - 0.5f) < 0.02f,
                "bin 2 reads " + std::to_string(music.spectrum[2]));
        f.check(music.spectrum[256] == 0.0f && music.spectrum[511] == 0.0f,
                "only the first 256 are written");
        const float kept = music.spectrum[2];
        PlatformAdvanceVirtualCounter(kTicksPerSecond);
        music.updateSpectrum();
        f.check(music.spectrum[2] == kept, "spectrum changed after the end");
        f.reports(log, {}, "good file");

        const std::string notFound = "BASS error: File not found?\n";
        AudioStreamFree(music.stream); // Windows removes no file that is still open
        std::filesystem::remove(folder.file);
        Music missing;
        f.reports(log, {notFound, Code(AUDIO_ERROR_FILE_OPEN) + "\n"}, "missing");
        f.check(missing.stream == 0, "missing: stream");
        std::vector<uint8_t> random(65536);
        uint32_t seed = 12345;
        for (uint8_t& b : random)
            b = static_cast<uint8_t>((seed = seed * 1103515245u + 12345u) >> 16);
        for (const auto& bytes : {std::vector<uint8_t>{}, random}) {
            WriteFile(folder.file, bytes);
            log.clear();
            Music bad;
            const std::string name = bytes.empty() ? "empty" : "random";
            f.reports(log, {notFound, Code(AUDIO_ERROR_FORMAT) + "\n"}, name);
            f.check(bad.stream == 0, name + ": stream");
        }
        log.clear();
        missing.spectrum[5] = 0.75f;
        missing.play();
        f.reports(log, {"BASS error: Can't play the stream\n", Code(AUDIO_ERROR_HANDLE) + "\n"},
                  "play");
        missing.updateSpectrum();
        f.check(missing.spectrum[5] == 0.75f && missing.spectrum[4] == 0.0f,
                "spectrum changed without a stream");
        return f.text;
    });
}

// No sound device: the start-up messages, then the ones every later call brings, and a demo
// that carries on with a spectrum of zeros.
TEST(Music, NoDeviceReportsAndCarriesOnSilently) {
    InFreshProcess([] {
        Findings f;
        SoundtrackFolder folder;
        Tone tone;
        tone.add(0.5, [](double t, int) { return Sine(440, t); });
        if (!MakeMp3(folder.file, tone, "-b 128"))
            return std::string("lame failed");
        SDL_setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
        BoxLog log;
        Music music;
        music.play();
        music.updateSpectrum();
        f.reports(log,
                  {"BASS error on init!", Code(AUDIO_ERROR_NO_DEVICE),
                   "BASS error: File not found?\n", Code(AUDIO_ERROR_NOT_INIT) + "\n",
                   "BASS error: Can't play the stream\n", Code(AUDIO_ERROR_HANDLE) + "\n"},
                  "reports");
        f.check(std::all_of(std::begin(music.spectrum), std::end(music.spectrum),
                            [](float v) { return v == 0; }),
                "spectrum not zero");
        return f.text;
    });
}
