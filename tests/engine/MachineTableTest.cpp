#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "MachineTable.h"
#include "SpinScore.h"

namespace {

// Checks that hold for any sensible machine table, so that an edited table fails here rather than in play.
TEST(MachineTable, EveryMachineIsComplete)
{
    for (int m = 0; m < kMachineCount; ++m) {
        SCOPED_TRACE(m);
        const MachineDefinition& def = machineDefinition(m);
        EXPECT_EQ(indexOf(def.id), m);
        for (int r = 0; r < kReelCount; ++r) {
            for (bool free : {false, true}) {
                const char* strip = def.strip(r, free);
                ASSERT_EQ(std::strlen(strip), static_cast<std::size_t>(kStripLength));
                for (int p = 0; p < kStripLength; ++p) EXPECT_LT(strip[p] - '0', def.symbolCount) << r << " " << p;
            }
        }
        for (int s = 0; s < def.symbolCount; ++s) EXPECT_NE(def.symbolNames[static_cast<std::size_t>(s)], nullptr);
        std::set<std::string> names;
        for (const Combination& c : def.combinations) {
            names.insert(c.name);
            EXPECT_GE(c.legend[0], 0) << c.name;
            for (auto cell : c.legend) EXPECT_LT(cell, 9) << c.name; // cells of a 3 x 3 sheet
        }
        EXPECT_EQ(names.size(), static_cast<std::size_t>(kComboCount));
        // The pool is won by multiplier: no other combination may pay as much.
        const int top = def.multiplier(def.poolCombination);
        for (int k = 0; k < kComboCount; ++k) {
            if (k != def.poolCombination) {
                EXPECT_NE(def.multiplier(k), top) << k;
            }
        }
        EXPECT_EQ(def.match(0, 0, 0), def.poolCombination);
        if (def.hasFreeSpins()) {
            EXPECT_EQ(def.multiplier(def.freeSpinCombination), 0);
        }
    }
    // A damaged number is the first machine.
    EXPECT_EQ(&machineDefinition(7), &machineDefinition(MachineId::Quintel));
    EXPECT_EQ(&machineDefinition(-1), &machineDefinition(MachineId::Quintel));
}

TEST(SpinScore, PaysTheStakeTimesTheMultiplierAndThePoolOnlyWithTheTopCombination)
{
    const MachineDefinition& quintel = machineDefinition(MachineId::Quintel);
    const Money pool = Money::fromCents(150'30);
    const SpinScore top = scoreSpin(quintel, {1, 2, 9}, 3, pool, false); // 0, 0, 0
    EXPECT_EQ(top.combo, 0);
    EXPECT_EQ(top.payout, Money::fromCredits(300));
    EXPECT_TRUE(top.winsPool);
    EXPECT_EQ(top.poolWon, pool);

    const SpinScore cherry = scoreSpin(quintel, {1, 1, 13}, 2, pool, false); // 0, 4, 5
    EXPECT_EQ(cherry.combo, 7);
    EXPECT_EQ(cherry.payout, Money::fromCredits(2));
    EXPECT_FALSE(cherry.winsPool);
    EXPECT_EQ(cherry.poolWon, Money());
    // Stops wrap around the strip.
    EXPECT_EQ(scoreSpin(quintel, {1 + kStripLength, 1 - kStripLength, 13}, 2, pool, false).combo, 7);

    const SpinScore lost = scoreSpin(quintel, {0, 0, 0}, 3, pool, false);
    EXPECT_EQ(lost.combo, combinationAt(quintel, {0, 0, 0}, false));
    EXPECT_EQ(lost.wins(), lost.multiplier > 0);
}

TEST(SpinScore, TheTreasureChestStartsFreeSpinsAndTheFreeSpinStripHasNoChestOnReelThree)
{
    const MachineDefinition& treasure = machineDefinition(MachineId::Treasure);
    const SpinScore chest = scoreSpin(treasure, {11, 0, 0}, 3, Money::fromCredits(150), false); // 6, 7, 7
    EXPECT_EQ(chest.combo, treasure.freeSpinCombination);
    EXPECT_TRUE(chest.startsFreeSpins);
    EXPECT_FALSE(chest.wins());
    EXPECT_EQ(chest.payout, Money());

    // Reel 3 stop 11: a chest on the normal strip, an anchor on the free-spin strip.
    EXPECT_TRUE(scoreSpin(treasure, {0, 0, 11}, 1, Money(), false).startsFreeSpins);
    EXPECT_FALSE(scoreSpin(treasure, {0, 0, 11}, 1, Money(), true).startsFreeSpins);
    // Machines without free spins ignore the free-spin flag.
    const MachineDefinition& lucky = machineDefinition(MachineId::Lucky7);
    for (int stop = 0; stop < kStripLength; ++stop)
        EXPECT_EQ(combinationAt(lucky, {stop, 3, stop}, true), combinationAt(lucky, {stop, 3, stop}, false));
}

} // namespace
