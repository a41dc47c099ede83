// The committed wave files: valid 16-bit PCM, audible, click-free, of the right length and level.
#include "AssetDir.h"
#include "WavFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

namespace {

double dB(double v) { return 20.0 * std::log10(std::max(v, 1e-9)); }

struct Range {
    double minSeconds, maxSeconds;
};

// How long each sound may be: the game waits for win, lose and free-spin sounds, repeats the
// top award every 540 ms, plays a credit tick per credit and a spin tick every frame.
const std::map<std::string, Range> kSounds = {
    {"QUINTEL0.WAV", {0.3, 1.5}},   {"QUINTEL1.WAV", {0.3, 1.5}},     {"QUINTEL2.WAV", {0.3, 1.5}},
    {"QUINTEL3.WAV", {0.3, 1.5}},   {"QUINTEL4.WAV", {0.3, 1.5}},     {"QUINTEL5.WAV", {0.3, 1.5}},
    {"QUINTEL6.WAV", {0.05, 0.3}},  {"QUINTEL7.WAV", {0.1, 1.0}},     {"QUINTEL8.WAV", {0.1, 0.5}},
    {"QUINTEL9.WAV", {0.01, 0.06}}, {"QUINTELA.WAV", {1.0, 2.5}},     {"QUINTELB.WAV", {1.0, 2.5}},
    {"QUINTELC.WAV", {1.0, 2.5}},   {"QUINTELD.WAV", {1.0, 2.5}},     {"QUINTELE.WAV", {1.0, 2.5}},
    {"QUINTELH.WAV", {0.5, 2.5}},   {"QUINTELI.WAV", {0.005, 0.025}},
};

TEST(Sounds, EveryFileIsSixteenBitPcmOfTheRightLength)
{
    for (const auto& [name, range] : kSounds) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(AssetDir::exists(name));
        const WavFile wav(AssetDir::bytes(name));
        ASSERT_EQ(wav.error(), "");
        EXPECT_EQ(wav.format(), 1);
        EXPECT_EQ(wav.bitsPerSample(), 16);
        EXPECT_TRUE(wav.channels() == 1 || wav.channels() == 2);
        EXPECT_TRUE(wav.sampleRate() == 22050 || wav.sampleRate() == 44100);
        EXPECT_GE(wav.seconds(), range.minSeconds);
        EXPECT_LE(wav.seconds(), range.maxSeconds);
    }
}

TEST(Sounds, AudibleUnclippedAndWithoutClicks)
{
    for (const auto& entry : kSounds) {
        const std::string& name = entry.first;
        SCOPED_TRACE(name);
        const WavFile wav(AssetDir::bytes(name));
        ASSERT_FALSE(wav.samples().empty());
        // Peaks sit at -3 dBFS; dense sounds are turned down further to match the others' loudness.
        const double peak = dB(wav.peak());
        EXPECT_GT(peak, -10.0) << "too quiet";
        EXPECT_LT(peak, -0.5) << "no headroom, may clip";
        // Silence at both ends: a sound that starts or stops mid-wave clicks.
        EXPECT_LT(std::fabs(wav.samples().front()), 0.01);
        EXPECT_LT(std::fabs(wav.samples().back()), 0.01);
    }
}

TEST(Sounds, LevelsAreMatched)
{
    // Loudest 50 ms of each sound within a few dB of the others; the spin tick, retriggered
    // every frame, may sit lower.
    double quietest = 0, loudest = -100;
    for (const auto& entry : kSounds) {
        const WavFile wav(AssetDir::bytes(entry.first));
        const double level = dB(wav.loudest50ms());
        EXPECT_LT(level, -8.0) << entry.first;
        if (entry.first == "QUINTEL9.WAV") continue;
        quietest = std::min(quietest, level);
        loudest = std::max(loudest, level);
    }
    EXPECT_LT(loudest - quietest, 6.0);
}

TEST(WavReader, RejectsBrokenFiles)
{
    auto good = AssetDir::bytes("QUINTEL6.WAV");
    ASSERT_EQ(WavFile(good).error(), "");
    auto truncated = good;
    truncated.resize(good.size() / 2);
    EXPECT_NE(WavFile(truncated).error(), "");
    auto eightBit = good;
    eightBit[34] = 8; // bits per sample of the fmt chunk
    EXPECT_NE(WavFile(eightBit).error(), "");
    EXPECT_NE(WavFile({}).error(), "");
}

} // namespace
