#pragma once

#include <QImage>

// The small pictures of the main window: lamp, lever, logo and the program icon.
class WindowArt {
public:
    // 32 x 41 red lamp: phase 0 unlit, 1 and 2 the two lit phases of the top-award flash.
    // scale: device pixels per logical pixel (1, 2 or 3); sizes below are logical.
    static QImage lamp(int phase, int scale = 1);
    // Lever 0: 101 x 226, black ball on a chrome rod, on the yellow window. Lever 1: 101 x 72,
    // the knob eraser. Both repeat the cabinet's side rail in their first 8 columns, which
    // overlap the cabinet.
    static QImage handle(int index, int scale = 1);
    static QImage logo(int scale = 1);
    // Program icon at size x size, transparent background.
    static QImage icon(int size);
};
