#pragma once

#include <cstdint>

#include "Money.h"

// When the next reminder of a session's time and money is due, on the game's millisecond tick.
class SessionReminder {
public:
    explicit SessionReminder(std::uint32_t sessionStart)
        : start_(sessionStart)
        , next_(sessionStart)
    {}

    // Reminders every so many minutes, the first that long after now; 0 switches them off.
    void setMinutes(int minutes, std::uint32_t now);
    int minutes() const { return minutes_; }
    bool due(std::uint32_t now) const;
    // A reminder was shown: the next comes a whole interval later.
    void shown(std::uint32_t now);
    std::uint32_t elapsedMs(std::uint32_t now) const { return now - start_; }

private:
    std::uint32_t start_;
    std::uint32_t next_;
    int minutes_ = 0;
};
