#include "PictureCompare.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace {

int channelDelta(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b)),
                     std::abs(qAlpha(a) - qAlpha(b))});
}

} // namespace

bool PictureDiff::acceptable() const { return sameShape && offPixels <= kMaxOffPixels && !solidPatch; }

std::string PictureDiff::describe() const
{
    std::ostringstream s;
    if (!sameShape) return "different size or pixel format: " + shape;
    s << offPixels << " pixel" << (offPixels == 1 ? "" : "s") << " off by up to " << largestDelta;
    if (offPixels > 0) {
        s << " within (" << bounds.left() << ", " << bounds.top() << ")-(" << bounds.right() << ", " << bounds.bottom()
          << "), first at";
        for (const QPoint& p : first) s << " (" << p.x() << ", " << p.y() << ")";
    }
    if (solidPatch) s << "; a solid patch changed";
    return s.str();
}

PictureDiff comparePictures(const QImage& made, const QImage& committed)
{
    PictureDiff d;
    if (made.isNull() || committed.isNull() || made.size() != committed.size() || made.format() != committed.format()) {
        const auto shape = [](const QImage& i) {
            return i.isNull() ? std::string("unreadable")
                              : std::to_string(i.width()) + " x " + std::to_string(i.height()) + " (QImage format " +
                                    std::to_string(int(i.format())) + ")";
        };
        d.sameShape = false;
        d.shape = shape(made) + " against " + shape(committed);
        return d;
    }
    const QImage a = made.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = committed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = a.width(), h = a.height();
    std::vector<char> off(size_t(w) * size_t(h), 0);
    for (int y = 0; y < h; ++y) {
        const auto* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const int delta = channelDelta(pa[x], pb[x]);
            d.largestDelta = std::max(d.largestDelta, delta);
            if (delta <= kShadeSlack) continue;
            off[size_t(y) * w + x] = 1;
            ++d.offPixels;
            d.bounds |= QRect(x, y, 1, 1);
            if (d.first.size() < 5) d.first.emplace_back(x, y);
            // Edge noise is scattered along an outline; four neighbours in a square mean a painted area moved.
            if (x > 0 && y > 0 && off[size_t(y) * w + x - 1] && off[size_t(y - 1) * w + x] &&
                off[size_t(y - 1) * w + x - 1])
                d.solidPatch = true;
        }
    }
    return d;
}
