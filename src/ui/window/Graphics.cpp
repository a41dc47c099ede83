#include "Graphics.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <QPainter>

#include "MachineInfo.h"
#include "Palette.h"

namespace {

constexpr QImage::Format kFormat = QImage::Format_RGB32;

QImage blank(int w, int h, QRgb fill)
{
    QImage img(w, h, kFormat);
    img.fill(fill);
    return img;
}

// Fallback drawings, used only when the artwork files are missing.
QImage drawCabinet(int w, int h)
{
    QImage img = blank(w, h, Palette::rgb(7));
    QPainter p(&img);
    p.setPen(Palette::color(8));
    p.drawRect(0, 0, w - 1, h - 1);
    p.fillRect(30, 70, 300, 155, Palette::color(8));
    for (int c = 0; c < 3; ++c) p.fillRect(42 + 95 * c, 80, 90, 136, Qt::white);
    p.fillRect(20, 240, 320, 180, QColor(170, 170, 170));
    p.fillRect(40, 440, 280, 50, Palette::color(0));
    return img;
}

QImage drawLogo(int w, int h)
{
    QImage img = blank(w, h, Palette::rgb(14));
    QPainter p(&img);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(28);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Palette::color(4));
    p.drawText(QRect(0, 0, w, h), Qt::AlignCenter, QStringLiteral("Quintel\nSlots 95"));
    return img;
}

QImage drawDigits(int w, int h, QRgb color)
{
    QImage img = blank(w, h, Palette::rgb(0));
    QPainter p(&img);
    const int cell = h * 16 / 21;
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setPixelSize(h - 2);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor::fromRgb(color));
    for (int d = 0; d < 10; ++d) p.drawText(QRect(cell * d, 0, cell, h), Qt::AlignCenter, QString::number(d));
    const int dot = h / 5;
    p.fillRect(cell * 11 + 1, h - dot - 1, dot / 2 + 1, dot / 2 + 1, QColor::fromRgb(color));
    return img;
}

QImage drawLamp(int w, int h, int phase)
{
    QImage img = blank(w, h, Palette::rgb(7));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(phase == 0 ? QColor(120, 0, 0) : phase == 1 ? QColor(255, 40, 40) : QColor(255, 160, 120));
    p.setPen(Qt::black);
    p.drawEllipse(QRect(3, 3, w - 6, h - 12));
    p.fillRect(6, h - 9, w - 12, 8, Palette::color(8));
    return img;
}

QImage drawHandle(int w, int h, bool withLever)
{
    QImage img = blank(w, h, Palette::rgb(14));
    if (!withLever) return img;
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(w / 2 - 4, 30, 8, h - 30, Palette::color(8));
    p.setBrush(Qt::black);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRect(w / 2 - 25, 2, 50, 50));
    return img;
}

QImage handleFallback(int w, int h) { return drawHandle(w, h, true); }
QImage handleBackFallback(int w, int h) { return drawHandle(w, h, false); }

constexpr std::array<const char*, Graphics::kSmallStripCount> kStripNames = {"blue", "cyan",  "green", "magenta",
                                                                             "red",  "white", "yellow"};
constexpr std::array<int, Graphics::kSmallStripCount> kStripColors = {9, 11, 10, 13, 12, 15, 14};

} // namespace

Graphics::Graphics(const QString& assetDir, int scale)
    : assetDir_(assetDir)
    , scale_(std::clamp(scale, 1, kMaxScale))
{
    // No machine yet: the placeholder is drawn only should the reels be drawn before one is loaded (its
    // text would cost the start a font of its own).
    sheetMissing_ = true;
}

int Graphics::scaleFor(qreal ratio) { return std::clamp(static_cast<int>(std::ceil(ratio - 0.01)), 1, kMaxScale); }

QString Graphics::scaledName(const QString& name, int scale)
{
    if (scale <= 1) return name;
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return (dot < 0 ? name : name.left(dot)) + QStringLiteral("@%1x.png").arg(scale);
}

void Graphics::setScale(int scale)
{
    scale = std::clamp(scale, 1, kMaxScale);
    if (scale == scale_) return;
    scale_ = scale;
    // Every picture comes again from the new set, the machine's sheet too.
    sheetPath_.clear();
    forgetWindowPictures();
}

void Graphics::forgetWindowPictures()
{
    for (QImage* picture : {&cabinet_, &logo_, &largeDigits_, &digitSource_}) *picture = QImage();
    smallDigits_.fill(QImage());
    lamps_.fill(QImage());
    handles_.fill(QImage());
}

const QImage& Graphics::cabinet() const
{
    if (cabinet_.isNull()) cabinet_ = loadPicture(QStringLiteral("cabinet.png"), 353, 522, drawCabinet);
    return cabinet_;
}

const QImage& Graphics::logo() const
{
    if (logo_.isNull()) logo_ = loadPicture(QStringLiteral("logo.png"), 200, 128, drawLogo);
    return logo_;
}

const QImage& Graphics::largeDigits() const
{
    if (largeDigits_.isNull()) {
        largeDigits_ = loadPicture(QStringLiteral("digits-large-red.png"), 362, 42, nullptr);
        if (largeDigits_.isNull()) largeDigits_ = drawDigits(362, 42, Palette::rgb(12));
    }
    return largeDigits_;
}

QImage Graphics::loadPicture(const QString& name, int width, int height, QImage (*fallback)(int, int)) const
{
    // The picture of the current scale, else the 1x picture (drawn scaled), else the fallback drawing.
    for (int scale : {scale_, 1}) {
        QImage img(assetDir_ + QLatin1Char('/') + scaledName(name, scale));
        if (!img.isNull() && img.width() >= width * scale && img.height() >= height * scale) {
            img = img.convertToFormat(kFormat);
            img.setDevicePixelRatio(scale);
            return img;
        }
        if (scale == 1) break;
    }
    return fallback ? fallback(width, height) : QImage();
}

const QImage& Graphics::smallDigits(int color) const
{
    if (color < 0 || color >= kSmallStripCount) color = 2;
    const auto idx = static_cast<std::size_t>(color);
    QImage& strip = smallDigits_[idx];
    if (strip.isNull()) {
        strip = loadPicture(QStringLiteral("digits-%1.png").arg(QLatin1String(kStripNames[idx])), 181, 21, nullptr);
        if (strip.isNull()) strip = drawDigits(181, 21, Palette::rgb(kStripColors[idx]));
    }
    return strip;
}

void Graphics::selectDigitColor(int color)
{
    if (color < 0 || color >= kSmallStripCount) return;
    digitColor_ = color;
    digitSource_ = QImage();
}

const QImage& Graphics::digitSource() const
{
    if (digitSource_.isNull()) {
        const QImage& strip = smallDigits(digitColor_);
        digitSource_ = strip.copy();
        digitSource_.setDevicePixelRatio(strip.devicePixelRatio());
    }
    return digitSource_;
}

const QImage& Graphics::lamp(int picture) const
{
    const int i = picture >= 0 && picture < 3 ? picture : 0;
    QImage& lamp = lamps_[static_cast<std::size_t>(i)];
    if (lamp.isNull()) {
        lamp = loadPicture(QStringLiteral("lamp%1.png").arg(i), 32, 41, nullptr);
        if (lamp.isNull()) lamp = drawLamp(32, 41, i);
    }
    return lamp;
}

const QImage& Graphics::handle(int picture) const
{
    const bool back = picture == 1;
    QImage& handle = handles_[back ? 1 : 0];
    if (handle.isNull())
        handle = back ? loadPicture(QStringLiteral("handle1.png"), 101, 72, handleBackFallback)
                      : loadPicture(QStringLiteral("handle0.png"), 101, 226, handleFallback);
    return handle;
}

QImage Graphics::placeholderSheet(int rows)
{
    // A clear sign that the machine file is missing: numbered cells in distinct colours.
    QImage img = blank(192, 64 * rows, Palette::rgb(15));
    QPainter p(&img);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(34);
    f.setBold(true);
    p.setFont(f);
    for (int n = 0; n < 3 * rows; ++n) {
        const QRect cell(64 * (n % 3), 64 * (n / 3), 64, 64);
        p.fillRect(cell.adjusted(4, 4, -4, -4), Palette::color(1 + n % 14));
        p.setPen(Palette::color(n % 14 == 13 ? 0 : 15));
        p.drawText(cell, Qt::AlignCenter, QString::number(n));
    }
    return img;
}

void Graphics::loadMachinePictures(const MachineInfo& info)
{
    const QString sheetName = QString::fromStdString(info.filePrefix) + QStringLiteral(".BMP");
    // The machine shown already (a restored game after the window's own new game): nothing to read again.
    if (sheetName == sheetPath_ && (machinePending_ || !sheetMissing_)) return;
    sheetPath_ = sheetName;
    legendPath_ =
        info.bitmapPrefix.empty() ? QString() : QString::fromStdString(info.bitmapPrefix) + QStringLiteral(".BMP");
    machinePending_ = true;
}

void Graphics::readMachinePictures() const
{
    if (!machinePending_) return;
    machinePending_ = false;
    const QImage sheet = loadPicture(sheetPath_, 64, 64, nullptr);
    sheetMissing_ = sheet.isNull();
    symbolSheet_ = sheetMissing_ ? placeholderSheet(3) : sheet;
    // A missing legend keeps the one shown before.
    if (legendPath_.isEmpty() || !QFileInfo::exists(assetDir_ + QLatin1Char('/') + legendPath_)) return;
    const QImage legend = loadPicture(legendPath_, 1, 1, nullptr);
    if (!legend.isNull()) legend_ = legend;
}

const QImage& Graphics::symbolSheet() const
{
    readMachinePictures();
    // Reels drawn before any machine was loaded show the placeholder.
    if (symbolSheet_.isNull()) symbolSheet_ = placeholderSheet(3);
    return symbolSheet_;
}

bool Graphics::symbolSheetMissing() const
{
    readMachinePictures();
    return sheetMissing_;
}

const QImage& Graphics::legend() const
{
    readMachinePictures();
    if (legend_.isNull()) legend_ = blank(96, 96, Palette::rgb(3));
    return legend_;
}
