#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "WriteFailure.h"
#include "EngineText.h"

struct HistoryEntry;

// Where the session hands every finished spin for the player's spin log.
class SpinLogSink {
public:
    virtual ~SpinLogSink() = default;
    // The number the next new spin is logged under; 0 while spins are not being logged.
    virtual std::int64_t nextSpinNumber() = 0;
    // A spin has been scored and paid, or completed after a crash. A number already logged is not
    // logged again.
    virtual void spinFinished(std::int64_t number, const HistoryEntry& spin, const std::string& gameName) = 0;
    // A new game begins (New Game, Change Game, Load): the spins from now on are logged as its spins.
    virtual void gameStarted() = 0;
    // Something the player should know about the log, once: nullopt when there is nothing new.
    virtual std::optional<std::string> takeNotice() = 0;
    // The disk refused the log's rows, for the first time since they were last written: once.
    virtual std::optional<WriteFailure> takeWriteFailure() { return std::nullopt; }
    // Writes the spins kept back while the disk refused them: nullopt when none is left, else why not.
    virtual std::optional<WriteFailure> writePending() { return std::nullopt; }

    // The notices, marked for the window to translate. %1: the file kept aside ("spins.sqlite.damaged-...").
    static constexpr const char* kReplacedNotice = QUINTEL_TR_NOOP(
        "SpinLog", "The spin log was damaged and has been kept aside as \"%1\". A new spin log has been started.");
    // %1: why the log cannot be written, as SQLite or the file system says it (English).
    static constexpr const char* kUnavailableNotice =
        QUINTEL_TR_NOOP("SpinLog", "Spins are not being recorded (%1). You can play on as usual.");
};
