// Oscillators, filters, envelopes, instruments and effects of the soundtrack. Everything is
// computed sample by sample in a fixed order, so the same score gives the same samples.
#include "synth.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

size_t SampleAt(double time) {
    return static_cast<size_t>(std::llround(time * kSampleRate));
}

// Zavalishin's topology-preserving state-variable filter; low, band and high outputs.
struct Svf {
    double ic1 = 0, ic2 = 0;
    double g = 0, k = 1, a1 = 0, a2 = 0, a3 = 0;
    double low = 0, band = 0, high = 0;
    void set(double cutoff, double q) {
        cutoff = std::clamp(cutoff, 10.0, kSampleRate * 0.45);
        g = std::tan(kPi * cutoff / kSampleRate);
        k = 1.0 / q;
        a1 = 1.0 / (1.0 + g * (g + k));
        a2 = g * a1;
        a3 = g * a2;
    }
    void process(double v0) {
        double v3 = v0 - ic2;
        double v1 = a1 * ic1 + a2 * v3;
        double v2 = ic2 + a2 * ic1 + a3 * v3;
        ic1 = 2 * v1 - ic1;
        ic2 = 2 * v2 - ic2;
        low = v2;
        band = v1;
        high = v0 - k * v1 - v2;
    }
};

// Correction that takes the alias-causing corner out of a naive saw or square (PolyBLEP).
double PolyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

struct Saw {
    double phase = 0;
    double next(double freq) {
        double dt = freq / kSampleRate;
        double v = 2.0 * phase - 1.0 - PolyBlep(phase, dt);
        phase += dt;
        if (phase >= 1.0)
            phase -= 1.0;
        return v;
    }
};

struct Pulse {
    double phase = 0;
    double next(double freq, double width) {
        double dt = freq / kSampleRate;
        double v = phase < width ? 1.0 : -1.0;
        v += PolyBlep(phase, dt);
        double shifted = phase - width;
        if (shifted < 0)
            shifted += 1.0;
        v -= PolyBlep(shifted, dt);
        phase += dt;
        if (phase >= 1.0)
            phase -= 1.0;
        return v;
    }
};

// Equal-power pan, -1 left to +1 right.
void PanGains(float pan, float& left, float& right) {
    double angle = (pan + 1.0) * kPi / 4.0;
    left = static_cast<float>(std::cos(angle) * std::sqrt(2.0));
    right = static_cast<float>(std::sin(angle) * std::sqrt(2.0));
}

void Put(StereoBuffer& out, size_t i, double v, float left, float right) {
    if (i >= out.frames())
        return;
    out.left[i] += static_cast<float>(v * left);
    out.right[i] += static_cast<float>(v * right);
}

// Attack / decay-to-sustain / release envelope; t in seconds from the note's start.
double Adsr(double t, double length, double attack, double decay, double sustain, double release) {
    double level;
    if (t < attack)
        level = t / attack;
    else
        level = sustain + (1.0 - sustain) * std::exp(-(t - attack) / decay);
    if (t > length) {
        double atRelease = length < attack
                               ? length / attack
                               : sustain + (1.0 - sustain) * std::exp(-(length - attack) / decay);
        return atRelease * std::exp(-(t - length) / release);
    }
    return level;
}
} // namespace

void StereoBuffer::mix(const StereoBuffer& other, float gain) {
    size_t n = std::min(frames(), other.frames());
    for (size_t i = 0; i < n; ++i) {
        left[i] += other.left[i] * gain;
        right[i] += other.right[i] * gain;
    }
}

double NoteFrequency(double midi) {
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

void AddKick(StereoBuffer& out, double time, float gain) {
    // A sine falling from 230 Hz to 50 Hz within a few tens of milliseconds, driven into a
    // soft clip whose odd harmonics (around 150 and 250 Hz) carry the beat into the low
    // spectrum bands the visuals follow.
    size_t start = SampleAt(time);
    const size_t length = SampleAt(0.42);
    double phase = 0;
    for (size_t n = 0; n < length; ++n) {
        double t = static_cast<double>(n) / kSampleRate;
        double freq = 50.0 + 180.0 * std::exp(-t / 0.028);
        phase += kTwoPi * freq / kSampleRate;
        double env = std::min(1.0, t / 0.0015) * std::exp(-t / 0.16);
        double body = std::tanh(2.2 * std::sin(phase) * env) / std::tanh(2.2);
        double click = std::sin(phase * 7.3) * std::exp(-t / 0.004) * 0.25;
        // The beater's knock, a damped 430 Hz tone: the beat in the band above the bass.
        double knock = std::sin(kTwoPi * 430.0 * t) * std::exp(-t / 0.035) * 0.45;
        Put(out, start + n, (body + click + knock) * gain, 1.0f, 1.0f);
    }
}

void AddSnare(StereoBuffer& out, double time, float gain, Pcg32& noise) {
    size_t start = SampleAt(time);
    const size_t length = SampleAt(0.3);
    Svf band;
    band.set(2400.0, 0.7);
    double phase = 0;
    for (size_t n = 0; n < length; ++n) {
        double t = static_cast<double>(n) / kSampleRate;
        band.process(noise.bipolar());
        phase += kTwoPi * (185.0 + 40.0 * std::exp(-t / 0.01)) / kSampleRate;
        double tone = std::sin(phase) * std::exp(-t / 0.05) * 0.6;
        double rattle = (band.band * 1.6 + band.high * 0.3) * std::exp(-t / 0.09);
        Put(out, start + n, (tone + rattle) * gain * std::min(1.0, t / 0.001), 1.0f, 1.0f);
    }
}

void AddClap(StereoBuffer& out, double time, float gain, Pcg32& noise) {
    size_t start = SampleAt(time);
    const size_t length = SampleAt(0.35);
    Svf band;
    band.set(1300.0, 1.2);
    for (size_t n = 0; n < length; ++n) {
        double t = static_cast<double>(n) / kSampleRate;
        // Three quick slaps, then the tail.
        double env = 0;
        for (double at : {0.0, 0.011, 0.022})
            if (t >= at)
                env = std::max(env, std::exp(-(t - at) / 0.006));
        if (t >= 0.03)
            env = std::max(env, 0.7 * std::exp(-(t - 0.03) / 0.11));
        band.process(noise.bipolar());
        double v = band.band * 2.2 * env * gain;
        Put(out, start + n, v, 0.9f, 1.1f);
    }
}

void AddHat(StereoBuffer& out, double time, float gain, bool open, float pan, Pcg32& noise) {
    size_t start = SampleAt(time);
    double decay = open ? 0.16 : 0.028;
    const size_t length = SampleAt(decay * 6);
    Svf high;
    high.set(8000.0, 0.9);
    float l, r;
    PanGains(pan, l, r);
    for (size_t n = 0; n < length; ++n) {
        double t = static_cast<double>(n) / kSampleRate;
        high.process(noise.bipolar());
        Put(out, start + n, high.high * std::exp(-t / decay) * gain, l, r);
    }
}

void AddCrash(StereoBuffer& out, double time, float gain, Pcg32& noise) {
    size_t start = SampleAt(time);
    const size_t length = SampleAt(2.5);
    Svf leftFilter, rightFilter;
    leftFilter.set(5500.0, 0.6);
    rightFilter.set(6100.0, 0.6);
    for (size_t n = 0; n < length; ++n) {
        double t = static_cast<double>(n) / kSampleRate;
        double env = std::min(1.0, t / 0.002) * std::exp(-t / 0.55);
        leftFilter.process(noise.bipolar());
        rightFilter.process(noise.bipolar());
        if (start + n < out.frames()) {
            out.left[start + n] += static_cast<float>(leftFilter.high * env * gain);
            out.right[start + n] += static_cast<float>(rightFilter.high * env * gain);
        }
    }
}

void AddRiser(StereoBuffer& out, double start, double end, float gain, Pcg32& noise) {
    size_t first = SampleAt(start), last = SampleAt(end);
    Svf filter;
    for (size_t i = first; i < last && i < out.frames(); ++i) {
        double u = static_cast<double>(i - first) / (last - first);
        if ((i - first) % 16 == 0)
            filter.set(300.0 * std::pow(30.0, u), 2.5);
        filter.process(noise.bipolar());
        double v = filter.band * u * u * gain;
        // Widens as it rises.
        out.left[i] += static_cast<float>(v * (1.0 - 0.3 * u * std::sin(i * 0.0007)));
        out.right[i] += static_cast<float>(v * (1.0 + 0.3 * u * std::sin(i * 0.0007)));
    }
}

void AddBass(StereoBuffer& out, double time, double length, double midi, float gain) {
    // Two saws an octave apart through a resonant low-pass that snaps shut: a short, round
    // pluck whose partials fill the 86 to 430 Hz bands on the beat, then fall away before
    // the next one.
    size_t start = SampleAt(time);
    const double release = 0.05;
    size_t total = SampleAt(length + release * 6);
    double freq = NoteFrequency(midi);
    Saw low, high;
    Svf filter;
    for (size_t n = 0; n < total; ++n) {
        double t = static_cast<double>(n) / kSampleRate;
        if (n % 8 == 0)
            filter.set(140.0 + 1100.0 * std::exp(-t / 0.07), 1.4);
        double osc = low.next(freq) * 0.7 + high.next(freq * 2.0 * 1.003) * 0.25 +
                     std::sin(kTwoPi * freq * t) * 0.5;
        filter.process(osc);
        double env = Adsr(t, length, 0.003, 0.12, 0.35, release);
        Put(out, start + n, std::tanh(filter.low * 1.3) * env * gain, 1.0f, 1.0f);
    }
}

void AddPad(StereoBuffer& out, double time, double length, const std::vector<int>& midi, float gain,
            float brightness) {
    // Per note three detuned saws spread across the stereo field, low-passed for warmth and
    // high-passed at 380 Hz so that the bands up to 430 Hz beat with the kick and the bass.
    size_t start = SampleAt(time);
    const double release = 0.6;
    size_t total = SampleAt(length + release * 5);
    const double detune[3] = {-0.11, 0.0, 0.12};
    const float pans[3] = {-0.7f, 0.0f, 0.7f};
    float panL[3], panR[3];
    for (int s = 0; s < 3; ++s)
        PanGains(pans[s], panL[s], panR[s]);
    std::vector<float> envelope(total);
    for (size_t n = 0; n < total; ++n)
        envelope[n] = static_cast<float>(
            Adsr(static_cast<double>(n) / kSampleRate, length, 0.25, 0.8, 0.75, release) * gain /
            3.0);
    for (size_t v = 0; v < midi.size(); ++v) {
        double freqs[3];
        Saw saws[3];
        for (int s = 0; s < 3; ++s) {
            freqs[s] = NoteFrequency(midi[v] + detune[s]);
            saws[s].phase = std::fmod(0.31 * (v * 3 + s), 1.0);
        }
        Svf lowL, lowR, highL, highR;
        highL.set(380.0, 0.7);
        highR.set(380.0, 0.7);
        for (size_t n = 0; n < total && start + n < out.frames(); ++n) {
            double t = static_cast<double>(n) / kSampleRate;
            if (n % 32 == 0) {
                double cutoff = 600.0 + 2600.0 * brightness + 400.0 * std::sin(t * 1.7 + v);
                lowL.set(cutoff, 0.8);
                lowR.set(cutoff * 1.05, 0.8);
            }
            double l = 0, r = 0;
            for (int s = 0; s < 3; ++s) {
                double x = saws[s].next(freqs[s]);
                l += x * panL[s];
                r += x * panR[s];
            }
            double env = envelope[n];
            lowL.process(l);
            lowR.process(r);
            highL.process(lowL.low);
            highR.process(lowR.low);
            out.left[start + n] += static_cast<float>(highL.high * env);
            out.right[start + n] += static_cast<float>(highR.high * env);
        }
    }
}

void AddLead(StereoBuffer& out, double time, double length, double midi, float gain) {
    // A pulse with a slowly moving width and delayed vibrato, softened by a low-pass.
    size_t start = SampleAt(time);
    const double release = 0.08;
    size_t total = SampleAt(length + release * 6);
    double freq = NoteFrequency(midi);
    Pulse pulse;
    Saw saw;
    Svf filter;
    for (size_t n = 0; n < total; ++n) {
        double t = static_cast<double>(n) / kSampleRate;
        double vibrato = 1.0 + 0.004 * std::sin(kTwoPi * 5.5 * t) * std::min(1.0, t / 0.35);
        double f = freq * vibrato;
        if (n % 16 == 0)
            filter.set(1200.0 + 2800.0 * std::exp(-t / 0.25), 1.1);
        double osc =
            pulse.next(f, 0.5 + 0.2 * std::sin(kTwoPi * 0.8 * t)) * 0.6 + saw.next(f * 1.004) * 0.4;
        filter.process(osc);
        double env = Adsr(t, length, 0.01, 0.2, 0.7, release);
        Put(out, start + n, filter.low * env * gain, 1.0f, 1.0f);
    }
}

void AddBell(StereoBuffer& out, double time, double midi, float gain, float pan) {
    // Two-operator FM with an inharmonic ratio and a quickly falling index: a glassy pluck.
    size_t start = SampleAt(time);
    size_t total = SampleAt(1.2);
    double freq = NoteFrequency(midi);
    float l, r;
    PanGains(pan, l, r);
    for (size_t n = 0; n < total; ++n) {
        double t = static_cast<double>(n) / kSampleRate;
        double index = 2.2 * std::exp(-t / 0.12);
        double modulator = std::sin(kTwoPi * freq * 3.5 * t) * index;
        double v =
            std::sin(kTwoPi * freq * t + modulator) * std::exp(-t / 0.3) * std::min(1.0, t / 0.002);
        Put(out, start + n, v * gain, l, r);
    }
}

void Duck(StereoBuffer& buffer, const std::vector<double>& kicks, float depth, double release) {
    std::vector<size_t> at;
    for (double k : kicks)
        at.push_back(SampleAt(k));
    std::sort(at.begin(), at.end());
    size_t next = 0;
    size_t last = static_cast<size_t>(-1);
    for (size_t i = 0; i < buffer.frames(); ++i) {
        while (next < at.size() && at[next] <= i)
            last = at[next++];
        if (last == static_cast<size_t>(-1))
            continue;
        double t = static_cast<double>(i - last) / kSampleRate;
        // A 5 ms dip, then an exponential recovery.
        double dip = t < 0.005 ? t / 0.005 : 1.0;
        double g = 1.0 - depth * dip * std::exp(-std::max(0.0, t - 0.005) / release);
        if (t < 0.005)
            g = 1.0 - depth * dip;
        buffer.left[i] *= static_cast<float>(g);
        buffer.right[i] *= static_cast<float>(g);
    }
}

StereoBuffer PingPong(const StereoBuffer& in, double delay, float feedback) {
    StereoBuffer wet(in.frames());
    size_t d = SampleAt(delay);
    std::vector<float> lineL(d, 0.0f), lineR(d, 0.0f);
    size_t pos = 0;
    Svf toneL, toneR;
    toneL.set(3500.0, 0.7);
    toneR.set(3500.0, 0.7);
    for (size_t i = 0; i < in.frames(); ++i) {
        float outL = lineL[pos], outR = lineR[pos];
        wet.left[i] = outL;
        wet.right[i] = outR;
        // The left echo feeds the right and back; the input enters on the left.
        toneL.process(outR * feedback + (in.left[i] + in.right[i]) * 0.5f);
        toneR.process(outL * feedback);
        lineL[pos] = static_cast<float>(toneL.low);
        lineR[pos] = static_cast<float>(toneR.low);
        pos = (pos + 1) % d;
    }
    return wet;
}

namespace {
struct Comb {
    std::vector<float> line;
    size_t pos = 0;
    float store = 0;
    float process(float x, float feedback, float damp) {
        float y = line[pos];
        store = y * (1 - damp) + store * damp;
        line[pos] = x + store * feedback;
        pos = (pos + 1) % line.size();
        return y;
    }
};
struct Allpass {
    std::vector<float> line;
    size_t pos = 0;
    float process(float x) {
        float b = line[pos];
        float y = -x + b;
        line[pos] = x + b * 0.5f;
        pos = (pos + 1) % line.size();
        return y;
    }
};
} // namespace

StereoBuffer Reverb(const StereoBuffer& in, float roomSize, float damping) {
    // Comb and allpass lengths in samples at 44.1 kHz; the right side is 23 samples longer
    // to decorrelate the channels.
    const int combs[8] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    const int allpasses[4] = {556, 441, 341, 225};
    StereoBuffer wet(in.frames());
    for (int side = 0; side < 2; ++side) {
        int spread = side * 23;
        std::vector<Comb> c(8);
        std::vector<Allpass> a(4);
        for (int i = 0; i < 8; ++i)
            c[i].line.assign(combs[i] + spread, 0.0f);
        for (int i = 0; i < 4; ++i)
            a[i].line.assign(allpasses[i] + spread, 0.0f);
        float feedback = 0.7f + 0.28f * roomSize;
        std::vector<float>& out = side ? wet.right : wet.left;
        for (size_t n = 0; n < in.frames(); ++n) {
            float x = (in.left[n] + in.right[n]) * 0.015f;
            float sum = 0;
            for (auto& comb : c)
                sum += comb.process(x, feedback, damping);
            for (auto& ap : a)
                sum = ap.process(sum);
            out[n] = sum;
        }
    }
    return wet;
}

void Limit(StereoBuffer& buffer, float ceiling) {
    // The gain each sample needs on its own; the least of those over the look-ahead window;
    // a smooth release; and a moving average over the window, which starts the fall early
    // enough that every peak is already down to the ceiling when it arrives.
    const size_t window = SampleAt(0.002);
    const double release = std::exp(-1.0 / (0.08 * kSampleRate));
    size_t n = buffer.frames();
    std::vector<double> need(n), gain(n);
    for (size_t i = 0; i < n; ++i) {
        float peak = std::max(std::fabs(buffer.left[i]), std::fabs(buffer.right[i]));
        need[i] = peak > ceiling ? ceiling / peak : 1.0;
    }
    double released = 1.0;
    for (size_t i = 0; i < n; ++i) {
        double held = 1.0;
        for (size_t j = i; j < std::min(n, i + window + 1); ++j)
            held = std::min(held, need[j]);
        released = held < released ? held : held + (released - held) * release;
        gain[i] = released;
    }
    double sum = 0.0;
    for (size_t i = 0; i < n; ++i) {
        sum += gain[i];
        if (i > window)
            sum -= gain[i - window - 1];
        double g = sum / static_cast<double>(std::min(i + 1, window + 1));
        double limit = ceiling;
        buffer.left[i] = static_cast<float>(std::clamp(buffer.left[i] * g, -limit, limit));
        buffer.right[i] = static_cast<float>(std::clamp(buffer.right[i] * g, -limit, limit));
    }
}
