#include "MidiWriter.h"

#include <algorithm>
#include <cmath>

namespace {
void putBE(std::string& out, std::uint32_t v, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}
void putVar(std::string& out, std::uint32_t v)
{
    std::uint8_t buf[5];
    int n = 0;
    buf[n++] = v & 0x7f;
    while (v >>= 7) buf[n++] = static_cast<std::uint8_t>((v & 0x7f) | 0x80);
    while (n--) out.push_back(static_cast<char>(buf[n]));
}
std::vector<std::uint8_t> meta(std::uint8_t type, const std::string& data)
{
    std::vector<std::uint8_t> b = {0xff, type};
    std::string len;
    putVar(len, static_cast<std::uint32_t>(data.size()));
    b.insert(b.end(), len.begin(), len.end());
    b.insert(b.end(), data.begin(), data.end());
    return b;
}
std::string chunk(const std::vector<MidiWriter::Event>& unsorted, const std::string& name)
{
    std::vector<MidiWriter::Event> events = unsorted;
    std::stable_sort(events.begin(), events.end(), [](const auto& a, const auto& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::string body;
    putVar(body, 0);
    const auto nameEvent = meta(0x03, name);
    body.append(nameEvent.begin(), nameEvent.end());
    std::uint32_t last = 0;
    for (const auto& e : events) {
        putVar(body, e.tick - last);
        last = e.tick;
        body.append(e.bytes.begin(), e.bytes.end());
    }
    putVar(body, 0);
    body += "\xff\x2f";
    body.push_back('\0');
    std::string out = "MTrk";
    putBE(out, static_cast<std::uint32_t>(body.size()), 4);
    return out + body;
}
} // namespace

void MidiWriter::Track::program(int channel, int program)
{
    events_.push_back({0, 1, {static_cast<std::uint8_t>(0xc0 | channel), static_cast<std::uint8_t>(program)}});
}

void MidiWriter::Track::control(std::uint32_t tick, int channel, int controller, int value)
{
    events_.push_back({tick,
                       1,
                       {static_cast<std::uint8_t>(0xb0 | channel), static_cast<std::uint8_t>(controller),
                        static_cast<std::uint8_t>(std::clamp(value, 0, 127))}});
}

void MidiWriter::Track::note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity)
{
    const auto k = static_cast<std::uint8_t>(std::clamp(key, 0, 127));
    events_.push_back(
        {tick,
         2,
         {static_cast<std::uint8_t>(0x90 | channel), k, static_cast<std::uint8_t>(std::clamp(velocity, 1, 127))}});
    events_.push_back(
        {tick + std::max<std::uint32_t>(length, 1), 0, {static_cast<std::uint8_t>(0x80 | channel), k, 0}});
}

MidiWriter::MidiWriter(std::string title, double bpm, int numerator, int denominatorPower)
    : title_(std::move(title))
    , bpm_(bpm)
    , numerator_(numerator)
    , denominatorPower_(denominatorPower)
{}

MidiWriter::Track& MidiWriter::addTrack(const std::string& name)
{
    tracks_.emplace_back(name);
    return tracks_.back();
}

std::string MidiWriter::encode() const
{
    std::string out = "MThd";
    putBE(out, 6, 4);
    putBE(out, 1, 2);
    putBE(out, static_cast<std::uint32_t>(tracks_.size() + 1), 2);
    putBE(out, kTicksPerQuarter, 2);

    std::vector<Event> conductor;
    std::string tempo;
    putBE(tempo, static_cast<std::uint32_t>(std::lround(60000000.0 / bpm_)), 3);
    conductor.push_back({0, 1, meta(0x51, tempo)});
    std::string sig;
    sig.push_back(static_cast<char>(numerator_));
    sig.push_back(static_cast<char>(denominatorPower_));
    sig.push_back(static_cast<char>(denominatorPower_ == 3 ? 36 : 24));
    sig.push_back(8);
    conductor.push_back({0, 1, meta(0x58, sig)});
    out += chunk(conductor, title_);
    for (const Track& t : tracks_) out += chunk(t.events(), t.name());
    return out;
}
