// The real SDL backend on SDL's disk driver, which writes everything the mixer plays to a raw file
// (44100 Hz, signed 16-bit, stereo) in real time.
#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <thread>
#include <vector>

#include "EngineRig.h"
#include "FakeAudioFiles.h"
#include "MusicPlayer.h"
#include "SdlAudioBackend.h"
#include "SdlDiskRecording.h"
#include "SoundEffects.h"

namespace {

using fake_audio::TempDir;
using Clock = std::chrono::steady_clock;

using sdl_disk::kRate;
using sdl_disk::kSilence;
using sdl_disk::Recording;
using sdl_disk::sleepMs;

// The wall clock and an event loop with no events, as the game's sounds see them.
class RealClock : public TickSource, public EventPump {
public:
    std::uint32_t now() override
    {
        return static_cast<std::uint32_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start_).count());
    }
    void processEvents() override { ++processCalls; }
    void waitUntil(std::uint32_t deadline, bool handleEvents) override
    {
        ++waits;
        eventWaits += handleEvents;
        const std::uint32_t t = now();
        if (tickAfter(deadline, t)) sleepMs(static_cast<int>(deadline - t));
    }
    int waits = 0, eventWaits = 0, processCalls = 0;

private:
    Clock::time_point start_ = Clock::now();
};

// Passes each cue on and remembers it.
class TeeSound : public SoundSink {
public:
    explicit TeeSound(SoundSink& next)
        : next_(next)
    {}
    void play(SoundCue cue) override
    {
        cues.push_back(cue);
        next_.play(cue);
    }
    std::vector<SoundCue> cues;

private:
    SoundSink& next_;
};

// The left channel of the recording from frame `from` on.
// The backend lives for the whole suite, recording into one file.
class SdlDiskAudioTest : public SdlDiskRecording {
protected:
    static void SetUpTestSuite()
    {
        rssBeforeBackendKb = residentKb();
        SdlDiskRecording::SetUpTestSuite();
    }

    static long residentKb()
    {
        std::ifstream status("/proc/self/status");
        std::string key;
        while (status >> key) {
            if (key == "VmRSS:") {
                long kb = 0;
                status >> kb;
                return kb;
            }
        }
        return 0;
    }

    static inline long rssBeforeBackendKb = 0;

    TempDir dir;
    RealClock clock;
    ScriptedRandom random;
};

TEST_F(SdlDiskAudioTest, CoinSoundIsRecordedAtItsLevelAndLength)
{
    // A 400 ms tone at half of full scale.
    fake_audio::writeFile(dir / "QUINTEL7.WAV", fake_audio::sineWave(400, 440, 0.5));
    SoundEffects fx(*backend, dir.str(), random, clock, clock);

    const std::size_t from = mark();
    fx.play(SoundCue::Coin);
    waitRecorded(from, 900);
    const Recording rec = since(from);
    const auto [first, last] = rec.sounding();
    ASSERT_GT(last, first) << "the coin sound left only silence";

    const double rms = rec.rms(first, last);
    std::cout << "coin: RMS " << rms << " over " << ms(last - first) << " ms, starting " << ms(first)
              << " ms after the play call\n";
    // A sine of peak 0.5 has an RMS of 0.5 / sqrt(2) of full scale, about 11585.
    EXPECT_NEAR(rms, 11585, 1200);
    EXPECT_NEAR(ms(last - first), 400, 40);
    EXPECT_GT(rec.tone(first, 4096, 440), 0.4);
}

TEST_F(SdlDiskAudioTest, LoseSoundHoldsTheGameUntilItHasPlayed)
{
    for (char d = '0'; d <= '5'; ++d) {
        fake_audio::writeFile(dir / (std::string("QUINTEL") + d + ".WAV"), fake_audio::sineWave(600, 660, 0.3));
    }
    SoundEffects fx(*backend, dir.str(), random, clock, clock);

    const std::size_t from = mark();
    const auto start = Clock::now();
    fx.play(SoundCue::Lose);
    const double heldMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    std::cout << "lose: held the game " << heldMs << " ms for a 600 ms sound\n";
    // The voice ends once the mixer has taken its last samples, up to two 1024-frame buffers
    // (46 ms) before they are heard.
    EXPECT_GE(heldMs, 600 - 50);
    EXPECT_LT(heldMs, 1000);
    EXPECT_GT(clock.waits, 10);
    EXPECT_EQ(clock.eventWaits, clock.waits);

    waitRecorded(from, static_cast<int>(heldMs) + 200);
    const auto [first, last] = since(from).sounding();
    EXPECT_NEAR(ms(last - first), 600, 40);
}

TEST_F(SdlDiskAudioTest, FastRetriggersRestartOneVoice)
{
    fake_audio::writeFile(dir / "QUINTEL9.WAV", fake_audio::sineWave(500, 550, 0.4));
    SoundEffects fx(*backend, dir.str(), random, clock, clock);

    const std::size_t from = mark();
    const auto firstTrigger = Clock::now();
    auto lastTrigger = firstTrigger;
    for (int frame = 0; frame < 20; ++frame) {
        lastTrigger = Clock::now();
        fx.play(SoundCue::Spin);
        EXPECT_EQ(Mix_Playing(-1), 1);
        sleepMs(10);
    }
    const double triggeringMs = std::chrono::duration<double, std::milli>(lastTrigger - firstTrigger).count();
    waitRecorded(from, static_cast<int>(triggeringMs) + 900);
    const Recording rec = since(from);
    const auto [first, last] = rec.sounding();
    // Voices piled on each other would add up far beyond one tone's peak.
    EXPECT_LE(rec.peak(), static_cast<int>(0.4 * 32767 * 1.05));
    // It ends one sound's length after the last trigger, not after the first.
    EXPECT_NEAR(ms(last - first), triggeringMs + 500, 60);
}

TEST_F(SdlDiskAudioTest, TunePlaysAndTheNextOneFollowsWhenItEnds)
{
    // Two one-second tunes of four eighth notes on a piano.
    const std::vector<fake_audio::Note> tune = {{60, 0, 0.5}, {64, 0.5, 0.5}, {67, 1, 0.5}, {72, 1.5, 0.5}};
    fake_audio::writeFile(dir / "QUIN00.MID", fake_audio::midiTune(tune));
    fake_audio::writeFile(dir / "QUIN01.MID", fake_audio::midiTune(tune));
    MusicPlayer music(*backend, dir.str());
    music.setMachine(0);

    const long rssBefore = residentKb();
    std::size_t from = mark();
    const auto opened = Clock::now();
    ASSERT_TRUE(music.tick()) << backend->lastError();
    const double openMs = std::chrono::duration<double, std::milli>(Clock::now() - opened).count();
    EXPECT_TRUE(music.playing());
    waitRecorded(from, 1500);
    auto [first, last] = since(from).sounding();
    ASSERT_GT(last, first) << "the tune left only silence";
    std::cout << "music: open and play took " << openMs << " ms, first sound " << ms(first)
              << " ms after the tick; resident memory " << rssBeforeBackendKb << " kB before SDL, " << rssBefore
              << " kB before the first tune, " << residentKb() << " kB while it plays\n";

    // The mixer goes on reporting the tune for seconds after its last note; the backend reports its end
    // once the notes have played, so the next tune follows within one poll.
    const auto end = Clock::now() + std::chrono::seconds(12);
    while (backend->tunePlaying() && Clock::now() < end) sleepMs(100);
    ASSERT_FALSE(backend->tunePlaying());
    const double reportedMs = std::chrono::duration<double, std::milli>(Clock::now() - opened).count();
    std::cout << "music: tune reported playing for " << reportedMs << " ms after it started (1000 ms of notes)\n";
    EXPECT_LT(reportedMs, 1000 + SdlAudioBackend::kTuneTailMs + 1500);

    ASSERT_TRUE(music.tick());
    EXPECT_FALSE(music.playing());
    EXPECT_EQ(music.musicName(), "QUIN01");
    from = mark();
    ASSERT_TRUE(music.tick()) << backend->lastError();
    EXPECT_TRUE(music.playing());
    waitRecorded(from, 1200);
    std::tie(first, last) = since(from).sounding();
    EXPECT_GT(last, first) << "the second tune left only silence";
    music.closeAll();
}

TEST_F(SdlDiskAudioTest, TheGamesOwnSoundsAndTunesLoad)
{
    const char* assets = std::getenv("QUINTEL_ASSET_DIR");
    if (assets == nullptr || !std::filesystem::exists(std::filesystem::path(assets) / "QUINTEL7.WAV")) {
        GTEST_SKIP() << "no game sounds in the asset directory yet";
    }
    for (const char* name :
         {"QUINTEL0", "QUINTEL1", "QUINTEL2", "QUINTEL3", "QUINTEL4", "QUINTEL5", "QUINTEL6", "QUINTEL7", "QUINTEL8",
          "QUINTEL9", "QUINTELA", "QUINTELB", "QUINTELC", "QUINTELD", "QUINTELE", "QUINTELH", "QUINTELI"}) {
        const int wave = backend->loadWaveFile((std::filesystem::path(assets) / (std::string(name) + ".WAV")).string());
        EXPECT_NE(wave, AudioBackend::kNoWave) << name << ": " << backend->lastError();
        EXPECT_GT(backend->waveLengthMs(wave), 0u) << name;
        backend->freeWave(wave);
    }
    for (int m = 0; m < 3; ++m) {
        for (int t = 0; t < 3; ++t) {
            const std::string name = "QUIN" + std::to_string(m) + std::to_string(t) + ".MID";
            EXPECT_TRUE(backend->openTune((std::filesystem::path(assets) / name).string()))
                << name << ": " << backend->lastError();
            backend->closeTune();
        }
    }
}

TEST_F(SdlDiskAudioTest, MissingTuneFailsAndLeavesNothingOpen)
{
    MusicPlayer music(*backend, dir.str());
    music.setMachine(2);
    EXPECT_FALSE(music.tick());
    EXPECT_FALSE(music.playing());
    EXPECT_FALSE(backend->tunePlaying());
    EXPECT_NE(backend->lastError().find("QUIN20.MID"), std::string::npos) << backend->lastError();
}

// Stops whose spin plays the wanted result sound and neither free spins nor the top award, found by
// playing spins on a virtual clock.
std::array<int, 3> findStops(SoundCue wanted)
{
    for (int a = 0; a < 28; ++a) {
        for (int b = 0; b < 28; ++b) {
            EngineRig rig;
            rig.random.forceStops(a, b, a);
            for (int coin = 0; coin < 3; ++coin) rig.machine.InsertCoin();
            if (rig.sound.count(wanted) == 1 && rig.sound.count(SoundCue::FreeSpins) == 0 &&
                rig.sound.count(SoundCue::TopAward) == 0) {
                return {a, b, a};
            }
        }
    }
    return {-1, -1, -1};
}

// Plays one three-coin spin on the wall clock with every sound at its own pitch, and checks that each
// sound the game played is heard in the recording, in the order the game first played them.
class SdlDiskSpinTest : public SdlDiskAudioTest {
protected:
    std::vector<SoundCue> spinAndListen(const std::array<int, 3>& stops)
    {
        auto wave = [&](SoundCue cue, int ms) { return fake_audio::sineWave(ms, pitch.at(cue), 0.12); };
        fake_audio::writeFile(dir / "QUINTEL7.WAV", wave(SoundCue::Coin, 150));
        fake_audio::writeFile(dir / "QUINTEL9.WAV", wave(SoundCue::Spin, 150));
        fake_audio::writeFile(dir / "QUINTEL6.WAV", wave(SoundCue::ReelStop, 150));
        fake_audio::writeFile(dir / "QUINTELI.WAV", wave(SoundCue::Credit, 60));
        fake_audio::writeFile(dir / "QUINTELH.WAV", wave(SoundCue::FreeSpins, 300));
        fake_audio::writeFile(dir / "QUINTEL8.WAV", wave(SoundCue::TopAward, 100));
        for (char c : std::string("012345")) {
            fake_audio::writeFile(dir / (std::string("QUINTEL") + c + ".WAV"), wave(SoundCue::Lose, 300));
        }
        for (char c : std::string("ABCDE")) {
            fake_audio::writeFile(dir / (std::string("QUINTEL") + c + ".WAV"), wave(SoundCue::Win, 300));
        }

        ScriptedRandom soundRandom;
        SoundEffects fx(*backend, dir.str(), soundRandom, clock, clock);
        TeeSound tee(fx);
        RecordingView view;
        RecordingMessages messages;
        GameHooks hooks;
        SlotMachine machine(SlotMachinePorts{clock, clock, random, view, tee, messages, hooks});
        machine.NewGame(MachineId::Quintel);
        random.forceStops(stops[0], stops[1], stops[2]);

        const std::size_t from = mark();
        for (int coin = 0; coin < 3; ++coin) machine.InsertCoin();
        sleepMs(400);
        EXPECT_EQ(machine.state().machineSpins(), 1);
        EXPECT_TRUE(messages.shown.empty());

        const Recording rec = since(from);
        constexpr std::size_t kWindow = 1024;
        std::map<SoundCue, std::size_t> heardAt;
        for (std::size_t at = 0; at + kWindow <= rec.left.size(); at += kWindow / 2) {
            for (const auto& [cue, hz] : pitch) {
                if (!heardAt.count(cue) && rec.tone(at, kWindow, hz) > 0.05) heardAt[cue] = at;
            }
        }
        std::vector<SoundCue> firstPlayed;
        for (SoundCue cue : tee.cues) {
            if (std::find(firstPlayed.begin(), firstPlayed.end(), cue) == firstPlayed.end()) firstPlayed.push_back(cue);
        }
        std::cout << "spin: " << tee.cues.size() << " cues played; first heard (ms):";
        for (SoundCue cue : firstPlayed) {
            std::cout << " cue" << static_cast<int>(cue) << "@" << (heardAt.count(cue) ? ms(heardAt[cue]) : -1.0);
        }
        std::cout << "\n";
        for (std::size_t i = 0; i < firstPlayed.size(); ++i) {
            EXPECT_TRUE(heardAt.count(firstPlayed[i])) << "cue " << static_cast<int>(firstPlayed[i]) << " not heard";
            if (i > 0 && heardAt.count(firstPlayed[i]) && heardAt.count(firstPlayed[i - 1])) {
                EXPECT_GT(heardAt[firstPlayed[i]], heardAt[firstPlayed[i - 1]]) << i;
            }
        }
        for (const auto& [cue, at] : heardAt) {
            EXPECT_NE(std::find(firstPlayed.begin(), firstPlayed.end(), cue), firstPlayed.end())
                << "cue " << static_cast<int>(cue) << " heard but never played";
        }
        return firstPlayed;
    }

    const std::map<SoundCue, double> pitch = {
        {SoundCue::Coin, 500}, {SoundCue::Spin, 700},    {SoundCue::ReelStop, 900},   {SoundCue::Lose, 1100},
        {SoundCue::Win, 1300}, {SoundCue::Credit, 1500}, {SoundCue::FreeSpins, 1700}, {SoundCue::TopAward, 1900}};
};

TEST_F(SdlDiskSpinTest, LosingSpinRecordsCoinSpinStopAndLoseSounds)
{
    const auto stops = findStops(SoundCue::Lose);
    ASSERT_GE(stops[0], 0);
    EXPECT_EQ(spinAndListen(stops),
              (std::vector<SoundCue>{SoundCue::Coin, SoundCue::Spin, SoundCue::ReelStop, SoundCue::Lose}));
}

TEST_F(SdlDiskSpinTest, WinningSpinRecordsWinAndCreditSounds)
{
    const auto stops = findStops(SoundCue::Win);
    ASSERT_GE(stops[0], 0);
    EXPECT_EQ(spinAndListen(stops), (std::vector<SoundCue>{SoundCue::Coin, SoundCue::Spin, SoundCue::ReelStop,
                                                           SoundCue::Win, SoundCue::Credit}));
}

} // namespace
