#pragma once

#include <QString>

#include "MachineTable.h"

#include <string>
#include <vector>

class QPainter;

// The artwork of one machine: its reel symbols and the legend cells of its pay table.
// Everything is drawn into a 64 x 64 unit square; callers scale for the 32 px legend.
class SymbolSet {
public:
    virtual ~SymbolSet() = default;

    virtual int machine() const = 0; // 0..2, as the game numbers the machines
    virtual void drawSymbol(QPainter& p, int symbol) const = 0;
    virtual void drawLegendCell(QPainter& p, int cell) const = 0;

    // The rest comes from the game's own machine table.
    const MachineDefinition& definition() const { return machineDefinition(machine()); }
    std::string sheetName() const { return definition().symbolSheet; }  // symbol sheet file, without ".BMP"
    std::string legendName() const { return definition().legendSheet; } // legend bitmap file, without ".BMP"
    std::string anchor() const { return definition().anchor; }
    QString machineName() const { return QString::fromLatin1(definition().name); }
    int symbolCount() const { return definition().symbolCount; }
    QString symbolName(int symbol) const
    {
        return symbol >= 0 && symbol < symbolCount()
                   ? QString::fromLatin1(definition().symbolNames[static_cast<std::size_t>(symbol)])
                   : QString();
    }
    int legendStep() const { return definition().legendStep; }
    // Legend cells shown on pay-table row r (0..7), left to right.
    std::vector<int> legendRow(int row) const
    {
        std::vector<int> cells;
        if (row < 0 || row >= kComboCount) return cells;
        for (auto cell : definition().combinations[static_cast<std::size_t>(row)].legend)
            if (cell >= 0) cells.push_back(cell);
        return cells;
    }
    // The name of the combination of row r.
    QString comboText(int row) const
    {
        return row >= 0 && row < kComboCount
                   ? QString::fromLatin1(definition().combinations[static_cast<std::size_t>(row)].name)
                   : QString();
    }
    // The multiplier of row r.
    int multiplier(int row) const { return definition().multiplier(row); }
};
