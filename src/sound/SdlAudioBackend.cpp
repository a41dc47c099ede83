#include "SdlAudioBackend.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "MidiLength.h"

namespace {

bool isFile(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

} // namespace

SdlAudioBackend::SdlAudioBackend(const std::string& soundFont)
{
    // SDL's event system would otherwise take SIGINT and SIGTERM away from the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        openError_ = std::string("SDL audio: ") + SDL_GetError();
        lastError_ = openError_;
        return;
    }
    sdlInit_ = true;

    // Debian's SDL_mixer ignores SDL_SOUNDFONTS unless forced, so the font is set here. A bad path
    // would later surface as a misleading "timidity.cfg" error; check it now instead. The MIDI player
    // itself starts with the first tune (music is off at start).
    soundFontFound_ = isFile(soundFont);
    if (soundFontFound_) {
        Mix_SetSoundFonts(soundFont.c_str());
    } else {
        lastError_ = "Soundfont not found: " + soundFont;
    }

    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        // No sound card: the game runs silently.
        openError_ = std::string("Audio device: ") + Mix_GetError();
        lastError_ = openError_;
        return;
    }
    open_ = true;
    Uint16 format = 0;
    int channels = 0;
    Mix_QuerySpec(&frequency_, &format, &channels);
    bytesPerFrame_ = static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8) * channels;
    Mix_AllocateChannels(kVoices);
}

SdlAudioBackend::~SdlAudioBackend()
{
    if (open_) {
        closeTune();
        Mix_HaltChannel(-1);
        for (Mix_Chunk* c : waves_) {
            if (c != nullptr) Mix_FreeChunk(c);
        }
        Mix_CloseAudio();
    }
    if (sdlInit_) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

int SdlAudioBackend::keep(Mix_Chunk* c)
{
    if (c == nullptr) {
        lastError_ = Mix_GetError();
        return kNoWave;
    }
    for (std::size_t i = 0; i < waves_.size(); ++i) {
        if (waves_[i] == nullptr) {
            waves_[i] = c;
            return static_cast<int>(i);
        }
    }
    waves_.push_back(c);
    return static_cast<int>(waves_.size() - 1);
}

Mix_Chunk* SdlAudioBackend::chunk(int wave) const
{
    if (wave < 0 || static_cast<std::size_t>(wave) >= waves_.size()) return nullptr;
    return waves_[static_cast<std::size_t>(wave)];
}

int SdlAudioBackend::loadWaveFile(const std::string& path)
{
    if (!open_) return kNoWave;
    // SDL would only say "NULL src" for a missing file.
    if (!isFile(path)) {
        lastError_ = "Wave file not found: " + path;
        return kNoWave;
    }
    return keep(Mix_LoadWAV(path.c_str()));
}

int SdlAudioBackend::loadWaveBytes(const std::vector<std::uint8_t>& bytes)
{
    if (!open_) return kNoWave;
    if (bytes.empty()) {
        lastError_ = "Empty wave image";
        return kNoWave;
    }
    SDL_RWops* src = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (src == nullptr) {
        lastError_ = SDL_GetError();
        return kNoWave;
    }
    return keep(Mix_LoadWAV_RW(src, 1));
}

void SdlAudioBackend::freeWave(int wave)
{
    Mix_Chunk* c = chunk(wave);
    if (c == nullptr) return;
    Mix_FreeChunk(c); // halts any channel still playing it
    waves_[static_cast<std::size_t>(wave)] = nullptr;
}

std::uint32_t SdlAudioBackend::waveLengthMs(int wave) const
{
    const Mix_Chunk* c = chunk(wave);
    if (c == nullptr || frequency_ <= 0 || bytesPerFrame_ <= 0) return 0;
    const std::uint64_t frames = c->alen / static_cast<std::uint64_t>(bytesPerFrame_);
    return static_cast<std::uint32_t>(frames * 1000 / static_cast<std::uint64_t>(frequency_));
}

void SdlAudioBackend::playWave(int wave, int voice)
{
    Mix_Chunk* c = chunk(wave);
    if (c == nullptr || voice < 0 || voice >= kVoices) return;
    // Playing on a fixed channel replaces what it played, so a retrigger restarts the effect.
    Mix_HaltChannel(voice);
    if (Mix_PlayChannel(voice, c, 0) < 0) lastError_ = Mix_GetError();
}

bool SdlAudioBackend::voicePlaying(int voice) const
{
    if (!open_ || voice < 0 || voice >= kVoices) return false;
    return Mix_Playing(voice) != 0;
}

void SdlAudioBackend::stopVoices()
{
    if (open_) Mix_HaltChannel(-1);
}

bool SdlAudioBackend::openTune(const std::string& path)
{
    closeTune();
    if (!open_) {
        lastError_ = openError_.empty() ? "No audio device" : openError_;
        return false;
    }
    if (!isFile(path)) {
        lastError_ = "MIDI file not found: " + path;
        return false;
    }
    if (!midiReady_) {
        Mix_Init(MIX_INIT_MID);
        midiReady_ = true;
    }
    std::ifstream in(path, std::ios::binary);
    tuneMs_ = midiLengthMs(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {}));
    tune_ = Mix_LoadMUS(path.c_str());
    if (tune_ == nullptr) {
        lastError_ = Mix_GetError();
        return false;
    }
    return true;
}

bool SdlAudioBackend::playTune()
{
    if (tune_ == nullptr) {
        lastError_ = "No tune open";
        return false;
    }
    if (Mix_PlayMusic(tune_, 0) != 0) {
        lastError_ = Mix_GetError();
        return false;
    }
    tuneStarted_ = SDL_GetTicks64();
    return true;
}

bool SdlAudioBackend::tunePlaying() const
{
    if (tune_ == nullptr || Mix_PlayingMusic() == 0) return false;
    return !tuneMs_ || SDL_GetTicks64() - tuneStarted_ < static_cast<std::uint64_t>(*tuneMs_) + kTuneTailMs;
}

namespace {
int mixerLevel(int percent) { return (std::clamp(percent, 0, 100) * MIX_MAX_VOLUME + 50) / 100; }
} // namespace

void SdlAudioBackend::setEffectsVolume(int percent)
{
    if (open_) Mix_Volume(-1, mixerLevel(percent));
}

void SdlAudioBackend::setMusicVolume(int percent)
{
    if (open_) Mix_VolumeMusic(mixerLevel(percent));
}

void SdlAudioBackend::closeTune()
{
    if (tune_ == nullptr) return;
    Mix_HaltMusic();
    Mix_FreeMusic(tune_);
    tune_ = nullptr;
}
