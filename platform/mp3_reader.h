// One MP3 file's sound as stereo floats at the device rate, decoded block by block as it is
// read: onwards from where the last read ended, or from anywhere after a seek. Reads of the
// same sample always give the same value, however the reads before it went.
#pragma once

#include "platform/resampler.h"

#include <cstdint>
#include <cstdio>
#include <vector>

struct mpg123_handle_struct;

class Mp3Reader {
  public:
    Mp3Reader() = default;
    Mp3Reader(const Mp3Reader&) = delete;
    Mp3Reader& operator=(const Mp3Reader&) = delete;
    ~Mp3Reader();

    // Opens the file and finds its length by reading every frame header (no decoding), then
    // decodes its first frame. AUDIO_OK, or AUDIO_ERROR_FILE_OPEN, _FORMAT (no MP3 frame, or
    // nothing decodes), _MEMORY (longer than maxSamples, or out of memory) or _DECODER.
    uint32_t open(const char* path, long outRate, int64_t maxSamples);
    // Samples per channel at the output rate.
    int64_t length() const { return length_; }
    // Copies samples [at, at + count) into stereoOut (2 * count floats), zeros outside
    // [0, length). Where the decoder cannot get past damage, the rest reads as zeros.
    void read(int64_t at, int64_t count, float* stereoOut);

  private:
    // Decoded output kept for reads slightly behind the last one (the spectrum reads the 512
    // samples before the position it is given). A power of two, in samples.
    static constexpr int64_t kKeep = 16384;

    mpg123_handle_struct* decoder_ = nullptr;
    FILE* file_ = nullptr;
    long inRate_ = 0;
    int64_t inLength_ = 0; // samples per channel at the file's rate
    int64_t length_ = 0;
    Resampler resampler_{1, 1};

    // Decoded samples [inStart_, inStart_ + in_.size() / 2) at the file's rate.
    std::vector<float> in_;
    int64_t inStart_ = 0;
    int64_t skip_ = 0;     // samples the decoder gives before inStart_ (after a seek)
    bool inEnded_ = false; // the decoder has no more: end, damage or a change of rate
    std::vector<unsigned char> block_;

    // Output samples [outStart_, outEnd_); sample n at out_[2 * (n % kKeep)].
    std::vector<float> out_;
    int64_t outStart_ = 0, outEnd_ = 0;

    void seek(int64_t at);
    bool decodeMore();
    void makeOutput(int64_t until);
};
