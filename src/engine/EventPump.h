#pragma once

#include <cstdint>

// The window system's event loop as seen from inside a long-running handler.
class EventPump {
public:
    virtual ~EventPump() = default;
    // Handles the window events that are pending now, once.
    virtual void processEvents() = 0;
    // Blocks until the tick count has reached deadline. With handleEvents the window events that arrive
    // meanwhile are handled; without, none are. Never busy-polls the clock.
    virtual void waitUntil(std::uint32_t deadline, bool handleEvents) = 0;
};
