#include "QtEventClock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <thread>

QtEventClock::QtEventClock() { elapsed_.start(); }

std::uint32_t QtEventClock::now()
{
    // Starts at 1 so a tick is never mistaken for "no time yet"; wraps as a 32-bit counter does.
    return static_cast<std::uint32_t>(elapsed_.elapsed() + 1);
}

void QtEventClock::processEvents() { QCoreApplication::processEvents(); }

void QtEventClock::waitUntil(std::uint32_t deadline, bool handleEvents)
{
    if (handleEvents) {
        while (!tickReached(now(), deadline)) {
            QEventLoop loop;
            QTimer timer;
            timer.setSingleShot(true);
            timer.setTimerType(Qt::PreciseTimer);
            QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
            // The tick may pass the deadline between the check and here: never start a negative (or huge) wait.
            const std::int32_t remaining = static_cast<std::int32_t>(deadline - now());
            timer.start(remaining > 0 ? remaining : 0);
            loop.exec();
        }
        return;
    }
    // Show what was drawn before going to sleep: pending repaints only, no input.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
    for (std::uint32_t t = now(); !tickReached(t, deadline); t = now()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(deadline - t));
    }
}
