#pragma once

#include <QLibrary>
#include <QString>
#include <QStringList>

// One of the game's modules (parts loaded on first use), found by file name in the search folders and loaded
// on the first call of entry(): from the game's private library folder when installed, else from beside the
// program (the build tree).
class ModuleLoader {
public:
    ModuleLoader(QStringList searchDirs, const char* fileName, const char* entryName);

    // The installed module folder relative to programDir, then programDir itself.
    static QStringList defaultDirs(const QString& programDir);

    // The module's entry, loaded on first use; null once it cannot be loaded (see error()).
    QFunctionPointer entry();
    const QString& error() const { return error_; }

private:
    QStringList searchDirs_;
    QString fileName_;
    const char* entryName_;
    QLibrary library_;
    QFunctionPointer entry_ = nullptr;
    bool tried_ = false;
    QString error_;
};
