#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "AudioBackend.h"

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

// The audio backend on SDL2 and SDL2_mixer. Each voice is a mixer channel; MIDI tunes play through
// FluidSynth with the given soundfont, which is read only when a tune is first opened. A tune counts as
// ended once its notes have played: the mixer itself reports it playing for seconds longer. Without an
// output device it stays silent: every play does nothing and every tune fails to open. SDL's audio is
// initialised once per instance; make one per program.
class SdlAudioBackend : public AudioBackend {
public:
    static constexpr const char* kDefaultSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
    static constexpr int kVoices = 8;
    // How long after its last note a tune may still sound (a note's release).
    static constexpr std::uint32_t kTuneTailMs = 500;

    explicit SdlAudioBackend(const std::string& soundFont = kDefaultSoundFont);
    ~SdlAudioBackend() override;
    SdlAudioBackend(const SdlAudioBackend&) = delete;
    SdlAudioBackend& operator=(const SdlAudioBackend&) = delete;

    bool isOpen() const override { return open_; }

    // False when the soundfont file was missing: tunes then fail to open.
    bool soundFontFound() const { return soundFontFound_; }
    // Why the device did not open (empty when it did).
    const std::string& openError() const { return openError_; }

    int loadWaveFile(const std::string& path) override;
    int loadWaveBytes(const std::vector<std::uint8_t>& bytes) override;
    void freeWave(int wave) override;
    std::uint32_t waveLengthMs(int wave) const override;

    void playWave(int wave, int voice) override;
    bool voicePlaying(int voice) const override;
    void stopVoices() override;

    bool openTune(const std::string& path) override;
    bool playTune() override;
    bool tunePlaying() const override;
    void closeTune() override;

    void setEffectsVolume(int percent) override;
    void setMusicVolume(int percent) override;

    std::string lastError() const override { return lastError_; }

private:
    int keep(Mix_Chunk* chunk);
    Mix_Chunk* chunk(int wave) const;

    bool sdlInit_ = false;
    bool open_ = false;
    bool soundFontFound_ = false;
    bool midiReady_ = false;
    int frequency_ = 0;
    int bytesPerFrame_ = 0;
    std::vector<Mix_Chunk*> waves_;
    Mix_Music* tune_ = nullptr;
    std::optional<std::uint32_t> tuneMs_; // playing time of the open tune, when its file could be read
    std::uint64_t tuneStarted_ = 0;       // SDL ticks at play
    std::string openError_;
    std::string lastError_;
};
