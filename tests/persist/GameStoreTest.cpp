#include <gtest/gtest.h>

#include "GameStore.h"
#include "ProfileFile.h"
#include "SampleGame.h"
#include "SettingsStore.h"
#include "TempDir.h"
#include "Utf8Text.h"

namespace fs = std::filesystem;

namespace {

struct StoreFixture : ::testing::Test {
    TempDir dir;
    fs::path path = dir / "QUINTEL.INI";
    ProfileFile file{path};
    GameStore store{file};

    static SavedGame sample() { return sampleGame(); }
    static SavedGame other() { return otherGame(); }
    std::string section(int slot) const { return *GameStore::sectionName(slot); }
    std::string storedBanner(const std::string& machine) { return SettingsStore(file).read().bannerFor(machine); }
};

TEST(GameStoreNames, SectionNamesOfTheSlots)
{
    EXPECT_EQ(GameStore::sectionName(0), "Saved Game #1");
    EXPECT_EQ(GameStore::sectionName(4), "Saved Game #5");
    EXPECT_EQ(GameStore::sectionName(9), "Saved Game #10");
    EXPECT_EQ(GameStore::sectionName(99), "Current Game");
    for (int slot : {-1, 10, 98, 100}) EXPECT_EQ(GameStore::sectionName(slot), std::nullopt) << slot;
}

TEST_F(StoreFixture, WritesEveryKeyInOrderInItsTextForm)
{
    SavedGame game = sample();
    game.gameName = "Nine char";
    game.credits = Money::fromCents(123450);
    game.borrowed = Money::fromCredits(500);
    game.spins = 0;
    ASSERT_TRUE(store.SaveGame(4, game, nullptr));
    EXPECT_EQ(readBytes(path), "[Saved Game #5]\n"
                               "GameNo=2\n"
                               "GameName=Nine char" +
                                   std::string(31, ' ') +
                                   "\n"
                                   "Credits=1234.50\n"
                                   "BonusPool=150.30\n"
                                   "TotalWagers=4321.00\n"
                                   "TotalPaid=3987.65\n"
                                   "Borrowed=500\n"
                                   "Spins=0\n"
                                   "Coins=2 \n"
                                   "Speed=3\n"
                                   "BannerOn=1\n"
                                   "DigitColor=6\n"
                                   "Wager=0\n");
}

TEST_F(StoreFixture, RoundTripsEveryValue)
{
    for (int slot : {0, 9, 99}) {
        ASSERT_TRUE(store.SaveGame(slot, sample(), nullptr));
        SavedGame loaded = store.LoadGame(slot, other());
        SavedGame expected = sample();
        expected.lastBet = other().lastBet; // LastBet is never written: it keeps the current value
        EXPECT_EQ(loaded, expected) << slot;
    }
    // The first entry of a menu is a value too, not a missing one.
    SavedGame first = sample();
    first.speed = 0;
    first.digitColor = 0;
    ASSERT_TRUE(store.SaveGame(5, first, nullptr));
    SavedGame current = other();
    current.speed = 3;
    current.digitColor = 6;
    const SavedGame loaded = store.LoadGame(5, current);
    EXPECT_EQ(loaded.speed, 0);
    EXPECT_EQ(loaded.digitColor, 0);
}

TEST_F(StoreFixture, ExtremeValuesComeBackWhole)
{
    SavedGame game = sample();
    game.credits = Money::fromCents(1234567890123); // 12345678901.23: far past ten characters
    game.totalWagers = Money::fromCents(999999999999999);
    game.totalPaid = Money::fromCents(1);
    game.bonusPool = Money::fromCents(0);
    game.borrowed = Money::fromCredits(98765432109);
    game.spins = 2'000'000'000;
    ASSERT_TRUE(store.SaveGame(99, game, nullptr));
    EXPECT_EQ(file.find("Current Game", "Credits"), "12345678901.23");
    const SavedGame loaded = store.LoadGame(99, other());
    EXPECT_EQ(loaded.credits, game.credits);
    EXPECT_EQ(loaded.totalWagers, game.totalWagers);
    EXPECT_EQ(loaded.totalPaid, game.totalPaid);
    EXPECT_EQ(loaded.bonusPool, game.bonusPool);
    EXPECT_EQ(loaded.borrowed, game.borrowed);
    EXPECT_EQ(loaded.spins, 2'000'000'000);
}

TEST_F(StoreFixture, BorrowedIsStoredAsWholeCredits)
{
    SavedGame game = sample();
    game.borrowed = Money::fromCents(50050);
    ASSERT_TRUE(store.SaveGame(0, game, nullptr));
    EXPECT_EQ(file.find(section(0), "Borrowed"), "501");
    EXPECT_EQ(store.LoadGame(0, other()).borrowed, Money::fromCredits(501));
}

TEST_F(StoreFixture, NamesAreCutOrPaddedToFortyCharacters)
{
    SavedGame game = sample();
    game.gameName = std::string(39, 'a') + "\xE2\x82\xAC" + "tail";
    ASSERT_TRUE(store.SaveGame(1, game, nullptr));
    const std::string raw = readBytes(path);
    const std::string stored =
        raw.substr(raw.find("GameName=") + 9, raw.find('\n', raw.find("GameName=")) - raw.find("GameName=") - 9);
    EXPECT_EQ(stored, std::string(39, 'a') + "\xE2\x82\xAC");
    EXPECT_EQ(store.listSlots()[1], std::string(39, 'a') + "\xE2\x82\xAC");
    EXPECT_EQ(store.LoadGame(1, other()).gameName, std::string(39, 'a') + "\xE2\x82\xAC");

    game.gameName = "\xC3\xA9t\xC3\xA9";
    ASSERT_TRUE(store.SaveGame(1, game, nullptr));
    const std::string again = readBytes(path);
    EXPECT_NE(again.find("GameName=\xC3\xA9t\xC3\xA9" + std::string(37, ' ') + "\n"), std::string::npos);
}

TEST_F(StoreFixture, SavingAgainOverwritesTheSlotAndLeavesOthersAlone)
{
    SavedGame first = sample();
    ASSERT_TRUE(store.SaveGame(3, first, nullptr));
    ASSERT_TRUE(store.SaveGame(5, other(), nullptr));
    SavedGame second = sample();
    second.gameName = "Second";
    second.credits = Money::fromCents(1);
    ASSERT_TRUE(store.SaveGame(3, second, nullptr));
    EXPECT_EQ(store.LoadGame(3, sample()).credits, Money::fromCents(1));
    EXPECT_EQ(store.listSlots()[3], "Second");
    EXPECT_EQ(store.listSlots()[5], "Before");
    EXPECT_EQ(file.read().entries(section(3)).size(), 13u); // no duplicate keys
}

TEST_F(StoreFixture, AbsentSlotKeepsMoneyAndGivesTheDefaultChoices)
{
    ASSERT_TRUE(store.SaveGame(0, sample(), nullptr));
    const SavedGame current = other();
    SavedGame loaded = store.LoadGame(2, current);
    EXPECT_EQ(loaded.gameNo, 0);
    EXPECT_EQ(loaded.gameName, current.gameName);
    EXPECT_EQ(loaded.credits, current.credits);
    EXPECT_EQ(loaded.bonusPool, current.bonusPool);
    EXPECT_EQ(loaded.totalWagers, current.totalWagers);
    EXPECT_EQ(loaded.totalPaid, current.totalPaid);
    EXPECT_EQ(loaded.borrowed, current.borrowed);
    EXPECT_EQ(loaded.spins, current.spins);
    EXPECT_EQ(loaded.lastBet, current.lastBet);
    EXPECT_EQ(loaded.coins, 0);      // "$10"
    EXPECT_EQ(loaded.speed, 1);      // "Fast"
    EXPECT_EQ(loaded.digitColor, 2); // "Green"
    EXPECT_EQ(loaded.bannerOn, 0);
}

TEST_F(StoreFixture, NoFileAtAllLoadsLikeAnAbsentSlot)
{
    const SavedGame loaded = store.LoadGame(99, other());
    EXPECT_EQ(loaded.credits, other().credits);
    EXPECT_EQ(loaded.gameNo, 0);
    EXPECT_EQ(loaded.coins, 0);
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(StoreFixture, AMissingKeyKeepsTheCurrentValueOfThatKeyOnly)
{
    writeBytes(path, "[Current Game]\nGameNo=1\nCredits=12.34\nSpins=9\n");
    const SavedGame loaded = store.LoadGame(99, other());
    EXPECT_EQ(loaded.gameNo, 1);
    EXPECT_EQ(loaded.credits, Money::fromCents(1234));
    EXPECT_EQ(loaded.spins, 9);
    EXPECT_EQ(loaded.bonusPool, other().bonusPool);
    EXPECT_EQ(loaded.borrowed, other().borrowed);
}

TEST_F(StoreFixture, HandWrittenValuesReadAsTheirLeadingNumber)
{
    writeBytes(path, "[current game]\r\n"
                     "  GAMENO = 2.4 \r\n"
                     "credits=  1234.567abc\r\n"
                     "BonusPool=junk\r\n"
                     "Spins= 1000000\r\n"
                     "LastBet=12.5\r\n"
                     "Coins=1 \r\n"
                     "Speed=2.5\r\n");
    const SavedGame loaded = store.LoadGame(99, other());
    EXPECT_EQ(loaded.gameNo, 2);
    EXPECT_EQ(loaded.credits, Money::fromCents(123457));
    EXPECT_EQ(loaded.bonusPool, Money::fromCents(0)); // not a number: 0
    EXPECT_EQ(loaded.spins, 1'000'000);               // read whole, not its first six digits
    EXPECT_EQ(loaded.lastBet, 12);                    // whole parts, as one-digit and three-character reads take them
    EXPECT_EQ(loaded.coins, 1);
    EXPECT_EQ(loaded.speed, 2);
}

TEST_F(StoreFixture, OutOfRangeValuesLoadAsTheirDefaults)
{
    writeBytes(path, "[Current Game]\nGameNo=3\nCoins=-1\nSpeed=4\nDigitColor=7\nBannerOn=2\n"
                     "Credits=-5.00\nBonusPool=10000000000000.01\nTotalPaid=" +
                         std::string(300, '9') +
                         "\n"
                         "Spins=2147483648\nLastBet=31\nBorrowed=-0.01\nTotalWagers=1e999\n");
    const SavedGame current = other();
    const SavedGame loaded = store.LoadGame(99, current);
    EXPECT_EQ(loaded.gameNo, 0);
    EXPECT_EQ(loaded.coins, 0);
    EXPECT_EQ(loaded.speed, 1);
    EXPECT_EQ(loaded.digitColor, 2);
    EXPECT_EQ(loaded.bannerOn, 0);
    EXPECT_EQ(loaded.credits, current.credits);
    EXPECT_EQ(loaded.bonusPool, current.bonusPool);
    EXPECT_EQ(loaded.totalPaid, current.totalPaid);
    EXPECT_EQ(loaded.spins, current.spins);
    EXPECT_EQ(loaded.lastBet, current.lastBet);
    EXPECT_EQ(loaded.borrowed, current.borrowed);
    EXPECT_EQ(loaded.totalWagers, Money::fromCredits(1)); // "1e999" reads as its leading 1
}

TEST_F(StoreFixture, CoinsInTheSlotAreKeptAndAFileWithoutThemHasNone)
{
    SavedGame game = sample();
    game.coins = 0; // $10 a coin
    game.wager = 20;
    ASSERT_TRUE(store.SaveGame(99, game, nullptr));
    EXPECT_EQ(store.LoadGame(99, other()).wager, 20);

    // The stake of a spin whose reels turn is the journal's: the game saved with it holds no coins.
    SpinRecord spin;
    spin.stake = 20;
    ASSERT_TRUE(store.recordSpinStart(game, spin));
    EXPECT_EQ(store.LoadGame(99, other()).wager, 0);

    // Older files have no key; coins that are not whole coins of the bet below three of them are none.
    const std::pair<const char*, int> cases[] = {
        {"Coins=0\n", 0},           {"Coins=0\nWager=10\n", 10}, {"Coins=0\nWager=30\n", 0},
        {"Coins=0\nWager=15\n", 0}, {"Coins=2\nWager=2\n", 2},   {"Coins=2\nWager=-1\n", 0},
    };
    for (const auto& [keys, wager] : cases) {
        writeBytes(path, std::string("[Current Game]\n") + keys);
        EXPECT_EQ(store.LoadGame(99, other()).wager, wager) << keys;
    }
}

TEST_F(StoreFixture, RangeLimitsThemselvesAreAccepted)
{
    writeBytes(path, "[Current Game]\nGameNo=2\nCoins=2\nSpeed=3\nDigitColor=6\nBannerOn=1\n"
                     "Credits=10000000000000.00\nSpins=2147483647\nLastBet=30\n");
    const SavedGame loaded = store.LoadGame(99, other());
    EXPECT_EQ(loaded.gameNo, 2);
    EXPECT_EQ(loaded.coins, 2);
    EXPECT_EQ(loaded.speed, 3);
    EXPECT_EQ(loaded.digitColor, 6);
    EXPECT_EQ(loaded.bannerOn, 1);
    EXPECT_EQ(loaded.credits, Money::fromCredits(GameStore::kMaxCredits));
    EXPECT_EQ(loaded.spins, 2147483647);
    EXPECT_EQ(loaded.lastBet, 30);
}

TEST_F(StoreFixture, InvalidSlotsWriteNothingAndLoadNothing)
{
    EXPECT_FALSE(store.SaveGame(10, sample(), nullptr));
    EXPECT_FALSE(store.SaveGame(-1, sample(), nullptr));
    EXPECT_FALSE(fs::exists(path));
    ASSERT_TRUE(store.SaveGame(0, sample(), nullptr));
    EXPECT_EQ(store.LoadGame(10, other()), other());
}

TEST_F(StoreFixture, SlotListingTellsAbsentFromPresent)
{
    SavedGame game = sample();
    game.gameName = "I SipMoreTea daily";
    ASSERT_TRUE(store.SaveGame(0, game, nullptr));
    game.gameName = "  padded  ";
    ASSERT_TRUE(store.SaveGame(9, game, nullptr));
    writeBytes(path, readBytes(path) + "[Saved Game #5]\nGameName=\n[Saved Game #11]\nGameName=Ghost\n");

    const auto slots = store.listSlots();
    EXPECT_EQ(slots[0], "I SipMoreTea daily");
    EXPECT_EQ(slots[9], "padded");
    EXPECT_EQ(slots[4], ""); // present, though empty
    EXPECT_EQ(slots[1], std::nullopt);
    for (int slot : {1, 2, 3, 5, 6, 7, 8}) EXPECT_EQ(slots[static_cast<std::size_t>(slot)], std::nullopt) << slot;
}

TEST_F(StoreFixture, BannerIsStoredOnlyWithTheCurrentGame)
{
    EXPECT_EQ(storedBanner("  Lucky 7 Slots  "), "BannerText               Welcome to Lucky 7 Slots!");
    const std::string banner = "Jackpot tonight";
    ASSERT_TRUE(store.SaveGame(3, sample(), &banner));
    EXPECT_EQ(file.find("Settings", "BannerText"), std::nullopt);
    ASSERT_TRUE(store.SaveGame(99, sample(), &banner));
    EXPECT_EQ(storedBanner("Quintel Slots"), "Jackpot tonight");
    // Without a banner the stored one stays.
    ASSERT_TRUE(store.SaveGame(99, other(), nullptr));
    EXPECT_EQ(storedBanner("Quintel Slots"), "Jackpot tonight");
}

TEST_F(StoreFixture, BannerMarkerTextAndEmptyBannerArePresentValues)
{
    const std::string marker = "SipMoreTea";
    ASSERT_TRUE(store.SaveGame(99, sample(), &marker));
    EXPECT_EQ(storedBanner("Quintel Slots"), "SipMoreTea");
    const std::string empty;
    ASSERT_TRUE(store.SaveGame(99, sample(), &empty));
    EXPECT_EQ(storedBanner("Quintel Slots"), "");
}

TEST_F(StoreFixture, BannerIsCutTo254Characters)
{
    std::string banner;
    for (int i = 0; i < 300; ++i) banner += (i % 2 == 0) ? "\xE2\x82\xAC" : "b";
    ASSERT_TRUE(store.SaveGame(99, sample(), &banner));
    const std::string back = storedBanner("Quintel Slots");
    EXPECT_EQ(utf8Length(back), 254u);
    EXPECT_EQ(back, utf8Prefix(banner, 254));
    // A longer banner edited into the file by hand is cut on reading too.
    writeBytes(path, "[Settings]\nBannerText=" + std::string(300, 'z') + "\n");
    EXPECT_EQ(storedBanner("Quintel Slots"), std::string(254, 'z'));
}

TEST_F(StoreFixture, LineBreaksInNameAndBannerCannotInjectKeys)
{
    SavedGame game = sample();
    game.gameName = "Ev\x07il\r\nCredits=99999999.99\n[Saved Game #2]\nGameName=Fake";
    const std::string banner = "Line one\nLine two\r\n[Current Game]\nCredits=1000000.00\tend";
    ASSERT_TRUE(store.SaveGame(99, game, &banner));

    const SavedGame loaded = store.LoadGame(99, other());
    EXPECT_EQ(loaded.credits, sample().credits);
    EXPECT_EQ(loaded.gameName, "Ev il  Credits=99999999.99 [Saved Game #");
    EXPECT_EQ(store.listSlots()[1], std::nullopt);
    EXPECT_EQ(storedBanner("x"), "Line one Line two  [Current Game] Credits=1000000.00 end");
    EXPECT_EQ(file.read().entries("Current Game").size(), 13u);
    EXPECT_EQ(file.read().entries("Settings").size(), 1u);
}

TEST_F(StoreFixture, AHandWrittenFileSurvivesASave)
{
    const std::string hand = "; my own notes\r\n"
                             "[Unknown Section]\r\n"
                             "Colour = mauve\r\n"
                             "\r\n"
                             "[ CURRENT game ]\r\n"
                             "  credits = 5.00   \r\n"
                             "MyKey=keep me\r\n"
                             "; comment inside\r\n"
                             "\r\n"
                             "[settings]\r\n"
                             "bannertext = old banner\r\n"
                             "Volume=3\r\n";
    writeBytes(path, hand);
    const std::string banner = "new banner";
    ASSERT_TRUE(store.SaveGame(99, sample(), &banner));

    const std::string after = readBytes(path);
    for (const char* kept : {"; my own notes\r\n", "[Unknown Section]\r\nColour = mauve\r\n", "[ CURRENT game ]\r\n",
                             "MyKey=keep me\r\n", "; comment inside\r\n", "[settings]\r\n", "Volume=3\r\n"})
        EXPECT_NE(after.find(kept), std::string::npos) << kept;
    EXPECT_EQ(after.find('\n'), after.find("\r\n") + 1);
    for (std::size_t at = after.find('\n'); at != std::string::npos; at = after.find('\n', at + 1))
        EXPECT_EQ(after[at - 1], '\r') << "LF without CR at " << at;
    const IniDocument doc = IniDocument::parse(after);
    EXPECT_EQ(doc.entries("Current Game").size(), 14u); // the thirteen game keys and MyKey
    EXPECT_EQ(doc.value("Current Game", "Credits"), "1234.50");
    EXPECT_EQ(storedBanner("x"), "new banner");
    EXPECT_EQ(store.LoadGame(99, other()).gameName, "Lucky streak");
}

TEST_F(StoreFixture, AFailedSaveReportsFalse)
{
    writeBytes(dir / "blocked", "not a directory");
    ProfileFile blocked(dir / "blocked/QUINTEL.INI");
    GameStore blockedStore(blocked);
    EXPECT_FALSE(blockedStore.SaveGame(99, sample(), nullptr));
}

TEST(SavedGameState, SnapshotAndApplyMoveTheCurrentMachinesValues)
{
    GameState state;
    state.currentMachine = 1;
    state.credits = Money::fromCents(81240);
    state.borrowed = Money::fromCredits(1000);
    state.totalWagers = {Money::fromCredits(1), Money::fromCredits(2), Money::fromCredits(3)};
    state.totalPaid = {Money::fromCredits(4), Money::fromCredits(5), Money::fromCredits(6)};
    state.bonusPool = {Money::fromCredits(7), Money::fromCredits(8), Money::fromCredits(9)};
    state.spins = {10, 11, 12};
    state.options.bet = BetChoice::Five;
    state.options.speed = SpinSpeed::Slow;
    state.options.digitColor = DigitColor::White;
    state.options.bannerOn = false;
    state.lastBet = 15;
    const SavedGame game = snapshotGame(state, "Mine");
    EXPECT_EQ(game.gameNo, 1);
    EXPECT_EQ(game.totalWagers, Money::fromCredits(2));
    EXPECT_EQ(game.totalPaid, Money::fromCredits(5));
    EXPECT_EQ(game.bonusPool, Money::fromCredits(8));
    EXPECT_EQ(game.spins, 11);
    EXPECT_EQ(game.coins, 1);
    EXPECT_EQ(game.speed, 3);
    EXPECT_EQ(game.digitColor, 5);
    EXPECT_EQ(game.bannerOn, 1);

    GameState target;
    SavedGame loaded = game;
    loaded.gameNo = 2;
    applyLoadedGame(loaded, target);
    EXPECT_EQ(target.currentMachine, 2);
    EXPECT_EQ(target.credits, Money::fromCents(81240));
    EXPECT_EQ(target.totalWagers[2], Money::fromCredits(2));
    EXPECT_EQ(target.spins[2], 11);
    EXPECT_EQ(target.totalWagers[1], Money{}); // the other machines are untouched
    EXPECT_EQ(target.lastBet, 15);

    // The choices a game keeps come back as options; the others stay as they are.
    GameOptions current;
    current.musicOn = true;
    const GameOptions restored = savedOptions(game, current);
    EXPECT_EQ(restored.bet, BetChoice::Five);
    EXPECT_EQ(restored.speed, SpinSpeed::Slow);
    EXPECT_EQ(restored.digitColor, DigitColor::White);
    EXPECT_FALSE(restored.bannerOn);
    EXPECT_TRUE(restored.musicOn);
    loaded.coins = 7;
    loaded.bannerOn = 0;
    EXPECT_EQ(savedOptions(loaded, current).bet, current.bet);
    EXPECT_TRUE(savedOptions(loaded, current).bannerOn);
}

} // namespace
