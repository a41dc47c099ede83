#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <vector>

// Seven-segment digit strips: glyphs 0-9, a blank cell (all segments unlit) and a decimal point.
// Small cells are 16 x 21 (strip 181 x 21), large cells 32 x 42 (strip 362 x 42).
class DigitStrips {
public:
    struct Colour {
        QString name; // file suffix
        QColor lit;
        QColor unlit;
    };

    // The seven counter colours in the order of the "Digit Colors" menu.
    static std::vector<Colour> smallColours();
    static Colour largeColour();

    // Sizes are logical pixels; scale gives the device pixels per logical pixel (1, 2 or 3).
    static QImage strip(const Colour& colour, int cellWidth, int cellHeight, int pointWidth, int scale = 1);
    static QImage smallStrip(const Colour& colour, int scale = 1) { return strip(colour, 16, 21, 5, scale); }
    static QImage largeStrip(int scale = 1) { return strip(largeColour(), 32, 42, 10, scale); }
};
