// Sound building blocks of the soundtrack: a stereo buffer, the instruments (each adds one
// note into a buffer at a time in seconds) and the effects of the mix.
#pragma once

#include "random.h"

#include <cstddef>
#include <vector>

constexpr int kSampleRate = 44100;

struct StereoBuffer {
    explicit StereoBuffer(size_t frames) : left(frames, 0.0f), right(frames, 0.0f) {}
    std::vector<float> left;
    std::vector<float> right;
    size_t frames() const { return left.size(); }
    // Adds `other` x gain.
    void mix(const StereoBuffer& other, float gain);
};

// Frequency of a MIDI note number (69 = A 440 Hz).
double NoteFrequency(double midi);

// Drums. `gain` is the peak level before the mix.
void AddKick(StereoBuffer& out, double time, float gain);
void AddSnare(StereoBuffer& out, double time, float gain, Pcg32& noise);
void AddClap(StereoBuffer& out, double time, float gain, Pcg32& noise);
void AddHat(StereoBuffer& out, double time, float gain, bool open, float pan, Pcg32& noise);
void AddCrash(StereoBuffer& out, double time, float gain, Pcg32& noise);
// Filtered noise rising in pitch and level from `start` to `end`.
void AddRiser(StereoBuffer& out, double start, double end, float gain, Pcg32& noise);

// Pitched instruments. Lengths in seconds; each has its own release after the length.
void AddBass(StereoBuffer& out, double time, double length, double midi, float gain);
void AddPad(StereoBuffer& out, double time, double length, const std::vector<int>& midi, float gain,
            float brightness);
void AddLead(StereoBuffer& out, double time, double length, double midi, float gain);
void AddBell(StereoBuffer& out, double time, double midi, float gain, float pan);

// Effects.
// Lowers `buffer` after every kick time by `depth` (0..1), recovering over `release` s.
void Duck(StereoBuffer& buffer, const std::vector<double>& kicks, float depth, double release);
// Delay that bounces between the channels; returns the wet signal only.
StereoBuffer PingPong(const StereoBuffer& in, double delay, float feedback);
// A hall: parallel combs into series allpasses per channel; returns the wet signal only.
StereoBuffer Reverb(const StereoBuffer& in, float roomSize, float damping);
// Keeps every sample within +-ceiling with a short look-ahead and a smooth release.
void Limit(StereoBuffer& buffer, float ceiling);
