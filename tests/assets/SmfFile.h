#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A Standard MIDI File reader: enough to check structure, notes and playing time.
class SmfFile {
public:
    struct NoteEvent {
        std::uint32_t tick;
        int channel, key, velocity; // velocity 0 = note off
    };

    explicit SmfFile(const std::vector<unsigned char>& bytes);

    const std::string& error() const { return error_; }
    int format() const { return format_; }
    int trackCount() const { return tracks_; }
    int division() const { return division_; }
    const std::vector<NoteEvent>& notes() const { return notes_; }
    // Channels that received a program change.
    const std::vector<int>& programChannels() const { return programChannels_; }
    // Playing time to the last event, following every tempo change.
    double seconds() const;

private:
    std::string error_;
    int format_ = -1, tracks_ = 0, division_ = 0;
    std::uint32_t lastTick_ = 0;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> tempos_; // tick, microseconds per quarter
    std::vector<NoteEvent> notes_;
    std::vector<int> programChannels_;
};
