#include "LuckySymbols.h"

#include "QuintelSymbols.h"
#include "Shade.h"
#include "TextPath.h"

#include <QLinearGradient>
#include <QPainter>

namespace {
const QColor kRedLight(255, 110, 90), kRedDark(150, 0, 0);
const QColor kBlueLight(120, 170, 255), kBlueDark(10, 30, 170);
const QColor kWhiteLight(255, 255, 255), kWhiteDark(165, 172, 192);
const QColor kGoldLight(255, 240, 140), kGoldDark(196, 122, 0);
const QColor kGoldRim(255, 206, 40);
} // namespace

QPainterPath LuckySymbols::sevenShape()
{
    QPainterPath s;
    s.moveTo(10, 7);
    s.lineTo(55, 7);
    s.lineTo(55, 17);
    s.cubicTo(45, 28, 39, 42, 37.5, 58);
    s.lineTo(21.5, 58);
    s.cubicTo(23, 43, 30, 29, 39, 19.5);
    s.lineTo(21, 19.5);
    s.lineTo(19, 23);
    s.lineTo(10, 23);
    s.closeSubpath();
    return s;
}

void LuckySymbols::drawSeven(QPainter& p, const QColor& light, const QColor& dark, const QColor& rim)
{
    const QPainterPath s = sevenShape();
    QPen outer(QColor(20, 10, 10), 6.2);
    outer.setJoinStyle(Qt::RoundJoin);
    p.strokePath(s, outer);
    QPen ring(rim, 3.0);
    ring.setJoinStyle(Qt::RoundJoin);
    p.strokePath(s, ring);
    Shade::fill(p, s, light, dark, 0);
    // Bevel highlight on the top bar.
    QPainterPath bar;
    bar.addRect(QRectF(12, 8.5, 41, 3.5));
    p.fillPath(bar.intersected(s), QColor(255, 255, 255, 110));
}

void LuckySymbols::drawBarPlate(QPainter& p, const QRectF& r, const QColor& trim, const QString& text)
{
    QPainterPath plate;
    plate.addRoundedRect(r, r.height() * 0.25, r.height() * 0.25);
    QPen edge(QColor(10, 10, 10), 4.6);
    p.strokePath(plate, edge);
    p.strokePath(plate, QPen(trim, 2.4));
    Shade::vertical(p, plate, QColor(70, 70, 80), QColor(5, 5, 10), 0);
    const QRectF inner = r.adjusted(r.width() * 0.14, r.height() * 0.2, -r.width() * 0.14, -r.height() * 0.2);
    const QPainterPath t = TextPath::fitted(TextPath::sansBold(), text, inner);
    Shade::vertical(p, t, QColor(255, 255, 255), QColor(200, 205, 220), 0);
}

void LuckySymbols::drawAnySeven(QPainter& p)
{
    const QPainterPath s = sevenShape();
    QPen outer(QColor(20, 10, 10), 6.2);
    outer.setJoinStyle(Qt::RoundJoin);
    p.strokePath(s, outer);
    p.strokePath(s, QPen(kGoldRim, 3.0));
    // Four bands, one per seven that counts: red, blue, white, gold.
    const QColor bands[4][2] = {
        {kRedLight, kRedDark}, {kBlueLight, kBlueDark}, {kWhiteLight, kWhiteDark}, {kGoldLight, kGoldDark}};
    const qreal top = 7, h = 51.0 / 4.0;
    for (int i = 0; i < 4; ++i) {
        QPainterPath band;
        band.addRect(QRectF(0, top + h * i, 64, h + (i < 3 ? 0.6 : 0)));
        QLinearGradient g(0, top + h * i, 0, top + h * (i + 1));
        g.setColorAt(0, bands[i][0]);
        g.setColorAt(1, bands[i][1]);
        p.fillPath(band.intersected(s), g);
    }
}

void LuckySymbols::drawAnyBar(QPainter& p)
{
    const QPainterPath any = TextPath::fitted(TextPath::sansBold(), QStringLiteral("ANY"), QRectF(12, 5, 40, 17));
    QPen halo(QColor(30, 10, 0), 3.0);
    halo.setJoinStyle(Qt::RoundJoin);
    p.strokePath(any, halo);
    Shade::vertical(p, any, kGoldLight, kGoldDark, 0);
    drawBarPlate(p, QRectF(7, 27, 50, 15), QColor(230, 30, 30), QStringLiteral("BAR"));
    drawBarPlate(p, QRectF(7, 44, 50, 15), QColor(40, 110, 255), QStringLiteral("BAR"));
}

void LuckySymbols::drawSymbol(QPainter& p, int symbol) const
{
    p.save();
    switch (symbol) {
    case 0:
        drawSeven(p, kRedLight, kRedDark, kGoldRim);
        Shade::sparkle(p, QPointF(12.5, 42), 7, QColor(255, 190, 0));
        Shade::sparkle(p, QPointF(51, 50), 5.5, QColor(255, 190, 0));
        break;
    case 1:
        drawSeven(p, kBlueLight, kBlueDark, QColor(190, 215, 255));
        break;
    case 2:
        drawSeven(p, kWhiteLight, kWhiteDark, QColor(90, 95, 110));
        break;
    case 3:
        drawSeven(p, kGoldLight, kGoldDark, QColor(120, 70, 0));
        break;
    case 4:
        drawBarPlate(p, QRectF(6, 10, 52, 20), QColor(40, 110, 255), QStringLiteral("BAR"));
        drawBarPlate(p, QRectF(6, 35, 52, 20), QColor(40, 110, 255), QStringLiteral("BAR"));
        break;
    case 5:
        drawBarPlate(p, QRectF(5, 19, 54, 27), QColor(230, 30, 30), QStringLiteral("BAR"));
        break;
    case 6:
        QuintelSymbols::drawLemon(p);
        break;
    default:
        break;
    }
    p.restore();
}

void LuckySymbols::drawLegendCell(QPainter& p, int cell) const
{
    p.save();
    if (cell == 6)
        drawAnySeven(p);
    else if (cell == 7)
        drawAnyBar(p);
    else
        drawSymbol(p, cell);
    p.restore();
}
