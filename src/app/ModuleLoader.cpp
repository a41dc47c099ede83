#include "ModuleLoader.h"

#include <QDir>
#include <QFileInfo>
#include <utility>

ModuleLoader::ModuleLoader(QStringList searchDirs, const char* fileName, const char* entryName)
    : searchDirs_(std::move(searchDirs))
    , fileName_(QString::fromLatin1(fileName))
    , entryName_(entryName)
{}

QStringList ModuleLoader::defaultDirs(const QString& programDir)
{
    const QDir dir(programDir);
    return {QDir::cleanPath(dir.absoluteFilePath(QStringLiteral(QUINTEL_MODULES_FROM_GAME))), dir.absolutePath()};
}

QFunctionPointer ModuleLoader::entry()
{
    if (tried_) return entry_;
    tried_ = true;
    QString path;
    for (const QString& dir : searchDirs_) {
        const QString candidate = QDir(dir).absoluteFilePath(fileName_);
        if (QFileInfo(candidate).isFile()) {
            path = candidate;
            break;
        }
    }
    if (path.isEmpty()) {
        error_ = QStringLiteral("%1 not found in %2").arg(fileName_, searchDirs_.join(QStringLiteral(", ")));
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
    entry_ = library_.resolve(entryName_);
    if (entry_ == nullptr) error_ = QStringLiteral("%1 has no entry %2").arg(path, QString::fromLatin1(entryName_));
    return entry_;
}
