#pragma once

#include <string>

#include "MachineTable.h"

// Catalogue entry of the machine in play: its names, version and picture files. Fields are kept
// trimmed and within the lengths noted below.
struct MachineInfo {
    std::string machineName;    // up to 30 characters, e.g. "Lucky 7 Slots"
    std::string shortName;      // up to 30 characters, e.g. "Lucky Sevens"
    std::string machineVersion; // up to 5 characters
    std::string filePrefix;     // symbol sheet base name, e.g. "LUCKY7"
    std::string bitmapPrefix;   // legend bitmap base name, e.g. "LUCKY7B"
};

// Fills info with the catalogue row of index; an index outside 0..2 leaves info unchanged.
void SelectMachine(int index, MachineInfo& info);

// The menu caption of a machine ("Quintel Slots", "Lucky 7 Slots", "Treasure Chest Slots").
std::string machineMenuCaption(int index);
// The main window's caption for a machine's name: "Quintel Slots 95".
std::string windowCaption(const std::string& machineName);
