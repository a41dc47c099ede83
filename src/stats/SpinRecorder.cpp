#include "SpinRecorder.h"

#include <cerrno>
#include <ctime>

#include "GameHistory.h"

SpinRecorder::SpinRecorder(std::filesystem::path path, WallClock clock)
    : log_(std::move(path))
    , clock_(std::move(clock))
{
    sessionStart_ = log_.lastId();
    gameNumber_ = log_.currentGame();
    noteTrouble(false);
}

std::string SpinRecorder::isoTime(std::chrono::system_clock::time_point t)
{
    const std::time_t seconds = std::chrono::system_clock::to_time_t(t);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

std::int64_t SpinRecorder::nextSpinNumber()
{
    if (!log_.writable()) return 0;
    const std::int64_t number = log_.reserveId();
    noteTrouble(number == 0);
    return number;
}

void SpinRecorder::gameStarted()
{
    if (!log_.writable()) return;
    const std::int64_t number = log_.startGame();
    if (number > 0) gameNumber_ = number;
    noteTrouble(number == 0);
}

void SpinRecorder::spinFinished(std::int64_t number, const HistoryEntry& spin, const std::string& gameName)
{
    if (!log_.writable()) return;
    LoggedSpin row;
    row.id = number;
    row.time = isoTime(clock_());
    row.game = gameName;
    row.gameNumber = gameNumber_;
    row.machine = spin.machine;
    for (int r = 0; r < 3; ++r) row.stops[r] = spin.stops[static_cast<std::size_t>(r)];
    row.combination = spin.combo;
    row.stakeCents = static_cast<std::int64_t>(spin.bet) * 100;
    row.freeSpin = spin.freeSpin;
    row.paidCents = (spin.win + spin.poolWon).cents();
    row.poolCents = spin.poolWon.cents();
    row.creditsAfterCents = spin.creditsAfter.cents();
    noteTrouble(!log_.append(row));
}

void SpinRecorder::noteTrouble(bool writeFailed)
{
    if (log_.status() == SpinLog::Status::Replaced && !replacedTold_) {
        replacedTold_ = true;
        notice_ = fillText(kReplacedNotice, {log_.setAsidePath().filename().string()});
    }
    // The disk refuses the rows: they wait in the log until it takes them.
    if (log_.writable() && (log_.lastError() != 0 || log_.pendingCount() > 0)) {
        if (!refusalTold_ && log_.lastError() != 0)
            failure_ = WriteFailure{log_.path().parent_path(), log_.lastError()};
        refusalTold_ = refusalTold_ || log_.lastError() != 0;
        return;
    }
    refusalTold_ = false;
    if ((writeFailed || !log_.writable()) && !unavailableTold_) {
        unavailableTold_ = true;
        notice_ = fillText(kUnavailableNotice, {log_.error()});
    }
}

std::optional<WriteFailure> SpinRecorder::takeWriteFailure()
{
    std::optional<WriteFailure> failure = std::move(failure_);
    failure_.reset();
    return failure;
}

std::optional<WriteFailure> SpinRecorder::writePending()
{
    const bool done = log_.writePending();
    noteTrouble(false);
    if (done) return std::nullopt;
    return WriteFailure{log_.path().parent_path(), log_.lastError() != 0 ? log_.lastError() : EIO};
}

std::optional<std::string> SpinRecorder::takeNotice()
{
    std::optional<std::string> notice = std::move(notice_);
    notice_.reset();
    return notice;
}
