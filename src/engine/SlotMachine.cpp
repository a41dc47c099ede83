#include "SlotMachine.h"

#include <algorithm>
#include <limits>

#include "EngineText.h"
#include "EventPump.h"
#include "GameHooks.h"
#include "GameView.h"
#include "MessageSink.h"
#include "RandomSource.h"
#include "SoundSink.h"
#include "SpinOutcome.h"
#include "TickSource.h"

SlotMachine::SlotMachine(const SlotMachinePorts& ports)
    : ports_(ports)
{
    SelectMachine(0, info_);
    reels_ = buildReelSet(0, false);
}

// ---- machine flows -------------------------------------------------------------------------

void SlotMachine::NewGame(MachineId id)
{
    const int machine = indexOf(id);
    if (!isValidMachine(machine) || !state_.spinEnabled) return;
    state_.totalWagers[static_cast<std::size_t>(machine)] = Money();
    state_.totalPaid[static_cast<std::size_t>(machine)] = Money();
    startMachine(machine);
    ports_.hooks.gameStarted();
    ports_.hooks.playIdle();
}

void SlotMachine::ChangeGame(MachineId id)
{
    const int machine = indexOf(id);
    if (!isValidMachine(machine) || !state_.spinEnabled) return;
    state_.keepCredits = true;
    startMachine(machine);
    ports_.hooks.gameStarted();
    ports_.hooks.playIdle();
}

void SlotMachine::startMachine(int machine)
{
    ports_.hooks.stopMusic();
    SelectMachine(machine, info_);
    state_.currentMachine = machine;
    ports_.hooks.setMusicMachine(machine);
    ports_.hooks.checkGamesEntry(machine);
    prepareMachine();
    ports_.hooks.setCaption(windowCaption(info_.machineName));
    ports_.view.refresh();
}

void SlotMachine::prepareMachine()
{
    ports_.hooks.readBannerText();
    ports_.hooks.loadMachinePictures(info_);
    SetupReels();
    ResetGameState(state_);
}

void SlotMachine::setupLoadedMachine(int machine)
{
    if (!isValidMachine(machine)) machine = 0;
    state_.currentMachine = machine;
    SelectMachine(machine, info_);
    ports_.hooks.loadMachinePictures(info_);
    SetupReels();
    ports_.view.refresh();
}

void SlotMachine::SetupReels()
{
    reels_ = buildReelSet(state_.currentMachine, state_.freeSpinCount != 0);
    ports_.view.reelsChanged();
}

// ---- menu commands -------------------------------------------------------------------------

void SlotMachine::chooseBet(BetChoice bet)
{
    if (!state_.spinEnabled || !choiceAt<BetChoice>(choiceIndex(bet))) return;
    state_.wager = 0;
    state_.lastBet = 0;
    state_.options.bet = bet;
    ports_.view.refresh();
    ports_.hooks.playIdle();
}

void SlotMachine::borrow(int entry)
{
    const int amount = borrowAmount(entry);
    if (!state_.spinEnabled || amount <= 0) return;
    state_.borrowed += Money::fromCredits(amount);
    state_.credits += Money::fromCredits(amount);
    ports_.view.drawMainCounters();
    ports_.view.drawPayoffTable(0, 7, state_.wager);
    ports_.hooks.playIdle();
}

void SlotMachine::SetPlayControls(bool enabled)
{
    ports_.view.setMenusEnabled(enabled);
    state_.spinEnabled = enabled;
}

// ---- wagers --------------------------------------------------------------------------------

void SlotMachine::charge(int credits)
{
    state_.credits -= Money::fromCredits(credits);
    state_.machineWagers() += Money::fromCredits(credits);
    state_.machinePool() += Money::fromCents(kPoolCentsPerCredit * credits);
    ports_.view.drawMainCounters();
    ports_.view.drawPayoffTable(0, 7, state_.wager);
}

bool SlotMachine::lossLimitReached() const
{
    return settings_.lossLimit > Money() && sessionWagered_ - sessionWon_ >= settings_.lossLimit;
}

bool SlotMachine::refuseOverLossLimit()
{
    if (!lossLimitReached()) return false;
    ports_.messages.showExclamation(EngineTexts::kLossLimitTitle,
                                    fillText(EngineTexts::kLossLimitText, {(sessionWagered_ - sessionWon_).toString(),
                                                                           settings_.lossLimit.toString()}));
    return true;
}

void SlotMachine::InsertCoin()
{
    if (!state_.spinEnabled) return;
    if (state_.wager <= 0 && refuseOverLossLimit()) return;
    const BetAmount& bet = state_.bet();
    if (state_.credits >= Money::fromCredits(bet.coinValue)) {
        play(SoundCue::Coin);
        state_.wager += bet.coinValue;
        charge(bet.coinValue);
        if (state_.wager >= bet.maxWager) Spin();
    } else {
        ports_.messages.showExclamation(EngineTexts::kNotAllowedTitle, EngineTexts::kNotAllowedText);
    }
}

void SlotMachine::Spin()
{
    if (!state_.spinEnabled) return;
    bool bannerPaused = false;
    // Auto spin repeats here rather than by calling Spin again, so a long losing run cannot grow the stack.
    for (;;) {
        if (!stakeSpin()) break;
        busy_ = true;
        SetPlayControls(false);
        state_.lastBet = state_.wager;
        ports_.view.pauseBanner();
        bannerPaused = true;
        countAutoSpin();
        playStakedSpin();
        if (!autoSpinGoesOn()) break;
    }
    if (autoRunning_) {
        autoRunning_ = false;
        autoLeft_ = 0;
        ports_.hooks.autoPlayChanged();
    }
    autoStopRequested_ = false;
    if (bannerPaused) ports_.view.resumeBanner();
}

bool SlotMachine::stakeSpin()
{
    if (state_.wager > 0) return true;
    if (refuseOverLossLimit()) return false;
    // No coins in the slot: the last bet again, if there was one and the credits cover it.
    if (state_.lastBet <= 0) {
        ports_.messages.showExclamation(EngineTexts::kNoWagerTitle, EngineTexts::kNoWagerText);
        return false;
    }
    if (Money::fromCredits(state_.lastBet) > state_.credits) {
        ports_.messages.showExclamation(EngineTexts::kInvalidWagerTitle, EngineTexts::kInvalidWagerText);
        return false;
    }
    state_.wager = state_.lastBet;
    charge(state_.lastBet);
    return true;
}

void SlotMachine::countAutoSpin()
{
    if (autoSpin_ && !autoRunning_) {
        autoRunning_ = true;
        autoLeft_ = settings_.autoSpins > 0 ? settings_.autoSpins : -1;
    }
    if (autoRunning_) {
        if (autoLeft_ > 0) --autoLeft_;
        ports_.hooks.autoPlayChanged();
    }
}

void SlotMachine::playStakedSpin()
{
    // The stake is already charged: what the credits gain from here on is what the spin paid.
    const Money creditsBefore = state_.credits;
    sessionWagered_ += Money::fromCredits(state_.wager);
    outcome_ = AutoPlayTally{};
    runCycle(false);
    if (state_.freeSpinCount >= 1) {
        outcome_.freeSpinsStarted = true;
        runFreeSpins();
    }
    sessionWon_ += state_.credits - creditsBefore;

    ports_.view.drawStatistics();
    busy_ = false;
    ports_.hooks.playIdle();
}

bool SlotMachine::autoSpinGoesOn()
{
    if (!autoSpin_ || finishing_) return false;
    if (!autoRunning_) {
        // Auto Spin was switched on while this spin ran: it is the run's first.
        autoRunning_ = true;
        autoLeft_ = settings_.autoSpins > 0 ? settings_.autoSpins - 1 : -1;
    }
    if (autoPlayStops(settings_, outcome_, state_.winMultiplier != 0, state_.credits)) return false;
    return !autoStopRequested_ && autoLeft_ != 0 && state_.spinEnabled;
}

bool SlotMachine::stopAutoPlay()
{
    if (!autoRunning_) return false;
    autoStopRequested_ = true;
    return true;
}

bool SlotMachine::quickStop()
{
    if (!settings_.quickStop || !animating_ || finishing_) return false;
    quickStopRequested_ = true;
    return true;
}

void SlotMachine::runFreeSpins()
{
    // Play stays locked from the start of the mode until the normal strip is back.
    inFreeSpinMode_ = true;
    SetPlayControls(false);
    ports_.view.showFreeSpinLabel(true);
    WaitSeconds(1);
    while (state_.freeSpinCount >= 1) {
        SetPlayControls(false);
        state_.wager = state_.lastBet;
        ports_.view.drawMainCounters();
        ports_.view.drawPayoffTable(0, 7, state_.wager);
        runCycle(true);
    }
    ports_.view.showFreeSpinLabel(false);
    SetupReels();
    inFreeSpinMode_ = false;
    SetPlayControls(true);
}

// ---- the spin cycle ------------------------------------------------------------------------

void SlotMachine::runCycle(bool freeSpin)
{
    plan_.PlanSpin(ports_.random);
    std::int32_t& spins = state_.machineSpins();
    if (spins < std::numeric_limits<std::int32_t>::max()) ++spins;

    SpinRecord record;
    record.machine = state_.currentMachine;
    record.stake = state_.wager;
    record.freeSpin = freeSpin;
    record.freeSpinCount = state_.freeSpinCount;
    for (int r = 0; r < 3; ++r) record.stops[r] = plan_.stopOfReel(r);
    ports_.hooks.spinStarting(record);

    ports_.view.drawSpinsCounter();
    AnimateSpin();
    ports_.view.drawPayoffTable(0, 7, 0);
    EvaluateSpin();
}

void SlotMachine::waitUntil(std::uint32_t deadline, bool handleEvents)
{
    if (finishing_) return;
    ports_.pump.waitUntil(deadline, handleEvents);
}

void SlotMachine::play(SoundCue cue)
{
    if (finishing_) return;
    ports_.sound.play(cue);
}

void SlotMachine::AnimateSpin()
{
    const auto speed = static_cast<std::uint32_t>(spinSpeed());
    std::uint32_t t0 = ports_.clock.now();
    if (!finishing_) {
        for (int s = 1; s <= 8; ++s) {
            waitStep(t0, speed);
            ports_.view.drawLever(1, kLeverX, kLeverTop + 15 * (s - 1), 70);
            ports_.view.drawLever(0, kLeverX, kLeverTop + 15 * s, 70);
        }
    }
    const bool cutShort = turnReels(speed);
    // The pull's frames draw only the knob's part: the knob of a cut-short pull would stay half-way down
    // and the last frames overlap the bracket, so the lever is drawn whole once it rests.
    ports_.view.drawLever(0, kLeverX, kLeverTop, kLeverRows);
    if (cutShort) {
        for (int w = 3; w <= 5; ++w) {
            const int f = SpinPlan::kRestFrame;
            ports_.view.drawReel(w - 3, plan_.at(f, 0, w), plan_.at(f, 1, w), plan_.at(f, 2, w));
        }
        ports_.view.drawPayLine();
        if (!finishing_) play(SoundCue::ReelStop);
    }
    quickStopRequested_ = false;
}

void SlotMachine::waitStep(std::uint32_t& t0, std::uint32_t speed)
{
    // A step is over once the tick passes t0 + speed; lateness is not caught up.
    waitUntil(t0 + speed + 1, false);
    t0 = ports_.clock.now();
}

bool SlotMachine::turnReels(std::uint32_t speed)
{
    GameView& view = ports_.view;
    std::uint32_t t0 = ports_.clock.now();
    play(SoundCue::Spin);
    const bool veryFast = state_.options.speed == SpinSpeed::VeryFast;
    int soundCounter = 0;
    // Events of the frames below may ask for a quick stop.
    animating_ = true;
    quickStopRequested_ = false;
    bool cutShort = false;
    for (int k = 0; k <= 93; ++k) {
        if (finishing_ || quickStopRequested_) {
            cutShort = true;
            break;
        }
        waitStep(t0, speed);
        if (k <= 8) view.drawLever(0, kLeverX, kLeverTop + 15 * (8 - k), 90);
        for (int w = 3; w <= 5; ++w) {
            view.drawReel(w - 3, plan_.at(k, 0, w), plan_.at(k, 1, w), plan_.at(k, 2, w));
            view.drawPayLine();
            // At the very fast speed every other frame of a reel sounds.
            if (!veryFast || ++soundCounter > 1) {
                soundCounter = 0;
                play(SoundCue::Spin);
            }
        }
        if (k == 69 || k == 81 || k == 93) play(SoundCue::ReelStop);
        if (!finishing_) ports_.pump.processEvents();
    }
    animating_ = false;
    return cutShort;
}

// ---- recovery ------------------------------------------------------------------------------

Money SlotMachine::completeRecordedSpin(const SpinRecord& spin)
{
    const Money before = state_.credits;
    const bool wasFinishing = finishing_;
    finishing_ = true;
    busy_ = true;
    if (isValidMachine(spin.machine) && spin.machine != state_.currentMachine) setupLoadedMachine(spin.machine);
    const bool freeSpins = machineDefinition(state_.currentMachine).hasFreeSpins() && spin.freeSpin;
    state_.freeSpinCount = freeSpins ? std::max(spin.freeSpinCount, 0) : 0;
    SetupReels();
    SetPlayControls(false);
    state_.wager = std::clamp(spin.stake, 0, largestStake());
    state_.lastBet = state_.wager;
    plan_.restOn(spin.stops[0], spin.stops[1], spin.stops[2]);
    inFreeSpinMode_ = spin.freeSpin;
    EvaluateSpin();
    if (state_.freeSpinCount >= 1) {
        runFreeSpins();
    } else if (inFreeSpinMode_) {
        inFreeSpinMode_ = false;
        SetupReels();
        SetPlayControls(true);
    }
    state_.wager = 0;
    busy_ = false;
    finishing_ = wasFinishing;
    ports_.view.refresh();
    ports_.hooks.playIdle();
    return state_.credits - before;
}
