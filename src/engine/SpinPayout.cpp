// The slot machine's scoring of a spin and its payout: the credits counted up one by one, the bonus
// pool's celebration, and the free spins a spin starts.
#include <algorithm>
#include <limits>

#include "EventPump.h"
#include "GameHooks.h"
#include "GameView.h"
#include "SlotMachine.h"
#include "SpinOutcome.h"
#include "TickSource.h"

namespace {

// Extra milliseconds between credits of a payout, by the credits still to count.
int payoutExtraDelay(int remaining)
{
    if (remaining > 1000) return 0;
    if (remaining > 500) return 2;
    if (remaining > 250) return 4;
    if (remaining > 125) return 6;
    if (remaining > 50) return 12;
    if (remaining > 25) return 25;
    if (remaining > 12) return 50;
    if (remaining > 6) return 75;
    if (remaining > 3) return 100;
    return 200;
}

} // namespace

void SlotMachine::unlockUnlessFreeSpins()
{
    if (!inFreeSpinMode_ && state_.freeSpinCount == 0) SetPlayControls(true);
}

void SlotMachine::EvaluateSpin()
{
    const ReelStops stops = {plan_.stopOfReel(0), plan_.stopOfReel(1), plan_.stopOfReel(2)};
    const SpinScore score = scoreSpin(machineDefinition(state_.currentMachine), stops, state_.wager,
                                      state_.machinePool(), reels_.freeSpinStrip);

    state_.winMultiplier = 0;
    if (score.combo >= 0) {
        state_.winMultiplier = score.multiplier;
        state_.winCombo = score.combo;
        if (score.startsFreeSpins) {
            state_.freeSpinCount = 1;
            SetupReels();
        }
    }

    SpinOutcome outcome;
    outcome.machine = state_.currentMachine;
    for (int r = 0; r < kReelCount; ++r)
        outcome.symbols[static_cast<std::size_t>(r)] = reels_.symbolAt(r, stops[static_cast<std::size_t>(r)]);
    outcome.combo = score.combo;
    outcome.freeSpin = inFreeSpinMode_;
    outcome.freeSpinsStart = score.startsFreeSpins;
    if (score.wins()) outcome.paid = score.payout;
    if (score.winsPool) outcome.poolWon = score.poolWon;
    ports_.hooks.spinScored(outcome);

    if (score.wins()) {
        state_.freeSpinCount = 0;
        const int amount = static_cast<int>(score.payout.cents() / 100);
        ports_.view.drawPayoffRow(state_.winCombo, amount);
        outcome_.largestWin = std::max(outcome_.largestWin, Money::fromCredits(amount));
        if (score.winsPool) {
            outcome_.poolWon = true;
            outcome_.largestWin = std::max(outcome_.largestWin, Money::fromCredits(amount) + score.poolWon);
            state_.credits += score.poolWon;
            state_.machinePaid() += score.poolWon;
            state_.machinePool() = Money();
            ports_.view.drawMainCounters();
            TopAwardCelebration();
            state_.machinePool() = kStartBonusPool;
        } else {
            play(SoundCue::Win);
        }
        PayOut(amount, state_.winCombo);
        unlockUnlessFreeSpins();
        state_.wager = 0;
    } else {
        if (state_.freeSpinCount >= 1) {
            if (state_.freeSpinCount == 1) play(SoundCue::FreeSpins);
            if (state_.freeSpinCount < std::numeric_limits<std::int16_t>::max()) ++state_.freeSpinCount;
        } else {
            play(SoundCue::Lose);
        }
        unlockUnlessFreeSpins();
        state_.wager = 0;
    }
}

void SlotMachine::PayOut(int amount, int combo)
{
    state_.wager = 0;
    int remaining = amount;
    std::uint32_t delay = 0;
    std::uint32_t t0 = ports_.clock.now();
    while (remaining >= 0) {
        waitUntil(t0 + delay, false);
        ports_.view.drawPayoffRow(combo, remaining);
        if (remaining > 0) {
            state_.credits += Money::fromCredits(1);
            state_.machinePaid() += Money::fromCredits(1);
            play(SoundCue::Credit);
        }
        ports_.view.drawCreditsCounter();
        --remaining;
        t0 = ports_.clock.now();
        delay = 25 + static_cast<std::uint32_t>(payoutExtraDelay(remaining));
        if (!finishing_) ports_.pump.processEvents();
    }
}

void SlotMachine::TopAwardCelebration()
{
    std::uint32_t t0 = ports_.clock.now();
    for (int step = 0; step < 60;) {
        waitUntil(t0 + 46, false); // each step starts once more than 45 ms have passed
        t0 = ports_.clock.now();
        if (step % 12 == 0) play(SoundCue::TopAward);
        ++step;
        if (!finishing_) ports_.view.setLamp(step % 2 == 0 ? 1 : 2);
    }
    ports_.view.setLamp(0);
}

void SlotMachine::WaitSeconds(int seconds)
{
    seconds = std::clamp(seconds, 1, 32);
    const std::uint32_t t0 = ports_.clock.now();
    waitUntil(t0 + static_cast<std::uint32_t>(seconds) * 1000u, true);
}
