#pragma once

#include <array>
#include <vector>

#include "SoundControl.h"

// Sound effects that only remember what they were asked: the cues played and the switches set.
class NullSound : public SoundControl {
public:
    void play(SoundCue cue) override { cues.push_back(cue); }
    void setSoundOn(bool on) override { soundOn = on; }
    void setToggle(int index, bool on) override
    {
        if (index >= 0 && index < 6) toggles[static_cast<std::size_t>(index)] = on;
    }
    void setMinimised(bool on) override { minimised = on; }

    std::vector<SoundCue> cues;
    bool soundOn = false;
    std::array<bool, 6> toggles{};
    bool minimised = false;
};
