#pragma once

#include <string>
#include <vector>

#include "MessageSink.h"

class RecordingMessages : public MessageSink {
public:
    struct Message {
        std::string title;
        std::string text;
    };
    void showExclamation(const std::string& title, const std::string& text) override { shown.push_back({title, text}); }
    std::vector<Message> shown;
};
