#include "DeferredAudioBackend.h"

#include <utility>

DeferredAudioBackend::DeferredAudioBackend(Factory factory, Report report)
    : factory_(std::move(factory))
    , report_(std::move(report))
{}

DeferredAudioBackend::~DeferredAudioBackend()
{
    if (real_ == nullptr) return;
    for (const Wave& w : waves_)
        if (w.used) real_->freeWave(w.real);
}

void DeferredAudioBackend::start()
{
    if (started_) return;
    started_ = true;
    real_ = factory_(error_);
    if (real_ == nullptr) {
        report_(error_);
        return;
    }
    if (!real_->isOpen()) report_(real_->lastError());
    if (effectsVolume_) real_->setEffectsVolume(*effectsVolume_);
    if (musicVolume_) real_->setMusicVolume(*musicVolume_);
    for (Wave& w : waves_) {
        if (!w.used || w.bytes.empty()) continue;
        w.real = real_->loadWaveBytes(w.bytes);
        w.bytes = {};
    }
}

int DeferredAudioBackend::keep(Wave wave)
{
    wave.used = true;
    for (std::size_t i = 0; i < waves_.size(); ++i) {
        if (!waves_[i].used) {
            waves_[i] = std::move(wave);
            return static_cast<int>(i);
        }
    }
    waves_.push_back(std::move(wave));
    return static_cast<int>(waves_.size() - 1);
}

const DeferredAudioBackend::Wave* DeferredAudioBackend::find(int wave) const
{
    if (wave < 0 || static_cast<std::size_t>(wave) >= waves_.size()) return nullptr;
    const Wave& w = waves_[static_cast<std::size_t>(wave)];
    return w.used ? &w : nullptr;
}

int DeferredAudioBackend::loadWaveFile(const std::string& path)
{
    // Files are read when they play, so this is a first use.
    start();
    if (real_ == nullptr) return kNoWave;
    const int real = real_->loadWaveFile(path);
    return real == kNoWave ? kNoWave : keep(Wave{true, {}, real});
}

int DeferredAudioBackend::loadWaveBytes(const std::vector<std::uint8_t>& bytes)
{
    if (bytes.empty()) return kNoWave;
    if (!started_) return keep(Wave{true, bytes, kNoWave});
    if (real_ == nullptr) return kNoWave;
    const int real = real_->loadWaveBytes(bytes);
    return real == kNoWave ? kNoWave : keep(Wave{true, {}, real});
}

void DeferredAudioBackend::freeWave(int wave)
{
    if (find(wave) == nullptr) return;
    Wave& w = waves_[static_cast<std::size_t>(wave)];
    if (real_ != nullptr) real_->freeWave(w.real);
    w = Wave{};
}

std::uint32_t DeferredAudioBackend::waveLengthMs(int wave) const
{
    const Wave* w = find(wave);
    return w != nullptr && real_ != nullptr ? real_->waveLengthMs(w->real) : 0;
}

void DeferredAudioBackend::playWave(int wave, int voice)
{
    start();
    const Wave* w = find(wave);
    if (w != nullptr && real_ != nullptr) real_->playWave(w->real, voice);
}

bool DeferredAudioBackend::voicePlaying(int voice) const { return real_ != nullptr && real_->voicePlaying(voice); }

void DeferredAudioBackend::stopVoices()
{
    if (real_ != nullptr) real_->stopVoices();
}

bool DeferredAudioBackend::openTune(const std::string& path)
{
    start();
    return real_ != nullptr && real_->openTune(path);
}

bool DeferredAudioBackend::playTune() { return real_ != nullptr && real_->playTune(); }

bool DeferredAudioBackend::tunePlaying() const { return real_ != nullptr && real_->tunePlaying(); }

void DeferredAudioBackend::closeTune()
{
    if (real_ != nullptr) real_->closeTune();
}

void DeferredAudioBackend::setEffectsVolume(int percent)
{
    effectsVolume_ = percent;
    if (real_ != nullptr) real_->setEffectsVolume(percent);
}

void DeferredAudioBackend::setMusicVolume(int percent)
{
    musicVolume_ = percent;
    if (real_ != nullptr) real_->setMusicVolume(percent);
}

std::string DeferredAudioBackend::lastError() const { return real_ != nullptr ? real_->lastError() : error_; }
