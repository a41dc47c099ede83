#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

// Turns text into outlines straight from a font file (no font configuration, no hinting),
// so every machine renders the same pixels.
class TextPath {
public:
    // Font files from Debian's OFL packages (see assets/CREDITS).
    static QString sansBold();
    static QString sans();
    static QString serifBold();
    static QString script();

    // Outline of text with its baseline starting at the origin.
    static QPainterPath make(const QString& fontFile, qreal pixelSize, const QString& text);
    // Outline scaled (aspect kept) to fit box and centred in it.
    static QPainterPath fitted(const QString& fontFile, const QString& text, const QRectF& box);
    // Outline at pixelSize, centred on centre.
    static QPainterPath centred(const QString& fontFile, qreal pixelSize, const QString& text, QPointF centre);
    // Throws with a clear message when a font file is missing.
    static void requireFonts();
};
