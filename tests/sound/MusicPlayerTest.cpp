#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <string>
#include <vector>

#include "FakeAudioBackend.h"
#include "FakeAudioFiles.h"
#include "MidiErrorText.h"
#include "MusicPlayer.h"
#include "VirtualClock.h"

namespace {

using fake_audio::TempDir;

// A program directory with all nine tunes, a fake backend and the window's five-second poll.
class MusicPlayerTest : public ::testing::Test {
protected:
    static constexpr std::uint32_t kPollMs = 5000;

    MusicPlayerTest()
    {
        for (int m = 0; m < 3; ++m) {
            for (int t = 0; t < 3; ++t) {
                const std::string name = "QUIN" + std::to_string(m) + std::to_string(t) + ".MID";
                fake_audio::writeFile(dir / name, fake_audio::midiTune({{60 + t, 0, 1}}));
            }
        }
    }

    // Base names of the tunes the backend was asked to open, in order.
    std::vector<std::string> opened() const
    {
        std::vector<std::string> names;
        for (const std::string& p : backend.tuneOpens) names.push_back(std::filesystem::path(p).stem().string());
        return names;
    }

    // One run of the poll timer; false when the window would show the error and switch music off.
    bool poll()
    {
        clock.advance(kPollMs);
        return music.tick();
    }

    TempDir dir;
    VirtualClock clock;
    FakeAudioBackend backend{clock};
    MusicPlayer music{backend, dir.str()};
};

TEST(MidiErrorTextTest, NamesTheTuneInLowerCaseWithTheGamesWording)
{
    EXPECT_STREQ(kMidiErrorTitle, "MIDI Error");
    EXPECT_EQ(midiErrorText("QUIN21"),
              "There has been an error playing a MIDI file (quin21.mid).  Either the MIDI file could not be "
              "found or your system is not configured to play MIDI files.  Music has been switched off.");
    EXPECT_NE(midiErrorText("QUIN02").find("(quin02.mid)"), std::string::npos);
}

TEST(MidiErrorTextTest, LowerCaseIsTheSameInATurkishLocale)
{
    const std::string before = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "tr_TR.UTF-8")) GTEST_SKIP() << "locale tr_TR.UTF-8 is not generated on this machine";
    const std::string text = midiErrorText("QUIN21");
    std::setlocale(LC_ALL, before.c_str());
    EXPECT_NE(text.find("(quin21.mid)"), std::string::npos) << text;
}

TEST_F(MusicPlayerTest, TickOpensAndPlaysTheCurrentTuneFromProgramDir)
{
    music.setMachine(1);
    EXPECT_EQ(music.musicName(), "QUIN10");
    EXPECT_FALSE(music.playing());

    EXPECT_TRUE(poll());
    EXPECT_TRUE(music.playing());
    ASSERT_EQ(backend.tuneOpens.size(), 1u);
    EXPECT_EQ(std::filesystem::path(backend.tuneOpens[0]), dir / "QUIN10.MID");
    EXPECT_EQ(backend.tunePlays, 1);

    // While it sounds, ticks only look at it.
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(poll());
    EXPECT_EQ(backend.tuneOpens.size(), 1u);
    EXPECT_EQ(backend.tunePlays, 1);
    EXPECT_EQ(music.musicName(), "QUIN10");
}

TEST_F(MusicPlayerTest, TunesCycleThroughTheMachinesThreeTunes)
{
    music.setMachine(1);
    EXPECT_TRUE(poll());
    for (int i = 0; i < 3; ++i) {
        backend.endTune();
        // The end is noticed at one tick: the tune is closed and the next one becomes current...
        EXPECT_TRUE(poll());
        EXPECT_FALSE(music.playing());
        EXPECT_FALSE(backend.tuneOpen());
        // ...and opened at the next.
        EXPECT_TRUE(poll());
        EXPECT_TRUE(music.playing());
    }
    EXPECT_EQ(opened(), (std::vector<std::string>{"QUIN10", "QUIN11", "QUIN12", "QUIN10"}));
    EXPECT_EQ(music.musicName(), "QUIN10");
}

TEST_F(MusicPlayerTest, FiveToTenSecondsOfSilenceLieBetweenTunes)
{
    backend.tuneLengthMs = 12345;
    music.setMachine(0);
    std::vector<std::uint32_t> starts;
    for (int i = 0; i < 20; ++i) {
        const int plays = backend.tunePlays;
        ASSERT_TRUE(poll());
        if (backend.tunePlays > plays) starts.push_back(clock.now());
    }
    ASSERT_GE(starts.size(), 3u);
    for (std::size_t i = 1; i < starts.size(); ++i) {
        const std::uint32_t silence = starts[i] - starts[i - 1] - backend.tuneLengthMs;
        EXPECT_GT(silence, 5000u);
        EXPECT_LE(silence, 10000u);
    }
    EXPECT_EQ(opened()[0], "QUIN00");
    EXPECT_EQ(opened()[1], "QUIN01");
    EXPECT_EQ(opened()[2], "QUIN02");
}

TEST_F(MusicPlayerTest, MissingTuneStopsTheCycleThereWithItsName)
{
    std::filesystem::remove(dir / "QUIN21.MID");
    music.setMachine(2);
    EXPECT_TRUE(poll());
    backend.endTune();
    EXPECT_TRUE(poll());
    EXPECT_EQ(music.musicName(), "QUIN21");

    EXPECT_FALSE(poll());
    EXPECT_FALSE(music.playing());
    EXPECT_FALSE(backend.tuneOpen());
    EXPECT_EQ(music.musicName(), "QUIN21");
    EXPECT_NE(midiErrorText(music.musicName()).find("(quin21.mid)"), std::string::npos);
    EXPECT_EQ(opened(), (std::vector<std::string>{"QUIN20", "QUIN21"}));
}

TEST_F(MusicPlayerTest, ATuneThatOpensButWillNotPlayIsClosedAndFails)
{
    backend.failPlayTune = true;
    EXPECT_FALSE(poll());
    EXPECT_FALSE(music.playing());
    EXPECT_FALSE(backend.tuneOpen());
}

TEST_F(MusicPlayerTest, ChangingMachineClosesThePlayingTuneAndStartsTheNewMachinesFirst)
{
    music.setMachine(1);
    EXPECT_TRUE(poll());
    backend.endTune();
    EXPECT_TRUE(poll());
    EXPECT_TRUE(poll());
    EXPECT_EQ(music.musicName(), "QUIN11");
    ASSERT_TRUE(backend.tuneOpen());

    // Change Game: stop, then the new machine.
    const int closes = backend.tuneCloses;
    music.stop();
    music.setMachine(2);
    EXPECT_FALSE(music.playing());
    EXPECT_FALSE(backend.tuneOpen());
    EXPECT_EQ(backend.tuneCloses, closes + 1);

    EXPECT_TRUE(poll());
    EXPECT_EQ(opened().back(), "QUIN20");
    EXPECT_TRUE(music.playing());
}

TEST_F(MusicPlayerTest, StopWithoutATunePlayingDoesNothing)
{
    music.setMachine(2);
    music.stop();
    EXPECT_EQ(backend.tuneCloses, 0);
    EXPECT_EQ(music.musicName(), "QUIN20");
    EXPECT_TRUE(backend.tuneOpens.empty());
}

TEST_F(MusicPlayerTest, CloseAllSilencesAndTheNextTickStartsAgainFromTheCurrentTune)
{
    music.setMachine(0);
    EXPECT_TRUE(poll());
    backend.endTune();
    EXPECT_TRUE(poll());
    EXPECT_TRUE(poll());
    music.closeAll();
    EXPECT_FALSE(music.playing());
    EXPECT_FALSE(backend.tuneOpen());
    // Switched on again later: the tune that was current opens.
    EXPECT_TRUE(poll());
    EXPECT_EQ(opened(), (std::vector<std::string>{"QUIN00", "QUIN01", "QUIN01"}));
}

TEST_F(MusicPlayerTest, WithoutADeviceEveryTickFails)
{
    FakeAudioBackend closed(clock, false);
    MusicPlayer silent(closed, dir.str());
    silent.setMachine(1);
    EXPECT_FALSE(silent.tick());
    EXPECT_FALSE(silent.playing());
    EXPECT_EQ(silent.musicName(), "QUIN10");
}

TEST_F(MusicPlayerTest, DestroyingThePlayerClosesItsTune)
{
    {
        MusicPlayer player(backend, dir.str());
        EXPECT_TRUE(player.tick());
        EXPECT_TRUE(backend.tuneOpen());
    }
    EXPECT_FALSE(backend.tuneOpen());
}

} // namespace
