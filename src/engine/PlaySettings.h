#pragma once

#include <array>
#include <cstdint>

#include "Money.h"

// The player's own limits and comforts that the classic menus lack: auto play limits, quick stop,
// volumes, reminders and a session loss limit. Every default gives the classic behaviour.
struct PlaySettings {
    // Spins an auto play run may take; 0 runs until a stop condition or the player ends it.
    static constexpr std::array<int, 7> kSpinChoices = {10, 25, 50, 100, 250, 500, 0};
    static constexpr std::array<int, 4> kReminderChoices = {0, 15, 30, 60}; // minutes, 0 off
    // Largest amount a stop condition or the loss limit may hold, in credits.
    static constexpr std::int64_t kMaxAmount = 1'000'000'000;

    int autoSpins = 0;
    bool stopOnAnyWin = true;
    Money stopOnWinOf;      // a single win of at least this much; 0 off
    Money stopBelowCredits; // credits fall below this; 0 off
    bool stopOnBonusPool = false;
    bool stopOnFreeSpins = false;

    bool quickStop = false;

    int effectsVolume = 100; // percent
    int musicVolume = 100;   // percent

    int reminderMinutes = 0;
    Money lossLimit; // net loss of the session that refuses further play; 0 off

    bool operator==(const PlaySettings&) const = default;

    // The same settings with every value brought into its allowed range (a hand-edited file).
    PlaySettings sanitised() const;
};

// What one spin did, counted for the stop conditions (free spins it started included).
struct AutoPlayTally {
    Money largestWin; // largest single payout, the bonus pool included
    bool poolWon = false;
    bool freeSpinsStarted = false;
};

// Whether an auto play run stops after a spin: any enabled condition that the spin or the credits
// after it meet. anyWin is whether the last payout of the spin was a win (the classic rule).
bool autoPlayStops(const PlaySettings& settings, const AutoPlayTally& outcome, bool anyWin, Money credits);
