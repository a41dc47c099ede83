#pragma once

#include <string>

struct MachineInfo;
struct SpinOutcome;
struct SpinRecord;

// The rest of the program as the machine flows call out to it: music, menus, caption, banner and
// machine pictures, and the moments at which the game should be recorded. Every call has a
// harmless default so that a test can override only what it checks.
class GameHooks {
public:
    virtual ~GameHooks() = default;
    // New Game or Change Game has begun a game.
    virtual void gameStarted() {}
    virtual void stopMusic() {}
    virtual void setMusicMachine(int /*machine*/) {}
    virtual void checkGamesEntry(int /*machine*/) {}
    virtual void readBannerText() {}
    // Symbol sheet and optional legend bitmap of the machine now selected.
    virtual void loadMachinePictures(const MachineInfo& /*info*/) {}
    virtual void setCaption(const std::string& /*caption*/) {}
    // A spin is about to turn the reels; its outcome is planned and its stake charged.
    virtual void spinStarting(const SpinRecord& /*spin*/) {}
    // The reels of a spin have stopped and it is scored; its payout is still to be counted out.
    virtual void spinScored(const SpinOutcome& /*outcome*/) {}
    // Play is idle again after money moved (a spin with its payout and free spins, a borrow, a bet change).
    virtual void playIdle() {}
    // An auto spin run started, ended or started another spin (see SlotMachine::autoPlayLeft).
    virtual void autoPlayChanged() {}
};
