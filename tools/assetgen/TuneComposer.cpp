#include "TuneComposer.h"

#include "MachineTable.h"
#include "MidiWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace {
using Feel = TuneComposer::Feel;

// Our own tiny generator: std distributions differ between libraries, this does not.
class Dice {
public:
    explicit Dice(std::uint32_t seed)
        : s_(seed * 2654435761u + 12345u)
    {}
    std::uint32_t next()
    {
        s_ ^= s_ << 13;
        s_ ^= s_ >> 17;
        s_ ^= s_ << 5;
        return s_;
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }
    int range(int lo, int hi) { return lo + below(hi - lo + 1); }

private:
    std::uint32_t s_;
};

struct Chord {
    int root = 0;           // semitones above the tonic
    std::vector<int> tones; // semitones above the chord root
};

Chord parseChord(const std::string& text)
{
    static const int degrees[] = {0, 2, 4, 5, 7, 9, 11};
    size_t i = 0;
    int shift = 0;
    if (i < text.size() && text[i] == 'b') {
        shift = -1;
        ++i;
    }
    std::string numeral;
    while (i < text.size() && std::string("IViv").find(text[i]) != std::string::npos) numeral += text[i++];
    const std::string suffix = text.substr(i);
    std::string upper;
    // Not toupper: in a Turkish locale 'i' does not become 'I'.
    for (char c : numeral) upper += c == 'i' ? 'I' : c == 'v' ? 'V' : c;
    static const char* names[] = {"I", "II", "III", "IV", "V", "VI", "VII"};
    int degree = -1;
    for (int d = 0; d < 7; ++d)
        if (upper == names[d]) degree = d;
    if (degree < 0) throw std::runtime_error("bad chord " + text);
    const bool major = numeral[0] == 'I' || numeral[0] == 'V';
    Chord c;
    c.root = (degrees[degree] + shift + 12) % 12;
    c.tones = major ? std::vector<int>{0, 4, 7} : std::vector<int>{0, 3, 7};
    if (suffix == "7") c.tones.push_back(major ? 10 : 10);
    if (suffix == "maj7") c.tones.push_back(11);
    if (suffix == "dim") c.tones = {0, 3, 6};
    return c;
}

struct Timing {
    std::uint32_t bar;  // ticks per bar
    std::uint32_t slot; // ticks per rhythm slot (an eighth)
    int slots;          // slots per bar
};

class Arranger {
public:
    Arranger(const TuneComposer::Style& s, MidiWriter& midi)
        : s_(s)
        , dice_(s.seed)
        , lead_(midi.addTrack("Lead"))
        , leadB_(midi.addTrack("Second lead"))
        , comp_(midi.addTrack("Chords"))
        , bass_(midi.addTrack("Bass"))
        , drums_(midi.addTrack("Drums"))
    {
        t_ = s.feel == Feel::Jig ? Timing{1440, 240, 6} : Timing{1920, 240, 8};
        setup(lead_, 0, s.lead, 108, 64, 50);
        setup(leadB_, 1, s.leadB, 102, 80, 50);
        setup(comp_, 2, s.comp, s.feel == Feel::Lounge ? 78 : 74, 46, 60);
        setup(bass_, 3, s.bass, 104, 64, 30);
        drums_.control(0, 9, 7, 92);
        drums_.control(0, 9, 91, 40);
    }

    void build()
    {
        const std::vector<Chord> verse = chords(s_.verse), bridge = chords(s_.bridge);
        const auto verseTune = melody(verse, true), bridgeTune = melody(bridge, false);
        // Intro: two bars of the verse's turnaround without melody.
        std::uint32_t tick = 0;
        for (size_t b = verse.size() - 2; b < verse.size(); ++b)
            backing(verse[b], tick, false, b + 1 == verse.size()), tick += t_.bar;
        // A A B A, then B A again until the tune lasts long enough.
        std::vector<char> plan = {'A', 'A', 'B', 'A'};
        const double barSeconds = t_.bar / double(MidiWriter::kTicksPerQuarter) * 60.0 / s_.bpm;
        auto length = [&] {
            double bars = 4;
            for (char c : plan) bars += c == 'A' ? verse.size() : bridge.size();
            return bars * barSeconds;
        };
        while (length() < 58.0) plan.insert(plan.end(), {'B', 'A'});
        int pass = 0;
        for (char section : plan) {
            const auto& cs = section == 'A' ? verse : bridge;
            const auto& tune = section == 'A' ? verseTune : bridgeTune;
            // The lead alternates between the two soloists on repeated verses.
            MidiWriter::Track& voice = section == 'B' || (section == 'A' && pass % 3 == 2) ? leadB_ : lead_;
            const int channel = &voice == &lead_ ? 0 : 1;
            drums_.note(tick, 240, 9, 49, 88); // crash on each section
            for (size_t b = 0; b < cs.size(); ++b) backing(cs[b], tick + t_.bar * b, true, b + 1 == cs.size());
            for (const auto& n : tune) writeNote(voice, channel, tick + n.tick, n.len, n.key, n.vel);
            tick += t_.bar * static_cast<std::uint32_t>(cs.size());
            if (section == 'A') ++pass;
        }
        // Ending: one bar on the tonic, then a held final chord with a cymbal.
        const Chord tonic = parseChord(s_.minor ? "i" : "I");
        backing(tonic, tick, true, false);
        tick += t_.bar;
        for (int k : voicing(tonic)) comp_.note(tick, t_.bar, 2, k, 84);
        bass_.note(tick, t_.bar, 3, bassKey(tonic.root), 100);
        writeNote(lead_, 0, tick, t_.bar, s_.tonic + 12, 96);
        drums_.note(tick, 480, 9, 49, 110);
        drums_.note(tick, 240, 9, 36, 100);
    }

private:
    struct Note {
        std::uint32_t tick, len;
        int key, vel;
    };

    static void setup(MidiWriter::Track& t, int channel, int program, int volume, int pan, int reverb)
    {
        t.program(channel, program);
        t.control(0, channel, 7, volume);
        t.control(0, channel, 10, pan);
        t.control(0, channel, 91, reverb);
    }

    std::vector<Chord> chords(const std::vector<std::string>& names) const
    {
        std::vector<Chord> out;
        for (const auto& n : names) out.push_back(parseChord(n));
        return out;
    }

    std::uint32_t swung(std::uint32_t tick) const
    {
        if (s_.swing && t_.slots == 8 && tick % 480 == 240) return tick + 80;
        return tick;
    }

    void writeNote(MidiWriter::Track& t, int ch, std::uint32_t tick, std::uint32_t len, int key, int vel)
    {
        const std::uint32_t on = swung(tick), off = swung(tick + len);
        t.note(on, off > on + 20 ? off - on - 20 : 20, ch, key, vel);
    }

    int bassKey(int semis) const
    {
        const int k = s_.tonic - 24 + semis;
        return k > s_.tonic - 14 ? k - 12 : k;
    }

    std::vector<int> voicing(const Chord& c) const
    {
        std::vector<int> keys;
        for (int t : c.tones) {
            int k = s_.tonic - 12 + (c.root + t) % 12;
            while (k < s_.tonic - 7) k += 12;
            while (k >= s_.tonic + 5) k -= 12;
            keys.push_back(k);
        }
        std::sort(keys.begin(), keys.end());
        return keys;
    }

    bool inScale(int pc, const Chord& chord) const
    {
        static const int major[] = {0, 2, 4, 5, 7, 9, 11}, minor[] = {0, 2, 3, 5, 7, 8, 10};
        const int* sc = s_.minor ? minor : major;
        for (int i = 0; i < 7; ++i)
            if (sc[i] == pc) return true;
        // Borrow the chord's own tones (the raised seventh over V in minor).
        for (int t : chord.tones)
            if ((chord.root + t) % 12 == pc) return true;
        return false;
    }
    bool inChord(int pc, const Chord& chord) const
    {
        for (int t : chord.tones)
            if ((chord.root + t) % 12 == pc) return true;
        return false;
    }
    std::vector<int> pool(const Chord& chord) const
    {
        std::vector<int> keys;
        for (int k = s_.tonic - 3; k <= s_.tonic + 19; ++k) {
            const int pc = ((k - s_.tonic) % 12 + 12) % 12;
            if (inScale(pc, chord)) keys.push_back(k);
        }
        return keys;
    }
    static int nearestIndex(const std::vector<int>& keys, int key)
    {
        int best = 0;
        for (int i = 1; i < static_cast<int>(keys.size()); ++i)
            if (std::abs(keys[static_cast<size_t>(i)] - key) < std::abs(keys[static_cast<size_t>(best)] - key))
                best = i;
        return best;
    }
    int chordToneNear(const Chord& chord, int key, int bias)
    {
        const auto keys = pool(chord);
        int best = -1;
        for (int i = 0; i < static_cast<int>(keys.size()); ++i) {
            const int pc = ((keys[static_cast<size_t>(i)] - s_.tonic) % 12 + 12) % 12;
            if (!inChord(pc, chord)) continue;
            const int d = std::abs(keys[static_cast<size_t>(i)] - (key + bias));
            if (best < 0 || d < std::abs(keys[static_cast<size_t>(best)] - (key + bias))) best = i;
        }
        return best < 0 ? key : keys[static_cast<size_t>(best)];
    }
    int stepFrom(const Chord& chord, int key, int steps) const
    {
        const auto keys = pool(chord);
        int i = nearestIndex(keys, key) + steps;
        // Turn back at the edges of the range.
        if (i < 0) i = -i;
        if (i >= static_cast<int>(keys.size())) i = 2 * (static_cast<int>(keys.size()) - 1) - i;
        return keys[static_cast<size_t>(std::clamp(i, 0, static_cast<int>(keys.size()) - 1))];
    }

    // The next melody note: a chord tone on strong beats, a scale step otherwise; never the
    // same key twice in a row, and now and then a leap.
    int move(const Chord& chord, int key, bool strong)
    {
        static const int steps[] = {-2, -1, -1, 1, 1, 2, -3, 3};
        const int step = steps[dice_.below(dice_.below(4) == 0 ? 8 : 6)];
        int next = strong ? chordToneNear(chord, key, step * 2) : stepFrom(chord, key, step);
        if (next == key)
            next = strong ? chordToneNear(chord, key + (step > 0 ? 3 : -3), 0) : stepFrom(chord, key, -step);
        if (next == key) next = stepFrom(chord, key, step > 0 ? -1 : 1);
        return next;
    }

    std::vector<int> rhythm(bool cadence)
    {
        static const std::vector<std::vector<int>> even = {{2, 2, 2, 2}, {1, 1, 2, 2, 2},    {3, 1, 2, 2},
                                                           {2, 1, 1, 4}, {1, 1, 1, 1, 2, 2}, {2, 2, 1, 1, 2},
                                                           {3, 3, 2},    {1, 2, 1, 2, 2}};
        static const std::vector<std::vector<int>> evenEnd = {{2, 2, 4}, {4, 4}, {2, 6}, {3, 5}};
        static const std::vector<std::vector<int>> jig = {
            {2, 1, 2, 1}, {1, 1, 1, 2, 1}, {2, 1, 1, 1, 1}, {1, 1, 1, 3}, {3, 2, 1}};
        static const std::vector<std::vector<int>> jigEnd = {{3, 3}, {2, 1, 3}, {6}};
        const auto& set = t_.slots == 6 ? (cadence ? jigEnd : jig) : (cadence ? evenEnd : even);
        return set[static_cast<size_t>(dice_.below(static_cast<int>(set.size())))];
    }

    // A section's melody: a two-bar motif, repeated as a sequence over the next chords,
    // a fresh pair of bars and a cadence that comes home (verse) or leads back (bridge).
    std::vector<Note> melody(const std::vector<Chord>& cs, bool home)
    {
        std::vector<Note> notes;
        const std::vector<int> motifRhythm[2] = {rhythm(false), rhythm(false)};
        std::vector<int> motifSteps[2];
        int key = s_.tonic + 7 + (home ? 0 : 2);
        const size_t bars = cs.size();
        for (size_t b = 0; b < bars; ++b) {
            const Chord& chord = cs[b];
            const bool last = b + 1 == bars;
            const bool phraseEnd = b % 4 == 3;
            const bool fresh = b < 2 || (b % 4 == 2 && b >= 4);
            std::vector<int> r = phraseEnd ? rhythm(true) : (fresh ? rhythm(false) : motifRhythm[b % 2]);
            if (b < 2) r = motifRhythm[b];
            int slot = 0;
            size_t stepIndex = 0;
            for (size_t i = 0; i < r.size(); ++i) {
                const bool strong = slot % (t_.slots == 6 ? 3 : 4) == 0;
                const bool final = i + 1 == r.size();
                if (last && final) {
                    key = home ? chordToneNear(chord, s_.tonic + (key > s_.tonic + 9 ? 12 : 0), 0)
                               : chordToneNear(chord, key, 0);
                } else if (b < 2) {
                    const int prev = key;
                    key = move(chord, key, strong);
                    motifSteps[b].push_back(key - prev);
                } else if (!fresh && !phraseEnd && stepIndex < motifSteps[b % 2].size()) {
                    // Sequence: the motif's intervals, snapped to the new chord on strong beats.
                    key = std::clamp(key + motifSteps[b % 2][stepIndex], s_.tonic - 3, s_.tonic + 19);
                    key = strong ? chordToneNear(chord, key, 0) : stepFrom(chord, key, 0);
                    ++stepIndex;
                } else {
                    key = move(chord, key, strong || final);
                }
                const int vel = (strong ? 100 : 86) + dice_.range(-6, 6);
                const std::uint32_t len = static_cast<std::uint32_t>(r[i]) * t_.slot;
                // Leave a breath at the end of each phrase.
                const std::uint32_t sounding = phraseEnd && final ? len - t_.slot : len;
                notes.push_back({static_cast<std::uint32_t>(b) * t_.bar + static_cast<std::uint32_t>(slot) * t_.slot,
                                 std::max<std::uint32_t>(sounding, t_.slot), key, vel});
                slot += r[i];
            }
        }
        return notes;
    }

    // Bass, chords and drums for one bar.
    void backing(const Chord& chord, std::uint32_t bar, bool full, bool turnaround)
    {
        const auto chordKeys = voicing(chord);
        const int root = bassKey(chord.root);
        const int fifth = bassKey((chord.root + 7) % 12);
        const int third = root + chord.tones[1];
        auto hit = [&](std::uint32_t at, int key, int vel, std::uint32_t len = 120) {
            writeNote(drums_, 9, bar + at, len, key, vel);
        };
        auto chordAt = [&](std::uint32_t at, std::uint32_t len, int vel) {
            for (int k : chordKeys) writeNote(comp_, 2, bar + at, len, k, vel + dice_.range(-4, 4));
        };
        auto bassAt = [&](std::uint32_t at, std::uint32_t len, int key, int vel) {
            writeNote(bass_, 3, bar + at, len, key, vel);
        };
        switch (s_.feel) {
        case Feel::Swing:
            bassAt(0, 480, root, 100);
            bassAt(480, 480, third, 88);
            bassAt(960, 480, fifth, 94);
            bassAt(1440, 480, root + (turnaround ? -1 : 2), 86);
            chordAt(480, 300, 70);
            chordAt(1200, 200, 64);
            chordAt(1440, 300, 70);
            for (std::uint32_t at : {0u, 480u, 720u, 960u, 1440u, 1680u}) hit(at, 51, at % 480 ? 62 : 80);
            hit(480, 44, 70);
            hit(1440, 44, 70);
            hit(0, 36, 52);
            if (turnaround && full) hit(1680, 38, 70);
            break;
        case Feel::Boogie: {
            const int steps[] = {0, 4, 7, 9, 10, 9, 7, 4};
            for (int i = 0; i < 8; ++i)
                bassAt(static_cast<std::uint32_t>(i) * 240, 220, root + steps[i], i % 2 ? 84 : 100);
            for (int i = 0; i < 8; ++i) chordAt(static_cast<std::uint32_t>(i) * 240, 160, i % 2 ? 56 : 70);
            for (int i = 0; i < 8; ++i) hit(static_cast<std::uint32_t>(i) * 240, 42, i % 2 ? 60 : 78);
            hit(0, 36, 96);
            hit(960, 36, 90);
            hit(480, 38, 96);
            hit(1440, 38, 96);
            if (turnaround && full) hit(1680, 38, 80);
            break;
        }
        case Feel::Lounge:
            bassAt(0, 700, root, 96);
            bassAt(720, 240, fifth, 80);
            bassAt(960, 700, fifth, 90);
            bassAt(1680, 240, root, 80);
            chordAt(0, 1860, 58);
            chordAt(720, 200, 50);
            chordAt(1200, 600, 52);
            for (int i = 0; i < 8; ++i) hit(static_cast<std::uint32_t>(i) * 240, 70, i % 2 ? 46 : 60);
            hit(0, 36, 72);
            hit(720, 36, 56);
            hit(1440, 37, 64);
            hit(480, 42, 50);
            break;
        case Feel::Jig:
            bassAt(0, 680, root, 100);
            bassAt(720, 680, fifth, 90);
            chordAt(240, 220, 62);
            chordAt(480, 220, 56);
            chordAt(960, 220, 62);
            chordAt(1200, 220, 56);
            hit(0, 36, 96);
            hit(720, 36, 84);
            for (int i = 0; i < 6; ++i) hit(static_cast<std::uint32_t>(i) * 240, 54, i % 3 == 0 ? 74 : 54);
            if (turnaround && full)
                for (std::uint32_t at : {960u, 1200u}) hit(at, 45, 90);
            break;
        case Feel::March:
            bassAt(0, 440, root, 100);
            bassAt(480, 440, fifth, 84);
            bassAt(960, 440, root, 96);
            bassAt(1440, 440, fifth, 84);
            chordAt(480, 300, 64);
            chordAt(1440, 300, 64);
            chordAt(1200, 200, 52);
            hit(0, 36, 100);
            hit(960, 36, 92);
            hit(480, 38, 84);
            hit(1440, 38, 84);
            hit(1200, 38, 56);
            hit(1320, 38, 50);
            hit(0, 47, 70, 480);
            if (turnaround && full)
                for (std::uint32_t at = 1440; at < 1920; at += 120)
                    hit(at, 38, 60 + static_cast<int>((at - 1440) / 12));
            break;
        }
    }

    const TuneComposer::Style& s_;
    Dice dice_;
    Timing t_{};
    MidiWriter::Track& lead_;
    MidiWriter::Track& leadB_;
    MidiWriter::Track& comp_;
    MidiWriter::Track& bass_;
    MidiWriter::Track& drums_;
};
} // namespace

std::string TuneComposer::compose(const Style& style)
{
    MidiWriter midi(style.title, style.bpm, style.feel == Feel::Jig ? 6 : 4, style.feel == Feel::Jig ? 3 : 2);
    Arranger arranger(style, midi);
    arranger.build();
    return midi.encode();
}

std::vector<TuneComposer::Style> TuneComposer::catalogue()
{
    const std::vector<std::string> swingA = {"Imaj7", "vi7", "ii7", "V7", "iii7", "VI7", "ii7", "V7"};
    const std::vector<std::string> swingB = {"IV", "iv", "I", "VI7", "II7", "II7", "ii7", "V7"};
    const std::vector<std::string> blues = {"I7", "I7", "I7", "I7", "IV7", "IV7", "I7", "I7", "V7", "IV7", "I7", "V7"};
    const std::vector<std::string> bluesB = {"IV7", "IV7", "I7", "I7", "IV7", "IV7", "V7", "V7"};
    const std::vector<std::string> loungeA = {"Imaj7", "vi7", "ii7", "V7", "iii7", "vi7", "ii7", "V7"};
    const std::vector<std::string> loungeB = {"IVmaj7", "iv7", "iii7", "VI7", "ii7", "V7", "Imaj7", "V7"};
    const std::vector<std::string> jigA = {"i", "i", "bVII", "bVII", "i", "iv", "V", "i"};
    const std::vector<std::string> jigB = {"bIII", "bVII", "i", "V", "bIII", "bVII", "iv", "V"};
    const std::vector<std::string> shantyA = {"i", "bVII", "i", "V", "i", "bVII", "iv", "V"};
    const std::vector<std::string> shantyB = {"bIII", "bIII", "bVII", "bVII", "iv", "i", "V", "V"};
    const std::vector<std::string> marchA = {"i", "bVI", "bVII", "i", "i", "iv", "V", "V"};
    const std::vector<std::string> marchB = {"bIII", "bVII", "bVI", "V", "bIII", "bVII", "iv", "V"};
    return {
        // Machine 0: bright casino swing.
        {"Lucky Streak", Feel::Swing, true, 144, 65, false, swingA, swingB, 56, 65, 0, 32, 101},
        {"High Roller Stroll", Feel::Swing, true, 132, 70, false, swingA, swingB, 11, 56, 0, 32, 202},
        {"Golden Q Shuffle", Feel::Swing, true, 152, 60, false, swingA, swingB, 71, 11, 0, 32, 303},
        // Machine 1: Las Vegas lounge and rock'n'roll.
        {"Lucky Seven Boogie", Feel::Boogie, true, 164, 69, false, blues, bluesB, 66, 29, 0, 33, 404},
        {"Neon Lounge", Feel::Lounge, false, 112, 65, false, loungeA, loungeB, 66, 11, 4, 32, 505},
        {"Strip at Midnight", Feel::Boogie, false, 176, 64, false, blues, bluesB, 29, 65, 1, 33, 606},
        // Machine 2: pirates and adventure.
        {"Jolly Roger Jig", Feel::Jig, false, 156, 62, true, jigA, jigB, 40, 73, 21, 58, 707},
        {"Heave Away", Feel::March, false, 108, 69, true, shantyA, shantyB, 21, 40, 21, 58, 808},
        {"Skull Island March", Feel::March, false, 124, 64, true, marchA, marchB, 61, 56, 48, 58, 909},
    };
}

std::vector<std::pair<std::string, std::string>> TuneComposer::all()
{
    std::vector<std::pair<std::string, std::string>> out;
    const auto styles = catalogue();
    for (size_t i = 0; i < styles.size(); ++i) {
        const std::string name = std::string(machineDefinition(static_cast<int>(i / 3)).tunes[i % 3]) + ".MID";
        out.emplace_back(name, compose(styles[i]));
    }
    return out;
}
