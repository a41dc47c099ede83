#include "MidiErrorText.h"

std::string midiErrorText(const std::string& musicName)
{
    std::string lower = musicName;
    // ASCII only: in a Turkish locale tolower leaves 'I' alone.
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    // Two spaces after each full stop, as the game has always written it.
    return "There has been an error playing a MIDI file (" + lower +
           ".mid).  Either the MIDI file could not be found or your system is not configured to play MIDI "
           "files.  Music has been switched off.";
}
