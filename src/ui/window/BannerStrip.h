#pragma once

#include <QImage>
#include <QString>

class QPainter;

// The scrolling banner: its text rendered once onto a surface (the text followed by 25 blanks, on a
// background tiled from a patch of the cabinet), and a 280 x 20 window onto it that moves 10 pixels
// a tick. The window always wraps round the surface as often as needed, so even a surface narrower
// than the strip fills it completely.
class BannerStrip {
public:
    static constexpr int kWidth = 280;
    static constexpr int kHeight = 20;
    static constexpr int kStep = 10;

    const QString& text() const { return text_; }
    // A changed text is rendered again at the next tick.
    void setText(const QString& text);
    bool rendered() const { return rendered_; }
    // The first-tick flag cleared: the surface is rendered again at the next tick.
    void invalidate() { rendered_ = false; }

    // Renders the text onto a new surface at the given pixel ratio; patch is the 10 x 10 background tile.
    void render(const QImage& patch, qreal pixelRatio);
    // Moves the window on by one step, wrapping round the surface.
    void advance();
    // Copies the 280 x 20 window at the current offset to (x, y).
    void draw(QPainter& painter, int x, int y);

    int offset() const { return offset_; }
    void setOffset(int offset) { offset_ = offset; }
    const QImage& surface() const { return surface_; }
    // Width of the surface in logical pixels (at least 1).
    int surfaceWidth() const { return width_; }

private:
    QString text_;
    QImage surface_;
    int width_ = 65;
    int offset_ = 0;
    bool rendered_ = false;
};
