#include "MidiErrorText.h"

#include <cctype>

std::string midiErrorText(const std::string& musicName)
{
    std::string lower = musicName;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    // Two spaces after each full stop, as the game has always written it.
    return "There has been an error playing a MIDI file (" + lower +
           ".mid).  Either the MIDI file could not be found or your system is not configured to play MIDI "
           "files.  Music has been switched off.";
}
