#include "SymbolSheets.h"

#include "CabinetPalette.h"
#include "Canvas.h"
#include "SymbolSet.h"

#include <QPainter>

namespace {
QPainter& prepare(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    return p;
}
} // namespace

QImage SymbolSheets::symbol(const SymbolSet& set, int symbol, int size)
{
    QImage img(size, size, QImage::Format_RGB32);
    img.fill(CabinetPalette::reel());
    QPainter p(&img);
    prepare(p);
    p.scale(size / 64.0, size / 64.0);
    set.drawSymbol(p, symbol);
    return img;
}

QImage SymbolSheets::legendCell(const SymbolSet& set, int cell, int scale)
{
    QImage img = canvas(kLegendCell, kLegendCell, scale);
    img.fill(CabinetPalette::panel());
    QPainter p(&img);
    prepare(p);
    // The game overlaps neighbouring cells by up to 5 px, so keep a margin all round.
    constexpr qreal s = 0.44;
    p.translate(16 - 32 * s, 16 - 32 * s);
    p.scale(s, s);
    set.drawLegendCell(p, cell);
    return img;
}

QImage SymbolSheets::symbolSheet(const SymbolSet& set, int scale)
{
    QImage sheet = canvas(3 * kSymbolCell, 3 * kSymbolCell, scale);
    sheet.fill(CabinetPalette::reel());
    QPainter p(&sheet);
    for (int n = 0; n < set.symbolCount(); ++n) {
        // A pure copy: each cell holds exactly the symbol as drawn alone.
        p.drawImage(QRect((n % 3) * kSymbolCell, (n / 3) * kSymbolCell, kSymbolCell, kSymbolCell),
                    symbol(set, n, kSymbolCell * scale));
    }
    return sheet;
}

QImage SymbolSheets::legendSheet(const SymbolSet& set, int scale)
{
    QImage sheet = canvas(3 * kLegendCell, 3 * kLegendCell, scale);
    sheet.fill(CabinetPalette::panel());
    QPainter p(&sheet);
    for (int n = 0; n < 8; ++n) p.drawImage((n % 3) * kLegendCell, (n / 3) * kLegendCell, legendCell(set, n, scale));
    return sheet;
}

QImage SymbolSheets::legendStrip(const SymbolSet& set, int row)
{
    const auto cells = set.legendRow(row);
    const int step = set.legendStep();
    QImage img(kLegendCell + step * 2, kLegendCell, QImage::Format_RGB32);
    img.fill(CabinetPalette::panel());
    QPainter p(&img);
    for (size_t k = 0; k < cells.size(); ++k) p.drawImage(static_cast<int>(k) * step, 0, legendCell(set, cells[k]));
    return img;
}
