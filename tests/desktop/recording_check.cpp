// Compares a recording of the demo's sound (raw 16-bit stereo at 44.1 kHz, as parec writes it
// from a sound server's monitor) with the soundtrack as the audio layer decodes it.
//
//   recording_check RECORDING DEMO_FOLDER FROM TO STEP
//
// The music starts at the recording's first sound. In every STEP seconds from FROM to TO after
// that, a stretch (0.1 to 0.25 s) clear of the sound server's gaps (the digital silence it plays
// while the demo is late) is looked up in the soundtrack. Exit 1 when fewer than three quarters
// of them (or fewer than three) are the soundtrack (correlation 0.9 or more), or one is more
// than 6 dB off, or out of place: the music falls behind by what the gaps held back unless the
// audio layer moves it on to the clock, within one device buffer (93 ms) either way. Exit 3 when
// the recording does not reach TO yet.
#include "music/music.h"
#include "platform/audio.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <numeric>
#include <string>
#include <vector>

namespace {
constexpr int kRate = 44100, kDecimate = 4; // matched at 11025 Hz
constexpr double kSlack = 0.1;

// Mono, averaged over kDecimate frames.
std::vector<float> Decimated(const std::vector<float>& stereo) {
    std::vector<float> out(stereo.size() / 2 / kDecimate);
    for (size_t i = 0; i < out.size() * 2 * kDecimate; ++i)
        out[i / (2 * kDecimate)] += stereo[i] / (2 * kDecimate);
    return out;
}

size_t FirstSound(const std::vector<float>& stereo) {
    size_t i = 0;
    while (i < stereo.size() && std::fabs(stereo[i]) < 0.002f)
        ++i;
    return i / 2;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 6)
        return 2;
    const double from = std::atof(argv[3]), to = std::atof(argv[4]), step = std::atof(argv[5]);
    std::ifstream file(argv[1], std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), {});
    std::vector<float> recorded(bytes.size() / 4 * 2);
    for (size_t i = 0; i < recorded.size(); ++i)
        recorded[i] = int16_t(uint8_t(bytes[2 * i]) | bytes[2 * i + 1] << 8) / 32768.0f;

    setenv("SDL_AUDIODRIVER", "dummy", 1); // decoded only, never played
    const std::string soundtrack = std::string(argv[2]) + "/" + kSoundtrackFile;
    const uint32_t stream = AudioInit(kRate) ? AudioStreamOpenFile(soundtrack.c_str()) : 0;
    const int64_t length = AudioStreamLength(stream);
    if (length <= 0)
        return 2;
    std::vector<float> track(size_t(length) * 2);
    AudioReadPcm(stream, 0, int(length), track.data());
    const std::vector<float> rec = Decimated(recorded), ref = Decimated(track);
    const double rate = double(kRate) / kDecimate;

    // Sample-exact: the sound server passes the samples through unchanged.
    const size_t heard = FirstSound(recorded), lead = FirstSound(track);
    const double start = (double(heard) - double(lead)) / kRate;
    if (heard == recorded.size() / 2 || heard < lead || start + to + 0.5 > rec.size() / rate) {
        std::printf("the recording does not reach %.1f s into the music yet\n", to);
        return 3;
    }
    // Gaps: 2 ms or more of digital silence, in seconds after the start.
    std::vector<std::pair<double, double>> gaps;
    size_t run = 0;
    for (size_t i = heard; i < recorded.size() / 2; ++i) {
        if (recorded[2 * i] == 0 && recorded[2 * i + 1] == 0) {
            ++run;
        } else {
            if (run >= kRate / 500)
                gaps.push_back({double(i - run) / kRate - start, double(run) / kRate});
            run = 0;
        }
    }
    auto clear = [&](double x, double n) {
        for (const auto& g : gaps)
            if (g.first < x + n && g.first + g.second > x)
                return false;
        return true;
    };
    std::printf("music starts %.3f s into the recording; %zu gaps\n", start, gaps.size());

    bool ok = true;
    int matched = 0, pieces = 0;
    for (double t = from; t < to; t += step) {
        double x = t, n = 0.25;
        while (x + 0.1 <= t + step && !clear(x, 0.1))
            x += 0.002;
        while (n > 0.1 && !clear(x, n))
            n -= 0.01;
        if (x + 0.1 > t + step)
            continue; // no stretch without a gap in this step
        double gapsBefore = 0;
        for (const auto& g : gaps)
            gapsBefore += g.first < x ? g.second : 0;
        // Where in the soundtrack the stretch fits best.
        const float* piece = &rec[size_t((start + x) * rate)];
        const size_t len = size_t(n * rate);
        const double pe = std::inner_product(piece, piece + len, piece, 0.0);
        double best = -1, at = 0, gain = 0;
        for (long lag = std::lround(std::max(0.0, x - gapsBefore - 2 * kSlack) * rate);
             lag <= std::lround((x + 2 * kSlack) * rate) && size_t(lag) + len <= ref.size();
             ++lag) {
            const float* match = &ref[lag];
            const double dot = std::inner_product(piece, piece + len, match, 0.0),
                         e = std::inner_product(match, match + len, match, 0.0);
            const double c = dot / std::sqrt(std::max(pe * e, 1e-24));
            if (c > best)
                best = c, at = lag / rate, gain = std::sqrt(pe / std::max(e, 1e-12));
        }
        const double drift = x - at;
        std::printf("%6.2f s: soundtrack at %6.3f s, %+5.0f ms behind, gaps before %4.0f ms, "
                    "correlation %.3f, level %+.1f dB\n",
                    x, at, drift * 1000, gapsBefore * 1000, best, 20 * std::log10(gain));
        ++pieces;
        if (best < 0.9)
            continue;
        ++matched;
        if (gain < 0.5 || gain > 2 || drift < -kSlack || drift > gapsBefore + kSlack) {
            std::printf("FAIL: played off in level or out of place at %.2f s\n", x);
            ok = false;
        }
    }
    // A skip too short to show as a gap may spoil a stretch; most must match.
    std::printf("%d of %d stretches are the soundtrack\n", matched, pieces);
    return ok && matched >= 3 && matched >= pieces * 3 / 4 ? 0 : 1;
}
