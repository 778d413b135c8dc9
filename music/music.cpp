// Placeholder until the audio layer lands: no sound, a spectrum that stays zero.
#include "music/music.h"

Music::Music() {}
void Music::play() {}
void Music::updateSpectrum() {}
