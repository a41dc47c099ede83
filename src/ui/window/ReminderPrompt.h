#pragma once

#include <QCoreApplication>
#include <QTimer>
#include <functional>
#include <string>

#include "SessionReminder.h"

class QWidget;
class TickSource;

// The reminders of the session's time and money: when they are due, and the box that shows one and asks
// whether to go on playing. A reminder waits for play to be idle and never comes over another dialog.
class ReminderPrompt {
    Q_DECLARE_TR_FUNCTIONS(ReminderPrompt)

public:
    // parent: the box's window. summary: the text of a reminder, made when one is shown.
    ReminderPrompt(TickSource& clock, QWidget& parent, std::function<std::string()> summary);

    // Reminders every so many minutes; 0 switches them off.
    void setMinutes(int minutes);
    // Shows a due reminder when play is idle; true when the player chose to quit.
    bool offer();
    void stop() { timer_.stop(); }
    std::uint32_t elapsedMs() const;

    // The timer's handler: offer() with play idle.
    std::function<void()> tick;
    // Shows a reminder text; true when the player chose to quit. Empty: a message box asks.
    std::function<bool(const std::string& text)> prompt;

private:
    bool ask(const std::string& text);

    TickSource& clock_;
    QWidget& parent_;
    std::function<std::string()> summary_;
    SessionReminder reminder_;
    QTimer timer_;
    bool showing_ = false;
};
