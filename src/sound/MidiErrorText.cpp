#include "MidiErrorText.h"

std::string midiErrorText(const std::string& musicName)
{
    std::string lower = musicName;
    // ASCII only: in a Turkish locale tolower leaves 'I' alone.
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return fillText(kMidiErrorTemplate, {lower + ".mid"});
}
