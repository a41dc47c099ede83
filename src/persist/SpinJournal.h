#pragma once

#include <cstdint>
#include <optional>

#include "SpinRecord.h"

class IniDocument;

// The spin in progress, kept in section "Spin In Progress" beside the already-charged "Current
// Game": written before the reels turn and removed with the next write of the current game, so
// the file always holds the game before the spin, or the charged game with its spin, or the paid
// game without one.
class SpinJournal {
public:
    static constexpr const char* kSection = "Spin In Progress";
    static constexpr int kMaxFreeSpinCount = 1000;
    static constexpr std::int64_t kMaxNumber = 1'000'000'000'000'000;

    static void write(IniDocument& doc, const SpinRecord& spin);
    static void clear(IniDocument& doc);
    // The recorded spin; nullopt when there is none or when any of its values is missing or out of
    // range (a record that cannot be completed safely is not completed at all).
    static std::optional<SpinRecord> read(const IniDocument& doc);
};
