#include "TextPath.h"

#include <QFile>
#include <QFont>
#include <QHash>
#include <QRawFont>
#include <QTransform>

#include <stdexcept>

QString TextPath::sansBold() { return QStringLiteral("/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf"); }
QString TextPath::sans() { return QStringLiteral("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf"); }
QString TextPath::serifBold()
{
    return QStringLiteral("/usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf");
}
QString TextPath::script() { return QStringLiteral("/usr/share/fonts/opentype/lobster/lobster.otf"); }

void TextPath::requireFonts()
{
    for (const QString& f : {sansBold(), sans(), serifBold(), script()}) {
        if (!QFile::exists(f))
            throw std::runtime_error("font file missing: " + f.toStdString() +
                                     " (install the Debian packages fonts-liberation2 and fonts-lobster)");
    }
}

QPainterPath TextPath::make(const QString& fontFile, qreal pixelSize, const QString& text)
{
    // Loaded at a fixed design size; outlines are scaled, which keeps shapes identical at any size.
    static QHash<QString, QRawFont> cache;
    auto it = cache.find(fontFile);
    if (it == cache.end()) {
        QRawFont raw(fontFile, 256.0, QFont::PreferNoHinting);
        if (!raw.isValid()) throw std::runtime_error("cannot load font " + fontFile.toStdString());
        it = cache.insert(fontFile, raw);
    }
    const QRawFont& raw = it.value();
    const QList<quint32> glyphs = raw.glyphIndexesForString(text);
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances);
    QPainterPath path;
    qreal x = 0;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        QPainterPath g = raw.pathForGlyph(glyphs[i]);
        g.translate(x, 0);
        path.addPath(g);
        x += advances[i].x();
    }
    path.setFillRule(Qt::WindingFill);
    const qreal s = pixelSize / 256.0;
    return QTransform::fromScale(s, s).map(path);
}

QPainterPath TextPath::fitted(const QString& fontFile, const QString& text, const QRectF& box)
{
    QPainterPath p = make(fontFile, 100.0, text);
    const QRectF b = p.boundingRect();
    if (b.isEmpty()) return p;
    const qreal s = std::min(box.width() / b.width(), box.height() / b.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(s, s);
    t.translate(-b.center().x(), -b.center().y());
    return t.map(p);
}

QPainterPath TextPath::centred(const QString& fontFile, qreal pixelSize, const QString& text, QPointF centre)
{
    QPainterPath p = make(fontFile, pixelSize, text);
    const QRectF b = p.boundingRect();
    p.translate(centre - b.center());
    return p;
}
