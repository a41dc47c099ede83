#pragma once

#include "SoundCue.h"

// Plays sound effects. The implementation applies the sound switches and chooses the files.
class SoundSink {
public:
    virtual ~SoundSink() = default;
    virtual void play(SoundCue cue) = 0;
};
