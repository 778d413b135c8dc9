// The capture's outputs: ffmpeg for video, PNG and WAV files otherwise.
#include "tools/capture/capture_output.h"

#include "app/globals.h"
#include "music/music.h"
#include "platform/audio.h"
#include "platform/process.h"
#include "scenes/assets.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace {
bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool MakeFolder(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return std::filesystem::is_directory(path, error);
}

std::string Quote(const std::string& s) {
    return PlatformQuoteArgument(s);
}

bool HaveFfmpeg() {
    return PlatformHasProgram("ffmpeg");
}

bool WritePngFile(const std::string& path, const uint8_t* pixels, int width, int height) {
    stbi_flip_vertically_on_write(1); // GL rows come bottom first
    if (stbi_write_png(path.c_str(), width, height, 4, pixels, width * 4))
        return true;
    std::fprintf(stderr, "rerovuz-capture: cannot write %s\n", path.c_str());
    return false;
}

bool WriteWav(const std::string& path, const std::vector<int16_t>& samples) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "rerovuz-capture: cannot write %s\n", path.c_str());
        return false;
    }
    auto u32 = [&](uint32_t v) {
        uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
        std::fwrite(b, 1, 4, f);
    };
    auto u16 = [&](uint16_t v) {
        uint8_t b[2] = {uint8_t(v), uint8_t(v >> 8)};
        std::fwrite(b, 1, 2, f);
    };
    uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::fwrite("RIFF", 1, 4, f);
    u32(36 + dataBytes);
    std::fwrite("WAVEfmt ", 1, 8, f);
    u32(16);
    u16(1); // PCM
    u16(2);
    u32(44100);
    u32(44100 * 4);
    u16(4);
    u16(16);
    std::fwrite("data", 1, 4, f);
    u32(dataBytes);
    for (int16_t s : samples)
        u16(static_cast<uint16_t>(s));
    return std::fclose(f) == 0;
}

// PNG files in a folder: numbered frames and soundtrack.wav, or named moments.
class FolderOutput : public CaptureOutput {
  public:
    FolderOutput(std::string folder, int fps, int width, int height)
        : folder_(std::move(folder)), fps_(fps), width_(width), height_(height) {}
    void writeFrame(const uint8_t* pixels, int64_t frame) override {
        char name[32];
        std::snprintf(name, sizeof name, "/frame%05lld.png", static_cast<long long>(frame));
        ok_ = WritePngFile(folder_ + name, pixels, width_, height_) && ok_;
        framesWritten_ = true;
    }
    void writeMoment(const uint8_t* pixels, double seconds) override {
        char name[48];
        std::snprintf(name, sizeof name, "/t%.3f.png", seconds);
        ok_ = WritePngFile(folder_ + name, pixels, width_, height_) && ok_;
    }
    bool finish(int64_t frames, double playSeconds) override {
        if (!framesWritten_)
            return ok_; // moments only: no soundtrack
        std::vector<int16_t> samples;
        RenderSoundtrack(static_cast<double>(frames) / fps_, playSeconds, samples);
        return WriteWav(folder_ + "/soundtrack.wav", samples) && ok_;
    }

  private:
    std::string folder_;
    int fps_, width_, height_;
    bool ok_ = true;
    bool framesWritten_ = false;
};

// An MP4: frames piped to ffmpeg as they come, the soundtrack muxed in at the end.
class VideoOutput : public CaptureOutput {
  public:
    VideoOutput(std::string path, int fps, int width, int height)
        : path_(std::move(path)), fps_(fps), width_(width), height_(height) {
        silent_ = path_ + ".video.mp4";
        wav_ = path_ + ".audio.wav";
        std::string command = "ffmpeg -y -loglevel error -f rawvideo -pix_fmt rgba -s " +
                              std::to_string(width) + "x" + std::to_string(height) +
                              " -framerate " + std::to_string(fps) +
                              " -i - -vf vflip -c:v libx264 -preset veryfast -crf 18"
                              " -pix_fmt yuv420p -fflags +bitexact -flags:v +bitexact " +
                              Quote(silent_);
        pipe_ = PlatformOpenPipe(command);
    }
    bool opened() const { return pipe_ != nullptr; }
    void writeFrame(const uint8_t* pixels, int64_t) override {
        size_t bytes = static_cast<size_t>(width_) * height_ * 4;
        if (pipe_ && std::fwrite(pixels, 1, bytes, pipe_) != bytes)
            ok_ = false;
    }
    void writeMoment(const uint8_t*, double) override {}
    bool finish(int64_t frames, double playSeconds) override {
        bool encoded = PlatformClosePipe(pipe_) && ok_;
        pipe_ = nullptr;
        std::vector<int16_t> samples;
        RenderSoundtrack(static_cast<double>(frames) / fps_, playSeconds, samples);
        bool muxed = encoded && WriteWav(wav_, samples) &&
                     PlatformRunCommand("ffmpeg -y -loglevel error -i " + Quote(silent_) + " -i " +
                                        Quote(wav_) +
                                        " -c:v copy -c:a aac -b:a 192k -shortest -fflags +bitexact"
                                        " -flags:a +bitexact " +
                                        Quote(path_));
        std::error_code error;
        std::filesystem::remove(silent_, error);
        std::filesystem::remove(wav_, error);
        if (!muxed)
            std::fprintf(stderr, "rerovuz-capture: ffmpeg could not write %s\n", path_.c_str());
        else
            std::fprintf(stderr, "wrote %s\n", path_.c_str());
        return muxed;
    }

  private:
    std::string path_, silent_, wav_;
    int fps_, width_, height_;
    FILE* pipe_ = nullptr;
    bool ok_ = true;
};
} // namespace

void RenderSoundtrack(double seconds, double playSeconds, std::vector<int16_t>& samples) {
    const int rate = 44100;
    int64_t total = static_cast<int64_t>(std::llround(seconds * rate));
    int64_t silence = std::min(total, static_cast<int64_t>(std::llround(playSeconds * rate)));
    samples.assign(static_cast<size_t>(total) * 2, 0);
    uint32_t stream = g_music ? g_music->stream : 0;
    if (stream == 0 || total <= silence)
        return;
    std::vector<float> chunk;
    const int chunkSamples = 65536;
    for (int64_t at = silence; at < total; at += chunkSamples) {
        int count = static_cast<int>(std::min<int64_t>(chunkSamples, total - at));
        chunk.resize(static_cast<size_t>(count) * 2);
        if (!AudioReadPcm(stream, at - silence, count, chunk.data()))
            return;
        for (int i = 0; i < count * 2; ++i) {
            float v = std::max(-1.0f, std::min(1.0f, chunk[i]));
            samples[static_cast<size_t>(at) * 2 + i] =
                static_cast<int16_t>(std::lrint(v * 32767.0f));
        }
    }
}

CaptureOutput* CaptureOutput::create(const std::string& path, int fps, bool momentsOnly, int width,
                                     int height) {
    if (EndsWith(path, ".mp4") && !momentsOnly) {
        if (HaveFfmpeg()) {
            auto* video = new VideoOutput(path, fps, width, height);
            if (video->opened())
                return video;
            delete video;
        }
        std::string folder = path.substr(0, path.size() - 4);
        std::fprintf(stderr, "rerovuz-capture: no ffmpeg; writing PNG frames and a WAV to %s\n",
                     folder.c_str());
        if (!MakeFolder(folder))
            return nullptr;
        return new FolderOutput(folder, fps, width, height);
    }
    if (!MakeFolder(path)) {
        std::fprintf(stderr, "rerovuz-capture: cannot make the folder %s\n", path.c_str());
        return nullptr;
    }
    return new FolderOutput(path, fps, width, height);
}
