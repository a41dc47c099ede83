#pragma once

#include <QImage>
#include <string>

// True when the w x h block of a at (ax, ay) equals the block of b at (bx, by), pixel for pixel.
inline bool sameBlock(const QImage& a, int ax, int ay, const QImage& b, int bx, int by, int w, int h,
                      std::string* where = nullptr)
{
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (a.pixel(ax + x, ay + y) != b.pixel(bx + x, by + y)) {
                if (where) *where = "differs at " + std::to_string(x) + "," + std::to_string(y);
                return false;
            }
        }
    }
    return true;
}
