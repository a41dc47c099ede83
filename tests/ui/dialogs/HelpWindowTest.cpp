#include "HelpWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QTest>

#include <gtest/gtest.h>

#include "TempDir.h"

namespace {

void writeFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QTextBrowser* browser(HelpWindow& window) { return window.findChild<QTextBrowser*>("Browser"); }
QPushButton* button(HelpWindow& window, const char* name) { return window.findChild<QPushButton*>(name); }

TEST(HelpWindowTest, MissingManualShowsWhereItWasLookedFor)
{
    TempDir dir;
    const QString path = dir.filePath("manual.html");
    HelpWindow window(path);
    window.show();
    EXPECT_EQ(window.windowTitle(), "Quintel Slots 95 Manual");
    EXPECT_FALSE(window.manualFound());
    EXPECT_EQ(browser(window)->toPlainText(), "The manual could not be found at " + path + ".");
    EXPECT_FALSE(button(window, "Back")->isEnabled());
    button(window, "Home")->click(); // nothing to go home to: harmless
    EXPECT_TRUE(browser(window)->toPlainText().startsWith("The manual could not be found"));
}

TEST(HelpWindowTest, DirectoryOrEmptyPathCountsAsMissing)
{
    TempDir dir;
    HelpWindow onDirectory(dir.qPath());
    EXPECT_FALSE(onDirectory.manualFound());
    EXPECT_TRUE(browser(onDirectory)->toPlainText().contains(dir.qPath()));

    HelpWindow noPath{QString()};
    EXPECT_FALSE(noPath.manualFound());
    EXPECT_EQ(browser(noPath)->toPlainText(), "The manual could not be found at .");
}

TEST(HelpWindowTest, ShowsTheManualAndFollowsLinksBackAndHome)
{
    TempDir dir;
    writeFile(dir.filePath("manual.html"),
              "<html><head><title>Manual</title></head><body><h1>How to play</h1>"
              "<p>Insert coins. See <a href=\"odds.html\">the odds</a>.</p></body></html>");
    writeFile(dir.filePath("odds.html"), "<html><body><h1>Odds page</h1></body></html>");

    HelpWindow window(dir.filePath("manual.html"));
    window.show();
    ASSERT_TRUE(window.manualFound());
    QTextBrowser* view = browser(window);
    EXPECT_TRUE(view->toPlainText().contains("How to play"));
    EXPECT_FALSE(button(window, "Back")->isEnabled());

    view->setSource(QUrl("odds.html")); // a relative link, as a click on it would follow
    EXPECT_TRUE(view->toPlainText().contains("Odds page"));
    EXPECT_TRUE(button(window, "Back")->isEnabled());

    button(window, "Back")->click();
    EXPECT_TRUE(view->toPlainText().contains("How to play"));
    EXPECT_FALSE(button(window, "Back")->isEnabled());

    view->setSource(QUrl("odds.html"));
    button(window, "Home")->click();
    EXPECT_TRUE(view->toPlainText().contains("How to play"));
}

TEST(HelpWindowTest, IsAWindowOfItsOwnThatCloseHides)
{
    QWidget owner;
    HelpWindow window(QStringLiteral("/nonexistent/manual.html"), &owner);
    EXPECT_TRUE(window.isWindow());
    EXPECT_FALSE(window.isModal());
    window.show();
    ASSERT_TRUE(window.isVisible());
    button(window, "Close")->click();
    EXPECT_FALSE(window.isVisible());
}

TEST(HelpWindowTest, EscapeClosesItWhereverTheFocusIs)
{
    for (const char* focus : {"Browser", "Home"}) {
        HelpWindow window(QStringLiteral("/nonexistent/manual.html"));
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QWidget* target = window.findChild<QWidget*>(focus);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Escape);
        EXPECT_FALSE(window.isVisible()) << focus;
    }
}

} // namespace
