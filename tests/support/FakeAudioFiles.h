#pragma once

#include "TempDir.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

// Small sound files made on the spot for tests: a PCM wave writer, a standard MIDI file writer and a
// private temporary directory.

namespace fake_audio {

inline void putLe(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

inline void putBe(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// A complete mono 16-bit wave image holding a sine of frequencyHz for ms milliseconds at the given
// peak amplitude (0 to 1).
inline std::vector<std::uint8_t> sineWave(int ms, double frequencyHz, double amplitude, int rate = 44100)
{
    const std::uint32_t frames = static_cast<std::uint32_t>(static_cast<std::int64_t>(rate) * ms / 1000);
    std::vector<std::uint8_t> out;
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    putLe(out, 36 + frames * 2, 4);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    putLe(out, 16, 4);
    putLe(out, 1, 2); // PCM
    putLe(out, 1, 2); // mono
    putLe(out, static_cast<std::uint32_t>(rate), 4);
    putLe(out, static_cast<std::uint32_t>(rate) * 2, 4);
    putLe(out, 2, 2);
    putLe(out, 16, 2);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    putLe(out, frames * 2, 4);
    const double pi = std::acos(-1.0);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const double s = amplitude * std::sin(2 * pi * frequencyHz * i / rate);
        putLe(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(std::lround(s * 32767))), 2);
    }
    return out;
}

// One note of a tune: key, start and length in quarter notes.
struct Note {
    int key;
    double start;
    double length;
};

// A format-0 standard MIDI file at 120 beats a minute (a quarter note is 500 ms) playing the notes on
// channel 0 with the given General MIDI program.
inline std::vector<std::uint8_t> midiTune(const std::vector<Note>& notes, int program = 0)
{
    constexpr int kDivision = 480;
    struct Event {
        std::uint32_t tick;
        std::uint8_t status, a, b;
    };
    std::vector<Event> events;
    for (const Note& n : notes) {
        const auto on = static_cast<std::uint32_t>(n.start * kDivision);
        const auto off = static_cast<std::uint32_t>((n.start + n.length) * kDivision);
        events.push_back({on, 0x90, static_cast<std::uint8_t>(n.key), 100});
        events.push_back({off, 0x80, static_cast<std::uint8_t>(n.key), 0});
    }
    std::stable_sort(events.begin(), events.end(), [](const Event& x, const Event& y) { return x.tick < y.tick; });

    std::vector<std::uint8_t> track;
    auto delta = [&track](std::uint32_t d) {
        std::uint8_t buf[5];
        int n = 0;
        buf[n++] = d & 0x7F;
        while ((d >>= 7) != 0) buf[n++] = static_cast<std::uint8_t>(0x80 | (d & 0x7F));
        while (n > 0) track.push_back(buf[--n]);
    };
    delta(0);
    track.insert(track.end(), {0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20}); // 500000 us a quarter note
    delta(0);
    track.insert(track.end(), {0xC0, static_cast<std::uint8_t>(program)});
    std::uint32_t last = 0;
    for (const Event& e : events) {
        delta(e.tick - last);
        last = e.tick;
        track.insert(track.end(), {e.status, e.a, e.b});
    }
    delta(0);
    track.insert(track.end(), {0xFF, 0x2F, 0x00});

    std::vector<std::uint8_t> out{'M', 'T', 'h', 'd'};
    putBe(out, 6, 4);
    putBe(out, 0, 2);
    putBe(out, 1, 2);
    putBe(out, kDivision, 2);
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    putBe(out, static_cast<std::uint32_t>(track.size()), 4);
    out.insert(out.end(), track.begin(), track.end());
    return out;
}

inline void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

using TempDir = ::TempDir;

} // namespace fake_audio
