// Conversion of stereo samples from one rate to another: a polyphase windowed-sinc filter
// whose every output sample depends only on its own span of input, so that a stream can be
// converted block by block, or from any position after a seek, with the same result as a
// conversion of the whole sound at once.
#pragma once

#include <cstdint>
#include <vector>

class Resampler {
  public:
    Resampler(long inRate, long outRate);
    // Same rate: output sample n is input sample n.
    bool identity() const { return up_ == down_; }
    // Output samples made from `inNum` input samples.
    int64_t outputLength(int64_t inNum) const { return inNum * up_ / down_; }
    // Output sample n reads input samples [firstInput(n), firstInput(n) + span()), the ones
    // outside [0, inNum) as zeros.
    int64_t firstInput(int64_t n) const;
    int span() const { return tapNum_; }
    // Makes output samples [n, n + count) of a sound `inNum` input samples long, from `in`,
    // which holds input samples [inFirst, ...) and must cover every one of them inside
    // [0, inNum) that those outputs read.
    void run(int64_t n, int count, int64_t inNum, const float* in, int64_t inFirst,
             float* out) const;

  private:
    int64_t up_ = 1, down_ = 1; // output sample n sits at input position n * down / up
    int64_t phaseNum_ = 1;
    int half_ = 0, tapNum_ = 1;
    std::vector<float> taps_; // one row of tapNum_ per phase
    // The row and the first input sample for output sample n.
    const float* row(int64_t n, int64_t* first) const;
};
