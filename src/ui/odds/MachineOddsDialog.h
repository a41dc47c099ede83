#pragma once

#include <QDialog>
#include <QString>

class QGridLayout;
class QImage;
struct MachineOdds;

// "Machine Odds": the exact odds of one machine for players — every combination with its legend
// pictures, multiplier and "1 in N" chance, the hit frequency, the long-run return at the current bet
// amount with three coins (pool and free spins included) and the player's own payoff beside it.
// Modal and fixed in size; open it with exec().
class MachineOddsDialog : public QDialog {
    Q_OBJECT
public:
    // machine 0..2; betEntry as in betAmount() (0 "$10", 1 "$5", 2 "$1"); payoffPercentage the player's
    // 100 x paid / wagered on this machine; assetDir holds the legend bitmaps (QUINTELB.BMP, ...).
    // A missing or unreadable bitmap leaves the pictures out.
    MachineOddsDialog(int machine, int betEntry, double payoffPercentage, const QString& assetDir,
                      QWidget* parent = nullptr);

    bool hasLegendPictures() const { return hasPictures_; }

private:
    // Every combination's pictures (or name), multiplier and chance, under a header row.
    QGridLayout* combinationTable(const MachineOdds& odds, int machine, const QString& assetDir);

    bool hasPictures_ = false;
};
