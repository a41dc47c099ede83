#include "MachineInfo.h"

void SelectMachine(int index, MachineInfo& info)
{
    if (!isValidMachine(index)) return;
    const MachineSpec& spec = machineSpec(index);
    info = MachineInfo{spec.name, spec.shortName, spec.version, spec.symbolSheet, spec.legendSheet};
}

std::string machineMenuCaption(int index)
{
    if (!isValidMachine(index)) return {};
    return machineSpec(index).name;
}
