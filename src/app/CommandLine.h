#pragma once

class QCoreApplication;

// The game's command line: --help and --version (answered without a display), nothing else.
class CommandLine {
public:
    // True when the arguments only ask for text, so that no window system is needed to answer them.
    static bool asksForText(int argc, char** argv);
    // Answers --help and --version, or rejects an unknown argument, and then ends the program;
    // returns when the game should start.
    static void process(const QCoreApplication& app);
};
