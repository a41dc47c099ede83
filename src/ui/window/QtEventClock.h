#pragma once

#include <QElapsedTimer>

#include "EventPump.h"
#include "TickSource.h"

// The game's millisecond tick and its waits, on Qt's event loop. A wait that handles events runs a
// nested event loop until a precise single-shot timer at the deadline; a wait without events first
// puts whatever was drawn on screen, then sleeps. Neither polls the clock in a loop.
class QtEventClock : public TickSource, public EventPump {
public:
    QtEventClock();

    std::uint32_t now() override;
    void processEvents() override;
    void waitUntil(std::uint32_t deadline, bool handleEvents) override;

private:
    QElapsedTimer elapsed_;
};
