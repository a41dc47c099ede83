// The window's auto play, quick stop, mute and reminder controls, offscreen on a virtual clock.
#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "NullMusic.h"
#include "NullSound.h"
#include "RecordingMessages.h"
#include "ScriptedRandom.h"
#include "PlayingWindow.h"
#include "SlotsWindow.h"
#include "VirtualClock.h"

namespace {

class PlayControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        playing = std::make_unique<PlayingWindow>(
            SlotsWindowPorts{clock, clock, random, sound, music, qEnvironmentVariable("QUINTEL_ASSET_DIR"), &messages});
        window = &playing->window;
        window->show();
        window->commands().playSettingsChanged = [this] { ++settingsSaved; };
    }

    void press(int key)
    {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &down);
    }
    QString autoPlayCaption() { return window->findChild<QMenu*>(QStringLiteral("menu3"))->title(); }
    GameState& state() { return window->machine().state(); }
    // Starts an auto play run with three coins; every spin of it loses.
    void runLosingAutoPlay(const PlaySettings& settings)
    {
        window->setPlaySettings(settings);
        window->findChild<QAction*>(QStringLiteral("mnuAuto"))->trigger();
        for (int i = 0; i < 20; ++i) random.forceStops(0, 0, 0);
        for (int i = 0; i < 3; ++i) window->insertCoinAction();
    }

    VirtualClock clock;
    ScriptedRandom random;
    NullSound sound;
    NullMusic music;
    RecordingMessages messages;
    std::unique_ptr<PlayingWindow> playing;
    SlotsWindow* window = nullptr;
    int settingsSaved = 0;
};

} // namespace

TEST_F(PlayControlsTest, SpaceQuickStopsAndEndsACountedRunWhoseCountTheMenuShows)
{
    PlaySettings s;
    s.autoSpins = 10;
    s.quickStop = true;
    QString during;
    std::uint32_t pressedAt = 0;
    clock.at(clock.now() + 400, [&] {
        during = autoPlayCaption();
        pressedAt = clock.now();
        press(Qt::Key_Space);
    });
    const std::uint32_t start = clock.now();
    runLosingAutoPlay(s);
    EXPECT_EQ(during, QStringLiteral("Auto Play (9 left)"));
    EXPECT_EQ(state().machineSpins(), 1);
    EXPECT_EQ(autoPlayCaption(), QStringLiteral("Auto Play"));
    // The rest of the reels' frames were skipped: the spin ended within a frame of the press.
    EXPECT_LE(clock.now() - pressedAt, 2u * static_cast<std::uint32_t>(window->machine().spinSpeed()) + 2);
    EXPECT_GT(pressedAt, start);
    EXPECT_TRUE(window->machine().autoSpin());
}

TEST_F(PlayControlsTest, EscapeOrAClickOnTheReelsEndsARunAfterTheSpinInPlay)
{
    clock.at(clock.now() + 4000, [&] { press(Qt::Key_Escape); }); // during the second spin
    runLosingAutoPlay(PlaySettings());
    EXPECT_EQ(state().machineSpins(), 2);
    EXPECT_EQ(autoPlayCaption(), QStringLiteral("Auto Play")); // a run until stopped shows no count

    auto* face = window->centralWidget();
    clock.at(clock.now() + 400, [&] { QTest::mouseClick(face, Qt::LeftButton, {}, QPoint(200, 150)); });
    window->spinAction();
    EXPECT_EQ(state().machineSpins(), 3);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PlayControlsTest, MSwitchesSoundAndQuickStopIsKept)
{
    auto* on = window->findChild<QAction*>(QStringLiteral("mnuSound0"));
    auto* off = window->findChild<QAction*>(QStringLiteral("mnuSound1"));
    press(Qt::Key_M);
    EXPECT_TRUE(off->isChecked());
    EXPECT_FALSE(on->isChecked());
    EXPECT_FALSE(sound.soundOn);
    press(Qt::Key_M);
    EXPECT_TRUE(on->isChecked());
    EXPECT_TRUE(sound.soundOn);

    window->findChild<QAction*>(QStringLiteral("mnuQuickStop"))->trigger();
    EXPECT_TRUE(window->machine().playSettings().quickStop);
    EXPECT_EQ(settingsSaved, 1);
}

TEST_F(PlayControlsTest, RemindersComeOnTimeAndQuitClosesTheGame)
{
    std::vector<std::string> shown;
    bool quit = false;
    window->reminders().prompt = [&](const std::string& text) {
        shown.push_back(text);
        return quit;
    };
    int closings = 0;
    window->commands().closing = [&] { ++closings; };
    PlaySettings s;
    s.reminderMinutes = 15;
    window->setPlaySettings(s);
    random.forceStops(0, 0, 0);
    for (int i = 0; i < 3; ++i) window->insertCoinAction(); // a $3 loss

    clock.advance(15 * 60'000);
    window->reminderTick();
    window->reminderTick(); // once per interval
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find("wagered $3.00 and won $0.00: a net loss of $3.00"), std::string::npos) << shown[0];
    EXPECT_TRUE(window->isVisible());

    quit = true;
    clock.advance(15 * 60'000);
    window->reminderTick();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_NE(shown[1].find("30 minutes"), std::string::npos) << shown[1];
    EXPECT_EQ(closings, 1);
    EXPECT_FALSE(window->isVisible());
}
