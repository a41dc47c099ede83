#include "MusicPlayer.h"

#include <filesystem>
#include <utility>

#include "AudioBackend.h"
#include "MachineTable.h"

MusicPlayer::MusicPlayer(AudioBackend& backend, std::string programDir)
    : backend_(backend)
    , programDir_(std::move(programDir))
{}

MusicPlayer::~MusicPlayer() { closeAll(); }

std::string MusicPlayer::tunePath() const
{
    return (std::filesystem::path(programDir_) / (musicName_ + ".MID")).string();
}

void MusicPlayer::setMachine(int machine)
{
    if (!isValidMachine(machine)) return;
    machine_ = machine;
    tune_ = 0;
    musicName_ = machineDefinition(machine_).tunes[0];
}

void MusicPlayer::stop()
{
    if (!musicPlaying_) return;
    backend_.closeTune();
    musicPlaying_ = false;
}

bool MusicPlayer::tick()
{
    if (!musicPlaying_) {
        if (!backend_.openTune(tunePath())) return false;
        if (!backend_.playTune()) {
            backend_.closeTune();
            return false;
        }
        musicPlaying_ = true;
        // Just started: it cannot have ended yet.
        return true;
    }
    if (!backend_.tunePlaying()) {
        // Next tune of the cycle; the next tick opens it.
        const auto& tunes = machineDefinition(machine_).tunes;
        tune_ = (tune_ + 1) % static_cast<int>(tunes.size());
        musicName_ = tunes[static_cast<std::size_t>(tune_)];
        musicPlaying_ = false;
        backend_.closeTune();
    }
    return true;
}

void MusicPlayer::closeAll()
{
    backend_.closeTune();
    musicPlaying_ = false;
}

void MusicPlayer::setVolume(int percent) { backend_.setMusicVolume(percent); }
