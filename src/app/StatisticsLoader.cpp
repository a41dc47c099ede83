#include "StatisticsLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <utility>

StatisticsLoader::StatisticsLoader(QStringList searchDirs)
    : searchDirs_(std::move(searchDirs))
{}

QStringList StatisticsLoader::defaultDirs(const QString& programDir)
{
    const QDir dir(programDir);
    return {QDir::cleanPath(dir.absoluteFilePath(QStringLiteral(QUINTEL_MODULES_FROM_GAME))), dir.absolutePath()};
}

OpenStatisticsEntry StatisticsLoader::entry()
{
    if (tried_) return entry_;
    tried_ = true;
    QString path;
    for (const QString& dir : searchDirs_) {
        const QString candidate = QDir(dir).absoluteFilePath(QString::fromLatin1(kStatisticsModuleFile));
        if (QFileInfo(candidate).isFile()) {
            path = candidate;
            break;
        }
    }
    if (path.isEmpty()) {
        error_ = QStringLiteral("%1 not found in %2")
                     .arg(QString::fromLatin1(kStatisticsModuleFile), searchDirs_.join(QStringLiteral(", ")));
        return nullptr;
    }
    library_.setFileName(path);
    // Every symbol resolved now, so that a module built against other libraries fails here and not in use;
    // never unloaded, as Qt keeps pointers into the libraries it has loaded.
    library_.setLoadHints(QLibrary::ResolveAllSymbolsHint | QLibrary::PreventUnloadHint);
    if (!library_.load()) {
        error_ = library_.errorString();
        return nullptr;
    }
    entry_ = reinterpret_cast<OpenStatisticsEntry>(library_.resolve(kStatisticsEntry));
    if (entry_ == nullptr)
        error_ = QStringLiteral("%1 has no entry %2").arg(path, QString::fromLatin1(kStatisticsEntry));
    return entry_;
}

void StatisticsLoader::open(QWidget* parent, SpinRecorder& recorder, const GameState& state,
                            const StatisticsComboName& comboName)
{
    if (const OpenStatisticsEntry openWindow = entry()) {
        openWindow(parent, recorder, state, comboName);
        return;
    }
    QMessageBox::warning(
        parent, QCoreApplication::translate("StatisticsLoader", "Statistics"),
        QCoreApplication::translate("StatisticsLoader",
                                    "The statistics cannot be shown: a part of the game is missing or damaged.\n\n%1")
            .arg(error_));
}
