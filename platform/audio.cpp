// The audio layer over SDL2 audio (output) and libmpg123 (decoding): the device and the
// streams. The rate conversion and the spectrum have their own files.
#include "platform/audio.h"

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/resampler.h"
#include "platform/spectrum.h"

#include <SDL2/SDL.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mpg123.h>
#include <sys/stat.h>
#include <vector>

namespace {

struct Stream {
    // Stereo, interleaved, at the device rate; never changed after opening, so it is read
    // without the lock by either thread.
    std::vector<float> pcm;
    int64_t length = 0; // samples per channel

    // Shared with the device thread: read and written under the device lock.
    bool started = false;
    bool playing = false;
    int64_t handed = 0;    // samples given to the device since AudioPlay
    int64_t heardBase = 0; // `handed` before the device's latest take: what was heard then
    uint64_t takeTick = 0; // SDL performance counter at that take
    float gain = 1.0f;

    // Main thread only: the virtual counter at AudioPlay.
    int64_t playTick = 0;
};

uint32_t g_error = AUDIO_OK;
SDL_AudioDeviceID g_device = 0;
int g_rate = 0;
// Handle h is g_streams[h - 1]. Never freed: the device thread may still be mixing while the
// process exits and runs static destructors.
std::vector<Stream*>& g_streams = *new std::vector<Stream*>;

bool Fail(uint32_t code) {
    g_error = code;
    return false;
}

Stream* Find(uint32_t handle) {
    if (handle == 0 || handle > g_streams.size() || !g_streams[handle - 1]) {
        g_error = AUDIO_ERROR_HANDLE;
        return nullptr;
    }
    return g_streams[handle - 1];
}

// Runs on SDL's audio thread with the device lock held.
void Mix(void*, Uint8* bytes, int byteNum) {
    float* out = reinterpret_cast<float*>(bytes);
    const int64_t frameNum = byteNum / static_cast<int>(2 * sizeof(float));
    std::memset(bytes, 0, static_cast<size_t>(byteNum));
    const uint64_t now = SDL_GetPerformanceCounter();
    for (Stream* s : g_streams) {
        if (!s)
            continue; // freed
        s->heardBase = s->handed;
        s->takeTick = now;
        if (!s->playing)
            continue;
        const int64_t n = std::min(frameNum, s->length - s->handed);
        const float* in = s->pcm.data() + 2 * s->handed;
        for (int64_t i = 0; i < 2 * n; ++i)
            out[i] += in[i] * s->gain;
        s->handed += n;
        if (s->handed >= s->length)
            s->playing = false;
    }
}

// Samples of the stream heard now. Call with the device lock held.
int64_t HeardPosition(const Stream& s) {
    if (!s.started)
        return 0;
    int64_t heard;
    if (PlatformCounterIsVirtual()) {
        const int64_t ticks = std::max<int64_t>(0, PlatformReadCounter() - s.playTick);
        // 128 bits: ticks x rate passes 2^63 after some days at a nanosecond counter.
        heard = static_cast<int64_t>(static_cast<__int128>(ticks) * g_rate /
                                     PlatformCounterFrequency());
    } else {
        // Between two takes the device plays what it took last, at its rate; it never gets
        // ahead of that take.
        const double seconds = static_cast<double>(SDL_GetPerformanceCounter() - s.takeTick) /
                               static_cast<double>(SDL_GetPerformanceFrequency());
        const int64_t ahead = s.handed - s.heardBase;
        const double moved = std::min(seconds * g_rate, static_cast<double>(ahead));
        heard = s.heardBase + static_cast<int64_t>(moved);
    }
    return std::min(heard, s.length);
}

struct DecoderHandle {
    mpg123_handle* handle = nullptr;
    FILE* file = nullptr;
    ~DecoderHandle() {
        if (handle) {
            mpg123_close(handle);
            mpg123_delete(handle);
        }
        if (file)
            std::fclose(file);
    }
};

// Decodes the whole file to stereo at the device rate. AUDIO_OK or the error.
uint32_t DecodeFile(const char* path, std::vector<float>* pcm) {
    DecoderHandle d;
    d.file = PlatformOpenFile(path, "rb");
    if (!d.file)
        return AUDIO_ERROR_FILE_OPEN;
    int error = MPG123_OK;
    d.handle = mpg123_new(nullptr, &error);
    if (!d.handle)
        return AUDIO_ERROR_DECODER;
    // Every rate as it is (we convert it ourselves), always two float channels: libmpg123
    // doubles mono itself.
    mpg123_param(d.handle, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS, 0.0);
    mpg123_param(d.handle, MPG123_REMOVE_FLAGS, MPG123_AUTO_RESAMPLE, 0.0);
    mpg123_format_none(d.handle);
    const long* rates = nullptr;
    size_t rateNum = 0;
    mpg123_rates(&rates, &rateNum);
    for (size_t i = 0; i < rateNum; ++i)
        mpg123_format(d.handle, rates[i], MPG123_STEREO, MPG123_ENC_FLOAT_32);
    if (mpg123_open_fd(d.handle, fileno(d.file)) != MPG123_OK)
        return AUDIO_ERROR_FILE_OPEN;

    // Reads up to the first frame: an empty file or one with no MP3 frame in it ends here.
    long partRate = 0;
    int channels = 0, encoding = 0;
    if (mpg123_getformat(d.handle, &partRate, &channels, &encoding) != MPG123_OK || partRate <= 0)
        return AUDIO_ERROR_FORMAT;

    const int64_t maxSamples = static_cast<int64_t>(AUDIO_MAX_STREAM_SECONDS) * g_rate;
    // Decoded at the file's rate since the last change of rate (concatenated files may
    // change it midway).
    std::vector<float> part;
    // Room for the whole file up front: growing by doubling would hold up to three copies of
    // the soundtrack at once. The length is exact where the file says it (LAME's header),
    // else estimated from the file size; the margin covers a slightly low estimate.
    off_t estimate = mpg123_length(d.handle);
    // A header can claim any length: reserve no more than the file's bytes could decode to
    // (no MP3 frame carries more than a few dozen samples per byte).
    struct stat info;
    if (fstat(fileno(d.file), &info) == 0 && estimate > info.st_size * 48)
        estimate = info.st_size * 48;
    if (estimate > 0 && estimate < maxSamples)
        part.reserve(static_cast<size_t>(2 * (estimate + estimate / 64 + 4096)));
    int64_t converted = 0; // samples already at the device rate
    auto flush = [&]() {
        if (part.empty())
            return;
        if (partRate == g_rate && pcm->empty()) {
            pcm->swap(part); // already at the device rate: taken over, not copied
        } else if (partRate == g_rate) {
            pcm->insert(pcm->end(), part.begin(), part.end());
        } else {
            const Resampler resampler(partRate, g_rate);
            const int64_t inNum = static_cast<int64_t>(part.size() / 2);
            const size_t start = pcm->size();
            pcm->resize(start + static_cast<size_t>(2 * resampler.outputLength(inNum)));
            resampler.run(0, static_cast<int>(resampler.outputLength(inNum)), inNum, part.data(), 0,
                          pcm->data() + start);
        }
        part.clear();
    };
    std::vector<unsigned char> buffer(65536);
    for (;;) {
        size_t byteNum = 0;
        const int result = mpg123_read(d.handle, buffer.data(), buffer.size(), &byteNum);
        if (byteNum > 0) {
            const float* samples = reinterpret_cast<const float*>(buffer.data());
            part.insert(part.end(), samples, samples + byteNum / sizeof(float));
            const int64_t total =
                converted + static_cast<int64_t>(part.size() / 2) * g_rate / partRate;
            if (total > maxSamples)
                return AUDIO_ERROR_MEMORY;
        }
        if (result == MPG123_NEW_FORMAT) {
            long rate = 0;
            mpg123_getformat(d.handle, &rate, &channels, &encoding);
            if (rate > 0 && rate != partRate) {
                flush();
                converted = static_cast<int64_t>(pcm->size() / 2);
                partRate = rate;
            }
        } else if (result != MPG123_OK) {
            // MPG123_DONE, or damage the decoder could not get past: keep what was decoded.
            break;
        }
    }
    flush();
    if (pcm->empty())
        return AUDIO_ERROR_FORMAT;
    return AUDIO_OK;
}

} // namespace

bool AudioInit(int frequency) {
    if (g_device)
        return Fail(AUDIO_ERROR_ALREADY);
    if (frequency < 8000 || frequency > 192000)
        return Fail(AUDIO_ERROR_PARAMETER);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        SDL_Log("SDL audio: %s", SDL_GetError());
        return Fail(AUDIO_ERROR_NO_DEVICE);
    }
    SDL_AudioSpec want = {};
    want.freq = frequency;
    want.format = AUDIO_F32SYS;
    want.channels = 2;
    want.samples = 1024; // 23 ms at 44.1 kHz
    want.callback = Mix;
    SDL_AudioSpec have = {};
    // No changes allowed: SDL converts to whatever the hardware takes.
    g_device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (g_device == 0) {
        SDL_Log("SDL audio device: %s", SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return Fail(AUDIO_ERROR_NO_DEVICE);
    }
    g_rate = frequency;
    SDL_PauseAudioDevice(g_device, 0);
    g_error = AUDIO_OK;
    return true;
}

int AudioSampleRate() {
    g_error = AUDIO_OK;
    return g_rate;
}

uint32_t AudioStreamOpenFile(const char* path) {
    if (!g_device)
        return Fail(AUDIO_ERROR_NOT_INIT);
    if (!path)
        return Fail(AUDIO_ERROR_PARAMETER);
    std::unique_ptr<Stream> stream = std::make_unique<Stream>();
    const uint32_t error = DecodeFile(path, &stream->pcm);
    if (error != AUDIO_OK)
        return Fail(error);
    // Only worth a second copy of the soundtrack when much of the buffer is unused.
    if (stream->pcm.capacity() - stream->pcm.size() > stream->pcm.size() / 32)
        stream->pcm.shrink_to_fit();
    stream->length = static_cast<int64_t>(stream->pcm.size() / 2);
    SDL_LockAudioDevice(g_device);
    g_streams.push_back(stream.release());
    const uint32_t handle = static_cast<uint32_t>(g_streams.size());
    SDL_UnlockAudioDevice(g_device);
    g_error = AUDIO_OK;
    return handle;
}

bool AudioStreamFree(uint32_t stream) {
    Stream* s = Find(stream);
    if (!s)
        return false;
    // The slot stays, empty, so that later handles keep their numbers.
    SDL_LockAudioDevice(g_device);
    g_streams[stream - 1] = nullptr;
    SDL_UnlockAudioDevice(g_device);
    delete s;
    g_error = AUDIO_OK;
    return true;
}

bool AudioPlay(uint32_t stream) {
    Stream* s = Find(stream);
    if (!s)
        return false;
    SDL_LockAudioDevice(g_device);
    s->started = true;
    s->playing = true;
    s->handed = 0;
    s->heardBase = 0;
    s->takeTick = SDL_GetPerformanceCounter();
    s->playTick = PlatformReadCounter();
    SDL_UnlockAudioDevice(g_device);
    g_error = AUDIO_OK;
    return true;
}

bool AudioSetVolume(uint32_t stream, int volume) {
    Stream* s = Find(stream);
    if (!s)
        return false;
    if (volume < 0 || volume > 100)
        return Fail(AUDIO_ERROR_PARAMETER);
    SDL_LockAudioDevice(g_device);
    s->gain = volume / 100.0f;
    SDL_UnlockAudioDevice(g_device);
    g_error = AUDIO_OK;
    return true;
}

bool AudioGetSpectrum(uint32_t stream, float* magnitudes) {
    Stream* s = Find(stream);
    if (!s)
        return false;
    if (!magnitudes)
        return Fail(AUDIO_ERROR_PARAMETER);
    SDL_LockAudioDevice(g_device);
    const bool started = s->started;
    const int64_t heard = HeardPosition(*s);
    SDL_UnlockAudioDevice(g_device);
    if (started && heard >= s->length)
        return Fail(AUDIO_ERROR_ENDED);

    float heardLast[2 * AUDIO_FFT_SIZE];
    const int64_t first = heard - AUDIO_FFT_SIZE; // before the start is silence
    for (int n = 0; n < AUDIO_FFT_SIZE; ++n) {
        const int64_t k = first + n;
        heardLast[2 * n] = k < 0 ? 0.0f : s->pcm[static_cast<size_t>(2 * k)];
        heardLast[2 * n + 1] = k < 0 ? 0.0f : s->pcm[static_cast<size_t>(2 * k + 1)];
    }
    if (!ComputeSpectrum(heardLast, magnitudes))
        return Fail(AUDIO_ERROR_MEMORY);
    g_error = AUDIO_OK;
    return true;
}

int64_t AudioStreamPosition(uint32_t stream) {
    Stream* s = Find(stream);
    if (!s)
        return -1;
    SDL_LockAudioDevice(g_device);
    const int64_t heard = HeardPosition(*s);
    SDL_UnlockAudioDevice(g_device);
    g_error = AUDIO_OK;
    return heard;
}

int64_t AudioStreamLength(uint32_t stream) {
    Stream* s = Find(stream);
    if (!s)
        return -1;
    g_error = AUDIO_OK;
    return s->length;
}

bool AudioReadPcm(uint32_t stream, int64_t startSample, int count, float* stereoOut) {
    Stream* s = Find(stream);
    if (!s)
        return false;
    if (count < 0 || (count > 0 && !stereoOut))
        return Fail(AUDIO_ERROR_PARAMETER);
    for (int i = 0; i < count; ++i) {
        const int64_t k = startSample + i;
        const bool inside = k >= 0 && k < s->length;
        stereoOut[2 * i] = inside ? s->pcm[static_cast<size_t>(2 * k)] : 0.0f;
        stereoOut[2 * i + 1] = inside ? s->pcm[static_cast<size_t>(2 * k + 1)] : 0.0f;
    }
    g_error = AUDIO_OK;
    return true;
}

uint32_t AudioErrorCode() {
    return g_error;
}
