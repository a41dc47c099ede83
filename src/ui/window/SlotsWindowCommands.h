#pragma once

#include <functional>
#include <string>

struct SpinRecord;

// The window's commands that belong to other parts of the program. Each is empty until wired, and an
// empty command does nothing (readBannerText falls back to the built-in welcome text).
struct SlotsWindowCommands {
    std::function<void()> load;             // File > Load
    std::function<void()> save;             // File > Save
    std::function<void()> about;            // Help > About
    std::function<void()> bannerText;       // Options > Banner Text
    std::function<void()> manual;           // Help > Manual, F1
    std::function<void()> machineOdds;      // Help > Machine Odds
    std::function<void()> gameHistory;      // Help > Game History
    std::function<void()> statistics;       // Help > Statistics…
    std::function<void()> autoPlaySettings; // Auto Play > Auto Play Settings
    std::function<void()> volume;           // Options > Sound > Volume
    std::function<void()> reminders;        // Options > Reminders
    // The play settings changed (a dialog, Quick Stop): the place to keep them.
    std::function<void()> playSettingsChanged;
    // Runs once while the window closes, after the music is closed: the place to save the game.
    std::function<void()> closing;
    // A spin's stake is charged and its outcome planned.
    std::function<void(const SpinRecord&)> spinStarting;
    // New Game or Change Game has begun a game.
    std::function<void()> gameStarted;
    // Play is idle after money moved.
    std::function<void()> playIdle;
    // The player chose a window size (a percentage of the face's own size).
    std::function<void(int percent)> windowSizeChosen;
    // Options > Reduce Flashing was switched.
    std::function<void(bool on)> reduceFlashingChanged;
    // The banner text for a machine's display name.
    std::function<std::string(const std::string& machineName)> readBannerText;
};
