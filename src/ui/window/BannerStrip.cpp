#include "BannerStrip.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "Fonts.h"
#include "Palette.h"

void BannerStrip::setText(const QString& text)
{
    if (text == text_) return;
    text_ = text;
    rendered_ = false;
}

void BannerStrip::render(const QImage& patch, qreal pixelRatio)
{
    const QFont font = Fonts::face(10, true);
    const QFontMetrics metrics(font);
    width_ = std::max(1, metrics.horizontalAdvance(text_) + metrics.horizontalAdvance(QString(25, QLatin1Char(' '))));
    rendered_ = true;
    // The face's own ratio, fractional ones too, so that the text is drawn at device resolution.
    const qreal scale = std::max(1.0, pixelRatio);
    surface_ = QImage(static_cast<int>(std::ceil(width_ * scale - 0.01)),
                      static_cast<int>(std::ceil(kHeight * scale - 0.01)), QImage::Format_RGB32);
    surface_.setDevicePixelRatio(scale);
    surface_.fill(Palette::rgb(7));
    QPainter p(&surface_);
    for (int x = 0; x < width_; x += 10) {
        for (int y = 0; y < kHeight; y += 10) p.drawImage(QRect(x, y, 10, 10), patch);
    }
    p.setFont(font);
    p.setPen(Palette::color(0));
    p.drawText(QPoint(13, 3 + metrics.ascent()), text_);
    p.setPen(Palette::color(11));
    p.drawText(QPoint(12, 2 + metrics.ascent()), text_);
}

void BannerStrip::advance() { offset_ = (offset_ % width_ + kStep) % width_; }

void BannerStrip::draw(QPainter& painter, int x, int y)
{
    if (surface_.isNull()) return;
    offset_ = ((offset_ % width_) + width_) % width_;
    const qreal scale = surface_.devicePixelRatio();
    int source = offset_;
    for (int done = 0; done < kWidth;) {
        const int n = std::min(kWidth - done, width_ - source);
        painter.drawImage(QRectF(x + done, y, n, kHeight), surface_,
                          QRectF(source * scale, 0, n * scale, kHeight * scale));
        done += n;
        source = 0;
    }
}
