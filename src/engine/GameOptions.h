#pragma once

#include <array>
#include <optional>

// The player's choices of the Options menu, in menu order; the numbers are those of the saved games.
enum class BetChoice : int { Ten = 0, Five = 1, One = 2 };
enum class SpinSpeed : int { VeryFast = 0, Fast = 1, Medium = 2, Slow = 3 };
enum class DigitColor : int { Blue = 0, Cyan, Green, Purple, Red, White, Yellow };
enum class SoundToggle : int { Spin = 0, Stop, Win, Lose, Coin, Credit };

// The number of entries of each choice's menu.
template <typename E> constexpr int choiceCount();
template <> constexpr int choiceCount<BetChoice>() { return 3; }
template <> constexpr int choiceCount<SpinSpeed>() { return 4; }
template <> constexpr int choiceCount<DigitColor>() { return 7; }
template <> constexpr int choiceCount<SoundToggle>() { return 6; }

// The menu entry (and saved number) of a choice.
template <typename E> constexpr int choiceIndex(E choice) { return static_cast<int>(choice); }
// The choice of a menu entry or a number read from a file; nothing for a number outside the menu.
template <typename E> constexpr std::optional<E> choiceAt(int index)
{
    if (index < 0 || index >= choiceCount<E>()) return std::nullopt;
    return static_cast<E>(index);
}

constexpr int kSoundToggleCount = choiceCount<SoundToggle>();

// Everything the player sets in the Options menu. The menus show it and change it, and a saved game keeps
// the bet, speed, digit colour and banner choices with it. A new setting is a field here, shown by a menu
// item and, if it is kept, read and written under a new key that older files lack.
struct GameOptions {
    BetChoice bet = BetChoice::One;
    SpinSpeed speed = SpinSpeed::Fast;
    DigitColor digitColor = DigitColor::Green;
    bool bannerOn = true;
    bool soundOn = true;
    std::array<bool, kSoundToggleCount> soundToggles = {true, true, true, true, true, true};
    bool musicOn = false;
    bool reduceFlashing = false; // the top-award lamp lights steadily instead of alternating

    bool toggle(SoundToggle t) const { return soundToggles[static_cast<std::size_t>(choiceIndex(t))]; }
    bool operator==(const GameOptions&) const = default;
};
