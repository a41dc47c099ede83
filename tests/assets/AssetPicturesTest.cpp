// The committed pictures: sizes, cell layouts, and the places where one picture must
// match another because the game copies them onto each other.
#include "AssetDir.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

struct Size {
    int w, h;
};

QImage load(const std::string& name)
{
    QImage img = AssetDir::image(name);
    EXPECT_FALSE(img.isNull()) << name << " is missing or unreadable";
    return img;
}

// Mean absolute difference per channel between two equally sized regions.
double difference(const QImage& a, const QRect& ra, const QImage& b, const QRect& rb)
{
    double sum = 0;
    for (int y = 0; y < ra.height(); ++y)
        for (int x = 0; x < ra.width(); ++x) {
            const QRgb p = a.pixel(ra.x() + x, ra.y() + y), q = b.pixel(rb.x() + x, rb.y() + y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * ra.width() * ra.height());
}

bool uniform(const QImage& img, const QRect& r, QRgb* colour = nullptr)
{
    const QRgb first = img.pixel(r.topLeft());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (img.pixel(x, y) != first) return false;
    if (colour) *colour = first;
    return true;
}

// Share of pixels in r that differ from the background colour by more than a little.
double coverage(const QImage& img, const QRect& r, QRgb background)
{
    int hit = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (std::abs(qRed(p) - qRed(background)) + std::abs(qGreen(p) - qGreen(background)) +
                    std::abs(qBlue(p) - qBlue(background)) >
                60)
                ++hit;
        }
    return double(hit) / (r.width() * r.height());
}

double luminance(const QImage& img, const QRect& r)
{
    double sum = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) sum += qGray(img.pixel(x, y));
    return sum / (r.width() * r.height());
}

int bmpBitCount(const std::string& name)
{
    const auto b = AssetDir::bytes(name);
    if (b.size() < 30 || b[0] != 'B' || b[1] != 'M') return -1;
    return b[28] | (b[29] << 8);
}

const QRgb kYellow = qRgb(255, 255, 0);

TEST(WindowPictures, HaveTheSizesTheWindowDrawsThemAt)
{
    const std::map<std::string, Size> sizes = {
        {"cabinet.png", {353, 522}},      {"digits-large-red.png", {362, 42}},
        {"digits-blue.png", {181, 21}},   {"digits-cyan.png", {181, 21}},
        {"digits-green.png", {181, 21}},  {"digits-magenta.png", {181, 21}},
        {"digits-red.png", {181, 21}},    {"digits-white.png", {181, 21}},
        {"digits-yellow.png", {181, 21}}, {"lamp0.png", {32, 41}},
        {"lamp1.png", {32, 41}},          {"lamp2.png", {32, 41}},
        {"handle0.png", {101, 226}},      {"handle1.png", {101, 72}},
        {"logo.png", {200, 128}},         {"icon.png", {32, 32}},
    };
    for (const auto& [name, size] : sizes) {
        const QImage img = load(name);
        EXPECT_EQ(img.width(), size.w) << name;
        EXPECT_EQ(img.height(), size.h) << name;
    }
    for (int s : {16, 24, 32, 48, 64, 128, 256}) {
        const std::string name = "icons/quintel-slots-" + std::to_string(s) + ".png";
        const QImage img = load(name);
        EXPECT_EQ(img.size(), QSize(s, s)) << name;
    }
}

TEST(Cabinet, ReelWindowsAreWhiteAndTheBannerPatchIsPlain)
{
    const QImage cab = load("cabinet.png");
    for (int c = 0; c < 3; ++c) {
        QRgb colour = 0;
        EXPECT_TRUE(uniform(cab, QRect(55 + 95 * c, 83, 64, 132), &colour)) << "reel window " << c;
        EXPECT_EQ(colour, qRgb(255, 255, 255)) << "reel window " << c;
        // The frame around the window is not white, so the reel reads as a window.
        EXPECT_NE(cab.pixel(55 + 95 * c - 3, 83 + 60), qRgb(255, 255, 255));
    }
    QRgb patch = 0, strip = 0;
    ASSERT_TRUE(uniform(cab, QRect(250, 430, 10, 10), &patch)) << "the banner tile at (250, 430) must be one colour";
    // With the banner off the game tiles the patch over the strip: the strip must already look like it.
    ASSERT_TRUE(uniform(cab, QRect(42, 222, 280, 20), &strip));
    EXPECT_EQ(patch, strip);
    // Light cyan banner text must stand out from the patch.
    EXPECT_LT(qGray(patch), 170);
}

TEST(Cabinet, CountersAndPayTableSitOnDarkCalmAreas)
{
    const QImage cab = load("cabinet.png");
    EXPECT_LT(luminance(cab, QRect(89, 52, 117, 21)), 40) << "credits counter";
    EXPECT_LT(luminance(cab, QRect(265, 52, 68, 21)), 40) << "wager counter";
    EXPECT_LT(luminance(cab, QRect(33, 52, 50, 20)), 60) << "credits caption";
    for (int col = 0; col < 2; ++col)
        for (int row = 0; row < 4; ++row) {
            const QRect legend(36 + 154 * col, 285 + 32 * row, 86, 32);
            const QRect amount(125 + 154 * col, 290 + 32 * row, 64, 21);
            EXPECT_LT(luminance(cab, legend), 80) << "legend row " << row + 4 * col;
            EXPECT_LT(luminance(cab, amount), 40) << "amount row " << row + 4 * col;
        }
    // The pay line runs at y 149 from x 37 to 330: it crosses the white windows and the frame.
    EXPECT_EQ(cab.pixel(100, 149), qRgb(255, 255, 255));
}

TEST(Cabinet, LeverPicturesContinueTheCabinetEdgeTheyOverlap)
{
    // The lever is drawn at x 345, over the cabinet's last 8 columns, rows 128..354.
    const QImage cab = load("cabinet.png");
    const QImage h0 = load("handle0.png"), h1 = load("handle1.png");
    EXPECT_LT(difference(cab, QRect(345, 128, 8, 226), h0, QRect(0, 0, 8, 226)), 3.0);
    // The knob eraser is copied anywhere from y 128 to 248.
    for (int y = 128; y <= 248; y += 15)
        EXPECT_LT(difference(cab, QRect(345, y, 8, 70), h1, QRect(0, 0, 8, 70)), 3.0) << "at y " << y;
}

TEST(Lever, KnobLivesInTheTopRowsOnYellow)
{
    const QImage h0 = load("handle0.png"), h1 = load("handle1.png");
    EXPECT_EQ(h0.pixel(100, 0), kYellow);
    EXPECT_EQ(h0.pixel(100, 225), kYellow);
    EXPECT_EQ(h0.pixel(100, 100), kYellow);
    QRgb eraser = 0;
    ASSERT_TRUE(uniform(h1, QRect(8, 0, 93, 72), &eraser));
    EXPECT_EQ(eraser, kYellow);
    // The ball is dark and sits entirely inside the 70 rows the pull animation moves.
    auto darkPixels = [&](int top, int bottom) {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = 8; x < 101; ++x)
                if (qGray(h0.pixel(x, y)) < 40) ++n;
        return n;
    };
    EXPECT_GT(darkPixels(0, 70), 500);
    EXPECT_EQ(darkPixels(70, 190), 0);
}

TEST(Lamp, ThreeDistinctPhasesOnTheCabinetTop)
{
    const QImage cab = load("cabinet.png");
    const QImage lamps[3] = {load("lamp0.png"), load("lamp1.png"), load("lamp2.png")};
    for (int i = 0; i < 3; ++i)
        for (int j = i + 1; j < 3; ++j)
            EXPECT_GT(difference(lamps[i], lamps[i].rect(), lamps[j], lamps[j].rect()), 4.0);
    // Drawn at (24, 4): the unlit lamp's corners are the cabinet top itself.
    EXPECT_EQ(lamps[0].pixel(0, 0), cab.pixel(24, 4));
    EXPECT_EQ(lamps[0].pixel(31, 0), cab.pixel(55, 4));
    // Lit phases are brighter red than the unlit lamp.
    auto red = [](const QImage& img) {
        double r = 0;
        for (int y = 6; y < 28; ++y)
            for (int x = 8; x < 24; ++x) r += qRed(img.pixel(x, y));
        return r;
    };
    EXPECT_GT(red(lamps[1]), red(lamps[0]) * 1.4);
    EXPECT_GT(red(lamps[2]), red(lamps[0]) * 1.4);
}

TEST(DigitStrips, CellsFollowTheCounterLayout)
{
    struct Strip {
        std::string name;
        int cw, ch, point;
        int dominant; // bit 0 red, 1 green, 2 blue: channels that must be bright in lit segments
    };
    const std::vector<Strip> strips = {
        {"digits-large-red.png", 32, 42, 10, 1}, {"digits-blue.png", 16, 21, 5, 4},
        {"digits-cyan.png", 16, 21, 5, 6},       {"digits-green.png", 16, 21, 5, 2},
        {"digits-magenta.png", 16, 21, 5, 5},    {"digits-red.png", 16, 21, 5, 1},
        {"digits-white.png", 16, 21, 5, 7},      {"digits-yellow.png", 16, 21, 5, 3},
    };
    for (const Strip& s : strips) {
        SCOPED_TRACE(s.name);
        const QImage img = load(s.name);
        ASSERT_EQ(img.width(), s.cw * 11 + s.point);
        auto cell = [&](int i) { return QRect(i * s.cw, 0, s.cw, s.ch); };
        // Count pixels that are clearly lit: the brightest channel above 180.
        auto lit = [&](const QRect& r) {
            int n = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x) {
                    const QRgb p = img.pixel(x, y);
                    if (std::max({qRed(p), qGreen(p), qBlue(p)}) > 180) ++n;
                }
            return n;
        };
        for (int d = 0; d < 10; ++d) {
            EXPECT_GT(lit(cell(d)), 0) << "digit " << d;
            for (int e = d + 1; e < 10; ++e) EXPECT_GT(difference(img, cell(d), img, cell(e)), 1.0) << d << " vs " << e;
            // Glyphs stay inside their cell: first and last columns are black.
            EXPECT_TRUE(uniform(img, QRect(d * s.cw, 0, 1, s.ch))) << "left edge of " << d;
            EXPECT_TRUE(uniform(img, QRect(d * s.cw + s.cw - 1, 0, 1, s.ch))) << "right edge of " << d;
        }
        EXPECT_GT(lit(cell(8)), lit(cell(1)) * 2);
        // Blank cell: unlit segments only, visibly different from 8 and from plain black.
        EXPECT_EQ(lit(cell(10)), 0);
        EXPECT_GT(difference(img, cell(10), img, cell(8)), 5.0);
        EXPECT_FALSE(uniform(img, cell(10))) << "unlit segments should show faintly";
        // Decimal point: lit inside the columns the game copies (one fewer than stored).
        EXPECT_GT(lit(QRect(s.cw * 11, 0, s.point - 1, s.ch)), 0);
        // The strip's colour: the brightest pixel of "8" has the right channels high.
        QRgb best = 0;
        for (int y = 0; y < s.ch; ++y)
            for (int x = 8 * s.cw; x < 9 * s.cw; ++x)
                if (qGray(img.pixel(x, y)) > qGray(best)) best = img.pixel(x, y);
        const int channels[3] = {qRed(best), qGreen(best), qBlue(best)};
        for (int c = 0; c < 3; ++c) {
            if (s.dominant & (1 << c))
                EXPECT_GT(channels[c], 170) << "channel " << c;
            else
                EXPECT_LT(channels[c], 200) << "channel " << c;
        }
    }
    // White digits: unlit segments in grey.
    const QImage white = load("digits-white.png");
    bool grey = false;
    for (int y = 0; y < 21; ++y)
        for (int x = 160; x < 176; ++x) {
            const QRgb p = white.pixel(x, y);
            if (qRed(p) > 40 && qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)) grey = true;
        }
    EXPECT_TRUE(grey);
}

struct Machine {
    std::string sheet, legend;
    int symbols;
    std::vector<int> legendCells; // legend cells the pay table shows
};

const std::vector<Machine> kMachines = {
    {"QUINTEL.BMP", "QUINTELB.BMP", 7, {0, 1, 2, 3, 4, 5, 7}},
    {"LUCKY7.BMP", "LUCKY7B.BMP", 7, {0, 1, 2, 3, 4, 5, 6, 7}},
    {"TREASURE.BMP", "TREASURB.BMP", 8, {0, 1, 2, 3, 4, 5, 6, 7}},
};

TEST(SymbolSheets, EverySymbolIsDrawnAndDistinctOnWhite)
{
    for (const Machine& m : kMachines) {
        SCOPED_TRACE(m.sheet);
        EXPECT_EQ(bmpBitCount(m.sheet), 24);
        const QImage img = load(m.sheet);
        ASSERT_EQ(img.size(), QSize(192, 192));
        auto cell = [](int n) { return QRect(64 * (n % 3), 64 * (n / 3), 64, 64); };
        for (int n = 0; n < 9; ++n) {
            const double cover = coverage(img, cell(n), qRgb(255, 255, 255));
            if (n < m.symbols) {
                EXPECT_GT(cover, 0.15) << "symbol " << n << " is nearly empty";
                EXPECT_LT(cover, 0.9) << "symbol " << n << " should sit on the white reel";
                // Corners stay white so the reel reads as one white strip.
                EXPECT_EQ(img.pixel(cell(n).topLeft()), qRgb(255, 255, 255)) << n;
            } else {
                EXPECT_TRUE(uniform(img, cell(n))) << "unused cell " << n << " should be plain";
            }
            for (int k = 0; k < n && n < m.symbols; ++k)
                EXPECT_GT(difference(img, cell(n), img, cell(k)), 12.0)
                    << "symbols " << k << " and " << n << " look alike";
        }
    }
}

TEST(LegendBitmaps, PayTableCellsAreDistinctAndMatchThePanel)
{
    const QImage cab = load("cabinet.png");
    for (const Machine& m : kMachines) {
        SCOPED_TRACE(m.legend);
        EXPECT_EQ(bmpBitCount(m.legend), 24);
        const QImage img = load(m.legend);
        ASSERT_EQ(img.size(), QSize(96, 96));
        auto cell = [](int n) { return QRect(32 * (n % 3), 32 * (n / 3), 32, 32); };
        // Cells overlap by up to 5 px on the panel: the background must be the panel's own colour.
        const QRgb panel = cab.pixel(36, 285);
        for (int n : m.legendCells) {
            EXPECT_EQ(img.pixel(cell(n).topLeft()), panel) << "cell " << n;
            EXPECT_GT(coverage(img, cell(n), panel), 0.2) << "cell " << n << " is nearly empty";
            for (int k : m.legendCells) {
                if (k >= n) continue;
                EXPECT_GT(difference(img, cell(n), img, cell(k)), 10.0) << "cells " << k << " and " << n;
            }
        }
        EXPECT_TRUE(uniform(img, cell(8))) << "cell 8 is unused";
    }
}

TEST(IconsAndLogo, TransparentIconsAndALogoOnTheWindowYellow)
{
    for (const std::string name : {"icon.png", "icons/quintel-slots-16.png", "icons/quintel-slots-256.png"}) {
        const QImage img = load(name);
        EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0) << name;
        EXPECT_EQ(qAlpha(img.pixel(img.width() / 2, img.height() / 2)), 255) << name;
    }
    const QImage big = load("icons/quintel-slots-256.png"), small = load("icon.png");
    // The sizes are renders of one design: the 32 px icon resembles the 256 px one scaled down.
    const QImage scaled = big.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(difference(small, small.rect(), scaled, scaled.rect()), 25.0);
    const QImage logo = load("logo.png");
    EXPECT_EQ(logo.pixel(0, 0), kYellow);
    EXPECT_EQ(logo.pixel(199, 127), kYellow);
    EXPECT_GT(coverage(logo, logo.rect(), kYellow), 0.7);
}

// The name of a picture's 2x or 3x file: "cabinet@2x.png", "QUINTEL@3x.png".
std::string scaledName(const std::string& name, int scale)
{
    return name.substr(0, name.rfind('.')) + "@" + std::to_string(scale) + "x.png";
}

// Mean absolute difference per channel between a picture and a scale-times larger one averaged
// over scale x scale blocks (colours weighted by their opacity): small when both show the same layout.
double layoutDifference(const QImage& one, const QImage& big, int scale)
{
    double sum = 0;
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < one.width(); ++x) {
            int r = 0, g = 0, b = 0;
            for (int dy = 0; dy < scale; ++dy)
                for (int dx = 0; dx < scale; ++dx) {
                    const QRgb p = qPremultiply(big.pixel(x * scale + dx, y * scale + dy));
                    r += qRed(p), g += qGreen(p), b += qBlue(p);
                }
            const int n = scale * scale;
            const QRgb p = qPremultiply(one.pixel(x, y));
            sum += std::abs(qRed(p) - r / n) + std::abs(qGreen(p) - g / n) + std::abs(qBlue(p) - b / n);
        }
    return sum / (3.0 * one.width() * one.height());
}

TEST(ScaledPictures, EveryPictureHas2xAnd3xFilesOfTheSameLayout)
{
    std::vector<std::string> names = {"cabinet.png", "digits-large-red.png", "lamp0.png", "lamp1.png", "lamp2.png",
                                      "handle0.png", "handle1.png",          "logo.png",  "icon.png"};
    for (const char* c : {"blue", "cyan", "green", "magenta", "red", "white", "yellow"})
        names.push_back(std::string("digits-") + c + ".png");
    for (const Machine& m : kMachines) {
        names.push_back(m.sheet);
        names.push_back(m.legend);
    }
    for (const std::string& name : names) {
        const QImage one = load(name).convertToFormat(QImage::Format_ARGB32);
        for (int scale : {2, 3}) {
            const std::string big = scaledName(name, scale);
            SCOPED_TRACE(big);
            const QImage img = load(big).convertToFormat(QImage::Format_ARGB32);
            ASSERT_EQ(img.size(), one.size() * scale);
            EXPECT_LT(layoutDifference(one, img, scale), 6.0);
        }
    }
}

TEST(ScaledPictures, PlainAreasTheGameDrawsOnStayPlainAtEveryScale)
{
    for (int scale : {2, 3}) {
        SCOPED_TRACE(scale);
        const QImage cab = load(scaledName("cabinet.png", scale));
        const QImage h1 = load(scaledName("handle1.png", scale));
        auto at = [scale](int x, int y, int w, int h) { return QRect(x * scale, y * scale, w * scale, h * scale); };
        QRgb colour = 0, patch = 0, strip = 0;
        for (int c = 0; c < 3; ++c) {
            EXPECT_TRUE(uniform(cab, at(55 + 95 * c, 83, 64, 132), &colour)) << "reel window " << c;
            EXPECT_EQ(colour, qRgb(255, 255, 255));
        }
        ASSERT_TRUE(uniform(cab, at(250, 430, 10, 10), &patch));
        ASSERT_TRUE(uniform(cab, at(42, 222, 280, 20), &strip));
        EXPECT_EQ(patch, strip);
        EXPECT_TRUE(uniform(h1, at(8, 0, 93, 72), &colour));
        EXPECT_EQ(colour, kYellow);
        for (const Machine& m : kMachines) {
            const QImage sheet = load(scaledName(m.sheet, scale));
            for (int n = m.symbols; n < 9; ++n)
                EXPECT_TRUE(uniform(sheet, at(64 * (n % 3), 64 * (n / 3), 64, 64))) << m.sheet << " unused cell " << n;
        }
    }
}

TEST(ContactSheet, ShowsEveryPictureAtLeastAtFullSize)
{
    const QImage sheet = load("contact-sheet.png");
    EXPECT_GE(sheet.width(), 353 * 2);
    EXPECT_GE(sheet.height(), 522);
}

} // namespace
