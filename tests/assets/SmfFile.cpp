#include "SmfFile.h"

#include <algorithm>
#include <cstring>

namespace {
std::uint32_t be(const std::vector<unsigned char>& b, size_t at, int n)
{
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = (v << 8) | b[at + static_cast<size_t>(i)];
    return v;
}
} // namespace

SmfFile::SmfFile(const std::vector<unsigned char>& b)
{
    if (b.size() < 14 || std::memcmp(b.data(), "MThd", 4) != 0 || be(b, 4, 4) != 6) {
        error_ = "no MThd header";
        return;
    }
    format_ = static_cast<int>(be(b, 8, 2));
    const int declared = static_cast<int>(be(b, 10, 2));
    division_ = static_cast<int>(be(b, 12, 2));
    if (division_ & 0x8000) {
        error_ = "SMPTE time division is not used by the game";
        return;
    }
    size_t at = 14;
    while (at + 8 <= b.size()) {
        if (std::memcmp(b.data() + at, "MTrk", 4) != 0) {
            error_ = "expected MTrk";
            return;
        }
        const size_t end = at + 8 + be(b, at + 4, 4);
        if (end > b.size()) {
            error_ = "track runs past the end";
            return;
        }
        size_t i = at + 8;
        std::uint32_t tick = 0;
        int status = 0;
        bool ended = false;
        auto varLen = [&](std::uint32_t& v) {
            v = 0;
            for (int n = 0; n < 4; ++n) {
                if (i >= end) return false;
                const unsigned char c = b[i++];
                v = (v << 7) | (c & 0x7f);
                if (!(c & 0x80)) return true;
            }
            return false;
        };
        while (i < end && !ended) {
            std::uint32_t delta;
            if (!varLen(delta)) {
                error_ = "bad delta time";
                return;
            }
            tick += delta;
            lastTick_ = std::max(lastTick_, tick);
            if (i >= end) break;
            const unsigned char c = b[i];
            if (c == 0xff) {
                if (i + 2 > end) break;
                const unsigned char type = b[i + 1];
                i += 2;
                std::uint32_t len;
                if (!varLen(len) || i + len > end) {
                    error_ = "bad meta event";
                    return;
                }
                if (type == 0x51 && len == 3) tempos_.emplace_back(tick, be(b, i, 3));
                if (type == 0x2f) ended = true;
                i += len;
            } else if (c == 0xf0 || c == 0xf7) {
                ++i;
                std::uint32_t len;
                if (!varLen(len) || i + len > end) {
                    error_ = "bad sysex";
                    return;
                }
                i += len;
            } else {
                if (c & 0x80) {
                    status = c;
                    ++i;
                } else if (!status) {
                    error_ = "running status without a status byte";
                    return;
                }
                const int kind = status >> 4, ch = status & 15;
                const size_t n = (kind == 0xc || kind == 0xd) ? 1 : 2;
                if (i + n > end) {
                    error_ = "truncated event";
                    return;
                }
                if (kind == 0x9) notes_.push_back({tick, ch, b[i], b[i + 1]});
                if (kind == 0x8) notes_.push_back({tick, ch, b[i], 0});
                if (kind == 0xc &&
                    std::find(programChannels_.begin(), programChannels_.end(), ch) == programChannels_.end())
                    programChannels_.push_back(ch);
                i += n;
            }
        }
        if (!ended) {
            error_ = "track without End of Track";
            return;
        }
        ++tracks_;
        at = end;
    }
    if (tracks_ != declared)
        error_ = "header declares " + std::to_string(declared) + " tracks, found " + std::to_string(tracks_);
    std::stable_sort(tempos_.begin(), tempos_.end());
}

double SmfFile::seconds() const
{
    double s = 0;
    std::uint32_t tick = 0, tempo = 500000; // the SMF default, 120 bpm
    for (const auto& [at, us] : tempos_) {
        if (at >= lastTick_) break;
        s += double(at - tick) * tempo / division_ / 1e6;
        tick = at;
        tempo = us;
    }
    return s + double(lastTick_ - tick) * tempo / division_ / 1e6;
}
