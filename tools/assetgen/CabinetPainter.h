#pragma once

#include <QImage>

class QPainter;

// The 353 x 522 cabinet the main window is drawn on. The game paints reels, counters,
// captions, the banner and the pay-table amounts on top of it at fixed coordinates, so
// this picture leaves the right areas white, black, plain or dark.
class CabinetPainter {
public:
    static constexpr int kWidth = 353;
    static constexpr int kHeight = 522;

    // scale: device pixels per logical pixel (1, 2 or 3).
    static QImage paint(int scale = 1);
    // The chrome side rail, 8 px wide and the same in every row; the lever pictures repeat it.
    static void paintRail(QPainter& p, int x0, int y0, int height);
};
