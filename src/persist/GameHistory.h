#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Money.h"

class IniDocument;

// One finished spin as the game recall shows it.
struct HistoryEntry {
    int machine = 0;
    int bet = 0;                  // credits staked (the stake of the paid spin for a free spin)
    std::array<int, 3> stops{};   // 0..27
    std::array<int, 3> symbols{}; // symbol under the pay line of each reel
    int combo = -1;               // winning combination 0..7, -1 for none
    Money win;                    // credits paid for the combination
    Money poolWon;                // bonus pool won with it
    bool freeSpin = false;
    Money creditsBefore;
    Money creditsAfter;

    bool operator==(const HistoryEntry&) const = default;
};

// The last ten spins of the game, newest first, kept in section "Game History" as keys Spin1
// (newest) to Spin10, one line of comma-separated fields each:
// machine,bet,stop1,stop2,stop3,symbol1,symbol2,symbol3,combo,win,poolWon,free,creditsBefore,creditsAfter
// with money as "0.00" text.
class GameHistory {
public:
    static constexpr std::size_t kCapacity = 10;
    static constexpr const char* kSection = "Game History";

    // Puts entry in front, dropping the oldest beyond ten.
    void add(const HistoryEntry& entry);
    const std::vector<HistoryEntry>& entries() const { return entries_; }
    bool operator==(const GameHistory&) const = default;

    // Replaces the section with the entries.
    void writeTo(IniDocument& doc) const;
    // The entries of Spin1..Spin10 in that order; lines that do not parse are left out.
    static GameHistory readFrom(const IniDocument& doc);

    static std::string format(const HistoryEntry& entry);
    static std::optional<HistoryEntry> parse(std::string_view line);

private:
    std::vector<HistoryEntry> entries_;
};
