#include "MidiLength.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

std::uint32_t bigEndian(const std::vector<std::uint8_t>& b, std::size_t at, int n)
{
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
    return v;
}

using Tempos = std::vector<std::pair<std::uint64_t, std::uint32_t>>; // tick, microseconds per quarter note

// Reads the events of the track in b[begin, end): the tick of its last event raises lastTick, its tempo
// changes go to tempos. False when the track is malformed.
bool readTrack(const std::vector<std::uint8_t>& b, std::size_t begin, std::size_t end, std::uint64_t& lastTick,
               Tempos& tempos)
{
    std::size_t i = begin;
    std::uint64_t tick = 0;
    int status = 0;
    const auto varLen = [&](std::uint32_t& v) {
        v = 0;
        for (int n = 0; n < 4 && i < end; ++n) {
            const std::uint8_t c = b[i++];
            v = (v << 7) | (c & 0x7fu);
            if ((c & 0x80) == 0) return true;
        }
        return false;
    };
    bool ended = false;
    while (i < end && !ended) {
        std::uint32_t delta = 0;
        if (!varLen(delta) || i >= end) return false;
        tick += delta;
        lastTick = std::max(lastTick, tick);
        const std::uint8_t c = b[i];
        std::uint32_t len = 0;
        if (c == 0xff) {
            if (i + 2 > end) return false;
            const std::uint8_t type = b[i + 1];
            i += 2;
            if (!varLen(len) || i + len > end) return false;
            if (type == 0x51 && len == 3) tempos.emplace_back(tick, bigEndian(b, i, 3));
            ended = type == 0x2f;
            i += len;
        } else if (c == 0xf0 || c == 0xf7) {
            ++i;
            if (!varLen(len) || i + len > end) return false;
            i += len;
        } else {
            if ((c & 0x80) != 0) {
                status = c;
                ++i;
            } else if (status == 0) {
                return false;
            }
            const int kind = status >> 4;
            i += (kind == 0xc || kind == 0xd) ? 1 : 2;
        }
    }
    return true;
}

// The milliseconds from the start to lastTick with the tempo changes; nothing beyond 32 bits.
std::optional<std::uint32_t> playingMs(Tempos tempos, std::uint64_t lastTick, std::uint32_t division)
{
    std::stable_sort(tempos.begin(), tempos.end());
    double us = 0;
    std::uint64_t tick = 0;
    std::uint32_t tempo = 500000; // 120 beats a minute until the file says otherwise
    for (const auto& [when, perQuarter] : tempos) {
        if (when >= lastTick) break;
        us += static_cast<double>(when - tick) * tempo / division;
        tick = when;
        tempo = perQuarter;
    }
    us += static_cast<double>(lastTick - tick) * tempo / division;
    if (us / 1000 > 4e9) return std::nullopt;
    return static_cast<std::uint32_t>(us / 1000);
}

} // namespace

std::optional<std::uint32_t> midiLengthMs(const std::vector<std::uint8_t>& b)
{
    if (b.size() < 14 || std::memcmp(b.data(), "MThd", 4) != 0 || bigEndian(b, 4, 4) != 6) return std::nullopt;
    const std::uint32_t division = bigEndian(b, 12, 2);
    if (division == 0 || (division & 0x8000) != 0) return std::nullopt;

    std::uint64_t lastTick = 0;
    Tempos tempos;
    std::size_t at = 14;
    while (at + 8 <= b.size()) {
        if (std::memcmp(b.data() + at, "MTrk", 4) != 0) return std::nullopt;
        const std::size_t end = at + 8 + bigEndian(b, at + 4, 4);
        if (end > b.size() || !readTrack(b, at + 8, end, lastTick, tempos)) return std::nullopt;
        at = end;
    }
    return playingMs(std::move(tempos), lastTick, division);
}
