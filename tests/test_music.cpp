// The audio layer and the soundtrack: spectra of generated tones encoded with lame, rate and
// channel conversion, playback pace on SDL's dummy and disk drivers, and the failure paths with
// the demo's own messages.
#include "music/music.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/spectrum.h"
#include "test_support.h"

#include <SDL_stdinc.h>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kBinHz = kRate / 512.0; // 86.13 Hz
constexpr int64_t kTicksPerSecond = 1000000;
constexpr int64_t kBufferFrames = 4096; // the device's buffer

// value(t, channel) in [-1, 1] for t seconds from the start.
using Wave = std::function<double(double, int)>;

Wave Sine(double hz, double left = 1.0, double right = 1.0) {
    return [=](double t, int c) { return (c == 0 ? left : right) * std::sin(2 * M_PI * hz * t); };
}

// Encodes `seconds` of the wave, made sample by sample, with lame; `options` pick bit rate,
// VBR, tags. Level checks use high bit rates: at 128 kbit/s lame's quantisation takes about 5%
// off a pure tone.
bool MakeMp3(const std::string& path, double seconds, const Wave& wave,
             const std::vector<std::string>& options, int rate = kRate, int channels = 2) {
    std::vector<uint8_t> pcm; // interleaved 16-bit little-endian
    for (long i = 0; i < std::lround(seconds * rate); ++i)
        for (int c = 0; c < channels; ++c) {
            const auto s = static_cast<uint16_t>(std::lround(wave(double(i) / rate, c) * 32767));
            pcm.insert(pcm.end(), {static_cast<uint8_t>(s), static_cast<uint8_t>(s >> 8)});
        }
    const std::string raw = path + ".raw";
    const std::string khz = std::to_string(rate / 1000.0), mode = channels == 1 ? "m" : "j";
    std::vector<std::string> args = {"lame",     "--quiet",         "-r", "--bitwidth", "16",
                                     "--signed", "--little-endian", "-s", khz,          "-m",
                                     mode};
    args.insert(args.end(), options.begin(), options.end());
    args.insert(args.end(), {raw, path});
    const bool ok = WriteFile(raw, pcm) && RunProgram(args, "") == 0;
    std::remove(raw.c_str());
    return ok;
}

// The virtual counter is chosen once per process and never switched back; the tests that
// need the real one run in a fresh process (InFreshProcess) and never call this.
void StartVirtualAudio() {
    static const bool started = [] {
        PlatformUseVirtualCounter(kTicksPerSecond);
        return AudioInit(kRate);
    }();
    ASSERT_TRUE(started) << "error " << AudioErrorCode();
}

// Runs body in a fresh run of this test program: no audio device yet, the real counter, and
// Music's start-up flag clear. Its failures come back as the child's error output.
void InFreshProcess(const std::function<void()>& body) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            testing::TestPartResultArray results;
            {
                testing::ScopedFakeTestPartResultReporter reporter(&results);
                body();
            }
            for (int i = 0; i < results.size(); ++i)
                std::fprintf(stderr, "line %d: %s\n", results.GetTestPartResult(i).line_number(),
                             results.GetTestPartResult(i).message());
            std::fflush(nullptr);
            std::_Exit(results.size() == 0 ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

std::string Code(uint32_t code) {
    return "BASS Error!\nErrorcode: " + std::to_string(code);
}

} // namespace

// Half-second sines on the centres of bins 1, 2, 3 and 5, then left = -right on bin 4, each read
// in its middle; then a second of silence and a tone on bin 8 from 3.5 s, which half the window
// over it reads as a quarter, so "heard" is placed to the sample.
TEST(AudioSpectrum, ReadsWhatIsHeardToTheSample) {
    StartVirtualAudio();
    TempDir dir;
    const int bins[] = {1, 2, 3, 5, 4, 0, 0, 8, 8};
    auto wave = [&](double t, int c) {
        const int segment = static_cast<int>(t * 2);
        return Sine(bins[segment] * kBinHz, 1, segment == 4 ? -1 : 1)(t, c);
    };
    ASSERT_TRUE(MakeMp3(dir.file("tones.mp3"), 4.5, wave, {"-b", "320"}));
    const uint32_t stream = AudioStreamOpenFile(dir.file("tones.mp3").c_str());
    const int64_t late = 7 * kRate / 2, end = 9 * kRate / 2;
    ASSERT_EQ(AudioStreamLength(stream), end) << "error " << AudioErrorCode();

    // Moves "heard" forward to a given sample and reads the spectrum there.
    const int64_t playTick = PlatformReadCounter();
    ASSERT_TRUE(AudioPlay(stream));
    auto spectrumAt = [&](int64_t sample) {
        const int64_t target = playTick + (sample * kTicksPerSecond + kRate - 1) / kRate;
        PlatformAdvanceVirtualCounter(target - PlatformReadCounter());
        EXPECT_EQ(AudioStreamPosition(stream), sample);
        std::vector<float> magnitudes(AUDIO_SPECTRUM_BINS, -1.0f);
        EXPECT_TRUE(AudioGetSpectrum(stream, magnitudes.data())) << "error " << AudioErrorCode();
        return magnitudes;
    };
    for (int segment = 0; segment < 4; ++segment) {
        const int k = bins[segment];
        const std::vector<float> s = spectrumAt(segment * kRate / 2 + kRate / 4);
        // The periodic Hann window spreads a centred tone onto exactly one bin each side.
        EXPECT_TRUE(std::fabs(s[k] - 0.5f) < 0.02f && std::fabs(s[k + 1] - 0.25f) < 0.02f &&
                    s[k + 2] < 0.01f && (k < 2 || s[k - 2] < 0.01f))
            << "bin " << k << ": " << s[k - 1] << " " << s[k] << " " << s[k + 1];
    }
    const std::vector<float> antiphase = spectrumAt(2 * kRate + kRate / 4);
    EXPECT_LT(*std::max_element(antiphase.begin(), antiphase.end()), 0.005f) << "left = -right";
    for (auto [sample, level] :
         {std::pair{late - 1024, 0.0f}, std::pair{late + 256, 0.25f}, std::pair{end - 1, 0.5f}})
        EXPECT_NEAR(spectrumAt(sample)[8], level, 0.025f) << "at " << sample;
}

// Other rates and channel counts, variable bit rate, ID3 tags, and a file cut in half: each
// converted to 44.1 kHz stereo at the right pitch (a tone on bin 20 stays there), level and
// length. Read anywhere (a seek), a stream gives what it gives read onwards, to a float's
// rounding for mono files (libmpg123 rounds them differently after a seek).
TEST(AudioStreams, AnyRateLayoutOrCutFilePlaysAtPitchAndLength) {
    StartVirtualAudio();
    const struct {
        int rate, channels;
        std::vector<std::string> options;
        bool cut;
    } cases[] = {
        {48000, 1, {"-b", "320"}, false},
        {32000, 2, {"-b", "320", "--add-id3v2", "--tt", "A title", "--ta", "Artist"}, false},
        {44100, 2, {"-V", "2"}, false},
        {22050, 1, {"-b", "160"}, false},
        {44100, 2, {"-b", "320"}, true}};
    TempDir dir;
    for (const auto& c : cases) {
        const std::string path = dir.file(std::to_string(&c - cases) + ".mp3");
        SCOPED_TRACE(path);
        ASSERT_TRUE(MakeMp3(path, 2.0, Sine(20 * kBinHz), c.options, c.rate, c.channels));
        if (c.cut)
            std::filesystem::resize_file(path, std::filesystem::file_size(path) / 2);
        const uint32_t stream = AudioStreamOpenFile(path.c_str());
        const int64_t length = AudioStreamLength(stream);
        ASSERT_NEAR(length, c.cut ? kRate : 2 * kRate, c.cut ? kRate / 2 : 2) << AudioErrorCode();
        std::vector<float> whole(static_cast<size_t>(2 * length));
        ASSERT_TRUE(AudioReadPcm(stream, 0, static_cast<int>(length), whole.data()));
        const float tolerance = c.channels == 2 ? 0.0f : 1e-6f;
        for (int64_t at : {length / 2, int64_t(7), length - 3000, length / 3}) {
            std::vector<float> part(2 * 3000);
            ASSERT_TRUE(AudioReadPcm(stream, at, 3000, part.data()));
            EXPECT_TRUE(std::equal(part.begin(), part.end(), whole.begin() + 2 * at,
                                   [=](float a, float b) { return std::fabs(a - b) <= tolerance; }))
                << "read at " << at;
        }

        std::vector<float> s(AUDIO_SPECTRUM_BINS);
        ASSERT_TRUE(ComputeSpectrum(&whole[2 * (kRate / 2 - AUDIO_FFT_SIZE)], s.data()));
        // lame itself leaves 22.05 kHz tones 5% low, whatever the bit rate; the others keep
        // their level through the conversion to within 2%. Resampling images and aliases land
        // far from the tone.
        EXPECT_NEAR(s[20], c.rate == 22050 ? 0.485f : 0.5f, c.rate == 22050 ? 0.03f : 0.01f);
        EXPECT_LT(std::max(s[18], s[22]), 0.01f);
        EXPECT_LT(*std::max_element(s.begin() + 24, s.end()), 0.003f);
        for (size_t i = kRate / 4; i < kRate / 4 + 1000; i += 97)
            EXPECT_FLOAT_EQ(whole[2 * i], whole[2 * i + 1]) << "same tone both sides";
        // Reading across either end gives zeros there.
        std::vector<float> edge(8, 9.0f);
        for (int64_t at : {int64_t(-2), length - 2}) {
            ASSERT_TRUE(AudioReadPcm(stream, at, 4, edge.data()));
            EXPECT_TRUE(edge[at < 0 ? 0 : 4] == 0.0f && edge[at < 0 ? 3 : 7] == 0.0f) << at;
        }
    }
}

// On the real counter with SDL's dummy driver the position heard follows the clock: never
// ahead, behind by at most the device's phase at the start and one buffer of lateness (two
// buffers in all). Once the audio thread is starved for 400 ms (as under load), the stream
// jumps to where the clock is instead of staying late; slack for a busy machine.
TEST(AudioPlayback, DummyDevicePositionFollowsTheClockAfterAStarvedThread) {
    InFreshProcess([] {
        TempDir dir;
        ASSERT_TRUE(MakeMp3(dir.file("pace.mp3"), 3.0, Sine(8 * kBinHz), {"-b", "128"}));
        ASSERT_TRUE(AudioInit(kRate));
        const uint32_t stream = AudioStreamOpenFile(dir.file("pace.mp3").c_str());
        EXPECT_TRUE(AudioPlay(stream));
        const auto start = std::chrono::steady_clock::now();
        auto clockNow = [&] {
            const std::chrono::duration<double> d = std::chrono::steady_clock::now() - start;
            return std::llround(d.count() * kRate);
        };
        const int64_t slack = kRate * 3 / 100; // 30 ms
        int64_t last = 0;
        for (int i = 0; i < 40; ++i) {
            if (i == 10)
                AudioDelayNextMixForTesting(400);
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
            // The clock read on both sides of the position, so that this thread being put off
            // between the two readings cannot fail the check.
            const int64_t before = clockNow();
            const int64_t position = AudioStreamPosition(stream);
            const int64_t after = clockNow();
            EXPECT_TRUE(position >= std::max(last, before - 2 * kBufferFrames - 2 * slack) &&
                        position <= after + slack)
                << "at " << double(before) / kRate << " s: " << position << " after " << last;
            last = position;
        }
        // The show's clock handed down, ahead of the stream, then behind it: within a take or
        // two (a busy machine may hold one back) the stream is where the clock is, either way.
        for (const double show : {2.0, 0.5}) {
            EXPECT_TRUE(AudioFollowClock(stream, show, 3.0));
            const auto handed = std::chrono::steady_clock::now();
            double due = show;
            int64_t position = -kRate; // not yet read
            for (int i = 0; i < 100 && std::llabs(position - std::llround(due * kRate)) > slack;
                 ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                position = AudioStreamPosition(stream);
                due =
                    show + std::chrono::duration<double>(std::chrono::steady_clock::now() - handed)
                               .count();
            }
            EXPECT_NEAR(position, due * kRate, slack) << "following the clock to " << show << " s";
        }
        // A scene due to end at 0.6 s whose pictures are late: the music waits a buffer past it.
        EXPECT_TRUE(AudioFollowClock(stream, 0.5, 0.6));
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        EXPECT_LE(AudioStreamPosition(stream), 0.6 * kRate + kBufferFrames);
        std::vector<float> s(AUDIO_SPECTRUM_BINS);
        EXPECT_TRUE(AudioGetSpectrum(stream, s.data()));
        EXPECT_NEAR(s[8], 0.5f, 0.03f) << "while playing";
    });
}

// SDL's disk driver writes what the device plays to a file. Told to take a buffer every 100 ms,
// 7 % slower than one plays, the device falls about 300 samples further behind the clock at
// every take: the file holds the stream at its volume, buffer after buffer, until the device is
// more than a buffer behind; then the stream jumps to where the clock is, fading over 256
// samples from what would have come next into what comes there.
TEST(AudioPlayback, ASlowDeviceGetsTheStreamAtItsVolumeAndJumpsToTheClock) {
    InFreshProcess([] {
        TempDir dir;
        SDL_setenv("SDL_AUDIODRIVER", "disk", 1);
        SDL_setenv("SDL_DISKAUDIOFILE", dir.file("out.raw").c_str(), 1);
        SDL_setenv("SDL_DISKAUDIODELAY", "100", 1);
        // Louder as it goes, so that no stretch of it repeats another.
        auto swell = [](double t, int c) { return (0.2 + 0.15 * t) * Sine(300, 1, -0.5)(t, c); };
        ASSERT_TRUE(MakeMp3(dir.file("v.mp3"), 4.0, swell, {"-b", "192"}));
        ASSERT_TRUE(AudioInit(kRate));
        const uint32_t stream = AudioStreamOpenFile(dir.file("v.mp3").c_str());
        EXPECT_TRUE(AudioSetVolume(stream, 50) && AudioPlay(stream));
        const int64_t length = AudioStreamLength(stream);
        ASSERT_GT(length, 0);
        std::vector<float> pcm(static_cast<size_t>(2 * length));
        AudioReadPcm(stream, 0, static_cast<int>(length), pcm.data());
        for (int i = 0; i < 100 && AudioStreamPosition(stream) < length; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const std::vector<uint8_t> bytes = ReadFileBytes(dir.file("out.raw"));
        const float* out = reinterpret_cast<const float*>(bytes.data());
        const int64_t outNum = static_cast<int64_t>(bytes.size() / (2 * sizeof(float)));
        // Whether the n samples played from `at` on are half the stream's from `in` on.
        auto same = [&](int64_t at, int64_t in, int64_t n) {
            for (int64_t i = 0; i < 2 * n; ++i)
                if (std::fabs(out[2 * at + i] - 0.5f * pcm[2 * in + i]) > 1e-6f)
                    return false;
            return true;
        };
        int64_t at = 0, next = 0, shortest = length; // next: where the stream would go on
        while (at < outNum && out[2 * at] == 0.0f)
            ++at;
        int jumps = 0, unfaded = 0; // unfaded: samples off the crossfade
        for (at -= at % kBufferFrames; at + kBufferFrames <= outNum; at += kBufferFrames) {
            int64_t in = 0; // where this buffer is in the stream, found past any crossfade
            while (in + kBufferFrames <= length && !same(at + 256, in + 256, 16))
                ++in;
            if (in + kBufferFrames > length)
                break; // the stream's end
            EXPECT_TRUE(same(at + 256, in + 256, kBufferFrames - 256)) << "not half the stream";
            if (in == next) {
                EXPECT_TRUE(same(at, in, 256)) << "not the stream going on";
            } else {
                ++jumps;
                shortest = std::min(shortest, in - next);
                EXPECT_GT(in - next, kBufferFrames) << "a jump when less than a buffer behind";
                for (int i = 0; i < 2 * 256; ++i) {
                    const float w = (i / 2 + 0.5f) / 256;
                    const float faded = pcm[2 * in + i] * w + pcm[2 * next + i] * (1.0f - w);
                    unfaded += std::fabs(out[2 * at + i] - 0.5f * faded) > 1e-6f;
                }
            }
            next = in + kBufferFrames;
        }
        EXPECT_EQ(unfaded, 0) << "samples off the crossfade";
        EXPECT_GT(next, length / 2) << "too little of the stream at half its level";
        EXPECT_TRUE(jumps > 0 && shortest < 2 * kBufferFrames) << jumps << ", " << shortest;
    });
}

// The soundtrack as the demo opens it, first with no sound device: the start-up messages, the
// ones every later call brings, and the spectrum left alone. Then with one (the start is tried
// again): no message, the tone while playing, the last spectrum kept once the stream has ended;
// and an empty file, whose two messages show that the start is not repeated.
TEST(Music, ReportsEachFailureExactlyAndPlaysTheSoundtrack) {
    InFreshProcess([] {
        TempDir dir;
        std::filesystem::create_directories(dir.file("Music"));
        ASSERT_EQ(chdir(dir.path.c_str()), 0);
        const std::string file = dir.file(kSoundtrackFile);
        ASSERT_TRUE(MakeMp3(file, 1.0, Sine(2 * kBinHz), {"-b", "320"}));
        const std::string notFound = "BASS error: File not found?\n";
        BoxLog log;
        SDL_setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
        {
            Music music;
            music.spectrum[5] = 0.75f;
            music.play();
            music.updateSpectrum();
            EXPECT_EQ(log.reports(),
                      (std::vector<std::string>{"BASS error on init!", Code(AUDIO_ERROR_NO_DEVICE),
                                                notFound, Code(AUDIO_ERROR_NOT_INIT) + "\n",
                                                "BASS error: Can't play the stream\n",
                                                Code(AUDIO_ERROR_HANDLE) + "\n"}));
            EXPECT_TRUE(music.spectrum[5] == 0.75f && music.spectrum[4] == 0.0f);
        }

        SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
        PlatformUseVirtualCounter(kTicksPerSecond);
        log.clear();
        Music music;
        music.play();
        PlatformAdvanceVirtualCounter(kTicksPerSecond / 2);
        music.updateSpectrum();
        EXPECT_NEAR(music.spectrum[2], 0.5f, 0.02f);
        const float kept = music.spectrum[2];
        PlatformAdvanceVirtualCounter(kTicksPerSecond);
        music.updateSpectrum();
        EXPECT_EQ(music.spectrum[2], kept) << "after the end";
        EXPECT_EQ(log.reports(), std::vector<std::string>{});

        AudioStreamFree(music.stream); // Windows lets no one write a file still open
        WriteFile(file, std::vector<uint8_t>{});
        Music empty;
        EXPECT_EQ(log.reports(),
                  (std::vector<std::string>{notFound, Code(AUDIO_ERROR_FORMAT) + "\n"}));
        EXPECT_EQ(empty.stream, 0u);

        // 24 minutes of silent 72-byte frames (8 kbit/s): refused for its length, not played.
        std::vector<uint8_t> frames(72 * 20000);
        for (size_t at = 0; at < frames.size(); at += 72)
            std::memcpy(&frames[at], "\xFF\xE3\x18\xC0", 4);
        WriteFile(file, frames);
        log.clear();
        Music tooLong;
        EXPECT_EQ(log.reports(),
                  (std::vector<std::string>{notFound, Code(AUDIO_ERROR_MEMORY) + "\n"}));
    });
}
