#pragma once

// What the fuzzer asks of any bytes found as the profile file, shared with the test that replays
// the kept inputs: reading never fails, loaded values are in range, and whatever the file held,
// a save followed by a load gives back exactly what was saved.

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "GameState.h"
#include "GameStore.h"
#include "IniDocument.h"
#include "ProfileFile.h"
#include "SampleGame.h"
#include "SettingsStore.h"

namespace profile_check {

// Runs every reader over bytes stored as QUINTEL.INI in dir (emptied first), then saves and
// loads again. Returns what went wrong, or an empty text.
inline std::string checkProfileBytes(const std::string& bytes, const std::filesystem::path& dir)
{
    namespace fs = std::filesystem;
    if (IniDocument::parse(bytes).serialise() != bytes) return "parse and serialise changed the bytes";

    std::error_code error;
    for (const auto& entry : fs::directory_iterator(dir, error)) fs::remove_all(entry.path(), error);
    const fs::path path = dir / "QUINTEL.INI";
    {
        std::ofstream out(path, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    ProfileFile file(path);
    GameStore store(file);
    const SavedGame current;
    for (int slot : {0, 4, 9, 99}) {
        const SavedGame loaded = store.LoadGame(slot, current);
        if (loaded.gameNo < 0 || loaded.gameNo > 2 || loaded.coins < 0 || loaded.coins > 2 || loaded.speed < 0 ||
            loaded.speed > 3 || loaded.digitColor < 0 || loaded.digitColor > 6 || loaded.bannerOn < 0 ||
            loaded.bannerOn > 1)
            return "an index loaded out of range";
        if (loaded.credits < Money{} || loaded.borrowed < Money{} || loaded.spins < 0 || loaded.lastBet < 0)
            return "a negative value loaded";
    }
    for (const auto& name : store.listSlots())
        if (name && name->size() > 4 * GameStore::kNameLength) return "a slot name longer than 40 characters";
    const Settings settings = SettingsStore(file).read();
    if (settings.bannerFor("Quintel Slots").size() > 4 * Settings::kBannerLimit) return "banner too long";
    if (!(settings.play == settings.play.sanitised())) return "a setting loaded out of range";
    if (const auto spin = store.pendingSpin()) {
        if (spin->machine < 0 || spin->machine > 2 || spin->stake < 0 || spin->stake > largestStake())
            return "bad journal";
        for (int stop : spin->stops)
            if (stop < 0 || stop > 27) return "bad journal stop";
    }
    if (store.readHistory().entries().size() > GameHistory::kCapacity) return "history too long";

    const SavedGame game = sampleGame();
    GameHistory history;
    HistoryEntry entry;
    entry.combo = 0;
    entry.win = Money::fromCents(30015);
    history.add(entry);
    const std::string banner = "Fuzzed\nbanner";
    if (!store.SaveGame(99, game, &banner, &history)) return "save failed";
    SavedGame loaded = store.LoadGame(99, SavedGame{});
    // LastBet is read but never written, so a file may bring its own; the Bet Amount command the
    // caller runs next resets it anyway.
    loaded.lastBet = game.lastBet;
    if (!(loaded == game)) return "saved game did not load back";
    Settings saved = settings;
    saved.bannerText = "Fuzzed banner";
    if (!(SettingsStore(file).read() == saved)) return "settings did not load back";
    if (!(store.readHistory() == history)) return "history did not load back";
    if (store.pendingSpin()) return "journal survived a save of the current game";
    return {};
}

} // namespace profile_check
