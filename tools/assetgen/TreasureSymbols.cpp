#include "TreasureSymbols.h"

#include "Shade.h"
#include "TextPath.h"

#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>

namespace {
QPainterPath circle(QPointF c, qreal r)
{
    QPainterPath p;
    p.addEllipse(c, r, r);
    return p;
}
QPainterPath poly(std::initializer_list<QPointF> pts)
{
    QPainterPath p;
    p.addPolygon(QPolygonF(QList<QPointF>(pts)));
    p.closeSubpath();
    return p;
}
const QColor kInk(25, 18, 10);
} // namespace

void TreasureSymbols::drawFlag(QPainter& p)
{
    QPainterPath flag;
    flag.moveTo(6, 10);
    flag.cubicTo(20, 5, 30, 15, 42, 9);
    flag.cubicTo(49, 6, 54, 7, 58, 9);
    flag.lineTo(58, 53);
    flag.cubicTo(52, 50, 46, 51, 40, 54);
    flag.cubicTo(28, 60, 18, 50, 6, 54);
    flag.closeSubpath();
    QPen rim(QColor(255, 200, 40), 3.6);
    rim.setJoinStyle(Qt::RoundJoin);
    p.strokePath(flag, QPen(kInk, 6.0));
    p.strokePath(flag, rim);
    Shade::fill(p, flag, QColor(80, 80, 96), QColor(8, 8, 12), 0);
    // Crossed bones behind the skull.
    const QColor bone(250, 248, 235), boneDark(170, 160, 130);
    for (int k = 0; k < 2; ++k) {
        const QPointF a = k == 0 ? QPointF(16, 36) : QPointF(16, 50);
        const QPointF b = k == 0 ? QPointF(49, 50) : QPointF(49, 36);
        QPainterPath line;
        line.moveTo(a);
        line.lineTo(b);
        QPainterPath shaft = Shade::stroked(line, 4.2);
        for (const QPointF& end : {a, b}) {
            const QPointF perp = (k == 0 ? QPointF(1.7, -2.7) : QPointF(-1.7, -2.7));
            shaft = shaft.united(circle(end + perp * 0.7, 2.6)).united(circle(end - perp * 0.7, 2.6));
        }
        Shade::fill(p, shaft, bone, boneDark, 1.0, kInk);
    }
    QPainterPath skull = circle(QPointF(32.5, 27), 12.5);
    QPainterPath jaw;
    jaw.addRoundedRect(QRectF(25.5, 31, 14, 12), 3.5, 3.5);
    skull = skull.united(jaw);
    Shade::ball(p, skull, bone, boneDark, 1.2, kInk);
    p.fillPath(circle(QPointF(27.8, 27.5), 3.6), kInk);
    p.fillPath(circle(QPointF(37.2, 27.5), 3.6), kInk);
    p.fillPath(poly({{32.5, 31}, {30.6, 35}, {34.4, 35}}), kInk);
    p.setPen(QPen(kInk, 1.0));
    for (qreal x = 28.5; x <= 37; x += 2.8) p.drawLine(QPointF(x, 38), QPointF(x, 42.5));
}

void TreasureSymbols::drawDiamond(QPainter& p)
{
    const QPointF tl(17, 14), tr(47, 14), l(5, 27), r(59, 27), b(32, 58);
    const QPointF ml(24, 27), mr(40, 27), mc(32, 27);
    const QColor a(220, 252, 255), bb(120, 220, 250), c(40, 160, 235), d(10, 90, 190);
    p.fillPath(poly({tl, tr, mr, ml}), a);
    p.fillPath(poly({tl, ml, l}), bb);
    p.fillPath(poly({tr, r, mr}), c);
    p.fillPath(poly({l, ml, b}), bb);
    p.fillPath(poly({ml, mc, b}), a);
    p.fillPath(poly({mc, mr, b}), c);
    p.fillPath(poly({mr, r, b}), d);
    p.setPen(QPen(QColor(20, 70, 140), 0.9));
    p.drawLine(l, r);
    p.drawLine(ml, b);
    p.drawLine(mr, b);
    p.drawLine(tl, ml);
    p.drawLine(tr, mr);
    QPen edge(QColor(10, 40, 90), 1.8);
    edge.setJoinStyle(Qt::RoundJoin);
    p.strokePath(poly({tl, tr, r, b, l}), edge);
    Shade::sparkle(p, QPointF(22, 19), 5.5, QColor(255, 255, 255));
    Shade::sparkle(p, QPointF(51, 11), 4.5, QColor(120, 200, 255));
}

void TreasureSymbols::drawRuby(QPainter& p)
{
    const QPointF c(32, 34);
    QPolygonF outer, inner;
    for (int i = 0; i < 8; ++i) {
        const double a = (i * 45.0 + 22.5) * M_PI / 180.0;
        outer << Shade::polar(c, 27, 23, a);
        inner << Shade::polar(c, 15, 12, a);
    }
    const QColor shades[8] = {QColor(200, 0, 40),    QColor(150, 0, 30),   QColor(170, 0, 35),  QColor(240, 60, 90),
                              QColor(255, 120, 150), QColor(255, 90, 120), QColor(230, 40, 70), QColor(190, 10, 45)};
    for (int i = 0; i < 8; ++i) {
        const int j = (i + 1) % 8;
        p.fillPath(poly({outer[i], outer[j], inner[j], inner[i]}), shades[i]);
    }
    QPainterPath table;
    table.addPolygon(inner);
    table.closeSubpath();
    Shade::fill(p, table, QColor(255, 140, 170), QColor(200, 10, 50), 0);
    p.setPen(QPen(QColor(100, 0, 20), 0.9));
    for (int i = 0; i < 8; ++i) p.drawLine(outer[i], inner[i]);
    QPainterPath rim;
    rim.addPolygon(outer);
    rim.closeSubpath();
    QPen edge(QColor(70, 0, 15), 1.8);
    edge.setJoinStyle(Qt::RoundJoin);
    p.strokePath(rim, edge);
    p.strokePath(table, QPen(QColor(110, 0, 25), 1.0));
    Shade::sparkle(p, QPointF(24, 27), 5, QColor(255, 255, 255));
}

void TreasureSymbols::drawCoins(QPainter& p)
{
    const QColor light(255, 236, 130), dark(190, 120, 0), edge(90, 50, 0);
    // A stack of coins on the left, drawn bottom up.
    for (int i = 0; i < 5; ++i) {
        const qreal y = 54 - i * 5.5;
        QPainterPath side;
        side.addRoundedRect(QRectF(6, y - 4, 30, 7), 3.5, 3.5);
        Shade::vertical(p, side, QColor(230, 170, 30), QColor(150, 90, 0), 1.2, edge);
        QPainterPath face;
        face.addEllipse(QRectF(6, y - 7, 30, 7));
        Shade::fill(p, face, light, dark, 1.2, edge);
    }
    // One coin standing up in front.
    const QPointF c(43, 39);
    Shade::ball(p, circle(c, 16), light, dark, 1.8, edge);
    p.strokePath(circle(c, 12.5), QPen(QColor(170, 100, 0), 1.4));
    const QPainterPath d = TextPath::fitted(TextPath::serifBold(), QStringLiteral("$"), QRectF(36, 28, 14, 22));
    Shade::fill(p, d, QColor(240, 170, 20), QColor(130, 70, 0), 0.8, edge);
    Shade::gloss(p, QRectF(33, 26, 14, 8), 0.6);
}

void TreasureSymbols::drawMap(QPainter& p)
{
    QPainterPath sheet;
    sheet.moveTo(10, 13);
    sheet.cubicTo(24, 9, 40, 17, 54, 12);
    sheet.lineTo(54, 51);
    sheet.cubicTo(40, 56, 24, 48, 10, 52);
    sheet.closeSubpath();
    Shade::fill(p, sheet, QColor(252, 236, 190), QColor(210, 165, 95), 1.6, QColor(80, 45, 10));
    // Rolled ends.
    for (qreal x : {10.0, 54.0}) {
        QPainterPath roll;
        roll.addRoundedRect(QRectF(x - 4, 9, 8, 47), 4, 4);
        Shade::fill(p, roll, QColor(245, 220, 160), QColor(170, 120, 60), 1.4, QColor(80, 45, 10));
    }
    QPainterPath isle;
    isle.moveTo(18, 40);
    isle.cubicTo(18, 30, 30, 26, 36, 31);
    isle.cubicTo(44, 28, 49, 38, 44, 44);
    isle.cubicTo(38, 49, 22, 48, 18, 40);
    Shade::fill(p, isle, QColor(150, 210, 110), QColor(70, 140, 50), 1.0, QColor(40, 80, 20));
    QPainterPath trail;
    trail.moveTo(19, 21);
    trail.cubicTo(28, 17, 26, 32, 34, 35);
    QPen dash(QColor(120, 60, 20), 1.6, Qt::DashLine, Qt::RoundCap);
    dash.setDashPattern({1.6, 1.6});
    p.setPen(dash);
    p.drawPath(trail);
    p.setPen(QPen(QColor(200, 0, 0), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(35, 33), QPointF(43, 41));
    p.drawLine(QPointF(43, 33), QPointF(35, 41));
}

void TreasureSymbols::drawCompass(QPainter& p)
{
    const QPointF c(32, 33);
    Shade::ball(p, circle(c, 26), QColor(255, 220, 130), QColor(150, 90, 10), 1.8, QColor(70, 40, 0));
    Shade::fill(p, circle(c, 20), QColor(255, 255, 250), QColor(215, 210, 190), 1.4, QColor(90, 60, 10));
    p.setPen(QPen(QColor(60, 50, 40), 1.2));
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8.0;
        const qreal r0 = i % 4 == 0 ? 14.5 : 17.0;
        p.drawLine(Shade::polar(c, r0, r0, a), Shade::polar(c, 19, 19, a));
    }
    // Needle pointing north-east: red north half, dark south half.
    const QPointF n(c.x() + 11, c.y() - 11), s(c.x() - 11, c.y() + 11);
    const QPointF w(c.x() - 3.2, c.y() - 3.2), e(c.x() + 3.2, c.y() + 3.2);
    Shade::fill(p, poly({n, e, w}), QColor(255, 80, 60), QColor(170, 0, 0), 1.0, QColor(60, 0, 0));
    Shade::fill(p, poly({s, w, e}), QColor(90, 100, 130), QColor(20, 25, 45), 1.0, QColor(10, 10, 20));
    p.fillPath(circle(c, 2.2), QColor(200, 150, 40));
    p.fillPath(circle(QPointF(32, 5.5), 3.5), QColor(150, 90, 10)); // the ring at the top
    p.strokePath(circle(QPointF(32, 5.5), 3.5), QPen(QColor(70, 40, 0), 1.2));
    Shade::gloss(p, QRectF(18, 16, 22, 9), 0.5);
}

void TreasureSymbols::drawChest(QPainter& p)
{
    // A warm glow says this one is special.
    QRadialGradient glow(QPointF(32, 34), 31);
    glow.setColorAt(0.0, QColor(255, 230, 80, 230));
    glow.setColorAt(0.6, QColor(255, 210, 60, 120));
    glow.setColorAt(1.0, QColor(255, 220, 100, 0));
    p.fillRect(QRectF(0, 0, 64, 64), glow);
    const QColor wood(196, 116, 48), woodDark(96, 46, 14), edge(50, 24, 4);
    const QColor gold(255, 226, 100), goldDark(190, 120, 0);
    QPainterPath body;
    body.addRect(QRectF(7, 31, 50, 25));
    Shade::fill(p, body, wood, woodDark, 1.8, edge);
    QPainterPath lid;
    lid.moveTo(7, 31);
    lid.lineTo(7, 21);
    lid.cubicTo(7, 9, 57, 9, 57, 21);
    lid.lineTo(57, 31);
    lid.closeSubpath();
    Shade::fill(p, lid, QColor(214, 140, 66), woodDark, 1.8, edge);
    p.setPen(QPen(QColor(90, 45, 15, 160), 1.0));
    for (qreal y : {38.0, 46.0}) p.drawLine(QPointF(8, y), QPointF(56, y));
    // Gold bands and rim.
    for (qreal x : {12.0, 46.0}) {
        QPainterPath band;
        band.addRect(QRectF(x, 13.5, 6, 42.5));
        Shade::fill(p, band.intersected(body.united(lid)), gold, goldDark, 1.0, edge);
    }
    QPainterPath rim;
    rim.addRect(QRectF(6, 29, 52, 4.5));
    Shade::vertical(p, rim, gold, goldDark, 1.2, edge);
    QPainterPath lock;
    lock.addRoundedRect(QRectF(27, 26, 10, 13), 2, 2);
    Shade::fill(p, lock, gold, goldDark, 1.3, edge);
    p.fillPath(circle(QPointF(32, 31), 1.7), edge);
    p.fillPath(poly({{31.2, 31.5}, {32.8, 31.5}, {33.4, 36}, {30.6, 36}}), edge);
    Shade::sparkle(p, QPointF(53, 8), 5.5, QColor(255, 250, 200));
    Shade::sparkle(p, QPointF(9, 11), 4, QColor(255, 250, 200));
}

void TreasureSymbols::drawAnchor(QPainter& p, bool light)
{
    QPainterPath lines;
    lines.moveTo(32, 15);
    lines.lineTo(32, 55);
    lines.moveTo(19, 21);
    lines.lineTo(45, 21);
    QPainterPath arms;
    arms.moveTo(11, 39);
    arms.cubicTo(13, 52, 24, 57, 32, 57);
    arms.cubicTo(40, 57, 51, 52, 53, 39);
    QPainterPath shape = Shade::stroked(lines, 5.6).united(Shade::stroked(arms, 5.4));
    QPainterPath ring;
    ring.addEllipse(QPointF(32, 10), 5.2, 5.2);
    shape = shape.united(Shade::stroked(ring, 3.6));
    shape = shape.united(poly({{5, 41}, {11, 31}, {16.5, 42}}));
    shape = shape.united(poly({{59, 41}, {53, 31}, {47.5, 42}}));
    shape = shape.united(circle(QPointF(19, 21), 3.4)).united(circle(QPointF(45, 21), 3.4));
    shape.setFillRule(Qt::WindingFill);
    if (light)
        Shade::fill(p, shape.simplified(), QColor(240, 248, 255), QColor(120, 160, 220), 1.7, QColor(5, 15, 40));
    else
        Shade::fill(p, shape.simplified(), QColor(170, 200, 240), QColor(30, 55, 110), 1.7, QColor(5, 15, 40));
}

void TreasureSymbols::drawSymbol(QPainter& p, int symbol) const
{
    p.save();
    switch (symbol) {
    case 0:
        drawFlag(p);
        break;
    case 1:
        drawDiamond(p);
        break;
    case 2:
        drawRuby(p);
        break;
    case 3:
        drawCoins(p);
        break;
    case 4:
        drawMap(p);
        break;
    case 5:
        drawCompass(p);
        break;
    case 6:
        drawChest(p);
        break;
    case 7:
        drawAnchor(p);
        break;
    default:
        break;
    }
    p.restore();
}

void TreasureSymbols::drawLegendCell(QPainter& p, int cell) const
{
    if (cell == 6) {
        // "Anchor or jolly roger": both, side by side.
        p.save();
        p.translate(-4, 6);
        p.scale(0.72, 0.72);
        drawAnchor(p, true);
        p.restore();
        p.save();
        p.translate(25, 3);
        p.scale(0.64, 0.64);
        drawFlag(p);
        p.restore();
        return;
    }
    drawSymbol(p, cell == 7 ? 6 : cell);
}
