#include <gtest/gtest.h>

#include <fstream>

#include "IniDocument.h"
#include "ProfileFile.h"
#include "SettingsStore.h"
#include "TempDir.h"

namespace {

Settings changedSettings()
{
    Settings s;
    s.play.autoSpins = 250;
    s.play.stopOnAnyWin = false;
    s.play.stopOnWinOf = Money::fromCents(12550);
    s.play.stopBelowCredits = Money::fromCredits(40);
    s.play.stopOnBonusPool = true;
    s.play.stopOnFreeSpins = true;
    s.play.quickStop = true;
    s.play.effectsVolume = 35;
    s.play.musicVolume = 0;
    s.play.reminderMinutes = 15;
    s.play.lossLimit = Money::fromCredits(200);
    s.reduceFlashing = true;
    s.windowSize = 200;
    s.bannerText = "Jackpot tonight";
    return s;
}

struct SettingsFixture : ::testing::Test {
    TempDir dir;
    std::filesystem::path path = dir / "QUINTEL.INI";
    ProfileFile file{path};
    SettingsStore store{file};

    void writeFile(const std::string& text) { std::ofstream(path, std::ios::trunc | std::ios::binary) << text; }
};

} // namespace

TEST_F(SettingsFixture, SurviveARestartBesideTheGameAndTheOtherKeys)
{
    writeFile("[Current Game]\nCredits=512.00\n[Settings]\nBannerText=Hello there\nVolume=3\n");
    Settings old;
    old.bannerText = "Hello there";
    EXPECT_EQ(store.read(), old); // an older file: the classic behaviour and its banner
    ASSERT_TRUE(store.write(changedSettings()));

    ProfileFile reopened(path);
    EXPECT_EQ(SettingsStore(reopened).read(), changedSettings());
    EXPECT_EQ(reopened.find("Current Game", "Credits"), "512.00");
    EXPECT_EQ(reopened.find("Settings", "Volume"), "3");
    EXPECT_EQ(reopened.find("Settings", "EffectsVolume"), "35");
    EXPECT_EQ(reopened.find("Settings", "SessionLossLimit"), "200.00");
    EXPECT_EQ(reopened.find("Settings", "ReduceFlashing"), "1");
    EXPECT_EQ(reopened.find("Settings", "Zoom"), "200");
}

TEST_F(SettingsFixture, NoWindowSizeOrBannerLeavesTheStoredOnes)
{
    ASSERT_TRUE(store.write(changedSettings()));
    Settings none = changedSettings();
    none.windowSize.reset();
    none.bannerText.reset();
    ASSERT_TRUE(store.write(none));
    EXPECT_EQ(store.read(), changedSettings());
    none.windowSize = 175; // not a size: written as none
    ASSERT_TRUE(store.write(none));
    EXPECT_EQ(store.read().windowSize, 200);
}

TEST_F(SettingsFixture, HandEditedValuesFallBackKeyByKey)
{
    const Settings s = SettingsStore::readFrom(IniDocument::parse("[Settings]\n"
                                                                  "AutoPlaySpins=33\n"
                                                                  "AutoStopOnAnyWin=maybe\n"
                                                                  "QuickStop=1\n"
                                                                  "EffectsVolume=250\n"
                                                                  "MusicVolume=40 percent\n"
                                                                  "ReminderMinutes=30\n"
                                                                  "AutoStopBelowCredits=-20\n"
                                                                  "SessionLossLimit=99999999999999999999\n"
                                                                  "AutoStopOnWinOf=75.5\n"
                                                                  "ReduceFlashing=yes\n"
                                                                  "Zoom= 300 percent\n"));
    EXPECT_EQ(s.play.autoSpins, 0);
    EXPECT_TRUE(s.play.stopOnAnyWin);
    EXPECT_TRUE(s.play.quickStop);
    EXPECT_EQ(s.play.effectsVolume, 100);
    EXPECT_EQ(s.play.musicVolume, 100);
    EXPECT_EQ(s.play.reminderMinutes, 30);
    EXPECT_EQ(s.play.stopBelowCredits, Money());
    EXPECT_EQ(s.play.lossLimit, Money());
    EXPECT_EQ(s.play.stopOnWinOf, Money::fromCents(7550));
    EXPECT_FALSE(s.reduceFlashing);
    EXPECT_EQ(s.windowSize, 300); // a size followed by words still reads
    for (const char* text : {"175", "0", "-200", "abc", "", "99999999999999999999"}) {
        const auto doc = IniDocument::parse(std::string("[Settings]\nZoom=") + text + "\n");
        EXPECT_EQ(SettingsStore::readFrom(doc).windowSize, std::nullopt) << text;
    }
}

TEST(SettingsSizes, TheFirstSizeIsTheLargestWhoseWindowFits)
{
    // A 524 pixel face under a 25 pixel menu bar, within 80% of common screen heights.
    EXPECT_EQ(Settings::largestFittingSize(524, 25, 0.8 * 600), 100); // nothing fits: the face's own size
    EXPECT_EQ(Settings::largestFittingSize(524, 25, 0.8 * 1040), 150);
    EXPECT_EQ(Settings::largestFittingSize(524, 25, 0.8 * 1400), 200);
    EXPECT_EQ(Settings::largestFittingSize(524, 25, 0.8 * 2120), 300);
    EXPECT_EQ(Settings::largestFittingSize(524, 25, 1073), 200); // 1048 + 25 fits exactly
    EXPECT_EQ(Settings::largestFittingSize(524, 25, 1072), 150);
}

TEST_F(SettingsFixture, AFailedWriteReportsFalse)
{
    std::ofstream(dir / "blocked") << "not a directory";
    ProfileFile blocked(dir / "blocked/QUINTEL.INI");
    EXPECT_FALSE(SettingsStore(blocked).write(changedSettings()));
}
