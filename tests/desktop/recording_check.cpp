// Compares a recording of the demo's sound (raw 16-bit stereo at 44.1 kHz, from parec) with the
// soundtrack as the audio layer decodes it, at the place the show's clock gives.
//   recording_check DEMO_FOLDER OUTPUT RECORDING OPENING FROM TO [REACH]
// OUTPUT is what the demo printed with REROVUZ_TRACE set: when the music started, when each
// scene did with its show time, and when a lost sound device sounded again. The recording's
// first sound is the music's start (OPENING 0) or the OPENING-th sound on a device opened
// anew: the recording began before it, so that its times can be read on the demo's clock.
// Every half second from FROM to TO seconds after the music started, a stretch of 0.1 to 0.25 s
// clear of the server's gaps (the digital silence it plays while the demo is late) is looked
// up in the soundtrack. Exit 1 unless three quarters of them (a jump's crossfade may spoil
// one), and three at least, match (correlation 0.9) and each match is within 6 dB and where
// the show's clock had the music then, give or take kSlack. Each scene change in that time is
// reported with where the music was just after it. Stretches are looked for up to REACH
// seconds (default 0.6) either side of the show's clock. Exit 3 when the recording does not
// reach TO.
#include "music/music.h"
#include "platform/audio.h"

#include <algorithm>
#include <array>
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
// The music may stray a device buffer (93 ms) either way from the show's clock before a take
// jumps it back; the rest is the trace's and the server's jitter.
constexpr double kSlack = 0.15;

// The demo's trace: its times on the demo's counter, in seconds.
struct Trace {
    double music = -1;
    std::vector<std::pair<double, double>> scenes; // (start, show time)
    std::vector<double> openings;                  // sound again on a new device

    bool read(const char* path) {
        std::ifstream in(path);
        std::string line;
        double at, show;
        while (std::getline(in, line))
            if (std::sscanf(line.c_str(), "music starts at %lf s", &at) == 1)
                music = at;
            else if (std::sscanf(line.c_str(), "scene %*d (%*[^)]) starts at %lf s, show time %lf",
                                 &at, &show) == 2)
                scenes.push_back({at - music, show});
            else if (std::sscanf(line.c_str(), "INFO: SDL audio: sound again at %lf", &at) == 1)
                openings.push_back(at - music);
        return music >= 0;
    }
    // The show's time `x` seconds after the music started.
    double show(double x) const {
        double time = x; // the title counts from the music's start
        for (const auto& [start, first] : scenes)
            if (start <= x)
                time = first + x - start;
        return time;
    }
};

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
    Trace trace;
    if (argc != 7 && argc != 8)
        return 2;
    if (!trace.read(argv[2])) {
        std::printf("the music has not started yet\n");
        return 3;
    }
    const size_t opening = std::atoi(argv[4]);
    const double from = std::atof(argv[5]), to = std::atof(argv[6]);
    const double reach = argc == 8 ? std::atof(argv[7]) : 4 * kSlack;
    if (opening > trace.openings.size()) {
        std::printf("the sound came back %zu times\n", trace.openings.size());
        return 1;
    }
    std::ifstream file(argv[3], std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), {});
    std::vector<float> recorded(bytes.size() / 4 * 2);
    for (size_t i = 0; i < recorded.size(); ++i)
        recorded[i] = int16_t(uint8_t(bytes[2 * i]) | bytes[2 * i + 1] << 8) / 32768.0f;

    setenv("SDL_AUDIODRIVER", "dummy", 1); // decoded only, never played
    const std::string soundtrack = std::string(argv[1]) + "/" + kSoundtrackFile;
    const uint32_t stream = AudioInit(kRate) ? AudioStreamOpenFile(soundtrack.c_str()) : 0;
    std::vector<float> track(size_t(std::max<int64_t>(AudioStreamLength(stream), 0)) * 2);
    if (track.empty() || !AudioReadPcm(stream, 0, int(track.size() / 2), track.data()))
        return 2;
    const std::vector<float> rec = Decimated(recorded), ref = Decimated(track);
    const double rate = double(kRate) / kDecimate;

    // `start`: where the music started, in seconds into the recording. Sample-exact: the sound
    // server passes the samples through unchanged, after the same latency for every one.
    const size_t heard = FirstSound(recorded), lead = opening ? 0 : FirstSound(track);
    const double start =
        (double(heard) - double(lead)) / kRate - (opening ? trace.openings[opening - 1] : 0);
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

    // Where in the soundtrack the n seconds heard x seconds after the music's start fit best:
    // (correlation, place, gain).
    auto find = [&](double x, double n, double expected) {
        const float* piece = &rec[size_t((start + x) * rate)];
        const size_t len = size_t(n * rate);
        const double pe = std::inner_product(piece, piece + len, piece, 0.0);
        double best = -1, at = 0, gain = 0;
        for (long lag = std::lround(std::max(0.0, expected - reach) * rate);
             lag <= std::lround((expected + reach) * rate) && size_t(lag) + len <= ref.size();
             ++lag) {
            const float* match = &ref[lag];
            const double dot = std::inner_product(piece, piece + len, match, 0.0),
                         e = std::inner_product(match, match + len, match, 0.0);
            const double c = dot / std::sqrt(std::max(pe * e, 1e-24));
            if (c > best)
                best = c, at = lag / rate, gain = std::sqrt(pe / std::max(e, 1e-12));
        }
        return std::array<double, 3>{best, at, gain};
    };
    // The first stretch of 0.1 to 0.25 s clear of gaps starting in [t, t + 0.5): (start, length),
    // or a start past that window.
    auto stretch = [&](double t) {
        double x = t, n = 0.25;
        while (x + 0.1 <= t + 0.5 && !clear(x, 0.1))
            x += 0.002;
        while (n > 0.1 && !clear(x, n))
            n -= 0.01;
        return std::pair<double, double>{x, n};
    };
    // Where the music stands just after each scene change: on its new section (after a wait
    // if the pictures were late), within a device buffer.
    for (const auto& [change, show] : trace.scenes)
        if (const auto [x, n] = stretch(change);
            change >= from && change < to && x < change + 0.4) {
            const auto [c, at, gain] = find(x, n, trace.show(x));
            std::printf("scene change at %6.2f s (show %5.1f s): music at %6.3f s %+4.0f ms from "
                        "the show's clock, correlation %.3f\n",
                        change, show, at + change - x, (at - trace.show(x)) * 1000, c);
        }
    int pieces = 0, matched = 0, off = 0;
    for (double t = from; t < to; t += 0.5) {
        const auto [x, n] = stretch(t);
        if (x + 0.1 > t + 0.5)
            continue; // no stretch without a gap in this step
        const double expected = trace.show(x);
        const auto [best, at, gain] = find(x, n, expected);
        const bool wrong =
            best >= 0.9 && (gain < 0.5 || gain > 2 || std::fabs(at - expected) > kSlack);
        std::printf("%6.2f s: soundtrack at %6.3f s, the show's clock at %6.3f s (%+4.0f ms), "
                    "correlation %.3f, level %+.1f dB%s\n",
                    x, at, expected, (at - expected) * 1000, best, 20 * std::log10(gain),
                    wrong ? ": FAIL, off in level or place" : "");
        ++pieces;
        matched += best >= 0.9;
        off += wrong;
    }
    std::printf("%d of %d stretches are the soundtrack\n", matched, pieces);
    return off == 0 && matched >= 3 && matched >= pieces * 3 / 4 ? 0 : 1;
}
