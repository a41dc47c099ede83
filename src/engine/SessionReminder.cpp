#include "SessionReminder.h"

#include "TickSource.h"

void SessionReminder::setMinutes(int minutes, std::uint32_t now)
{
    minutes_ = minutes > 0 ? minutes : 0;
    next_ = now + static_cast<std::uint32_t>(minutes_) * 60'000u;
}

bool SessionReminder::due(std::uint32_t now) const { return minutes_ > 0 && tickReached(now, next_); }

void SessionReminder::shown(std::uint32_t now) { next_ = now + static_cast<std::uint32_t>(minutes_) * 60'000u; }

namespace {

std::string count(std::uint32_t n, const char* unit) { return std::to_string(n) + " " + unit + (n == 1 ? "" : "s"); }

} // namespace

std::string sessionSummary(std::uint32_t elapsedMs, Money wagered, Money won)
{
    const std::uint32_t totalMinutes = elapsedMs / 60'000u;
    const std::uint32_t hours = totalMinutes / 60, minutes = totalMinutes % 60;
    std::string ran = hours > 0 ? count(hours, "hour") : std::string();
    if (hours == 0 || minutes > 0) ran += (ran.empty() ? "" : " ") + count(minutes, "minute");
    std::string text =
        "This session has run for " + ran + ". You have wagered $" + wagered.toString() + " and won $" + won.toString();
    if (won < wagered)
        text += ": a net loss of $" + (wagered - won).toString() + ".";
    else if (won > wagered)
        text += ": a net gain of $" + (won - wagered).toString() + ".";
    else
        text += ": you are even.";
    return text;
}
