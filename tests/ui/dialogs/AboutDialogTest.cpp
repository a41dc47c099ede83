#include "AboutDialog.h"

#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QIcon redIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(QColor(255, 0, 0));
    return QIcon(pixmap);
}

TEST(AboutDialogTest, ShowsTitleVersionAndDescriptionWithItsExactSpacing)
{
    AboutDialog dialog;
    const auto* label = dialog.findChild<QLabel*>("label1");
    const auto* text = dialog.findChild<QPlainTextEdit*>("Text1");
    ASSERT_NE(label, nullptr);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(label->text(), "Quintel Slots 95 v2.0");
    const QString shown = text->toPlainText();
    EXPECT_TRUE(shown.startsWith("QUINTEL SLOTS is a collection of 3 slot machine games: QUINTEL, LUCKY 7"));
    EXPECT_TRUE(shown.contains("TREASURE CHEST slots.  Each of the games"));
    EXPECT_TRUE(shown.contains("entertained for hours.  All 3 games"));
    EXPECT_TRUE(shown.endsWith("payoff combinations. "));
    EXPECT_FALSE(shown.endsWith("  "));
}

TEST(AboutDialogTest, CaptionNamesTheMachineWithoutItsPaddingOrKeepsTheProgramCaption)
{
    AboutDialog padded(QStringLiteral("Lucky 7 Slots                 "));
    EXPECT_EQ(padded.windowTitle(), "About Lucky 7 Slots");

    AboutDialog unnamed;
    EXPECT_EQ(unnamed.windowTitle(), "About Quintel Slots 95 for Windows 95");

    unnamed.setMachineName(QStringLiteral("Treasure Chest Slots"));
    EXPECT_EQ(unnamed.windowTitle(), "About Treasure Chest Slots");
}

TEST(AboutDialogTest, TitleShrinksToEightPointWhenLongerThanTwentyCharacters)
{
    EXPECT_EQ(AboutDialog::titlePointSize(QString(20, 'x')), 12.0);
    EXPECT_EQ(AboutDialog::titlePointSize(QString(21, 'x')), 8.0);
    EXPECT_EQ(AboutDialog::titlePointSize("  " + QString(20, 'x') + "   "), 12.0);

    // The program's own label has 21 characters, so it is shown in 8 pt bold.
    AboutDialog dialog;
    const QFont font = dialog.findChild<QLabel*>("label1")->font();
    EXPECT_EQ(font.pointSizeF(), 8.0);
    EXPECT_TRUE(font.bold());
}

TEST(AboutDialogTest, DescriptionIsWhiteOnTeal)
{
    AboutDialog dialog;
    dialog.show();
    const auto* text = dialog.findChild<QPlainTextEdit*>("Text1");
    const QImage image = text->viewport()->grab().toImage();
    // A corner pixel away from any text shows the background.
    EXPECT_EQ(QColor(image.pixel(image.width() - 3, image.height() - 3)), QColor(0, 128, 128));
    bool white = false;
    for (int y = 0; y < 40 && !white; ++y)
        for (int x = 0; x < image.width() && !white; ++x) white = QColor(image.pixel(x, y)) == QColor(Qt::white);
    EXPECT_TRUE(white) << "no white text drawn in the first lines";
}

TEST(AboutDialogTest, ProgramButtonRestoresTheEditedDescription)
{
    AboutDialog dialog;
    dialog.show();
    auto* text = dialog.findChild<QPlainTextEdit*>("Text1");
    text->setPlainText("scribbled over");
    dialog.findChild<QPushButton*>("Command2_0")->click();
    EXPECT_EQ(text->toPlainText(), AboutDialog::kDescription);
    EXPECT_TRUE(dialog.isVisible());
}

TEST(AboutDialogTest, OkHidesTheModalDialog)
{
    AboutDialog dialog;
    auto* ok = dialog.findChild<QPushButton*>("Command2_3");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "&OK");
    bool wasVisible = false;
    QTimer::singleShot(0, &dialog, [&] {
        wasVisible = dialog.isVisible();
        ok->click();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_TRUE(wasVisible);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(AboutDialogTest, HasTheFixedSizeAndSitsInTheMiddleOfTheScreen)
{
    AboutDialog dialog;
    EXPECT_EQ(dialog.size(), QSize(436, 313));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_TRUE(dialog.isModal());
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
    const QRect screen = dialog.screen()->geometry();
    EXPECT_EQ(dialog.pos(),
              QPoint(screen.left() + (screen.width() - 436) / 2, screen.top() + (screen.height() - 313) / 2));
}

TEST(AboutDialogTest, BothPicturesShowTheGivenIcon)
{
    AboutDialog dialog(QStringLiteral("Quintel Slots"), redIcon());
    EXPECT_FALSE(dialog.windowIcon().isNull());
    for (const char* name : {"AboutIcon0", "AboutIcon1"}) {
        const auto* picture = dialog.findChild<QLabel*>(name);
        ASSERT_NE(picture, nullptr) << name;
        const QImage image = picture->pixmap().toImage();
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_EQ(QColor(image.pixel(image.width() / 2, image.height() / 2)), QColor(255, 0, 0)) << name;
    }
    // No icon: empty pictures, no crash.
    AboutDialog plain(QStringLiteral("Quintel Slots"), QIcon());
    EXPECT_TRUE(plain.findChild<QLabel*>("AboutIcon0")->pixmap().isNull());
}

} // namespace
