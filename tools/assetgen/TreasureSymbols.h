#pragma once

#include "SymbolSet.h"

// Machine 2, "Treasure Chest Slots": a pirate treasure hunt.
// 0 jolly roger (wild), 1 diamond, 2 ruby, 3 gold coins, 4 treasure map, 5 compass,
// 6 treasure chest (starts free spins), 7 anchor (the common low symbol);
// legend cell 6 shows "anchor or jolly roger", cell 7 the chest.
class TreasureSymbols : public SymbolSet {
public:
    int machine() const override { return 2; }
    void drawSymbol(QPainter& p, int symbol) const override;
    void drawLegendCell(QPainter& p, int cell) const override;

private:
    static void drawFlag(QPainter& p);
    static void drawDiamond(QPainter& p);
    static void drawRuby(QPainter& p);
    static void drawCoins(QPainter& p);
    static void drawMap(QPainter& p);
    static void drawCompass(QPainter& p);
    static void drawChest(QPainter& p);
    // The light version reads on the dark pay-table panel.
    static void drawAnchor(QPainter& p, bool light = false);
};
