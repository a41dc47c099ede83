#pragma once

#include <string>

// The background music player. The window owns the switch and the five-second poll timer and calls
// tick() from it; a failed tick returns false and the window switches music off with its message.
class MusicControl {
public:
    virtual ~MusicControl() = default;
    // The machine's first tune becomes the current one ("QUIN" + machine + "0").
    virtual void setMachine(int machine) = 0;
    // Closes the tune if one is playing (new game, change of game); the next tick opens the current tune.
    virtual void stop() = 0;
    // One poll: opens and plays the current tune when none plays; when it has ended, closes it and
    // moves on to the machine's next tune. False when a tune could not be opened or played.
    virtual bool tick() = 0;
    // Closes everything (music switched off, program closing).
    virtual void closeAll() = 0;
    virtual bool playing() const = 0;
    // Base name of the current tune, e.g. "QUIN10".
    virtual std::string musicName() const = 0;
    // Loudness of the tunes in percent (0..100).
    virtual void setVolume(int /*percent*/) {}
};
