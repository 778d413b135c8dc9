// The soundtrack: the arrangement and its mix, and the MP3 file it is written to.
#pragma once

#include "scenes/scenes.h"
#include "synth.h"

#include <array>
#include <string>

// Its sections start with the scenes, SceneStartSeconds after the music starts (with the
// title). The piece ends with the credits; a second of silence after it keeps the stream
// playing to the demo's last frame.
constexpr double kSoundtrackSeconds = SceneStartSeconds(kSceneNum) + 1.0;

// The whole piece, 44.1 kHz stereo, peaks kept below full scale.
StereoBuffer ComposeSoundtrack();

// Encodes to a constant-bitrate MP3 (joint stereo) with an information frame that gives the
// exact length and no ID3 tag, so the same samples give the same bytes.
bool WriteMp3(const StereoBuffer& audio, int kilobitsPerSecond, const std::string& path);

bool WriteSoundtrack(const std::string& demoDir);
