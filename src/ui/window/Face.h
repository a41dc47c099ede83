#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include "Money.h"

class BannerStrip;
class Graphics;
class QPainter;
class SlotMachine;

// The window-sized surface the game is drawn on, and every routine that draws on it: reels, pay line,
// legend, lever, captions, counters, payoff table, statistics chart, lamp, the free-spin label and
// the banner strip. Each routine returns the rectangle it changed so the widget can show it at once.
class Face {
public:
    static constexpr int kWidth = 614;
    static constexpr int kHeight = 524;

    Face(Graphics& graphics, const SlotMachine& machine);

    // The surface is at device resolution for ratios from 1 up to a cap; beyond it the widget scales it.
    static constexpr qreal kMaxRatio = 6.0;
    static qreal surfaceRatio(qreal ratio);
    // A new surface for the ratio of device pixels to face pixels (the screen's pixel ratio times the
    // window size), the whole face pending on it (see invalidate). Text and lines are drawn on it at device
    // resolution; pictures of another scale are scaled to it, smoothly when they are larger.
    void setPixelRatio(qreal ratio);
    qreal pixelRatio() const { return surface_.devicePixelRatio(); }
    // The surface as painted so far (unpainted at first): ensurePainted() does a whole-face paint still pending.
    const QImage& surface() const { return surface_; }

    void setCaptionColor(int index) { captionColor_ = index; }
    int captionColor() const { return captionColor_; }

    // The paint handler: the whole face in its drawing order.
    void paintAll(BannerStrip* banner);
    // The whole face is painted when it is next shown, read or drawn on, not at once: a series of changes
    // paints it once, and at start the window goes on screen before the face is painted.
    void invalidate(BannerStrip* banner);
    void ensurePainted();

    QRect drawReel(int reel, int x, int y, int offset);
    QRect drawRestingReels();
    QRect drawPayLine();
    QRect drawLegend();
    QRect drawLever(int picture, int x, int y, int rows);
    QRect drawMainCounters();
    QRect drawCreditsCounter();
    // What the three counters show, as last drawn: the wager stays on its counter after a spin, the
    // emptied pool until the next stake, though the machine has moved on.
    // A pending whole-face paint will show the machine's own figures.
    Money shownCredits() const;
    Money shownWager() const;
    Money shownPool() const;
    QRect drawSpinsCounter();
    QRect drawPayoffTable(int firstRow, int lastRow, int wager);
    QRect drawPayoffRow(int row, int amount);
    QRect drawStatistics();
    QRect drawLamp(int picture);
    QRect drawFreeSpinLabel(bool shown);
    // What lies over the surface: the free-spin label while it is shown. Logical coordinates.
    void paintOverlay(QPainter& p) const;
    bool freeSpinLabelShown() const { return freeSpinLabel_; }
    QRect drawBanner(BannerStrip& banner);
    QRect eraseBanner();

    // The 10 x 10 patch of plain cabinet the banner background is tiled from.
    QImage bannerPatch();

    // Raised and engraved captions; colours are palette indices, back -1 gives a drop shadow.
    static void printRaised(QPainter& p, int x, int y, const QString& text, int back, int mid, int front);
    static void printEngraved(QPainter& p, int x, int y, const QString& text, int light, int dark, int face);
    // Bevelled frame around the content rectangle (left, top)-(right, bottom), corners included.
    static void drawBevel(QPainter& p, int left, int top, int right, int bottom);

private:
    QRect drawCells(QPainter& p, const QImage& strip, int cellWidth, int cellHeight, int pointWidth, int x, int y,
                    const std::vector<int>& cells);
    QRect drawCaptions(QPainter& p);

    Graphics& graphics_;
    const SlotMachine& machine_;
    QImage surface_;
    int captionColor_ = 12;
    int lamp_ = 0;
    Money shownCredits_, shownWager_, shownPool_;
    bool freeSpinLabel_ = false;
    bool paintPending_ = false;
    BannerStrip* pendingBanner_ = nullptr;
};
