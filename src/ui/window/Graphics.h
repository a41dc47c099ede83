#pragma once

#include <QImage>
#include <QString>
#include <array>

#include "ReelSet.h"

struct MachineInfo;

// The pictures the face is drawn from: cabinet, logo, digit strips and the current digit source, the
// reel surfaces, lever and lamp pictures, and the machine's symbol sheet and legend bitmap. A picture
// whose file is missing or unreadable is replaced by a plain drawing of the same size. Pictures the first
// frame does not show (the other digit colours, the lit lamps, the pulled lever) are read when first asked for.
// Pictures come from the set of one scale: at scale 2 or 3 the "name@2x.png" / "name@3x.png" file
// beside each 1x file, with that device pixel ratio (the 1x file when it is missing). Sizes and
// coordinates are logical everywhere; the reel surfaces are rendered at the set's scale.
class Graphics {
public:
    static constexpr int kSmallStripCount = 7; // Blue, Cyan, Green, Purple, Red, White, Yellow
    static constexpr int kReelSurfaceWidth = 64;
    static constexpr int kReelSurfaceHeight = 1980;
    static constexpr int kMaxScale = 3;

    explicit Graphics(const QString& assetDir, int scale = 1);

    const QString& assetDir() const { return assetDir_; }
    int scale() const { return scale_; }
    // Loads every picture again from the set of scale (clamped to 1..3); the machine pictures and the
    // reel surfaces must be loaded and rendered again afterwards.
    void setScale(int scale);
    // The picture set for a ratio of device pixels to face pixels: the next larger one, at most 3.
    static int scaleFor(qreal ratio);
    // The file of a picture at a scale: "cabinet.png" at 2 is "cabinet@2x.png", "QUINTEL.BMP" at 3 is
    // "QUINTEL@3x.png"; at 1 the name itself.
    static QString scaledName(const QString& name, int scale);
    const QImage& cabinet() const { return cabinet_; }
    const QImage& logo() const { return logo_; }
    const QImage& largeDigits() const { return largeDigits_; }
    const QImage& smallDigits(int color) const;
    // The strip every small counter copies its cells from.
    const QImage& digitSource() const { return digitSource_; }
    int digitColor() const { return digitColor_; }
    void selectDigitColor(int color);
    const QImage& lamp(int picture) const;
    const QImage& handle(int picture) const;
    const QImage& reelSurface(int reel) const;
    const QImage& symbolSheet() const { return symbolSheet_; }
    const QImage& legend() const { return legend_; }
    bool symbolSheetMissing() const { return sheetMissing_; }

    // Loads the symbol sheet of the machine (a placeholder when it cannot be read) and its legend bitmap
    // when that file exists; a missing legend keeps the one shown before. The machine already loaded is
    // not read again.
    void loadMachinePictures(const MachineInfo& info);
    // Clears and renders the three reel surfaces from the strips and the symbol sheet, unless they show
    // these strips of this sheet already.
    void renderReelSurfaces(const ReelSet& reels);

    static QImage placeholderSheet(int rows);

private:
    void loadWindowPictures();
    QImage loadPicture(const QString& name, int width, int height, QImage (*fallback)(int, int)) const;

    QString assetDir_;
    int scale_ = 1;
    QImage cabinet_, logo_, largeDigits_, digitSource_;
    // Read on first use (see the accessors).
    mutable std::array<QImage, kSmallStripCount> smallDigits_;
    mutable std::array<QImage, 3> lamps_;
    mutable std::array<QImage, 2> handles_;
    std::array<QImage, 3> reelSurfaces_;
    QImage symbolSheet_, legend_;
    int digitColor_ = 2;
    bool sheetMissing_ = false;
    QString sheetPath_;
    bool reelsRendered_ = false;
    std::array<ReelStrip, kReelCount> renderedStrips_{};
};
