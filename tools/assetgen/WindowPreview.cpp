#include "WindowPreview.h"

#include "CabinetPalette.h"
#include "SymbolSet.h"
#include "TextPath.h"

#include <QPainter>

#include <string>

namespace {
void raised(QPainter& p, qreal px, const QString& text, int x, int y, QColor front)
{
    // Glyph tops sit roughly at y like the game's top-left text placement.
    const QPainterPath t = TextPath::make(TextPath::sansBold(), px, text).translated(x, y + px * 0.92);
    p.fillPath(t.translated(4, 4), QColor(128, 128, 128));
    p.fillPath(t.translated(2, 2), QColor(0, 0, 0));
    p.fillPath(t.translated(1, 1), front);
}

void counter(QPainter& p, const QImage& strip, int cw, int ch, int pw, int x, int y, int cells,
             const std::string& digits, bool decimals)
{
    // digits: the integer part without leading zeros.
    const int lead = cells - static_cast<int>(digits.size());
    for (int i = 0; i < cells; ++i, x += cw) {
        const int glyph = i < lead ? 10 : digits[static_cast<size_t>(i - lead)] - '0';
        p.drawImage(QPoint(x, y), strip, QRect(glyph * cw, 0, cw, ch));
    }
    if (!decimals) return;
    p.drawImage(QPoint(x, y), strip, QRect(11 * cw, 0, pw - 1, ch));
    x += pw - 1;
    for (int i = 0; i < 2; ++i, x += cw) p.drawImage(QPoint(x, y), strip, QRect(0, 0, cw, ch));
}

void frame(QPainter& p, int l, int t, int r, int b)
{
    p.fillRect(QRect(QPoint(l - 3, t - 3), QPoint(r + 3, b + 3)), QColor(192, 192, 192));
    p.setPen(QColor(0, 0, 0));
    p.drawRect(QRect(QPoint(l - 1, t - 1), QPoint(r, b)));
    p.setPen(QColor(128, 128, 128));
    p.drawLine(l - 2, t - 2, r + 2, t - 2);
    p.drawLine(l - 2, t - 2, l - 2, b + 2);
    p.setPen(QColor(255, 255, 255));
    p.drawLine(r + 2, t - 2, r + 2, b + 2);
    p.drawLine(l - 2, b + 2, r + 2, b + 2);
}
} // namespace

QImage WindowPreview::render(const SymbolSet& machine, const QImage& cabinet, const QImage& symbols,
                             const QImage& legend, const QImage& smallDigits, const QImage& largeDigits,
                             const QImage& lamp, const QImage& handle, const QImage& logo)
{
    QImage img(558, 524, QImage::Format_RGB32);
    img.fill(CabinetPalette::windowYellow());
    QPainter p(&img);
    p.drawImage(0, 0, cabinet);
    // Reels: the symbol before, the one on the pay line and the one after.
    for (int c = 0; c < 3; ++c) {
        const int n = machine.symbolCount();
        const int mid = (c * 2 + 1) % n, before = (mid + n - 1) % n, after = (mid + 2) % n;
        auto cell = [&](int s) { return QRect((s % 3) * 64, (s / 3) * 64, 64, 64); };
        const int x = 55 + 95 * c;
        p.fillRect(QRect(x, 83, 64, 132), Qt::white);
        p.drawImage(QPoint(x, 83), symbols, cell(before).adjusted(0, 32, 0, 0));
        p.drawImage(QPoint(x, 83 + 34), symbols, cell(mid));
        p.drawImage(QPoint(x, 83 + 100), symbols, cell(after).adjusted(0, 0, 0, -32));
    }
    p.setPen(QPen(QColor(255, 85, 85), 1));
    p.drawLine(37, 149, 330, 149);
    for (int r = 0; r < 8; ++r) {
        const auto cells = machine.legendRow(r);
        const int step = machine.legendStep();
        for (size_t k = 0; k < cells.size(); ++k)
            p.drawImage(QPoint(36 + 154 * (r / 4) + step * static_cast<int>(k), 285 + 32 * (r % 4)), legend,
                        QRect((cells[k] % 3) * 32, (cells[k] / 3) * 32, 32, 32));
        if (machine.multiplier(r) > 0)
            counter(p, smallDigits, 16, 21, 5, 125 + 154 * (r / 4), 290 + 32 * (r % 4), 4,
                    std::to_string(machine.multiplier(r) * 3), false);
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    raised(p, 24, QStringLiteral("$10"), 300 - 22, 13, QColor(85, 85, 255));
    raised(p, 13, QStringLiteral("Credits:"), 33, 52, QColor(255, 85, 85));
    raised(p, 13, QStringLiteral("Wager:"), 212, 52, QColor(255, 85, 85));
    raised(p, 32, QStringLiteral("Payoffs:"), 50, 242, QColor(255, 85, 85));
    p.setRenderHint(QPainter::Antialiasing, false);
    frame(p, 62, 4, 260, 44);
    counter(p, largeDigits, 32, 42, 10, 62, 3, 4, "150", true);
    counter(p, smallDigits, 16, 21, 5, 89, 52, 5, "500", true);
    counter(p, smallDigits, 16, 21, 5, 265, 52, 2, "3", true);
    p.drawImage(24, 4, lamp);
    p.drawImage(345, 128, handle);
    p.drawImage(356, 392, logo);
    return img;
}
