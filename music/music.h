// The soundtrack: opened while loading, started once, sampled for its spectrum each frame.
#pragma once

#include <cstdint>

// The soundtrack, relative to the demo's folder.
constexpr const char* kSoundtrackFile = "Music/Quirnstadbek.mp3";

class Music {
  public:
    // Initialises the audio output once per process, then opens the soundtrack.
    Music();
    // Starts playback from the beginning at full volume.
    void play();
    // Refreshes spectrum[0..255] with the magnitudes of what is heard now; leaves the
    // buffer as it was when there is nothing to sample.
    void updateSpectrum();
    // Once a frame, with the show's time and where the current scene ends, in seconds: the
    // music is kept where the pictures are, and the sound device is brought back when it
    // went away.
    void follow(double showSeconds, double sceneEndSeconds);

    float spectrum[512] = {};
    // 0 when opening failed.
    uint32_t stream = 0;
};
