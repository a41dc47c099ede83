#include "DigitStrips.h"

#include "Canvas.h"

#include "Shade.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <array>

namespace {
// Segments a..g, per digit.
constexpr std::array<const char*, 10> kSegments = {"abcdef", "bc",     "abdeg", "abcdg",   "bcfg",
                                                   "acdfg",  "acdefg", "abc",   "abcdefg", "abcdfg"};

QPainterPath segment(QPointF from, QPointF to, qreal t)
{
    // A long hexagon from `from` to `to`, t thick.
    const bool horizontal = from.y() == to.y();
    QPainterPath p;
    const qreal h = t / 2;
    if (horizontal) {
        p.moveTo(from);
        p.lineTo(from.x() + h, from.y() - h);
        p.lineTo(to.x() - h, to.y() - h);
        p.lineTo(to);
        p.lineTo(to.x() - h, to.y() + h);
        p.lineTo(from.x() + h, from.y() + h);
    } else {
        p.moveTo(from);
        p.lineTo(from.x() + h, from.y() + h);
        p.lineTo(to.x() + h, to.y() - h);
        p.lineTo(to);
        p.lineTo(to.x() - h, to.y() - h);
        p.lineTo(from.x() - h, from.y() + h);
    }
    p.closeSubpath();
    return p;
}

// The seven segments in 16 x 21 design units, slanted a little like real LED digits.
std::array<QPainterPath, 7> segmentPaths()
{
    const qreal L = 3.6, R = 12.4, T = 2.4, B = 18.6, M = 10.5, t = 2.3, g = 0.55;
    std::array<QPainterPath, 7> s = {
        segment({L + g, T}, {R - g, T}, t), // a
        segment({R, T + g}, {R, M - g}, t), // b
        segment({R, M + g}, {R, B - g}, t), // c
        segment({L + g, B}, {R - g, B}, t), // d
        segment({L, M + g}, {L, B - g}, t), // e
        segment({L, T + g}, {L, M - g}, t), // f
        segment({L + g, M}, {R - g, M}, t), // g
    };
    QTransform slant(1, 0, -0.09, 1, 0.09 * M, 0);
    for (auto& p : s) p = slant.map(p);
    return s;
}

void drawSegment(QPainter& p, const QPainterPath& seg, const QColor& colour, bool lit)
{
    if (!lit) {
        p.fillPath(seg, colour);
        return;
    }
    QColor glow = colour;
    glow.setAlpha(70);
    p.strokePath(seg, QPen(glow, 1.2));
    p.fillPath(seg, colour);
    // A brighter core makes the segment look lit from inside.
    QPainterPath core = seg;
    const QRectF b = seg.boundingRect();
    QTransform shrink;
    shrink.translate(b.center().x(), b.center().y());
    shrink.scale(b.width() > b.height() ? 0.8 : 0.45, b.width() > b.height() ? 0.45 : 0.8);
    shrink.translate(-b.center().x(), -b.center().y());
    p.fillPath(shrink.map(core), Shade::mix(colour, Qt::white, 0.35));
}
} // namespace

std::vector<DigitStrips::Colour> DigitStrips::smallColours()
{
    auto dim = [](QColor c) { return Shade::mix(QColor(8, 8, 8), c, 0.17); };
    std::vector<Colour> c = {
        {"blue", QColor(60, 120, 255), {}},    {"cyan", QColor(0, 235, 255), {}}, {"green", QColor(40, 255, 70), {}},
        {"magenta", QColor(255, 50, 255), {}}, {"red", QColor(255, 36, 24), {}},  {"white", QColor(255, 255, 255), {}},
        {"yellow", QColor(255, 238, 0), {}},
    };
    for (auto& col : c) col.unlit = dim(col.lit);
    c[5].unlit = QColor(72, 72, 72); // white digits: unlit segments in grey
    return c;
}

DigitStrips::Colour DigitStrips::largeColour()
{
    return {"large-red", QColor(255, 36, 24), Shade::mix(QColor(8, 8, 8), QColor(255, 36, 24), 0.17)};
}

QImage DigitStrips::strip(const Colour& colour, int cellWidth, int cellHeight, int pointWidth, int scale)
{
    QImage img = canvas(cellWidth * 11 + pointWidth, cellHeight, scale);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal k = cellWidth / 16.0;
    const auto segs = segmentPaths();
    for (int cell = 0; cell <= 10; ++cell) {
        p.save();
        p.translate(cell * cellWidth, 0);
        p.scale(k, cellHeight / 21.0);
        const QString lit = cell < 10 ? QString::fromLatin1(kSegments[static_cast<size_t>(cell)]) : QString();
        for (int s = 0; s < 7; ++s) {
            const bool on = lit.contains(QChar('a' + s));
            drawSegment(p, segs[static_cast<size_t>(s)], on ? colour.lit : colour.unlit, on);
        }
        p.restore();
    }
    // Decimal point: the game shows only the first pointWidth - 1 columns.
    p.save();
    p.translate(cellWidth * 11, 0);
    p.scale(k, cellHeight / 21.0);
    QPainterPath dot;
    dot.addEllipse(QPointF(1.9, 18.4), 1.35, 1.35);
    drawSegment(p, dot, colour.lit, true);
    p.restore();
    return img;
}
