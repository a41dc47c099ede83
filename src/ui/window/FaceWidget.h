#pragma once

#include <QWidget>
#include <functional>

class Face;

// Shows the face surface and turns clicks on the two invisible zones into play actions:
// Label1(0) spins, Label1(1) inserts a coin.
class FaceWidget : public QWidget {
    Q_OBJECT
public:
    static const QRect kSpinZone;
    static const QRect kCoinZone;
    // The "INSERT COIN" plate painted on the cabinet: a click there inserts a coin too.
    static const QRect kCoinPlate;

    FaceWidget(Face& face, QWidget* parent = nullptr);

    std::function<void(int zone)> zoneClicked;
    // Called before painting when the screen's pixel ratio is not the surface's.
    std::function<void()> pixelRatioChanged;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int zoneAt(const QPoint& pos) const;
    Face& face_;
    int pressedZone_ = -1;
};
