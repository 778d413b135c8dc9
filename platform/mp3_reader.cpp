// Streamed MP3 decoding over libmpg123, with its frame index for exact seeks.
#include "platform/mp3_reader.h"

#include "platform/audio.h"
#include "platform/files.h"

#include <algorithm>
#include <cstring>
#include <mpg123.h>

namespace {
// libmpg123 reads through these, so that the file is opened by our own path rules and
// no system-specific descriptor is needed.
ssize_t ReadFile(void* file, void* buffer, size_t size) {
    FILE* f = static_cast<FILE*>(file);
    const size_t got = std::fread(buffer, 1, size, f);
    return got == 0 && std::ferror(f) ? -1 : static_cast<ssize_t>(got);
}

off_t SeekFile(void* file, off_t offset, int whence) {
    FILE* f = static_cast<FILE*>(file);
    if (std::fseek(f, offset, whence) != 0)
        return -1;
    return std::ftell(f);
}

// Layer III frames borrow bits from up to 511 bytes before them; at the lowest bit rates
// that reaches back a dozen frames. Decoding that many before a seek target fills the
// reservoir, the overlap and the filter bank, so that the samples after the seek are the
// ones a decode from the start gives.
constexpr long kFramesBeforeSeek = 16;
// Decoded bytes per call: one frame of 1152 stereo floats.
constexpr size_t kBlockBytes = 1152 * 2 * sizeof(float);
} // namespace

Mp3Reader::~Mp3Reader() {
    if (decoder_) {
        mpg123_close(decoder_);
        mpg123_delete(decoder_);
    }
    if (file_)
        std::fclose(file_);
}

namespace {
// A decoder reading `file`, giving stereo floats at the file's own rate.
mpg123_handle* OpenDecoder(FILE* file, uint32_t* error) {
    int result = MPG123_OK;
    mpg123_handle* decoder = mpg123_new(nullptr, &result);
    if (!decoder) {
        *error = AUDIO_ERROR_DECODER;
        return nullptr;
    }
    // Every rate as it is (we convert it ourselves), always two float channels: libmpg123
    // doubles mono itself.
    mpg123_param(decoder, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS, 0.0);
    mpg123_param(decoder, MPG123_REMOVE_FLAGS, MPG123_AUTO_RESAMPLE, 0.0);
    mpg123_param(decoder, MPG123_PREFRAMES, kFramesBeforeSeek, 0.0);
    mpg123_format_none(decoder);
    const long* rates = nullptr;
    size_t rateNum = 0;
    mpg123_rates(&rates, &rateNum);
    for (size_t i = 0; i < rateNum; ++i)
        mpg123_format(decoder, rates[i], MPG123_STEREO, MPG123_ENC_FLOAT_32);
    if (mpg123_replace_reader_handle(decoder, ReadFile, SeekFile, nullptr) != MPG123_OK ||
        mpg123_open_handle(decoder, file) != MPG123_OK) {
        mpg123_delete(decoder);
        *error = AUDIO_ERROR_FILE_OPEN;
        return nullptr;
    }
    return decoder;
}

// The sound's length at the file's rate, less the encoder's delay and padding, from every
// frame header (nothing decoded): time in proportion to the file, memory fixed. A decoder of
// its own: one that has scanned decodes some files (mono at low rates) a rounding apart from
// one that has not.
int64_t ScanLength(const char* path) {
    FILE* file = PlatformOpenFile(path, "rb");
    if (!file)
        return 0;
    uint32_t error = AUDIO_OK;
    int64_t length = 0;
    if (mpg123_handle* decoder = OpenDecoder(file, &error)) {
        if (mpg123_scan(decoder) == MPG123_OK)
            length = mpg123_length(decoder);
        mpg123_close(decoder);
        mpg123_delete(decoder);
    }
    std::fclose(file);
    return length;
}
} // namespace

uint32_t Mp3Reader::open(const char* path, long outRate, int64_t maxSamples) {
    file_ = PlatformOpenFile(path, "rb");
    if (!file_)
        return AUDIO_ERROR_FILE_OPEN;
    uint32_t error = AUDIO_OK;
    decoder_ = OpenDecoder(file_, &error);
    if (!decoder_)
        return error;
    // Reads up to the first frame: an empty file or one with no MP3 frame in it ends here.
    int channels = 0, encoding = 0;
    if (mpg123_getformat(decoder_, &inRate_, &channels, &encoding) != MPG123_OK || inRate_ <= 0)
        return AUDIO_ERROR_FORMAT;
    inLength_ = ScanLength(path);
    if (inLength_ <= 0)
        return AUDIO_ERROR_FORMAT;
    resampler_ = Resampler(inRate_, outRate);
    length_ = resampler_.outputLength(inLength_);
    if (length_ > maxSamples)
        return AUDIO_ERROR_MEMORY;
    block_.resize(kBlockBytes);
    out_.resize(2 * kKeep);
    // Frames that parse but never decode are no sound.
    if (!decodeMore() && in_.empty())
        return AUDIO_ERROR_FORMAT;
    return AUDIO_OK;
}

void Mp3Reader::seek(int64_t at) {
    outStart_ = outEnd_ = at;
    in_.clear();
    inEnded_ = false;
    inStart_ = std::clamp<int64_t>(resampler_.firstInput(at), 0, inLength_);
    const off_t reached = mpg123_seek(decoder_, static_cast<off_t>(inStart_), SEEK_SET);
    if (reached < 0) {
        inEnded_ = true;
        return;
    }
    // Short of the target: what comes before it is dropped. Past it: zeros up to it.
    skip_ = std::max<int64_t>(0, inStart_ - reached);
    if (reached > inStart_)
        in_.assign(static_cast<size_t>(2 * (reached - inStart_)), 0.0f);
}

bool Mp3Reader::decodeMore() {
    while (!inEnded_) {
        size_t byteNum = 0;
        const int result = mpg123_read(decoder_, block_.data(), block_.size(), &byteNum);
        int64_t sampleNum = static_cast<int64_t>(byteNum / (2 * sizeof(float)));
        const float* samples = reinterpret_cast<const float*>(block_.data());
        const int64_t dropped = std::min(skip_, sampleNum);
        skip_ -= dropped;
        samples += 2 * dropped;
        sampleNum -= dropped;
        // Never past the length the headers gave.
        const int64_t inEnd = inStart_ + static_cast<int64_t>(in_.size() / 2);
        if (inEnd + sampleNum >= inLength_) {
            sampleNum = inLength_ - inEnd;
            inEnded_ = true;
        }
        if (result == MPG123_NEW_FORMAT) {
            long rate = 0;
            int channels = 0, encoding = 0;
            mpg123_getformat(decoder_, &rate, &channels, &encoding);
            // A file that changes its rate midway plays up to the change.
            if (rate != inRate_)
                inEnded_ = true;
        } else if (result != MPG123_OK) {
            // MPG123_DONE, or damage the decoder could not get past.
            inEnded_ = true;
        }
        if (sampleNum > 0) {
            in_.insert(in_.end(), samples, samples + 2 * sampleNum);
            return true;
        }
    }
    return false;
}

// Makes output samples up to `until` (exclusive), onwards from outEnd_.
void Mp3Reader::makeOutput(int64_t until) {
    while (outEnd_ < until) {
        // Up to the end of the ring's storage, so that each piece is contiguous.
        const int64_t piece = std::min({until - outEnd_, kKeep - outEnd_ % kKeep, int64_t(4096)});
        const int64_t inFirst = std::max<int64_t>(0, resampler_.firstInput(outEnd_));
        const int64_t inNeed =
            std::min(resampler_.firstInput(outEnd_ + piece - 1) + resampler_.span(), inLength_);
        // Input no longer needed goes; the rest moves to the front.
        if (inFirst > inStart_) {
            const int64_t drop =
                std::min<int64_t>(inFirst - inStart_, static_cast<int64_t>(in_.size() / 2));
            in_.erase(in_.begin(), in_.begin() + 2 * drop);
            inStart_ += drop;
        }
        while (inStart_ + static_cast<int64_t>(in_.size() / 2) < inNeed)
            if (!decodeMore()) {
                // What the decoder could not give reads as silence.
                in_.resize(static_cast<size_t>(2 * (inNeed - inStart_)), 0.0f);
                break;
            }
        resampler_.run(outEnd_, static_cast<int>(piece), inLength_, in_.data(), inStart_,
                       &out_[static_cast<size_t>(2 * (outEnd_ % kKeep))]);
        outEnd_ += piece;
        outStart_ = std::max(outStart_, outEnd_ - kKeep);
    }
}

void Mp3Reader::read(int64_t at, int64_t count, float* stereoOut) {
    const int64_t end = at + count;
    for (int64_t n = at; n < end;) {
        if (n < 0 || n >= length_) {
            const int64_t zeros = n < 0 ? std::min(end, int64_t(0)) - n : end - n;
            std::fill(stereoOut + 2 * (n - at), stereoOut + 2 * (n - at + zeros), 0.0f);
            n += zeros;
            continue;
        }
        // Behind what is kept, or so far ahead that decoding up to it would cost more than
        // a seek.
        if (n < outStart_ || n > outEnd_ + kKeep)
            seek(n);
        const int64_t piece = std::min({end, length_, n + kKeep / 2}) - n;
        makeOutput(n + piece);
        for (int64_t k = n; k < n + piece;) {
            const int64_t run = std::min(n + piece - k, kKeep - k % kKeep);
            std::memcpy(stereoOut + 2 * (k - at), &out_[static_cast<size_t>(2 * (k % kKeep))],
                        sizeof(float) * 2 * static_cast<size_t>(run));
            k += run;
        }
        n += piece;
    }
}
