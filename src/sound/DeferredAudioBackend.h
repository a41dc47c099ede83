#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "AudioBackend.h"

// Stands in for the real audio backend until the first sound is played or the music is switched on, and
// only then makes it (the game's start then pays nothing for the audio libraries). Waves given before keep
// their bytes and are decoded when the backend comes; volumes set before are applied to it. When no backend
// can be made, or its device does not open, the reason is reported once and the game plays on silently.
class DeferredAudioBackend : public AudioBackend {
public:
    // Makes the real backend, or returns null and sets error.
    using Factory = std::function<std::unique_ptr<AudioBackend>(std::string& error)>;
    // Told why there is no sound.
    using Report = std::function<void(const std::string& why)>;

    DeferredAudioBackend(Factory factory, Report report);
    ~DeferredAudioBackend() override;
    DeferredAudioBackend(const DeferredAudioBackend&) = delete;
    DeferredAudioBackend& operator=(const DeferredAudioBackend&) = delete;

    // Whether the real backend was asked for yet.
    bool started() const { return started_; }
    // False until first use, and after it when no device opened.
    bool isOpen() const override { return real_ != nullptr && real_->isOpen(); }

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

    std::string lastError() const override;

private:
    // A wave as the caller knows it: its bytes until the backend exists, then the backend's handle.
    struct Wave {
        bool used = false;
        std::vector<std::uint8_t> bytes;
        int real = kNoWave;
    };

    void start();
    int keep(Wave wave);
    const Wave* find(int wave) const;

    Factory factory_;
    Report report_;
    bool started_ = false;
    std::unique_ptr<AudioBackend> real_;
    std::string error_;
    std::vector<Wave> waves_;
    std::optional<int> effectsVolume_;
    std::optional<int> musicVolume_;
};
