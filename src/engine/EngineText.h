#pragma once

#include <initializer_list>
#include <string>

// Texts the engine hands to the player (message titles and texts, combination and symbol names) are English
// here; the window translates them where it shows them. QUINTEL_TR_NOOP marks such a text for lupdate (an alias
// of QT_TRANSLATE_NOOP given to it by the build) and leaves it as it is, so the engine needs nothing from Qt.
#define QUINTEL_TR_NOOP(context, text) text

// A marked text with %1, %2, ... replaced by args in order ("%1" to "%9").
std::string fillText(const char* source, std::initializer_list<std::string> args);

// The engine's messages to the player, as titles and texts of exclamation boxes.
namespace EngineTexts {
inline constexpr const char* kLossLimitTitle = QUINTEL_TR_NOOP("Engine", "Loss Limit Reached");
// %1: what the session has lost, %2: the limit (both as "25.00")
inline constexpr const char* kLossLimitText =
    QUINTEL_TR_NOOP("Engine", "This session has lost $%1, which reaches your loss limit of $%2. Raise or clear the "
                              "limit under Options > Reminders to play on.");
inline constexpr const char* kNotAllowedTitle = QUINTEL_TR_NOOP("Engine", "Wager Not Allowed");
inline constexpr const char* kNotAllowedText =
    QUINTEL_TR_NOOP("Engine", "You cannot wager more credits than you have!");
inline constexpr const char* kNoWagerTitle = QUINTEL_TR_NOOP("Engine", "No Wager Placed");
inline constexpr const char* kNoWagerText = QUINTEL_TR_NOOP("Engine", "Place a bet before spinning!");
inline constexpr const char* kInvalidWagerTitle = QUINTEL_TR_NOOP("Engine", "Invalid Wager");
inline constexpr const char* kInvalidWagerText =
    QUINTEL_TR_NOOP("Engine", "Your last wager is more than your available credits!  You need to borrow more credits "
                              "or place a new wager.");
// Every text above, for the window that translates them.
inline constexpr const char* kAll[] = {kLossLimitTitle, kLossLimitText, kNotAllowedTitle,   kNotAllowedText,
                                       kNoWagerTitle,   kNoWagerText,   kInvalidWagerTitle, kInvalidWagerText};
} // namespace EngineTexts
