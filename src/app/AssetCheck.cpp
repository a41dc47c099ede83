#include "AssetCheck.h"

#include <QImageReader>

#include "MachineInfo.h"

QStringList AssetCheck::unreadablePictures(const QString& assetDir)
{
    QStringList names = {QStringLiteral("cabinet.png"), QStringLiteral("logo.png"),
                         QStringLiteral("digits-large-red.png")};
    for (const char* color : {"blue", "cyan", "green", "magenta", "red", "white", "yellow"})
        names << QStringLiteral("digits-%1.png").arg(QLatin1String(color));
    for (int i = 0; i < 3; ++i) names << QStringLiteral("lamp%1.png").arg(i);
    names << QStringLiteral("handle0.png") << QStringLiteral("handle1.png");
    for (int m = 0; m < kMachineCount; ++m) {
        MachineInfo info;
        SelectMachine(m, info);
        names << QString::fromStdString(info.filePrefix) + QStringLiteral(".BMP");
        names << QString::fromStdString(info.bitmapPrefix) + QStringLiteral(".BMP");
    }
    // Only each picture's header is read: enough to tell a missing file or one that is no picture at all, at
    // a fraction of decoding every picture a second time at start (the window decodes the ones it shows).
    QStringList bad;
    for (const QString& name : names) {
        QImageReader reader(assetDir + QLatin1Char('/') + name);
        if (!reader.canRead() || !reader.size().isValid()) bad << name;
    }
    return bad;
}

QString AssetCheck::report(const QString& assetDir)
{
    const QStringList bad = unreadablePictures(assetDir);
    if (bad.isEmpty()) return {};
    return QStringLiteral("quintel-slots: pictures missing or unreadable in %1: %2 (plain drawings stand in)")
        .arg(assetDir, bad.join(QStringLiteral(", ")));
}
