#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>

class QPainter;

// Shared painting moves for cabinet-style art: gradient fills with dark outlines and gloss.
class Shade {
public:
    static QColor mix(const QColor& a, const QColor& b, qreal t);

    // Diagonal gradient from light (top left) to dark (bottom right), then an outline.
    static void fill(QPainter& p, const QPainterPath& path, const QColor& light, const QColor& dark,
                     qreal outline = 1.6, const QColor& edge = QColor(30, 22, 16));
    // Radial gradient lit from the upper left, then an outline.
    static void ball(QPainter& p, const QPainterPath& path, const QColor& light, const QColor& dark,
                     qreal outline = 1.6, const QColor& edge = QColor(30, 22, 16));
    // Vertical gradient, then an outline.
    static void vertical(QPainter& p, const QPainterPath& path, const QColor& top, const QColor& bottom,
                         qreal outline = 1.6, const QColor& edge = QColor(30, 22, 16));
    // A soft white highlight inside r.
    static void gloss(QPainter& p, const QRectF& r, qreal alpha = 0.6);
    // A four-pointed sparkle.
    static void sparkle(QPainter& p, QPointF c, qreal size, const QColor& colour);
    // The point at `radians` on the ellipse with radii rx, ry around centre, snapped to 1/1024 pixel so that
    // last-bit differences in sine and cosine between processors never reach the picture.
    static QPointF polar(QPointF centre, qreal rx, qreal ry, double radians);
    // The outline of a thick stroke along path, as a fillable shape.
    static QPainterPath stroked(const QPainterPath& path, qreal width, Qt::PenCapStyle cap = Qt::RoundCap);
};
