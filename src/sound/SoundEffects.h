#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "SoundControl.h"

class AudioBackend;
class EventPump;
class RandomSource;
class TickSource;

// The game's sound effects. Spin, reel stop, credit and top award are decoded once at start from their
// files; win, lose, coin and free spins are read from their files each time they play. Win, lose and
// free spins hold the game until they end, letting window events through meanwhile; the others
// return at once. Each effect has its own voice, so a fast retrigger restarts it.
class SoundEffects : public SoundControl {
public:
    static constexpr int kToggles = 6;
    // Longest wait in one go while a blocking sound plays.
    static constexpr std::uint32_t kWaitSliceMs = 20;

    SoundEffects(AudioBackend& backend, std::string programDir, RandomSource& random, TickSource& clock,
                 EventPump& pump);
    ~SoundEffects() override;
    SoundEffects(const SoundEffects&) = delete;
    SoundEffects& operator=(const SoundEffects&) = delete;

    void play(SoundCue cue) override;
    void setSoundOn(bool on) override { soundOn_ = on; }
    void setToggle(int index, bool on) override;
    void setMinimised(bool minimised) override { minimised_ = minimised; }
    void silence() override;
    void setVolume(int percent) override;

    bool soundOn() const { return soundOn_; }
    bool toggle(int index) const;
    bool minimised() const { return minimised_; }

    // The whole content of ProgramDir/name, empty when it cannot be read. A missing file stays missing.
    std::vector<std::uint8_t> LoadWave(const std::string& name) const;
    // Full path of a sound file in ProgramDir.
    std::string soundPath(const std::string& name) const;

private:
    void playMemory(int wave, SoundCue cue);
    void playFile(const std::string& name, SoundCue cue, bool block);
    void waitWhilePlaying(int voice, std::uint32_t lengthMs);

    AudioBackend& backend_;
    std::string programDir_;
    RandomSource& random_;
    TickSource& clock_;
    EventPump& pump_;

    bool soundOn_ = true;
    bool minimised_ = false;
    std::array<bool, kToggles> toggles_{true, true, true, true, true, true};

    int reelStopWave_;
    int spinWave_;
    int topAwardWave_;
    int creditWave_;
    // The file sound last played on each voice, freed when the voice plays the next one.
    std::array<int, 8> fileWaves_;
};
