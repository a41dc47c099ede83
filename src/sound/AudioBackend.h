#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The few audio operations the sound effects and the music need. Waves are decoded once into handles;
// each effect plays on its own voice, and a new play on a voice restarts it instead of stacking.
// One MIDI tune at a time can be open. Every call is harmless when the device is not open.
class AudioBackend {
public:
    static constexpr int kNoWave = -1;

    virtual ~AudioBackend() = default;

    // True when an output device was opened; otherwise the game runs silently.
    virtual bool isOpen() const = 0;

    // Decodes a complete wave file or a complete wave image in memory. kNoWave when it cannot.
    virtual int loadWaveFile(const std::string& path) = 0;
    virtual int loadWaveBytes(const std::vector<std::uint8_t>& bytes) = 0;
    // Frees a wave; a voice still playing it falls silent.
    virtual void freeWave(int wave) = 0;
    // Playing time of a wave in milliseconds (0 for kNoWave).
    virtual std::uint32_t waveLengthMs(int wave) const = 0;

    // Starts wave on voice from its beginning, cutting off whatever that voice was playing.
    virtual void playWave(int wave, int voice) = 0;
    virtual bool voicePlaying(int voice) const = 0;
    // Silences every voice.
    virtual void stopVoices() = 0;

    // The MIDI tune: open a file (closing any open tune), start it, ask whether it still sounds, close it.
    virtual bool openTune(const std::string& path) = 0;
    virtual bool playTune() = 0;
    virtual bool tunePlaying() const = 0;
    virtual void closeTune() = 0;

    // Loudness of every voice, and of the tune, in percent of full (0..100). Without a device nothing happens.
    virtual void setEffectsVolume(int /*percent*/) {}
    virtual void setMusicVolume(int /*percent*/) {}

    // Text of the last failure, for diagnostics.
    virtual std::string lastError() const = 0;
};
