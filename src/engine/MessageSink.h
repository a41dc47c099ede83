#pragma once

#include <string>

// Shows the player a message box with the exclamation icon and an OK button.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void showExclamation(const std::string& title, const std::string& text) = 0;
};
