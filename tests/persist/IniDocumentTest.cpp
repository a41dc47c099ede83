#include <gtest/gtest.h>

#include "IniDocument.h"

namespace {

TEST(IniDocument, ReadsNamesWithoutRegardToCaseOrBlanks)
{
    const IniDocument doc = IniDocument::parse("  [ current GAME ]  \n"
                                               "  credits   =   812.40   \n"
                                               "\tGameNo\t=\t2\n");
    EXPECT_EQ(doc.value("Current Game", "Credits"), "812.40");
    EXPECT_EQ(doc.value("CURRENT game", "gameno"), "2");
    EXPECT_EQ(doc.value("Current Game", "Spins"), std::nullopt);
    EXPECT_EQ(doc.value("Settings", "Credits"), std::nullopt);
    EXPECT_TRUE(doc.hasSection("current game"));
    EXPECT_FALSE(doc.hasSection("Current"));
}

TEST(IniDocument, TellsAnEmptyValueFromAnAbsentKey)
{
    const IniDocument doc = IniDocument::parse("[S]\nEmpty=\nBlank=   \n");
    EXPECT_EQ(doc.value("S", "Empty"), "");
    EXPECT_EQ(doc.value("S", "Blank"), "");
    EXPECT_EQ(doc.value("S", "Other"), std::nullopt);
}

TEST(IniDocument, KeysBelongOnlyToTheirOwnSection)
{
    const IniDocument doc = IniDocument::parse("Loose=1\n[A]\nX=a\n[B]\nY=b\n");
    EXPECT_EQ(doc.value("A", "X"), "a");
    EXPECT_EQ(doc.value("A", "Y"), std::nullopt);
    EXPECT_EQ(doc.value("B", "X"), std::nullopt);
    EXPECT_EQ(doc.value("", "Loose"), std::nullopt);
}

TEST(IniDocument, FirstSectionAndFirstKeyWin)
{
    IniDocument doc = IniDocument::parse("[A]\nK=1\nK=2\n[a]\nK=3\nL=4\n");
    EXPECT_EQ(doc.value("A", "K"), "1");
    EXPECT_EQ(doc.value("A", "L"), std::nullopt); // only in the second, shadowed section
    doc.set("A", "K", "9");
    EXPECT_EQ(doc.serialise(), "[A]\nK=9\nK=2\n[a]\nK=3\nL=4\n");
}

TEST(IniDocument, IgnoresCommentsJunkAndBrokenHeaders)
{
    const IniDocument doc = IniDocument::parse("[S]\n; Credits=1\nno equals sign\n[broken\nCredits=5\n=orphan\n");
    EXPECT_EQ(doc.value("S", "Credits"), "5"); // the broken header does not start a section
    EXPECT_EQ(doc.entries("S").size(), 2u);    // Credits and the nameless key
}

TEST(IniDocument, SerialiseGivesBackTheSameBytes)
{
    const std::string texts[] = {
        "",
        "[A]\r\nK=1\r\n\r\n; note\r\n[B]\r\nJ = 2 ",
        "\xEF\xBB\xBF[A]\nK=1\n",
        "junk\x01\x02\n\n\n[A]\nK=\xFF\xFE\n",
        "[A]\r\nmixed=1\nends=2\r\n",
        "\n\n\r\n",
    };
    for (const std::string& text : texts) EXPECT_EQ(IniDocument::parse(text).serialise(), text);
}

TEST(IniDocument, SetReplacesInPlaceAndKeepsEverythingElse)
{
    IniDocument doc = IniDocument::parse("; my saves\r\n[Other]\r\nKeep=me\r\n\r\n[Current Game]\r\n"
                                         "  CREDITS = 1.00\r\n; a note\r\nSpins=3\r\n\r\n[Tail]\r\nT=1\r\n");
    doc.set("current game", "Credits", "2.50");
    doc.set("Current Game", "Borrowed", "500");
    doc.set("Settings", "BannerText", "Hi");
    EXPECT_EQ(doc.serialise(), "; my saves\r\n[Other]\r\nKeep=me\r\n\r\n[Current Game]\r\n"
                               "CREDITS=2.50\r\n; a note\r\nSpins=3\r\nBorrowed=500\r\n\r\n[Tail]\r\nT=1\r\n"
                               "\r\n[Settings]\r\nBannerText=Hi\r\n");
}

TEST(IniDocument, SetOnALastLineWithoutLineEnd)
{
    IniDocument doc = IniDocument::parse("[A]\nK=1");
    doc.set("A", "L", "2");
    doc.set("B", "M", "3");
    EXPECT_EQ(doc.serialise(), "[A]\nK=1\nL=2\n\n[B]\nM=3\n");

    IniDocument headerOnly = IniDocument::parse("[A]");
    headerOnly.set("A", "K", "1");
    EXPECT_EQ(headerOnly.serialise(), "[A]\nK=1\n");
}

TEST(IniDocument, NewFileUsesLineFeeds)
{
    IniDocument doc;
    doc.set("Current Game", "GameNo", "1");
    EXPECT_EQ(doc.serialise(), "[Current Game]\nGameNo=1\n");
}

TEST(IniDocument, LineBreaksInNamesAndValuesCannotInjectLines)
{
    IniDocument doc;
    doc.set("S", "Name", "x\r\n[Current Game]\nCredits=99999999");
    doc.set("S\n[T]", "K\nL", "v");
    const IniDocument back = IniDocument::parse(doc.serialise());
    EXPECT_FALSE(back.hasSection("Current Game"));
    EXPECT_EQ(back.value("S", "Name"), "x  [Current Game] Credits=99999999");
    EXPECT_EQ(back.entries("S").size(), 1u);
    EXPECT_EQ(back.value("S [T]", "K L"), "v");
}

TEST(IniDocument, RemoveSectionTakesEveryCopyAndNothingElse)
{
    IniDocument doc =
        IniDocument::parse("[A]\nK=1\n\n[Spin In Progress]\nStake=3\n; c\n[B]\nJ=2\n[spin in progress]\nX=1\n");
    doc.removeSection("Spin In Progress");
    EXPECT_EQ(doc.serialise(), "[A]\nK=1\n\n[B]\nJ=2\n");
    // Adding and removing again does not let blank lines pile up.
    for (int i = 0; i < 3; ++i) {
        doc.set("Spin In Progress", "Stake", "3");
        doc.removeSection("Spin In Progress");
    }
    EXPECT_EQ(doc.serialise(), "[A]\nK=1\n\n[B]\nJ=2\n\n");
}

TEST(IniDocument, LooksLikeTextRejectsNulAndOtherControlBytes)
{
    EXPECT_TRUE(IniDocument::looksLikeText("[A]\r\nK=\tv\n\xC3\xA9\xFF"));
    EXPECT_FALSE(IniDocument::looksLikeText(std::string("[A]\nK=1\n\0\0\0", 11)));
    EXPECT_FALSE(IniDocument::looksLikeText("\x1B[31m"));
}

} // namespace
