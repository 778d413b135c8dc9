// Compares a recording of the demo's sound (raw 16-bit stereo at 44.1 kHz, from parec) with the
// soundtrack as the audio layer decodes it.   recording_check RECORDING DEMO_FOLDER FROM TO STEP
// The music starts at the recording's first sound. In every STEP seconds from FROM to TO after
// that, a stretch of 0.1 to 0.25 s clear of the server's gaps (the digital silence it plays
// while the demo is late) is looked up in the soundtrack. Exit 1 unless three quarters of them
// (a skip too short to see may spoil one), and three at least, match (correlation 0.9) and each
// match is within 6 dB and in place: not ahead, nor behind by more than the gaps held back,
// give or take a device buffer (93 ms). Exit 3 when the recording does not reach TO yet.
#include "music/music.h"
#include "platform/audio.h"

#include <algorithm>
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
    auto loud = [](float v) { return std::fabs(v) >= 0.002f; };
    return size_t(std::find_if(stereo.begin(), stereo.end(), loud) - stereo.begin()) / 2;
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
    std::vector<float> track(size_t(std::max<int64_t>(AudioStreamLength(stream), 0)) * 2);
    if (track.empty() || !AudioReadPcm(stream, 0, int(track.size() / 2), track.data()))
        return 2;
    const std::vector<float> rec = Decimated(recorded), ref = Decimated(track);
    const double rate = double(kRate) / kDecimate;

    // Sample-exact: the sound server passes the samples through unchanged.
    const size_t heard = FirstSound(recorded), lead = FirstSound(track);
    const double start = (double(heard) - double(lead)) / kRate;
    if (heard == recorded.size() / 2 || heard < lead || start + to + 0.5 > rec.size() / rate) {
        std::printf("the recording does not reach %.1f s into the music yet\n", to);
        return 3;
    }
    // Gaps: 2 ms or more of digital silence, as (where, how long) in seconds after the start.
    std::vector<std::pair<double, double>> gaps;
    for (size_t i = heard, run = 0; i < recorded.size() / 2; ++i) {
        const bool silent = recorded[2 * i] == 0 && recorded[2 * i + 1] == 0;
        if (!silent && run >= kRate / 500)
            gaps.push_back({double(i - run) / kRate - start, double(run) / kRate});
        run = silent ? run + 1 : 0;
    }
    auto clear = [&](double x, double n) {
        return std::none_of(gaps.begin(), gaps.end(),
                            [&](auto& g) { return g.first < x + n && g.first + g.second > x; });
    };
    std::printf("music starts %.3f s into the recording; %zu gaps\n", start, gaps.size());

    int pieces = 0, matched = 0, off = 0;
    for (double t = from; t < to; t += step) {
        double x = t, n = 0.25, gapsBefore = 0;
        while (x + 0.1 <= t + step && !clear(x, 0.1))
            x += 0.002;
        while (n > 0.1 && !clear(x, n))
            n -= 0.01;
        if (x + 0.1 > t + step)
            continue; // no stretch without a gap in this step
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
        const bool wrong = best >= 0.9 && (gain < 0.5 || gain > 2 || drift < -kSlack ||
                                           drift > gapsBefore + kSlack);
        std::printf("%6.2f s: soundtrack at %6.3f s, %+5.0f ms behind, gaps before %4.0f ms, "
                    "correlation %.3f, level %+.1f dB%s\n",
                    x, at, drift * 1000, gapsBefore * 1000, best, 20 * std::log10(gain),
                    wrong ? ": FAIL, off in level or place" : "");
        ++pieces;
        matched += best >= 0.9;
        off += wrong;
    }
    std::printf("%d of %d stretches are the soundtrack\n", matched, pieces);
    return off == 0 && matched >= 3 && matched >= pieces * 3 / 4 ? 0 : 1;
}
