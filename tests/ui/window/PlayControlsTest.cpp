// The window's auto play, quick stop, mute and reminder controls, offscreen on a virtual clock.
#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "FaceWidget.h"
#include "ImageCompare.h"
#include "NullMusic.h"
#include "NullSound.h"
#include "RecordingMessages.h"
#include "ScriptedRandom.h"
#include "PlayingWindow.h"
#include "TestPorts.h"
#include "SlotsWindow.h"
#include "VirtualClock.h"

namespace {

class PlayControlsTest : public ::testing::Test, protected TestPorts<> {
protected:
    void SetUp() override
    {
        playing = std::make_unique<PlayingWindow>(ports());
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

TEST_F(PlayControlsTest, TheLeverRestsWholeAfterEverySpinQuickStoppedOrNot)
{
    PlaySettings s;
    s.quickStop = true;
    window->setPlaySettings(s);
    const int step = window->machine().spinSpeed() + 1;
    auto leverAtRest = [&] {
        std::string where;
        const bool whole = sameBlock(window->face().surface(), SlotMachine::kLeverX, SlotMachine::kLeverTop,
                                     window->graphics().handle(0), 0, 0, 101, SlotMachine::kLeverRows, &where);
        return whole ? std::string() : where;
    };
    random.forceStops(0, 0, 0);
    for (int i = 0; i < 3; ++i) window->insertCoinAction(); // a spin that runs to its end
    EXPECT_EQ(leverAtRest(), "");
    // Enter pressed in each step of the pull (taken once the reels turn) and of the lever's spring back.
    for (int pressed = 1; pressed <= 17; ++pressed) {
        random.forceStops(0, 0, 0);
        clock.at(clock.now() + static_cast<std::uint32_t>(pressed * step), [&] { press(Qt::Key_Return); });
        window->spinAction();
        EXPECT_EQ(leverAtRest(), "") << "Enter in step " << pressed;
    }
    EXPECT_EQ(state().machineSpins(), 18);
}

TEST_F(PlayControlsTest, TheMenuBarGivesTheKeyboardBackAndNeverKeepsEscapeOrSpaceFromARun)
{
    QMenuBar* bar = window->menuBar();
    QWidget* face = window->centralWidget();
    auto pressOn = [](QWidget* target, int key) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &down);
    };
    // Where a menu opened with the mouse and closed with Escape may leave the keyboard: with the menu bar,
    // nothing lit. One more Escape gives it back to the game.
    bar->setFocus(Qt::MenuBarFocusReason);
    ASSERT_EQ(window->focusWidget(), bar);
    pressOn(bar, Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->focusWidget(), face);

    // During a counted run Escape, then Space, pressed while the menu bar or a menu holds the keyboard.
    PlaySettings s;
    s.autoSpins = 10;
    QMenu* autoPlay = window->findChild<QMenu*>(QStringLiteral("menu3"));
    for (QWidget* holder : {static_cast<QWidget*>(bar), static_cast<QWidget*>(autoPlay)}) {
        for (int key : {Qt::Key_Escape, Qt::Key_Space}) {
            const int before = state().machineSpins();
            clock.at(clock.now() + 4000, [&] { pressOn(holder, key); }); // during the run's second spin
            runLosingAutoPlay(s);
            EXPECT_EQ(state().machineSpins(), before + 2) << holder->objectName().toStdString() << " " << key;
            window->findChild<QAction*>(QStringLiteral("mnuAuto"))->trigger(); // off again
        }
    }
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
