#include <gtest/gtest.h>

#include "NumberLayout.h"

namespace {
constexpr int B = NumberLayout::kBlank;
constexpr int P = NumberLayout::kPoint;
constexpr int N = NumberLayout::kNarrowBlank;
constexpr int D = NumberLayout::kDash;
using Cells = std::vector<int>;
} // namespace

TEST(CounterCells, CreditsCounterBlanksLeadingPlacesAndKeepsTheOnesDigit)
{
    EXPECT_EQ(NumberLayout::counterCells(0, 5, true), (Cells{B, B, B, B, 0, P, 0, 0}));
    EXPECT_EQ(NumberLayout::counterCells(50000, 5, true), (Cells{B, B, 5, 0, 0, P, 0, 0}));
    EXPECT_EQ(NumberLayout::counterCells(1250, 5, true), (Cells{B, B, B, 1, 2, P, 5, 0}));
    EXPECT_EQ(NumberLayout::counterCells(5, 5, true), (Cells{B, B, B, B, 0, P, 0, 5}));
    EXPECT_EQ(NumberLayout::counterCells(9999999, 5, true), (Cells{9, 9, 9, 9, 9, P, 9, 9}));
}

TEST(CounterCells, WagerCounterShowsFiveAndTen)
{
    EXPECT_EQ(NumberLayout::counterCells(500, 2, true), (Cells{B, 5, P, 0, 0}));
    EXPECT_EQ(NumberLayout::counterCells(1000, 2, true), (Cells{1, 0, P, 0, 0}));
}

TEST(CounterCells, SpinsCounterHasNoPointAndValuesTooLargeShowDashes)
{
    EXPECT_EQ(NumberLayout::counterCells(4200, 6, false), (Cells{B, B, B, B, 4, 2}));
    EXPECT_EQ(NumberLayout::counterCells(99999900, 6, false), (Cells{9, 9, 9, 9, 9, 9}));
    EXPECT_EQ(NumberLayout::counterCells(123456700, 6, false), (Cells{D, D, D, D, D, D}));
    EXPECT_EQ(NumberLayout::counterCells(-300, 3, false), (Cells{B, B, 0}));
}

TEST(CounterCells, OverflowingMoneyShowsWholeCreditsInTheSameWidthThenDashes)
{
    // Credits: 5 + 2 digit cells; the narrow blank takes the point's width, so the counter keeps its size.
    EXPECT_EQ(NumberLayout::counterCells(10000000, 5, true), (Cells{N, B, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(NumberLayout::counterCells(123456789, 5, true), (Cells{N, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(NumberLayout::counterCells(999999999, 5, true), (Cells{N, 9, 9, 9, 9, 9, 9, 9}));
    EXPECT_EQ(NumberLayout::counterCells(1234567891, 5, true), (Cells{D, D, D, D, D, P, D, D}));
    // The pool: 98,765.43 as 98765.
    EXPECT_EQ(NumberLayout::counterCells(9876543, 4, true), (Cells{N, B, 9, 8, 7, 6, 5}));
    EXPECT_EQ(NumberLayout::counterCells(999999, 4, true), (Cells{9, 9, 9, 9, P, 9, 9}));
}

TEST(AmountCells, ZeroAndLeadingPlacesAreBlank)
{
    EXPECT_EQ(NumberLayout::amountCells(0, 4), (Cells{B, B, B, B}));
    EXPECT_EQ(NumberLayout::amountCells(45, 4), (Cells{B, B, 4, 5}));
    EXPECT_EQ(NumberLayout::amountCells(1000, 4), (Cells{1, 0, 0, 0}));
    EXPECT_EQ(NumberLayout::amountCells(-5, 4), (Cells{B, B, B, B}));
}

TEST(FormatPattern, TotalsAreGroupedWithTwoDecimals)
{
    const char* totals = "###,###,##0.00";
    EXPECT_EQ(NumberLayout::format(0, totals), "0.00");
    EXPECT_EQ(NumberLayout::format(0.5, totals), "0.50");
    EXPECT_EQ(NumberLayout::format(999.999, totals), "1,000.00");
    EXPECT_EQ(NumberLayout::format(1234.5, totals), "1,234.50");
    EXPECT_EQ(NumberLayout::format(1000000, totals), "1,000,000.00");
    EXPECT_EQ(NumberLayout::format(1234567890.25, totals), "1,234,567,890.25");
    EXPECT_EQ(NumberLayout::format(-1234.5, totals), "-1,234.50");
}

TEST(FormatPattern, PayoffRatioMeasuredWithPercentAndPrintedWithout)
{
    EXPECT_EQ(NumberLayout::format(1.5, "#,##0.00%"), "150.00%");
    EXPECT_EQ(NumberLayout::format(0, "#,##0.00%"), "0.00%");
    EXPECT_EQ(NumberLayout::format(123.456, "#,##0.00%"), "12,345.60%");
    EXPECT_EQ(NumberLayout::format(150, "#,##0.00"), "150.00");
    EXPECT_EQ(NumberLayout::format(95.125, "#,##0.00"), "95.13");
    EXPECT_EQ(NumberLayout::format(0.004, "#,##0.00"), "0.00");
}

TEST(FormatPattern, OptionalPlacesDropTrailingZeros)
{
    EXPECT_EQ(NumberLayout::format(12.5, "0.##"), "12.5");
    EXPECT_EQ(NumberLayout::format(0.25, "#.00"), ".25");
}
