// The soundtrack through the audio layer, with the demo's own messages for every failure.
#include "music/music.h"

#include "base/report_error.h"
#include "platform/audio.h"

namespace {
// Set once the audio layer has started without error; a later Music does not start it again.
bool g_audioStarted = false;
} // namespace

Music::Music() {
    if (!g_audioStarted) {
        if (!AudioInit(44100))
            ReportError("BASS error on init!");
        if (uint32_t code = AudioErrorCode())
            ReportError("BASS Error!\nErrorcode: %u", code);
        else
            g_audioStarted = true;
    }

    stream = AudioStreamOpenFile(kSoundtrackFile);
    if (stream == 0)
        ReportError("BASS error: File not found?\n");
    if (uint32_t code = AudioErrorCode())
        ReportError("BASS Error!\nErrorcode: %u\n", code);
}

void Music::play() {
    if (!AudioPlay(stream))
        ReportError("BASS error: Can't play the stream\n");
    if (uint32_t code = AudioErrorCode())
        ReportError("BASS Error!\nErrorcode: %u\n", code);
    AudioSetVolume(stream, 100);
}

void Music::updateSpectrum() {
    // Fails without a stream or once it has ended, leaving the last spectrum in place.
    AudioGetSpectrum(stream, spectrum);
}

void Music::follow(double showSeconds, double sceneEndSeconds) {
    // Neither reports: only the first opening of the device is the user's business, and
    // without a stream there is nothing to follow.
    AudioKeepDevice();
    AudioFollowClock(stream, showSeconds, sceneEndSeconds);
}
