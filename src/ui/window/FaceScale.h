#pragma once

#include <functional>

class BannerStrip;
class Face;
class FaceWidget;
class Graphics;
class QMainWindow;
class SlotMachine;

// The size the face is shown at: the player's window size (a percentage of the face's own size) times
// the screen's pixel ratio, and the picture set and surfaces drawn for it.
class FaceScale {
public:
    // repaint draws the whole face again after its surface changed.
    FaceScale(QMainWindow& window, FaceWidget& widget, Face& face, Graphics& graphics, BannerStrip& banner,
              std::function<void()> repaint);

    // The machine whose pictures and reels are drawn; set once play begins.
    void setMachine(const SlotMachine& machine) { machine_ = &machine; }
    // The menu entry of a size; -1 for none of the sizes.
    static int entryOf(int percent);
    static int entryCount();
    static int sizeAt(int entry);
    // Shows the face at one of the sizes and moves a grown window back onto the screen as far as it fits.
    void setZoom(int percent);
    int zoom() const;
    // The largest size whose window fits within 80% of the screen's available height.
    int largestFitting() const;
    // Draws the face at device resolution for the screen's ratio times the window size.
    void adoptPixelRatio();

private:
    void keepOnScreen();

    QMainWindow& window_;
    FaceWidget& widget_;
    Face& face_;
    Graphics& graphics_;
    BannerStrip& banner_;
    std::function<void()> repaint_;
    const SlotMachine* machine_ = nullptr;
};
