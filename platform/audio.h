// The audio layer: one output device, MP3 streams decoded as they play, playback on the
// device's own thread, and the spectrum of what is being heard.
//
// Contract:
// - Every call sets the error code that AudioErrorCode returns (AUDIO_OK on success). Call
//   everything from the demo's one thread; only the device's own thread runs beside it.
// - A stream is decoded in blocks as it is read (by the device, the spectrum or
//   AudioReadPcm), converted to stereo floats at the device rate, whatever the file's own
//   rate (32, 44.1, 48 kHz, ...) and channel count. It holds about 0.6 MiB whatever its
//   length. Encoder delay and padding are removed, so the length is the sound's own length,
//   known at open from the frame headers.
// - Handles are never 0 and never reused; streams live until the process ends unless freed.
// - Without a device (AudioInit failed) no stream opens: there is no sound and no spectrum.
#pragma once

#include "platform/spectrum.h"

#include <cstdint>

// The last call's outcome. Our own numbers; the demo shows them as they are.
enum AudioError : uint32_t {
    AUDIO_OK = 0,
    AUDIO_ERROR_NO_DEVICE = 1, // no output device could be opened
    AUDIO_ERROR_ALREADY = 2,   // AudioInit after a successful AudioInit
    AUDIO_ERROR_NOT_INIT = 3,  // a stream was asked for before a successful AudioInit
    AUDIO_ERROR_FILE_OPEN = 4, // the file is missing, a folder or unreadable
    AUDIO_ERROR_FORMAT = 5,    // no MP3 audio in the file (empty, or not MP3 at all)
    AUDIO_ERROR_HANDLE = 6,    // not a handle of an open stream (0 included)
    AUDIO_ERROR_ENDED = 7,     // the stream has played to its end
    AUDIO_ERROR_MEMORY = 8,    // out of memory, or longer than AUDIO_MAX_STREAM_SECONDS
    AUDIO_ERROR_PARAMETER = 9, // an argument out of its range
    AUDIO_ERROR_DECODER = 10,  // the MP3 decoder could not be set up
};

// A longer file is refused (AUDIO_ERROR_MEMORY): no soundtrack needs more. A stream's memory
// does not grow with its length.
constexpr int AUDIO_MAX_STREAM_SECONDS = 20 * 60;

// Opens the default output device at `frequency` Hz, stereo, and starts it (silent until a
// stream plays). False with AUDIO_ERROR_NO_DEVICE where there is no device or the audio
// system cannot start; the call may then be tried again.
bool AudioInit(int frequency);
// The device rate, 0 before a successful AudioInit.
int AudioSampleRate();

// Opens an MP3 file (path as the demo spells it, `\` or `/`). 0 on failure. Costs under
// 1 MiB whatever the file, and time in proportion to its size (its budget is at the
// definition).
uint32_t AudioStreamOpenFile(const char* path);
// Gives back a stream's samples; its handle then fails as a bad handle and is not reused.
// The demo never calls it (its one stream lives to the end); tools that open streams by the
// thousand, such as the fuzzer, do.
bool AudioStreamFree(uint32_t stream);
// Starts the stream from its beginning, whether it was playing, ended or never started.
bool AudioPlay(uint32_t stream);
// 0 (silent) to 100 (as decoded). Applies to what is played, not to the spectrum.
bool AudioSetVolume(uint32_t stream, int volume);

// Fills magnitudes[0..255] from a 512-sample FFT of the last 512 samples heard, mixed to mono
// as (left + right) / 2, Hann-windowed and scaled by 2 / 512: a full-scale sine on a bin's
// centre reads 0.5, silence 0. Bin k is centred on k * rate / 512 Hz (86.13 Hz at 44.1 kHz).
// Before AudioPlay nothing is heard and every magnitude is 0. On failure (bad handle, or the
// stream has ended: AUDIO_ERROR_ENDED) `magnitudes` is left untouched.
//
// "Heard" is, on the real counter, what the device has taken from the stream less the one
// buffer it holds, moved on by the time since the device last took samples. The stream starts
// at the device's first take after AudioPlay (within a buffer of it). When the device comes
// back late (an underrun, a starved thread) and the stream is more than one device buffer
// behind its clock (AudioFollowClock), it jumps there (with a 256-sample crossfade), so that
// what is heard stays with the scenes instead of falling behind. On the virtual counter it is
// the time since AudioPlay times the rate, so that a given time always gives the same
// spectrum.
bool AudioGetSpectrum(uint32_t stream, float* magnitudes);

// Hands down the show's clock: the stream should be heard `seconds` from its start now, and
// from then on as the counter runs, but no further than one device buffer past `waitSeconds`
// (where the current scene ends: when its pictures are late, the music waits there, silent,
// for the next scene's first call). Called once a frame; until the first call the clock is the
// time since the device's first take after AudioPlay. At a take that finds the stream more
// than one device buffer from where this clock puts it, ahead or behind, it jumps there as
// above, so that what is heard stays with the pictures whatever the frames cost. Ignored on
// the virtual counter, where what is heard is the time since AudioPlay.
bool AudioFollowClock(uint32_t stream, double seconds, double waitSeconds);

// Once a frame: when the device has gone away (unplugged, its sound server restarted), closes
// it and tries the default device again about twice a second until one opens, without a
// report; the streams go on where the clock has them. Does nothing before a successful
// AudioInit. Meanwhile what is heard (the spectrum, AudioStreamPosition) follows the clock.
void AudioKeepDevice();

// Samples (per channel, at the device rate) heard so far, in [0, length]; -1 on a bad handle.
int64_t AudioStreamPosition(uint32_t stream);
// Samples (per channel) into the stream where its clock puts it now, in [0, length]: the
// show's clock once AudioFollowClock has handed it down, before that the time since the
// device's first take. What is heard stays within a device buffer of it. -1 on a bad handle.
int64_t AudioClockPosition(uint32_t stream);
// The stream's length in samples per channel at the device rate; -1 on a bad handle.
int64_t AudioStreamLength(uint32_t stream);
// Copies `count` stereo samples (2 * count floats, left first) starting at `startSample`,
// with zeros outside the stream, into stereoOut. For pulling the soundtrack at a given time
// without the device (capture). Reads onwards decode onwards; any other read seeks, which
// costs about 16 frames of decoding. False on a bad handle or a negative count.
bool AudioReadPcm(uint32_t stream, int64_t startSample, int count, float* stereoOut);

// For tests: the device's next take of samples waits this long first, as a starved audio
// thread would.
void AudioDelayNextMixForTesting(int milliseconds);

// The outcome of the last call, one of AudioError.
uint32_t AudioErrorCode();
