#pragma once

#include <QImage>
#include <QString>
#include <array>

#include "ReelSet.h"

struct MachineInfo;

// The pictures the face is drawn from: cabinet, logo, digit strips and the current digit source, the
// reel surfaces, lever and lamp pictures, and the machine's symbol sheet and legend bitmap. A picture
// whose file is missing or unreadable is replaced by a plain drawing of the same size.
class Graphics {
public:
    static constexpr int kSmallStripCount = 7; // Blue, Cyan, Green, Purple, Red, White, Yellow
    static constexpr int kReelSurfaceWidth = 64;
    static constexpr int kReelSurfaceHeight = 1980;

    explicit Graphics(const QString& assetDir);

    const QString& assetDir() const { return assetDir_; }
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
    QImage loadPicture(const QString& name, int width, int height, QImage (*fallback)(int, int)) const;

    QString assetDir_;
    QImage cabinet_, logo_, largeDigits_, digitSource_;
    std::array<QImage, kSmallStripCount> smallDigits_;
    std::array<QImage, 3> lamps_;
    std::array<QImage, 2> handles_;
    std::array<QImage, 3> reelSurfaces_;
    QImage symbolSheet_, legend_;
    int digitColor_ = 2;
    bool sheetMissing_ = false;
    QString sheetPath_;
    bool reelsRendered_ = false;
    std::array<ReelStrip, kReelCount> renderedStrips_{};
};
