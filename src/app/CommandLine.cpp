#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstring>

bool CommandLine::asksForText(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        for (const char* flag : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], flag) == 0) return true;
    }
    return false;
}

void CommandLine::process(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Quintel Slots 95: three slot machines (Quintel, Lucky 7 and Treasure Chest) in one cabinet.\n"
                       "The game is kept in $XDG_CONFIG_HOME/quintel-slots/QUINTEL.INI; a second start on the same\n"
                       "file brings the running game to the front instead. See quintel-slots(6)."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);
}
