#include <gtest/gtest.h>

#include <cstdint>

#include "LeadingDecimal.h"
#include "Utf8Text.h"

namespace {

// "é" is two bytes, "€" three, the musical G clef four.
const std::string kE = "\xC3\xA9";
const std::string kEuro = "\xE2\x82\xAC";
const std::string kClef = "\xF0\x9D\x84\x9E";

TEST(Utf8Text, CountsCharactersNotBytes)
{
    EXPECT_EQ(utf8Length("abc"), 3u);
    EXPECT_EQ(utf8Length(kE + kEuro + kClef), 3u);
    // Invalid bytes count one each: a lone continuation byte, a truncated sequence, an overlong
    // slash, an encoded surrogate.
    EXPECT_EQ(utf8Length("\x80"), 1u);
    EXPECT_EQ(utf8Length("\xE2\x82"), 2u);
    EXPECT_EQ(utf8Length("\xC0\xAF"), 2u);
    EXPECT_EQ(utf8Length("\xED\xA0\x80"), 3u);
}

TEST(Utf8Text, PrefixNeverCutsASequence)
{
    const std::string text = "ab" + kEuro + kClef + "z";
    EXPECT_EQ(utf8Prefix(text, 2), "ab");
    EXPECT_EQ(utf8Prefix(text, 3), "ab" + kEuro);
    EXPECT_EQ(utf8Prefix(text, 4), "ab" + kEuro + kClef);
    EXPECT_EQ(utf8Prefix(text, 99), text);
    EXPECT_EQ(utf8Prefix(text, 0), "");
    // A sequence cut short at the end of the text is kept byte by byte, never read past.
    EXPECT_EQ(utf8Prefix("a\xF0\x9D", 2), "a\xF0");
}

TEST(Utf8Text, SanitiseTurnsControlsIntoBlanksAndJunkIntoReplacementCharacters)
{
    EXPECT_EQ(sanitizeLine("a\nb\r\nc\td\x7F"
                           "e"),
              "a b  c d e");
    EXPECT_EQ(sanitizeLine(std::string("x\0y", 3)), "x y");
    // C1 controls (U+0085 next line) and the Unicode line separator are line breaks too.
    EXPECT_EQ(sanitizeLine("a\xC2\x85"
                           "b\xE2\x80\xA8"
                           "c"),
              "a b c");
    EXPECT_EQ(sanitizeLine("a\xFF"
                           "b"),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(sanitizeLine(kE + kClef), kE + kClef);
}

TEST(Utf8Text, PadOrCutGivesExactlyTheWidthInCharacters)
{
    EXPECT_EQ(padOrCut("Bob", 6), "Bob   ");
    EXPECT_EQ(padOrCut("Roberta", 4), "Robe");
    const std::string padded = padOrCut(kEuro + kEuro, 5);
    EXPECT_EQ(padded, kEuro + kEuro + "   ");
    EXPECT_EQ(utf8Length(padOrCut(std::string(50, 'x') + kE, 40)), 40u);
}

TEST(Utf8Text, TrimAndCaseFolding)
{
    EXPECT_EQ(trimBlanks(" \t a b \t"), "a b");
    EXPECT_EQ(trimBlanks("   "), "");
    EXPECT_TRUE(equalsIgnoreCase("Saved Game #1", "sAVED gAME #1"));
    EXPECT_FALSE(equalsIgnoreCase("Credits", "Credit"));
    EXPECT_FALSE(equalsIgnoreCase("[", "{")); // only letters fold
}

TEST(LeadingDecimal, TakesTheLongestLeadingNumber)
{
    EXPECT_EQ(LeadingDecimal::parse("1234.5").toCents(1'000'000), 123450);
    EXPECT_EQ(LeadingDecimal::parse("  \t42abc").toRoundedInteger(100), 42);
    EXPECT_EQ(LeadingDecimal::parse("-3.25").toCents(1000), -325);
    EXPECT_EQ(LeadingDecimal::parse("+7").toRoundedInteger(10), 7);
    EXPECT_EQ(LeadingDecimal::parse(".5").toCents(1000), 50);
    EXPECT_EQ(LeadingDecimal::parse("5.").toCents(1000), 500);
    EXPECT_EQ(LeadingDecimal::parse("1.2.3").toCents(1000), 120);
    EXPECT_EQ(LeadingDecimal::parse("1 234").toRoundedInteger(10000), 1);
    EXPECT_EQ(LeadingDecimal::parse("2e5").toRoundedInteger(1'000'000), 2);
}

TEST(LeadingDecimal, TextWithoutANumberReadsAsZero)
{
    for (const char* text : {"", "abc", "-", ".", "+.", " . 5", "$5"}) {
        const LeadingDecimal number = LeadingDecimal::parse(text);
        EXPECT_FALSE(number.hasNumber()) << text;
        EXPECT_EQ(number.toCents(100), 0) << text;
        EXPECT_EQ(number.toRoundedInteger(100), 0) << text;
    }
}

TEST(LeadingDecimal, RoundsHalfAwayFromZero)
{
    EXPECT_EQ(LeadingDecimal::parse("0.005").toCents(100), 1);
    EXPECT_EQ(LeadingDecimal::parse("0.0049999").toCents(100), 0);
    EXPECT_EQ(LeadingDecimal::parse("-0.005").toCents(100), -1);
    EXPECT_EQ(LeadingDecimal::parse("2.5").toRoundedInteger(10), 3);
    EXPECT_EQ(LeadingDecimal::parse("2.49").toRoundedInteger(10), 2);
    EXPECT_EQ(LeadingDecimal::parse("-2.5").toRoundedInteger(10), -3);
    EXPECT_EQ(LeadingDecimal::parse("99.995").toCents(100'000), 10000);
}

TEST(LeadingDecimal, IntegerPartDropsTheFraction)
{
    EXPECT_EQ(LeadingDecimal::parse("2.5").toIntegerPart(10), 2);
    EXPECT_EQ(LeadingDecimal::parse(" 12.99x").toIntegerPart(30), 12);
    EXPECT_EQ(LeadingDecimal::parse("-2.9").toIntegerPart(10), -2);
    EXPECT_EQ(LeadingDecimal::parse("9.9").toIntegerPart(9), 9); // the fraction does not push it past the limit
    EXPECT_EQ(LeadingDecimal::parse("10").toIntegerPart(9), std::nullopt);
}

TEST(LeadingDecimal, ReadsLongNumbersWholeAndRefusesOverflow)
{
    // Whole digits, no floating point: the cent survives eleven integer digits.
    EXPECT_EQ(LeadingDecimal::parse("12345678901.23").toCents(INT64_MAX), 1234567890123);
    EXPECT_EQ(LeadingDecimal::parse("0000000000000000000000012.5").toCents(10'000), 1250);
    EXPECT_EQ(LeadingDecimal::parse("2000000000").toRoundedInteger(INT32_MAX), 2000000000);
    EXPECT_EQ(LeadingDecimal::parse("2147483648").toRoundedInteger(INT32_MAX), std::nullopt);
    EXPECT_EQ(LeadingDecimal::parse("-2147483648").toRoundedInteger(INT32_MAX), std::nullopt);
    EXPECT_EQ(LeadingDecimal::parse(std::string(400, '9')).toCents(INT64_MAX), std::nullopt);
    EXPECT_EQ(LeadingDecimal::parse("1000.01").toCents(100'000), std::nullopt);
    EXPECT_EQ(LeadingDecimal::parse("1000.00").toCents(100'000), 100'000);
}

TEST(LeadingDecimal, KnowsWhetherTheNumberIsTheWholeText)
{
    EXPECT_TRUE(LeadingDecimal::parse(" 12.50 ").isWholeText());
    EXPECT_FALSE(LeadingDecimal::parse("12.50x").isWholeText());
    EXPECT_FALSE(LeadingDecimal::parse("x").isWholeText());
}

} // namespace
