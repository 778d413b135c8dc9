// The audio layer over SDL2 audio: the device and the streams. Decoding, rate conversion and
// the spectrum have their own files.
#include "platform/audio.h"

#include "platform/clock.h"
#include "platform/mp3_reader.h"
#include "platform/spectrum.h"

#include <SDL2/SDL.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct Stream {
    // The same sound read twice, each reader with its own decoder: one by the device thread
    // (under the device lock), one by the demo's thread for the spectrum and AudioReadPcm.
    Mp3Reader played;
    Mp3Reader looked;
    int64_t length = 0;       // samples per channel
    std::vector<float> mixed; // device thread: a device buffer of the stream, and a fade

    // Shared with the device thread: read and written under the device lock.
    bool started = false;
    bool playing = false;
    int64_t handed = 0;        // the stream's position after what was given to the device
    int64_t heardBase = 0;     // where the device's latest take began: what was heard then
    uint64_t takeTick = 0;     // SDL performance counter at that take
    uint64_t playTickReal = 0; // SDL performance counter where the stream's sample 0 falls
    bool anchored = false;     // playTickReal set by the device's first take
    // The show's clock, once handed down: `followSeconds` into the stream at `followTick`,
    // waiting a device buffer past `waitAt` (samples) until the next scene's clock comes.
    bool following = false;
    double followSeconds = 0;
    uint64_t followTick = 0;
    int64_t waitAt = 0;
    float gain = 1.0f;

    // Main thread only: the virtual counter at AudioPlay.
    int64_t playTick = 0;
};

uint32_t g_error = AUDIO_OK;
SDL_AudioDeviceID g_device = 0; // 0 before AudioInit, and while a lost device is replaced
int g_rate = 0;
int g_bufferFrames = 0; // samples per channel the device takes at a time
bool g_started = false; // by a successful AudioInit; the device may be gone since
uint64_t g_nextTry = 0; // while there is no device: when to try to open one again
// Device thread, under the device lock: the first take of a device just opened, and after a
// lost device was replaced, the counter at its first take that played (0: none yet).
bool g_firstTake = false;
bool g_awaitingSound = false;
uint64_t g_soundAgainTick = 0;
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

// Samples over which the stream crosses from where it was to where the clock says it is,
// after the device has come back late: 5.8 ms at 44.1 kHz, short enough to pass unheard as a
// skip, long enough not to click.
constexpr int kJumpFade = 256;
int g_testMixDelayMs = 0;

// Samples into the stream its clock puts at SDL counter `now`. Call with the device lock held.
int64_t DuePosition(const Stream& s, uint64_t now) {
    const double frequency = static_cast<double>(SDL_GetPerformanceFrequency());
    const uint64_t from = s.following ? s.followTick : s.playTickReal;
    // Signed: a tick read on another thread a moment before `from` was set.
    const double seconds = static_cast<double>(static_cast<int64_t>(now - from)) / frequency +
                           (s.following ? s.followSeconds : 0.0);
    return static_cast<int64_t>(std::floor(seconds * g_rate));
}

// How far the stream may play: its end or, while it follows the show, a device buffer past
// where the current scene ends. Pictures late at a scene's end hold the music there, silent,
// rather than let it run on into the next scene's section (only to jump back once that scene
// shows); the buffer lets the next scene's first frame, a frame or two late as it always is,
// find the music still playing.
int64_t Limit(const Stream& s) {
    return s.following ? std::min(s.waitAt + g_bufferFrames, s.length) : s.length;
}

// Runs on SDL's audio thread with the device lock held.
void Mix(void*, Uint8* bytes, int byteNum) {
    if (g_testMixDelayMs > 0) {
        SDL_Delay(static_cast<Uint32>(g_testMixDelayMs));
        g_testMixDelayMs = 0;
    }
    float* out = reinterpret_cast<float*>(bytes);
    const int64_t frameNum = byteNum / static_cast<int>(2 * sizeof(float));
    std::memset(bytes, 0, static_cast<size_t>(byteNum));
    const uint64_t now = SDL_GetPerformanceCounter();
    // A new PulseAudio stream (seen on its null sink) takes its first buffer at once, then
    // nothing for half a second to two seconds while the server settles its latency: what the
    // first take held would be heard as a snatch and a gap. Silence then; the streams go on
    // from the take after, where their clock has them.
    if (g_firstTake) {
        g_firstTake = false;
        return;
    }
    for (Stream* s : g_streams) {
        if (!s)
            continue; // freed
        s->heardBase = s->handed;
        s->takeTick = now;
        if (!s->playing)
            continue;
        s->mixed.resize(static_cast<size_t>(2 * (frameNum + kJumpFade)));
        float* chunk = s->mixed.data();
        // The clock runs on while the device is late (an underrun, a starved thread) and while
        // the pictures are late (a slow frame as a scene starts holds the show back): the
        // stream follows the clock, not what the device has pulled, so that it stays with the
        // pictures. More than a buffer away from it, either way, it jumps to where the clock
        // is, fading from what would have come next into what comes there. Until the show's
        // clock is handed down, the clock counts from the device's first take after AudioPlay,
        // which falls anywhere in the device's period (counted from AudioPlay, a take a little
        // late could already be a buffer behind); a first take later than a buffer counts from
        // one buffer after AudioPlay.
        if (!s->anchored) {
            const double frequency = static_cast<double>(SDL_GetPerformanceFrequency());
            s->playTickReal = std::min(
                now, s->playTickReal + static_cast<uint64_t>(g_bufferFrames * frequency / g_rate));
            s->anchored = true;
        }
        const int64_t limit = Limit(*s);
        const int64_t due = std::min(DuePosition(*s, now), limit);
        const bool jump = std::llabs(due - s->handed) > g_bufferFrames;
        if (jump) {
            float* fade = chunk + 2 * frameNum;
            s->played.read(s->handed, kJumpFade, fade);
            s->handed = std::max<int64_t>(due, 0);
            s->heardBase = s->handed;
            s->played.read(s->handed, frameNum, chunk);
            for (int i = 0; i < kJumpFade && i < frameNum; ++i) {
                const float w = (i + 0.5f) / kJumpFade;
                chunk[2 * i] = chunk[2 * i] * w + fade[2 * i] * (1.0f - w);
                chunk[2 * i + 1] = chunk[2 * i + 1] * w + fade[2 * i + 1] * (1.0f - w);
            }
        } else {
            s->played.read(s->handed, frameNum, chunk);
        }
        const int64_t n = std::clamp<int64_t>(limit - s->handed, 0, frameNum);
        if (g_awaitingSound && n > 0) {
            g_awaitingSound = false;
            g_soundAgainTick = now;
        }
        for (int64_t i = 0; i < 2 * n; ++i)
            out[i] += chunk[i] * s->gain;
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
    } else if (!g_device) {
        // The device is gone and not yet replaced: nothing is heard, but the show goes on.
        heard = std::clamp<int64_t>(DuePosition(s, SDL_GetPerformanceCounter()), 0, Limit(s));
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

// The counter's reading in seconds, as the demo's trace gives its times.
double CounterSeconds() {
    return static_cast<double>(PlatformReadCounter()) /
           static_cast<double>(PlatformCounterFrequency());
}

// Opens the default device, stereo floats at `frequency`, and starts it.
bool OpenDevice(int frequency) {
    SDL_AudioSpec want = {};
    want.freq = frequency;
    want.format = AUDIO_F32SYS;
    want.channels = 2;
    // 93 ms at 44.1 kHz. Played through a sound server on two cores at a load average of 15
    // to 20, 1024 samples underran 14 to 31 times in 30 s and 2048 two or three times; 4096
    // never did. The spectrum and the jumps after an underrun allow for the buffer held.
    want.samples = 4096;
    want.callback = Mix;
    SDL_AudioSpec have = {};
    // No changes allowed: SDL converts to whatever the hardware takes.
    g_device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (g_device == 0)
        return false;
    g_rate = frequency;
    g_bufferFrames = have.samples;
    g_firstTake = true; // the device thread waits on the pause until here
    SDL_PauseAudioDevice(g_device, 0);
    return true;
}

} // namespace

bool AudioInit(int frequency) {
    if (g_started)
        return Fail(AUDIO_ERROR_ALREADY);
    if (frequency < 8000 || frequency > 192000)
        return Fail(AUDIO_ERROR_PARAMETER);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        SDL_Log("SDL audio: %s", SDL_GetError());
        return Fail(AUDIO_ERROR_NO_DEVICE);
    }
    if (!OpenDevice(frequency)) {
        SDL_Log("SDL audio device: %s", SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return Fail(AUDIO_ERROR_NO_DEVICE);
    }
    g_started = true;
    g_error = AUDIO_OK;
    return true;
}

void AudioKeepDevice() {
    if (!g_started)
        return;
    const uint64_t now = SDL_GetPerformanceCounter();
    if (g_device) {
        SDL_LockAudioDevice(g_device);
        const uint64_t soundAgain = g_soundAgainTick;
        g_soundAgainTick = 0;
        SDL_UnlockAudioDevice(g_device);
        if (soundAgain)
            SDL_Log("SDL audio: sound again at %.3f s",
                    CounterSeconds() - static_cast<double>(static_cast<int64_t>(now - soundAgain)) /
                                           static_cast<double>(SDL_GetPerformanceFrequency()));
        if (SDL_GetAudioDeviceStatus(g_device) != SDL_AUDIO_STOPPED)
            return;
        // SDL has marked it lost and feeds it on its own thread as if it played; taking it
        // down joins that thread, after which nothing else reads the streams.
        SDL_Log("SDL audio: the sound device went away at %.3f s; trying the default one again",
                CounterSeconds());
        SDL_CloseAudioDevice(g_device);
        g_device = 0;
        g_nextTry = now;
    }
    if (now < g_nextTry)
        return;
    g_nextTry = now + SDL_GetPerformanceFrequency() / 2;
    // Each device has a connection of its own to the sound server, so a server that went away
    // and came back takes a new device. (Starting the driver anew is no help, and SDL 2.26's
    // PulseAudio driver crashes doing so while the server has no output.)
    g_awaitingSound = true; // no device thread runs until one opens
    if (OpenDevice(g_rate))
        SDL_Log("SDL audio: sound device open again at %.3f s", CounterSeconds());
}

int AudioSampleRate() {
    g_error = AUDIO_OK;
    return g_rate;
}

// Budget, whatever the file: memory under 1 MiB per stream, not growing with the file's size
// or its length (two decoders, a frame index that libmpg123 keeps to a thousand entries, and
// for each reader 16384 decoded samples plus the input one block of output needs; measured
// 0.45 to 0.7 MiB). Time at open in proportion to the size: every frame header is read once,
// nothing decoded but one frame (about 1 ms of CPU per MB; 62 ms for 64 MB of 8 kbit/s
// frames), plus under 5 ms for the decoders and the rate converter's taps. After that,
// decoding costs in proportion to the sound read, not to the file; a seek adds 16 frames.
// A sound longer than AUDIO_MAX_STREAM_SECONDS is refused once the headers have been read.
uint32_t AudioStreamOpenFile(const char* path) {
    if (!g_started)
        return Fail(AUDIO_ERROR_NOT_INIT);
    if (!path)
        return Fail(AUDIO_ERROR_PARAMETER);
    std::unique_ptr<Stream> stream = std::make_unique<Stream>();
    const int64_t maxSamples = static_cast<int64_t>(AUDIO_MAX_STREAM_SECONDS) * g_rate;
    uint32_t error = stream->played.open(path, g_rate, maxSamples);
    if (error == AUDIO_OK)
        error = stream->looked.open(path, g_rate, maxSamples);
    if (error != AUDIO_OK)
        return Fail(error);
    stream->length = stream->played.length();
    stream->mixed.reserve(static_cast<size_t>(2 * g_bufferFrames));
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
    s->playTickReal = s->takeTick;
    s->anchored = false;
    s->following = false;
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

bool AudioFollowClock(uint32_t stream, double seconds, double waitSeconds) {
    Stream* s = Find(stream);
    if (!s)
        return false;
    if (!PlatformCounterIsVirtual()) {
        SDL_LockAudioDevice(g_device);
        s->following = true;
        s->followSeconds = seconds;
        s->followTick = SDL_GetPerformanceCounter();
        // In 64-bit samples whatever the seconds (the last scene waits for nothing).
        s->waitAt = static_cast<int64_t>(
            std::clamp(std::floor(waitSeconds * g_rate), 0.0, static_cast<double>(s->length)));
        SDL_UnlockAudioDevice(g_device);
    }
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
    s->looked.read(heard - AUDIO_FFT_SIZE, AUDIO_FFT_SIZE, heardLast); // before the start: zeros
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

int64_t AudioClockPosition(uint32_t stream) {
    Stream* s = Find(stream);
    if (!s)
        return -1;
    SDL_LockAudioDevice(g_device);
    const int64_t due =
        s->started ? std::clamp<int64_t>(DuePosition(*s, SDL_GetPerformanceCounter()), 0, Limit(*s))
                   : 0;
    SDL_UnlockAudioDevice(g_device);
    g_error = AUDIO_OK;
    return due;
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
    s->looked.read(startSample, count, stereoOut);
    g_error = AUDIO_OK;
    return true;
}

void AudioDelayNextMixForTesting(int milliseconds) {
    SDL_LockAudioDevice(g_device);
    g_testMixDelayMs = milliseconds;
    SDL_UnlockAudioDevice(g_device);
}

uint32_t AudioErrorCode() {
    return g_error;
}
