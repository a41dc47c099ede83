#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// Playing time of a Standard MIDI File in milliseconds: to its last event, following every tempo
// change. Empty for a file that is not a well-formed SMF with ticks per quarter note.
std::optional<std::uint32_t> midiLengthMs(const std::vector<std::uint8_t>& bytes);
