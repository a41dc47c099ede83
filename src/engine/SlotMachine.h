#pragma once

#include <string>

#include "GameState.h"
#include "MachineInfo.h"
#include "Money.h"
#include "PlaySettings.h"
#include "ReelSet.h"
#include "SoundCue.h"
#include "SpinPlan.h"
#include "SpinRecord.h"
#include "SpinScore.h"

class EventPump;
class GameHooks;
class GameView;
class MessageSink;
class RandomSource;
class SoundSink;
class TickSource;

// Everything the machine needs from outside, injected so that tests run on a virtual clock.
struct SlotMachinePorts {
    TickSource& clock;
    EventPump& pump;
    RandomSource& random;
    GameView& view;
    SoundSink& sound;
    MessageSink& messages;
    GameHooks& hooks;
};

// The slot machine in play: the game state, the machine's reels, the spin cycle, scoring and payout,
// wagers, borrowing, auto spin and the new-game and change-game flows.
class SlotMachine {
public:
    static constexpr int kLeverX = 345;
    static constexpr int kLeverTop = 128;
    static constexpr int kLeverRows = 226; // the whole lever at rest, knob to bracket

    explicit SlotMachine(const SlotMachinePorts& ports);

    GameState& state() { return state_; }
    const GameState& state() const { return state_; }
    const MachineInfo& machineInfo() const { return info_; }
    const ReelSet& reels() const { return reels_; }
    const SpinPlan& plan() const { return plan_; }

    // Machine flows.
    void NewGame(MachineId machine);
    void ChangeGame(MachineId machine);
    // Makes machine current after a game was loaded into the state: catalogue entry, pictures, reels.
    void setupLoadedMachine(int machine);
    void SetupReels();

    // Play actions (click zones and keys). Both do nothing while a spin runs.
    void InsertCoin();
    void Spin();

    // Menu commands.
    void chooseBet(BetChoice bet);
    void borrow(int entry);
    void setAutoSpin(bool on) { autoSpin_ = on; }
    bool autoSpin() const { return autoSpin_; }
    void setSpeed(SpinSpeed speed) { state_.options.speed = speed; }
    SpinSpeed speed() const { return state_.options.speed; }
    int spinSpeed() const { return spinSpeedMs(state_.options.speed); }
    void SetPlayControls(bool enabled);

    // The player's limits: auto play stop conditions and count, quick stop and the loss limit.
    void setPlaySettings(const PlaySettings& settings) { settings_ = settings.sanitised(); }
    const PlaySettings& playSettings() const { return settings_; }
    // True while an auto spin run goes on (between its spins too).
    bool autoPlayRunning() const { return autoRunning_; }
    // Spins of the run not yet started; -1 when it runs until stopped.
    int autoPlayLeft() const { return autoLeft_; }
    // Ends a running auto spin run once the current spin is over. False when none runs.
    bool stopAutoPlay();
    // With Quick Stop on and the reels turning: they show the planned stops at once. False otherwise.
    bool quickStop();
    // Stakes of the spins played since the program started, and what they paid back (bonus pool included).
    Money sessionWagered() const { return sessionWagered_; }
    Money sessionWon() const { return sessionWon_; }
    // The session's net loss has reached the loss limit: new wagers are refused.
    bool lossLimitReached() const;

    // Steps of the spin, public for the window and for tests.
    void AnimateSpin();
    void EvaluateSpin();
    void PayOut(int amount, int combo);
    void TopAwardCelebration();
    void WaitSeconds(int seconds);

    // True from the moment a spin is accepted until it, its payout, its free spins and any auto
    // spins are over.
    bool busy() const { return busy_; }
    // The window is closing: the running spin finishes at once, without animation, sounds or waits,
    // and is scored and paid in full; no further auto spin starts.
    void finishQuickly() { finishing_ = true; }

    // Completes a spin that was interrupted before it was scored: its stake is already charged and its
    // stops are known. Free spins it starts are played out at once. Returns the credits it paid.
    Money completeRecordedSpin(const SpinRecord& spin);

private:
    // The steps New Game and Change Game share, once the totals are cleared or kept.
    void startMachine(int machine);
    void prepareMachine();
    void charge(int credits);
    void runCycle(bool freeSpin);
    void runFreeSpins();
    void play(SoundCue cue);
    void waitUntil(std::uint32_t deadline, bool handleEvents);
    void unlockUnlessFreeSpins();
    // The steps of one spin of Spin: its stake (false when refused), the auto run's count, the spin with
    // its free spins, and whether an auto run goes on.
    bool stakeSpin();
    void countAutoSpin();
    void playStakedSpin();
    bool autoSpinGoesOn();
    // The reels' turn of AnimateSpin, true when a quick stop or the closing window cut it short.
    bool turnReels(std::uint32_t speed);
    // Waits out one animation step of speed ms from t0 and sets t0 to its end.
    void waitStep(std::uint32_t& t0, std::uint32_t speed);
    bool refuseOverLossLimit();

    SlotMachinePorts ports_;
    GameState state_;
    MachineInfo info_;
    ReelSet reels_;
    SpinPlan plan_;
    bool autoSpin_ = false;
    bool busy_ = false;
    bool finishing_ = false;
    bool inFreeSpinMode_ = false;

    PlaySettings settings_;
    bool autoRunning_ = false;
    bool autoStopRequested_ = false;
    int autoLeft_ = 0;
    bool animating_ = false;
    bool quickStopRequested_ = false;
    AutoPlayTally outcome_;
    Money sessionWagered_;
    Money sessionWon_;
};
