#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include "AudioBackend.h"
#include "TickSource.h"

// An audio backend that plays nothing and remembers everything. Time comes from a TickSource (usually
// the tests' VirtualClock): a wave sounds on its voice for its length from the moment it is played.
// Wave and tune files must exist on disk to load, as with a real backend.
class FakeAudioBackend : public AudioBackend {
public:
    struct Wave {
        std::string source; // file path, or "memory"
        std::vector<std::uint8_t> bytes;
        std::uint32_t lengthMs = 0;
        bool freed = false;
    };
    struct Play {
        int wave;
        int voice;
        std::uint32_t at;
    };

    explicit FakeAudioBackend(TickSource& clock, bool open = true)
        : clock_(clock)
        , open_(open)
    {}

    // Length given to waves whose file name (or memory image size) has no entry in lengths.
    std::uint32_t defaultLengthMs = 400;
    std::map<std::string, std::uint32_t> lengths;
    // Tunes sound this long after they start, unless ended early with endTune().
    std::uint32_t tuneLengthMs = 60000;
    bool failPlayTune = false;

    bool isOpen() const override { return open_; }

    int loadWaveFile(const std::string& path) override
    {
        fileLoads.push_back(path);
        if (!open_ || !exists(path)) return kNoWave;
        const std::string name = std::filesystem::path(path).filename().string();
        const auto it = lengths.find(name);
        return add({path, {}, it != lengths.end() ? it->second : defaultLengthMs, false});
    }

    int loadWaveBytes(const std::vector<std::uint8_t>& bytes) override
    {
        ++memoryLoads;
        if (!open_ || bytes.empty()) return kNoWave;
        return add({"memory", bytes, defaultLengthMs, false});
    }

    void freeWave(int wave) override
    {
        if (!valid(wave)) return;
        waves[static_cast<std::size_t>(wave)].freed = true;
        for (auto& [voice, state] : voices_) {
            if (state.wave == wave) state.wave = kNoWave;
        }
    }

    std::uint32_t waveLengthMs(int wave) const override
    {
        return valid(wave) ? waves[static_cast<std::size_t>(wave)].lengthMs : 0;
    }

    void playWave(int wave, int voice) override
    {
        if (!open_ || !valid(wave)) return;
        plays.push_back({wave, voice, clock_.now()});
        voices_[voice] = {wave, clock_.now()};
    }

    bool voicePlaying(int voice) const override
    {
        const auto it = voices_.find(voice);
        if (it == voices_.end() || it->second.wave == kNoWave) return false;
        return static_cast<std::int32_t>(clock_.now() - it->second.start) <
               static_cast<std::int32_t>(waves[static_cast<std::size_t>(it->second.wave)].lengthMs);
    }

    void stopVoices() override { voices_.clear(); }

    // Voices sounding right now.
    int voicesSounding() const
    {
        int n = 0;
        for (const auto& [voice, state] : voices_) n += voicePlaying(voice);
        return n;
    }

    bool openTune(const std::string& path) override
    {
        closeTune();
        tuneOpens.push_back(path);
        if (!open_ || !exists(path)) return false;
        tuneOpen_ = true;
        return true;
    }

    bool playTune() override
    {
        if (!tuneOpen_ || failPlayTune) return false;
        tuneStart_ = clock_.now();
        tuneEnded_ = false;
        tuneStarted_ = true;
        ++tunePlays;
        return true;
    }

    bool tunePlaying() const override
    {
        return tuneOpen_ && tuneStarted_ && !tuneEnded_ &&
               static_cast<std::int32_t>(clock_.now() - tuneStart_) < static_cast<std::int32_t>(tuneLengthMs);
    }

    void closeTune() override
    {
        if (tuneOpen_) ++tuneCloses;
        tuneOpen_ = false;
        tuneStarted_ = false;
    }

    void endTune() { tuneEnded_ = true; }
    bool tuneOpen() const { return tuneOpen_; }

    void setEffectsVolume(int percent) override { effectsVolume = percent; }
    void setMusicVolume(int percent) override { musicVolume = percent; }

    std::string lastError() const override { return open_ ? std::string() : "no device"; }

    std::vector<Wave> waves;
    std::vector<Play> plays;
    std::vector<std::string> fileLoads;
    std::vector<std::string> tuneOpens;
    int memoryLoads = 0;
    int effectsVolume = -1; // -1 until set
    int musicVolume = -1;
    int tunePlays = 0;
    int tuneCloses = 0;

private:
    struct Voice {
        int wave = kNoWave;
        std::uint32_t start = 0;
    };

    static bool exists(const std::string& path)
    {
        std::error_code ec;
        return std::filesystem::is_regular_file(path, ec);
    }
    bool valid(int wave) const
    {
        return wave >= 0 && static_cast<std::size_t>(wave) < waves.size() &&
               !waves[static_cast<std::size_t>(wave)].freed;
    }
    int add(Wave w)
    {
        waves.push_back(std::move(w));
        return static_cast<int>(waves.size() - 1);
    }

    TickSource& clock_;
    bool open_;
    std::map<int, Voice> voices_;
    bool tuneOpen_ = false;
    bool tuneStarted_ = false;
    bool tuneEnded_ = false;
    std::uint32_t tuneStart_ = 0;
};
