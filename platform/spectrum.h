// The spectrum of 512 stereo samples as the demo's scenes read it.
#pragma once

// Samples per spectrum and magnitudes it yields.
constexpr int AUDIO_FFT_SIZE = 512;
constexpr int AUDIO_SPECTRUM_BINS = AUDIO_FFT_SIZE / 2;

// Fills magnitudes[0..255] from an FFT of stereo[0..1023] (left first), mixed to mono as
// (left + right) / 2, Hann-windowed and scaled by 2 / 512: a full-scale sine on a bin's
// centre reads 0.5, silence 0. False when the FFT could not be set up (out of memory).
bool ComputeSpectrum(const float* stereo, float* magnitudes);
