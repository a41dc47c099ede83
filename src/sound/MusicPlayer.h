#pragma once

#include <string>

#include "MusicControl.h"

class AudioBackend;

// The background music: the three MIDI tunes of the machine's table entry (".MID" files in ProgramDir)
// played in the cycle 0, 1, 2, 0, ... One tick either opens and starts the current tune or, when the
// playing tune has ended, closes it and makes the next one current, to be opened by the next tick.
class MusicPlayer : public MusicControl {
public:
    MusicPlayer(AudioBackend& backend, std::string programDir);
    ~MusicPlayer() override;
    MusicPlayer(const MusicPlayer&) = delete;
    MusicPlayer& operator=(const MusicPlayer&) = delete;

    void setMachine(int machine) override;
    void stop() override;
    // MusicTick.
    bool tick() override;
    void closeAll() override;
    bool playing() const override { return musicPlaying_; }
    std::string musicName() const override { return musicName_; }
    void setVolume(int percent) override;

    // Full path of the current tune's file.
    std::string tunePath() const;

private:
    AudioBackend& backend_;
    std::string programDir_;
    int machine_ = 0;
    int tune_ = 0;
    std::string musicName_ = "QUIN00";
    bool musicPlaying_ = false;
};
