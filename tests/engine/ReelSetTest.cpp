#include <gtest/gtest.h>

#include <array>

#include "MachineInfo.h"
#include "ReelSet.h"

namespace {
std::array<int, 8> counts(const ReelStrip& strip)
{
    std::array<int, 8> c{};
    for (auto s : strip) ++c[s];
    return c;
}
} // namespace

TEST(ReelSet, StripsHoldTheTabledSymbolCounts)
{
    using C = std::array<int, 8>;
    const ReelSet m0 = buildReelSet(0, false);
    EXPECT_EQ(counts(m0.strips[0]), (C{3, 3, 4, 4, 4, 4, 6, 0}));
    EXPECT_EQ(counts(m0.strips[1]), (C{2, 2, 3, 3, 4, 7, 7, 0}));
    EXPECT_EQ(counts(m0.strips[2]), (C{2, 3, 3, 4, 3, 6, 7, 0}));
    const ReelSet m1 = buildReelSet(1, false);
    for (const auto& strip : m1.strips) EXPECT_EQ(counts(strip), (C{1, 2, 2, 2, 7, 10, 4, 0}));
    const ReelSet m2 = buildReelSet(2, false);
    for (const auto& strip : m2.strips) EXPECT_EQ(counts(strip), (C{4, 2, 2, 3, 4, 5, 1, 7}));
    const ReelSet free = buildReelSet(2, true);
    EXPECT_EQ(counts(free.strips[0]), (C{4, 2, 2, 3, 4, 5, 1, 7}));
    EXPECT_EQ(counts(free.strips[2]), (C{4, 2, 2, 3, 4, 5, 0, 8}));
    EXPECT_EQ(free.strips[2][11], 7);
    EXPECT_EQ(m2.strips[2][11], 6);
    // The free-spin strip exists only on the treasure machine.
    EXPECT_EQ(buildReelSet(0, true).strips, m0.strips);
}

TEST(ReelSet, PayTablesPerMachine)
{
    EXPECT_EQ(buildReelSet(0, false).payTable, (PayTable{100, 20, 12, 10, 7, 5, 3, 1}));
    EXPECT_EQ(buildReelSet(1, false).payTable, (PayTable{100, 25, 25, 25, 7, 7, 5, 1}));
    EXPECT_EQ(buildReelSet(2, false).payTable, (PayTable{25, 10, 10, 7, 4, 3, 1, 0}));
    // A damaged machine number never indexes outside the tables.
    EXPECT_EQ(buildReelSet(7, false).machine, 0);
    EXPECT_EQ(buildReelSet(-1, false).payTable, buildReelSet(0, false).payTable);
}

TEST(ReelSet, CombinationsAreRankedAndWildsStandIn)
{
    // Three top symbols are always the top combination.
    for (int m = 0; m < 3; ++m) EXPECT_EQ(matchCombination(m, 0, 0, 0), 0);
    EXPECT_EQ(matchCombination(0, 1, 0, 1), 1);
    EXPECT_EQ(matchCombination(0, 0, 3, 3), 3);
    // Machine 0: cherries on the first reel, first two, all three.
    EXPECT_EQ(matchCombination(0, 5, 5, 5), 5);
    EXPECT_EQ(matchCombination(0, 5, 0, 6), 6);
    EXPECT_EQ(matchCombination(0, 0, 4, 5), 7);
    EXPECT_EQ(matchCombination(0, 6, 5, 5), -1);
    EXPECT_EQ(matchCombination(0, 6, 6, 6), -1);
    // Machine 1: any mix of 0..3 is combination 4 unless a higher one matches; 4s and 5s mix in 7.
    EXPECT_EQ(matchCombination(1, 1, 2, 3), 4);
    EXPECT_EQ(matchCombination(1, 2, 2, 0), 2);
    EXPECT_EQ(matchCombination(1, 4, 4, 4), 5);
    EXPECT_EQ(matchCombination(1, 5, 5, 5), 6);
    EXPECT_EQ(matchCombination(1, 4, 5, 4), 7);
    EXPECT_EQ(matchCombination(1, 4, 0, 4), -1); // the top symbol is no wild for bars
    EXPECT_EQ(matchCombination(1, 6, 5, 5), -1);
    // Machine 2: a treasure anywhere starts free spins, but only when nothing better matches.
    EXPECT_EQ(matchCombination(2, 0, 7, 7), 6);
    EXPECT_EQ(matchCombination(2, 5, 6, 4), 7);
    EXPECT_EQ(matchCombination(2, 7, 7, 6), 7);
    EXPECT_EQ(matchCombination(2, 5, 4, 1), -1);
}

TEST(MachineCatalogue, SelectMachineFillsTheRowAndIgnoresBadIndices)
{
    MachineInfo info;
    SelectMachine(1, info);
    EXPECT_EQ(info.machineName, "Lucky 7 Slots");
    EXPECT_EQ(info.shortName, "Lucky Sevens");
    EXPECT_EQ(info.filePrefix, "LUCKY7");
    EXPECT_EQ(info.bitmapPrefix, "LUCKY7B");
    SelectMachine(3, info);
    EXPECT_EQ(info.machineName, "Lucky 7 Slots");
    SelectMachine(-1, info);
    EXPECT_EQ(info.filePrefix, "LUCKY7");
    SelectMachine(2, info);
    EXPECT_EQ(info.bitmapPrefix, "TREASURB");
    EXPECT_EQ(machineMenuCaption(0), "Quintel Slots");
}
