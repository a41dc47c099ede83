#include "FaceWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "Face.h"

FaceWidget::FaceWidget(Face& face, QWidget* parent)
    : QWidget(parent)
    , face_(face)
{
    setFixedSize(Face::kWidth, Face::kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void FaceWidget::setZoom(int percent)
{
    zoom_ = percent;
    setFixedSize(Face::kWidth * percent / 100, Face::kHeight * percent / 100);
    update();
}

void FaceWidget::updateFace(const QRect& faceRect)
{
    if (faceRect.isEmpty()) return;
    const qreal z = zoom_ / 100.0;
    // One pixel more all round: a smoothly scaled surface blends each pixel with its neighbours.
    update(QRectF(faceRect.x() * z, faceRect.y() * z, faceRect.width() * z, faceRect.height() * z)
               .toAlignedRect()
               .adjusted(-1, -1, 1, 1));
}

void FaceWidget::paintEvent(QPaintEvent* event)
{
    if (std::abs(Face::surfaceRatio(faceRatio()) - face_.pixelRatio()) > 0.001 && pixelRatioChanged)
        pixelRatioChanged();
    face_.ensurePainted();
    QPainter p(this);
    const qreal z = zoom_ / 100.0;
    const QRect e = event->rect();
    const QRectF r(e.x() / z, e.y() / z, e.width() / z, e.height() / z);
    p.scale(z, z);
    const qreal s = face_.pixelRatio();
    // The surface is at device resolution, a plain copy; only beyond its largest ratio is it scaled.
    p.setRenderHint(QPainter::SmoothPixmapTransform, std::abs(faceRatio() - s) > 0.001);
    p.drawImage(r, face_.surface(), QRectF(r.x() * s, r.y() * s, r.width() * s, r.height() * s));
    face_.paintOverlay(p);
}

int FaceWidget::zoneAt(const QPointF& pos) const
{
    const QPointF at = pos * 100.0 / zoom_;
    const QPoint facePos(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
    if (kSpinZone.contains(facePos)) return 0;
    if (kCoinZone.contains(facePos) || kCoinPlate.contains(facePos)) return 1;
    return -1;
}

void FaceWidget::mousePressEvent(QMouseEvent* event)
{
    pressedZone_ = event->button() == Qt::LeftButton ? zoneAt(event->position()) : -1;
}

void FaceWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const int zone = pressedZone_;
    pressedZone_ = -1;
    if (event->button() == Qt::LeftButton && zone >= 0 && zone == zoneAt(event->position()) && zoneClicked) {
        zoneClicked(zone);
    }
}
