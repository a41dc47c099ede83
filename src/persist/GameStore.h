#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "GameHistory.h"
#include "SavedGame.h"
#include "SpinRecord.h"

class IniDocument;
class ProfileFile;

// The saved games of the profile file: ten player slots (0..9, sections "Saved Game #1" to
// "Saved Game #10") and the current game (slot 99, section "Current Game", with the banner text
// of the settings). Values are written in the game's fixed text formats and read back whole.
class GameStore {
public:
    static constexpr int kSlotCount = 10;
    static constexpr int kCurrentGameSlot = 99;
    static constexpr std::size_t kNameLength = 40;
    // Money values above this many credits, and negative ones, are not stored games' values: they
    // load as the key's default (the current value). Spins load within 0..2^31-1 the same way.
    static constexpr std::int64_t kMaxCredits = 10'000'000'000'000;

    explicit GameStore(ProfileFile& file);

    // "Saved Game #1".."Saved Game #10" for slots 0..9, "Current Game" for 99, nullopt otherwise.
    static std::optional<std::string> sectionName(int slot);

    // Writes the game's section in one replacement of the file. For slot 99 the same replacement
    // also writes the banner text (as SettingsStore writes it) and the game history when given, and
    // removes the record of a spin in progress: the game written is the one after that spin.
    // Control characters in the name become blanks; it is cut or padded to 40 characters. False
    // when the slot is not valid or the file could not be written.
    bool SaveGame(int slot, const SavedGame& game, const std::string* bannerText, const GameHistory* history = nullptr);

    // Before the reels of a spin turn: the current game with the stake already charged, and the
    // spin, in one replacement. False when the file could not be written.
    bool recordSpinStart(const SavedGame& charged, const SpinRecord& spin);
    // The spin that was recorded and not yet followed by a save of the current game: the program
    // ended while it ran. Complete it on the game loaded from slot 99, then save slot 99.
    std::optional<SpinRecord> pendingSpin() const;
    // The last spins of the game, newest first.
    GameHistory readHistory() const;

    // The game stored in slot. An absent key gives its default: GameNo 0, Wager 0 (no coins in the
    // slot), the options as a new SavedGame has them, GameName and every number the value in current.
    // A text that is not a number reads as 0; a value out of its range reads as the default. An
    // invalid slot gives current unchanged.
    SavedGame LoadGame(int slot, const SavedGame& current) const;

    // The names in slots 0..9 with the blanks around them removed; nullopt for a slot never saved.
    std::array<std::optional<std::string>, kSlotCount> listSlots() const;

private:
    static void writeGame(IniDocument& doc, const std::string& section, const SavedGame& game);

    ProfileFile& file_;
};
