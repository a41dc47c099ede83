#include "MachineNames.h"

#include "MachineInfo.h"
#include "ReelSet.h"

namespace {

const char* const kSymbolNames[kMachineCount][8] = {
    {"Q medallion", "Bell", "Plum", "Orange", "Watermelon", "Cherry", "Lemon", nullptr},
    {"Red seven", "Blue seven", "White seven", "Gold seven", "Double bar", "Single bar", "Lemon", nullptr},
    {"Jolly Roger", "Diamond", "Ruby", "Gold coins", "Treasure map", "Compass", "Treasure chest", "Anchor"},
};

const char* const kComboNames[kMachineCount][kComboCount] = {
    {"Three Q medallions", "Three bells", "Three plums", "Three oranges", "Three watermelons", "Three cherries",
     "Two cherries", "One cherry"},
    {"Three red sevens", "Three blue sevens", "Three white sevens", "Three gold sevens", "Any three sevens",
     "Three double bars", "Three single bars", "Any three bars"},
    {"Three Jolly Rogers", "Three diamonds", "Three rubies", "Three gold coins", "Three treasure maps",
     "Three compasses", "Three anchors", "Treasure chest: free spins"},
};

} // namespace

std::string symbolName(int machine, int symbol)
{
    if (!isValidMachine(machine) || symbol < 0 || symbol >= 8) return {};
    const char* name = kSymbolNames[machine][symbol];
    return name ? name : std::string();
}

std::string combinationName(int machine, int combo)
{
    if (!isValidMachine(machine) || combo < 0 || combo >= kComboCount) return {};
    return kComboNames[machine][combo];
}
