#include <gtest/gtest.h>

#include "Money.h"

TEST(Money, FormatsTwoDecimalsAndRoundsWholeCredits)
{
    EXPECT_EQ(Money::fromCents(123450).toString(), "1234.50");
    EXPECT_EQ(Money::fromCents(5).toString(), "0.05");
    EXPECT_EQ(Money::fromCents(-5).toString(), "-0.05");
    EXPECT_EQ(Money::fromCredits(500).toWholeString(), "500");
    EXPECT_EQ(Money::fromCents(15050).roundedCredits(), 151);
    EXPECT_EQ(Money::fromCents(15049).roundedCredits(), 150);
    EXPECT_EQ(Money::fromCents(-15050).roundedCredits(), -151);
}

TEST(Money, GroupsThousandsForThePlayer)
{
    EXPECT_EQ(Money::fromCents(102000).toGroupedString(), "1,020.00");
    EXPECT_EQ(Money::fromCents(99999).toGroupedString(), "999.99");
    EXPECT_EQ(Money::fromCents(5).toGroupedString(), "0.05");
    EXPECT_EQ(Money::fromCents(-123456789).toGroupedString(), "-1,234,567.89");
    EXPECT_EQ(Money::fromCents(100000000).toGroupedString(), "1,000,000.00");
}

TEST(Money, StaysExactFarBeyondSinglePrecision)
{
    // Single precision cannot hold cents above 131,072 credits; cents must never drift here.
    Money m = Money::fromCredits(20'000'000);
    for (int i = 0; i < 1000; ++i) m += Money::fromCents(1);
    EXPECT_EQ(m.toString(), "20000010.00");
    EXPECT_EQ((m - Money::fromCents(1)).toString(), "20000009.99");
}
