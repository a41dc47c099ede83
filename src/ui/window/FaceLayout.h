#pragma once

#include <QRect>

#include "SpinPlan.h"

// Where the parts of the face lie, in face coordinates: the face draws them there and the accessible
// readout reports them there. A part with a caption starts at its caption.
namespace FaceLayout {

// The large bonus-pool counter with its bevel.
inline constexpr QRect kBonusPool(59, 1, 205, 47);
// The bet's label, centred on the cabinet's dome.
inline constexpr QRect kBet(268, 10, 64, 32);
inline constexpr QRect kCredits(33, 52, 172, 21);
inline constexpr QRect kWager(212, 52, 121, 21);
// The three reels behind their window.
inline constexpr QRect kReels(SpinPlan::kReelLeft, SpinPlan::kReelTop, 254, 132);
inline constexpr QRect kSpins(450, 220, 102, 60);
// The statistics panel's three rows.
inline constexpr QRect kWagers(356, 35, 192, 22);
inline constexpr QRect kWinnings(356, 60, 192, 22);
inline constexpr QRect kPayoff(356, 85, 192, 22);
// The payoff table, where a spin's result shows.
inline constexpr QRect kPayoffTable(42, 240, 280, 180);

} // namespace FaceLayout
