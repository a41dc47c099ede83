#include "LoadSaveDialog.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using Mode = LoadSaveDialog::Mode;

// Built in one aggregate initialisation: g++ 12 at -O2 was seen to test an element's engaged flag
// before zeroing the array when the slots were assigned one by one after a default construction.
LoadSaveDialog::SlotNames someNames()
{
    return {std::optional<std::string>("Friday night"),
            std::nullopt,
            std::nullopt,
            std::optional<std::string>("Big Win   "), // padded as a fixed-width field would be
            std::nullopt,
            std::optional<std::string>("Tom & Jerry"),
            std::nullopt,
            std::nullopt,
            std::nullopt,
            std::optional<std::string>("   ")}; // blank counts as unused
}

QPushButton* slotButton(LoadSaveDialog& dialog, int k)
{
    return dialog.findChild<QPushButton*>(QStringLiteral("Command1_%1").arg(k));
}

QLineEdit* nameBox(LoadSaveDialog& dialog) { return dialog.findChild<QLineEdit*>("Text1"); }

void showActive(QWidget& widget)
{
    widget.show();
    QApplication::setActiveWindow(&widget);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&widget));
}

TEST(LoadSaveDialogTest, CaptionFollowsTheMode)
{
    LoadSaveDialog load(Mode::Load, {});
    LoadSaveDialog save(Mode::Save, {});
    EXPECT_EQ(load.windowTitle(), "Load a Game");
    EXPECT_EQ(save.windowTitle(), "Save a Game");
    EXPECT_EQ(load.size(), QSize(312, 269));
}

TEST(LoadSaveDialogTest, SlotButtonsShowStoredNamesOrGameNumbers)
{
    for (Mode mode : {Mode::Load, Mode::Save}) {
        LoadSaveDialog dialog(mode, someNames());
        EXPECT_EQ(slotButton(dialog, 0)->text(), "Friday night");
        EXPECT_EQ(slotButton(dialog, 1)->text(), "Game #2");
        EXPECT_EQ(slotButton(dialog, 3)->text(), "Big Win");
        EXPECT_EQ(slotButton(dialog, 5)->text(), "Tom && Jerry"); // shown as a plain ampersand
        EXPECT_EQ(slotButton(dialog, 8)->text(), "Game #9");
        EXPECT_EQ(slotButton(dialog, 9)->text(), "Game #10");
    }
}

TEST(LoadSaveDialogTest, LongNamesEndInAnEllipsisAndAreReadWholeFromTooltipAndScreenReader)
{
    const std::string longName = "Saturday night & the Treasure Chest run"; // 39 characters
    LoadSaveDialog::SlotNames names = someNames();
    names[2] = longName;
    names[4] = std::string(40, 'W');
    LoadSaveDialog dialog(Mode::Load, names);
    for (int k : {2, 4}) {
        QPushButton* button = slotButton(dialog, k);
        const QString whole = QString::fromStdString(*names[static_cast<std::size_t>(k)]);
        const QString shown = button->text().replace(QStringLiteral("&&"), QStringLiteral("&"));
        EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
        EXPECT_TRUE(whole.startsWith(shown.chopped(1))) << shown.toStdString();
        EXPECT_LT(button->fontMetrics().horizontalAdvance(shown), button->width() - 8); // clear of the bevel
        EXPECT_EQ(button->toolTip(), whole);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), whole);
    }
    // A name that fits is shown as it is, with nothing to hover for.
    EXPECT_EQ(slotButton(dialog, 0)->toolTip(), "");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(slotButton(dialog, 5))->text(QAccessible::Name), "Tom & Jerry");
}

TEST(LoadSaveDialogTest, SlotButtonsStandInTwoColumnsOfFive)
{
    LoadSaveDialog dialog(Mode::Load, {});
    const int y[5] = {48, 80, 112, 144, 176};
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(slotButton(dialog, k)->geometry(), QRect(k < 5 ? 8 : 160, y[k % 5], 145, 25)) << k;
    }
}

TEST(LoadSaveDialogTest, OpensWithNameLabelBoxAndOkHiddenAndNoSlotChosen)
{
    for (Mode mode : {Mode::Load, Mode::Save}) {
        LoadSaveDialog dialog(mode, someNames());
        dialog.show();
        EXPECT_FALSE(dialog.findChild<QLabel*>("Label1")->isVisible());
        EXPECT_FALSE(nameBox(dialog)->isVisible());
        EXPECT_FALSE(dialog.findChild<QPushButton*>("Command3")->isVisible());
        EXPECT_TRUE(dialog.findChild<QPushButton*>("Command2")->isVisible());
        EXPECT_EQ(dialog.selectedLoadSlot(), -1);
        EXPECT_EQ(dialog.selectedSaveSlot(), -1);
    }
}

TEST(LoadSaveDialogTest, LoadClickChoosesTheSlotAndCloses)
{
    LoadSaveDialog dialog(Mode::Load, someNames());
    QTimer::singleShot(0, &dialog, [&] { slotButton(dialog, 2)->click(); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.selectedLoadSlot(), 2); // an unused slot can be loaded too
    EXPECT_EQ(dialog.selectedSaveSlot(), -1);
}

TEST(LoadSaveDialogTest, CancelLeavesBothResultsUnset)
{
    LoadSaveDialog load(Mode::Load, someNames());
    QTimer::singleShot(0, &load, [&] { load.findChild<QPushButton*>("Command2")->click(); });
    EXPECT_EQ(load.exec(), QDialog::Rejected);
    EXPECT_EQ(load.selectedLoadSlot(), -1);

    // A slot chosen in Save mode is forgotten when the player cancels.
    LoadSaveDialog save(Mode::Save, someNames());
    QTimer::singleShot(0, &save, [&] {
        slotButton(save, 4)->click();
        save.findChild<QPushButton*>("Command2")->click();
    });
    EXPECT_EQ(save.exec(), QDialog::Rejected);
    EXPECT_FALSE(save.isVisible());
    EXPECT_EQ(save.selectedSaveSlot(), -1);
    EXPECT_EQ(save.selectedLoadSlot(), -1);
}

TEST(LoadSaveDialogTest, SaveClickShowsTheNameBoxWithTheCaptionSelectedAndOkAsDefault)
{
    LoadSaveDialog dialog(Mode::Save, someNames());
    showActive(dialog);
    slotButton(dialog, 3)->click();

    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.findChild<QLabel*>("Label1")->isVisible());
    EXPECT_EQ(dialog.findChild<QLabel*>("Label1")->text(), "Name of Game:");
    auto* box = nameBox(dialog);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->text(), "Big Win");
    EXPECT_TRUE(box->hasFocus());
    EXPECT_EQ(box->selectedText(), "Big Win");
    auto* ok = dialog.findChild<QPushButton*>("Command3");
    EXPECT_TRUE(ok->isVisible());
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(dialog.selectedSaveSlot(), 3);

    // Typing replaces the selected name.
    QTest::keyClicks(box, "Monday");
    EXPECT_EQ(box->text(), "Monday");
}

TEST(LoadSaveDialogTest, SecondSlotClickReplacesTheNameAndSelectsItAgain)
{
    LoadSaveDialog dialog(Mode::Save, someNames());
    showActive(dialog);
    slotButton(dialog, 3)->click();
    slotButton(dialog, 1)->click(); // the box keeps the focus: no new focus-in event
    EXPECT_EQ(nameBox(dialog)->text(), "Game #2");
    EXPECT_EQ(nameBox(dialog)->selectedText(), "Game #2");
    EXPECT_EQ(dialog.selectedSaveSlot(), 1);
}

TEST(LoadSaveDialogTest, FocusInSelectsTheTrimmedLengthFromTheStart)
{
    LoadSaveDialog dialog(Mode::Save, someNames());
    showActive(dialog);
    slotButton(dialog, 0)->click();
    auto* box = nameBox(dialog);
    box->setText("Bob   ");
    slotButton(dialog, 6)->setFocus();
    ASSERT_FALSE(box->hasFocus());
    box->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(box->selectedText(), "Bob");
    EXPECT_EQ(box->selectionStart(), 0);
}

TEST(LoadSaveDialogTest, OkSavesTheTrimmedNameIntoTheChosenSlot)
{
    LoadSaveDialog dialog(Mode::Save, someNames());
    QTimer::singleShot(0, &dialog, [&] {
        slotButton(dialog, 7)->click();
        nameBox(dialog)->setText("   Lucky streak  ");
        dialog.findChild<QPushButton*>("Command3")->click();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.selectedSaveSlot(), 7);
    EXPECT_EQ(dialog.savedName(), "Lucky streak");
}

TEST(LoadSaveDialogTest, EnterInTheNameBoxPressesOk)
{
    LoadSaveDialog dialog(Mode::Save, someNames());
    QTimer::singleShot(0, &dialog, [&] {
        QApplication::setActiveWindow(&dialog);
        slotButton(dialog, 0)->click();
        QTest::keyClick(nameBox(dialog), Qt::Key_Return);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.selectedSaveSlot(), 0);
    EXPECT_EQ(dialog.savedName(), "Friday night");
}

TEST(LoadSaveDialogTest, OkWithABlankNameSavesNothingButCloses)
{
    LoadSaveDialog dialog(Mode::Save, someNames());
    QTimer::singleShot(0, &dialog, [&] {
        slotButton(dialog, 3)->click();
        nameBox(dialog)->setText("     ");
        dialog.findChild<QPushButton*>("Command3")->click();
    });
    dialog.exec();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.selectedSaveSlot(), -1);
    EXPECT_EQ(dialog.savedName(), "");
}

TEST(LoadSaveDialogTest, NameBoxTakesAtMostFortyCharacters)
{
    LoadSaveDialog dialog(Mode::Save, someNames());
    showActive(dialog);
    slotButton(dialog, 2)->click();
    auto* box = nameBox(dialog);
    box->clear();
    const QString typed = QString(38, 'a') + "bcdef";
    QTest::keyClicks(box, typed);
    EXPECT_EQ(box->text(), typed.left(40));
    EXPECT_EQ(dialog.savedName(), typed.left(40).toStdString());

    box->setText(QString(50, 'z'));
    EXPECT_EQ(dialog.savedName().size(), 40u);
}

TEST(LoadSaveDialogTest, NameBoxCountsCharactersNotCodeUnitsAndNeverSplitsOne)
{
    LoadSaveDialog dialog(Mode::Save, someNames());
    showActive(dialog);
    slotButton(dialog, 2)->click();
    auto* box = nameBox(dialog);
    box->clear();
    const QString grin = QString::fromUtf8("\U0001F600"); // two UTF-16 units, one character
    for (int i = 0; i < 45; ++i) {                        // typed as a keyboard with an emoji key would
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, grin);
        QApplication::sendEvent(box, &key);
    }
    EXPECT_EQ(box->text(), grin.repeated(40));
    EXPECT_EQ(dialog.savedName(), grin.repeated(40).toStdString());

    // A paste that would cross the limit is trimmed, then cut at a whole character.
    box->setText(QString(35, 'a'));
    box->setCursorPosition(35);
    box->insert(QStringLiteral("   ") + QString(4, 'b') + grin + grin + QStringLiteral("  "));
    EXPECT_EQ(box->text(), QString(35, 'a') + QString(4, 'b') + grin);
    EXPECT_EQ(box->cursorPosition(), box->text().size());

    // Inserted in the middle, the text after the cursor stays.
    box->setText(QString(38, 'c') + QStringLiteral("z"));
    box->setCursorPosition(1);
    box->insert(grin + grin + grin);
    EXPECT_EQ(box->text(), QStringLiteral("c") + grin + QString(37, 'c') + QStringLiteral("z"));
}

TEST(LoadSaveDialogTest, TabRunsThroughTheSlotsThenNameBoxCancelAndOk)
{
    LoadSaveDialog dialog(Mode::Save, someNames());
    showActive(dialog);
    slotButton(dialog, 0)->click(); // makes the name box and OK visible, so they take part
    slotButton(dialog, 0)->setFocus();

    std::vector<QString> visited;
    for (int step = 0; step < 13; ++step) {
        visited.push_back(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    const std::vector<QString> expected = {"Command1_0", "Command1_1", "Command1_2", "Command1_3", "Command1_4",
                                           "Command1_5", "Command1_6", "Command1_7", "Command1_8", "Command1_9",
                                           "Text1",      "Command2",   "Command3"};
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Command1_0"); // and round again
}

TEST(LoadSaveDialogTest, StoredNamesKeepTheirAmpersandInTheNameBox)
{
    LoadSaveDialog dialog(Mode::Save, someNames());
    showActive(dialog);
    slotButton(dialog, 5)->click();
    EXPECT_EQ(nameBox(dialog)->text(), "Tom & Jerry");
}

TEST(LoadSaveDialogTest, SlotCaptionRule)
{
    EXPECT_EQ(LoadSaveDialog::slotCaption(0, std::nullopt), "Game #1");
    EXPECT_EQ(LoadSaveDialog::slotCaption(9, std::string()), "Game #10");
    EXPECT_EQ(LoadSaveDialog::slotCaption(4, std::string("  Ärger  ")), QString::fromUtf8("Ärger"));
}

} // namespace
