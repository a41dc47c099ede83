#pragma once

#include <QImage>

// The small pictures of the main window: lamp, lever, logo and the program icon.
class WindowArt {
public:
  // 32 x 41 red lamp: phase 0 unlit, 1 and 2 the two lit phases of the top-award flash.
  static QImage lamp(int phase);
  // Lever 0: 101 x 226, black ball on a chrome rod, on the yellow window. Lever 1: 101 x 72,
  // the knob eraser. Both repeat the cabinet's side rail in their first 8 columns, which
  // overlap the cabinet.
  static QImage handle(int index);
  static QImage logo();
  // Program icon at size x size, transparent background.
  static QImage icon(int size);
};
