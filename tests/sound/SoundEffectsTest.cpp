#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "FakeAudioBackend.h"
#include "FakeAudioFiles.h"
#include "MersenneRandom.h"
#include "ScriptedRandom.h"
#include "SoundEffects.h"
#include "VirtualClock.h"

namespace {

using fake_audio::TempDir;

constexpr std::array<SoundCue, 8> kAllCues = {SoundCue::Spin,      SoundCue::ReelStop, SoundCue::Win,
                                              SoundCue::Lose,      SoundCue::Coin,     SoundCue::Credit,
                                              SoundCue::FreeSpins, SoundCue::TopAward};

const std::array<std::string, 17> kWaveNames = {
    "QUINTEL0.WAV", "QUINTEL1.WAV", "QUINTEL2.WAV", "QUINTEL3.WAV", "QUINTEL4.WAV", "QUINTEL5.WAV",
    "QUINTEL6.WAV", "QUINTEL7.WAV", "QUINTEL8.WAV", "QUINTEL9.WAV", "QUINTELA.WAV", "QUINTELB.WAV",
    "QUINTELC.WAV", "QUINTELD.WAV", "QUINTELE.WAV", "QUINTELH.WAV", "QUINTELI.WAV"};

// A program directory with every wave file, each a short tone of its own pitch so that the files
// differ; the effects run on a fake backend and a virtual clock.
class SoundEffectsTest : public ::testing::Test {
protected:
    SoundEffectsTest()
    {
        double pitch = 300;
        for (const std::string& name : kWaveNames) {
            fake_audio::writeFile(dir / name, fake_audio::sineWave(20, pitch, 0.5));
            pitch += 50;
        }
    }

    SoundEffects& effects()
    {
        if (!effects_) effects_ = std::make_unique<SoundEffects>(backend, dir.str(), random, clock, clock);
        return *effects_;
    }

    // File names the backend was asked to load since the last call.
    std::vector<std::string> takeFileLoads()
    {
        std::vector<std::string> names;
        for (const std::string& p : backend.fileLoads) names.push_back(std::filesystem::path(p).filename().string());
        backend.fileLoads.clear();
        return names;
    }

    int playsSince(std::size_t mark) const { return static_cast<int>(backend.plays.size() - mark); }

    TempDir dir;
    VirtualClock clock;
    ScriptedRandom random;
    FakeAudioBackend backend{clock};
    std::unique_ptr<SoundEffects> effects_;
};

TEST_F(SoundEffectsTest, FourSoundsAreDecodedFromMemoryAtStartAndNoFileIsOpenedForThemLater)
{
    effects();
    ASSERT_EQ(backend.memoryLoads, 4);
    ASSERT_EQ(backend.waves.size(), 4u);
    // Read in the order stop, spin, top award, credit; each holds its whole file.
    const std::array<std::string, 4> order = {"QUINTEL6.WAV", "QUINTEL9.WAV", "QUINTEL8.WAV", "QUINTELI.WAV"};
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(backend.waves[i].source, "memory");
        EXPECT_EQ(backend.waves[i].bytes, fake_audio::readFile(dir / order[i])) << order[i];
    }

    const std::map<SoundCue, std::string> fileOf = {{SoundCue::ReelStop, "QUINTEL6.WAV"},
                                                    {SoundCue::Spin, "QUINTEL9.WAV"},
                                                    {SoundCue::TopAward, "QUINTEL8.WAV"},
                                                    {SoundCue::Credit, "QUINTELI.WAV"}};
    for (const auto& [cue, file] : fileOf) {
        // Changing the file after start must not matter: the sound was taken into memory.
        fake_audio::writeFile(dir / file, fake_audio::sineWave(5, 1000, 0.1));
        effects().play(cue);
        ASSERT_FALSE(backend.plays.empty());
        const auto& wave = backend.waves[static_cast<std::size_t>(backend.plays.back().wave)];
        EXPECT_EQ(wave.source, "memory");
        EXPECT_NE(wave.bytes, fake_audio::readFile(dir / file));
    }
    EXPECT_TRUE(backend.fileLoads.empty());
}

TEST_F(SoundEffectsTest, MissingMemorySoundIsSilentAndItsFileIsNotCreated)
{
    std::filesystem::remove(dir / "QUINTEL9.WAV");
    std::filesystem::remove(dir / "QUINTELI.WAV");
    effects();
    EXPECT_EQ(backend.waves.size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(dir / "QUINTEL9.WAV"));
    EXPECT_FALSE(std::filesystem::exists(dir / "QUINTELI.WAV"));

    effects().play(SoundCue::Spin);
    effects().play(SoundCue::Credit);
    EXPECT_TRUE(backend.plays.empty());
    effects().play(SoundCue::ReelStop);
    EXPECT_EQ(backend.plays.size(), 1u);
}

TEST_F(SoundEffectsTest, FileSoundsAreReadFromProgramDirEveryTime)
{
    effects().play(SoundCue::Coin);
    effects().play(SoundCue::Coin);
    effects().play(SoundCue::FreeSpins);
    EXPECT_EQ(takeFileLoads(), (std::vector<std::string>{"QUINTEL7.WAV", "QUINTEL7.WAV", "QUINTELH.WAV"}));
    EXPECT_EQ(backend.fileLoads.size(), 0u);
    EXPECT_EQ(backend.plays.size(), 3u);
    ASSERT_EQ(std::filesystem::path(backend.waves.back().source).parent_path(), dir.path());
}

TEST_F(SoundEffectsTest, WinAndLoseFilesFollowTheDraw)
{
    // Draw r in [0, 1): win letter index floor(r * 5), lose digit floor(r * 6).
    for (double r : {0.0, 0.19999, 0.2, 0.5, 0.79999, 0.99999}) random.push(r);
    for (int i = 0; i < 6; ++i) effects().play(SoundCue::Win);
    EXPECT_EQ(takeFileLoads(), (std::vector<std::string>{"QUINTELA.WAV", "QUINTELA.WAV", "QUINTELB.WAV", "QUINTELC.WAV",
                                                         "QUINTELD.WAV", "QUINTELE.WAV"}));

    for (double r : {0.0, 0.16666, 0.16667, 0.5, 0.83333, 0.83334, 0.99999}) random.push(r);
    for (int i = 0; i < 7; ++i) effects().play(SoundCue::Lose);
    EXPECT_EQ(takeFileLoads(), (std::vector<std::string>{"QUINTEL0.WAV", "QUINTEL0.WAV", "QUINTEL1.WAV", "QUINTEL3.WAV",
                                                         "QUINTEL4.WAV", "QUINTEL5.WAV", "QUINTEL5.WAV"}));
    // A source that returns exactly 1 must still name an existing file.
    random.push(1.0);
    random.push(1.0);
    effects().play(SoundCue::Win);
    effects().play(SoundCue::Lose);
    EXPECT_EQ(takeFileLoads(), (std::vector<std::string>{"QUINTELE.WAV", "QUINTEL5.WAV"}));
}

TEST_F(SoundEffectsTest, WinAndLoseChoicesAreUniform)
{
    std::uint64_t seed = 12345;
    MersenneRandom mersenne([&seed] { return seed++; });
    SoundEffects fx(backend, dir.str(), mersenne, clock, clock);
    backend.defaultLengthMs = 1;

    auto chiSquare = [](const std::map<std::string, int>& counts, int kinds, int total) {
        const double expected = static_cast<double>(total) / kinds;
        double chi = 0;
        for (const auto& [name, n] : counts) chi += (n - expected) * (n - expected) / expected;
        return chi;
    };

    constexpr int kDraws = 6000;
    for (int i = 0; i < kDraws; ++i) fx.play(SoundCue::Win);
    std::map<std::string, int> wins;
    for (const std::string& name : takeFileLoads()) ++wins[name];
    EXPECT_EQ(wins.size(), 5u);
    for (char c : std::string("ABCDE")) EXPECT_GT(wins[std::string("QUINTEL") + c + ".WAV"], 0) << c;
    // 4 degrees of freedom: 18.5 is the 0.1 % level.
    EXPECT_LT(chiSquare(wins, 5, kDraws), 18.5);

    for (int i = 0; i < kDraws; ++i) fx.play(SoundCue::Lose);
    std::map<std::string, int> losses;
    for (const std::string& name : takeFileLoads()) ++losses[name];
    EXPECT_EQ(losses.size(), 6u);
    for (char c : std::string("012345")) EXPECT_GT(losses[std::string("QUINTEL") + c + ".WAV"], 0) << c;
    // 5 degrees of freedom: 20.5 is the 0.1 % level.
    EXPECT_LT(chiSquare(losses, 6, kDraws), 20.5);
}

TEST_F(SoundEffectsTest, RandomSoundsReseedBeforeTheGate)
{
    effects().setSoundOn(false);
    effects().play(SoundCue::Win);
    effects().play(SoundCue::Lose);
    EXPECT_EQ(random.reseeds, 2);
    EXPECT_EQ(random.draws, 0);

    effects().setSoundOn(true);
    effects().play(SoundCue::Win);
    EXPECT_EQ(random.reseeds, 3);
    EXPECT_EQ(random.draws, 1);
    effects().play(SoundCue::Coin);
    effects().play(SoundCue::Spin);
    EXPECT_EQ(random.reseeds, 3);
    EXPECT_EQ(random.draws, 1);
}

TEST_F(SoundEffectsTest, MasterSwitchAndMinimisedWindowSilenceEverySound)
{
    effects().setSoundOn(false);
    for (SoundCue cue : kAllCues) effects().play(cue);
    EXPECT_TRUE(backend.plays.empty());
    EXPECT_TRUE(backend.fileLoads.empty());

    // Switching sound off and on again leaves the six toggles as they were.
    effects().setToggle(3, false);
    effects().setSoundOn(true);
    for (int t = 0; t < SoundEffects::kToggles; ++t) EXPECT_EQ(effects().toggle(t), t != 3) << t;

    effects().setToggle(3, true);
    effects().setMinimised(true);
    for (SoundCue cue : kAllCues) effects().play(cue);
    EXPECT_TRUE(backend.plays.empty());

    effects().setMinimised(false);
    for (SoundCue cue : kAllCues) effects().play(cue);
    EXPECT_EQ(backend.plays.size(), kAllCues.size());
}

TEST_F(SoundEffectsTest, EachToggleSilencesOnlyItsOwnSound)
{
    const std::array<SoundCue, 6> toggled = {SoundCue::Spin, SoundCue::ReelStop, SoundCue::Win,
                                             SoundCue::Lose, SoundCue::Coin,     SoundCue::Credit};
    for (int t = 0; t < 6; ++t) {
        effects().setToggle(t, false);
        for (SoundCue cue : kAllCues) {
            const std::size_t before = backend.plays.size();
            effects().play(cue);
            const bool played = backend.plays.size() > before;
            EXPECT_EQ(played, cue != toggled[static_cast<std::size_t>(t)])
                << "toggle " << t << " cue " << static_cast<int>(cue);
        }
        effects().setToggle(t, true);
    }
}

TEST_F(SoundEffectsTest, FreeSpinsAndTopAwardIgnoreTheToggles)
{
    for (int t = 0; t < 6; ++t) effects().setToggle(t, false);
    effects().setToggle(6, true); // out of range: no toggle there
    effects().setToggle(-1, true);
    for (int t = 0; t < 6; ++t) EXPECT_FALSE(effects().toggle(t));

    // A losing spin that starts free spins: the lose sound is off, the free-spin sound is not.
    effects().play(SoundCue::Lose);
    effects().play(SoundCue::FreeSpins);
    effects().play(SoundCue::TopAward);
    ASSERT_EQ(backend.plays.size(), 2u);
    EXPECT_EQ(std::filesystem::path(backend.waves[static_cast<std::size_t>(backend.plays[0].wave)].source).filename(),
              "QUINTELH.WAV");
}

TEST_F(SoundEffectsTest, BlockingSoundsWaitInShortSlicesWhileWindowEventsRun)
{
    backend.lengths["QUINTELH.WAV"] = 1234;
    effects();
    const std::uint32_t start = clock.now();
    bool repainted = false;
    bool repaintedDuringWait = false;
    clock.at(start + 600, [&] { repainted = true; });
    clock.at(start + 1200, [&] { repaintedDuringWait = backend.voicePlaying(backend.plays.back().voice); });

    effects().play(SoundCue::FreeSpins);

    EXPECT_TRUE(repainted);
    EXPECT_TRUE(repaintedDuringWait);
    EXPECT_FALSE(backend.voicePlaying(backend.plays.back().voice));
    // Returned as soon as the sound ended, within one slice.
    EXPECT_GE(clock.now() - start, 1234u);
    EXPECT_LE(clock.now() - start, 1234u + SoundEffects::kWaitSliceMs);
    ASSERT_FALSE(clock.waits.empty());
    for (const auto& w : clock.waits) {
        EXPECT_TRUE(w.handleEvents);
        EXPECT_LE(w.until - w.from, SoundEffects::kWaitSliceMs);
    }
}

TEST_F(SoundEffectsTest, WinAndLoseBlockButTheOtherSoundsReturnAtOnce)
{
    backend.defaultLengthMs = 700;
    effects();
    for (SoundCue cue : {SoundCue::Spin, SoundCue::ReelStop, SoundCue::Coin, SoundCue::Credit, SoundCue::TopAward}) {
        const std::uint32_t start = clock.now();
        effects().play(cue);
        EXPECT_EQ(clock.now(), start) << static_cast<int>(cue);
    }
    EXPECT_TRUE(clock.waits.empty());
    EXPECT_EQ(backend.voicesSounding(), 5);

    for (SoundCue cue : {SoundCue::Win, SoundCue::Lose}) {
        const std::uint32_t start = clock.now();
        effects().play(cue);
        EXPECT_GE(clock.now() - start, 700u) << static_cast<int>(cue);
    }
}

TEST_F(SoundEffectsTest, SilenceEndsTheWaitForABlockingSound)
{
    backend.lengths["QUINTELC.WAV"] = 8000;
    effects();
    const std::uint32_t start = clock.now();
    // The window closes 300 ms into the win sound.
    clock.at(start + 300, [&] { effects().silence(); });
    random.push(0.5);
    effects().play(SoundCue::Win);
    EXPECT_LE(clock.now() - start, 300u + SoundEffects::kWaitSliceMs);
    EXPECT_EQ(backend.voicesSounding(), 0);
}

TEST_F(SoundEffectsTest, MissingFileSoundIsSilentAndDoesNotWait)
{
    std::filesystem::remove(dir / "QUINTELD.WAV");
    std::filesystem::remove(dir / "QUINTEL7.WAV");
    random.push(0.7);
    effects().play(SoundCue::Win);
    effects().play(SoundCue::Coin);
    EXPECT_TRUE(backend.plays.empty());
    EXPECT_TRUE(clock.waits.empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "QUINTEL7.WAV"));
}

TEST_F(SoundEffectsTest, RetriggerRestartsTheEffectInsteadOfStackingVoices)
{
    backend.defaultLengthMs = 300;
    effects();
    // The spin sound fires every frame and the credit tick every 25 ms.
    for (int frame = 0; frame < 50; ++frame) {
        effects().play(SoundCue::Spin);
        effects().play(SoundCue::Credit);
        effects().play(SoundCue::Coin);
        EXPECT_EQ(backend.voicesSounding(), 3) << frame;
        clock.advance(25);
    }
    std::map<int, int> voicesOfWave;
    for (const auto& p : backend.plays) voicesOfWave[p.voice]++;
    EXPECT_EQ(voicesOfWave.size(), 3u);
    // Started last 25 ms ago: sounds until 300 ms after the last trigger, not 300 ms after the first.
    EXPECT_EQ(backend.voicesSounding(), 3);
    clock.advance(280);
    EXPECT_EQ(backend.voicesSounding(), 0);

    // Each coin read its file again; only the last one is still held.
    int heldCoins = 0;
    for (const auto& w : backend.waves) heldCoins += !w.freed && w.source != "memory";
    EXPECT_EQ(heldCoins, 1);
}

TEST_F(SoundEffectsTest, EverythingIsHarmlessWithoutADevice)
{
    FakeAudioBackend closed(clock, false);
    SoundEffects fx(closed, dir.str(), random, clock, clock);
    for (SoundCue cue : kAllCues) fx.play(cue);
    EXPECT_TRUE(closed.plays.empty());
    EXPECT_TRUE(clock.waits.empty());
}

TEST_F(SoundEffectsTest, DestroyingTheEffectsFreesTheirWaves)
{
    effects().play(SoundCue::Coin);
    effects().play(SoundCue::FreeSpins);
    effects_.reset();
    ASSERT_EQ(backend.waves.size(), 6u);
    for (const auto& w : backend.waves) EXPECT_TRUE(w.freed) << w.source;
}

} // namespace
