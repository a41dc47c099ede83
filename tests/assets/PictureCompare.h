#pragma once

#include <QImage>
#include <QRect>

#include <string>
#include <vector>

// How a regenerated picture differs from the committed one, decoded and pixel by pixel.
// Processors differ in the last bit of floating-point work, which moves a few antialiased
// edge pixels; everything a player could notice still fails.
struct PictureDiff {
    bool sameShape = true;     // same width, height and pixel format
    std::string shape;         // when not: both sizes and formats
    int offPixels = 0;         // pixels with a channel off by more than kShadeSlack
    int largestDelta = 0;      // the biggest channel difference seen
    bool solidPatch = false;   // some 2 x 2 square is off in all four pixels
    QRect bounds;              // smallest rectangle holding every off pixel
    std::vector<QPoint> first; // the first few off pixels, in reading order

    bool acceptable() const;
    std::string describe() const;
};

// Tolerances, from measurements: regenerating every picture with each libm result one unit in the last
// place off changed channels by at most 2; shifting all drawing by 1e-6 px changed 8 pictures, none by
// more than 4 levels; shifting it by 1/4096 px left at most 9 pixels per picture beyond 4 levels, all on
// edges, apart from one thin line that jumped a whole pixel (caught, rightly, as a square). The one
// difference seen between two processors was 2 edge pixels. A repainted 4 x 4 block, a recoloured
// symbol, a moved line or another size all change more pixels, or a square of them.
//
// Channels (premultiplied, so the colour of an invisible pixel does not count) may differ this much anywhere.
inline constexpr int kShadeSlack = 4;
// At most this many pixels may differ by more, and never four of them in a 2 x 2 square.
inline constexpr int kMaxOffPixels = 12;

PictureDiff comparePictures(const QImage& made, const QImage& committed);
