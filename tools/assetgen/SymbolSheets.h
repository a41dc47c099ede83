#pragma once

#include <QImage>

class SymbolSet;

// Lays a machine's artwork out in the bitmaps the game reads: the 64 px symbol sheet
// (three cells per row, white like the reel) and the 32 px legend bitmap (on the panel colour).
// scale gives the device pixels per logical pixel (1, 2 or 3) of the sheets and legend cells.
class SymbolSheets {
public:
    static constexpr int kSymbolCell = 64;
    static constexpr int kLegendCell = 32;

    static QImage symbolSheet(const SymbolSet& set, int scale = 1);
    static QImage legendSheet(const SymbolSet& set, int scale = 1);
    // One symbol at size x size device pixels: the sheet's cell when size is 64 times its scale.
    static QImage symbol(const SymbolSet& set, int symbol, int size);
    static QImage legendCell(const SymbolSet& set, int cell, int scale = 1);
    // One pay-table row as the game shows it: the row's legend cells side by side.
    static QImage legendStrip(const SymbolSet& set, int row);
};
