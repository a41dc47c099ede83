#include "GameHistory.h"

#include "GameState.h"
#include "IniDocument.h"
#include "LeadingDecimal.h"
#include "MachineInfo.h"
#include "ReelSet.h"
#include "Utf8Text.h"

namespace {

constexpr std::size_t kFieldCount = 14;
constexpr int kMaxBet = largestStake();
constexpr int kMaxSymbol = 9;
constexpr std::int64_t kMaxCents = 10'000'000'000'000 * 100;

std::vector<std::string_view> splitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (fields.size() <= kFieldCount) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(trimBlanks(line.substr(start, comma == std::string_view::npos ? line.npos : comma - start)));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return fields;
}

bool readInt(std::string_view text, int min, int max, int& out)
{
    const LeadingDecimal number = LeadingDecimal::parse(text);
    if (!number.hasNumber() || !number.isWholeText() || text.find('.') != text.npos) return false;
    const auto value = number.toRoundedInteger(1'000'000);
    if (!value || *value < min || *value > max) return false;
    out = static_cast<int>(*value);
    return true;
}

bool readMoney(std::string_view text, Money& out)
{
    const LeadingDecimal number = LeadingDecimal::parse(text);
    if (!number.hasNumber() || !number.isWholeText()) return false;
    const auto cents = number.toCents(kMaxCents);
    if (!cents || *cents < 0) return false;
    out = Money::fromCents(*cents);
    return true;
}

} // namespace

void GameHistory::add(const HistoryEntry& entry)
{
    entries_.insert(entries_.begin(), entry);
    if (entries_.size() > kCapacity) entries_.resize(kCapacity);
}

std::string GameHistory::format(const HistoryEntry& e)
{
    std::string line;
    const auto number = [&line](long long value) {
        if (!line.empty()) line += ',';
        line += std::to_string(value);
    };
    const auto money = [&line](Money value) {
        line += ',';
        line += value.toString();
    };
    number(e.machine);
    number(e.bet);
    for (int stop : e.stops) number(stop);
    for (int symbol : e.symbols) number(symbol);
    number(e.combo);
    money(e.win);
    money(e.poolWon);
    number(e.freeSpin ? 1 : 0);
    money(e.creditsBefore);
    money(e.creditsAfter);
    return line;
}

std::optional<HistoryEntry> GameHistory::parse(std::string_view line)
{
    const std::vector<std::string_view> f = splitFields(line);
    if (f.size() != kFieldCount) return std::nullopt;
    HistoryEntry e;
    int free = 0;
    bool ok = readInt(f[0], 0, kMachineCount - 1, e.machine) && readInt(f[1], 0, kMaxBet, e.bet);
    for (std::size_t i = 0; ok && i < 3; ++i) ok = readInt(f[2 + i], 0, kStripLength - 1, e.stops[i]);
    for (std::size_t i = 0; ok && i < 3; ++i) ok = readInt(f[5 + i], 0, kMaxSymbol, e.symbols[i]);
    ok = ok && readInt(f[8], -1, kComboCount - 1, e.combo) && readMoney(f[9], e.win) && readMoney(f[10], e.poolWon) &&
         readInt(f[11], 0, 1, free) && readMoney(f[12], e.creditsBefore) && readMoney(f[13], e.creditsAfter);
    if (!ok) return std::nullopt;
    e.freeSpin = free == 1;
    return e;
}

void GameHistory::writeTo(IniDocument& doc) const
{
    doc.removeSection(kSection);
    for (std::size_t i = 0; i < entries_.size(); ++i)
        doc.set(kSection, "Spin" + std::to_string(i + 1), format(entries_[i]));
}

GameHistory GameHistory::readFrom(const IniDocument& doc)
{
    GameHistory history;
    for (std::size_t i = 1; i <= kCapacity; ++i) {
        const std::optional<std::string> line = doc.value(kSection, "Spin" + std::to_string(i));
        if (!line) continue;
        if (const auto entry = parse(*line)) history.entries_.push_back(*entry);
    }
    return history;
}
