#pragma once

#include <chrono>
#include <filesystem>
#include <functional>

#include "SpinLog.h"
#include "SpinLogSink.h"

// The player's spin log as the session feeds it: turns each finished spin into its row with the UTC
// time it finished, and words what went wrong with the log for the player, once.
class SpinRecorder : public SpinLogSink {
public:
    using WallClock = std::function<std::chrono::system_clock::time_point()>;

    explicit SpinRecorder(std::filesystem::path path, WallClock clock = &std::chrono::system_clock::now);

    std::int64_t nextSpinNumber() override;
    void spinFinished(std::int64_t number, const HistoryEntry& spin, const std::string& gameName) override;
    void gameStarted() override;
    std::optional<std::string> takeNotice() override;

    SpinLog& log() { return log_; }
    // The highest spin number logged before this run: the rows after it are this session's.
    std::int64_t sessionStart() const { return sessionStart_; }
    // The number the spins of the game in play are logged under.
    std::int64_t gameNumber() const { return gameNumber_; }

    // "2026-12-08T21:04:05Z".
    static std::string isoTime(std::chrono::system_clock::time_point t);

private:
    void noteTrouble(bool writeFailed);

    SpinLog log_;
    WallClock clock_;
    std::int64_t sessionStart_ = 0;
    std::int64_t gameNumber_ = 0;
    std::optional<std::string> notice_;
    bool replacedTold_ = false;
    bool unavailableTold_ = false;
};
