// The arrangement, in beats of half a second (120 beats a minute), sections on the scene
// changes: an intro over the title (beats 0-6), a groove (6-36), the full piece with the tune
// (36-76), a breakdown without kick or bass (76-104), and the finale (104-132) with its
// closing chord (132) fading out inside the credits, silent a second before they end (140).
#include "soundtrack.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {
constexpr double kBeat = 0.5; // seconds

// Sections start on the scene changes. The parts below are written for these lengths (in
// beats: groove 30, full piece 40, breakdown 28, finale with credits 36).
constexpr int SceneBeat(int scene) {
    return static_cast<int>(SceneStartSeconds(scene) / kBeat);
}
constexpr int kGroove = SceneBeat(1);
constexpr int kFull = SceneBeat(2);
constexpr int kBreakdown = SceneBeat(3);
constexpr int kFinale = SceneBeat(4);
constexpr int kEnd = SceneBeat(5);
static_assert(kGroove * kBeat == SceneStartSeconds(1) &&
                  kEnd * kBeat == SceneStartSeconds(kSceneNum),
              "scene changes fall on beats");
static_assert(kFull - kGroove == 30 && kBreakdown - kFull == 40 && kFinale - kBreakdown == 28 &&
                  kEnd - kFinale == 36,
              "the arrangement fits the scene lengths");
// The closing chord, two bars before the credits end: it rings for a bar and a half, then
// fades to silence half a second before the last frame.
constexpr int kClosing = kEnd - 8;
constexpr double kFadeFrom = (kClosing + 3) * kBeat, kFadeSeconds = 2.0;
static_assert(kFadeFrom + kFadeSeconds <= SceneStartSeconds(kSceneNum) - 0.5,
              "silent before the end");

struct Chord {
    std::vector<int> pad; // MIDI notes
    int bass;
};
const Chord kFm = {{65, 68, 72, 77}, 41};
const Chord kDb = {{65, 68, 73, 77}, 37};
const Chord kAb = {{63, 68, 72, 75}, 44};
const Chord kEb = {{63, 67, 70, 75}, 39};
const Chord kC = {{64, 67, 72, 76}, 36};
const Chord kBbm = {{65, 70, 73, 77}, 34};
const Chord kCm = {{63, 67, 72, 75}, 36};

struct ChordSpan {
    double beat, length;
    const Chord* chord;
    float brightness;
};

struct Note {
    double beat, length;
    int midi;
};

// The tune: a four-bar phrase over F minor, D flat, A flat and E flat, and its answer.
const std::vector<Note> kPhrase = {
    {0, 1.5, 72},   {1.5, 0.5, 77}, {2, 1, 80},   {3, 0.5, 79},   {3.5, 0.5, 77}, {4, 1.5, 80},
    {5.5, 0.5, 77}, {6, 1, 77},     {7, 0.5, 75}, {7.5, 0.5, 77}, {8, 1.5, 75},   {9.5, 0.5, 72},
    {10, 1, 75},    {11, 1, 80},    {12, 2, 79},  {14, 1, 82},    {15, 0.5, 79},  {15.5, 0.5, 75}};
const std::vector<Note> kAnswerEnd = {{12, 1, 79}, {13, 1, 80}, {14, 1, 82}, {15, 1, 84}};

std::vector<Note> Shifted(const std::vector<Note>& notes, double beat, int transpose = 0) {
    std::vector<Note> out;
    for (const Note& n : notes)
        out.push_back({n.beat + beat, n.length, n.midi + transpose});
    return out;
}

std::vector<Note> Answer(double beat) {
    std::vector<Note> out;
    for (const Note& n : kPhrase)
        if (n.beat < 12)
            out.push_back({n.beat + beat, n.length, n.midi});
    for (const Note& n : kAnswerEnd)
        out.push_back({n.beat + beat, n.length, n.midi});
    return out;
}

void Append(std::vector<Note>& to, const std::vector<Note>& notes) {
    to.insert(to.end(), notes.begin(), notes.end());
}

const Chord* ChordAt(const std::vector<ChordSpan>& spans, double beat) {
    for (const ChordSpan& s : spans)
        if (beat >= s.beat && beat < s.beat + s.length)
            return s.chord;
    return &kFm;
}

double Seconds(double beat) {
    return beat * kBeat;
}

bool InGroove(double beat) {
    return (beat >= kGroove && beat < kBreakdown) || (beat >= kFinale && beat < kClosing);
}
} // namespace

StereoBuffer ComposeSoundtrack() {
    const size_t frames = static_cast<size_t>(kSoundtrackSeconds * kSampleRate);
    std::vector<ChordSpan> chords = {{0, kGroove, &kFm, 0.1f}};
    auto progression = [&](double from, std::initializer_list<const Chord*> list, float bright) {
        for (const Chord* c : list) {
            chords.push_back({from, 4, c, bright});
            from += 4;
        }
    };
    progression(kGroove, {&kFm, &kDb, &kAb, &kEb, &kFm, &kDb, &kAb}, 0.3f);
    chords.push_back({kFull - 2, 2, &kEb, 0.3f});
    progression(kFull, {&kFm, &kDb, &kAb, &kEb, &kFm, &kDb, &kAb, &kEb, &kBbm, &kC}, 0.5f);
    progression(kBreakdown, {&kDb, &kEb, &kCm, &kFm, &kDb, &kEb, &kC}, 0.75f);
    // The finale: the phrase, the opening of its answer, and a bar on C into the last chord.
    progression(kFinale, {&kFm, &kDb, &kAb, &kEb, &kFm, &kDb, &kC}, 0.6f);

    Pcg32 noise(0x5eed5);
    StereoBuffer drums(frames), bass(frames), music(frames), send(frames), echo(frames);

    // Drums.
    std::vector<double> kicks;
    for (int b = kGroove; b < kClosing; ++b)
        if (InGroove(b))
            kicks.push_back(Seconds(b));
    kicks.push_back(Seconds(kClosing));
    for (double k : kicks)
        AddKick(drums, k, 0.85f);
    for (int b = kGroove; b < kClosing; ++b) {
        if (!InGroove(b))
            continue;
        bool full = b >= kFull;
        int inBar = (b - (b < kFull ? kGroove : (b < kFinale ? kFull : kFinale))) % 4;
        if ((full || b >= kGroove + 16) && (inBar == 1 || inBar == 3)) {
            AddClap(drums, Seconds(b), full ? 0.42f : 0.3f, noise);
            if (full) {
                AddSnare(drums, Seconds(b), 0.28f, noise);
                AddSnare(send, Seconds(b), 0.12f, noise);
            }
        }
        if (full) {
            for (int s = 0; s < 4; ++s) {
                float accent = s == 2 ? 0.3f : (s == 0 ? 0.18f : 0.12f);
                AddHat(drums, Seconds(b + s * 0.25), accent, s == 2, s % 2 ? 0.3f : -0.2f, noise);
            }
        } else {
            AddHat(drums, Seconds(b + 0.5), 0.26f, false, 0.25f, noise);
        }
    }
    // Fills into the next section: sixteenth snares growing louder.
    for (int i = 0; i < 8; ++i) {
        AddSnare(drums, Seconds(kFull - 2 + i * 0.25), 0.08f + 0.03f * i, noise);
        AddSnare(drums, Seconds(kBreakdown - 2 + i * 0.25), 0.08f + 0.03f * i, noise);
    }
    // The breakdown's build-up: eighths, then sixteenths, then thirty-seconds.
    for (double b = kFinale - 8; b < kFinale;
         b += (b < kFinale - 4 ? 0.5 : (b < kFinale - 2 ? 0.25 : 0.125))) {
        float level = static_cast<float>(0.05 + 0.3 * (b - (kFinale - 8)) / 8.0);
        AddSnare(drums, Seconds(b), level, noise);
        AddSnare(send, Seconds(b), level * 0.5f, noise);
    }
    AddRiser(drums, Seconds(kFull - 8), Seconds(kFull), 0.35f, noise);
    AddRiser(drums, Seconds(kFinale - 8), Seconds(kFinale), 0.55f, noise);
    for (int b : {kGroove, kFull, kFull + 20, kBreakdown, kFinale, kFinale + 16, kClosing})
        AddCrash(drums, Seconds(b), b == kBreakdown ? 0.22f : 0.35f, noise);
    // The intro swells into the first downbeat.
    AddRiser(drums, Seconds(1), Seconds(kGroove), 0.3f, noise);

    // Bass: a pluck on every beat of the groove with the chord's root, and a quiet octave
    // answer on the last sixteenth of the beat in the full sections.
    for (int b = kGroove; b < kClosing; ++b) {
        if (!InGroove(b))
            continue;
        const Chord* c = ChordAt(chords, b);
        AddBass(bass, Seconds(b), 0.22, c->bass, 0.42f);
        if (b >= kFull)
            AddBass(bass, Seconds(b + 0.75), 0.06, c->bass + 12, 0.16f);
    }
    AddBass(bass, Seconds(kClosing), 2.2, 41, 0.55f);

    // Chords, tune and bells are each rendered once into their own stem, then sent to the
    // dry mix, the echo and the hall at their own levels.
    StereoBuffer pads(frames), lead(frames), quietLead(frames), bells(frames);
    for (const ChordSpan& s : chords) {
        float gain = s.beat >= kBreakdown && s.beat < kFinale ? 0.26f : 0.2f;
        double length = Seconds(s.length);
        if (s.beat < kGroove)
            length += 0.1; // overlap into the downbeat
        AddPad(pads, Seconds(s.beat), length, s.chord->pad, gain, s.brightness);
    }
    AddPad(pads, Seconds(kClosing), 1.6, kFm.pad, 0.24f, 0.5f);

    // The tune: with the full piece, sparse over the breakdown, an octave doubled at the end.
    std::vector<Note> tune;
    Append(tune, Shifted(kPhrase, kFull));
    Append(tune, Answer(kFull + 16));
    Append(tune, Shifted({{0, 2, 85}, {2, 1, 84}, {3, 1, 82}, {4, 2, 84}, {6, 1, 79}, {7, 1, 76}},
                         kFull + 32));
    Append(tune, Shifted(kPhrase, kFinale));
    for (const Note& n : kPhrase)
        if (n.beat < 8)
            tune.push_back({n.beat + kFinale + 16, n.length, n.midi});
    Append(tune, Shifted({{0, 1.5, 84}, {1.5, 0.5, 83}, {2, 1, 79}, {3, 1, 76}, {4, 2.5, 77}},
                         kClosing - 4));
    for (const Note& n : tune) {
        double length = Seconds(n.length) * 0.92;
        AddLead(lead, Seconds(n.beat), length, n.midi, 1.0f);
        if (n.beat >= kFinale)
            AddLead(lead, Seconds(n.beat), length, n.midi + 12, 0.3f);
    }
    const std::vector<Note> quiet = {{0, 2, 77},  {2, 2, 80},  {4, 4, 79},  {8, 2, 75},
                                     {10, 2, 77}, {12, 4, 72}, {16, 2, 73}, {18, 2, 77},
                                     {20, 4, 79}, {24, 4, 76}};
    for (const Note& n : Shifted(quiet, kBreakdown))
        AddLead(quietLead, Seconds(n.beat), Seconds(n.length) * 0.95, n.midi, 1.0f);

    // Bells: offbeat eighths in the groove, running sixteenths over the breakdown.
    static const int order[8] = {0, 2, 1, 3, 2, 0, 3, 1};
    for (int s = 0; s < 4 * kClosing; ++s) {
        double beat = s * 0.25;
        const Chord* c = ChordAt(chords, beat);
        int note = c->pad[order[s % 8] % c->pad.size()] + 12;
        float pan = (s % 2) ? 0.5f : -0.5f;
        if (beat >= kBreakdown && beat < kFinale)
            AddBell(bells, Seconds(beat), note, 0.09f, pan);
        else if (beat >= kGroove && beat < kFull && s % 4 == 2)
            AddBell(bells, Seconds(beat), note, 0.07f, pan);
    }
    music.mix(pads, 1.0f);
    music.mix(lead, 0.16f);
    music.mix(quietLead, 0.1f);
    music.mix(bells, 1.0f);
    send.mix(pads, 0.4f);
    send.mix(lead, 0.06f);
    send.mix(quietLead, 0.1f);
    echo.mix(lead, 0.09f);
    echo.mix(bells, 0.7f);

    // The mix: the tuneful parts pump against the kick; echoes and the hall go on top.
    Duck(music, kicks, 0.3f, 0.12);
    StereoBuffer delayed = PingPong(echo, Seconds(0.75), 0.45f);
    StereoBuffer hall = Reverb(send, 0.82f, 0.35f);
    StereoBuffer master(frames);
    master.mix(drums, 1.0f);
    master.mix(bass, 1.0f);
    master.mix(music, 1.0f);
    master.mix(delayed, 0.5f);
    master.mix(hall, 2.2f);

    // A first-order high-pass at 15 Hz takes out the offset that the kicks' one-sided first
    // swing leaves; then the closing chord and the echoes and hall after it fade to silence
    // over two seconds, silence pads the file to its end, and the mix comes down about 3 dB so that
    // the limiter only has the peaks to catch.
    const double pole = std::exp(-2.0 * 3.14159265358979 * 15.0 / kSampleRate);
    double inL = 0, inR = 0, outL = 0, outR = 0;
    for (size_t i = 0; i < frames; ++i) {
        double t = static_cast<double>(i) / kSampleRate;
        double g = 0.7;
        if (t > kFadeFrom + kFadeSeconds)
            g = 0;
        else if (t > kFadeFrom)
            g *= 0.5 + 0.5 * std::cos((t - kFadeFrom) / kFadeSeconds * 3.14159265358979);
        outL = pole * (outL + master.left[i] - inL);
        outR = pole * (outR + master.right[i] - inR);
        inL = master.left[i];
        inR = master.right[i];
        master.left[i] = static_cast<float>(outL * g);
        master.right[i] = static_cast<float>(outR * g);
    }
    // 0.8 leaves room for the peaks that MP3 encoding adds (about 1 dB).
    Limit(master, 0.8f);
    return master;
}
