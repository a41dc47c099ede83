#pragma once

#include <QString>

#include "ReelSet.h"

#include <string>
#include <vector>

class QPainter;

// The artwork of one machine: its reel symbols and the legend cells of its pay table.
// Everything is drawn into a 64 x 64 unit square; callers scale for the 32 px legend.
class SymbolSet {
public:
  virtual ~SymbolSet() = default;

  virtual int machine() const = 0;             // 0..2, as the game numbers the machines
  virtual std::string sheetName() const = 0;   // symbol sheet file, without ".BMP"
  virtual std::string legendName() const = 0;  // legend bitmap file, without ".BMP"
  virtual QString machineName() const = 0;
  virtual int symbolCount() const = 0;
  virtual QString symbolName(int symbol) const = 0;
  virtual void drawSymbol(QPainter& p, int symbol) const = 0;
  virtual void drawLegendCell(QPainter& p, int cell) const = 0;
  // Legend cells shown on pay-table row r (0..7), left to right.
  virtual std::vector<int> legendRow(int row) const = 0;
  // How the combination of row r reads in words.
  virtual QString comboText(int row) const = 0;
  // The multiplier of row r, from the game's own pay table.
  int multiplier(int row) const {
    return row >= 0 && row < kComboCount ? buildReelSet(machine(), false).payTable[static_cast<std::size_t>(row)] : 0;
  }
};
