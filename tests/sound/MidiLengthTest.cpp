#include <algorithm>
#include <gtest/gtest.h>

#include "FakeAudioFiles.h"
#include "MidiLength.h"

TEST(MidiLength, RunsToTheLastEventAtTheFilesTempo)
{
    // Notes to two and a half quarter notes: 1250 ms at 120 beats a minute.
    std::vector<std::uint8_t> tune = fake_audio::midiTune({{60, 0, 1}, {64, 1, 1.5}});
    EXPECT_EQ(midiLengthMs(tune), 1250u);

    // The same notes at half the speed (a quarter note of one second) take twice as long.
    const std::uint8_t tempo[] = {0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20};
    auto at = std::search(tune.begin(), tune.end(), std::begin(tempo), std::end(tempo));
    ASSERT_NE(at, tune.end());
    at[3] = 0x0F, at[4] = 0x42, at[5] = 0x40; // 1,000,000 microseconds
    EXPECT_EQ(midiLengthMs(tune), 2500u);
}

TEST(MidiLength, AFileThatIsNoMidiHasNoLength)
{
    EXPECT_EQ(midiLengthMs({}), std::nullopt);
    EXPECT_EQ(midiLengthMs(std::vector<std::uint8_t>(100, 'x')), std::nullopt);
    std::vector<std::uint8_t> cut = fake_audio::midiTune({{60, 0, 1}});
    cut.resize(cut.size() - 6); // the track runs past the end of the file
    EXPECT_EQ(midiLengthMs(cut), std::nullopt);
}

namespace {

// A standard MIDI file of the given tracks (raw event bytes, delta times included) at 480 ticks a
// quarter note; each track gets its end-of-track event after `endDelta` more ticks.
std::vector<std::uint8_t> smf(const std::vector<std::vector<std::uint8_t>>& tracks, std::uint8_t endDelta = 0)
{
    std::vector<std::uint8_t> out{'M', 'T', 'h', 'd'};
    fake_audio::putBe(out, 6, 4);
    fake_audio::putBe(out, tracks.size() > 1 ? 1 : 0, 2);
    fake_audio::putBe(out, static_cast<std::uint32_t>(tracks.size()), 2);
    fake_audio::putBe(out, 480, 2);
    for (std::vector<std::uint8_t> track : tracks) {
        track.insert(track.end(), {endDelta, 0xFF, 0x2F, 0x00});
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        fake_audio::putBe(out, static_cast<std::uint32_t>(track.size()), 4);
        out.insert(out.end(), track.begin(), track.end());
    }
    return out;
}

} // namespace

TEST(MidiLength, ATempoChangePartWayTimesEachStretchAtItsOwnTempo)
{
    // Two quarter notes at 120 beats a minute (1000 ms), then two at 60 (2000 ms). 0x87 0x40 is 960 ticks.
    const std::vector<std::uint8_t> tempoMap = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x87,
                                                0x40, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40};
    const std::vector<std::uint8_t> notes = {0x00, 0x90, 60, 100, 0x8F, 0x00, 0x80, 60, 0};
    EXPECT_EQ(midiLengthMs(smf({tempoMap, notes})), 3000u);
    // The same with the tempo changes in the track of the notes.
    std::vector<std::uint8_t> one = tempoMap;
    one.insert(one.end(), {0x87, 0x40, 0x90, 60, 100}); // a note at tick 1920
    EXPECT_EQ(midiLengthMs(smf({one})), 3000u);
}

TEST(MidiLength, EachMessageTypeTakesItsOwnNumberOfDataBytes)
{
    // One message of every channel type a quarter note (0x83 0x60 = 480 ticks) apart, each followed
    // by a running-status repeat: a wrong length for any of them reads a data byte as a delta time.
    const std::vector<std::uint8_t> track = {
        0x00, 0x90, 60,   100,  0x83, 0x60, 64,   100,        // note on (two bytes), running status
        0x83, 0x60, 0xA0, 60,   30,   0x83, 0x60, 64,   31,   // key pressure (two)
        0x83, 0x60, 0xB0, 7,    90,   0x83, 0x60, 10,   64,   // controller (two)
        0x83, 0x60, 0xC0, 5,    0x83, 0x60, 6,                // program (one)
        0x83, 0x60, 0xD0, 40,   0x83, 0x60, 41,               // channel pressure (one)
        0x83, 0x60, 0xE0, 0,    64,   0x83, 0x60, 0x7F, 0x7F, // pitch bend (two)
        0x83, 0x60, 0xF0, 0x03, 0x43, 0x10, 0xF7,             // a system-exclusive message with its length
        0x83, 0x60, 0x80, 60,   0,                            // note off (two)
    };
    // Thirteen quarter notes at 120 beats a minute.
    EXPECT_EQ(midiLengthMs(smf({track})), 6500u);
    // Channel pressure alone, many times over, with the end after it.
    std::vector<std::uint8_t> pressure = {0x00, 0xD3, 10};
    for (int i = 0; i < 8; ++i) pressure.insert(pressure.end(), {0x83, 0x60, static_cast<std::uint8_t>(20 + i)});
    EXPECT_EQ(midiLengthMs(smf({pressure})), 4000u);
}
