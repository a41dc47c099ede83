#pragma once

#include <QColor>

// The few flat colours that several pictures must share exactly, because the game
// copies one picture onto another (legend cells onto the pay-table panel, the lamp
// onto the cabinet top, the knob eraser onto the yellow window).
struct CabinetPalette {
    static QColor windowYellow() { return QColor(255, 255, 0); }
    static QColor body() { return QColor(120, 126, 140); }     // plain cabinet, also the banner strip
    static QColor top() { return QColor(58, 62, 76); }         // cabinet top band, behind the lamp
    static QColor panel() { return QColor(22, 28, 68); }       // pay-table panel, behind the legend cells
    static QColor counterBand() { return QColor(14, 14, 20); } // behind the credit and wager counters
    static QColor reel() { return QColor(255, 255, 255); }
};
