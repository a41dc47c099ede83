#include "Shade.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

QColor Shade::mix(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

static void outlinePath(QPainter& p, const QPainterPath& path, qreal outline, const QColor& edge)
{
    if (outline <= 0) return;
    QPen pen(edge, outline);
    pen.setJoinStyle(Qt::RoundJoin);
    p.strokePath(path, pen);
}

void Shade::fill(QPainter& p, const QPainterPath& path, const QColor& light, const QColor& dark, qreal outline,
                 const QColor& edge)
{
    const QRectF b = path.boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomRight());
    g.setColorAt(0.0, light);
    g.setColorAt(1.0, dark);
    p.fillPath(path, g);
    outlinePath(p, path, outline, edge);
}

void Shade::ball(QPainter& p, const QPainterPath& path, const QColor& light, const QColor& dark, qreal outline,
                 const QColor& edge)
{
    const QRectF b = path.boundingRect();
    const QPointF focus(b.left() + b.width() * 0.35, b.top() + b.height() * 0.3);
    QRadialGradient g(focus, std::max(b.width(), b.height()) * 0.85, focus);
    g.setColorAt(0.0, light);
    g.setColorAt(1.0, dark);
    p.fillPath(path, g);
    outlinePath(p, path, outline, edge);
}

void Shade::vertical(QPainter& p, const QPainterPath& path, const QColor& top, const QColor& bottom, qreal outline,
                     const QColor& edge)
{
    const QRectF b = path.boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    g.setColorAt(0.0, top);
    g.setColorAt(1.0, bottom);
    p.fillPath(path, g);
    outlinePath(p, path, outline, edge);
}

void Shade::gloss(QPainter& p, const QRectF& r, qreal alpha)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, QColor(255, 255, 255, static_cast<int>(255 * alpha)));
    g.setColorAt(1.0, QColor(255, 255, 255, 0));
    QPainterPath e;
    e.addEllipse(r);
    p.fillPath(e, g);
}

void Shade::sparkle(QPainter& p, QPointF c, qreal size, const QColor& colour)
{
    QPainterPath s;
    const qreal w = size * 0.22;
    s.moveTo(c.x(), c.y() - size);
    s.quadTo(c.x() + w, c.y() - w, c.x() + size, c.y());
    s.quadTo(c.x() + w, c.y() + w, c.x(), c.y() + size);
    s.quadTo(c.x() - w, c.y() + w, c.x() - size, c.y());
    s.quadTo(c.x() - w, c.y() - w, c.x(), c.y() - size);
    p.fillPath(s, colour);
}

QPainterPath Shade::stroked(const QPainterPath& path, qreal width, Qt::PenCapStyle cap)
{
    QPainterPathStroker s;
    s.setWidth(width);
    s.setCapStyle(cap);
    s.setJoinStyle(Qt::RoundJoin);
    return s.createStroke(path).simplified();
}

QPointF Shade::polar(QPointF centre, qreal rx, qreal ry, double radians)
{
    const auto snap = [](double v) { return std::round(v * 1024.0) / 1024.0; };
    return {snap(centre.x() + rx * std::cos(radians)), snap(centre.y() + ry * std::sin(radians))};
}
