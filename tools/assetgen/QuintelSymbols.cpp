#include "QuintelSymbols.h"

#include "Shade.h"
#include "TextPath.h"

#include <QPainter>
#include <QTransform>

#include <cmath>

namespace {
const QColor kLeafLight(120, 220, 70);
const QColor kLeafDark(20, 110, 20);

QPainterPath circle(QPointF c, qreal r)
{
    QPainterPath p;
    p.addEllipse(c, r, r);
    return p;
}

QPainterPath leaf(QPointF base, QPointF tip, qreal width)
{
    const QPointF d = tip - base;
    const QPointF n(-d.y() * width, d.x() * width);
    QPainterPath p;
    p.moveTo(base);
    p.quadTo((base + tip) / 2 + n, tip);
    p.quadTo((base + tip) / 2 - n, base);
    return p;
}

void drawLeaf(QPainter& p, QPointF base, QPointF tip)
{
    Shade::fill(p, leaf(base, tip, 0.45), kLeafLight, kLeafDark, 1.3, QColor(10, 50, 10));
    QPen vein(QColor(20, 90, 20, 200), 1.0);
    p.setPen(vein);
    p.drawLine(base, base + (tip - base) * 0.8);
}
} // namespace

void QuintelSymbols::drawMedallion(QPainter& p)
{
    const QPointF c(32, 32);
    Shade::ball(p, circle(c, 28.5), QColor(255, 244, 170), QColor(176, 112, 10), 1.8, QColor(70, 40, 0));
    // Milled rim studs.
    for (int i = 0; i < 20; ++i) {
        const double a = i * M_PI / 10.0;
        const QPointF s = Shade::polar(c, 24.8, 24.8, a);
        p.fillPath(circle(s, 1.7), QColor(150, 95, 5));
        p.fillPath(circle(s - QPointF(0.5, 0.5), 0.8), QColor(255, 240, 160));
    }
    Shade::ball(p, circle(c, 21.5), QColor(255, 90, 70), QColor(120, 0, 0), 1.6, QColor(70, 30, 0));
    const QPainterPath q = TextPath::fitted(TextPath::serifBold(), QStringLiteral("Q"), QRectF(17, 13.5, 30, 35));
    Shade::fill(p, q, QColor(255, 246, 180), QColor(214, 150, 20), 1.4, QColor(60, 20, 0));
    Shade::gloss(p, QRectF(15, 8, 30, 16), 0.45);
}

void QuintelSymbols::drawBell(QPainter& p)
{
    p.fillPath(circle(QPointF(32, 54), 5.2), QColor(120, 70, 0));
    p.fillPath(circle(QPointF(31, 53), 2.0), QColor(230, 180, 80));
    Shade::ball(p, circle(QPointF(32, 9), 4.2), QColor(255, 240, 150), QColor(190, 120, 0), 1.4, QColor(80, 40, 0));
    QPainterPath body;
    body.moveTo(32, 11);
    body.cubicTo(20, 11, 17.5, 20, 17.5, 31);
    body.cubicTo(17.5, 40, 14, 44.5, 8.5, 48);
    body.lineTo(55.5, 48);
    body.cubicTo(50, 44.5, 46.5, 40, 46.5, 31);
    body.cubicTo(46.5, 20, 44, 11, 32, 11);
    Shade::fill(p, body, QColor(255, 236, 120), QColor(200, 120, 0), 1.8, QColor(80, 40, 0));
    QPainterPath lip;
    lip.addRoundedRect(QRectF(7, 46, 50, 6.5), 3.2, 3.2);
    Shade::vertical(p, lip, QColor(255, 214, 80), QColor(170, 95, 0), 1.6, QColor(80, 40, 0));
    // Highlight along the left flank.
    QPainterPath shine;
    shine.moveTo(24, 17);
    shine.cubicTo(21, 24, 21, 34, 19.5, 42);
    p.setPen(QPen(QColor(255, 255, 240, 210), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(shine);
}

void QuintelSymbols::drawPlum(QPainter& p)
{
    QPainterPath stem;
    stem.moveTo(32, 17);
    stem.cubicTo(32, 12, 34, 8, 37, 5);
    p.setPen(QPen(QColor(90, 50, 20), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stem);
    QPainterPath body;
    body.addEllipse(QPointF(32, 37), 21, 22.5);
    body = QTransform().translate(32, 37).rotate(-14).translate(-32, -37).map(body);
    Shade::ball(p, body, QColor(214, 150, 255), QColor(66, 10, 110), 1.8, QColor(40, 0, 60));
    QPainterPath crease;
    crease.moveTo(31, 17);
    crease.cubicTo(24, 28, 24, 44, 29, 58);
    p.setPen(QPen(QColor(70, 20, 110, 170), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(crease);
    Shade::gloss(p, QRectF(33, 20, 12, 14), 0.55);
    drawLeaf(p, QPointF(36, 7), QPointF(53, 12));
}

void QuintelSymbols::drawOrange(QPainter& p)
{
    const QPointF c(32, 36);
    Shade::ball(p, circle(c, 23), QColor(255, 214, 110), QColor(222, 90, 0), 1.8, QColor(90, 35, 0));
    // Peel dimples on a fixed pattern.
    for (int i = 0; i < 26; ++i) {
        const double a = i * 2.39996;
        const double r = 4.0 + 17.0 * std::sqrt((i + 0.5) / 26.0);
        const QPointF d = Shade::polar(c, r, r, a);
        p.fillPath(circle(d, 0.9), QColor(200, 90, 0, 130));
    }
    Shade::gloss(p, QRectF(18, 17, 18, 12), 0.55);
    p.fillPath(circle(QPointF(32, 14), 2.2), QColor(90, 70, 20));
    drawLeaf(p, QPointF(33, 13), QPointF(50, 5));
}

void QuintelSymbols::drawMelon(QPainter& p)
{
    const QPointF c(32, 19);
    auto half = [&](qreal r) {
        QPainterPath h;
        h.moveTo(c.x() - r, c.y());
        h.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 180, 180);
        h.closeSubpath();
        return h;
    };
    Shade::fill(p, half(28), QColor(90, 190, 60), QColor(10, 90, 20), 1.8, QColor(0, 50, 0));
    for (int i = 1; i < 6; ++i) { // darker rind stripes
        const double a = M_PI * i / 6.0;
        p.setPen(QPen(QColor(0, 80, 10), 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(Shade::polar(c, 24.5, 24.5, a), Shade::polar(c, 27.5, 27.5, a));
    }
    p.fillPath(half(23.5), QColor(240, 250, 220));
    Shade::fill(p, half(21.5), QColor(255, 110, 110), QColor(210, 20, 40), 0);
    const QPointF seeds[] = {{22, 25}, {32, 28}, {42, 25}, {27, 35}, {37, 35}, {17, 22}, {47, 22}, {32, 39}};
    for (const QPointF& s : seeds) {
        QPainterPath seed;
        seed.addEllipse(s, 1.5, 2.4);
        p.fillPath(seed, QColor(30, 10, 10));
    }
    p.setPen(QPen(QColor(0, 50, 0), 1.8));
    p.drawLine(QPointF(4, 19), QPointF(60, 19));
    p.setPen(QPen(QColor(255, 200, 200), 1.0));
    p.drawLine(QPointF(12, 20.5), QPointF(52, 20.5));
}

void QuintelSymbols::drawCherries(QPainter& p)
{
    QPainterPath stems;
    stems.moveTo(20, 40);
    stems.cubicTo(22, 28, 28, 17, 37, 9);
    stems.moveTo(44, 42);
    stems.cubicTo(44, 30, 41, 18, 37, 9);
    p.setPen(QPen(QColor(20, 80, 10), 4.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stems);
    p.setPen(QPen(QColor(110, 190, 60), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stems);
    drawLeaf(p, QPointF(37, 9), QPointF(56, 15));
    Shade::ball(p, circle(QPointF(19.5, 46), 12), QColor(255, 120, 120), QColor(130, 0, 10), 1.8, QColor(60, 0, 0));
    Shade::ball(p, circle(QPointF(44, 48), 12), QColor(255, 120, 120), QColor(130, 0, 10), 1.8, QColor(60, 0, 0));
    Shade::gloss(p, QRectF(12, 37, 8, 6), 0.85);
    Shade::gloss(p, QRectF(36.5, 39, 8, 6), 0.85);
}

void QuintelSymbols::drawLemon(QPainter& p)
{
    QPainterPath body;
    body.moveTo(6, 34);
    body.cubicTo(10, 19, 22, 14, 32, 14);
    body.cubicTo(42, 14, 54, 19, 58, 34);
    body.cubicTo(54, 49, 42, 53, 32, 53);
    body.cubicTo(22, 53, 10, 49, 6, 34);
    QPainterPath tips;
    tips.addEllipse(QPointF(5, 34), 3.2, 2.6);
    tips.addEllipse(QPointF(59, 34), 3.2, 2.6);
    body = body.united(tips);
    body = QTransform().translate(32, 34).rotate(-18).translate(-32, -34).map(body);
    Shade::ball(p, body, QColor(255, 255, 190), QColor(214, 176, 0), 1.8, QColor(100, 80, 0));
    Shade::gloss(p, QRectF(18, 20, 20, 9), 0.6);
}

void QuintelSymbols::drawAnyTile(QPainter& p)
{
    QPainterPath tile;
    tile.addRoundedRect(QRectF(7, 7, 50, 50), 11, 11);
    Shade::fill(p, tile, QColor(245, 245, 255), QColor(140, 145, 170), 2.0, QColor(30, 30, 50));
    const QPainterPath q = TextPath::fitted(TextPath::sansBold(), QStringLiteral("?"), QRectF(20, 12, 24, 40));
    Shade::fill(p, q, QColor(90, 140, 255), QColor(10, 30, 160), 1.6, QColor(0, 0, 40));
    Shade::sparkle(p, QPointF(15.5, 16), 5, QColor(255, 200, 0));
    Shade::sparkle(p, QPointF(48.5, 47), 5, QColor(255, 200, 0));
}

void QuintelSymbols::drawSymbol(QPainter& p, int symbol) const
{
    p.save();
    switch (symbol) {
    case 0:
        drawMedallion(p);
        break;
    case 1:
        drawBell(p);
        break;
    case 2:
        drawPlum(p);
        break;
    case 3:
        drawOrange(p);
        break;
    case 4:
        drawMelon(p);
        break;
    case 5:
        drawCherries(p);
        break;
    case 6:
        drawLemon(p);
        break;
    default:
        break;
    }
    p.restore();
}

void QuintelSymbols::drawLegendCell(QPainter& p, int cell) const
{
    if (cell == 7) {
        p.save();
        drawAnyTile(p);
        p.restore();
    } else {
        drawSymbol(p, cell);
    }
}
