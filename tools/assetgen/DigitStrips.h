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
    QString name;  // file suffix
    QColor lit;
    QColor unlit;
  };

  // The seven counter colours in the order of the "Digit Colors" menu.
  static std::vector<Colour> smallColours();
  static Colour largeColour();

  static QImage strip(const Colour& colour, int cellWidth, int cellHeight, int pointWidth);
  static QImage smallStrip(const Colour& colour) { return strip(colour, 16, 21, 5); }
  static QImage largeStrip() { return strip(largeColour(), 32, 42, 10); }
};
