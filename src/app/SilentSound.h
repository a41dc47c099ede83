#pragma once

#include "SoundControl.h"

// Sound effects that make no sound, for a program built without an audio back end.
class SilentSound : public SoundControl {
public:
    void play(SoundCue) override {}
    void setSoundOn(bool) override {}
    void setToggle(int, bool) override {}
    void setMinimised(bool) override {}
};
