// Figures for the audio layer: opening a 75-second soundtrack (wall and CPU time), and the
// cost of one spectrum call on the real and the virtual counter. Prints, asserts nothing.
// Run: SDL_AUDIODRIVER=dummy build-<name>/bench/bench_music
#include "platform/audio.h"
#include "platform/clock.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// A chord with a moving bass, a beat of noise bursts and a slow sweep, so that the encoder
// and the decoder work as hard as on real music.
bool MakeSoundtrack(const std::string& path, int rate, int seconds) {
    std::vector<uint8_t> raw;
    raw.reserve(static_cast<size_t>(rate) * seconds * 4);
    uint32_t noise = 1;
    for (long i = 0; i < static_cast<long>(rate) * seconds; ++i) {
        const double t = double(i) / rate;
        noise = noise * 1664525u + 1013904223u;
        const double beat = std::exp(-20.0 * std::fmod(t, 0.5));
        const double bass = 55.0 * (1 + int(t / 2) % 4);
        const double common = 0.25 * std::sin(2 * M_PI * bass * t) +
                              0.1 * std::sin(2 * M_PI * (200 + 100 * t) * t) +
                              0.15 * beat * ((noise >> 8) / 8388608.0 - 1.0);
        const double sides[2] = {common + 0.1 * std::sin(2 * M_PI * 440 * t),
                                 common + 0.1 * std::sin(2 * M_PI * 554.37 * t)};
        for (double v : sides) {
            const int16_t s = static_cast<int16_t>(std::lround(v * 32767.0));
            raw.push_back(static_cast<uint8_t>(s));
            raw.push_back(static_cast<uint8_t>(static_cast<uint16_t>(s) >> 8));
        }
    }
    std::ofstream(path + ".raw", std::ios::binary)
        .write(reinterpret_cast<const char*>(raw.data()), static_cast<std::streamsize>(raw.size()));
    char command[1024];
    std::snprintf(command, sizeof command,
                  "lame --quiet -r -s %g --bitwidth 16 --signed --little-endian -m j -b 192 "
                  "'%s.raw' '%s' 2>/dev/null",
                  rate / 1000.0, path.c_str(), path.c_str());
    const bool ok = std::system(command) == 0;
    std::remove((path + ".raw").c_str());
    return ok;
}

void TimeOpen(const std::string& path, const char* label) {
    std::vector<double> times, cpuTimes;
    uint32_t stream = 0;
    for (int i = 0; i < 5; ++i) {
        const Clock::time_point start = Clock::now();
        const std::clock_t cpuStart = std::clock();
        stream = AudioStreamOpenFile(path.c_str());
        cpuTimes.push_back(static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC);
        times.push_back(Seconds(start));
        if (!stream) {
            std::printf("open failed: error %u\n", AudioErrorCode());
            return;
        }
    }
    std::sort(times.begin(), times.end());
    std::sort(cpuTimes.begin(), cpuTimes.end());
    std::printf("open %s: median %.1f ms (CPU %.1f ms), best %.1f ms (%lld samples)\n", label,
                times[2] * 1e3, cpuTimes[2] * 1e3, times[0] * 1e3,
                static_cast<long long>(AudioStreamLength(stream)));
}

// Mean cost of one AudioGetSpectrum call while the stream plays.
double SpectrumCost(uint32_t stream, bool moveVirtualCounter) {
    float bins[AUDIO_SPECTRUM_BINS];
    const int callNum = 20000;
    double total = 0.0;
    for (int i = 0; i < callNum; ++i) {
        if (moveVirtualCounter)
            PlatformAdvanceVirtualCounter(100); // a millisecond of sound between calls
        const Clock::time_point start = Clock::now();
        AudioGetSpectrum(stream, bins);
        total += Seconds(start);
    }
    return total / callNum;
}

} // namespace

int main() {
    if (!AudioInit(44100)) {
        std::printf("no audio device (error %u); set SDL_AUDIODRIVER=dummy\n", AudioErrorCode());
        return 1;
    }
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("bench_music." + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::string at44 = (dir / "soundtrack44.mp3").string();
    const std::string at48 = (dir / "soundtrack48.mp3").string();
    if (!MakeSoundtrack(at44, 44100, 75) || !MakeSoundtrack(at48, 48000, 75)) {
        std::printf("lame failed\n");
        return 1;
    }
    TimeOpen(at44, "75 s, 44.1 kHz, 192 kbit/s");
    TimeOpen(at48, "75 s, 48 kHz, 192 kbit/s (converted)");

    const uint32_t stream = AudioStreamOpenFile(at44.c_str());
    AudioPlay(stream);
    std::printf("spectrum call, real counter: %.2f us\n", SpectrumCost(stream, false) * 1e6);
    PlatformUseVirtualCounter(100000);
    AudioPlay(stream);
    std::printf("spectrum call, virtual counter: %.2f us\n", SpectrumCost(stream, true) * 1e6);
    std::filesystem::remove_all(dir);
    return 0;
}
