#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "BannerStrip.h"

namespace {

constexpr QRgb kSentinel = 0xff123456;

QImage tilePatch()
{
    // A patch with a pattern, so that a wrong source column shows up as a wrong pixel.
    QImage patch(10, 10, QImage::Format_RGB32);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) patch.setPixel(x, y, qRgb(100 + 10 * x, 60 + 10 * y, 90));
    return patch;
}

// Draws the strip onto a sentinel-filled image and checks every pixel against the surface column
// (offset + x) mod width, wrapping as often as needed.
void expectStripFilledFromSurface(BannerStrip& banner)
{
    QImage strip(BannerStrip::kWidth, BannerStrip::kHeight, QImage::Format_RGB32);
    strip.fill(kSentinel);
    {
        QPainter p(&strip);
        banner.draw(p, 0, 0);
    }
    const QImage& surface = banner.surface();
    const int width = banner.surfaceWidth();
    ASSERT_EQ(surface.width(), width);
    ASSERT_GE(banner.offset(), 0);
    ASSERT_LT(banner.offset(), width);
    for (int y = 0; y < BannerStrip::kHeight; ++y) {
        for (int x = 0; x < BannerStrip::kWidth; ++x) {
            const QRgb expected = surface.pixel((banner.offset() + x) % width, y);
            ASSERT_EQ(strip.pixel(x, y), expected) << "strip pixel " << x << "," << y << " offset " << banner.offset();
        }
    }
}

void runTicks(BannerStrip& banner, int ticks)
{
    for (int t = 0; t < ticks; ++t) {
        banner.advance();
        expectStripFilledFromSurface(banner);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

} // namespace

TEST(BannerStrip, EmptyTextIsTwentyFiveBlanksWideAndStillFillsTheStrip)
{
    BannerStrip banner;
    banner.setText(QString());
    banner.render(tilePatch(), 1.0);
    EXPECT_GT(banner.surfaceWidth(), 20);
    EXPECT_LT(banner.surfaceWidth(), BannerStrip::kWidth);
    runTicks(banner, 40);
}

TEST(BannerStrip, OneLetterTextFillsTheStripAtEveryTick)
{
    BannerStrip banner;
    banner.setText(QStringLiteral("W"));
    banner.render(tilePatch(), 1.0);
    EXPECT_LT(banner.surfaceWidth(), BannerStrip::kWidth);
    runTicks(banner, 40);
}

TEST(BannerStrip, LongTextReplacedByAShortOneWrapsTheKeptOffset)
{
    BannerStrip banner;
    banner.setText(QStringLiteral("Welcome to Treasure Chest Slots! Spin the reels, line up three symbols and win the "
                                  "whole bonus pool of the machine."));
    banner.render(tilePatch(), 1.0);
    const int longWidth = banner.surfaceWidth();
    ASSERT_GT(longWidth, 2 * BannerStrip::kWidth);
    runTicks(banner, 60); // offset 600, beyond the short surface below
    ASSERT_GT(banner.offset(), 300);

    banner.setText(QStringLiteral("Hi"));
    EXPECT_FALSE(banner.rendered());
    banner.render(tilePatch(), 1.0);
    ASSERT_LT(banner.surfaceWidth(), banner.offset());
    expectStripFilledFromSurface(banner);
    runTicks(banner, 30);
}

TEST(BannerStrip, TextIsPrintedOverTheTiledBackground)
{
    BannerStrip banner;
    banner.setText(QStringLiteral("MMMM"));
    banner.render(tilePatch(), 1.0);
    const QImage& s = banner.surface();
    // Far right of the surface lies in the 25 blanks: pure patch tiles.
    const int x = banner.surfaceWidth() - 3;
    EXPECT_EQ(s.pixel(x, 4), tilePatch().pixel(x % 10, 4));
    // The light cyan face of the letters appears somewhere in the text.
    bool cyan = false;
    for (int y = 0; y < 20 && !cyan; ++y)
        for (int xx = 12; xx < 60 && !cyan; ++xx) cyan = s.pixel(xx, y) == qRgb(0, 255, 255);
    EXPECT_TRUE(cyan);
}

TEST(BannerStrip, SameTextKeepsTheRenderedSurface)
{
    BannerStrip banner;
    banner.setText(QStringLiteral("Hello"));
    banner.render(tilePatch(), 1.0);
    banner.setText(QStringLiteral("Hello"));
    EXPECT_TRUE(banner.rendered());
    banner.invalidate();
    EXPECT_FALSE(banner.rendered());
}
