// What the page, and the tests that drive it, may ask the program (window.rerovuz in
// tools/web/index.html).
#include "platform/audio.h"

#include <emscripten.h>

// Seconds the soundtrack heard now is ahead of where the show's clock puts it (behind when
// negative); 0 while there is none. The soundtrack is the first stream opened.
extern "C" EMSCRIPTEN_KEEPALIVE double PlatformWebMusicLag() {
    const uint32_t soundtrack = 1;
    const int64_t heard = AudioStreamPosition(soundtrack);
    const int64_t due = AudioClockPosition(soundtrack);
    if (heard < 0 || due < 0 || AudioSampleRate() <= 0)
        return 0;
    return static_cast<double>(heard - due) / AudioSampleRate();
}
