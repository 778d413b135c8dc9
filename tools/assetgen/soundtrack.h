// The soundtrack: the arrangement and its mix, and the MP3 file it is written to.
#pragma once

#include "synth.h"

#include <string>

// Seconds after the music starts at which the scenes change (title, sphere field, mosaic
// models, particles, credits) and at which the closing chord falls.
constexpr double kSectionStarts[] = {0.0, 3.0, 18.0, 38.0, 52.0, 70.0};
constexpr double kSoundtrackSeconds = 74.0;

// The whole piece, 44.1 kHz stereo, peaks kept below full scale.
StereoBuffer ComposeSoundtrack();

// Encodes to a constant-bitrate MP3 (joint stereo) with an information frame that gives the
// exact length and no ID3 tag, so the same samples give the same bytes.
bool WriteMp3(const StereoBuffer& audio, int kilobitsPerSecond, const std::string& path);

bool WriteSoundtrack(const std::string& demoDir);
