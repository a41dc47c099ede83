#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

// Builds a Standard MIDI File, format 1: track 0 carries tempo and metre, one track per part.
class MidiWriter {
public:
    static constexpr int kTicksPerQuarter = 480;

    struct Event {
        std::uint32_t tick;
        int order; // ties at the same tick: note-offs (0) before controls (1) before note-ons (2)
        std::vector<std::uint8_t> bytes;
    };

    class Track {
    public:
        explicit Track(std::string name)
            : name_(std::move(name))
        {}
        void program(int channel, int program);
        void control(std::uint32_t tick, int channel, int controller, int value);
        void note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);
        const std::string& name() const { return name_; }
        std::vector<Event>& events() { return events_; }
        const std::vector<Event>& events() const { return events_; }

    private:
        std::string name_;
        std::vector<Event> events_;
    };

    MidiWriter(std::string title, double bpm, int numerator, int denominatorPower);
    Track& addTrack(const std::string& name);
    std::string encode() const;

private:
    std::string title_;
    double bpm_;
    int numerator_, denominatorPower_;
    std::deque<Track> tracks_; // a deque keeps references from addTrack valid
};
