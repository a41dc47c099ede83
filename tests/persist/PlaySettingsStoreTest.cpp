#include <gtest/gtest.h>

#include <fstream>

#include "IniDocument.h"
#include "PlaySettingsStore.h"
#include "ProfileFile.h"
#include "TempDir.h"

namespace {

PlaySettings changedSettings()
{
    PlaySettings s;
    s.autoSpins = 250;
    s.stopOnAnyWin = false;
    s.stopOnWinOf = Money::fromCents(12550);
    s.stopBelowCredits = Money::fromCredits(40);
    s.stopOnBonusPool = true;
    s.stopOnFreeSpins = true;
    s.quickStop = true;
    s.effectsVolume = 35;
    s.musicVolume = 0;
    s.reminderMinutes = 15;
    s.lossLimit = Money::fromCredits(200);
    return s;
}

} // namespace

TEST(PlaySettingsStore, SurviveARestartBesideTheGameAndTheBanner)
{
    TempDir dir;
    const auto path = dir / "QUINTEL.INI";
    {
        std::ofstream out(path);
        out << "[Current Game]\nCredits=512.00\n[Settings]\nBannerText=Hello there\n";
    }
    ProfileFile file(path);
    EXPECT_EQ(readPlaySettings(file.read()), PlaySettings()); // an older file: the classic behaviour
    ASSERT_TRUE(file.update([](IniDocument& doc) { writePlaySettings(doc, changedSettings()); }));

    ProfileFile reopened(path);
    EXPECT_EQ(readPlaySettings(reopened.read()), changedSettings());
    EXPECT_EQ(reopened.find("Settings", "BannerText"), "Hello there");
    EXPECT_EQ(reopened.find("Current Game", "Credits"), "512.00");
    EXPECT_EQ(reopened.find("Settings", "EffectsVolume"), "35");
    EXPECT_EQ(reopened.find("Settings", "SessionLossLimit"), "200.00");
}

TEST(PlaySettingsStore, HandEditedValuesFallBackKeyByKey)
{
    const IniDocument doc = IniDocument::parse("[Settings]\n"
                                               "AutoPlaySpins=33\n"
                                               "AutoStopOnAnyWin=maybe\n"
                                               "QuickStop=1\n"
                                               "EffectsVolume=250\n"
                                               "MusicVolume=40 percent\n"
                                               "ReminderMinutes=30\n"
                                               "AutoStopBelowCredits=-20\n"
                                               "SessionLossLimit=99999999999999999999\n"
                                               "AutoStopOnWinOf=75.5\n");
    const PlaySettings s = readPlaySettings(doc);
    EXPECT_EQ(s.autoSpins, 0);
    EXPECT_TRUE(s.stopOnAnyWin);
    EXPECT_TRUE(s.quickStop);
    EXPECT_EQ(s.effectsVolume, 100);
    EXPECT_EQ(s.musicVolume, 100);
    EXPECT_EQ(s.reminderMinutes, 30);
    EXPECT_EQ(s.stopBelowCredits, Money());
    EXPECT_EQ(s.lossLimit, Money());
    EXPECT_EQ(s.stopOnWinOf, Money::fromCents(7550));
}
