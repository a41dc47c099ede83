#include "SoundEffects.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

#include "AudioBackend.h"
#include "EventPump.h"
#include "RandomSource.h"
#include "TickSource.h"

namespace {

// Each effect plays on its own voice, numbered like the cues.
int voiceOf(SoundCue cue) { return static_cast<int>(cue); }

// The Sound menu toggle that can silence a cue, or -1 (free spins and top award have none).
int toggleOf(SoundCue cue)
{
    switch (cue) {
    case SoundCue::Spin:
        return 0;
    case SoundCue::ReelStop:
        return 1;
    case SoundCue::Win:
        return 2;
    case SoundCue::Lose:
        return 3;
    case SoundCue::Coin:
        return 4;
    case SoundCue::Credit:
        return 5;
    case SoundCue::FreeSpins:
    case SoundCue::TopAward:
        return -1;
    }
    return -1;
}

// Integer part of a draw in [0, 1) times n, kept in range even for a draw of exactly 1.
int drawBelow(RandomSource& random, int n)
{
    const int r = static_cast<int>(random.next() * n);
    return r < 0 ? 0 : (r >= n ? n - 1 : r);
}

} // namespace

SoundEffects::SoundEffects(AudioBackend& backend, std::string programDir, RandomSource& random, TickSource& clock,
                           EventPump& pump)
    : backend_(backend)
    , programDir_(std::move(programDir))
    , random_(random)
    , clock_(clock)
    , pump_(pump)
{
    fileWaves_.fill(AudioBackend::kNoWave);
    // The in-memory group, in the order the game has always read it. A missing file decodes to nothing
    // and that sound stays silent.
    reelStopWave_ = backend_.loadWaveBytes(LoadWave("QUINTEL6.WAV"));
    spinWave_ = backend_.loadWaveBytes(LoadWave("QUINTEL9.WAV"));
    topAwardWave_ = backend_.loadWaveBytes(LoadWave("QUINTEL8.WAV"));
    creditWave_ = backend_.loadWaveBytes(LoadWave("QUINTELI.WAV"));
}

SoundEffects::~SoundEffects()
{
    for (int wave : {reelStopWave_, spinWave_, topAwardWave_, creditWave_}) backend_.freeWave(wave);
    for (int wave : fileWaves_) backend_.freeWave(wave);
}

std::string SoundEffects::soundPath(const std::string& name) const
{
    return (std::filesystem::path(programDir_) / name).string();
}

std::vector<std::uint8_t> SoundEffects::LoadWave(const std::string& name) const
{
    // Opened for reading only: unlike a read-write open, this never creates the file.
    std::ifstream in(soundPath(name), std::ios::binary);
    if (!in) return {};
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void SoundEffects::setToggle(int index, bool on)
{
    if (index >= 0 && index < kToggles) toggles_[static_cast<std::size_t>(index)] = on;
}

bool SoundEffects::toggle(int index) const
{
    return index >= 0 && index < kToggles && toggles_[static_cast<std::size_t>(index)];
}

void SoundEffects::silence() { backend_.stopVoices(); }

void SoundEffects::play(SoundCue cue)
{
    // The random file choices reseed whether or not the sound then plays.
    if (cue == SoundCue::Win || cue == SoundCue::Lose) random_.reseed();

    if (minimised_ || !soundOn_) return;
    const int t = toggleOf(cue);
    if (t >= 0 && !toggles_[static_cast<std::size_t>(t)]) return;

    switch (cue) {
    case SoundCue::Spin:
        playMemory(spinWave_, cue);
        break;
    case SoundCue::ReelStop:
        playMemory(reelStopWave_, cue);
        break;
    case SoundCue::Credit:
        playMemory(creditWave_, cue);
        break;
    case SoundCue::TopAward:
        playMemory(topAwardWave_, cue);
        break;
    case SoundCue::Coin:
        playFile("QUINTEL7.WAV", cue, false);
        break;
    case SoundCue::FreeSpins:
        playFile("QUINTELH.WAV", cue, true);
        break;
    case SoundCue::Win: {
        const char letter = "ABCDE"[drawBelow(random_, 5)];
        playFile(std::string("QUINTEL") + letter + ".WAV", cue, true);
        break;
    }
    case SoundCue::Lose: {
        const char digit = static_cast<char>('0' + drawBelow(random_, 6));
        playFile(std::string("QUINTEL") + digit + ".WAV", cue, true);
        break;
    }
    }
}

void SoundEffects::playMemory(int wave, SoundCue cue) { backend_.playWave(wave, voiceOf(cue)); }

void SoundEffects::playFile(const std::string& name, SoundCue cue, bool block)
{
    const int voice = voiceOf(cue);
    const int wave = backend_.loadWaveFile(soundPath(name));
    int& previous = fileWaves_[static_cast<std::size_t>(voice)];
    backend_.freeWave(previous);
    previous = wave;
    if (wave == AudioBackend::kNoWave) return;
    backend_.playWave(wave, voice);
    if (block) waitWhilePlaying(voice, backend_.waveLengthMs(wave));
}

void SoundEffects::waitWhilePlaying(int voice, std::uint32_t lengthMs)
{
    // The wave's own length plus a second of slack bounds the wait, should the voice never report
    // its end.
    const std::uint32_t limit = clock_.now() + lengthMs + 1000;
    while (backend_.voicePlaying(voice)) {
        const std::uint32_t now = clock_.now();
        if (tickReached(now, limit)) break;
        const std::uint32_t next = now + kWaitSliceMs;
        pump_.waitUntil(tickAfter(next, limit) ? limit : next, true);
    }
}

void SoundEffects::setVolume(int percent) { backend_.setEffectsVolume(percent); }
