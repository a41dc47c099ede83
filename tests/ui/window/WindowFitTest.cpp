// Window sizes on a 1280 x 1024 screen, where 200% and 300% do not fit (run by CTest as window_fit_tests,
// on that offscreen screen).
#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "NullMusic.h"
#include "NullSound.h"
#include "PlayingWindow.h"
#include "TestPorts.h"
#include "RecordingMessages.h"
#include "ScriptedRandom.h"
#include "SlotsWindow.h"
#include "VirtualClock.h"

namespace {

class WindowFitTest : public ::testing::Test, protected TestPorts<> {
protected:
    void SetUp() override
    {
        if (QGuiApplication::primaryScreen()->size() != QSize(1280, 1024))
            GTEST_SKIP() << "needs the 1280 x 1024 screen of window_fit_tests";
        playing = std::make_unique<PlayingWindow>(ports());
        window = &playing->window;
        window->show();
        QCoreApplication::processEvents();
    }
    QAction* size(int entry) { return window->findChild<QAction*>(QStringLiteral("mnuSize%1").arg(entry)); }
    QRect frame() { return window->frameGeometry(); }
    QRect area() { return window->screen()->availableGeometry(); }
    void larger()
    {
        QTest::keyClick(window, Qt::Key_Plus, Qt::ControlModifier);
        QCoreApplication::processEvents();
    }

    std::unique_ptr<PlayingWindow> playing;
    SlotsWindow* window = nullptr;
};

} // namespace

TEST_F(WindowFitTest, OnlySizesThatFitAreOfferedAndTheOthersSayWhy)
{
    emit window->findChild<QMenu*>(QStringLiteral("mnuWindowSize"))->aboutToShow();
    EXPECT_TRUE(size(0)->isEnabled());
    EXPECT_TRUE(size(1)->isEnabled()); // 921 x 786 and the menu bar
    EXPECT_EQ(size(1)->toolTip(), size(1)->text());
    for (int entry : {2, 3}) {
        EXPECT_FALSE(size(entry)->isEnabled());
        EXPECT_TRUE(size(entry)->toolTip().startsWith("Too large for this screen: the window would be "))
            << size(entry)->toolTip().toStdString();
        EXPECT_TRUE(size(entry)->toolTip().endsWith(", the screen has room for 1280 × 1024."));
        EXPECT_EQ(size(entry)->statusTip(), size(entry)->toolTip());
    }
    std::vector<int> chosen;
    window->commands().windowSizeChosen = [&](int percent) { chosen.push_back(percent); };
    for (int i = 0; i < 3; ++i) larger();
    EXPECT_EQ(window->zoom(), 150); // Ctrl++ stops at the largest that fits
    EXPECT_EQ(chosen, std::vector<int>{150});
    EXPECT_TRUE(size(1)->isChecked());
    // A size kept from a larger screen gives way to the largest that fits.
    window->setZoom(300);
    EXPECT_EQ(window->zoom(), 150);
}

TEST_F(WindowFitTest, ANewSizeKeepsTheWindowsCentreAndStaysOnTheScreen)
{
    window->move(300, 200);
    QCoreApplication::processEvents();
    const QPoint centre = frame().center();
    larger();
    ASSERT_EQ(window->zoom(), 150);
    EXPECT_LE((frame().center() - centre).manhattanLength(), 2) << frame().x() << "," << frame().y();
    EXPECT_TRUE(area().contains(frame()));
    QTest::keyClick(window, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_LE((frame().center() - centre).manhattanLength(), 2);

    // Near the bottom right corner the larger window is moved back onto the screen, no further.
    window->move(area().right() - 700, area().bottom() - 600);
    QCoreApplication::processEvents();
    larger();
    EXPECT_EQ(frame().right(), area().right());
    EXPECT_EQ(frame().bottom(), area().bottom());
}
