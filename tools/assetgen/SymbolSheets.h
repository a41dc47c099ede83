#pragma once

#include <QImage>

class SymbolSet;

// Lays a machine's artwork out in the bitmaps the game reads: the 64 px symbol sheet
// (three cells per row, white like the reel) and the 32 px legend bitmap (on the panel colour).
class SymbolSheets {
public:
  static constexpr int kSymbolCell = 64;
  static constexpr int kLegendCell = 32;

  static QImage symbolSheet(const SymbolSet& set);
  static QImage legendSheet(const SymbolSet& set);
  static QImage symbol(const SymbolSet& set, int symbol, int size);
  static QImage legendCell(const SymbolSet& set, int cell);
  // One pay-table row as the game shows it: the row's legend cells side by side.
  static QImage legendStrip(const SymbolSet& set, int row);
};
