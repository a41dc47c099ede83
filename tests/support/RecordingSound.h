#pragma once

#include <string>
#include <vector>

#include "SoundSink.h"

class RecordingSound : public SoundSink {
public:
    void play(SoundCue cue) override
    {
        cues.push_back(cue);
        if (log) log->push_back("sound " + std::to_string(static_cast<int>(cue)));
    }
    int count(SoundCue cue) const
    {
        int n = 0;
        for (SoundCue c : cues) n += c == cue;
        return n;
    }
    std::vector<SoundCue> cues;
    // When set, every cue is also appended to this log (e.g. a view's event log, to check the order).
    std::vector<std::string>* log = nullptr;
};
