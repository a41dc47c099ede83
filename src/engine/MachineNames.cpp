#include "MachineNames.h"

#include "MachineTable.h"

std::string symbolName(int machine, int symbol)
{
    if (!isValidMachine(machine) || symbol < 0 || symbol >= machineDefinition(machine).symbolCount) return {};
    const char* name = machineDefinition(machine).symbolNames[static_cast<std::size_t>(symbol)];
    return name ? name : std::string();
}

std::string combinationName(int machine, int combo)
{
    if (!isValidMachine(machine) || combo < 0 || combo >= kComboCount) return {};
    return machineDefinition(machine).combinations[static_cast<std::size_t>(combo)].name;
}
