#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Writes the background tunes: melodies built from short motifs over chord progressions,
// with a bass line, chords and drums in one of a few dance feels. Every tune is fixed by
// its style and seed, so the same MIDI bytes come out on every run.
class TuneComposer {
public:
    enum class Feel { Swing, Boogie, Lounge, Jig, March };

    struct Style {
        std::string title;
        Feel feel;
        bool swing; // swung eighths
        double bpm; // quarter notes per minute
        int tonic;  // MIDI key of the tonic in the melody's lower octave
        bool minor;
        std::vector<std::string> verse; // chords, one per bar, e.g. "I", "vi7", "V7", "bVII"
        std::vector<std::string> bridge;
        int lead, leadB, comp, bass; // General MIDI programs (0-based)
        std::uint32_t seed;
    };

    static std::string compose(const Style& style);
    // The nine tunes QUIN00.MID .. QUIN22.MID, three per machine.
    static std::vector<Style> catalogue();
    static std::vector<std::pair<std::string, std::string>> all();
};
