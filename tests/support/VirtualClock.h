#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "EventPump.h"
#include "TickSource.h"

// A clock that only moves when the game waits: every wait jumps straight to its deadline.
// Events can be scheduled at ticks; they are delivered by the next event processing at or after
// their tick, as a real event loop would deliver a key press.
class VirtualClock : public TickSource, public EventPump {
public:
    explicit VirtualClock(std::uint32_t start = 1000)
        : now_(start)
    {}

    std::uint32_t now() override { return now_; }
    void advance(std::uint32_t ms) { now_ += ms; }
    void set(std::uint32_t tick) { now_ = tick; }

    void processEvents() override
    {
        ++processCalls;
        deliverDue();
    }

    void waitUntil(std::uint32_t deadline, bool handleEvents) override
    {
        waits.push_back({now_, deadline, handleEvents});
        if (tickAfter(deadline, now_)) now_ = deadline;
        if (handleEvents) deliverDue();
    }

    // Runs action at the first event processing at or after tick.
    void at(std::uint32_t tick, std::function<void()> action) { scheduled_.push_back({tick, std::move(action)}); }

    struct Wait {
        std::uint32_t from;
        std::uint32_t until;
        bool handleEvents;
    };
    std::vector<Wait> waits;
    int processCalls = 0;

private:
    void deliverDue()
    {
        for (std::size_t i = 0; i < scheduled_.size();) {
            if (tickReached(now_, scheduled_[i].tick)) {
                auto action = std::move(scheduled_[i].action);
                scheduled_.erase(scheduled_.begin() + static_cast<std::ptrdiff_t>(i));
                action();
            } else {
                ++i;
            }
        }
    }

    struct Scheduled {
        std::uint32_t tick;
        std::function<void()> action;
    };
    std::uint32_t now_;
    std::vector<Scheduled> scheduled_;
};
