#pragma once

#include <string>
#include <vector>

class OutputDir;
class SymbolSet;

// The game's manual: manual.html plus the symbol and pay-table pictures under manual/.
// Plain HTML 4 with a little CSS, as the help window's QTextBrowser shows it.
class ManualWriter {
public:
    static void write(OutputDir& out, const std::vector<const SymbolSet*>& machines);
    static std::string html(const std::vector<const SymbolSet*>& machines);
    static std::string slug(const SymbolSet& machine);
};
