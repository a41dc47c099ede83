#pragma once

#include <QString>

// Where the game's pictures, machine files and manual live: QUINTEL_ASSET_DIR when set, else
// ../share/games/quintel-slots beside the installed program, else the assets folder beside the program (in
// the build tree, a link to the source tree's).
class ProgramDir {
public:
    static QString find(const QString& executableDir);
};
