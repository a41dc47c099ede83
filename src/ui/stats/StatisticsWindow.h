#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "SpinStatistics.h"

class QAbstractAxis;
class QChart;
class QComboBox;
class QLabel;

// Where the player stands when the window opens: what "this session" and "this game" mean.
struct StatisticsContext {
    std::int64_t sessionStart = 0; // the highest spin number logged before this run
    int machine = 0;               // the machine in play
    std::int64_t game = 0;         // the number of the game in play in the log
    std::string notice;            // shown above the charts when not empty: why spins are missing
};

// Statistics…: the spin log of this session, this game or all games as charts (credits by spin, the return
// so far against the exact odds with a band of two standard deviations, hits per combination against the
// expected counts) and figures, with an export of the shown spins as CSV. The figures are worked out from the
// log one row at a time: the window holds the figures and thinned chart lines, never the rows.
class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    using ComboName = std::function<std::string(int machine, int combo)>;

    StatisticsWindow(SpinLog& log, const StatisticsContext& context, ComboName comboName, QWidget* parent = nullptr);

    void setScope(SpinScope scope);
    SpinScope scope() const { return scope_; }
    const SpinStatistics& statistics() const { return stats_; }
    // Writes the shown spins to path, with a progress dialog the player can cancel (shown once the export takes
    // longer than showAfterMs). The file appears only once complete; a cancelled or failed export leaves
    // nothing behind. False when cancelled or failed (a failure is told to the player).
    bool exportTo(const QString& path, int showAfterMs = 400);

private:
    // The three charts, each drawn again from the statistics.
    void buildCharts();
    void buildCreditsChart();
    void buildReturnChart();
    void buildHitsChart();
    // The figures beside the charts, one selectable label each.
    QWidget* figuresPanel();
    void refresh();
    void exportWithDialog();

    SpinLog& log_;
    StatisticsContext context_;
    ComboName comboName_;
    SpinScope scope_ = SpinScope::Game;
    SpinStatistics stats_;

    QComboBox* scopeBox_ = nullptr;
    QChart* creditsChart_ = nullptr;
    QChart* returnChart_ = nullptr;
    QChart* hitsChart_ = nullptr;
    std::vector<QLabel*> figures_;
};

class SpinRecorder;
struct GameState;

// Opens the window over the whole log for the game in play, modal over parent.
void openStatistics(QWidget* parent, SpinRecorder& recorder, const GameState& state,
                    const StatisticsWindow::ComboName& comboName);
