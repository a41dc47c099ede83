#pragma once

#include <vector>

#include "SoundSink.h"

class RecordingSound : public SoundSink {
public:
    void play(SoundCue cue) override { cues.push_back(cue); }
    int count(SoundCue cue) const
    {
        int n = 0;
        for (SoundCue c : cues) n += c == cue;
        return n;
    }
    std::vector<SoundCue> cues;
};
