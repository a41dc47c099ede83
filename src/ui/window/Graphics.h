#pragma once

#include <QImage>
#include <QString>
#include <array>

struct MachineInfo;

// The pictures the face is drawn from: cabinet, logo, digit strips and the current digit source, lever
// and lamp pictures, and the machine's symbol sheet (the reels are drawn from it) and legend bitmap. A
// picture whose file is missing or unreadable is replaced by a plain drawing of the same size. Every
// picture is read when first asked for: the window is on screen before they are needed, and pictures that
// are never shown (other digit colours, lit lamps) are never read.
// Pictures come from the set of one scale: at scale 2 or 3 the "name@2x.png" / "name@3x.png" file
// beside each 1x file, with that device pixel ratio (the 1x file when it is missing). Sizes and
// coordinates are logical everywhere.
class Graphics {
public:
    static constexpr int kSmallStripCount = 7; // Blue, Cyan, Green, Purple, Red, White, Yellow
    static constexpr int kMaxScale = 3;

    explicit Graphics(const QString& assetDir, int scale = 1);

    const QString& assetDir() const { return assetDir_; }
    int scale() const { return scale_; }
    // Every picture comes again from the set of scale (clamped to 1..3) when next asked for; the machine
    // pictures must be loaded again afterwards.
    void setScale(int scale);
    // The picture set for a ratio of device pixels to face pixels: the next larger one, at most 3.
    static int scaleFor(qreal ratio);
    // The file of a picture at a scale: "cabinet.png" at 2 is "cabinet@2x.png", "QUINTEL.BMP" at 3 is
    // "QUINTEL@3x.png"; at 1 the name itself.
    static QString scaledName(const QString& name, int scale);
    const QImage& cabinet() const;
    const QImage& logo() const;
    const QImage& largeDigits() const;
    const QImage& smallDigits(int color) const;
    // The strip every small counter copies its cells from.
    const QImage& digitSource() const;
    int digitColor() const { return digitColor_; }
    void selectDigitColor(int color);
    const QImage& lamp(int picture) const;
    const QImage& handle(int picture) const;
    const QImage& symbolSheet() const;
    const QImage& legend() const;
    bool symbolSheetMissing() const;

    // The symbol sheet of the machine (a placeholder when it cannot be read) and its legend bitmap when that
    // file exists; a missing legend keeps the one shown before. The machine already loaded is not read again.
    void loadMachinePictures(const MachineInfo& info);

    static QImage placeholderSheet(int rows);

private:
    void forgetWindowPictures();
    void readMachinePictures() const;
    QImage loadPicture(const QString& name, int width, int height, QImage (*fallback)(int, int)) const;

    QString assetDir_;
    int scale_ = 1;
    // Read or made on first use (see the accessors); a null picture is one not read yet.
    mutable QImage cabinet_, logo_, largeDigits_, digitSource_;
    mutable std::array<QImage, kSmallStripCount> smallDigits_;
    mutable std::array<QImage, 3> lamps_;
    mutable std::array<QImage, 2> handles_;
    mutable QImage symbolSheet_, legend_;
    int digitColor_ = 2;
    mutable bool sheetMissing_ = false;
    // The machine whose sheet and legend are to be read.
    QString sheetPath_, legendPath_;
    mutable bool machinePending_ = false;
};
