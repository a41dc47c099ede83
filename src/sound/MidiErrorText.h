#pragma once

#include <string>

#include "EngineText.h"

// Title of the message shown when music fails and switches itself off.
inline constexpr const char* kMidiErrorTitle = QUINTEL_TR_NOOP("Sound", "MIDI Error");
// Its text; %1 is the tune's file name in lower case ("quin21.mid"). Two spaces after each full stop, as the game
// has always written it.
inline constexpr const char* kMidiErrorTemplate = QUINTEL_TR_NOOP(
    "Sound", "There has been an error playing a MIDI file (%1).  Either the MIDI file could not be "
             "found or your system is not configured to play MIDI files.  Music has been switched off.");

// Text of that message for the tune musicName (e.g. "QUIN21"), named in lower case.
std::string midiErrorText(const std::string& musicName);
