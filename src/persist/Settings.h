#pragma once

#include <array>
#include <optional>
#include <string>

#include "PlaySettings.h"

// Everything the profile file keeps in section "Settings": the player's limits and comforts, the Reduce
// Flashing option, the window size and the banner text. SettingsStore reads and writes it; a key that an
// older file lacks reads as its default here.
struct Settings {
    // Options > Window Size, in percent of the face's own size.
    static constexpr std::array<int, 4> kWindowSizes = {100, 150, 200, 300};
    // The longest banner text kept, in characters.
    static constexpr std::size_t kBannerLimit = 254;

    PlaySettings play;
    bool reduceFlashing = false; // the top-award lamp lights steadily instead of alternating
    // The window size the player chose; none until then (the largest that suits the screen is shown).
    std::optional<int> windowSize;
    // The banner text the player set, or the one shown when the game last closed; none until then (the
    // welcome text of the machine in play is shown).
    std::optional<std::string> bannerText;

    bool operator==(const Settings&) const = default;

    static bool isWindowSize(int percent);
    // The largest window size whose window (face plus extraHeight, e.g. the menu bar) is at most limit
    // pixels high; the smallest when none is.
    static int largestFittingSize(int faceHeight, int extraHeight, double limit);
    // The banner of a machine whose player set none: "BannerText" and blanks, then "Welcome to <machine>!".
    static std::string welcomeBanner(const std::string& machineDisplayName);
    // The banner text to show on a machine.
    std::string bannerFor(const std::string& machineDisplayName) const;
};
