#include "GameHistoryDialog.h"

#include "DialogLook.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <map>

namespace {

QTableWidgetItem* textItem(const QString& text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(align);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

QString fromUtf8(const std::string& text) { return QString::fromStdString(text).trimmed(); }

void drawPlaceholder(QPainter& painter, const QRect& cell, int symbol)
{
    painter.fillRect(cell, QColor(128, 128, 128));
    painter.setPen(Qt::white);
    painter.setFont(dialoglook::font(10, true));
    painter.drawText(cell, Qt::AlignCenter, QString::number(symbol));
}

} // namespace

QImage GameHistoryDialog::reelPicture(const QImage& sheet, const std::array<int, 3>& symbols)
{
    QImage picture(3 * kCell, kCell, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < 3; ++i) {
        const int n = symbols[static_cast<std::size_t>(i)];
        const QRect target(i * kCell, 0, kCell, kCell);
        const QRect source((n % 3) * kSheetCell, (n / 3) * kSheetCell, kSheetCell, kSheetCell);
        if (n < 0 || sheet.isNull() || !sheet.rect().contains(source)) {
            drawPlaceholder(painter, target, n);
        } else {
            painter.drawImage(target, sheet, source);
        }
    }
    // Thin separators between the reels.
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(kCell, 0, kCell, kCell - 1);
    painter.drawLine(2 * kCell, 0, 2 * kCell, kCell - 1);
    painter.end();
    return picture;
}

GameHistoryDialog::GameHistoryDialog(const std::vector<HistoryRow>& entries, SymbolSheetSource sheets, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("GameHistory"));
    setModal(true);
    setFont(dialoglook::windowFont());
    setWindowTitle(tr("Game History"));

    emptyLabel_ = new QLabel(tr("No spins recorded yet."), this);
    emptyLabel_->setObjectName(QStringLiteral("EmptyLabel"));
    emptyLabel_->setAlignment(Qt::AlignCenter);
    emptyLabel_->setFont(dialoglook::font(9.75, true));

    table_ = new QTableWidget(0, ColumnCount, this);
    table_->setObjectName(QStringLiteral("HistoryTable"));
    table_->setHorizontalHeaderLabels({tr("Reels"), tr("Machine"), tr("Bet"), tr("Combination"), tr("Win"),
                                       tr("Pool Won"), tr("Spin"), tr("Credits")});
    table_->verticalHeader()->hide();
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Reachable with Tab, so that the rows can be read with the arrow keys.
    table_->setFocusPolicy(Qt::StrongFocus);
    table_->setTabKeyNavigation(false);
    table_->setAccessibleName(tr("Last spins"));
    table_->setIconSize(QSize(3 * kCell, kCell));
    table_->setFont(dialoglook::font(8.25, false));
    table_->verticalHeader()->setDefaultSectionSize(kCell + 4);

    const int shown = fillRows(entries, sheets);

    auto* close = new QPushButton(tr("&OK"), this);
    close->setObjectName(QStringLiteral("OK"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(emptyLabel_, 1);
    layout->addWidget(table_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    emptyLabel_->setVisible(shown == 0);
    table_->setVisible(shown > 0);

    // Column widths are measured after the style is in place, which changes the header's margins.
    dialoglook::applyClassic(this);
    table_->resizeColumnsToContents();
    table_->setColumnWidth(Reels, 3 * kCell + 8);
    table_->horizontalHeader()->setStretchLastSection(true);
    int width = 0;
    for (int c = 0; c < ColumnCount; ++c) width += table_->columnWidth(c);
    resize(std::max(width + 40, 420), shown == 0 ? 160 : 90 + shown * (kCell + 4));
    dialoglook::centreOnScreen(this);
}

int GameHistoryDialog::fillRows(const std::vector<HistoryRow>& entries, const SymbolSheetSource& sheets)
{
    std::map<int, QImage> sheetCache;
    auto sheetOf = [&](int machine) -> const QImage& {
        auto found = sheetCache.find(machine);
        if (found == sheetCache.end()) {
            found = sheetCache.emplace(machine, sheets ? sheets(machine) : QImage()).first;
        }
        return found->second;
    };

    const int shown = static_cast<int>(std::min<std::size_t>(entries.size(), kMaxRows));
    table_->setRowCount(shown);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    for (int row = 0; row < shown; ++row) {
        const HistoryRow& e = entries[entries.size() - 1 - static_cast<std::size_t>(row)];
        auto* reels = new QTableWidgetItem;
        reels->setFlags(Qt::ItemIsEnabled);
        reels->setData(Qt::DecorationRole, QPixmap::fromImage(reelPicture(sheetOf(e.machine), e.symbols)));
        reels->setData(Qt::AccessibleTextRole, fromUtf8(e.symbolNames));
        table_->setItem(row, Reels, reels);
        table_->setItem(row, Machine, textItem(fromUtf8(e.machineName)));
        table_->setItem(row, Bet, textItem(QString::number(e.bet), right));
        const QString combo = fromUtf8(e.combination);
        table_->setItem(row, Combination, textItem(combo.isEmpty() ? tr("No win") : combo));
        table_->setItem(row, Win, textItem(fromUtf8(e.win), right));
        table_->setItem(row, Pool, textItem(fromUtf8(e.poolWon), right));
        table_->setItem(row, Kind, textItem(e.freeSpin ? tr("Free") : tr("Paid")));
        table_->setItem(
            row, Credits,
            textItem(fromUtf8(e.creditsBefore) + QStringLiteral(" \u2192 ") + fromUtf8(e.creditsAfter), right));
    }
    return shown;
}

int GameHistoryDialog::rowCount() const { return table_->rowCount(); }
