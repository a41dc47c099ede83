// The Volume dialog's sliders driving the real mixer on SDL's disk driver: the recorded level of the
// effects and of the music follows each slider.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSlider>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <thread>

#include "FakeAudioFiles.h"
#include "MusicPlayer.h"
#include "PlaySettingsDialogs.h"
#include "ScriptedRandom.h"
#include "SdlAudioBackend.h"
#include "SdlDiskRecording.h"
#include "SoundEffects.h"
#include "VirtualClock.h"

namespace {

using fake_audio::TempDir;

class VolumeDiskTest : public SdlDiskRecording {
protected:
    static double energy(std::size_t frame) { return since(frame).energy(); }

    TempDir dir;
    VirtualClock clock;
    ScriptedRandom random;
};

TEST_F(VolumeDiskTest, RecordedLevelsFollowTheSliders)
{
    fake_audio::writeFile(dir / "QUINTEL7.WAV", fake_audio::sineWave(300, 440, 0.5));
    const std::vector<fake_audio::Note> tune = {{60, 0, 0.5}, {64, 0.5, 0.5}};
    fake_audio::writeFile(dir / "QUIN00.MID", fake_audio::midiTune(tune));
    SoundEffects fx(*backend, dir.str(), random, clock, clock);
    MusicPlayer music(*backend, dir.str());
    VolumeDialog dialog(100, 100, [&](int effects, int level) {
        fx.setVolume(effects);
        music.setVolume(level);
    });
    auto* effects = dialog.findChild<QSlider*>(QStringLiteral("sldEffects"));
    auto* musicSlider = dialog.findChild<QSlider*>(QStringLiteral("sldMusic"));
    ASSERT_NE(effects, nullptr);
    ASSERT_NE(musicSlider, nullptr);

    auto coinAt = [&](int percent) {
        effects->setValue(percent);
        const std::size_t from = mark();
        fx.play(SoundCue::Coin);
        waitRecorded(from, 500);
        return energy(from);
    };
    const double full = coinAt(100);
    ASSERT_GT(full, 0);
    const double half = coinAt(50);
    const double none = coinAt(0);
    std::cout << "coin energy at 100/50/0 %: " << full << " " << half << " " << none << "\n";
    // The mixer scales by level / 128: 64 / 128 at half.
    EXPECT_NEAR(half / full, 0.5, 0.03);
    EXPECT_LT(none / full, 0.001);
    effects->setValue(100);

    auto tuneAt = [&](int percent) {
        musicSlider->setValue(percent);
        music.setMachine(0);
        const std::size_t from = mark();
        EXPECT_TRUE(music.tick()) << backend->lastError();
        waitRecorded(from, 1400);
        music.closeAll();
        return energy(from);
    };
    const double loud = tuneAt(100);
    ASSERT_GT(loud, 0) << "the tune left only silence";
    const double quiet = tuneAt(25);
    std::cout << "tune energy at 100/25 %: " << loud << " " << quiet << "\n";
    EXPECT_NEAR(quiet / loud, 0.25, 0.04);
    // The effects keep their own level.
    EXPECT_NEAR(coinAt(100) / full, 1.0, 0.03);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
