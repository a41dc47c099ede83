#include "WindowArt.h"

#include "CabinetPainter.h"
#include "CabinetPalette.h"
#include "Canvas.h"
#include "QuintelSymbols.h"
#include "Shade.h"
#include "TextPath.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

QImage WindowArt::lamp(int phase, int scale)
{
    QImage img = canvas(32, 41, scale);
    img.fill(CabinetPalette::top());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const bool lit = phase != 0;
    if (lit) {
        // Light spilling onto the cabinet top.
        QRadialGradient halo(QPointF(16, 17), phase == 1 ? 17 : 20);
        halo.setColorAt(0.0, QColor(255, 80, 40, 200));
        halo.setColorAt(1.0, QColor(255, 60, 30, 0));
        p.fillRect(QRect(0, 0, 32, 41), halo);
    }
    // Chrome base.
    QPainterPath base;
    base.addRoundedRect(QRectF(5, 31, 22, 9), 2.5, 2.5);
    Shade::vertical(p, base, QColor(240, 242, 250), QColor(90, 94, 108), 1.0, QColor(30, 30, 40));
    p.setPen(QPen(QColor(60, 62, 76), 1.0));
    p.drawLine(QPointF(6, 35.5), QPointF(26, 35.5));
    // The dome.
    QPainterPath dome;
    dome.moveTo(4, 32);
    dome.lineTo(4, 17);
    dome.arcTo(QRectF(4, 3, 24, 28), 180, -180);
    dome.lineTo(28, 32);
    dome.closeSubpath();
    if (!lit) {
        Shade::ball(p, dome, QColor(150, 40, 36), QColor(50, 0, 0), 1.2, QColor(20, 0, 0));
        Shade::gloss(p, QRectF(8, 6, 9, 7), 0.35);
    } else {
        const QColor core = phase == 1 ? QColor(255, 200, 150) : QColor(255, 255, 230);
        const QColor rim = phase == 1 ? QColor(220, 10, 0) : QColor(255, 60, 20);
        QRadialGradient g(QPointF(16, 18), phase == 1 ? 14 : 17);
        g.setColorAt(0.0, core);
        g.setColorAt(0.45, QColor(255, 70, 40));
        g.setColorAt(1.0, rim);
        p.fillPath(dome, g);
        p.strokePath(dome, QPen(QColor(90, 0, 0), 1.2));
        if (phase == 2) {
            // Rays on the brighter phase.
            p.setPen(QPen(QColor(255, 240, 200, 200), 1.2, Qt::SolidLine, Qt::RoundCap));
            for (int i = 0; i < 4; ++i) {
                const double a = (i * 45.0 + 22.5) * M_PI / 180.0;
                p.drawLine(Shade::polar(QPointF(16, 17), 5, 5, a), Shade::polar(QPointF(16, 17), 9, 9, a));
            }
        }
        Shade::gloss(p, QRectF(8, 6, 9, 7), 0.75);
    }
    // Cage ribs.
    p.setPen(QPen(QColor(20, 0, 0, lit ? 120 : 160), 1.0));
    p.drawLine(QPointF(16, 3.5), QPointF(16, 31));
    p.drawLine(QPointF(4.5, 21), QPointF(27.5, 21));
    return img;
}

QImage WindowArt::handle(int index, int scale)
{
    const int height = index == 0 ? 226 : 72;
    QImage img = canvas(101, height, scale);
    img.fill(CabinetPalette::windowYellow());
    QPainter p(&img);
    CabinetPainter::paintRail(p, 0, 0, height);
    if (index != 0) return img;
    p.setRenderHint(QPainter::Antialiasing, true);
    // Rod: straight and vertical, so the knob can slide down it in 15 px steps.
    QLinearGradient rod(46, 0, 55, 0);
    rod.setColorAt(0.0, QColor(70, 74, 86));
    rod.setColorAt(0.4, QColor(240, 242, 250));
    rod.setColorAt(1.0, QColor(80, 84, 96));
    p.fillRect(QRectF(46, 40, 9, 168), rod);
    // Pivot housing bolted to the side of the cabinet.
    QPainterPath bracket;
    bracket.addRect(QRectF(8, 203, 30, 16));
    Shade::vertical(p, bracket, QColor(200, 204, 216), QColor(70, 74, 86), 1.0, QColor(30, 30, 40));
    QPainterPath housing;
    housing.addRoundedRect(QRectF(30, 194, 41, 32), 7, 7);
    Shade::vertical(p, housing, QColor(236, 240, 248), QColor(80, 84, 96), 1.2, QColor(30, 30, 40));
    p.fillPath(
        [] {
            QPainterPath s;
            s.addRoundedRect(QRectF(45, 196, 11, 10), 3, 3);
            return s;
        }(),
        QColor(20, 20, 26));
    for (qreal x : {36.0, 65.0}) {
        QPainterPath bolt;
        bolt.addEllipse(QPointF(x, 216), 2.3, 2.3);
        Shade::ball(p, bolt, QColor(250, 250, 255), QColor(90, 90, 100), 0.6, QColor(30, 30, 40));
    }
    // The knob: a glossy black ball.
    QPainterPath ball;
    ball.addEllipse(QPointF(50.5, 27), 22, 22);
    QRadialGradient g(QPointF(43, 18), 30, QPointF(41, 15));
    g.setColorAt(0.0, QColor(150, 150, 165));
    g.setColorAt(0.35, QColor(40, 40, 48));
    g.setColorAt(1.0, QColor(0, 0, 0));
    p.fillPath(ball, g);
    p.strokePath(ball, QPen(QColor(0, 0, 0), 1.2));
    Shade::gloss(p, QRectF(36, 9, 17, 11), 0.8);
    // Collar where the ball meets the rod.
    QPainterPath collar;
    collar.addRoundedRect(QRectF(43, 48, 15, 7), 2, 2);
    Shade::vertical(p, collar, QColor(240, 242, 250), QColor(90, 94, 108), 0.8, QColor(30, 30, 40));
    return img;
}

QImage WindowArt::logo(int scale)
{
    QImage img = canvas(200, 128, scale);
    img.fill(CabinetPalette::windowYellow());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath badge;
    badge.addRoundedRect(QRectF(4, 6, 192, 116), 20, 20);
    p.fillPath(badge.translated(3, 3), QColor(150, 120, 0));
    QLinearGradient red(0, 6, 0, 122);
    red.setColorAt(0.0, QColor(230, 40, 40));
    red.setColorAt(1.0, QColor(110, 0, 10));
    p.fillPath(badge, red);
    p.strokePath(badge, QPen(QColor(60, 0, 0), 5));
    p.strokePath(badge, QPen(QColor(255, 210, 60), 3));
    QPainterPath inner;
    inner.addRoundedRect(QRectF(11, 13, 178, 102), 14, 14);
    p.strokePath(inner, QPen(QColor(255, 220, 120, 150), 1.0));
    // Bulb chaser dots around the rim.
    for (int i = 0; i < 26; ++i) {
        const qreal t = i / 26.0;
        QPointF c;
        const qreal per = 2 * (170.0 + 94.0);
        qreal d = t * per;
        if (d < 170)
            c = QPointF(15 + d, 17);
        else if ((d -= 170) < 94)
            c = QPointF(185, 17 + d);
        else if ((d -= 94) < 170)
            c = QPointF(185 - d, 111);
        else
            c = QPointF(15, 111 - (d - 170));
        QPainterPath bulb;
        bulb.addEllipse(c, 2.2, 2.2);
        p.fillPath(bulb, i % 2 ? QColor(255, 250, 200) : QColor(255, 190, 40));
    }
    const QPainterPath title = TextPath::fitted(TextPath::script(), QStringLiteral("Quintel"), QRectF(22, 20, 156, 56));
    QPen outline(QColor(60, 10, 0), 5);
    outline.setJoinStyle(Qt::RoundJoin);
    p.strokePath(title.translated(2, 2), QPen(QColor(50, 0, 0), 5));
    p.strokePath(title, outline);
    Shade::vertical(p, title, QColor(255, 250, 190), QColor(240, 160, 10), 0);
    const QPainterPath sub =
        TextPath::fitted(TextPath::sansBold(), QStringLiteral("SLOTS 95"), QRectF(46, 84, 108, 22));
    p.strokePath(sub, QPen(QColor(40, 0, 0), 3.5));
    Shade::vertical(p, sub, QColor(255, 255, 255), QColor(200, 210, 230), 0);
    Shade::sparkle(p, QPointF(30, 90), 7, QColor(255, 240, 150));
    Shade::sparkle(p, QPointF(170, 92), 7, QColor(255, 240, 150));
    Shade::sparkle(p, QPointF(176, 28), 5, QColor(255, 255, 220));
    return img;
}

QImage WindowArt::icon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    // The Q medallion, a touch larger than on the reel so it fills the icon.
    p.scale(size / 60.0, size / 60.0);
    p.translate(-2, -2);
    QuintelSymbols::drawMedallion(p);
    return img;
}
