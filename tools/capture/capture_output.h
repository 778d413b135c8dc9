// Where the capture's frames and soundtrack go: an MP4 through ffmpeg, or a folder of PNG
// frames and a WAV; with --at, only PNG files of chosen moments.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CaptureOutput {
  public:
    // `path` ending in .mp4 is a video (PNG frames and a WAV when ffmpeg is missing, in a
    // folder named after it); any other path is a folder. Reports and returns null on failure.
    static CaptureOutput* create(const std::string& path, int fps, bool momentsOnly, int width,
                                 int height);
    virtual ~CaptureOutput() = default;

    // Pixels are RGBA, bottom row first, as GL reads them.
    virtual void writeFrame(const uint8_t* pixels, int64_t frame) = 0;
    virtual void writeMoment(const uint8_t* pixels, double seconds) = 0;
    // Writes the soundtrack for `frames` frames and closes everything. The music started
    // `playSeconds` after the first frame.
    virtual bool finish(int64_t frames, double playSeconds) = 0;
};

// The soundtrack as it was heard from the first frame on: silence until the music started
// `playSeconds` in, then the stream, for `seconds` in all; 44100 Hz interleaved stereo.
void RenderSoundtrack(double seconds, double playSeconds, std::vector<int16_t>& samples);
