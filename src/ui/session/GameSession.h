#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "GameHistory.h"
#include "SavedGame.h"
#include "Settings.h"
#include "SettingsStore.h"
#include "SpinRecord.h"

class GameStore;
class HelpWindow;
class MessageSink;
class ProfileFile;
class SlotsWindow;
class SpinLogSink;

// The game as the player keeps it between runs: restores the current game at start (completing a spin
// that a crash interrupted), records every spin before its reels turn, saves whenever play is idle and
// at close, keeps the last ten spins, and runs the Load, Save, About, Banner Text, Manual, Machine Odds
// and Game History commands of the window, and keeps the settings (auto play, quick stop, volume,
// reminders with their dialogs, Reduce Flashing, the window size and the banner text).
class GameSession {
    Q_DECLARE_TR_FUNCTIONS(GameSession)

public:
    // messages: where the session tells the player things; null shows message boxes on the window.
    GameSession(SlotsWindow& window, ProfileFile& file, QString assetDir, MessageSink* messages = nullptr);
    ~GameSession();

    // Program start, after the window has set up its new game: restores "Current Game".
    void start();

    // The flows behind the dialogs, for a chosen slot.
    void loadSlot(int slot);
    // False (after telling the player) when the file could not be written.
    bool saveSlot(int slot, const std::string& name);
    void changeBannerText(const std::string& text);
    // Saves the current game with the banner and the history; false when the file could not be written.
    // The first failure since the last good save tells the player which folder and why; play goes on and
    // every later save tries again.
    bool saveCurrentGame();
    // The close comes from a signal (SIGTERM, SIGINT, SIGHUP): a save that fails then is tried again a
    // few times without asking, since no one may be there to answer, and the game ends.
    void setClosingOnSignal() { closingOnSignal_ = true; }
    // Asks the player whether to try a failed save again; true for "Try Again". Unset: a message box.
    using RetryQuestion = std::function<bool(const std::string& title, const std::string& text)>;
    void setRetryQuestion(RetryQuestion ask) { askRetry_ = std::move(ask); }

    const GameHistory& history() const { return history_; }
    // Logs every spin from now on; set before start() so that a spin completed there is logged too.
    void setSpinLog(SpinLogSink* log) { spinLog_ = log; }

private:
    void wireCommands();
    SavedGame snapshot(const std::string& name) const;
    void applyLoaded(const SavedGame& game);
    void spinStarting(const SpinRecord& spin);
    void beginHistoryEntry(const SpinRecord& spin);
    void finishHistoryEntry();
    enum class Icon { Information, Warning };
    void tell(const std::string& title, const std::string& text, Icon icon = Icon::Information);
    void tellSpinLogNotice();
    void reportFileTrouble();
    bool writeCurrentGame();
    void noteProfileWrite(bool ok);
    // At close: the spin log's kept rows and the game are written, or the player chooses to quit without.
    void saveAtClose();
    bool askRetry(const std::string& title, const std::string& text);
    QString filePath() const;

    void openLoad();
    void openSave();
    void openAbout();
    void openBannerText();
    void openManual();
    void openOdds();
    void openHistory();
    void openAutoPlaySettings();
    void openVolume();
    void openReminders();
    // Writes the settings; a failure is told the same way whichever setting changed.
    void saveSettings();

    SlotsWindow& window_;
    ProfileFile& file_;
    std::unique_ptr<GameStore> store_;
    SettingsStore settingsStore_;
    Settings settings_; // as the file keeps them: each change is saved at once
    QString assetDir_;
    MessageSink* messages_;
    std::string bannerText_; // the banner text the window shows: the session gives it every text
    std::string gameName_ = "Current Game";
    GameHistory history_;
    // The spin whose reels are turning, until it is scored and paid.
    std::optional<HistoryEntry> running_;
    Money paidBefore_;
    std::int64_t runningNumber_ = 0;
    SpinLogSink* spinLog_ = nullptr;
    std::unique_ptr<HelpWindow> help_;
    bool restoring_ = false;
    bool profileRefusalTold_ = false;
    bool closingOnSignal_ = false;
    RetryQuestion askRetry_;
};
