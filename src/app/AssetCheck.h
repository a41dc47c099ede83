#pragma once

#include <QString>
#include <QStringList>

// The pictures the game window is drawn from. A missing or unreadable one is replaced by a plain
// drawing, so the game still plays; the player is told which files are wrong and where they were sought.
class AssetCheck {
public:
    // Names (relative to assetDir) of the pictures that cannot be read as images.
    static QStringList unreadablePictures(const QString& assetDir);
    // One line for standard error, empty when every picture is readable.
    static QString report(const QString& assetDir);
};
