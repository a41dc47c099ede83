#pragma once

#include "PlaySettings.h"

class IniDocument;

// The player's limits and comforts as keys of section "Settings" of the profile file. A file
// without them (an older one) reads as the defaults; a key whose value is not one the game writes
// reads as that key's default.
PlaySettings readPlaySettings(const IniDocument& doc);
// Writes every key; the other keys of the section stay as they are.
void writePlaySettings(IniDocument& doc, const PlaySettings& settings);
