// The spectrum over kissfft.
#include "platform/spectrum.h"

#include <cmath>
#include <kissfft/kiss_fftr.h>

namespace {
const float* HannWindow() {
    static float window[AUDIO_FFT_SIZE];
    static bool made = false;
    if (!made) {
        // The periodic form: its mean is exactly 1/2, which the 2/512 scale undoes.
        for (int n = 0; n < AUDIO_FFT_SIZE; ++n)
            window[n] = static_cast<float>(0.5 - 0.5 * std::cos(2.0 * M_PI * n / AUDIO_FFT_SIZE));
        made = true;
    }
    return window;
}
} // namespace

bool ComputeSpectrum(const float* stereo, float* magnitudes) {
    static kiss_fftr_cfg config = kiss_fftr_alloc(AUDIO_FFT_SIZE, 0, nullptr, nullptr);
    if (!config)
        return false;
    const float* window = HannWindow();
    kiss_fft_scalar time[AUDIO_FFT_SIZE];
    kiss_fft_cpx bins[AUDIO_FFT_SIZE / 2 + 1];
    for (int n = 0; n < AUDIO_FFT_SIZE; ++n)
        time[n] = 0.5f * (stereo[2 * n] + stereo[2 * n + 1]) * window[n];
    kiss_fftr(config, time, bins);
    const float scale = 2.0f / AUDIO_FFT_SIZE;
    for (int k = 0; k < AUDIO_SPECTRUM_BINS; ++k)
        magnitudes[k] = std::sqrt(bins[k].r * bins[k].r + bins[k].i * bins[k].i) * scale;
    return true;
}
