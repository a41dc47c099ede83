#include "CustomBannerDialog.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const std::string kTwenty(20, ' ');

// Opens the dialog on current, replaces the text with edited (unless null) and presses OK.
std::string editAndConfirm(const std::string& current, const char* edited)
{
    CustomBannerDialog dialog(current);
    QTimer::singleShot(0, &dialog, [&] {
        if (edited != nullptr) dialog.findChild<QPlainTextEdit*>("Text1")->setPlainText(QString::fromUtf8(edited));
        dialog.findChild<QPushButton*>("Command1")->click();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    return dialog.bannerText();
}

TEST(CustomBannerDialogTest, ShowsTheCurrentTextUnderItsCaption)
{
    CustomBannerDialog dialog("Welcome to the casino!   ");
    EXPECT_EQ(dialog.windowTitle(), "Change the Banner Text");
    EXPECT_EQ(dialog.findChild<QPlainTextEdit*>("Text1")->toPlainText(), "Welcome to the casino!   ");
    EXPECT_EQ(dialog.findChild<QPlainTextEdit*>("Text1")->font().pointSizeF(), 12.0);
    const QFont okFont = dialog.findChild<QPushButton*>("Command1")->font();
    EXPECT_EQ(okFont.pointSizeF(), 12.0);
    EXPECT_TRUE(okFont.bold());
    EXPECT_EQ(dialog.size(), QSize(491, 150));
}

TEST(CustomBannerDialogTest, OkTrimsAndAppendsTwentyBlanks)
{
    EXPECT_EQ(editAndConfirm("old", "   Jackpot tonight!  "), "Jackpot tonight!" + kTwenty);
    // Unchanged text goes through the same rule: its old trailing blanks do not pile up.
    EXPECT_EQ(editAndConfirm("Hello" + kTwenty, nullptr), "Hello" + kTwenty);
}

TEST(CustomBannerDialogTest, BlankOrEmptyTextBecomesTwentyBlanks)
{
    EXPECT_EQ(editAndConfirm("old", "        "), kTwenty);
    EXPECT_EQ(editAndConfirm("old", ""), kTwenty);
}

TEST(CustomBannerDialogTest, LineBreaksAndTabsBecomeBlanks)
{
    EXPECT_EQ(editAndConfirm("old", "\nFirst line\nsecond\tpart\n\n"), "First line second part" + kTwenty);
    EXPECT_EQ(CustomBannerDialog::normalise(QStringLiteral("a\r\nb")), QStringLiteral("a  b") + QString(20, ' '));
}

TEST(CustomBannerDialogTest, KeepsTextBeyondAsciiIntact)
{
    EXPECT_EQ(editAndConfirm("old", "Viel Glück – 7 7 7"), "Viel Glück – 7 7 7" + kTwenty);
}

TEST(CustomBannerDialogTest, EscapeRejects)
{
    CustomBannerDialog dialog("Keep me");
    QTimer::singleShot(0, &dialog, [&] { dialog.reject(); });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
}

} // namespace
