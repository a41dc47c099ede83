#pragma once

#include <QDialog>
#include <QImage>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QTableWidget;

// One recorded spin as the history dialog shows it. Money is passed already formatted ("1234.50").
struct HistoryRow {
    int machine = 0;              // 0..2: chooses the symbol sheet
    std::string machineName;      // e.g. "Lucky 7 Slots"
    std::array<int, 3> symbols{}; // the symbols under the pay line, reels 1 to 3
    std::string symbolNames;      // the same as a screen reader reads them: "Cherry, Cherry, Bell"
    int bet = 0;                  // credits staked (for a free spin, the bet it repeats)
    std::string combination;      // the winning combination's name; empty when nothing was won
    std::string win;              // amount won, e.g. "150.00"
    std::string poolWon;          // bonus pool won; empty when none
    bool freeSpin = false;        // a free spin charged nothing
    std::string creditsBefore;    // balance before the stake was charged
    std::string creditsAfter;     // balance after the payout
};

// The last ten spins, newest at the top, each with a small picture of its three symbols.
class GameHistoryDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxRows = 10;
    static constexpr int kCell = 32;      // shown size of one symbol
    static constexpr int kSheetCell = 64; // size of one symbol in a sheet, three to a row

    // Gives the symbol sheet of a machine; a null image draws numbered grey cells instead.
    using SymbolSheetSource = std::function<QImage(int machine)>;

    enum Column { Reels, Machine, Bet, Combination, Win, Pool, Kind, Credits, ColumnCount };

    // entries in the order they were recorded (oldest first); only the newest ten are shown.
    GameHistoryDialog(const std::vector<HistoryRow>& entries, SymbolSheetSource sheets, QWidget* parent = nullptr);

    int rowCount() const;

    // Three cells of kCell pixels side by side: symbol n is the sheet's cell in column n mod 3, row n div 3.
    static QImage reelPicture(const QImage& sheet, const std::array<int, 3>& symbols);

private:
    // One row a spin, newest first, up to kMaxRows; the number of rows shown.
    int fillRows(const std::vector<HistoryRow>& entries, const SymbolSheetSource& sheets);

    QTableWidget* table_ = nullptr;
    QLabel* emptyLabel_ = nullptr;
};
