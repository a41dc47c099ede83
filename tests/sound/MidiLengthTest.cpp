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
