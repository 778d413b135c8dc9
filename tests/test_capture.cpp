// rerovuz-capture: the same bytes on every run, the soundtrack in step with the frames, and a
// command line scripts can rely on.
#include "music/music.h"
#include "platform/audio.h"
#include "test_support.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace {
struct CaptureRun {
    int status = -1;
    std::string out; // standard output: reports and the scene summary
};

CaptureRun Capture(const std::vector<std::string>& arguments) {
    TempDir scratch;
    std::vector<std::string> args = {DemoDir() + "/rerovuz-capture"};
    args.insert(args.end(), arguments.begin(), arguments.end());
    CaptureRun run;
    run.status = RunProgram(args, scratch.file("out.txt"));
    const std::vector<uint8_t> out = ReadFileBytes(scratch.file("out.txt"));
    run.out.assign(out.begin(), out.end());
    return run;
}

// Interleaved 16-bit stereo samples of a WAV written by the capture (44-byte header).
std::vector<int16_t> LoadWav(const std::string& path) {
    std::vector<uint8_t> bytes = ReadFileBytes(path);
    std::vector<int16_t> samples;
    for (size_t i = 44; i + 1 < bytes.size(); i += 2)
        samples.push_back(static_cast<int16_t>(bytes[i] | bytes[i + 1] << 8));
    return samples;
}
} // namespace

// What the pictures show is the timeline test's; here, that two runs write the same bytes.
TEST(Capture, MomentsRepeatExactlyAndBadArgumentsAreRefused) {
    TempDir first, second;
    for (const TempDir* dir : {&first, &second})
        ASSERT_EQ(Capture({"--fps", "60", "--at", "0.5,2.6,1.0", "--out", dir->path}).status, 0);
    for (const char* name : {"t0.500.png", "t1.000.png", "t2.600.png"}) {
        EXPECT_FALSE(ReadFileBytes(first.file(name)).empty()) << name;
        EXPECT_EQ(ReadFileBytes(first.file(name)), ReadFileBytes(second.file(name))) << name;
    }
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--fps", "0"}, {"--at", "x"}, {"--out"}, {"--bogus"}})
        EXPECT_EQ(Capture(bad).status, 2) << bad[0];
}

TEST(Capture, SoundtrackIsSilentUntilTheMusicStartsThenIsTheStream) {
    TempDir dir;
    const int fps = 10;
    CaptureRun run = Capture({"--fps", "10", "--seconds", "4", "--out", dir.path});
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("40 frames at 10 fps"), std::string::npos) << run.out;
    EXPECT_FALSE(ReadFileBytes(dir.file("frame00039.png")).empty());
    EXPECT_TRUE(ReadFileBytes(dir.file("frame00040.png")).empty());

    std::vector<int16_t> wav = LoadWav(dir.file("soundtrack.wav"));
    ASSERT_EQ(wav.size(), 4u * 44100 * 2); // exactly as long as the frames

    const size_t summary = run.out.find("scene 0 (title) starts at frame ");
    ASSERT_NE(summary, std::string::npos) << run.out;
    const long title = std::atol(run.out.c_str() + summary + 32);
    // The music starts as the loading ends, one frame before the title is first shown.
    size_t playSample = static_cast<size_t>(std::lround((title - 1) * 44100.0 / fps));
    for (size_t i = 0; i < playSample * 2; ++i)
        ASSERT_EQ(wav[i], 0) << "sound before the music started, at sample " << i / 2;

    // From there on it is the soundtrack itself, as the audio layer decodes it.
    ASSERT_TRUE(AudioInit(44100));
    uint32_t stream = AudioStreamOpenFile((DemoDir() + "/" + kSoundtrackFile).c_str());
    ASSERT_NE(stream, 0u);
    const int count = 44100;
    std::vector<float> pcm(count * 2);
    ASSERT_TRUE(AudioReadPcm(stream, 0, count, pcm.data()));
    int loud = 0;
    for (int i = 0; i < count * 2; ++i) {
        float v = std::max(-1.0f, std::min(1.0f, pcm[i]));
        ASSERT_EQ(wav[playSample * 2 + i], static_cast<int16_t>(std::lrint(v * 32767.0f))) << i;
        loud += std::abs(wav[playSample * 2 + i]) > 1000;
    }
    EXPECT_GT(loud, 1000); // and it is not silence
}
