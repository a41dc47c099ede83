#include "GameSession.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <cstdio>

#include "AboutDialog.h"
#include "CustomBannerDialog.h"
#include "GameHistoryDialog.h"
#include "EngineTextTr.h"
#include "GameStore.h"
#include "HelpWindow.h"
#include "LoadSaveDialog.h"
#include "MachineNames.h"
#include "MachineOddsDialog.h"
#include "MessageSink.h"
#include "PlaySettingsDialogs.h"
#include "ProfileFile.h"
#include "ReelSet.h"
#include "SlotsWindow.h"
#include "SpinLogSink.h"
#include "SpinScore.h"
#include "WriteRefusal.h"

namespace {
const std::string kTitle = windowCaption(machineMenuCaption(0));
// A close on a signal tries a failing save this many times, a second apart, then ends regardless: a
// session manager that sent SIGTERM kills the game outright a few seconds later.
constexpr int kSignalCloseAttempts = 3;
} // namespace

GameSession::GameSession(SlotsWindow& window, ProfileFile& file, QString assetDir, MessageSink* messages)
    : window_(window)
    , file_(file)
    , store_(std::make_unique<GameStore>(file))
    , settingsStore_(file)
    , assetDir_(std::move(assetDir))
    , messages_(messages)
    , bannerText_(window.bannerText()) // the welcome text of the window's first game
{
    wireCommands();
}

GameSession::~GameSession() = default;

void GameSession::wireCommands()
{
    SlotsWindowCommands& c = window_.commands();
    c.load = [this] { openLoad(); };
    c.save = [this] { openSave(); };
    c.about = [this] { openAbout(); };
    c.bannerText = [this] { openBannerText(); };
    c.manual = [this] { openManual(); };
    c.machineOdds = [this] { openOdds(); };
    c.gameHistory = [this] { openHistory(); };
    c.reduceFlashingChanged = [this](bool on) {
        settings_.reduceFlashing = on;
        saveSettings();
    };
    c.readBannerText = [this](const std::string& machineName) {
        bannerText_ = settings_.bannerFor(machineName);
        return bannerText_;
    };
    c.autoPlaySettings = [this] { openAutoPlaySettings(); };
    c.volume = [this] { openVolume(); };
    c.reminders = [this] { openReminders(); };
    c.playSettingsChanged = [this] {
        settings_.play = window_.playSettings();
        if (!restoring_) saveSettings();
    };
    c.spinStarting = [this](const SpinRecord& spin) { spinStarting(spin); };
    c.gameStarted = [this] {
        if (spinLog_) spinLog_->gameStarted();
    };
    c.windowSizeChosen = [this](int percent) {
        settings_.windowSize = percent;
        saveSettings();
    };
    c.playIdle = [this] {
        finishHistoryEntry();
        if (!restoring_) saveCurrentGame();
    };
    c.closing = [this] {
        finishHistoryEntry();
        settings_.bannerText = bannerText_; // the close keeps the banner as it is shown, welcome text or not
        saveAtClose();
    };
}

// ---- start-up ------------------------------------------------------------------------------

void GameSession::start()
{
    const FileCheck check = file_.checkFile();
    history_ = store_->readHistory();
    std::optional<SpinRecord> pending = store_->pendingSpin();
    settings_ = settingsStore_.read();
    // The size the player chose; until then the largest that suits the screen.
    window_.setZoom(settings_.windowSize.value_or(window_.largestFittingZoom()));
    restoring_ = true;
    window_.setPlaySettings(settings_.play);
    restoring_ = false;
    window_.setReduceFlashing(settings_.reduceFlashing);

    // The window has started a new game on machine 0; the saved current game overwrites what it holds.
    applyLoaded(store_->LoadGame(GameStore::kCurrentGameSlot, snapshot(gameName_)));
    bannerText_ = settings_.bannerFor(window_.machine().machineInfo().machineName);
    window_.setBannerText(bannerText_);

    if (check.outcome != FileCheck::Outcome::Fine) {
        const QString aside = QString::fromStdString(check.setAsidePath.filename().string());
        const QString text =
            check.outcome == FileCheck::Outcome::RestoredFromBackup
                ? tr("The saved games file could not be read and was kept aside as \"%1\". Your games were restored "
                     "from the last good copy.")
                : tr("The saved games file could not be read and was kept aside as \"%1\". There was no earlier "
                     "copy, so a new game has started.");
        tell(kTitle, text.arg(aside).toStdString());
    }
    tellSpinLogNotice();

    if (pending) {
        SlotMachine& machine = window_.machine();
        // A spin recorded before it had a number is logged under a new one.
        if (pending->number <= 0 && spinLog_) pending->number = spinLog_->nextSpinNumber();
        beginHistoryEntry(*pending);
        const Money paid = machine.completeRecordedSpin(*pending);
        window_.showLoadedMachine(machine.state().currentMachine);
        const QString text =
            paid > Money()
                ? tr("The game ended while the reels were turning. That spin has been completed: it paid $%1.")
                      .arg(QString::fromStdString(paid.toGroupedString()))
                : tr("The game ended while the reels were turning. That spin has been completed: it did not win.");
        tell(kTitle, text.toStdString());
    }
}

// ---- saving and loading --------------------------------------------------------------------

SavedGame GameSession::snapshot(const std::string& name) const { return snapshotGame(window_.machine().state(), name); }

void GameSession::applyLoaded(const SavedGame& game)
{
    // The menu commands below each count as a change of the game: save once, at the end, instead.
    restoring_ = true;
    window_.holdFaceRepaints(true); // one repaint, at the end
    SlotMachine& machine = window_.machine();
    gameName_ = game.gameName.empty() ? gameName_ : game.gameName;
    applyLoadedGame(game, machine.state());
    window_.applyOptions(savedOptions(game, window_.options()));
    // The coins the game had in the slot (the bet amount chosen just above forfeits them, as it does in play).
    machine.state().wager = game.wager;
    const int loaded = machine.state().currentMachine;
    machine.setupLoadedMachine(loaded);
    window_.showLoadedMachine(loaded);
    window_.holdFaceRepaints(false);
    window_.refreshFace();
    restoring_ = false;
}

bool GameSession::writeCurrentGame()
{
    // Until the player sets a banner or the program closes, the welcome text follows the machine in play.
    const std::string* banner = settings_.bannerText ? &*settings_.bannerText : nullptr;
    return store_->SaveGame(GameStore::kCurrentGameSlot, snapshot("Current Game"), banner, &history_);
}

bool GameSession::saveCurrentGame()
{
    const bool ok = writeCurrentGame();
    noteProfileWrite(ok);
    reportFileTrouble();
    return ok;
}

void GameSession::noteProfileWrite(bool ok)
{
    if (ok || profileRefusalTold_) {
        profileRefusalTold_ = !ok;
        return;
    }
    profileRefusalTold_ = true;
    tell(kTitle, refusedWhilePlaying(false, {file_.path().parent_path(), file_.lastError()}), Icon::Warning);
}

void GameSession::saveAtClose()
{
    for (int attempt = 1;; ++attempt) {
        // The kept rows first, then the game, as after every spin.
        const std::optional<WriteFailure> unlogged = spinLog_ ? spinLog_->writePending() : std::nullopt;
        if (!unlogged && writeCurrentGame()) return;
        const WriteFailure failure = unlogged.value_or(WriteFailure{file_.path().parent_path(), file_.lastError()});
        const std::string text = (refusal(unlogged.has_value(), failure) + QStringLiteral("\n\n") +
                                  tr("If the game quits now, the spins since the last save are lost. Make room "
                                     "or fix the folder, then try again."))
                                     .toStdString();
        if (closingOnSignal_) {
            if (attempt < kSignalCloseAttempts) {
                QThread::sleep(1);
                continue;
            }
            std::fprintf(stderr, "quintel-slots: %s\n", text.c_str());
            return;
        }
        if (!askRetry(kTitle, text)) return;
    }
}

bool GameSession::askRetry(const std::string& title, const std::string& text)
{
    if (askRetry_) return askRetry_(title, text);
    if (messages_) { // a sink can only tell: the save is given up
        messages_->showExclamation(title, text);
        return false;
    }
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::NoButton, &window_);
    QPushButton* retry = box.addButton(tr("Try Again"), QMessageBox::AcceptRole);
    box.addButton(tr("Quit Without Saving"), QMessageBox::RejectRole);
    box.setDefaultButton(retry);
    box.exec();
    return box.clickedButton() == retry;
}

void GameSession::loadSlot(int slot)
{
    if (slot < 0 || slot >= GameStore::kSlotCount) return;
    applyLoaded(store_->LoadGame(slot, snapshot(gameName_)));
    if (spinLog_) spinLog_->gameStarted();
    history_ = GameHistory();
    saveCurrentGame();
}

bool GameSession::saveSlot(int slot, const std::string& name)
{
    if (slot < 0 || slot >= GameStore::kSlotCount || name.find_first_not_of(' ') == std::string::npos) return false;
    if (store_->SaveGame(slot, snapshot(name), nullptr)) {
        reportFileTrouble();
        return true;
    }
    tell(tr("Save Failed").toStdString(),
         tr("The game could not be saved to \"%1\". Check that the folder exists and can be written, then save again.")
             .arg(filePath())
             .toStdString(),
         Icon::Warning);
    return false;
}

void GameSession::changeBannerText(const std::string& text)
{
    settings_.bannerText = text;
    bannerText_ = text;
    window_.setBannerText(text);
    saveCurrentGame();
}

void GameSession::reportFileTrouble()
{
    const FileCheck check = file_.takeLastCheck();
    if (check.outcome == FileCheck::Outcome::Fine) return;
    tell(kTitle, tr("The saved games file had been damaged and was kept aside as \"%1\"; it has been written anew.")
                     .arg(QString::fromStdString(check.setAsidePath.filename().string()))
                     .toStdString());
}

QString GameSession::filePath() const { return QString::fromStdString(file_.path().string()); }

void GameSession::tell(const std::string& title, const std::string& text, Icon icon)
{
    if (messages_) {
        messages_->showExclamation(title, text);
        return;
    }
    // Shown once the event loop runs, so that a message at start-up comes over the shown window.
    SlotsWindow* window = &window_;
    QTimer::singleShot(0, window, [window, title, text, icon] {
        const QString t = QString::fromStdString(title), body = QString::fromStdString(text);
        if (icon == Icon::Warning)
            QMessageBox::warning(window, t, body, QMessageBox::Ok);
        else
            QMessageBox::information(window, t, body, QMessageBox::Ok);
    });
}

// ---- the game recall -----------------------------------------------------------------------

void GameSession::spinStarting(const SpinRecord& spin)
{
    finishHistoryEntry(); // the previous free spin of a sequence is over
    // The record carries the spin's log number, so that completing it after a crash logs it once.
    SpinRecord numbered = spin;
    numbered.number = spinLog_ ? spinLog_->nextSpinNumber() : 0;
    beginHistoryEntry(numbered);
    noteProfileWrite(store_->recordSpinStart(snapshot("Current Game"), numbered));
    reportFileTrouble();
}

void GameSession::beginHistoryEntry(const SpinRecord& spin)
{
    const GameState& state = window_.machine().state();
    const MachineDefinition& def = machineDefinition(spin.machine);
    // The strips the spin ran on: a free spin in a free-spin sequence has the free-spin third strip.
    const bool freeSpinStrip = spin.freeSpin && spin.freeSpinCount > 0;
    const ReelSet reels = buildReelSet(spin.machine, freeSpinStrip);
    HistoryEntry entry;
    entry.machine = reels.machine;
    entry.bet = spin.stake;
    entry.freeSpin = spin.freeSpin;
    ReelStops stops{};
    for (int r = 0; r < 3; ++r) {
        stops[static_cast<std::size_t>(r)] = spin.stops[r];
        entry.stops[static_cast<std::size_t>(r)] = spin.stops[r];
        entry.symbols[static_cast<std::size_t>(r)] = reels.symbolAt(r, spin.stops[r]);
    }
    const SpinScore score = scoreSpin(def, stops, spin.stake, state.machinePool(), freeSpinStrip);
    entry.combo = score.combo;
    entry.win = score.payout;
    // The stake of a paid spin is already charged: the balance before it includes it.
    entry.creditsBefore = state.credits + (spin.freeSpin ? Money() : Money::fromCredits(spin.stake));
    running_ = entry;
    runningNumber_ = spin.number;
    paidBefore_ = state.machinePaid();
}

void GameSession::finishHistoryEntry()
{
    if (!running_) return;
    const GameState& state = window_.machine().state();
    HistoryEntry entry = *running_;
    running_.reset();
    // The pool as it was paid: a spin completed after a restart may find another pool than it started with.
    const Money paid = state.machinePaid() - paidBefore_;
    entry.poolWon = paid > entry.win ? paid - entry.win : Money();
    entry.creditsAfter = state.credits;
    history_.add(entry);
    // Logged before the paid game is saved: a crash in between completes the spin again at the next
    // start, under the same number, and the log keeps the row it has.
    if (spinLog_ && runningNumber_ > 0) {
        spinLog_->spinFinished(runningNumber_, entry, gameName_);
        tellSpinLogNotice();
    }
}

void GameSession::tellSpinLogNotice()
{
    if (!spinLog_) return;
    if (const std::optional<std::string> notice = spinLog_->takeNotice())
        tell(kTitle,
             translatedText(*notice, "SpinLog", {SpinLogSink::kReplacedNotice, SpinLogSink::kUnavailableNotice})
                 .toStdString(),
             Icon::Warning);
    if (const std::optional<WriteFailure> failure = spinLog_->takeWriteFailure())
        tell(kTitle, refusedWhilePlaying(true, *failure), Icon::Warning);
}

// ---- dialogs -------------------------------------------------------------------------------

void GameSession::openLoad()
{
    LoadSaveDialog dialog(LoadSaveDialog::Mode::Load, store_->listSlots(), &window_);
    if (dialog.exec() == QDialog::Accepted && dialog.selectedLoadSlot() >= 0) loadSlot(dialog.selectedLoadSlot());
}

void GameSession::openSave()
{
    LoadSaveDialog dialog(LoadSaveDialog::Mode::Save, store_->listSlots(), &window_);
    // Only OK saves: the dialog's loop also ends when the program is told to quit meanwhile.
    if (dialog.exec() == QDialog::Accepted && dialog.selectedSaveSlot() >= 0) {
        saveSlot(dialog.selectedSaveSlot(), dialog.savedName());
    }
}

void GameSession::openAbout()
{
    AboutDialog dialog(QString::fromStdString(window_.machine().machineInfo().machineName), window_.windowIcon(),
                       &window_);
    dialog.exec();
}

void GameSession::openBannerText()
{
    CustomBannerDialog dialog(bannerText_, &window_);
    if (dialog.exec() == QDialog::Accepted) changeBannerText(dialog.bannerText());
}

void GameSession::openManual()
{
    if (!help_) help_ = std::make_unique<HelpWindow>(assetDir_ + QStringLiteral("/manual.html"));
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void GameSession::openOdds()
{
    const GameState& state = window_.machine().state();
    MachineOddsDialog dialog(state.currentMachine, choiceIndex(state.options.bet), payoffPercentage(state), assetDir_,
                             &window_);
    dialog.exec();
}

void GameSession::openHistory()
{
    std::vector<HistoryRow> rows;
    const auto& entries = history_.entries(); // newest first
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        const HistoryEntry& e = *it;
        HistoryRow row;
        row.machine = e.machine;
        row.machineName = machineMenuCaption(e.machine);
        row.symbols = e.symbols;
        for (int symbol : e.symbols) {
            if (!row.symbolNames.empty()) row.symbolNames += ", ";
            row.symbolNames += machineText(symbolName(e.machine, symbol)).toStdString();
        }
        row.bet = e.bet;
        row.combination = machineText(combinationName(e.machine, e.combo)).toStdString();
        row.win = e.win.toGroupedString();
        row.poolWon = e.poolWon > Money() ? e.poolWon.toGroupedString() : std::string();
        row.freeSpin = e.freeSpin;
        row.creditsBefore = e.creditsBefore.toGroupedString();
        row.creditsAfter = e.creditsAfter.toGroupedString();
        rows.push_back(row);
    }
    const QString dir = assetDir_;
    GameHistoryDialog dialog(
        rows,
        [dir](int machine) {
            MachineInfo info;
            SelectMachine(machine, info);
            return QImage(dir + QStringLiteral("/") + QString::fromStdString(info.filePrefix) + QStringLiteral(".BMP"));
        },
        &window_);
    dialog.exec();
}

// ---- play settings -------------------------------------------------------------------------

void GameSession::saveSettings()
{
    if (settingsStore_.write(settings_)) {
        reportFileTrouble();
        return;
    }
    tell(tr("Settings Not Saved").toStdString(),
         tr("Your settings could not be written to \"%1\". They apply until the game closes.")
             .arg(filePath())
             .toStdString(),
         Icon::Warning);
}

void GameSession::openAutoPlaySettings()
{
    AutoPlayDialog dialog(window_.playSettings(), &window_);
    if (dialog.exec() == QDialog::Accepted) window_.setPlaySettings(dialog.settings());
}

void GameSession::openVolume()
{
    PlaySettings settings = window_.playSettings();
    VolumeDialog dialog(
        settings.effectsVolume, settings.musicVolume,
        [this](int effects, int music) { window_.previewVolume(effects, music); }, &window_);
    if (dialog.exec() != QDialog::Accepted) return;
    settings.effectsVolume = dialog.effects();
    settings.musicVolume = dialog.music();
    window_.setPlaySettings(settings);
}

void GameSession::openReminders()
{
    RemindersDialog dialog(window_.playSettings(), QString::fromStdString(window_.sessionSummaryText()), &window_);
    if (dialog.exec() == QDialog::Accepted) window_.setPlaySettings(dialog.settings());
}
