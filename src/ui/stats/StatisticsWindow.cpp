#include "StatisticsWindow.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QHorizontalBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSaveFile>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <sstream>

#include "GameState.h"
#include "MachineInfo.h"
#include "Money.h"
#include "SpinCsv.h"
#include "SpinRecorder.h"

namespace {

const char* const kFigureNames[] = {QT_TRANSLATE_NOOP("StatisticsWindow", "Spins"),
                                    QT_TRANSLATE_NOOP("StatisticsWindow", "Time played"),
                                    QT_TRANSLATE_NOOP("StatisticsWindow", "Wagered"),
                                    QT_TRANSLATE_NOOP("StatisticsWindow", "Won"),
                                    QT_TRANSLATE_NOOP("StatisticsWindow", "Biggest win"),
                                    QT_TRANSLATE_NOOP("StatisticsWindow", "Longest run without a win"),
                                    QT_TRANSLATE_NOOP("StatisticsWindow", "Pools won"),
                                    QT_TRANSLATE_NOOP("StatisticsWindow", "Free-spin sequences")};

// Amounts as on the cabinet, thousands grouped: "$1,020.00", "-$3.00".
QString dollars(std::int64_t cents)
{
    const std::string amount = Money::fromCents(cents < 0 ? -cents : cents).toGroupedString();
    return (cents < 0 ? QStringLiteral("-$") : QStringLiteral("$")) + QString::fromStdString(amount);
}

// "1 spin", "2 spins" (translations give their own plural forms through %n).
QString spinCount(std::int64_t n)
{
    return n == 1 ? StatisticsWindow::tr("1 spin") : StatisticsWindow::tr("%n spins", nullptr, static_cast<int>(n));
}

QString paidSpinCount(std::int64_t n)
{
    return n == 1 ? StatisticsWindow::tr("1 paid spin")
                  : StatisticsWindow::tr("%n paid spins", nullptr, static_cast<int>(n));
}

// A line of one point draws nothing: its point is drawn as a dot.
void showLonePoint(QLineSeries* series)
{
    if (series->count() != 1) return;
    series->setPointsVisible(true);
    series->setMarkerSize(9);
}

QString duration(std::int64_t seconds)
{
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QChartView* chartView(QChart* chart)
{
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(420, 260);
    return view;
}

void clearChart(QChart* chart)
{
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

// Value axes at the bottom and left, attached to every series of the chart.
void addAxes(QChart* chart, const QString& xTitle, double xMax, const QString& yTitle, double yMin, double yMax)
{
    auto* x = new QValueAxis;
    x->setTitleText(xTitle);
    x->setLabelFormat(QStringLiteral("%.0f"));
    // The line ends at the right edge: ticks at round steps from 0 instead of a rounded-up range.
    xMax = std::max(xMax, 1.0);
    const double rough = std::max(xMax / 5, 1.0);
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    double tick = magnitude;
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        tick = m * magnitude;
        if (tick >= rough) break;
    }
    x->setRange(0, xMax);
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(0);
    x->setTickInterval(tick);
    auto* y = new QValueAxis;
    y->setTitleText(yTitle);
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setRange(yMin, yMax > yMin ? yMax : yMin + 1);
    y->applyNiceNumbers();
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* s : chart->series()) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
}

} // namespace

StatisticsWindow::StatisticsWindow(SpinLog& log, const StatisticsContext& context, ComboName comboName, QWidget* parent)
    : QDialog(parent)
    , log_(log)
    , context_(context)
    , comboName_(std::move(comboName))
{
    setWindowTitle(tr("Statistics"));
    setObjectName(QStringLiteral("statisticsWindow"));

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Show:")));
    scopeBox_ = new QComboBox;
    scopeBox_->setObjectName(QStringLiteral("scope"));
    scopeBox_->addItems({tr("This session"), tr("This game"), tr("All games")});
    scopeBox_->setCurrentIndex(static_cast<int>(scope_));
    top->addWidget(scopeBox_);
    top->addStretch();
    auto* exportButton = new QPushButton(tr("&Export…"));
    exportButton->setObjectName(QStringLiteral("export"));
    top->addWidget(exportButton);
    auto* closeButton = new QPushButton(tr("&Close"));
    top->addWidget(closeButton);

    creditsChart_ = new QChart;
    creditsChart_->setTitle(tr("Credits by spin"));
    returnChart_ = new QChart;
    returnChart_->setTitle(tr("Return to player against the machine's odds"));
    hitsChart_ = new QChart;

    QWidget* figuresBox = figuresPanel();

    auto* grid = new QGridLayout;
    grid->addWidget(chartView(creditsChart_), 0, 0);
    grid->addWidget(chartView(returnChart_), 0, 1);
    grid->addWidget(chartView(hitsChart_), 1, 0);
    grid->addWidget(figuresBox, 1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    if (!context_.notice.empty()) {
        auto* notice = new QLabel(QString::fromStdString(context_.notice));
        notice->setObjectName(QStringLiteral("notice"));
        notice->setWordWrap(true);
        layout->addWidget(notice);
    }
    layout->addLayout(grid);

    connect(scopeBox_, &QComboBox::currentIndexChanged, this, [this](int i) { setScope(static_cast<SpinScope>(i)); });
    connect(exportButton, &QPushButton::clicked, this, &StatisticsWindow::exportWithDialog);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    resize(1000, 700);
    refresh();
}

QWidget* StatisticsWindow::figuresPanel()
{
    auto* figures = new QFormLayout;
    for (const char* name : kFigureNames) {
        auto* value = new QLabel;
        value->setObjectName(QString::fromLatin1(name));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        figures->addRow(tr(name) + QLatin1Char(':'), value);
        figures_.push_back(value);
    }
    auto* figuresBox = new QWidget;
    figuresBox->setLayout(figures);
    return figuresBox;
}

void StatisticsWindow::setScope(SpinScope scope)
{
    if (scope == scope_) return;
    scope_ = scope;
    if (scopeBox_->currentIndex() != static_cast<int>(scope)) scopeBox_->setCurrentIndex(static_cast<int>(scope));
    refresh();
}

void StatisticsWindow::refresh()
{
    stats_ = computeStatistics(log_, spinFilter(scope_, context_.sessionStart, context_.game), context_.machine);
    buildCharts();

    const SpinSummary& s = stats_.summary;
    const QString values[] = {
        tr("%1 (%2 free)").arg(s.spins).arg(s.freeSpins),
        duration(s.secondsPlayed),
        dollars(s.wageredCents),
        dollars(s.wonCents),
        dollars(s.biggestWinCents),
        spinCount(s.longestRunWithoutWin),
        QString::number(s.poolsWon),
        QString::number(s.freeSpinSequences),
    };
    for (std::size_t i = 0; i < figures_.size(); ++i) figures_[i]->setText(values[i]);
}

void StatisticsWindow::buildCharts()
{
    buildCreditsChart();
    buildReturnChart();
    buildHitsChart();
}

void StatisticsWindow::buildCreditsChart()
{
    clearChart(creditsChart_);
    auto* credits = new QLineSeries;
    credits->setName(tr("Credits after the spin"));
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(stats_.credits.size()));
    double lowest = 0, highest = 0;
    for (const CreditsPoint& p : stats_.credits) {
        points.append(QPointF(static_cast<double>(p.spin), p.credits));
        lowest = std::min(lowest, p.credits);
        highest = std::max(highest, p.credits);
    }
    credits->replace(points);
    showLonePoint(credits);
    creditsChart_->addSeries(credits);
    addAxes(creditsChart_, tr("Spin"), static_cast<double>(stats_.summary.spins), tr("Credits ($)"), lowest,
            highest * 1.05);
}

void StatisticsWindow::buildReturnChart()
{
    // The band of ordinary luck is ±2 standard deviations around the exact odds.
    clearChart(returnChart_);
    auto* actual = new QLineSeries;
    actual->setName(tr("Your return %"));
    auto* expected = new QLineSeries;
    expected->setName(tr("Machine's return %"));
    auto* upper = new QLineSeries;
    auto* lower = new QLineSeries;
    QList<QPointF> a, e, u, l;
    double top = 150;
    for (const ReturnPoint& p : stats_.returns) {
        const double x = static_cast<double>(p.paidSpin);
        a.append(QPointF(x, p.actual));
        e.append(QPointF(x, p.expected));
        u.append(QPointF(x, p.expected + 2 * p.deviation));
        l.append(QPointF(x, std::max(0.0, p.expected - 2 * p.deviation)));
        top = std::max(top, p.actual);
    }
    actual->replace(a);
    expected->replace(e);
    upper->replace(u);
    lower->replace(l);
    showLonePoint(actual);
    showLonePoint(expected);
    auto* band = new QAreaSeries(upper, lower);
    upper->setParent(band); // the area does not own its edges
    lower->setParent(band);
    band->setName(tr("Ordinary luck (±2 sd)"));
    band->setColor(QColor(120, 170, 230, 90));
    band->setBorderColor(QColor(120, 170, 230, 140));
    returnChart_->addSeries(band);
    returnChart_->addSeries(expected);
    returnChart_->addSeries(actual);
    const double paidSpins = stats_.returns.empty() ? 0.0 : static_cast<double>(stats_.returns.back().paidSpin);
    addAxes(returnChart_, tr("Paid spin"), paidSpins, tr("Return %"), 0, std::min(top, 400.0));
}

void StatisticsWindow::buildHitsChart()
{
    clearChart(hitsChart_);
    const ComboHits& h = stats_.hits;
    hitsChart_->setTitle(tr("Hits per combination on %1 (%2)")
                             .arg(QString::fromStdString(machineMenuCaption(h.machine)), paidSpinCount(h.paidSpins)));
    auto* hit = new QBarSet(tr("Hits"));
    auto* expect = new QBarSet(tr("Expected"));
    QStringList names;
    double most = 1;
    for (std::size_t c = 0; c < h.hits.size(); ++c) {
        *hit << static_cast<double>(h.hits[c]);
        *expect << h.expected[c];
        most = std::max({most, static_cast<double>(h.hits[c]), h.expected[c]});
        names << (comboName_ ? QString::fromStdString(comboName_(h.machine, static_cast<int>(c)))
                             : QString::number(c + 1));
    }
    // Lying bars leave room for the combinations' names.
    auto* bars = new QHorizontalBarSeries;
    bars->append(hit);
    bars->append(expect);
    hitsChart_->addSeries(bars);
    auto* categories = new QBarCategoryAxis;
    categories->append(names);
    auto* count = new QValueAxis;
    count->setLabelFormat(QStringLiteral("%.0f"));
    const double end = std::ceil(most * 1.1);
    count->setRange(0, end);
    if (end <= 5) {
        count->setTickCount(static_cast<int>(end) + 1); // whole counts only
    } else {
        count->applyNiceNumbers();
    }
    hitsChart_->addAxis(categories, Qt::AlignLeft);
    hitsChart_->addAxis(count, Qt::AlignBottom);
    bars->attachAxis(categories);
    bars->attachAxis(count);
}

bool StatisticsWindow::exportTo(const QString& path, int showAfterMs)
{
    const SpinFilter filter = spinFilter(scope_, context_.sessionStart, context_.game);
    const std::int64_t total = log_.count(filter);
    // Written beside the target and renamed over it once complete.
    QSaveFile file(path);
    QProgressDialog progress(tr("Exporting spins…"), tr("Cancel"), 0, 1000, this);
    progress.setWindowTitle(tr("Export Spins"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(showAfterMs);
    progress.setValue(0);
    // About 200 steps, each one chunk written to the file.
    const std::int64_t rowsPerStep = std::max<std::int64_t>(total / 200, 1);
    std::int64_t written = 0;
    std::ostringstream chunk;
    writeSpinCsvHeader(chunk);
    auto flush = [&] {
        const std::string text = chunk.str();
        chunk.str(std::string());
        return file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
    };
    bool ok = file.open(QIODevice::WriteOnly) && log_.forEach(filter, [&](const LoggedSpin& s) {
        writeSpinCsvRow(chunk, s);
        if (++written % rowsPerStep != 0) return true;
        progress.setValue(static_cast<int>(written * 1000 / std::max<std::int64_t>(total, 1)));
        return flush() && !progress.wasCanceled();
    }) && flush();
    if (ok && !progress.wasCanceled() && file.commit()) return true;
    const bool cancelled = progress.wasCanceled();
    file.cancelWriting(); // the temporary file goes, the target stays as it was
    if (cancelled) return false;
    progress.reset();
    QMessageBox::warning(this, tr("Export Failed"), tr("The spins could not be written to \"%1\".").arg(path));
    return false;
}

void StatisticsWindow::exportWithDialog()
{
    const QString start = QDir::home().filePath(QStringLiteral("spins.csv"));
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Export Spins"), start, tr("CSV files (*.csv);;All files (*)"));
    if (!path.isEmpty()) exportTo(path);
}

void openStatistics(QWidget* parent, SpinRecorder& recorder, const GameState& state,
                    const StatisticsWindow::ComboName& comboName)
{
    StatisticsContext context{recorder.sessionStart(), state.currentMachine, recorder.gameNumber(), {}};
    if (!recorder.log().writable())
        context.notice = StatisticsWindow::tr("Spins are not being recorded (%1).")
                             .arg(QString::fromStdString(recorder.log().error()))
                             .toStdString();
    StatisticsWindow window(recorder.log(), context, comboName, parent);
    window.exec();
}
