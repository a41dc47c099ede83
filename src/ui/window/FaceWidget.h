#pragma once

#include <QRect>
#include <QWidget>
#include <functional>

class Face;
class FaceReadout;

// Shows the face surface and turns clicks on the two invisible zones into play actions:
// zone 0 (the reels) spins, zone 1 (the coin slot) inserts a coin. The face is shown at the window size (100% to 300%);
// zones and repaints are in face coordinates and scale with it.
class FaceWidget : public QWidget {
    Q_OBJECT
public:
    static constexpr QRect kSpinZone{144, 128, 305, 65};
    static constexpr QRect kCoinZone{72, 0, 265, 49};
    // The "INSERT COIN" plate painted on the cabinet: a click there inserts a coin too.
    static constexpr QRect kCoinPlate{274, 436, 58, 48};

    FaceWidget(Face& face, QWidget* parent = nullptr);

    // The widget's size in percent of the face's own size.
    void setZoom(int percent);
    int zoom() const { return zoom_; }
    // Device pixels per face pixel: the screen's pixel ratio times the window size.
    qreal faceRatio() const { return devicePixelRatioF() * zoom_ / 100.0; }
    // Repaints a rectangle given in face coordinates.
    void updateFace(const QRect& faceRect);

    std::function<void(int zone)> zoneClicked;
    // Called before painting when the face ratio asks for a surface of another scale.
    std::function<void()> pixelRatioChanged;

    const Face& face() const { return face_; }

    // What a screen reader reads from the face (FaceAccessible); null until the window sets it.
    FaceReadout* readout() const { return readout_; }
    void setReadout(FaceReadout* readout) { readout_ = readout; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int zoneAt(const QPointF& pos) const;
    Face& face_;
    int zoom_ = 100;
    int pressedZone_ = -1;
    FaceReadout* readout_ = nullptr;
};
