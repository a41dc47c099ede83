#include "MusicPlayer.h"

#include <filesystem>
#include <utility>

#include "AudioBackend.h"

MusicPlayer::MusicPlayer(AudioBackend& backend, std::string programDir)
    : backend_(backend), programDir_(std::move(programDir))
{
}

MusicPlayer::~MusicPlayer()
{
    closeAll();
}

std::string MusicPlayer::tunePath() const
{
    return (std::filesystem::path(programDir_) / (musicName_ + ".MID")).string();
}

void MusicPlayer::setMachine(int machine)
{
    if (machine < 0 || machine > 9) return;
    musicName_ = "QUIN" + std::to_string(machine) + "0";
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
        const int n = (musicName_.back() - '0' + 1) % 3;
        musicName_ = musicName_.substr(0, 5) + static_cast<char>('0' + n);
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
