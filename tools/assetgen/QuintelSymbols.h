#pragma once

#include "SymbolSet.h"

// Machine 0, "Quintel Slots": a fruit machine whose gold Q medallion is wild.
// 0 Q medallion, 1 bell, 2 plum, 3 orange, 4 watermelon, 5 cherries, 6 lemon (pays nothing);
// legend cell 7 is the "any symbol" tile.
class QuintelSymbols : public SymbolSet {
public:
    int machine() const override { return 0; }
    void drawSymbol(QPainter& p, int symbol) const override;
    void drawLegendCell(QPainter& p, int cell) const override;

    static void drawMedallion(QPainter& p);
    static void drawLemon(QPainter& p);
    static void drawCherries(QPainter& p);
    static void drawAnyTile(QPainter& p);

private:
    static void drawBell(QPainter& p);
    static void drawPlum(QPainter& p);
    static void drawOrange(QPainter& p);
    static void drawMelon(QPainter& p);
};
