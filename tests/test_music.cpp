// The audio layer and the soundtrack: spectra of generated tones encoded with lame, rate and
// channel conversion, playback pace on SDL's dummy and disk drivers, and every failure path
// with the demo's own messages.
#include "app/report_error.h"
#include "music/music.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "test_support.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kBinHz = kRate / 512.0; // 86.13 Hz
constexpr int64_t kTicksPerSecond = 1000000;

// Sound made sample by sample: value(t, channel) in [-1, 1] for t seconds from the start.
struct Tone {
    int rate = kRate;
    int channels = 2;
    std::vector<int16_t> samples; // interleaved
    void add(double seconds, const std::function<double(double, int)>& value) {
        const double start = static_cast<double>(samples.size() / channels) / rate;
        const long n = std::lround(seconds * rate);
        for (long i = 0; i < n; ++i)
            for (int c = 0; c < channels; ++c) {
                double v = std::max(-1.0, std::min(1.0, value(start + double(i) / rate, c)));
                samples.push_back(static_cast<int16_t>(std::lround(v * 32767.0)));
            }
    }
};

double Sine(double hz, double t) {
    return std::sin(2.0 * M_PI * hz * t);
}

bool WriteWav(const std::string& path, const Tone& tone) {
    std::vector<uint8_t> b;
    auto u32 = [&b](uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    auto u16 = [&b](uint16_t v) {
        b.push_back(static_cast<uint8_t>(v));
        b.push_back(static_cast<uint8_t>(v >> 8));
    };
    const uint32_t dataBytes = static_cast<uint32_t>(tone.samples.size() * 2);
    b.insert(b.end(), {'R', 'I', 'F', 'F'});
    u32(36 + dataBytes);
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    u32(16);
    u16(1);
    u16(static_cast<uint16_t>(tone.channels));
    u32(static_cast<uint32_t>(tone.rate));
    u32(static_cast<uint32_t>(tone.rate * tone.channels * 2));
    u16(static_cast<uint16_t>(tone.channels * 2));
    u16(16);
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    u32(dataBytes);
    for (int16_t s : tone.samples)
        u16(static_cast<uint16_t>(s));
    return WriteFile(path, b);
}

// Encodes the tone with lame; `options` picks bit rate, VBR, tags. Level checks use high bit
// rates: at 128 kbit/s lame's quantisation takes about 5% off a pure tone.
bool MakeMp3(const std::string& path, const Tone& tone, const std::string& options) {
    const std::string wav = path + ".wav";
    if (!WriteWav(wav, tone))
        return false;
    const std::string command = "lame --quiet " + options + " '" + wav + "' '" + path + "'";
    const bool ok = std::system(command.c_str()) == 0;
    std::remove(wav.c_str());
    return ok;
}

// The virtual counter is chosen once per process and never switched back; the tests that
// need the real one run in a fresh process (InFreshProcess) and never call this.
void UseVirtualClock() {
    static bool chosen = false;
    if (!chosen)
        PlatformUseVirtualCounter(kTicksPerSecond);
    chosen = true;
}

void StartAudio() {
    static bool started = false;
    if (!started)
        started = AudioInit(kRate);
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

// What went wrong in a fresh process, gathered as text (gtest's own checks do not reach
// back from there).
struct Findings {
    std::string text;
    void check(bool ok, const std::string& what) {
        if (!ok)
            text += what + "\n";
    }
    void equal(const std::vector<std::string>& got, const std::vector<std::string>& want,
               const std::string& what) {
        if (got == want)
            return;
        text += what + ": got";
        for (const std::string& s : got)
            text += " [" + s + "]";
        text += ", want";
        for (const std::string& s : want)
            text += " [" + s + "]";
        text += "\n";
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
            std::fflush(stdout);
            std::fflush(stderr);
            std::_Exit(findings.empty() ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

std::string Code(uint32_t code) {
    return "BASS Error!\nErrorcode: " + std::to_string(code);
}

// Folder holding Music/Quirnstadbek.mp3 as the demo looks for it, made the working folder.
struct SoundtrackFolder {
    TempDir dir;
    std::string file = dir.file("Music/Quirnstadbek.mp3");
    SoundtrackFolder() {
        std::filesystem::create_directories(dir.file("Music"));
        if (chdir(dir.path.c_str()) != 0)
            std::perror("chdir");
    }
};

} // namespace

// Half-second segments: sines on the centres of bins 1, 2, 3 and 5, then left = -right, then
// silence. Each is read in its middle.
TEST(AudioSpectrum, ToneOnBinCentreReadsHalfAndNeighboursFollowTheHannShape) {
    UseVirtualClock();
    StartAudio();
    TempDir dir;
    Tone tone;
    const int bins[] = {1, 2, 3, 5};
    for (int k : bins)
        tone.add(0.5, [k](double t, int) { return Sine(k * kBinHz, t); });
    tone.add(0.5, [](double t, int c) { return (c == 0 ? 1 : -1) * Sine(4 * kBinHz, t); });
    tone.add(0.5, [](double, int) { return 0.0; });
    ASSERT_TRUE(MakeMp3(dir.file("tones.mp3"), tone, "-b 320"));
    const uint32_t stream = AudioStreamOpenFile(dir.file("tones.mp3").c_str());
    ASSERT_NE(stream, 0u) << "error " << AudioErrorCode();
    EXPECT_EQ(AudioStreamLength(stream), 3 * kRate);

    VirtualPlay play(stream);
    for (int segment = 0; segment < 4; ++segment) {
        const int k = bins[segment];
        play.hear(segment * kRate / 2 + kRate / 4);
        std::vector<float> s = play.spectrum();
        EXPECT_NEAR(s[k], 0.5f, 0.02f) << "bin " << k;
        // The periodic Hann window spreads a centred tone onto exactly one bin each side.
        EXPECT_NEAR(s[k + 1], 0.25f, 0.02f) << "bin " << k;
        EXPECT_LT(s[k + 2], 0.01f) << "bin " << k;
        if (k >= 2) {
            EXPECT_LT(s[k - 2], 0.01f) << "bin " << k;
        }
    }
    play.hear(2 * kRate + kRate / 4);
    std::vector<float> antiphase = play.spectrum();
    for (int k = 0; k < AUDIO_SPECTRUM_BINS; ++k)
        EXPECT_LT(antiphase[k], 0.005f) << "left = -right, bin " << k;
    play.hear(2 * kRate + 3 * kRate / 4);
    std::vector<float> silence = play.spectrum();
    for (int k = 0; k < AUDIO_SPECTRUM_BINS; ++k)
        EXPECT_EQ(silence[k], 0.0f) << "silence, bin " << k;
}

// A tone starting at 1.0 s: the spectrum shows it from then on, and only then. Half the
// window over the tone reads a quarter, so "heard" is placed to the sample.
TEST(AudioSpectrum, FollowsStreamPositionAndStopsAtTheEnd) {
    UseVirtualClock();
    StartAudio();
    TempDir dir;
    Tone tone;
    tone.add(1.0, [](double, int) { return 0.0; });
    tone.add(1.0, [](double t, int) { return Sine(8 * kBinHz, t); });
    ASSERT_TRUE(MakeMp3(dir.file("late.mp3"), tone, "-b 320"));
    const uint32_t stream = AudioStreamOpenFile(dir.file("late.mp3").c_str());
    ASSERT_NE(stream, 0u);

    std::vector<float> before(AUDIO_SPECTRUM_BINS, 3.0f);
    EXPECT_TRUE(AudioGetSpectrum(stream, before.data())) << "not started: silence";
    EXPECT_EQ(before[8], 0.0f);

    VirtualPlay play(stream);
    play.hear(kRate - 1024);
    EXPECT_LT(play.spectrum()[8], 0.02f);
    play.hear(kRate + 256);
    EXPECT_NEAR(play.spectrum()[8], 0.25f, 0.03f);
    play.hear(kRate + 512);
    EXPECT_NEAR(play.spectrum()[8], 0.5f, 0.02f);
    play.hear(2 * kRate - 1);
    EXPECT_NEAR(play.spectrum()[8], 0.5f, 0.02f);

    // Past the end: the call fails and leaves the buffer as it was.
    play.hear(2 * kRate);
    std::vector<float> kept(AUDIO_SPECTRUM_BINS, 7.0f);
    EXPECT_FALSE(AudioGetSpectrum(stream, kept.data()));
    EXPECT_EQ(AudioErrorCode(), AUDIO_ERROR_ENDED);
    EXPECT_EQ(kept, std::vector<float>(AUDIO_SPECTRUM_BINS, 7.0f));
    PlatformAdvanceVirtualCounter(10 * kTicksPerSecond);
    EXPECT_EQ(AudioStreamPosition(stream), 2 * kRate);

    // Playing again starts from the beginning.
    VirtualPlay again(stream);
    again.hear(kRate / 2);
    EXPECT_EQ(again.spectrum()[8], 0.0f);
}

// Files at other rates and channel counts, variable bit rate and ID3 tags: converted to
// 44.1 kHz stereo at the right pitch (a tone on bin 20 stays on bin 20) and length.
TEST(AudioStreams, AnyRateAndLayoutPlaysAtPitchAndLength) {
    UseVirtualClock();
    StartAudio();
    struct Case {
        int rate;
        int channels;
        const char* options;
    };
    const Case cases[] = {
        {48000, 1, "-b 320"},
        {32000, 2, "-b 320 --add-id3v2 --tt Title --ta Artist"},
        {44100, 2, "-V 2"},
        {22050, 1, "-b 160"},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.options) + " at " + std::to_string(c.rate));
        Tone tone;
        tone.rate = c.rate;
        tone.channels = c.channels;
        tone.add(2.0, [](double t, int) { return Sine(20 * kBinHz, t); });
        const std::string path = dir.file("case" + std::to_string(c.rate) + ".mp3");
        ASSERT_TRUE(MakeMp3(path, tone, c.options));
        const uint32_t stream = AudioStreamOpenFile(path.c_str());
        ASSERT_NE(stream, 0u) << "error " << AudioErrorCode();
        EXPECT_NEAR(AudioStreamLength(stream), 2 * kRate, 2);

        VirtualPlay play(stream);
        play.hear(kRate);
        std::vector<float> s = play.spectrum();
        // lame itself leaves 22.05 kHz tones 5% low, whatever the bit rate.
        EXPECT_NEAR(s[20], 0.5f, 0.03f);
        EXPECT_LT(s[18], 0.01f);
        EXPECT_LT(s[22], 0.01f);
        // Resampling images and aliases land far from the tone.
        float stray = 0.0f;
        for (int k = 24; k < AUDIO_SPECTRUM_BINS; ++k)
            stray = std::max(stray, s[k]);
        EXPECT_LT(stray, 0.003f);

        std::vector<float> pcm(2 * 1000);
        ASSERT_TRUE(AudioReadPcm(stream, kRate, 1000, pcm.data()));
        for (int i = 0; i < 1000; i += 97)
            EXPECT_FLOAT_EQ(pcm[2 * i], pcm[2 * i + 1]) << "same tone both sides";
    }
}

// A file cut in the middle plays what it holds; reading around the edges gives zeros.
TEST(AudioStreams, TruncatedFilePlaysItsFirstPartAndPcmOutsideIsSilence) {
    UseVirtualClock();
    StartAudio();
    TempDir dir;
    Tone tone;
    tone.add(2.0, [](double t, int) { return 0.5 * Sine(440, t); });
    ASSERT_TRUE(MakeMp3(dir.file("whole.mp3"), tone, "-b 128"));
    std::vector<uint8_t> bytes = ReadFileBytes(dir.file("whole.mp3"));
    bytes.resize(bytes.size() / 2);
    ASSERT_TRUE(WriteFile(dir.file("half.mp3"), bytes));
    const uint32_t stream = AudioStreamOpenFile(dir.file("half.mp3").c_str());
    ASSERT_NE(stream, 0u) << "error " << AudioErrorCode();
    const int64_t length = AudioStreamLength(stream);
    EXPECT_GT(length, kRate / 2);
    EXPECT_LT(length, 3 * kRate / 2);

    std::vector<float> pcm(2 * 4, 9.0f);
    ASSERT_TRUE(AudioReadPcm(stream, -2, 4, pcm.data()));
    EXPECT_EQ(pcm[0], 0.0f);
    EXPECT_EQ(pcm[3], 0.0f);
    ASSERT_TRUE(AudioReadPcm(stream, length - 2, 4, pcm.data()));
    EXPECT_EQ(pcm[4], 0.0f);
    EXPECT_EQ(pcm[7], 0.0f);
}

TEST(AudioStreams, BadHandlesAndArgumentsFailWithTheirCodes) {
    UseVirtualClock();
    StartAudio();
    EXPECT_FALSE(AudioInit(kRate));
    EXPECT_EQ(AudioErrorCode(), AUDIO_ERROR_ALREADY);

    std::vector<float> kept(AUDIO_SPECTRUM_BINS, 7.0f);
    for (uint32_t handle : {0u, 12345u}) {
        EXPECT_FALSE(AudioGetSpectrum(handle, kept.data()));
        EXPECT_EQ(AudioErrorCode(), AUDIO_ERROR_HANDLE);
        EXPECT_FALSE(AudioPlay(handle));
        EXPECT_EQ(AudioErrorCode(), AUDIO_ERROR_HANDLE);
        EXPECT_FALSE(AudioSetVolume(handle, 100));
        EXPECT_EQ(AudioStreamLength(handle), -1);
        EXPECT_EQ(AudioStreamPosition(handle), -1);
    }
    EXPECT_EQ(kept, std::vector<float>(AUDIO_SPECTRUM_BINS, 7.0f));

    TempDir dir;
    EXPECT_EQ(AudioStreamOpenFile(dir.path.c_str()), 0u) << "a folder is no file";
    EXPECT_EQ(AudioErrorCode(), AUDIO_ERROR_FILE_OPEN);
    Tone tone;
    tone.add(0.2, [](double t, int) { return Sine(440, t); });
    ASSERT_TRUE(MakeMp3(dir.file("a.mp3"), tone, "-b 128"));
    const uint32_t stream = AudioStreamOpenFile(dir.file("a.mp3").c_str());
    ASSERT_NE(stream, 0u);
    EXPECT_FALSE(AudioSetVolume(stream, 101));
    EXPECT_EQ(AudioErrorCode(), AUDIO_ERROR_PARAMETER);
    EXPECT_FALSE(AudioReadPcm(stream, 0, -1, kept.data()));
    EXPECT_TRUE(AudioSetVolume(stream, 0));
    EXPECT_EQ(AudioErrorCode(), AUDIO_OK);
}

// On the real counter with SDL's dummy driver the device takes samples at the real pace and
// the position heard follows the clock: behind it by at most the one buffer the device holds
// (the wait for its first take), never ahead. On a quiet machine it stays within 1024
// samples and the pace is 0.5% fast (the driver sleeps whole milliseconds: 23 ms for 23.2 ms
// of sound). Its sleeps are relative, so on a busy machine it falls behind the clock: the
// bounds below allow for a quarter, and still catch a position in the wrong units.
TEST(AudioPlayback, DummyDeviceConsumesInRealTime) {
    InFreshProcess([] {
        Findings f;
        TempDir dir;
        Tone tone;
        tone.add(3.0, [](double t, int) { return Sine(8 * kBinHz, t); });
        if (!MakeMp3(dir.file("pace.mp3"), tone, "-b 128"))
            return std::string("lame failed");
        f.check(AudioInit(kRate), "init");
        const uint32_t stream = AudioStreamOpenFile(dir.file("pace.mp3").c_str());
        f.check(stream != 0, "open");
        f.check(AudioPlay(stream), "play");
        const auto start = std::chrono::steady_clock::now();
        const int64_t slack = kRate * 3 / 100; // 30 ms
        int64_t last = 0, behind = 0, ahead = 0;
        double firstSeconds = 0.0, seconds = 0.0;
        int64_t firstPosition = 0;
        for (int i = 0; i < 40; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
            const int64_t position = AudioStreamPosition(stream);
            seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            f.check(position >= last, "position went back");
            last = position;
            const int64_t clock = std::llround(seconds * kRate);
            f.check(position >= clock * 3 / 4 - 1024 - slack,
                    "behind at " + std::to_string(seconds) + " s: " + std::to_string(position));
            behind = std::max(behind, clock - position);
            ahead = std::max(ahead, position - clock);
            if (i == 3) {
                firstSeconds = seconds;
                firstPosition = position;
            }
        }
        const double pace = (last - firstPosition) / (seconds - firstSeconds);
        std::printf("behind the clock by at most %lld, ahead by at most %lld samples, "
                    "%.0f samples/s\n",
                    (long long)behind, (long long)ahead, pace);
        f.check(ahead <= slack, "ahead by " + std::to_string(ahead));
        f.check(pace > 0.75 * kRate && pace < 1.03 * kRate, "pace " + std::to_string(pace));
        std::vector<float> s(AUDIO_SPECTRUM_BINS);
        f.check(AudioGetSpectrum(stream, s.data()), "spectrum while playing");
        f.check(std::fabs(s[8] - 0.5f) < 0.03f, "tone at bin 8: " + std::to_string(s[8]));
        return f.text;
    });
}

// SDL's disk driver writes what the device plays to a file: the stream, scaled by the volume.
TEST(AudioPlayback, DeviceReceivesTheStreamAtItsVolume) {
    InFreshProcess([] {
        Findings f;
        TempDir dir;
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", dir.file("out.raw").c_str(), 1);
        Tone tone;
        tone.add(1.0, [](double t, int c) { return (c == 0 ? 0.8 : -0.4) * Sine(300, t); });
        if (!MakeMp3(dir.file("v.mp3"), tone, "-b 192"))
            return std::string("lame failed");
        f.check(AudioInit(kRate), "init");
        const uint32_t stream = AudioStreamOpenFile(dir.file("v.mp3").c_str());
        f.check(AudioSetVolume(stream, 50), "volume");
        f.check(AudioPlay(stream), "play");
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        std::vector<uint8_t> bytes = ReadFileBytes(dir.file("out.raw"));
        const float* out = reinterpret_cast<const float*>(bytes.data());
        const size_t outNum = bytes.size() / (2 * sizeof(float));
        size_t first = 0;
        while (first < outNum && out[2 * first] == 0.0f && out[2 * first + 1] == 0.0f)
            ++first;
        f.check(outNum - first > 4096, "too little played: " + std::to_string(outNum - first));
        // The encoder delay is gone: the stream starts with its first sound, close to zero.
        std::vector<float> pcm(2 * 4096);
        AudioReadPcm(stream, 0, 4096, pcm.data());
        int64_t lead = 0;
        while (lead < 4096 && pcm[2 * lead] == 0.0f && pcm[2 * lead + 1] == 0.0f)
            ++lead;
        double worst = 0.0;
        for (size_t i = 0; i + first < outNum && i + lead < 4096; ++i)
            for (int c = 0; c < 2; ++c)
                worst = std::max(worst, std::fabs(double(out[2 * (first + i) + c]) -
                                                  0.5 * pcm[2 * (lead + i) + c]));
        f.check(worst < 1e-6, "output differs from half the stream by " + std::to_string(worst));
        return f.text;
    });
}

// The soundtrack as the demo opens it: no message, silence before playing, the tone while
// playing, and the last spectrum kept once the stream has ended.
TEST(Music, PlaysTheSoundtrackAndFollowsItsSpectrum) {
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
        f.check(music.stream != 0, "no stream");
        music.updateSpectrum();
        for (float v : music.spectrum)
            f.check(v == 0.0f, "not zero before playing");
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
        f.equal(log.reports(), {}, "reports");
        return f.text;
    });
}

// Each bad soundtrack file in turn, after a good start of the audio layer: the start is not
// repeated, and every failure gives its two messages and a spectrum left alone.
TEST(Music, BadSoundtrackFilesAndPlayWithoutStreamReportExactly) {
    InFreshProcess([] {
        Findings f;
        SoundtrackFolder folder;
        BoxLog log;
        const std::string notFound = "BASS error: File not found?\n";

        Music missing;
        f.equal(log.reports(), {notFound, Code(AUDIO_ERROR_FILE_OPEN) + "\n"}, "missing");
        f.check(missing.stream == 0, "missing: stream");

        std::vector<std::pair<std::string, std::vector<uint8_t>>> files = {
            {"empty", {}}, {"random", std::vector<uint8_t>(65536)}};
        uint32_t seed = 12345;
        for (uint8_t& b : files[1].second)
            b = static_cast<uint8_t>((seed = seed * 1103515245u + 12345u) >> 16);
        for (const auto& [name, bytes] : files) {
            WriteFile(folder.file, bytes);
            log.clear();
            Music bad;
            f.equal(log.reports(), {notFound, Code(AUDIO_ERROR_FORMAT) + "\n"}, name);
            f.check(bad.stream == 0, name + ": stream");
        }

        log.clear();
        missing.spectrum[5] = 0.75f;
        missing.play();
        f.equal(log.reports(),
                {"BASS error: Can't play the stream\n", Code(AUDIO_ERROR_HANDLE) + "\n"}, "play");
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
        setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
        BoxLog log;
        Music music;
        music.play();
        music.updateSpectrum();
        f.equal(log.reports(),
                {"BASS error on init!", Code(AUDIO_ERROR_NO_DEVICE),
                 "BASS error: File not found?\n", Code(AUDIO_ERROR_NOT_INIT) + "\n",
                 "BASS error: Can't play the stream\n", Code(AUDIO_ERROR_HANDLE) + "\n"},
                "reports");
        for (float v : music.spectrum)
            f.check(v == 0.0f, "spectrum not zero");
        return f.text;
    });
}
