#include "GameStore.h"

#include <limits>

#include "GameState.h"
#include "IniDocument.h"
#include "LeadingDecimal.h"
#include "ProfileFile.h"
#include "SettingsStore.h"
#include "SpinJournal.h"
#include "Utf8Text.h"

namespace {

constexpr std::int64_t kMaxSpins = std::numeric_limits<std::int32_t>::max();
constexpr int kMaxLastBet = largestStake();

using Stored = std::optional<std::string>;

// An index of a menu group, read as its whole part ("2.5" is 2): absent or out of range gives the default.
int readIndex(const Stored& text, int last, int fallback)
{
    if (!text) return fallback;
    const auto value = LeadingDecimal::parse(*text).toIntegerPart(last);
    return value && *value >= 0 ? static_cast<int>(*value) : fallback;
}

// A count; the last bet is read as its whole part, like the indices.
std::int64_t readCount(const Stored& text, std::int64_t max, std::int64_t fallback, bool wholePart = false)
{
    if (!text) return fallback;
    const LeadingDecimal number = LeadingDecimal::parse(*text);
    const auto value = wholePart ? number.toIntegerPart(max) : number.toRoundedInteger(max);
    return value && *value >= 0 ? *value : fallback;
}

Money readMoney(const Stored& text, Money fallback)
{
    if (!text) return fallback;
    const auto cents = LeadingDecimal::parse(*text).toCents(GameStore::kMaxCredits * 100);
    return cents && *cents >= 0 ? Money::fromCents(*cents) : fallback;
}

} // namespace

GameStore::GameStore(ProfileFile& file)
    : file_(file)
{}

std::optional<std::string> GameStore::sectionName(int slot)
{
    if (slot == kCurrentGameSlot) return "Current Game";
    if (slot >= 0 && slot < kSlotCount) return "Saved Game #" + std::to_string(slot + 1);
    return std::nullopt;
}

void GameStore::writeGame(IniDocument& doc, const std::string& section, const SavedGame& game)
{
    // The keys in the order the game has always written them.
    doc.set(section, "GameNo", std::to_string(game.gameNo));
    doc.set(section, "GameName", padOrCut(sanitizeLine(game.gameName), kNameLength));
    doc.set(section, "Credits", game.credits.toString());
    doc.set(section, "BonusPool", game.bonusPool.toString());
    doc.set(section, "TotalWagers", game.totalWagers.toString());
    doc.set(section, "TotalPaid", game.totalPaid.toString());
    doc.set(section, "Borrowed", game.borrowed.toWholeString());
    doc.set(section, "Spins", std::to_string(game.spins));
    doc.set(section, "Coins", std::to_string(game.coins) + " ");
    doc.set(section, "Speed", std::to_string(game.speed));
    doc.set(section, "BannerOn", std::to_string(game.bannerOn));
    doc.set(section, "DigitColor", std::to_string(game.digitColor));
    doc.set(section, "Wager", std::to_string(game.wager));
}

bool GameStore::SaveGame(int slot, const SavedGame& game, const std::string* bannerText, const GameHistory* history)
{
    const std::optional<std::string> section = sectionName(slot);
    if (!section) return false;
    const bool current = slot == kCurrentGameSlot;
    return file_.update([&](IniDocument& doc) {
        writeGame(doc, *section, game);
        if (!current) return;
        if (bannerText != nullptr) SettingsStore::writeBannerTo(doc, *bannerText);
        if (history != nullptr) history->writeTo(doc);
        SpinJournal::clear(doc);
    });
}

bool GameStore::recordSpinStart(const SavedGame& charged, const SpinRecord& spin)
{
    // The coins in the slot are the spin's stake now: the journal holds them, the game none.
    SavedGame game = charged;
    game.wager = 0;
    return file_.update([&](IniDocument& doc) {
        writeGame(doc, *sectionName(kCurrentGameSlot), game);
        SpinJournal::write(doc, spin);
    });
}

std::optional<SpinRecord> GameStore::pendingSpin() const { return SpinJournal::read(file_.read()); }

GameHistory GameStore::readHistory() const { return GameHistory::readFrom(file_.read()); }

SavedGame GameStore::LoadGame(int slot, const SavedGame& current) const
{
    const std::optional<std::string> section = sectionName(slot);
    if (!section) return current;
    const IniDocument doc = file_.read();
    const auto stored = [&](const char* key) { return doc.value(*section, key); };

    SavedGame game = current;
    game.gameNo = readIndex(stored("GameNo"), kMachineCount - 1, 0);
    if (const Stored name = stored("GameName")) game.gameName = utf8Prefix(*name, kNameLength);
    game.credits = readMoney(stored("Credits"), current.credits);
    game.bonusPool = readMoney(stored("BonusPool"), current.bonusPool);
    game.totalWagers = readMoney(stored("TotalWagers"), current.totalWagers);
    game.totalPaid = readMoney(stored("TotalPaid"), current.totalPaid);
    game.borrowed = readMoney(stored("Borrowed"), current.borrowed);
    game.spins = readCount(stored("Spins"), kMaxSpins, current.spins);
    game.lastBet = static_cast<int>(readCount(stored("LastBet"), kMaxLastBet, current.lastBet, true));
    // The options: each within its menu, the defaults those of a game that names none.
    const SavedGame fresh;
    game.coins = readIndex(stored("Coins"), choiceCount<BetChoice>() - 1, fresh.coins);
    game.speed = readIndex(stored("Speed"), choiceCount<SpinSpeed>() - 1, fresh.speed);
    game.digitColor = readIndex(stored("DigitColor"), choiceCount<DigitColor>() - 1, fresh.digitColor);
    game.bannerOn = readIndex(stored("BannerOn"), kBannerNumberCount - 1, fresh.bannerOn);
    // Whole coins of the saved bet amount, fewer than the three that spin by themselves; else none.
    const BetAmount& bet = betAmount(game.coins);
    const auto wager = static_cast<int>(readCount(stored("Wager"), bet.maxWager - 1, 0));
    game.wager = wager % bet.coinValue == 0 ? wager : 0;
    return game;
}

std::array<std::optional<std::string>, GameStore::kSlotCount> GameStore::listSlots() const
{
    const IniDocument doc = file_.read();
    std::array<std::optional<std::string>, kSlotCount> names;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const Stored name = doc.value(*sectionName(slot), "GameName");
        if (name) names[static_cast<std::size_t>(slot)] = std::string(trimBlanks(utf8Prefix(*name, kNameLength)));
    }
    return names;
}
