// The real SDL backend on a machine without a sound card: ALSA finds no device, so the mixer cannot
// open and the game must go on silently.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

#include "EngineRig.h"
#include "FakeAudioFiles.h"
#include "MidiErrorText.h"
#include "MusicPlayer.h"
#include "SdlAudioBackend.h"
#include "SoundEffects.h"

namespace {

using fake_audio::TempDir;

class SdlNoDeviceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("SDL_AUDIODRIVER", "alsa", 1); }

    // The backend, or a skip when this machine does have a sound card.
    std::unique_ptr<SdlAudioBackend> makeBackend(const std::string& soundFont = SdlAudioBackend::kDefaultSoundFont)
    {
        auto backend = std::make_unique<SdlAudioBackend>(soundFont);
        if (backend->isOpen()) return nullptr;
        return backend;
    }

    TempDir dir;
};

TEST_F(SdlNoDeviceTest, BackendReportsNotOpenAndEveryCallIsHarmless)
{
    auto backend = makeBackend();
    if (!backend) GTEST_SKIP() << "this machine has a sound device";
    EXPECT_FALSE(backend->isOpen());
    EXPECT_FALSE(backend->openError().empty());

    fake_audio::writeFile(dir / "QUINTEL7.WAV", fake_audio::sineWave(100, 440, 0.5));
    fake_audio::writeFile(dir / "QUIN00.MID", fake_audio::midiTune({{60, 0, 1}}));
    const int wave = backend->loadWaveFile((dir / "QUINTEL7.WAV").string());
    EXPECT_EQ(wave, AudioBackend::kNoWave);
    EXPECT_EQ(backend->loadWaveBytes(fake_audio::readFile(dir / "QUINTEL7.WAV")), AudioBackend::kNoWave);
    backend->playWave(0, 0);
    backend->playWave(wave, 3);
    EXPECT_FALSE(backend->voicePlaying(0));
    EXPECT_EQ(backend->waveLengthMs(0), 0u);
    backend->freeWave(0);
    backend->stopVoices();

    EXPECT_FALSE(backend->openTune((dir / "QUIN00.MID").string()));
    EXPECT_FALSE(backend->playTune());
    EXPECT_FALSE(backend->tunePlaying());
    backend->closeTune();
}

TEST_F(SdlNoDeviceTest, AWholeSpinRunsSilentlyAndMusicSwitchesItselfOffWhenAsked)
{
    auto backend = makeBackend();
    if (!backend) GTEST_SKIP() << "this machine has a sound device";
    fake_audio::writeFile(dir / "QUIN10.MID", fake_audio::midiTune({{60, 0, 1}}));

    VirtualClock clock;
    ScriptedRandom random;
    ScriptedRandom soundRandom;
    SoundEffects fx(*backend, dir.str(), soundRandom, clock, clock);
    MusicPlayer music(*backend, dir.str());
    RecordingView view;
    RecordingMessages messages;
    GameHooks hooks;
    SlotMachine machine(SlotMachinePorts{clock, clock, random, view, fx, messages, hooks});
    machine.NewGame(MachineId::Lucky7);
    music.setMachine(1);

    random.forceStops(4, 9, 17);
    const Money creditsBefore = machine.state().credits;
    for (int coin = 0; coin < 3; ++coin) machine.InsertCoin();
    EXPECT_EQ(machine.state().machineSpins(), 1);
    EXPECT_FALSE(machine.busy());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_GT(view.reelDraws, 100);
    EXPECT_NE(machine.state().credits, creditsBefore);

    // Music switched on: the first tick fails and names the tune.
    EXPECT_FALSE(music.tick());
    EXPECT_FALSE(music.playing());
    EXPECT_NE(midiErrorText(music.musicName()).find("(quin10.mid)"), std::string::npos);
}

TEST_F(SdlNoDeviceTest, SdlLeavesTerminationSignalsToTheGame)
{
    auto backend = std::make_unique<SdlAudioBackend>();
    for (int sig : {SIGTERM, SIGINT}) {
        struct sigaction current {};
        ASSERT_EQ(sigaction(sig, nullptr, &current), 0);
        EXPECT_EQ(current.sa_handler, SIG_DFL) << "signal " << sig;
    }
}

TEST_F(SdlNoDeviceTest, MissingSoundFontIsReported)
{
    {
        auto backend = makeBackend((dir / "none.sf2").string());
        if (!backend) GTEST_SKIP() << "this machine has a sound device";
        EXPECT_FALSE(backend->soundFontFound());
    }

    auto withFont = makeBackend();
    ASSERT_TRUE(withFont);
    EXPECT_TRUE(withFont->soundFontFound()) << "install timgm6mb-soundfont";
}

} // namespace
