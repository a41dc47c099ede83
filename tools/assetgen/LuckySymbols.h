#pragma once

#include "SymbolSet.h"

#include <QColor>
#include <QPainterPath>

// Machine 1, "Lucky 7 Slots": four sevens and two bars.
// 0 red seven (wild), 1 blue seven, 2 white seven, 3 gold seven, 4 double bar, 5 single bar,
// 6 lemon (pays nothing); legend cell 6 is "any seven", cell 7 "any bar".
class LuckySymbols : public SymbolSet {
public:
    int machine() const override { return 1; }
    void drawSymbol(QPainter& p, int symbol) const override;
    void drawLegendCell(QPainter& p, int cell) const override;

    static QPainterPath sevenShape();
    static void drawSeven(QPainter& p, const QColor& light, const QColor& dark, const QColor& rim);

private:
    static void drawBarPlate(QPainter& p, const QRectF& r, const QColor& trim, const QString& text);
    static void drawAnySeven(QPainter& p);
    static void drawAnyBar(QPainter& p);
};
