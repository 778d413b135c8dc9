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
// The capture's exit status; what it printed (reports and the scene summary) goes to `out`.
int Capture(const std::vector<std::string>& arguments, std::string* out = nullptr) {
    TempDir scratch;
    std::vector<std::string> args = {DemoDir() + "/rerovuz-capture"};
    args.insert(args.end(), arguments.begin(), arguments.end());
    const int status = RunProgram(args, scratch.file("out.txt"));
    if (out)
        *out = ReadFileText(scratch.file("out.txt"));
    return status;
}
} // namespace

TEST(Capture, RefusesBadArgumentsRepeatsExactlyAndSoundsSilenceThenTheStream) {
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--fps", "0"}, {"--at", "x"}, {"--out"}, {"--bogus"}})
        EXPECT_EQ(Capture(bad), 2) << bad[0];
    TempDir first, second;
    std::string out;
    ASSERT_EQ(Capture({"--fps", "10", "--seconds", "4", "--out", first.path}, &out), 0) << out;
    ASSERT_EQ(Capture({"--fps", "10", "--seconds", "4", "--out", second.path}), 0);
    // Loading and the title.
    for (const char* name : {"frame00000.png", "frame00039.png", "soundtrack.wav"}) {
        EXPECT_FALSE(ReadFileBytes(first.file(name)).empty()) << name;
        EXPECT_EQ(ReadFileBytes(first.file(name)), ReadFileBytes(second.file(name))) << name;
    }

    // Interleaved 16-bit stereo after the 44-byte header, exactly as long as the 40 frames.
    const std::vector<uint8_t> bytes = ReadFileBytes(first.file("soundtrack.wav"));
    ASSERT_EQ(bytes.size(), 44u + 4 * 44100 * 4);
    auto sample = [&](size_t i) {
        return static_cast<int16_t>(bytes[44 + 2 * i] | bytes[45 + 2 * i] << 8);
    };
    const size_t summary = out.find("scene 0 (title) starts at frame ");
    ASSERT_NE(summary, std::string::npos) << out;
    // The music starts as the loading ends, one frame before the title is first shown.
    const long title = std::atol(out.c_str() + summary + 32);
    const size_t play = static_cast<size_t>(std::lround((title - 1) * 44100.0 / 10));
    for (size_t i = 0; i < play * 2; ++i)
        ASSERT_EQ(sample(i), 0) << "sound before the music started, at sample " << i / 2;

    // From there on, a second of the soundtrack itself as the audio layer decodes it.
    ASSERT_TRUE(AudioInit(44100));
    uint32_t stream = AudioStreamOpenFile((DemoDir() + "/" + kSoundtrackFile).c_str());
    std::vector<float> pcm(2 * 44100);
    ASSERT_TRUE(stream && AudioReadPcm(stream, 0, 44100, pcm.data()));
    for (size_t i = 0; i < pcm.size(); ++i) {
        const float v = std::max(-1.0f, std::min(1.0f, pcm[i]));
        ASSERT_EQ(sample(play * 2 + i), static_cast<int16_t>(std::lrint(v * 32767.0f))) << i;
    }
}
