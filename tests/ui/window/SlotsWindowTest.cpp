#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "FaceWidget.h"
#include "ImageCompare.h"
#include "NullMusic.h"
#include "NullSound.h"
#include "NumberLayout.h"
#include "Palette.h"
#include "RecordingMessages.h"
#include "ScriptedRandom.h"
#include "PlayingWindow.h"
#include "TestPorts.h"
#include "SlotsWindow.h"
#include "TempDir.h"
#include "VirtualClock.h"

namespace {

class WindowTest : public ::testing::Test, protected TestPorts<> {
protected:
    void SetUp() override { open(qEnvironmentVariable("QUINTEL_ASSET_DIR")); }

    void open(const QString& assets)
    {
        playing.reset();
        playing = std::make_unique<PlayingWindow>(ports(false, assets));
        window = &playing->window;
        window->show();
    }

    QAction* action(const char* name)
    {
        auto* a = window->findChild<QAction*>(QString::fromLatin1(name));
        if (!a) ADD_FAILURE() << "no action " << name;
        return a;
    }
    QMenu* menu(const char* name)
    {
        auto* m = window->findChild<QMenu*>(QString::fromLatin1(name));
        if (!m) ADD_FAILURE() << "no menu " << name;
        return m;
    }
    // Captions of a menu's items, separators as "-".
    static QStringList captions(const QMenu* m)
    {
        QStringList out;
        for (QAction* a : m->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return out;
    }
    static QStringList checkedNames(const QMenu* m)
    {
        QStringList out;
        for (QAction* a : m->actions())
            if (a->isChecked()) out << a->objectName();
        return out;
    }
    void press(int key)
    {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &down);
    }
    const QImage& face() const { return window->face().surface(); }
    GameState& state() { return window->machine().state(); }

    // The cells of a counter drawn at (x, y) match the digit source cell by cell.
    void expectCounter(int x, int y, const std::vector<int>& cells)
    {
        const QImage& digits = window->graphics().digitSource();
        for (int c : cells) {
            const bool narrow = c == NumberLayout::kPoint || c == NumberLayout::kNarrowBlank;
            const int w = narrow ? 4 : 16;
            const int glyph = c == NumberLayout::kNarrowBlank ? NumberLayout::kBlank : c;
            std::string where;
            EXPECT_TRUE(sameBlock(face(), x, y, digits, 16 * glyph, 0, w, 21, &where))
                << "cell " << c << " at x " << x << " " << where;
            x += w;
        }
    }
    // The same for the large red digits of the pool counter.
    void expectPool(const std::vector<int>& cells)
    {
        const QImage& digits = window->graphics().largeDigits();
        int x = 62;
        for (int c : cells) {
            const int w = c == NumberLayout::kPoint ? 8 : 32;
            std::string where;
            EXPECT_TRUE(sameBlock(face(), x, 3, digits, 32 * c, 0, w, 42, &where))
                << "pool cell " << c << " at x " << x << " " << where;
            x += w;
        }
    }
    void click(const QPoint& at)
    {
        QWidget* w = window->centralWidget();
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &release);
    }
    // Stops that win the top combination on the current machine.
    std::array<int, 3> topStops()
    {
        const ReelSet& reels = window->machine().reels();
        for (int a = 0; a < 28; ++a)
            for (int b = 0; b < 28; ++b)
                for (int c = 0; c < 28; ++c)
                    if (matchCombination(reels.machine, reels.symbolAt(0, a), reels.symbolAt(1, b),
                                         reels.symbolAt(2, c)) == 0)
                        return {a, b, c};
        return {-1, -1, -1};
    }

    // Stops p1..p3 on the current machine that win a combination other than the top one, or -1s.
    std::array<int, 3> winningStops()
    {
        const ReelSet& reels = window->machine().reels();
        for (int a = 0; a < 28; ++a)
            for (int b = 0; b < 28; ++b)
                for (int c = 0; c < 28; ++c) {
                    const int combo = matchCombination(reels.machine, reels.symbolAt(0, a), reels.symbolAt(1, b),
                                                       reels.symbolAt(2, c));
                    if (combo > 0 && reels.payTable[static_cast<std::size_t>(combo)] > 0) return {a, b, c};
                }
        return {-1, -1, -1};
    }

    std::unique_ptr<PlayingWindow> playing;
    SlotsWindow* window = nullptr;
};

} // namespace

TEST_F(WindowTest, MenuTreeHasTheCaptionsAndDefaultChecks)
{
    QStringList bar;
    for (QAction* a : window->menuBar()->actions()) bar << a->text();
    EXPECT_EQ(bar, (QStringList{"&File", "&Options", "&Bank", "Auto Play", "&Help"}));

    EXPECT_EQ(captions(menu("menu0")),
              (QStringList{"Change Game", "-", "New Game", "-", "Load ", "Save", "-", "Quit"}));
    EXPECT_EQ(captions(menu("mnuChangeGame")), (QStringList{"Quintel Slots", "Lucky 7 Slots", "Treasure Chest Slots"}));
    EXPECT_EQ(captions(menu("mnuNewGame")), (QStringList{"Quintel Slots", "Lucky 7 Slots", "Treasure Chest Slots"}));
    EXPECT_EQ(captions(menu("menu1")),
              (QStringList{"Bet Amount", "Digit Colors", "Banner", "Spin Speed", "Sound", "Banner Text",
                           "Reduce Flashing", "Window Size", "-", "Quick Stop", "Reminders\u2026"}));
    EXPECT_EQ(captions(menu("mnuWindowSize")), (QStringList{"100%", "150%", "200%", "300%"}));
    EXPECT_EQ(captions(menu("mnuWager")), (QStringList{"$10", "$5", "$1"}));
    EXPECT_EQ(captions(menu("mnuDig")), (QStringList{"Blue", "Cyan", "Green", "Purple", "Red", "White", "Yellow"}));
    EXPECT_EQ(captions(menu("mnuSpeedMenu")), (QStringList{"Very Fast", "Fast", "Medium", "Slow"}));
    EXPECT_EQ(captions(menu("mnuSoundMenu")),
              (QStringList{"On", "Off", "-", "Spin Sound", "Stop Sound", "Win Sounds", "Lose Sounds", "Coin Sound",
                           "Credit Sound", "Music", "Volume\u2026"}));
    EXPECT_EQ(captions(menu("mnuBorrowMain")), (QStringList{"$1000", "$500", "$250", "$100", "$50"}));
    EXPECT_EQ(captions(menu("menu3")), (QStringList{"Auto Spin", "-", "Auto Play Settings\u2026"}));
    EXPECT_EQ(captions(menu("menu4")),
              (QStringList{"About", "Machine Odds", "Game History", "Statistics…", "-", "Manual"}));

    EXPECT_EQ(checkedNames(menu("mnuWager")), (QStringList{"mnuBet2"}));
    EXPECT_EQ(checkedNames(menu("mnuDig")), (QStringList{"mnuDigits2"}));
    EXPECT_EQ(checkedNames(menu("mnuBannerMenu")), (QStringList{"mnuBanner0"}));
    EXPECT_EQ(checkedNames(menu("mnuSpeedMenu")), (QStringList{"mnuSpeed1"}));
    EXPECT_EQ(checkedNames(menu("mnuSoundMenu")), (QStringList{"mnuSound0", "mnuSounds0", "mnuSounds1", "mnuSounds2",
                                                               "mnuSounds3", "mnuSounds4", "mnuSounds5"}));
    EXPECT_EQ(checkedNames(menu("mnuNewGame")), (QStringList{"mnuGames0"}));
    EXPECT_EQ(checkedNames(menu("mnuWindowSize")), (QStringList{"mnuSize0"}));
    EXPECT_FALSE(action("mnuAuto")->isChecked());
    EXPECT_FALSE(action("mnuQuickStop")->isChecked());
    EXPECT_FALSE(action("mnuReduceFlashing")->isChecked());
    EXPECT_EQ(action("mnuHelp")->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quintel Slots 95"));
    EXPECT_EQ(sound.toggles, (std::array<bool, 6>{true, true, true, true, true, true}));
}

TEST_F(WindowTest, WindowSizeScalesTheFaceAndItsClickZonesAndFollowsTheKeys)
{
    QWidget* faceWidget = window->centralWidget();
    QCoreApplication::processEvents();
    const QSize atFaceSize = window->size();
    ASSERT_EQ(faceWidget->size(), QSize(Face::kWidth, Face::kHeight));
    std::vector<int> chosen;
    window->commands().windowSizeChosen = [&](int percent) { chosen.push_back(percent); };

    action("mnuSize2")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->zoom(), 200);
    EXPECT_EQ(faceWidget->size(), QSize(2 * Face::kWidth, 2 * Face::kHeight));
    EXPECT_EQ(window->size(), atFaceSize + QSize(Face::kWidth, Face::kHeight));
    // Drawn from the 2x pictures at two device pixels per face pixel.
    EXPECT_EQ(window->graphics().scale(), 2);
    EXPECT_EQ(face().size(), QSize(2 * Face::kWidth, 2 * Face::kHeight));

    // The coin zone starts at face x 72: face (50, 10) is outside it, face (100, 20) inside.
    const int wager = state().wager;
    QTest::mouseClick(faceWidget, Qt::LeftButton, {}, QPoint(100, 20));
    EXPECT_EQ(state().wager, wager);
    QTest::mouseClick(faceWidget, Qt::LeftButton, {}, QPoint(200, 40));
    EXPECT_GT(state().wager, wager);

    QTest::keyClick(window, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(window->zoom(), 150);
    EXPECT_EQ(faceWidget->size(), QSize(Face::kWidth * 3 / 2, Face::kHeight * 3 / 2));
    // Drawn at device resolution, one and a half device pixels per face pixel, from the next larger set.
    EXPECT_EQ(face().size(), QSize(Face::kWidth * 3 / 2, Face::kHeight * 3 / 2));
    EXPECT_EQ(window->graphics().scale(), 2);
    for (int i = 0; i < 3; ++i) QTest::keyClick(window, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(window->zoom(), 300); // and no further
    EXPECT_EQ(window->graphics().scale(), 3);
    EXPECT_EQ(checkedNames(menu("mnuWindowSize")), (QStringList{"mnuSize3"}));
    QTest::keyClick(window, Qt::Key_0, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->zoom(), 100);
    EXPECT_EQ(window->size(), atFaceSize);
    EXPECT_EQ(window->graphics().scale(), 1);
    EXPECT_EQ(chosen, (std::vector<int>{200, 150, 200, 300, 100}));
}

TEST_F(WindowTest, RadioGroupsKeepOneCheckAndApplyTheirValue)
{
    action("mnuSpeed3")->trigger();
    EXPECT_EQ(checkedNames(menu("mnuSpeedMenu")), (QStringList{"mnuSpeed3"}));
    EXPECT_EQ(window->machine().spinSpeed(), 60);
    EXPECT_EQ(window->speedEntry(), 3);

    action("mnuBet0")->trigger();
    EXPECT_EQ(checkedNames(menu("mnuWager")), (QStringList{"mnuBet0"}));
    EXPECT_EQ(state().bet().coinValue, 10);
    window->insertCoinAction();
    EXPECT_EQ(state().wager, 10);
    action("mnuBet0")->trigger(); // the checked item again still clears the wager and the last bet
    EXPECT_EQ(state().wager, 0);
    EXPECT_EQ(state().lastBet, 0);
    EXPECT_EQ(window->betEntry(), 0);

    action("mnuDigits4")->trigger();
    EXPECT_EQ(checkedNames(menu("mnuDig")), (QStringList{"mnuDigits4"}));
    EXPECT_EQ(window->captionColor(), 10);
    EXPECT_EQ(window->graphics().digitSource(), window->graphics().smallDigits(4));
    action("mnuDigits1")->trigger();
    EXPECT_EQ(window->captionColor(), 9);
}

TEST_F(WindowTest, OptionsAreWhatTheMenusShowAndChange)
{
    action("mnuBanner1")->trigger();
    action("mnuSound1")->trigger();
    action("mnuSounds3")->trigger();
    EXPECT_FALSE(window->options().bannerOn);
    EXPECT_FALSE(window->options().soundOn);
    EXPECT_FALSE(window->options().toggle(SoundToggle::Lose));
    EXPECT_FALSE(sound.toggles[3]);

    GameOptions wanted;
    wanted.bet = BetChoice::Five;
    wanted.speed = SpinSpeed::VeryFast;
    wanted.digitColor = DigitColor::Yellow;
    wanted.soundToggles[0] = false;
    window->applyOptions(wanted);
    EXPECT_EQ(window->options(), wanted);
    EXPECT_EQ(window->betEntry(), 1);
    EXPECT_EQ(window->speedEntry(), 0);
    EXPECT_EQ(window->digitEntry(), 6);
    EXPECT_EQ(window->bannerEntry(), 0);
    EXPECT_TRUE(window->bannerRunning());
    EXPECT_EQ(checkedNames(menu("mnuSoundMenu")),
              (QStringList{"mnuSound0", "mnuSounds1", "mnuSounds2", "mnuSounds3", "mnuSounds4", "mnuSounds5"}));
    EXPECT_EQ(sound.toggles, (std::array<bool, 6>{false, true, true, true, true, true}));
    EXPECT_EQ(window->machine().spinSpeed(), 10);
}

TEST_F(WindowTest, FileMenuGreysOnlyTheCurrentMachineUnderChangeGame)
{
    window->machine().ChangeGame(MachineId::Treasure);
    emit menu("menu0")->aboutToShow();
    EXPECT_TRUE(action("mnuChange0")->isEnabled());
    EXPECT_TRUE(action("mnuChange1")->isEnabled());
    EXPECT_FALSE(action("mnuChange2")->isEnabled());
    for (const char* name : {"mnuGames0", "mnuGames1", "mnuGames2"}) EXPECT_TRUE(action(name)->isEnabled()) << name;

    action("mnuChange0")->trigger();
    emit menu("menu0")->aboutToShow();
    EXPECT_FALSE(action("mnuChange0")->isEnabled());
    EXPECT_TRUE(action("mnuChange2")->isEnabled());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quintel Slots 95"));
}

TEST_F(WindowTest, NewGameChecksItsMachineAndSetsTheCaption)
{
    action("mnuGames1")->trigger();
    EXPECT_EQ(checkedNames(menu("mnuNewGame")), (QStringList{"mnuGames1"}));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Lucky 7 Slots 95"));
    EXPECT_EQ(music.name, "QUIN10");
    window->showLoadedMachine(2);
    EXPECT_EQ(checkedNames(menu("mnuNewGame")), (QStringList{"mnuGames2"}));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Treasure Chest Slots 95"));
}

TEST_F(WindowTest, SoundTogglesFlipAndTheMasterSwitchLeavesThemAlone)
{
    action("mnuSounds3")->trigger();
    EXPECT_FALSE(action("mnuSounds3")->isChecked());
    EXPECT_FALSE(sound.toggles[3]);
    action("mnuSounds3")->trigger();
    EXPECT_TRUE(action("mnuSounds3")->isChecked());
    EXPECT_TRUE(sound.toggles[3]);

    action("mnuSound1")->trigger();
    EXPECT_FALSE(sound.soundOn);
    EXPECT_EQ(checkedNames(menu("mnuSoundMenu")).first(), QStringLiteral("mnuSound1"));
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(window->soundToggle(i)) << i;
    action("mnuSound0")->trigger();
    EXPECT_TRUE(sound.soundOn);
}

TEST_F(WindowTest, BorrowAddsCreditsAndRedrawsTheCounter)
{
    action("mnuBorrow0")->trigger();
    EXPECT_EQ(state().credits, Money::fromCredits(1500));
    EXPECT_EQ(state().borrowed, Money::fromCredits(1500));
    expectCounter(89, 52, NumberLayout::counterCells(150000, 5, true));

    // Every entry lends what its caption says.
    for (QAction* a : menu("mnuBorrowMain")->actions()) {
        const Money credits = state().credits, borrowed = state().borrowed;
        const int said = a->text().mid(1).toInt();
        ASSERT_GT(said, 0) << a->text().toStdString();
        a->trigger();
        EXPECT_EQ(state().credits - credits, Money::fromCredits(said)) << a->text().toStdString();
        EXPECT_EQ(state().borrowed - borrowed, Money::fromCredits(said)) << a->text().toStdString();
    }
}

TEST_F(WindowTest, KeyBInsertsOneCoinAndEnterSpins)
{
    press(Qt::Key_Enter);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "No Wager Placed");

    press(Qt::Key_B);
    EXPECT_EQ(state().wager, 1);
    EXPECT_EQ(state().credits, Money::fromCredits(499));
    press(Qt::Key_B);
    EXPECT_EQ(state().wager, 2);
    EXPECT_EQ(state().machineSpins(), 0);

    press(Qt::Key_Return);
    EXPECT_EQ(state().machineSpins(), 1);
    EXPECT_EQ(state().wager, 0);
    EXPECT_EQ(state().lastBet, 2);
    EXPECT_TRUE(state().spinEnabled);
    press(Qt::Key_Return); // repeats the last bet
    EXPECT_EQ(state().machineSpins(), 2);
}

TEST_F(WindowTest, MenusAreLockedWhileTheReelsTurnExceptAutoPlay)
{
    std::vector<bool> during;
    int wagerDuring = -1;
    clock.at(clock.now() + 800, [&] {
        for (const char* m : {"menu0", "menu1", "menu2", "menu3", "menu4"})
            during.push_back(menu(m)->menuAction()->isEnabled());
        window->insertCoinAction(); // refused while the reels turn
        wagerDuring = state().wager;
        action("mnuAuto")->trigger(); // Auto Play still works
    });
    window->insertCoinAction();
    window->insertCoinAction();
    window->insertCoinAction(); // the third coin spins
    EXPECT_EQ(during, (std::vector<bool>{false, false, false, true, false}));
    EXPECT_EQ(wagerDuring, 3);
    EXPECT_TRUE(action("mnuAuto")->isChecked());
    EXPECT_TRUE(window->machine().autoSpin());
    for (const char* m : {"menu0", "menu1", "menu2", "menu3", "menu4"})
        EXPECT_TRUE(menu(m)->menuAction()->isEnabled()) << m;
}

TEST_F(WindowTest, FaceShowsPayLineAndCounters)
{
    for (int x = 37; x <= 330; ++x) ASSERT_EQ(face().pixel(x, 149), Palette::rgb(12)) << x;
    EXPECT_NE(face().pixel(37, 148), Palette::rgb(12));

    // Credits 500 fill three cells after two blanks; wager 0 shows its ones place.
    const int B = NumberLayout::kBlank, P = NumberLayout::kPoint;
    expectCounter(89, 52, {B, B, 5, 0, 0, P, 0, 0});
    expectCounter(265, 52, {B, 0, P, 0, 0});
    expectCounter(455, 257, {B, B, B, B, B, 0});

    // A wager of 5 on the "$5" bet: blank, 5, point, 0, 0; the pay table shows 5 x each multiplier.
    window->chooseBetAmount(BetChoice::Five);
    window->insertCoinAction();
    expectCounter(265, 52, {B, 5, P, 0, 0});
    const PayTable& table = window->machine().reels().payTable;
    for (int row = 0; row < 8; ++row) {
        expectCounter(125 + 154 * (row / 4), 290 + 32 * (row % 4),
                      NumberLayout::amountCells(5 * table[static_cast<std::size_t>(row)], 4));
    }
}

TEST_F(WindowTest, DigitColourChangesSmallCountersButNotThePool)
{
    const QImage poolBefore = face().copy(62, 3, 200, 42);
    window->chooseDigitColor(DigitColor::Blue);
    std::string where;
    EXPECT_TRUE(sameBlock(face(), 89 + 32, 52, window->graphics().smallDigits(0), 80, 0, 16, 21, &where)) << where;
    EXPECT_EQ(face().copy(62, 3, 200, 42), poolBefore);
}

TEST_F(WindowTest, TreasureLegendRowSevenIsOnePicture)
{
    window->machine().NewGame(MachineId::Treasure);
    const QImage& legend = window->graphics().legend();
    std::string where;
    EXPECT_TRUE(sameBlock(face(), 190, 381, legend, 32, 64, 32, 32, &where)) << where; // cell 7
    const QImage& cabinet = window->graphics().cabinet();
    EXPECT_TRUE(sameBlock(face(), 218 + 4, 381, cabinet, 218 + 4, 381, 20, 32, &where)) << where;
}

TEST_F(WindowTest, BannerOffLeavesTheStripCabinetGrey)
{
    for (int i = 0; i < 5; ++i) window->bannerTick();
    while (window->lampFlashing()) window->lampFlashStep();
    EXPECT_TRUE(window->bannerRunning());
    window->chooseBanner(false);
    EXPECT_FALSE(window->bannerRunning());
    const QImage patch = face().copy(250, 430, 10, 10);
    for (int y = 222; y < 242; ++y)
        for (int x = 30; x < 340; ++x)
            ASSERT_EQ(face().pixel(x, y), patch.pixel((x - 30) % 10, (y - 222) % 10)) << x << "," << y;
    window->refreshFace(); // a repaint does not bring the strip back
    EXPECT_EQ(face().pixel(100, 230), patch.pixel(0, 8));
    window->chooseBanner(true);
    EXPECT_TRUE(window->bannerRunning());
}

TEST_F(WindowTest, BannerStripIsFilledFromTheSurfaceAtEveryTick)
{
    window->bannerTick(); // starts the start-up flash; the text follows when it has ended
    while (window->lampFlashing()) window->lampFlashStep();
    for (const char* text : {"", "A", "A much longer banner text that runs far beyond the strip", "Hi"}) {
        window->setBannerText(text);
        EXPECT_FALSE(window->banner().rendered());
        for (int tick = 0; tick < 45; ++tick) {
            window->bannerTick();
            const BannerStrip& b = window->banner();
            const QImage& s = b.surface();
            for (int y = 0; y < 20; ++y)
                for (int x = 0; x < 280; ++x)
                    ASSERT_EQ(face().pixel(42 + x, 222 + y), s.pixel((b.offset() + x) % b.surfaceWidth(), y))
                        << "text '" << text << "' tick " << tick << " at " << x << "," << y;
        }
    }
    EXPECT_EQ(window->bannerText(), "Hi");
}

TEST_F(WindowTest, FullSpinRestsOnThePlannedStops)
{
    const std::uint32_t start = clock.now();
    random.forceStops(3, 14, 25);
    window->insertCoinAction();
    window->insertCoinAction();
    window->insertCoinAction();
    const int stops[3] = {3, 14, 25};
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(window->machine().plan().stopOfReel(r), stops[r]);
        std::string where;
        // The stop's symbol in the middle of the reel window, the pay line row aside.
        const int symbol =
            window->machine().reels().strips[static_cast<std::size_t>(r)][static_cast<std::size_t>(stops[r])];
        const QImage& sheet = window->graphics().symbolSheet();
        const int cellX = 64 * (symbol % 3), cellY = 64 * (symbol / 3);
        EXPECT_TRUE(sameBlock(face(), 55 + 95 * r, 117, sheet, cellX, cellY, 64, 32, &where)) << where;
        EXPECT_TRUE(sameBlock(face(), 55 + 95 * r, 150, sheet, cellX, cellY + 33, 64, 31, &where)) << where;
    }
    EXPECT_GE(clock.now() - start, 102u * 25u); // the animation ran its steps on the clock
    expectCounter(455, 257, NumberLayout::counterCells(100, 6, false));
    EXPECT_TRUE(action("mnuAuto")->isEnabled());
}

TEST_F(WindowTest, TheFreeSpinLabelLiesOverTheLeverWithoutErasingIt)
{
    action("mnuGames2")->trigger();
    window->chooseBetAmount(BetChoice::One);
    random.forceStops(11, 0, 0); // a chest on reel 1 starts free spins
    random.forceStops(0, 0, 0);  // the first free spin wins
    int blue = -1, dark = -1;
    bool surfaceUntouched = false;
    // Inside the one-second pause that follows the first spin (about 2.7 s at "Fast").
    clock.at(clock.now() + 3200, [&] {
        const QImage shot = window->centralWidget()->grab().toImage().scaled(Face::kWidth, Face::kHeight);
        const QRect label(356, 136, 97, 89);
        blue = dark = 0;
        for (int y = label.top(); y <= label.bottom(); ++y)
            for (int x = label.left(); x <= label.right(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                blue += c.blue() > 200 && c.red() < 60 && c.green() < 60;
                dark += c.red() < 50 && c.green() < 50 && c.blue() < 50;
            }
        // The surface itself still holds the lever at rest where the label lies.
        surfaceUntouched =
            window->face().freeSpinLabelShown() &&
            sameBlock(face(), 356, 136, window->graphics().handle(0), 356 - 345, 136 - 128, 90, 89, nullptr);
    });
    for (int i = 0; i < 3; ++i) window->insertCoinAction();
    EXPECT_GT(blue, 50);  // the caption is shown
    EXPECT_GT(dark, 200); // and the black knob of the lever still shows through around it
    EXPECT_TRUE(surfaceUntouched);
    EXPECT_FALSE(window->face().freeSpinLabelShown());
    EXPECT_EQ(window->machine().state().machineSpins(), 2);
}

TEST_F(WindowTest, ClosingDuringASpinFinishesAndPaysItFirst)
{
    const auto stops = winningStops();
    ASSERT_GE(stops[0], 0);
    const ReelSet& reels = window->machine().reels();
    const int combo = matchCombination(reels.machine, reels.symbolAt(0, stops[0]), reels.symbolAt(1, stops[1]),
                                       reels.symbolAt(2, stops[2]));
    const int multiplier = reels.payTable[static_cast<std::size_t>(combo)];

    int closings = 0;
    Money creditsAtClose;
    window->commands().closing = [&] {
        ++closings;
        creditsAtClose = state().credits;
    };
    random.forceStops(stops[0], stops[1], stops[2]);
    clock.at(clock.now() + 1000, [&] { window->close(); });
    const std::uint32_t start = clock.now();
    window->insertCoinAction();
    window->insertCoinAction();
    window->insertCoinAction();
    EXPECT_EQ(closings, 1);
    EXPECT_EQ(creditsAtClose, Money::fromCredits(500 - 3 + 3 * multiplier));
    EXPECT_EQ(state().machineSpins(), 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(music.closes, 1);
    EXPECT_LT(clock.now() - start, 2000u); // no count-up delays after the close
    EXPECT_EQ(std::count(sound.cues.begin(), sound.cues.end(), SoundCue::Credit), 0);
}

TEST_F(WindowTest, CloseWhenIdleRunsTheSequenceOnce)
{
    int closings = 0;
    window->commands().closing = [&] { ++closings; };
    window->setMusicOn(true);
    window->close();
    window->close();
    EXPECT_EQ(closings, 1);
    EXPECT_EQ(music.closes, 1);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(WindowTest, MusicFailureShowsMidiErrorAndSwitchesMusicOff)
{
    action("mnuMusic")->trigger();
    EXPECT_TRUE(window->musicOn());
    music.tickResult = false;
    music.name = "QUIN21";
    window->musicTick();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "MIDI Error");
    EXPECT_NE(messages.shown[0].text.find("(quin21.mid)"), std::string::npos);
    EXPECT_FALSE(window->musicOn());
    EXPECT_FALSE(action("mnuMusic")->isChecked());
    EXPECT_EQ(messages.shown[0].text,
              "There has been an error playing a MIDI file (quin21.mid).  Either the MIDI file could not be found or "
              "your system is not configured to play MIDI files.  Music has been switched off.");
}

TEST_F(WindowTest, CommandsReachTheirHooks)
{
    QStringList ran;
    auto& c = window->commands();
    c.load = [&] { ran << "load"; };
    c.save = [&] { ran << "save"; };
    c.about = [&] { ran << "about"; };
    c.bannerText = [&] { ran << "banner"; };
    c.manual = [&] { ran << "manual"; };
    c.machineOdds = [&] { ran << "odds"; };
    c.gameHistory = [&] { ran << "history"; };
    c.statistics = [&] { ran << "statistics"; };
    for (const char* name : {"mnuLoadSave0", "mnuLoadSave1", "mnuAbout", "mnuBannerText", "mnuHelp", "mnuOdds",
                             "mnuHistory", "mnuStatistics"})
        action(name)->trigger();
    EXPECT_EQ(ran, (QStringList{"load", "save", "about", "banner", "manual", "odds", "history", "statistics"}));
}

TEST_F(WindowTest, MissingAssetsStillGiveAPlayableWindow)
{
    TempDir empty;
    open(empty.qPath());
    EXPECT_TRUE(window->graphics().symbolSheetMissing());
    random.forceStops(1, 2, 3);
    window->insertCoinAction();
    window->spinAction();
    EXPECT_EQ(state().machineSpins(), 1);
    EXPECT_EQ(window->machine().plan().stopOfReel(2), 3);
}

TEST_F(WindowTest, StartUpLampFlashRunsOnATimerAndStopsWhenASpinStarts)
{
    const std::uint32_t before = clock.now();
    window->bannerTick();
    EXPECT_EQ(clock.now(), before); // the first tick does not block
    EXPECT_TRUE(window->lampFlashing());
    const QImage& lit1 = window->graphics().lamp(1);
    const QImage& lit2 = window->graphics().lamp(2);
    std::string where;
    window->lampFlashStep(); // step 0: sound, then lit phase 2
    EXPECT_TRUE(sameBlock(face(), 24, 4, lit2, 0, 0, 32, 41, &where)) << where;
    window->lampFlashStep();
    EXPECT_TRUE(sameBlock(face(), 24, 4, lit1, 0, 0, 32, 41, &where)) << where;
    EXPECT_EQ(std::count(sound.cues.begin(), sound.cues.end(), SoundCue::TopAward), 1);

    window->insertCoinAction();
    window->spinAction();
    EXPECT_FALSE(window->lampFlashing());
    EXPECT_TRUE(sameBlock(face(), 24, 4, window->graphics().lamp(0), 0, 0, 32, 41, &where)) << where;
    window->bannerTick(); // only the first tick flashes
    EXPECT_FALSE(window->lampFlashing());
    EXPECT_TRUE(window->banner().rendered());
}

TEST_F(WindowTest, TheBannerTextAppearsWhenTheStartUpFlashHasEnded)
{
    const QImage stripBefore = face().copy(42, 222, 280, 20);
    window->bannerTick();
    for (int step = 0; step < 59; ++step) {
        window->lampFlashStep();
        window->bannerTick(); // ticks while the lamp flashes leave the strip alone
    }
    EXPECT_FALSE(window->banner().rendered());
    EXPECT_EQ(face().copy(42, 222, 280, 20), stripBefore);
    window->lampFlashStep(); // the last step: the lamp goes out and the text comes at once
    EXPECT_FALSE(window->lampFlashing());
    EXPECT_TRUE(window->banner().rendered());
    EXPECT_NE(face().copy(42, 222, 280, 20), stripBefore);
    EXPECT_EQ(std::count(sound.cues.begin(), sound.cues.end(), SoundCue::TopAward), 5);
}

TEST_F(WindowTest, AMusicFailureOpensOneBoxAndStopsThePollFirst)
{
    // The real message box, whose own event loop runs while it is open.
    PlayingWindow plainRun(ports(true));
    SlotsWindow& plain = plainRun.window;
    plain.setMusicOn(true);
    music.tickResult = false;
    int boxes = 0;
    bool pollingMeanwhile = true;
    QString title;
    QTimer::singleShot(0, &plain, [&] {
        pollingMeanwhile = plain.musicPolling();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                ++boxes;
                title = box->windowTitle();
                EXPECT_EQ(box->icon(), QMessageBox::Warning);
                box->done(QMessageBox::Ok);
            }
    });
    plain.musicTick();
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(title, QStringLiteral("MIDI Error"));
    EXPECT_FALSE(pollingMeanwhile);
    EXPECT_FALSE(plain.musicOn());
}

TEST_F(WindowTest, CountersKeepTheStakeAfterASpinAndThePoolShowsZeroAfterAJackpot)
{
    const int B = NumberLayout::kBlank, P = NumberLayout::kPoint;
    random.forceStops(0, 9, 18);
    for (int i = 0; i < 3; ++i) window->insertCoinAction();
    ASSERT_EQ(state().machineSpins(), 1);
    EXPECT_EQ(state().wager, 0);
    expectCounter(265, 52, {B, 3, P, 0, 0}); // redrawn after the charge, not after the spin
    window->refreshFace();
    expectCounter(265, 52, {B, 0, P, 0, 0});

    const auto stops = topStops();
    ASSERT_GE(stops[0], 0);
    random.forceStops(stops[0], stops[1], stops[2]);
    for (int i = 0; i < 3; ++i) window->insertCoinAction();
    ASSERT_EQ(state().machinePool(), Money::fromCredits(150)); // the pool starts again
    expectPool({B, B, B, 0, P, 0, 0});                         // but shows what the jackpot left
    window->refreshFace();
    expectPool({B, 1, 5, 0, P, 0, 0});
}

TEST_F(WindowTest, CountersThatOverflowShowWholeCreditsOrDashesNeverWrongDigits)
{
    const int B = NumberLayout::kBlank, N = NumberLayout::kNarrowBlank;
    state().credits = Money::fromCents(123456789); // 1,234,567.89
    state().machineSpins() = 1234567;
    window->refreshFace();
    expectCounter(89, 52, {N, 1, 2, 3, 4, 5, 6, 7});
    const QImage& digits = window->graphics().digitSource();
    const QImage dash = face().copy(455, 257, 16, 21);
    for (int cell = 0; cell <= B; ++cell) EXPECT_FALSE(sameBlock(dash, 0, 0, digits, 16 * cell, 0, 16, 21)) << cell;
    for (int k = 1; k < 6; ++k) EXPECT_EQ(face().copy(455 + 16 * k, 257, 16, 21), dash) << k;

    state().credits = Money::fromCents(1234567891); // 12,345,678.91 does not fit even as whole credits
    window->refreshFace();
    for (int k = 0; k < 5; ++k) EXPECT_EQ(face().copy(89 + 16 * k, 52, 16, 21), dash) << k;
}

TEST_F(WindowTest, TheInsertCoinPlateTakesACoinLikeKeyB)
{
    click(FaceWidget::kCoinPlate.center());
    EXPECT_EQ(state().wager, 1);
    EXPECT_EQ(state().credits, Money::fromCredits(499));
    click(QPoint(FaceWidget::kCoinPlate.left() - 4, FaceWidget::kCoinPlate.center().y())); // beside it: nothing
    EXPECT_EQ(state().wager, 1);
    press(Qt::Key_B);
    EXPECT_EQ(state().wager, 2);
}

TEST_F(WindowTest, TheWindowHasNoMaximiseButton)
{
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
}
