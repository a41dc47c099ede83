#pragma once

#include <QLibrary>
#include <QString>
#include <QStringList>

#include "StatisticsModule.h"

// Opens Statistics… through the window's module (StatisticsModule.h), loading it on the first call: from
// the game's private library folder when installed, else from beside the program (the build tree). A
// module that is missing or cannot be loaded is named to the player in a message box, and the game plays on.
class StatisticsLoader {
public:
    explicit StatisticsLoader(QStringList searchDirs);

    // The installed module folder relative to programDir, then programDir itself.
    static QStringList defaultDirs(const QString& programDir);

    // The module's entry, loaded on first use; null once it cannot be loaded (see error()).
    OpenStatisticsEntry entry();
    const QString& error() const { return error_; }

    // Opens the window modal over parent, or tells the player why it cannot.
    void open(QWidget* parent, SpinRecorder& recorder, const GameState& state, const StatisticsComboName& comboName);

private:
    QStringList searchDirs_;
    QLibrary library_;
    OpenStatisticsEntry entry_ = nullptr;
    bool tried_ = false;
    QString error_;
};
