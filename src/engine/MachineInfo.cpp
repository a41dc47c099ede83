#include "MachineInfo.h"

#include <array>

namespace {
const std::array<MachineInfo, kMachineCount> kCatalogue = {{
    {"Quintel Slots", "Quintel Slots", "1.2", "QUINTEL", "QUINTELB"},
    {"Lucky 7 Slots", "Lucky Sevens", "1.2", "LUCKY7", "LUCKY7B"},
    {"Treasure Chest Slots", "Treasure Chest", "1.2", "TREASURE", "TREASURB"},
}};
}

void SelectMachine(int index, MachineInfo& info)
{
    if (!isValidMachine(index)) return;
    info = kCatalogue[static_cast<std::size_t>(index)];
}

std::string machineMenuCaption(int index)
{
    if (!isValidMachine(index)) return {};
    return kCatalogue[static_cast<std::size_t>(index)].machineName;
}
