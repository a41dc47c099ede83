#pragma once

#include <QString>
#include <QStringList>

#include "ModuleLoader.h"
#include "StatisticsModule.h"

// Opens Statistics… through the window's module (StatisticsModule.h), loading it on the first call (see
// ModuleLoader). A module that is missing or cannot be loaded is named to the player in a message box, and
// the game plays on.
class StatisticsLoader {
public:
    explicit StatisticsLoader(QStringList searchDirs);

    // The installed module folder relative to programDir, then programDir itself.
    static QStringList defaultDirs(const QString& programDir) { return ModuleLoader::defaultDirs(programDir); }

    // The module's entry, loaded on first use; null once it cannot be loaded (see error()).
    OpenStatisticsEntry entry() { return reinterpret_cast<OpenStatisticsEntry>(module_.entry()); }
    const QString& error() const { return module_.error(); }

    // Opens the window modal over parent, or tells the player why it cannot.
    void open(QWidget* parent, SpinRecorder& recorder, const GameState& state, const StatisticsComboName& comboName);

private:
    ModuleLoader module_;
};
