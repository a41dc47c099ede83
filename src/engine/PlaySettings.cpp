#include "PlaySettings.h"

#include <algorithm>

namespace {

Money clampAmount(Money amount) { return std::clamp(amount, Money(), Money::fromCredits(PlaySettings::kMaxAmount)); }

template <std::size_t N> int nearestChoice(const std::array<int, N>& choices, int value, int fallback)
{
    return std::find(choices.begin(), choices.end(), value) != choices.end() ? value : fallback;
}

} // namespace

PlaySettings PlaySettings::sanitised() const
{
    PlaySettings s = *this;
    s.autoSpins = nearestChoice(kSpinChoices, autoSpins, 0);
    s.reminderMinutes = nearestChoice(kReminderChoices, reminderMinutes, 0);
    s.effectsVolume = std::clamp(effectsVolume, 0, 100);
    s.musicVolume = std::clamp(musicVolume, 0, 100);
    s.stopOnWinOf = clampAmount(stopOnWinOf);
    s.stopBelowCredits = clampAmount(stopBelowCredits);
    s.lossLimit = clampAmount(lossLimit);
    return s;
}

bool autoPlayStops(const PlaySettings& settings, const AutoPlayTally& outcome, bool anyWin, Money credits)
{
    if (settings.stopOnAnyWin && anyWin) return true;
    if (settings.stopOnWinOf > Money() && outcome.largestWin >= settings.stopOnWinOf) return true;
    if (settings.stopBelowCredits > Money() && credits < settings.stopBelowCredits) return true;
    if (settings.stopOnBonusPool && outcome.poolWon) return true;
    if (settings.stopOnFreeSpins && outcome.freeSpinsStarted) return true;
    return false;
}
