#include "CabinetPainter.h"

#include "CabinetPalette.h"
#include "Canvas.h"
#include "Shade.h"
#include "TextPath.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {
const QColor kChromeLight(236, 240, 248);
const QColor kChromeMid(170, 176, 190);
const QColor kChromeDark(70, 74, 86);
const QColor kGold(230, 180, 50);

// A bevelled rectangle edge, `width` pixels thick; raised = light top/left.
void bevel(QPainter& p, const QRect& r, int width, bool raised, QColor light = kChromeLight, QColor dark = kChromeDark)
{
    const QColor tl = raised ? light : dark;
    const QColor br = raised ? dark : light;
    for (int i = 0; i < width; ++i) {
        const QRect q = r.adjusted(i, i, -i, -i);
        p.fillRect(QRect(q.left(), q.top(), q.width(), 1), tl);
        p.fillRect(QRect(q.left(), q.top(), 1, q.height()), tl);
        p.fillRect(QRect(q.left(), q.bottom(), q.width(), 1), br);
        p.fillRect(QRect(q.right(), q.top(), 1, q.height()), br);
    }
}

// A horizontal chrome rule: light over dark.
void rule(QPainter& p, int x0, int x1, int y)
{
    p.fillRect(QRect(x0, y, x1 - x0 + 1, 1), kChromeLight);
    p.fillRect(QRect(x0, y + 1, x1 - x0 + 1, 1), kChromeMid);
    p.fillRect(QRect(x0, y + 2, x1 - x0 + 1, 1), kChromeDark);
}

void dome(QPainter& p)
{
    QPainterPath arch;
    arch.moveTo(268, 47);
    arch.lineTo(268, 36);
    arch.arcTo(QRectF(268, 4, 64, 64), 180, -180);
    arch.lineTo(332, 47);
    arch.closeSubpath();
    QRadialGradient g(QPointF(292, 18), 44);
    g.setColorAt(0.0, QColor(80, 84, 104));
    g.setColorAt(1.0, QColor(12, 12, 18));
    p.fillPath(arch, g);
    p.strokePath(arch, QPen(kChromeDark, 4.0));
    p.strokePath(arch, QPen(kChromeLight, 2.0));
    QPainterPath inner;
    inner.moveTo(272, 47);
    inner.lineTo(272, 36);
    inner.arcTo(QRectF(272, 8, 56, 56), 180, -180);
    inner.lineTo(328, 47);
    p.strokePath(inner, QPen(QColor(kGold.red(), kGold.green(), kGold.blue(), 150), 1.0));
    Shade::gloss(p, QRectF(280, 6, 30, 10), 0.25);
}

void counterBand(QPainter& p)
{
    p.fillRect(QRect(8, 48, 337, 30), CabinetPalette::counterBand());
    rule(p, 8, 344, 47);
    rule(p, 8, 344, 77);
    // Recessed frames around the credit and wager counters.
    bevel(p, QRect(87, 50, 120, 25), 2, false);
    bevel(p, QRect(263, 50, 72, 25), 2, false);
}

void reelFrame(QPainter& p)
{
    const QRect outer(38, 80, 289, 140);
    QLinearGradient g(0, outer.top(), 0, outer.bottom());
    g.setColorAt(0.0, QColor(40, 42, 52));
    g.setColorAt(1.0, QColor(16, 16, 22));
    p.fillRect(outer, g);
    bevel(p, outer, 3, true);
    for (int c = 0; c < 3; ++c) {
        const QRect window(55 + 95 * c, 83, 64, 132);
        bevel(p, window.adjusted(-2, -2, 2, 2), 2, false, QColor(200, 204, 214), QColor(0, 0, 0));
        p.fillRect(window, CabinetPalette::reel());
    }
    // Chrome posts between the reels.
    for (int c = 0; c < 2; ++c) {
        const int x = 121 + 95 * c + 8;
        QLinearGradient post(x, 0, x + 13, 0);
        post.setColorAt(0.0, kChromeDark);
        post.setColorAt(0.45, kChromeLight);
        post.setColorAt(1.0, kChromeDark);
        p.fillRect(QRect(x, 86, 13, 126), post);
    }
    // Pay-line markers outside the frame; the game draws the line itself at y 149.
    for (int side = 0; side < 2; ++side) {
        QPainterPath tri;
        if (side == 0) {
            tri.moveTo(26, 143);
            tri.lineTo(35, 149.5);
            tri.lineTo(26, 156);
        } else {
            tri.moveTo(340, 143);
            tri.lineTo(331, 149.5);
            tri.lineTo(340, 156);
        }
        tri.closeSubpath();
        Shade::fill(p, tri, QColor(255, 120, 110), QColor(170, 0, 0), 1.0, QColor(60, 0, 0));
    }
}

void bannerSlot(QPainter& p)
{
    bevel(p, QRect(39, 220, 287, 25), 2, false);
    p.fillRect(QRect(41, 222, 283, 21), CabinetPalette::body());
}

void panel(QPainter& p)
{
    const QRect r(10, 247, 335, 177);
    p.fillRect(r, CabinetPalette::panel());
    rule(p, 8, 344, 245);
    rule(p, 8, 344, 424);
    p.fillRect(QRect(10, 248, 2, 176), kChromeMid);
    // Gold rules under the caption and below the rows.
    p.fillRect(QRect(36, 279, 305, 1), kGold);
    p.fillRect(QRect(36, 416, 305, 1), kGold);
    // Dark sockets behind the amount counters (the game draws black cells in them).
    for (int col = 0; col < 2; ++col)
        for (int row = 0; row < 4; ++row) {
            const QRect amount(125 + 154 * col, 290 + 32 * row, 64, 21);
            p.fillRect(amount.adjusted(-1, -1, col == 0 ? 0 : 1, 1), QColor(8, 8, 12));
        }
}

void lowerCabinet(QPainter& p)
{
    // Coin tray on the left; the right side keeps the plain patch at (250, 430) for the banner.
    QPainterPath tray;
    tray.addRoundedRect(QRectF(24, 442, 204, 40), 10, 10);
    p.fillPath(tray, QColor(40, 42, 50));
    p.strokePath(tray, QPen(kChromeDark, 4));
    p.strokePath(tray, QPen(kChromeLight, 2));
    QPainterPath well;
    well.addRoundedRect(QRectF(32, 450, 188, 26), 7, 7);
    QLinearGradient wg(0, 450, 0, 476);
    wg.setColorAt(0.0, QColor(6, 6, 10));
    wg.setColorAt(1.0, QColor(60, 62, 72));
    p.fillPath(well, wg);
    // A few coins left in the tray.
    const QPointF coins[] = {{70, 469}, {84, 471}, {160, 468}};
    for (const QPointF& c : coins) {
        QPainterPath coin;
        coin.addEllipse(c, 8, 3.6);
        Shade::fill(p, coin, QColor(255, 236, 140), QColor(170, 110, 0), 0.8, QColor(80, 50, 0));
    }
    // Coin entry plate on the right.
    QPainterPath plate;
    plate.addRoundedRect(QRectF(274, 436, 58, 48), 6, 6);
    Shade::vertical(p, plate, kChromeLight, kChromeMid, 1.2, kChromeDark);
    QPainterPath slot;
    slot.addRoundedRect(QRectF(300, 443, 6, 22), 3, 3);
    p.fillPath(slot, QColor(10, 10, 14));
    const QPainterPath label =
        TextPath::fitted(TextPath::sansBold(), QStringLiteral("INSERT COIN"), QRectF(278, 470, 50, 9));
    p.fillPath(label, QColor(150, 20, 20));
}

void base(QPainter& p)
{
    const QRect r(8, 490, 337, 32);
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0.0, QColor(64, 66, 80));
    g.setColorAt(1.0, QColor(18, 18, 24));
    p.fillRect(r, g);
    rule(p, 8, 344, 489);
    p.fillRect(QRect(8, 496, 337, 2), QColor(200, 30, 30));
    const QPainterPath name =
        TextPath::fitted(TextPath::sansBold(), QStringLiteral("QUINTEL SLOTS 95"), QRectF(100, 503, 153, 12));
    p.fillPath(name.translated(1, 1), QColor(0, 0, 0));
    Shade::vertical(p, name, QColor(255, 236, 140), QColor(200, 140, 20), 0);
}
} // namespace

QImage CabinetPainter::paint(int scale)
{
    QImage img = canvas(kWidth, kHeight, scale);
    img.fill(CabinetPalette::windowYellow());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);

    // Body of the cabinet with rounded outer corners on the yellow window.
    QPainterPath silhouette;
    silhouette.addRoundedRect(QRectF(0, 0, kWidth, kHeight), 9, 9);
    p.save();
    p.setClipPath(silhouette);
    p.fillRect(QRect(0, 0, kWidth, kHeight), CabinetPalette::body());
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(8, 0, 337, 47), CabinetPalette::top());
    counterBand(p);
    reelFrame(p);
    bannerSlot(p);
    panel(p);
    p.setRenderHint(QPainter::Antialiasing, true);
    lowerCabinet(p);
    base(p);
    dome(p);
    CabinetPainter::paintRail(p, 0, 0, kHeight);
    CabinetPainter::paintRail(p, 345, 0, kHeight);
    p.restore();
    return img;
}

void CabinetPainter::paintRail(QPainter& p, int x0, int y0, int height)
{
    QLinearGradient g(x0, 0, x0 + 8, 0);
    g.setColorAt(0.0, kChromeDark);
    g.setColorAt(0.35, kChromeLight);
    g.setColorAt(0.7, kChromeMid);
    g.setColorAt(1.0, QColor(50, 52, 62));
    p.fillRect(QRect(x0, y0, 8, height), g);
}
