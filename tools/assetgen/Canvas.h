#pragma once

#include <QImage>

// A picture of w x h logical pixels drawn at `scale` device pixels per logical pixel: painters on it
// work in logical coordinates, so one drawing routine makes the 1x, 2x and 3x pictures alike.
inline QImage canvas(int w, int h, int scale, QImage::Format format = QImage::Format_RGB32)
{
    QImage img(w * scale, h * scale, format);
    img.setDevicePixelRatio(scale);
    return img;
}
