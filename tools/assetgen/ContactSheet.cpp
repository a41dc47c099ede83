#include "ContactSheet.h"

#include "TextPath.h"

#include <QPainter>

#include <algorithm>

void ContactSheet::add(const QString& label, const QImage& image, int scale)
{
    entries_.push_back({label, image, scale});
}

QImage ContactSheet::render() const
{
    // Simple shelf packing: fill rows left to right up to a fixed width.
    constexpr int kWidth = 1400, kGap = 14, kLabel = 16;
    struct Placed {
        const Entry* e;
        int x, y;
    };
    std::vector<Placed> placed;
    int x = kGap, y = kGap, rowHeight = 0;
    for (const Entry& e : entries_) {
        const int w = std::max(e.image.width() * e.scale, 90);
        const int h = e.image.height() * e.scale + kLabel;
        if (x + w > kWidth - kGap && x > kGap) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        placed.push_back({&e, x, y});
        x += w + kGap;
        rowHeight = std::max(rowHeight, h);
    }
    QImage sheet(kWidth, y + rowHeight + kGap, QImage::Format_RGB32);
    sheet.fill(QColor(96, 96, 104));
    QPainter p(&sheet);
    for (const Placed& pl : placed) {
        const Entry& e = *pl.e;
        p.setRenderHint(QPainter::Antialiasing, true);
        const QPainterPath text = TextPath::make(TextPath::sans(), 12, e.label).translated(pl.x, pl.y + 11);
        p.fillPath(text, QColor(255, 255, 255));
        p.setRenderHint(QPainter::Antialiasing, false);
        const QRect target(pl.x, pl.y + kLabel, e.image.width() * e.scale, e.image.height() * e.scale);
        // Checkerboard behind transparent pictures.
        for (int cy = target.top(); cy < target.bottom(); cy += 8)
            for (int cx = target.left(); cx < target.right(); cx += 8)
                p.fillRect(QRect(cx, cy, 8, 8).intersected(target),
                           ((cx - target.left()) / 8 + (cy - target.top()) / 8) % 2 ? QColor(200, 200, 200)
                                                                                    : QColor(240, 240, 240));
        p.drawImage(target, e.image); // nearest-neighbour scaling keeps pixels crisp
    }
    return sheet;
}
