// Compares a recording of the demo's sound (raw 16-bit stereo at 44.1 kHz, as parec writes
// it from a sound server's monitor) with the soundtrack as the audio layer decodes it.
//
//   recording_check RECORDING SOUNDTRACK_MP3 FROM TO STEP
//
// Finds where the music starts in the recording (its first sound), then, for a stretch without a
// gap (0.1 to 0.25 s) in every STEP seconds from FROM to TO seconds after that start, where in
// the soundtrack it comes from. Prints the sound server's gaps (the digital silence it plays while
// the demo is late) and the drift (how far the music is behind the recording's own clock) and fails
// when:
// - nothing of the soundtrack is heard;
// - fewer than three quarters of the stretches (or fewer than three) are the soundtrack
//   (normalised correlation 0.9 or more), or one comes through more than 6 dB louder or
//   quieter than the file has it;
// - a stretch comes from the wrong place: more than the gaps heard so far behind, or ahead,
//   by more than kSlack. The music falls behind by what the gaps held back unless the audio
//   layer moves it on to the clock, and then it may stand up to one device buffer (at most
//   4096 samples, 93 ms) from the clock either way.
#include "platform/audio.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace {
constexpr int kRate = 44100;
constexpr int kDecimate = 4; // matched at 11025 Hz, ample for a 10 ms tolerance
constexpr double kSlack = 0.1;
constexpr double kStretch = 0.25, kShortest = 0.1;

// Mono (left + right) / 2, averaged over kDecimate samples.
std::vector<float> Decimated(const std::vector<float>& stereo) {
    std::vector<float> out(stereo.size() / 2 / kDecimate);
    for (size_t i = 0; i < out.size(); ++i) {
        float sum = 0;
        for (int k = 0; k < 2 * kDecimate; ++k)
            sum += stereo[i * 2 * kDecimate + k];
        out[i] = sum / (2 * kDecimate);
    }
    return out;
}

struct Match {
    double at = 0; // seconds into `in`
    double correlation = -1;
};

// Where in `in`, between `from` and `to` seconds, the piece `piece` fits best.
Match FindIn(const std::vector<float>& in, const float* piece, size_t n, double from, double to) {
    const double rate = double(kRate) / kDecimate;
    const long first = std::max(0L, std::lround(from * rate));
    const long last = std::min(long(in.size()) - long(n), std::lround(to * rate));
    double pieceEnergy = 0;
    for (size_t i = 0; i < n; ++i)
        pieceEnergy += double(piece[i]) * piece[i];
    Match best;
    if (last < first || pieceEnergy <= 0)
        return best;
    double energy = 0;
    for (size_t i = 0; i < n; ++i)
        energy += double(in[first + i]) * in[first + i];
    for (long lag = first; lag <= last; ++lag) {
        if (lag > first) {
            energy += double(in[lag + n - 1]) * in[lag + n - 1] - double(in[lag - 1]) * in[lag - 1];
        }
        double dot = 0;
        for (size_t i = 0; i < n; ++i)
            dot += double(piece[i]) * in[lag + i];
        const double c = dot / std::sqrt(pieceEnergy * std::max(energy, 1e-12));
        if (c > best.correlation) {
            best.correlation = c;
            best.at = lag / rate;
        }
    }
    return best;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s RECORDING SOUNDTRACK_MP3 FROM TO STEP\n", argv[0]);
        return 2;
    }
    const double from = std::atof(argv[3]), to = std::atof(argv[4]), step = std::atof(argv[5]);

    std::vector<float> recorded;
    {
        std::ifstream file(argv[1], std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(file)), {});
        recorded.resize(bytes.size() / 4 * 2);
        for (size_t i = 0; i < recorded.size(); ++i) {
            int16_t s;
            std::copy_n(&bytes[i * 2], 2, reinterpret_cast<char*>(&s));
            recorded[i] = s / 32768.0f;
        }
    }
    // The audio layer decodes the file as the demo hears it; no sound is played here.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (!AudioInit(kRate)) {
        std::fprintf(stderr, "no audio device to decode with\n");
        return 2;
    }
    const uint32_t stream = AudioStreamOpenFile(argv[2]);
    const int64_t length = AudioStreamLength(stream);
    if (length <= 0) {
        std::fprintf(stderr, "cannot read %s\n", argv[2]);
        return 2;
    }
    std::vector<float> track(static_cast<size_t>(length) * 2);
    AudioReadPcm(stream, 0, static_cast<int>(length), track.data());
    const std::vector<float> rec = Decimated(recorded), ref = Decimated(track);
    const double rate = double(kRate) / kDecimate;
    const double recSeconds = rec.size() / rate;

    // The music starts where the first sound is, less the time the soundtrack takes to reach
    // the same level (sample-exact: the sound server passes the samples through unchanged).
    auto firstLoud = [](const std::vector<float>& stereo) {
        size_t i = 0;
        while (i < stereo.size() && std::fabs(stereo[i]) < 0.002f)
            ++i;
        return i / 2;
    };
    const size_t heard = firstLoud(recorded), lead = firstLoud(track);
    if (heard == recorded.size() / 2 || heard < lead) {
        std::printf("nothing of the soundtrack is heard in the recording (%.1f s) yet\n",
                    recSeconds);
        return 3;
    }
    Match start;
    start.at = double(heard - lead) / kRate;
    // The opening itself, for the record: gaps at the very start lower it.
    start.correlation =
        FindIn(rec, ref.data(), static_cast<size_t>(rate), start.at, start.at).correlation;
    std::printf("music starts %.3f s into the recording (opening second's correlation %.3f)\n",
                start.at, start.correlation);
    if (start.at + to > recSeconds) {
        std::printf("the recording does not reach %.1f s after the start yet\n", to);
        return 3;
    }
    bool ok = true;
    // Gaps: runs of digital silence of 2 ms or more, while the music should be sounding
    // (its last 5 s, the closing chord's fade, are left out).
    const size_t s0 = static_cast<size_t>(start.at * kRate);
    const size_t scanEnd = std::min(recorded.size() / 2,
                                    s0 + static_cast<size_t>((length / double(kRate) - 5) * kRate));
    std::vector<std::pair<double, double>> gaps; // recording time, length
    for (size_t i = s0, run = 0; i < scanEnd; ++i) {
        const bool silent = recorded[2 * i] == 0 && recorded[2 * i + 1] == 0;
        if (silent)
            ++run;
        if ((!silent || i + 1 == scanEnd) && run > 0) {
            if (run >= static_cast<size_t>(0.002 * kRate))
                gaps.push_back({(i - run) / double(kRate) - start.at, run / double(kRate)});
            run = 0;
        }
    }
    double gapTotal = 0, gapLongest = 0;
    for (const auto& g : gaps) {
        gapTotal += g.second;
        gapLongest = std::max(gapLongest, g.second);
    }
    std::printf("gaps: %zu, %.0f ms in all, longest %.0f ms\n", gaps.size(), gapTotal * 1000,
                gapLongest * 1000);
    for (const auto& g : gaps)
        std::printf("  gap at %.3f s after the start: %.1f ms\n", g.first, g.second * 1000);

    double lastDrift = 0, lastAt = 0;
    int matched = 0, pieces = 0;
    for (double step0 = from; step0 < to; step0 += step) {
        // The first stretch in this step with no gap in it, a quarter of a second long where
        // the gaps leave room, at least a tenth (on a busy machine they come many a second).
        const double stepEnd = std::min(step0 + step, to);
        double x = step0, length = 0, gapsBefore = 0;
        while (x + kShortest <= stepEnd) {
            double next = x; // where to look next: past the first gap that cuts this short
            length = std::min(kStretch, to - x);
            gapsBefore = 0;
            for (const auto& g : gaps) {
                if (g.first + g.second <= x) {
                    gapsBefore += g.second;
                } else if (g.first < x + length) {
                    length = std::max(0.0, g.first - x);
                    next = g.first + g.second;
                    break; // gaps are in order: the rest start later
                }
            }
            if (length >= kShortest)
                break;
            x = std::max(next, x + 0.001);
        }
        if (length < kShortest || x + kShortest > stepEnd) {
            std::printf("%6.2f s after the start: no stretch without a gap\n", step0);
            continue;
        }
        const double r = start.at + x;
        const size_t n = static_cast<size_t>(length * rate);
        const float* piece = &rec[static_cast<size_t>(r * rate)];
        const Match m = FindIn(ref, piece, n, x - gapsBefore - 2 * kSlack, x + 2 * kSlack);
        const double drift = x - m.at;
        double level = 0, refLevel = 0;
        const float* match = &ref[static_cast<size_t>(m.at * rate)];
        for (size_t i = 0; i < n; ++i) {
            level += double(piece[i]) * piece[i];
            refLevel += double(match[i]) * match[i];
        }
        const double gain = std::sqrt(level / std::max(refLevel, 1e-12));
        std::printf("%6.2f s after the start: soundtrack at %6.3f s, %+5.0f ms behind, "
                    "gaps before %4.0f ms, correlation %.3f, level %+.1f dB\n",
                    x, m.at, drift * 1000, gapsBefore * 1000, m.correlation, 20 * std::log10(gain));
        ++pieces;
        if (m.correlation < 0.9)
            continue; // counted below
        ++matched;
        lastDrift = drift;
        lastAt = x;
        if (gain < 0.5 || gain > 2) {
            // Played at full volume, the stream should come through within 6 dB.
            std::printf("FAIL: the soundtrack is played %.1f dB off at %.2f s\n",
                        20 * std::log10(gain), x);
            ok = false;
        } else if (drift < -kSlack || drift > gapsBefore + kSlack) {
            std::printf("FAIL: the soundtrack is out of place at %.2f s\n", x);
            ok = false;
        }
    }
    // A stretch between gaps may still hold a skip too short to see as a gap; most must match.
    std::printf("%d of %d stretches are the soundtrack\n", matched, pieces);
    if (matched < 3 || matched < pieces * 3 / 4) {
        std::printf("FAIL: too few stretches are the soundtrack\n");
        ok = false;
    }
    std::printf("drift at %.1f s: %.0f ms\n", lastAt, lastDrift * 1000);
    return ok ? 0 : 1;
}
