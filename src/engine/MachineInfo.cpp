#include "MachineInfo.h"

void SelectMachine(int index, MachineInfo& info)
{
    if (!isValidMachine(index)) return;
    const MachineDefinition& def = machineDefinition(index);
    info = MachineInfo{def.name, def.shortName, def.version, def.symbolSheet, def.legendSheet};
}

std::string machineMenuCaption(int index)
{
    if (!isValidMachine(index)) return {};
    return machineDefinition(index).name;
}

std::string windowCaption(const std::string& machineName) { return machineName + " 95"; }
