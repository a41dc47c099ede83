#include "SessionReminder.h"

#include "TickSource.h"

void SessionReminder::setMinutes(int minutes, std::uint32_t now)
{
    minutes_ = minutes > 0 ? minutes : 0;
    next_ = now + static_cast<std::uint32_t>(minutes_) * 60'000u;
}

bool SessionReminder::due(std::uint32_t now) const { return minutes_ > 0 && tickReached(now, next_); }

void SessionReminder::shown(std::uint32_t now) { next_ = now + static_cast<std::uint32_t>(minutes_) * 60'000u; }
