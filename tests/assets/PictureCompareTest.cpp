// The tolerant picture comparison behind the reproducibility check: antialiasing noise passes,
// anything a player could see fails and is located.
#include "AssetDir.h"
#include "PictureCompare.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace {

QImage asset(const std::string& name)
{
    QImage img = AssetDir::image(name);
    EXPECT_FALSE(img.isNull()) << name;
    return img;
}

int rgbDelta(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// Moves the antialiasing of `count` clearly shaded edge pixels, far apart, one pixel sideways.
int shiftEdgePixels(QImage& img, int count)
{
    int done = 0;
    for (int y = 2; y < img.height() - 2 && done < count; y += 5)
        for (int x = 2; x < img.width() - 2 && done < count; ++x) {
            const QRgb here = img.pixel(x, y), right = img.pixel(x + 1, y);
            if (qAlpha(here) == 255 && qAlpha(right) == 255 && rgbDelta(here, right) > 40) {
                img.setPixel(x, y, right);
                ++done;
                x += 8;
            }
        }
    return done;
}

TEST(PictureCompare, ScatteredEdgeNoisePasses)
{
    const QImage cabinet = asset("cabinet.png");
    EXPECT_EQ(comparePictures(cabinet, cabinet).offPixels, 0);
    QImage noisy = cabinet, noisier = cabinet;
    ASSERT_EQ(shiftEdgePixels(noisy, kMaxOffPixels), kMaxOffPixels);
    const PictureDiff d = comparePictures(noisy, cabinet);
    EXPECT_EQ(d.offPixels, kMaxOffPixels);
    EXPECT_TRUE(d.acceptable()) << d.describe();
    // One more and it is too many to be edge noise.
    ASSERT_EQ(shiftEdgePixels(noisier, kMaxOffPixels + 1), kMaxOffPixels + 1);
    EXPECT_FALSE(comparePictures(noisier, cabinet).acceptable());
}

TEST(PictureCompare, ColourOfNearlyInvisibleIconPixelsDoesNotCount)
{
    // Stored unpremultiplied, a pixel at alpha 1 can swing a channel by 254 for a coverage change of 1/255.
    const QImage icon = asset("icons/quintel-slots-48.png");
    QImage other = icon;
    int changed = 0;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x) {
            const QRgb p = icon.pixel(x, y);
            if (qAlpha(p) == 0) {
                other.setPixel(x, y, qRgba(255 - qRed(p), 255 - qGreen(p), 255 - qBlue(p), 0));
                ++changed;
            }
            if (qAlpha(p) == 1 || qAlpha(p) == 2) other.setPixel(x, y, qRgba(255 - qRed(p), qGreen(p), qBlue(p), 1));
        }
    ASSERT_GT(changed, 100) << "the icon should have a transparent surround";
    const PictureDiff d = comparePictures(other, icon);
    EXPECT_EQ(d.offPixels, 0) << d.describe();
    EXPECT_TRUE(d.acceptable());
}

TEST(PictureCompare, RepaintedBlockFailsAndSaysWhere)
{
    const QImage cabinet = asset("cabinet.png");
    for (const QPoint at : {QPoint(100, 100), QPoint(0, 0), QPoint(349, 518), QPoint(200, 300)}) {
        QImage changed = cabinet;
        for (int y = at.y(); y < at.y() + 4; ++y)
            for (int x = at.x(); x < at.x() + 4; ++x) changed.setPixel(x, y, cabinet.pixel(x, y) ^ 0x00808080u);
        const PictureDiff d = comparePictures(changed, cabinet);
        EXPECT_FALSE(d.acceptable()) << "block at " << at.x() << ", " << at.y();
        EXPECT_EQ(d.offPixels, 16);
        EXPECT_EQ(d.bounds, QRect(at, QSize(4, 4)));
        EXPECT_NE(d.describe().find("(" + std::to_string(at.x()) + ", " + std::to_string(at.y()) + ")"),
                  std::string::npos)
            << d.describe();
    }
}

TEST(PictureCompare, MovedLineTintAndSizeFail)
{
    const QImage cabinet = asset("cabinet.png");
    // A thin line across a white reel window, moved down by three rows: never a solid patch,
    // but far too many pixels for edge noise.
    auto withLine = [&](int y) {
        QImage img = cabinet;
        QPainter p(&img);
        p.setPen(QColor(0, 0, 0));
        p.drawLine(60, y, 89, y);
        return img;
    };
    const PictureDiff moved = comparePictures(withLine(103), withLine(100));
    EXPECT_FALSE(moved.solidPatch);
    EXPECT_EQ(moved.offPixels, 60);
    EXPECT_FALSE(moved.acceptable());

    QImage tinted = asset("icons/quintel-slots-48.png");
    const QImage icon = tinted;
    QPainter p(&tinted);
    p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    p.fillRect(tinted.rect(), QColor(0, 0, 255, 40));
    p.end();
    EXPECT_FALSE(comparePictures(tinted, icon).acceptable());

    EXPECT_FALSE(comparePictures(cabinet.copy(0, 0, 353, 521), cabinet).acceptable());
    EXPECT_FALSE(comparePictures(cabinet.convertToFormat(QImage::Format_RGB32), cabinet).acceptable());
    EXPECT_FALSE(comparePictures(QImage(), cabinet).acceptable());
}

} // namespace
