#pragma once

#include <string>

// Title of the message shown when music fails and switches itself off.
inline constexpr const char* kMidiErrorTitle = "MIDI Error";

// Text of that message for the tune musicName (e.g. "QUIN21"), named in lower case.
std::string midiErrorText(const std::string& musicName);
