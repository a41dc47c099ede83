#include <QAccessible>
#include <QCoreApplication>
#include <gtest/gtest.h>
#include <map>
#include <memory>

#include "FaceAccessible.h"
#include "FaceWidget.h"
#include "ImageCompare.h"
#include "MachineNames.h"
#include "NullMusic.h"
#include "NullSound.h"
#include "RecordingMessages.h"
#include "ScriptedRandom.h"
#include "PlayingWindow.h"
#include "TestPorts.h"
#include "SlotsWindow.h"
#include "VirtualClock.h"

namespace {

struct Announcement {
    QAccessible::Event type;
    QString name;
    QString value;
};

class FaceAccessibleTest : public ::testing::Test, protected TestPorts<> {
protected:
    void SetUp() override
    {
        playing = std::make_unique<PlayingWindow>(ports());
        window = &playing->window;
        window->show();
        face = QAccessible::queryAccessibleInterface(window->centralWidget());
        ASSERT_NE(face, nullptr);
        // What would go to the screen reader, for the face's elements only.
        static_cast<FaceWidget*>(window->centralWidget())
            ->readout()
            ->setAnnouncer([this](QAccessibleInterface* target, QAccessible::Event type) {
                if (dynamic_cast<FaceElementAccessible*>(target))
                    events.push_back({type, target->text(QAccessible::Name), target->text(QAccessible::Value)});
                else if (target == face)
                    faceEvents.push_back(target->text(QAccessible::Description));
            });
    }

    QAccessibleInterface* element(const QString& name)
    {
        for (int i = 0; i < face->childCount(); ++i) {
            QAccessibleInterface* c = face->child(i);
            if (c &&
                (c->text(QAccessible::Name) == name || c->text(QAccessible::Name).startsWith(name + QLatin1Char(':'))))
                return c;
        }
        ADD_FAILURE() << "no element " << name.toStdString();
        return nullptr;
    }
    QString value(const char* name) { return element(QString::fromLatin1(name))->text(QAccessible::Description); }
    int count(QAccessible::Event type, const QString& name)
    {
        int n = 0;
        for (const auto& e : events)
            n += e.type == type && (e.name == name || e.name.startsWith(name + QLatin1Char(':')));
        return n;
    }
    QString payLineFor(int s1, int s2, int s3)
    {
        const ReelSet& reels = window->machine().reels();
        const int stops[3] = {s1, s2, s3};
        QStringList names;
        for (int r = 0; r < 3; ++r)
            names << QString::fromStdString(symbolName(reels.machine, reels.symbolAt(r, stops[r])));
        return names.join(QStringLiteral(", "));
    }

    std::unique_ptr<PlayingWindow> playing;
    SlotsWindow* window = nullptr;
    QAccessibleInterface* face = nullptr;
    std::vector<Announcement> events;
    std::vector<QString> faceEvents; // the face's description, each time it changed
};

} // namespace

TEST_F(FaceAccessibleTest, TheFaceReadsItsCountersStatisticsAndButtons)
{
    EXPECT_EQ(face->childCount(), FaceReadout::Count);
    EXPECT_EQ(value("Credits"), "500.00");
    EXPECT_EQ(value("Wager"), "0.00");
    EXPECT_EQ(value("Bonus Pool"), "150.00");
    EXPECT_EQ(value("Spins"), "0");
    EXPECT_NE(element(QStringLiteral("Bet $1")), nullptr);
    EXPECT_EQ(value("Wagers"), "0.00");
    EXPECT_EQ(value("Payoff"), "0.00%");
    EXPECT_EQ(element(QStringLiteral("Last spin"))->role(), QAccessible::StatusBar);
    for (const char* button : {"Insert Coin", "Spin"}) {
        QAccessibleInterface* b = element(QString::fromLatin1(button));
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->role(), QAccessible::Button);
        ASSERT_NE(b->actionInterface(), nullptr);
        EXPECT_EQ(b->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        EXPECT_EQ(face->childAt(b->rect().center().x(), b->rect().center().y()), b); // found where it is clicked
    }

    window->chooseBetAmount(BetChoice::Ten);
    window->insertCoinAction();
    EXPECT_EQ(element(QStringLiteral("Bet $10"))->text(QAccessible::Description), "$10");
    EXPECT_EQ(value("Credits"), "490.00");
    EXPECT_EQ(value("Wager"), "10.00");
    EXPECT_EQ(value("Bonus Pool"), "151.00");
}

TEST_F(FaceAccessibleTest, EachElementIsFoundWhereTheFaceShowsItAndEachButtonNamesItsKey)
{
    QWidget* faceWidget = window->centralWidget();
    const QRect spinZone = element(QStringLiteral("Spin"))->rect();
    const QRect coinZone = element(QStringLiteral("Insert Coin"))->rect();
    for (int i = 0; i < face->childCount(); ++i) {
        QAccessibleInterface* c = face->child(i);
        const QRect r = c->rect();
        const QString name = c->text(QAccessible::Name);
        EXPECT_TRUE(QRect(faceWidget->mapToGlobal(QPoint(0, 0)), faceWidget->size()).contains(r)) << qPrintable(name);
        // The buttons lie over some captions; elsewhere an element is found at its own centre.
        if (!spinZone.contains(r.center()) && !coinZone.contains(r.center())) {
            EXPECT_EQ(face->childAt(r.center().x(), r.center().y()), c) << qPrintable(name);
        }
    }
    const QString press = QAccessibleActionInterface::pressAction();
    EXPECT_EQ(element(QStringLiteral("Spin"))->actionInterface()->keyBindingsForAction(press), QStringList{"Return"});
    EXPECT_EQ(element(QStringLiteral("Insert Coin"))->actionInterface()->keyBindingsForAction(press), QStringList{"B"});
}

TEST_F(FaceAccessibleTest, ASpinIsAnnouncedOnceWhenScoredNotForEachCreditCounted)
{
    random.forceStops(1, 1, 20); // 0, 4, 4 on the first machine: three watermelons, 7 x the wager
    window->insertCoinAction();
    window->insertCoinAction();
    events.clear();
    window->spinAction();

    EXPECT_EQ(element(QStringLiteral("Last spin"))->text(QAccessible::Name),
              "Last spin: three watermelons, paid 14.00");
    EXPECT_EQ(count(QAccessible::NameChanged, QStringLiteral("Last spin")), 1);
    // The count-up of 14 credits is told once, when play is idle again.
    EXPECT_EQ(count(QAccessible::DescriptionChanged, QStringLiteral("Credits")), 1);
    EXPECT_EQ(value("Credits"), "512.00");
    // The pay line said "Spinning" while the reels turned, and the stopped symbols once scored.
    EXPECT_EQ(count(QAccessible::DescriptionChanged, QStringLiteral("Pay line")), 2);
    EXPECT_EQ(value("Pay line"), payLineFor(1, 1, 20));
    EXPECT_EQ(faceEvents, std::vector<QString>{"Spin 1: three watermelons, paid 14.00"});

    // Two equal results in a row: the status reads the same, the face (which has the focus) tells them apart.
    for (int spin = 2; spin <= 3; ++spin) {
        random.forceStops(0, 0, 0); // 6, 5, 6: nothing
        window->spinAction();
        EXPECT_EQ(element(QStringLiteral("Last spin"))->text(QAccessible::Name), "Last spin: no win");
    }
    EXPECT_EQ(faceEvents,
              (std::vector<QString>{"Spin 1: three watermelons, paid 14.00", "Spin 2: no win", "Spin 3: no win"}));
}

TEST_F(FaceAccessibleTest, TheCountersReadWhatTheFaceShowsNotWhatTheMachineMovedOnTo)
{
    random.forceStops(1, 2, 9);                                      // the top award with the pool
    for (int coin = 0; coin < 3; ++coin) window->insertCoinAction(); // the third coin pulls the lever
    ASSERT_EQ(window->machine().state().wager, 0);
    ASSERT_EQ(window->machine().state().machinePool(), kStartBonusPool);
    // The stake stays on the wager counter and the emptied pool on its own until the next coin.
    EXPECT_EQ(value("Wager"), "3.00");
    EXPECT_EQ(value("Bonus Pool"), "0.00");
    window->refreshFace(); // a full repaint shows the machine as it is
    EXPECT_EQ(value("Wager"), "0.00");
    EXPECT_EQ(value("Bonus Pool"), QString::fromStdString(kStartBonusPool.toString()));
}

TEST_F(FaceAccessibleTest, TheButtonsDoWhatTheirClickZonesDoOnceTheEventLoopRuns)
{
    QAccessibleInterface* coin = element(QStringLiteral("Insert Coin"));
    QAccessibleInterface* spin = element(QStringLiteral("Spin"));
    coin->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(window->machine().state().wager, 0); // the screen reader's call returns at once
    QCoreApplication::processEvents();
    EXPECT_EQ(window->machine().state().wager, 1);

    spin->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(window->machine().state().machineSpins(), 1);
    EXPECT_EQ(window->machine().state().lastBet, 1);

    // While a spin runs the buttons are unavailable and pressing them does nothing.
    bool disabledDuring = false;
    clock.at(clock.now() + 500, [&] {
        disabledDuring = spin->state().disabled && coin->state().disabled;
        coin->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    });
    window->spinAction();
    QCoreApplication::processEvents();
    EXPECT_TRUE(disabledDuring);
    EXPECT_EQ(window->machine().state().wager, 0);
    EXPECT_FALSE(spin->state().disabled);
}

TEST_F(FaceAccessibleTest, ReducedFlashingKeepsTheLampOnOneLitPicture)
{
    window->setReduceFlashing(true);
    window->bannerTick();
    const QImage& lit1 = window->graphics().lamp(1);
    std::string where;
    for (int step = 0; step < 4; ++step) {
        window->lampFlashStep();
        EXPECT_TRUE(sameBlock(window->face().surface(), 24, 4, lit1, 0, 0, 32, 41, &where)) << step << " " << where;
    }
    for (int step = 4; step < 60; ++step) window->lampFlashStep();
    EXPECT_FALSE(window->lampFlashing()); // as long as the alternating flash
    EXPECT_TRUE(sameBlock(window->face().surface(), 24, 4, window->graphics().lamp(0), 0, 0, 32, 41, &where)) << where;
    EXPECT_EQ(std::count(sound.cues.begin(), sound.cues.end(), SoundCue::TopAward), 5);
}

TEST_F(FaceAccessibleTest, ThePoolAndTheFreeSpinsAreToldAndTheStatisticsFollow)
{
    random.forceStops(1, 2, 9); // three Q medallions: 100 x the wager and the pool
    window->insertCoinAction();
    window->spinAction();
    EXPECT_EQ(element(QStringLiteral("Last spin"))->text(QAccessible::Name),
              "Last spin: three Q medallions, paid 100.00, bonus pool won, 150.10");
    EXPECT_EQ(value("Wagers"), "1.00");
    EXPECT_EQ(value("Winnings"), "250.10");
    EXPECT_EQ(value("Payoff"), "25,010.00%");
    EXPECT_EQ(value("Bonus Pool"), "0.00"); // as the face shows it until the next redraw

    window->machine().ChangeGame(MachineId::Treasure);
    random.forceStops(11, 0, 0); // the chest starts free spins
    random.forceStops(2, 4, 6);  // a free spin without a win
    events.clear();
    random.forceStops(0, 0, 0); // three anchors end them
    window->insertCoinAction();
    window->spinAction();
    std::vector<QString> told;
    for (const auto& e : events)
        if (e.type == QAccessible::NameChanged && e.name.startsWith(QStringLiteral("Last spin")))
            told.push_back(e.name);
    EXPECT_EQ(told, (std::vector<QString>{"Last spin: free spins start", "Last spin: no win, free spins go on",
                                          "Last spin: three anchors, paid 1.00"}));
}
