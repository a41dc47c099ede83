#pragma once

#include "SoundSink.h"

// The sound effects as the window controls them: the master switch, the six toggles of the Sound menu
// (0 spin, 1 stop, 2 win, 3 lose, 4 coin, 5 credit) and the window's minimised state.
class SoundControl : public SoundSink {
public:
    virtual void setSoundOn(bool on) = 0;
    virtual void setToggle(int index, bool on) = 0;
    virtual void setMinimised(bool minimised) = 0;
    // Cuts off every sound at once, ending a wait for a blocking sound (the window is closing).
    virtual void silence() {}
    // Loudness of the effects in percent (0..100).
    virtual void setVolume(int /*percent*/) {}
};
