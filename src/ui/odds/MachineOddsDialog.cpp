#include "MachineOddsDialog.h"

#include <array>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

#include "EngineTextTr.h"
#include "GameState.h"
#include "MachineInfo.h"
#include "MachineNames.h"
#include "MachineOdds.h"
#include "OddsReport.h"

namespace {

constexpr int kCell = 32;

// Legend cells of a combination row, as the cabinet's pay table shows them; -1 leaves a place empty.
using LegendRow = std::array<std::int8_t, 3>;

// The machine's legend bitmap, found whatever the case of its name; a null image when there is none
// or it is too small to hold the eight cells (three to a row).
QImage loadLegend(const QString& assetDir, const QString& baseName)
{
    const QDir dir(assetDir);
    if (assetDir.isEmpty() || !dir.exists()) return {};
    const QStringList matches = dir.entryList({baseName + ".BMP"}, QDir::Files | QDir::Readable | QDir::CaseSensitive) +
                                dir.entryList({baseName + ".bmp"}, QDir::Files | QDir::Readable);
    for (const QString& name : matches) {
        const QImage image(dir.filePath(name));
        if (!image.isNull() && image.width() >= 3 * kCell && image.height() >= 3 * kCell) return image;
    }
    return {};
}

QPixmap legendPicture(const QImage& sheet, const LegendRow& cells, int step)
{
    QPixmap picture(kCell + 2 * step, kCell);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    for (int k = 0; k < 3; ++k) {
        const int n = cells[static_cast<std::size_t>(k)];
        if (n < 0) continue;
        painter.drawImage(QPoint(step * k, 0), sheet, QRect(kCell * (n % 3), kCell * (n / 3), kCell, kCell));
    }
    return picture;
}

QLabel* makeLabel(const QString& text, const QString& name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QString percent(double fraction, int decimals) { return QString::fromStdString(formatPercent(fraction, decimals)); }

// "1 in 27.3", with the number as the odds report writes it.
QString oneIn(double probability)
{
    const QString english = QString::fromStdString(formatOneIn(probability));
    if (english.startsWith(QLatin1String("1 in ")))
        return QCoreApplication::translate("MachineOddsDialog", "1 in %1").arg(english.mid(5));
    return QCoreApplication::translate("MachineOddsDialog", "never");
}

} // namespace

MachineOddsDialog::MachineOddsDialog(int machine, int betEntry, double payoffPercentage, const QString& assetDir,
                                     QWidget* parent)
    : QDialog(parent)
{
    if (!isValidMachine(machine)) machine = 0;
    const MachineOdds odds = computeMachineOdds(machine);
    const BetAmount& bet = betAmount(betEntry);

    setWindowTitle(tr("Machine Odds"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* title = makeLabel(QString::fromStdString(odds.name), "machineName", this);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    title->setFont(bold);
    layout->addWidget(title);

    layout->addLayout(combinationTable(odds, machine, assetDir));

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    layout->addWidget(rule);

    const double hit = odds.hitFrequency.toDouble();
    layout->addWidget(
        makeLabel(tr("Hit frequency: %1 spins (%2)").arg(oneIn(hit), percent(hit, 1)), "hitFrequency", this));
    if (odds.hasFreeSpins) {
        layout->addWidget(makeLabel(tr("Spin 'til You Win!: %1 spins, %2 free spins on average, paying \u00d7 %3")
                                        .arg(oneIn(odds.freeSpins.triggerProbability.toDouble()))
                                        .arg(odds.freeSpins.expectedSpins.toDouble(), 0, 'f', 1)
                                        .arg(odds.freeSpins.expectedMultiplier.toDouble(), 0, 'f', 2),
                                    "freeSpins", this));
    }

    const QString betText = tr("%1 \u00d7 3 coins").arg(QString::fromLatin1(bet.label));
    const double theoretical = odds.totalReturn(bet.maxWager).toDouble();
    layout->addWidget(
        makeLabel(tr("Theoretical return at %1: %2").arg(betText, percent(theoretical, 1)), "theoreticalReturn", this));
    layout->addWidget(makeLabel(tr("Your payoff on this machine: %1").arg(percent(payoffPercentage / 100.0, 2)),
                                "actualPayoff", this));

    QFont headerFont = font();
    headerFont.setBold(true);
    auto* summary = makeLabel(
        tr("On average this machine pays back %1 of what you bet at %2").arg(percent(theoretical, 1), betText),
        "summary", this);
    summary->setFont(headerFont);
    layout->addWidget(summary);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

QGridLayout* MachineOddsDialog::combinationTable(const MachineOdds& odds, int machine, const QString& assetDir)
{
    const MachineDefinition& def = machineDefinition(machine);
    const QImage sheet = loadLegend(assetDir, QString::fromLatin1(def.legendSheet));
    hasPictures_ = !sheet.isNull();
    const int step = def.legendStep;

    auto* table = new QGridLayout;
    table->setHorizontalSpacing(18);
    QFont headerFont = font();
    headerFont.setBold(true);
    const QString headers[] = {tr("Combination"), tr("Pays"), tr("Chance")};
    for (int col = 0; col < 3; ++col) {
        auto* header = new QLabel(headers[col], this);
        header->setFont(headerFont);
        table->addWidget(header, 0, col, col == 0 ? Qt::AlignLeft : Qt::AlignRight);
    }
    for (const CombinationOdds& c : odds.combinations) {
        const int row = c.combo + 1;
        const QString n = QString::number(c.combo);
        auto* picture = makeLabel(QString(), "legend" + n, this);
        if (hasPictures_) {
            picture->setPixmap(legendPicture(sheet, def.combinations[static_cast<std::size_t>(c.combo)].legend, step));
        } else {
            picture->setText(tr("Combination %1").arg(n));
        }
        picture->setAccessibleName(machineText(combinationName(machine, c.combo)));
        table->addWidget(picture, row, 0);
        const bool freeSpins = odds.hasFreeSpins && c.combo == odds.freeSpinCombination;
        const QString pays = freeSpins ? tr("Free spins") : QString::fromUtf8("\u00d7 %1").arg(c.multiplier);
        table->addWidget(makeLabel(pays, "pays" + n, this), row, 1, Qt::AlignRight | Qt::AlignVCenter);
        table->addWidget(makeLabel(oneIn(c.probability.toDouble()), "chance" + n, this), row, 2,
                         Qt::AlignRight | Qt::AlignVCenter);
    }
    return table;
}
