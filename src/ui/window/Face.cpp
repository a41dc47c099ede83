#include "Face.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "BannerStrip.h"
#include "FaceLayout.h"
#include "Fonts.h"
#include "Graphics.h"
#include "NumberLayout.h"
#include "Palette.h"
#include "SlotMachine.h"

namespace {

constexpr int kSmallCell = 16, kSmallHeight = 21, kSmallPoint = 4;
constexpr int kLargeCell = 32, kLargeHeight = 42, kLargePoint = 8;
constexpr int kPayLineY = SpinPlan::kReelTop + 66;
constexpr int kBannerX = 42, kBannerY = 222;
constexpr int kReelWidth = 64, kReelRows = 132, kCellPitch = 66;

// A plain block copy of a logical rectangle of src to (x, y). A picture of a larger scale than the
// surface (the next larger set at a fractional ratio) is scaled down smoothly; a smaller one is
// enlarged by whole pixels.
void copyBlock(QPainter& p, int x, int y, const QImage& src, int sx, int sy, int w, int h)
{
    const qreal s = src.devicePixelRatio();
    p.setRenderHint(QPainter::SmoothPixmapTransform, s > p.device()->devicePixelRatioF() + 0.001);
    p.drawImage(QRectF(x, y, w, h), src, QRectF(sx * s, sy * s, w * s, h * s));
}

void print(QPainter& p, int x, int y, const QString& text, int color)
{
    p.setPen(Palette::color(color));
    p.drawText(QPoint(x, y + QFontMetrics(p.font()).ascent()), text);
}

// A dash cell for a digit strip: the blank cell with the middle segment lit, that is where 8 and 0 differ.
QImage dashCell(const QImage& strip, int cellWidth, int cellHeight)
{
    const qreal s = strip.devicePixelRatio();
    const int w = qRound(cellWidth * s), h = qRound(cellHeight * s);
    const auto cell = [&](int index) {
        return strip.copy(qRound(index * cellWidth * s), 0, w, h).convertToFormat(QImage::Format_ARGB32);
    };
    const QImage eight = cell(8), zero = cell(0);
    QImage dash = cell(NumberLayout::kBlank);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (eight.pixel(x, y) != zero.pixel(x, y)) dash.setPixel(x, y, eight.pixel(x, y));
    dash.setDevicePixelRatio(s);
    return dash;
}

int textWidth(const QPainter& p, const QString& text) { return QFontMetrics(p.font()).horizontalAdvance(text); }

QRect payoffRowRect(int row)
{
    return QRect(125 + 154 * (row / 4), 290 + 32 * (row % 4), 4 * kSmallCell, kSmallHeight);
}

} // namespace

Face::Face(Graphics& graphics, const SlotMachine& machine)
    : graphics_(graphics)
    , machine_(machine)
{
    setPixelRatio(1.0);
}

qreal Face::surfaceRatio(qreal ratio) { return std::clamp(ratio, 1.0, kMaxRatio); }

void Face::setPixelRatio(qreal ratio)
{
    const qreal r = surfaceRatio(ratio);
    surface_ = QImage(static_cast<int>(std::ceil(kWidth * r - 0.01)), static_cast<int>(std::ceil(kHeight * r - 0.01)),
                      QImage::Format_RGB32);
    surface_.setDevicePixelRatio(r);
    // Left unfilled: the whole face is painted on it before it is first shown, read or drawn on, so that
    // at start its memory is first touched after the window is on screen.
    paintPending_ = true;
}

void Face::printRaised(QPainter& p, int x, int y, const QString& text, int back, int mid, int front)
{
    if (back == -1)
        print(p, x + 4, y + 4, text, 8);
    else
        print(p, x, y, text, back);
    print(p, x + 2, y + 2, text, mid);
    print(p, x + 1, y + 1, text, front);
}

void Face::printEngraved(QPainter& p, int x, int y, const QString& text, int light, int dark, int face)
{
    print(p, x - 1, y - 1, text, light);
    print(p, x + 1, y + 1, text, dark);
    print(p, x, y, text, face);
}

void Face::drawBevel(QPainter& p, int left, int top, int right, int bottom)
{
    p.fillRect(QRect(QPoint(left - 3, top - 3), QPoint(right + 3, bottom + 3)), Palette::color(7));
    const QRect outline(QPoint(left - 1, top - 1), QPoint(right + 1, bottom + 1));
    p.fillRect(outline.left(), outline.top(), outline.width(), 1, Palette::color(0));
    p.fillRect(outline.left(), outline.bottom(), outline.width(), 1, Palette::color(0));
    p.fillRect(outline.left(), outline.top(), 1, outline.height(), Palette::color(0));
    p.fillRect(outline.right(), outline.top(), 1, outline.height(), Palette::color(0));
    const QRect bevel(QPoint(left - 2, top - 2), QPoint(right + 2, bottom + 2));
    p.fillRect(bevel.left(), bevel.bottom(), bevel.width(), 1, Palette::color(15));
    p.fillRect(bevel.right(), bevel.top(), 1, bevel.height(), Palette::color(15));
    p.fillRect(bevel.left(), bevel.top(), bevel.width(), 1, Palette::color(8));
    p.fillRect(bevel.left(), bevel.top(), 1, bevel.height(), Palette::color(8));
}

QRect Face::drawReel(int reel, int x, int y, int offset)
{
    ensurePainted();
    QPainter p(&surface_);
    const QRect window(x, y, kReelWidth, kReelRows);
    p.fillRect(window, Qt::white);
    // Rows offset .. offset + 131 of the reel's strip drawn end to end: a cell of 64 rows every 66 from row
    // 34, white between them, the last symbol's lower half above the first and the strip going on below.
    const auto& strip = machine_.reels().strips[static_cast<std::size_t>(std::clamp(reel, 0, kReelCount - 1))];
    const QImage& sheet = graphics_.symbolSheet();
    for (int k = std::max(-1, (offset - 98) / kCellPitch); 34 + kCellPitch * k < offset + kReelRows; ++k) {
        const int top = 34 + kCellPitch * k;
        const int from = std::max(top, offset), to = std::min(top + 64, offset + kReelRows);
        if (from >= to) continue;
        const int symbol = strip[static_cast<std::size_t>(stripPosition(k))];
        copyBlock(p, x, y + from - offset, sheet, 64 * (symbol % 3), 64 * (symbol / 3) + from - top, 64, to - from);
    }
    return window;
}

QRect Face::drawRestingReels()
{
    const SpinPlan& plan = machine_.plan();
    QRect changed;
    for (int w = 3; w <= 5; ++w) {
        const int f = SpinPlan::kRestFrame;
        changed |= drawReel(w - 3, plan.at(f, 0, w), plan.at(f, 1, w), plan.at(f, 2, w));
    }
    return changed;
}

QRect Face::drawPayLine()
{
    ensurePainted();
    QPainter p(&surface_);
    const QRect line(QPoint(SpinPlan::kReelLeft - 18, kPayLineY), QPoint(SpinPlan::kReelLeft + 275, kPayLineY));
    p.fillRect(line, Palette::color(12));
    return line;
}

QRect Face::drawLegend()
{
    ensurePainted();
    QPainter p(&surface_);
    const MachineDefinition& def = machineDefinition(machine_.state().currentMachine);
    const int step = def.legendStep;
    QRect changed;
    for (int row = 0; row < kComboCount; ++row) {
        const int x0 = 36 + 154 * (row / 4);
        const int y = 285 + 32 * (row % 4);
        for (int k = 0; k < 3; ++k) {
            const int cell = def.combinations[static_cast<std::size_t>(row)].legend[static_cast<std::size_t>(k)];
            if (cell < 0) break;
            copyBlock(p, x0 + step * k, y, graphics_.legend(), 32 * (cell % 3), 32 * (cell / 3), 32, 32);
            changed |= QRect(x0 + step * k, y, 32, 32);
        }
    }
    return changed;
}

QRect Face::drawLever(int picture, int x, int y, int rows)
{
    ensurePainted();
    QPainter p(&surface_);
    copyBlock(p, x, y, graphics_.handle(picture), 0, 0, 101, rows);
    return QRect(x, y, 101, rows);
}

QRect Face::drawCells(QPainter& p, const QImage& strip, int cellWidth, int cellHeight, int pointWidth, int x, int y,
                      const std::vector<int>& cells)
{
    const int start = x;
    QImage dash;
    for (int cell : cells) {
        const bool narrow = cell == NumberLayout::kPoint || cell == NumberLayout::kNarrowBlank;
        const int width = narrow ? pointWidth : cellWidth;
        if (cell == NumberLayout::kDash) {
            if (dash.isNull()) dash = dashCell(strip, cellWidth, cellHeight);
            copyBlock(p, x, y, dash, 0, 0, width, cellHeight);
        } else {
            const int glyph = cell == NumberLayout::kNarrowBlank ? NumberLayout::kBlank : cell;
            copyBlock(p, x, y, strip, cellWidth * glyph, 0, width, cellHeight);
        }
        x += width;
    }
    return QRect(start, y, x - start, cellHeight);
}

QRect Face::drawCreditsCounter()
{
    ensurePainted();
    QPainter p(&surface_);
    shownCredits_ = machine_.state().credits;
    return drawCells(p, graphics_.digitSource(), kSmallCell, kSmallHeight, kSmallPoint, 89, 52,
                     NumberLayout::counterCells(shownCredits_.cents(), 5, true));
}

Money Face::shownCredits() const { return paintPending_ ? machine_.state().credits : shownCredits_; }
Money Face::shownWager() const { return paintPending_ ? Money::fromCredits(machine_.state().wager) : shownWager_; }
Money Face::shownPool() const { return paintPending_ ? machine_.state().machinePool() : shownPool_; }

QRect Face::drawMainCounters()
{
    ensurePainted();
    QRect changed = drawCreditsCounter();
    QPainter p(&surface_);
    const GameState& s = machine_.state();
    shownWager_ = Money::fromCredits(s.wager);
    shownPool_ = s.machinePool();
    changed |= drawCells(p, graphics_.digitSource(), kSmallCell, kSmallHeight, kSmallPoint, 265, 52,
                         NumberLayout::counterCells(shownWager_.cents(), 2, true));
    changed |= drawCells(p, graphics_.largeDigits(), kLargeCell, kLargeHeight, kLargePoint, 62, 3,
                         NumberLayout::counterCells(shownPool_.cents(), 4, true));
    return changed;
}

QRect Face::drawSpinsCounter()
{
    ensurePainted();
    QPainter p(&surface_);
    drawBevel(p, 455, 257, 549, 277);
    drawCells(p, graphics_.digitSource(), kSmallCell, kSmallHeight, kSmallPoint, 455, 257,
              NumberLayout::counterCells(static_cast<std::int64_t>(machine_.state().machineSpins()) * 100, 6, false));
    return QRect(QPoint(452, 254), QPoint(552, 280));
}

QRect Face::drawPayoffRow(int row, int amount)
{
    ensurePainted();
    if (row < 0 || row > 7) return {};
    // The free-spin combination pays nothing: its row stays empty.
    if (row == machineDefinition(machine_.state().currentMachine).freeSpinCombination) return {};
    QPainter p(&surface_);
    const QRect r = payoffRowRect(row);
    return drawCells(p, graphics_.digitSource(), kSmallCell, kSmallHeight, kSmallPoint, r.x(), r.y(),
                     NumberLayout::amountCells(amount, 4));
}

QRect Face::drawPayoffTable(int firstRow, int lastRow, int wager)
{
    QRect changed;
    const PayTable& table = machine_.reels().payTable;
    for (int row = std::max(firstRow, 0); row <= std::min(lastRow, 7); ++row) {
        const double amount = static_cast<double>(wager) * table[static_cast<std::size_t>(row)];
        changed |= drawPayoffRow(row, static_cast<int>(std::lround(amount)));
    }
    return changed;
}

QRect Face::drawStatistics()
{
    ensurePainted();
    QPainter p(&surface_);
    constexpr int left = 354, top = 5, right = 550, bottom = 115;
    drawBevel(p, left, top, right, bottom);
    p.fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), Palette::color(3));

    const GameState& s = machine_.state();
    p.setFont(Fonts::face(14, false));
    printEngraved(p, 433, 6, QStringLiteral("Stats"), 7, 0, 14);
    p.setFont(Fonts::face(12, false));
    using FaceLayout::kPayoff, FaceLayout::kWagers, FaceLayout::kWinnings;
    printEngraved(p, kWagers.x(), kWagers.y(), QStringLiteral("Wagers:"), 7, 0, 12);
    printEngraved(p, kWinnings.x(), kWinnings.y(), QStringLiteral("Winnings:"), 7, 0, 12);
    printEngraved(p, kPayoff.x(), kPayoff.y(), QStringLiteral("Payoff:"), 7, 0, 12);

    const QString wagers = QString::fromStdString(NumberLayout::format(s.machineWagers().toDouble(), "###,###,##0.00"));
    const QString paid = QString::fromStdString(NumberLayout::format(s.machinePaid().toDouble(), "###,###,##0.00"));
    printEngraved(p, 533 - textWidth(p, wagers), kWagers.y(), wagers, 7, 0, 15);
    printEngraved(p, 533 - textWidth(p, paid), kWinnings.y(), paid, 7, 0, 15);

    const double ratio = s.machineWagers() > Money() ? s.machinePaid().toDouble() / s.machineWagers().toDouble() : 0.0;
    const QString measured = QString::fromStdString(NumberLayout::format(ratio, "#,##0.00%"));
    const QString shown = QString::fromStdString(NumberLayout::format(ratio * 100.0, "#,##0.00"));
    printEngraved(p, 547 - textWidth(p, measured), kPayoff.y(), shown, 7, 0, 15);
    const QString percent = QStringLiteral("%");
    printEngraved(p, 548 - textWidth(p, percent), kPayoff.y(), percent, 7, 8, 0);
    return QRect(QPoint(left - 3, top - 3), QPoint(right + 3, bottom + 3));
}

QRect Face::drawLamp(int picture)
{
    lamp_ = picture;
    // The pending paint draws the lamp last, as it lies over the face.
    if (paintPending_) return QRect(24, 4, 32, 41);
    QPainter p(&surface_);
    const QImage& img = graphics_.lamp(picture);
    copyBlock(p, 24, 4, img, 0, 0, 32, 41);
    return QRect(24, 4, 32, 41);
}

QRect Face::drawFreeSpinLabel(bool shown)
{
    // The label is a transparent caption over the face (and over the lever): it is painted on top of the
    // surface by paintOverlay, never into it, so hiding it needs no erasing.
    freeSpinLabel_ = shown;
    return QRect(356, 136, 97, 89);
}

void Face::paintOverlay(QPainter& p) const
{
    if (!freeSpinLabel_) return;
    p.setFont(Fonts::face(13.5, true));
    p.setPen(QColor(0, 0, 255));
    p.drawText(QRect(356, 136, 97, 89), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("Spin 'til You Win!"));
}

QImage Face::bannerPatch()
{
    ensurePainted();
    const qreal s = surface_.devicePixelRatio();
    QImage patch = surface_.copy(QRect(static_cast<int>(250 * s), static_cast<int>(430 * s), static_cast<int>(10 * s),
                                       static_cast<int>(10 * s)));
    patch.setDevicePixelRatio(s);
    return patch;
}

QRect Face::drawBanner(BannerStrip& banner)
{
    ensurePainted();
    QPainter p(&surface_);
    banner.draw(p, kBannerX, kBannerY);
    return QRect(kBannerX, kBannerY, BannerStrip::kWidth, BannerStrip::kHeight);
}

QRect Face::eraseBanner()
{
    ensurePainted();
    const QImage patch = bannerPatch();
    QPainter p(&surface_);
    for (int k = 0; k <= 30; ++k) {
        p.drawImage(QRect(30 + 10 * k, 222, 10, 10), patch);
        p.drawImage(QRect(30 + 10 * k, 232, 10, 10), patch);
    }
    return QRect(30, 222, 310, 20);
}

QRect Face::drawCaptions(QPainter& p)
{
    const GameState& s = machine_.state();
    const BetAmount& bet = s.bet();
    p.setFont(Fonts::face(18, true));
    const QString label = QString::fromLatin1(bet.label);
    printRaised(p, FaceLayout::kBet.x() + FaceLayout::kBet.width() / 2 - textWidth(p, label) / 2,
                FaceLayout::kBet.y() + 3, label, -1, 0, bet.color);
    p.setFont(Fonts::face(10, true));
    printRaised(p, FaceLayout::kCredits.x(), FaceLayout::kCredits.y(), QStringLiteral("Credits:"), -1, 0,
                captionColor_);
    printRaised(p, FaceLayout::kWager.x(), FaceLayout::kWager.y(), QStringLiteral("Wager:"), -1, 0, captionColor_);
    p.setFont(Fonts::face(24, true));
    printRaised(p, 50, 242, QStringLiteral("Payoffs:"), -1, 0, captionColor_);
    p.setFont(Fonts::face(18, false));
    printEngraved(p, FaceLayout::kSpins.x(), FaceLayout::kSpins.y(), QStringLiteral("Spins:"), 7, 0, captionColor_);
    return QRect(0, 0, kWidth, kHeight);
}

void Face::invalidate(BannerStrip* banner)
{
    paintPending_ = true;
    pendingBanner_ = banner;
}

void Face::ensurePainted()
{
    if (paintPending_) paintAll(pendingBanner_);
}

void Face::paintAll(BannerStrip* banner)
{
    paintPending_ = false;
    {
        QPainter p(&surface_);
        p.fillRect(QRect(0, 0, kWidth, kHeight), Palette::color(14));
        const QSizeF cabinet = graphics_.cabinet().deviceIndependentSize();
        copyBlock(p, 0, 0, graphics_.cabinet(), 0, 0, static_cast<int>(cabinet.width()),
                  static_cast<int>(cabinet.height()));
        copyBlock(p, 356, 392, graphics_.logo(), 0, 0, 200, 128);
    }
    drawRestingReels();
    drawPayLine();
    drawLegend();
    {
        QPainter p(&surface_);
        drawCaptions(p);
    }
    drawSpinsCounter();
    {
        QPainter p(&surface_);
        // The bonus pool's bevel fills its place on the face.
        const QRect pool = FaceLayout::kBonusPool.adjusted(3, 3, -3, -3);
        drawBevel(p, pool.left(), pool.top(), pool.right(), pool.bottom());
    }
    drawMainCounters();
    drawPayoffTable(0, 7, machine_.state().wager);
    drawLever(0, SlotMachine::kLeverX, SlotMachine::kLeverTop, SlotMachine::kLeverRows);
    drawStatistics();
    // The lamp lies over the face.
    drawLamp(lamp_);
    if (banner && banner->rendered()) drawBanner(*banner);
}
