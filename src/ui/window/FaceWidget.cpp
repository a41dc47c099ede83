#include "FaceWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "Face.h"

const QRect FaceWidget::kSpinZone(144, 128, 305, 65);
const QRect FaceWidget::kCoinZone(72, 0, 265, 49);
const QRect FaceWidget::kCoinPlate(274, 436, 58, 48);

FaceWidget::FaceWidget(Face& face, QWidget* parent)
    : QWidget(parent), face_(face)
{
    setFixedSize(Face::kWidth, Face::kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void FaceWidget::paintEvent(QPaintEvent* event)
{
    if (std::ceil(devicePixelRatioF() - 0.01) != face_.pixelRatio() && pixelRatioChanged) pixelRatioChanged();
    QPainter p(this);
    const QRect r = event->rect();
    const qreal s = face_.pixelRatio();
    p.drawImage(QRectF(r), face_.surface(), QRectF(r.x() * s, r.y() * s, r.width() * s, r.height() * s));
    face_.paintOverlay(p);
}

int FaceWidget::zoneAt(const QPoint& pos) const
{
    if (kSpinZone.contains(pos)) return 0;
    if (kCoinZone.contains(pos) || kCoinPlate.contains(pos)) return 1;
    return -1;
}

void FaceWidget::mousePressEvent(QMouseEvent* event)
{
    pressedZone_ = event->button() == Qt::LeftButton ? zoneAt(event->position().toPoint()) : -1;
}

void FaceWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const int zone = pressedZone_;
    pressedZone_ = -1;
    if (event->button() == Qt::LeftButton && zone >= 0 && zone == zoneAt(event->position().toPoint()) && zoneClicked) {
        zoneClicked(zone);
    }
}
