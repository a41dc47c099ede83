#pragma once

#include <QColor>

// The classic 16-colour palette the face is painted with: 0 black, 1 blue, 2 green, 3 cyan, 4 red,
// 5 magenta, 6 brown, 7 light grey, 8 dark grey, 9 light blue, 10 light green, 11 light cyan,
// 12 light red, 13 light magenta, 14 yellow, 15 white.
class Palette {
public:
    static constexpr int kColorCount = 16;
    // The colour of index; indices outside 0..15 give black.
    static QColor color(int index);
    static QRgb rgb(int index);
};
