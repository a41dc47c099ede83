// The stand-in backend makes the real one at the first sound; what it was given before reaches it.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "DeferredAudioBackend.h"
#include "FakeAudioBackend.h"
#include "VirtualClock.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Makes fake backends (open or not) and counts how often it was asked.
struct FakeFactory {
    VirtualClock clock;
    bool open = true;
    int calls = 0;
    FakeAudioBackend* made = nullptr;

    DeferredAudioBackend::Factory factory()
    {
        return [this](std::string&) -> std::unique_ptr<AudioBackend> {
            ++calls;
            auto backend = std::make_unique<FakeAudioBackend>(clock, open);
            made = backend.get();
            return backend;
        };
    }
};

} // namespace

TEST(DeferredAudioBackend, WavesAndVolumesGivenBeforeTheFirstSoundReachTheBackend)
{
    FakeFactory fakes;
    std::vector<std::string> reports;
    DeferredAudioBackend audio(fakes.factory(), [&reports](const std::string& why) { reports.push_back(why); });
    const int dropped = audio.loadWaveBytes({9});
    const int first = audio.loadWaveBytes({1, 2, 3});
    const int second = audio.loadWaveBytes({4, 5});
    EXPECT_EQ(audio.loadWaveBytes({}), AudioBackend::kNoWave);
    audio.freeWave(dropped);
    audio.setEffectsVolume(40);
    audio.setMusicVolume(70);
    audio.stopVoices();
    EXPECT_FALSE(audio.voicePlaying(3));
    EXPECT_EQ(fakes.calls, 0) << "made before the first sound";

    audio.playWave(second, 3);
    ASSERT_EQ(fakes.calls, 1);
    const FakeAudioBackend& fake = *fakes.made;
    ASSERT_EQ(fake.waves.size(), 2u) << "a wave freed before is never decoded";
    ASSERT_EQ(fake.plays.size(), 1u);
    EXPECT_EQ(fake.waves[static_cast<std::size_t>(fake.plays[0].wave)].bytes, (Bytes{4, 5}));
    EXPECT_EQ(fake.plays[0].voice, 3);
    EXPECT_TRUE(audio.voicePlaying(3));
    EXPECT_EQ(audio.waveLengthMs(second), fake.defaultLengthMs);
    EXPECT_EQ(fake.effectsVolume, 40);
    EXPECT_EQ(fake.musicVolume, 70);

    audio.playWave(first, 1);
    audio.freeWave(second);
    EXPECT_EQ(fake.waves[static_cast<std::size_t>(fake.plays[1].wave)].bytes, (Bytes{1, 2, 3}));
    EXPECT_TRUE(fake.waves[static_cast<std::size_t>(fake.plays[0].wave)].freed);
    EXPECT_FALSE(audio.voicePlaying(3));
    EXPECT_EQ(fakes.calls, 1);
    EXPECT_TRUE(reports.empty());
}

TEST(DeferredAudioBackend, WithoutABackendOrDeviceItPlaysSilentlyAndSaysWhyOnce)
{
    int calls = 0;
    std::vector<std::string> reports;
    const auto report = [&reports](const std::string& why) { reports.push_back(why); };
    DeferredAudioBackend missing(
        [&calls](std::string& error) -> std::unique_ptr<AudioBackend> {
            ++calls;
            error = "quintel-audio.so not found in /nowhere";
            return nullptr;
        },
        report);
    const int wave = missing.loadWaveBytes({1, 2});
    EXPECT_TRUE(reports.empty());
    missing.playWave(wave, 0);
    EXPECT_FALSE(missing.voicePlaying(0));
    EXPECT_EQ(missing.loadWaveFile("/nowhere/QUINTEL7.WAV"), AudioBackend::kNoWave);
    EXPECT_FALSE(missing.openTune("/nowhere/QUIN00.MID"));
    EXPECT_FALSE(missing.isOpen());
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(reports, std::vector<std::string>{"quintel-audio.so not found in /nowhere"});
    EXPECT_EQ(missing.lastError(), "quintel-audio.so not found in /nowhere");

    // Music switched on is a first use too; a backend without a device is kept, silent.
    reports.clear();
    FakeFactory fakes;
    fakes.open = false;
    DeferredAudioBackend closed(fakes.factory(), report);
    EXPECT_FALSE(closed.openTune("/nowhere/QUIN00.MID"));
    closed.playWave(closed.loadWaveBytes({1}), 0);
    EXPECT_EQ(fakes.calls, 1);
    EXPECT_EQ(reports, std::vector<std::string>{"no device"});
}
