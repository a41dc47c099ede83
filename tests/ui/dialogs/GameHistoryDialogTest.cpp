#include "GameHistoryDialog.h"

#include <QLabel>
#include <QPainter>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

// A sheet of 8 symbols, 64 px each, three to a row: symbol n is filled with colourOf(n).
QRgb colourOf(int n) { return QColor::fromHsv(n * 40, 255, 200).rgb(); }
const QRgb kGrey = qRgb(128, 128, 128);

QImage testSheet()
{
    QImage sheet(3 * 64, 3 * 64, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    QPainter painter(&sheet);
    for (int n = 0; n < 8; ++n) painter.fillRect((n % 3) * 64, (n / 3) * 64, 64, 64, QColor(colourOf(n)));
    return sheet;
}

HistoryRow entry(int number)
{
    HistoryRow e;
    e.machine = number % 3;
    e.machineName = "Machine " + std::to_string(number);
    e.symbols = {number % 8, (number + 1) % 8, (number + 2) % 8};
    e.bet = number;
    e.creditsBefore = std::to_string(500 + number) + ".00";
    e.creditsAfter = std::to_string(490 + number) + ".50";
    return e;
}

QString cell(QTableWidget* table, int row, int column) { return table->item(row, column)->text(); }

TEST(GameHistoryDialogTest, EmptyHistorySaysSo)
{
    GameHistoryDialog dialog({}, nullptr);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Game History");
    EXPECT_EQ(dialog.rowCount(), 0);
    const auto* label = dialog.findChild<QLabel*>("EmptyLabel");
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->text(), "No spins recorded yet.");
    EXPECT_FALSE(dialog.findChild<QTableWidget*>("HistoryTable")->isVisible());
}

TEST(GameHistoryDialogTest, RowsShowEveryFieldNewestFirst)
{
    HistoryRow win = entry(2);
    win.machineName = "Treasure Chest Slots";
    win.bet = 30;
    win.combination = "Three Chests";
    win.win = "1500.00";
    win.poolWon = "275.40";
    win.freeSpin = true;
    win.creditsBefore = "1234.50";
    win.creditsAfter = "3009.90";
    HistoryRow loss = entry(1);
    loss.win = "0.00";

    GameHistoryDialog dialog({loss, win}, nullptr);
    dialog.show();
    auto* table = dialog.findChild<QTableWidget*>("HistoryTable");
    ASSERT_EQ(dialog.rowCount(), 2);
    EXPECT_TRUE(table->isVisible());
    EXPECT_FALSE(dialog.findChild<QLabel*>("EmptyLabel")->isVisible());

    using C = GameHistoryDialog::Column;
    EXPECT_EQ(cell(table, 0, C::Machine), "Treasure Chest Slots");
    EXPECT_EQ(cell(table, 0, C::Bet), "30");
    EXPECT_EQ(cell(table, 0, C::Combination), "Three Chests");
    EXPECT_EQ(cell(table, 0, C::Win), "1500.00");
    EXPECT_EQ(cell(table, 0, C::Pool), "275.40");
    EXPECT_EQ(cell(table, 0, C::Kind), "Free");
    EXPECT_EQ(cell(table, 0, C::Credits), QString::fromUtf8("1234.50 → 3009.90"));

    EXPECT_EQ(cell(table, 1, C::Machine), "Machine 1");
    EXPECT_EQ(cell(table, 1, C::Combination), "No win");
    EXPECT_EQ(cell(table, 1, C::Pool), "");
    EXPECT_EQ(cell(table, 1, C::Kind), "Paid");
}

TEST(GameHistoryDialogTest, KeepsOnlyTheNewestTen)
{
    std::vector<HistoryRow> entries;
    for (int i = 0; i < 13; ++i) entries.push_back(entry(i));
    GameHistoryDialog dialog(entries, nullptr);
    auto* table = dialog.findChild<QTableWidget*>("HistoryTable");
    ASSERT_EQ(dialog.rowCount(), 10);
    EXPECT_EQ(cell(table, 0, GameHistoryDialog::Machine), "Machine 12");
    EXPECT_EQ(cell(table, 9, GameHistoryDialog::Machine), "Machine 3");
}

TEST(GameHistoryDialogTest, ReelPictureCutsTheSymbolCellsFromTheSheet)
{
    const QImage picture = GameHistoryDialog::reelPicture(testSheet(), {7, 0, 4});
    ASSERT_EQ(picture.size(), QSize(96, 32));
    EXPECT_EQ(picture.pixel(16, 16), colourOf(7)); // column 1, row 2 of the sheet
    EXPECT_EQ(picture.pixel(48, 16), colourOf(0));
    EXPECT_EQ(picture.pixel(80, 16), colourOf(4)); // column 1, row 1
}

TEST(GameHistoryDialogTest, MissingSheetOrSymbolOutsideItDrawsAPlaceholder)
{
    const QImage noSheet = GameHistoryDialog::reelPicture(QImage(), {0, 1, 2});
    EXPECT_EQ(noSheet.pixel(2, 2), kGrey);

    // Symbol 9 lies in a fourth row the sheet does not have; -1 is no symbol at all.
    const QImage outside = GameHistoryDialog::reelPicture(testSheet(), {9, 3, -1});
    EXPECT_EQ(outside.pixel(2, 2), kGrey);
    EXPECT_EQ(outside.pixel(48, 16), colourOf(3));
    EXPECT_EQ(outside.pixel(66, 2), kGrey);
}

TEST(GameHistoryDialogTest, RowsUseTheSheetOfTheirMachineAndAskOncePerMachine)
{
    std::vector<int> asked;
    const QImage sheet = testSheet();
    auto source = [&](int machine) {
        asked.push_back(machine);
        return machine == 1 ? sheet : QImage();
    };
    HistoryRow a = entry(0), b = entry(1), c = entry(4); // machines 0, 1, 1
    b.symbols = {5, 5, 5};
    GameHistoryDialog dialog({a, b, c}, source);
    EXPECT_EQ(asked.size(), 2u);

    auto* table = dialog.findChild<QTableWidget*>("HistoryTable");
    const QImage shownB = table->item(1, GameHistoryDialog::Reels)->data(Qt::DecorationRole).value<QPixmap>().toImage();
    ASSERT_FALSE(shownB.isNull());
    EXPECT_EQ(shownB.pixel(16, 16), colourOf(5));
    const QImage shownA = table->item(2, GameHistoryDialog::Reels)->data(Qt::DecorationRole).value<QPixmap>().toImage();
    EXPECT_EQ(shownA.pixel(2, 2), kGrey);
}

} // namespace
