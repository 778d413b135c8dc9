// rerovuz-capture: frames at chosen moments, the soundtrack in step with the frames, the same
// bytes on every run, and a command line scripts can rely on.
#include "platform/audio.h"
#include "test_support.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>

#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

namespace {
struct CaptureRun {
    int status = -1;
    std::string out; // standard output: reports and the scene summary
};

CaptureRun Capture(const std::string& arguments) {
    CaptureRun run;
    std::string command = DemoDir() + "/rerovuz-capture " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, n);
    int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// Frame at which scene `index` started, from the capture's summary; -1 if it did not.
long SceneStart(const std::string& out, int index) {
    std::string key = "scene " + std::to_string(index) + " (";
    size_t at = out.find(key);
    if (at == std::string::npos)
        return -1;
    size_t frame = out.find("starts at frame ", at);
    return frame == std::string::npos ? -1 : std::stol(out.substr(frame + 16));
}

struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
    // Mean of one channel over the whole picture.
    double mean(int channel) const {
        double sum = 0;
        for (size_t i = channel; i < rgb.size(); i += 3)
            sum += rgb[i];
        return rgb.empty() ? 0 : sum / (rgb.size() / 3);
    }
    const uint8_t* at(int x, int y) const { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
};

Picture LoadPng(const std::string& path) {
    Picture p;
    int channels;
    unsigned char* data = stbi_load(path.c_str(), &p.width, &p.height, &channels, 3);
    if (data) {
        p.rgb.assign(data, data + static_cast<size_t>(p.width) * p.height * 3);
        stbi_image_free(data);
    }
    return p;
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

TEST(Capture, MomentsShowTheLoadingPictureAndTheTitleAndRepeatExactly) {
    TempDir first, second;
    CaptureRun a = Capture("--fps 60 --at 0.5,2.6,1.0 --out " + first.path);
    ASSERT_EQ(a.status, 0) << a.out;
    EXPECT_EQ(a.out.find("Error"), std::string::npos) << a.out;
    // No video when moments are asked for: only the three pictures.
    for (const char* name : {"t0.500.png", "t1.000.png", "t2.600.png"})
        EXPECT_FALSE(ReadFileBytes(first.file(name)).empty()) << name;

    // The loading picture: white all round, the tinted lettering in the middle.
    Picture loading = LoadPng(first.file("t0.500.png"));
    ASSERT_EQ(loading.width, 800);
    ASSERT_EQ(loading.height, 600);
    const uint8_t* corner = loading.at(5, 5);
    EXPECT_EQ(corner[0], 255);
    EXPECT_EQ(corner[2], 255);
    EXPECT_LT(loading.mean(0), loading.mean(2)); // the blue-green tint shows
    // The title: dark and colourful, nothing like the white loading screen.
    Picture title = LoadPng(first.file("t2.600.png"));
    EXPECT_LT(title.mean(0) + title.mean(1) + title.mean(2), 3 * 160.0);

    CaptureRun b = Capture("--fps 60 --at 0.5,2.6,1.0 --out " + second.path);
    ASSERT_EQ(b.status, 0);
    for (const char* name : {"t0.500.png", "t1.000.png", "t2.600.png"})
        EXPECT_EQ(ReadFileBytes(first.file(name)), ReadFileBytes(second.file(name))) << name;
}

TEST(Capture, SoundtrackIsSilentUntilTheMusicStartsThenIsTheStream) {
    TempDir dir;
    const int fps = 10;
    CaptureRun run = Capture("--fps 10 --seconds 4 --out " + dir.path);
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("40 frames at 10 fps"), std::string::npos) << run.out;
    EXPECT_FALSE(ReadFileBytes(dir.file("frame00039.png")).empty());
    EXPECT_TRUE(ReadFileBytes(dir.file("frame00040.png")).empty());

    std::vector<int16_t> wav = LoadWav(dir.file("soundtrack.wav"));
    ASSERT_EQ(wav.size(), 4u * 44100 * 2); // exactly as long as the frames

    long title = SceneStart(run.out, 0);
    ASSERT_GT(title, 0) << run.out;
    // The music starts as the loading ends, one frame before the title is first shown.
    size_t playSample = static_cast<size_t>(std::lround((title - 1) * 44100.0 / fps));
    for (size_t i = 0; i < playSample * 2; ++i)
        ASSERT_EQ(wav[i], 0) << "sound before the music started, at sample " << i / 2;

    // From there on it is the soundtrack itself, as the audio layer decodes it.
    ASSERT_TRUE(AudioInit(44100));
    uint32_t stream = AudioStreamOpenFile((DemoDir() + "/Music/Quirnstadbek.mp3").c_str());
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

TEST(Capture, RefusesBadArgumentsWithUsage) {
    EXPECT_EQ(Capture("--fps 0").status, 2);
    EXPECT_EQ(Capture("--at x").status, 2);
    EXPECT_EQ(Capture("--out").status, 2);
    EXPECT_EQ(Capture("--bogus").status, 2);
}
