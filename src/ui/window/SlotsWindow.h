#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "BannerStrip.h"
#include "Face.h"
#include "GameHooks.h"
#include "GameView.h"
#include "Graphics.h"
#include "MessageSink.h"
#include "PlaySettings.h"
#include "SessionReminder.h"
#include "SlotMachine.h"
#include "SlotsWindowCommands.h"
#include "SlotsWindowPorts.h"

class FaceReadout;
class FaceWidget;
class QAction;
class QActionGroup;
class QMenu;

// The main window `Slots`: the cabinet face with its reels, counters, banner and statistics, the two
// click zones and the keys, the menu bar, and the slot machine it plays. It is the machine's view,
// hooks and message sink; dialogs and saving reach it through SlotsWindowCommands.
class SlotsWindow : public QMainWindow, private GameView, private GameHooks, private MessageSink {
    Q_OBJECT
public:
    explicit SlotsWindow(const SlotsWindowPorts& ports, QWidget* parent = nullptr);
    ~SlotsWindow() override;

    SlotMachine& machine() { return machine_; }
    SlotsWindowCommands& commands() { return commands_; }
    const Face& face() const { return face_; }
    const Graphics& graphics() const { return graphics_; }
    const BannerStrip& banner() const { return banner_; }

    // Play actions: click zone 0 / Enter and click zone 1 / B.
    void spinAction();
    void insertCoinAction();

    // The player's options: the menus show them and change them through the commands below.
    const GameOptions& options() const { return machine_.state().options; }
    // Menu commands, exactly as the menus run them (a loaded game restores its choices so).
    void chooseBetAmount(BetChoice bet);
    void chooseDigitColor(DigitColor color);
    void chooseSpinSpeed(SpinSpeed speed);
    void chooseBanner(bool on);
    void chooseSound(bool on);
    void setSoundToggle(SoundToggle toggle, bool on);
    void setMusicOn(bool on);
    // Options > Reduce Flashing: the top-award lamp lights steadily instead of alternating.
    void setReduceFlashing(bool on);
    bool reduceFlashing() const { return options().reduceFlashing; }
    // Runs the bet, digit colour, speed and banner commands with the given choices, and the sound and
    // music commands where they differ from the current ones.
    void applyOptions(const GameOptions& options);
    // What the menus show: the checked index of each radio group, the checked sound toggles and music.
    // Options > Window Size: 100%, 150%, 200%, 300%; as the player chooses it (it is kept).
    void chooseWindowSize(int entry);
    // Ctrl++ and Ctrl+-: the next larger or smaller size, as chosen by the player.
    void stepWindowSize(int step);
    // Shows the face at a size, a percentage of its own size; other values are ignored.
    void setZoom(int percent);
    int zoom() const;
    // The largest size whose window fits within 80% of the screen's available height.
    int largestFittingZoom() const;
    int betEntry() const { return checkedIndex(betActions_); }
    int digitEntry() const { return checkedIndex(digitActions_); }
    int speedEntry() const { return checkedIndex(speedActions_); }
    int bannerEntry() const { return checkedIndex(bannerActions_); }
    int windowSizeEntry() const { return checkedIndex(sizeActions_); }
    bool soundToggle(int index) const;
    bool musicOn() const;

    // After a game was loaded: caption and the New Game check mark of its machine.
    void showLoadedMachine(int machine);
    std::string bannerText() const { return banner_.text().toStdString(); }
    // A changed text is rendered again at the next banner tick.
    void setBannerText(const std::string& text);
    int captionColor() const { return face_.captionColor(); }

    // Repaints the whole face.
    void refreshFace() { refresh(); }
    // The banner timer's handler and the music timer's handler.
    void bannerTick();
    void musicTick();
    bool bannerRunning() const { return bannerTimer_.isActive(); }
    bool musicPolling() const { return musicTimer_.isActive(); }
    // One step of the start-up lamp flash that the first banner tick starts.
    void lampFlashStep();
    bool lampFlashing() const { return flashTimer_.isActive(); }

    // The player's limits and comforts: applied to the machine, the mixer and the reminder, then
    // reported through commands().playSettingsChanged.
    void setPlaySettings(const PlaySettings& settings);
    const PlaySettings& playSettings() const { return machine_.playSettings(); }
    // Sets the mixer's levels without keeping them (the volume sliders while they move).
    void previewVolume(int effects, int music);
    // What this session has run, wagered and won.
    std::string sessionSummaryText();
    // The reminder timer's handler: shows a due reminder once play is idle.
    void reminderTick();
    // Shows a reminder text; true when the player chose to quit. Empty: a message box asks.
    std::function<bool(const std::string& text)> reminderPrompt;

signals:
    // The window has run its close sequence: the program ends (other windows, e.g. the manual, go too).
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // GameView
    void drawReel(int reel, int x, int y, int offset) override;
    void drawPayLine() override;
    void drawLever(int picture, int x, int y, int rows) override;
    void drawMainCounters() override;
    void drawCreditsCounter() override;
    void drawSpinsCounter() override;
    void drawPayoffTable(int firstRow, int lastRow, int wager) override;
    void drawPayoffRow(int row, int amount) override;
    void drawStatistics() override;
    void setLamp(int picture) override;
    void showFreeSpinLabel(bool shown) override;
    void reelsChanged() override;
    void setMenusEnabled(bool enabled) override;
    void pauseBanner() override;
    void resumeBanner() override;
    void refresh() override;
    // GameHooks
    void gameStarted() override;
    void stopMusic() override;
    void setMusicMachine(int machine) override;
    void checkGamesEntry(int machine) override;
    void readBannerText() override;
    void loadMachinePictures(const MachineInfo& info) override;
    void setCaption(const std::string& caption) override;
    void spinStarting(const SpinRecord& spin) override;
    void spinScored(const SpinOutcome& outcome) override;
    void playIdle() override;
    void autoPlayChanged() override;
    // MessageSink
    void showExclamation(const std::string& title, const std::string& text) override;

    void buildMenus();
    QMenu* addTopMenu(int index, const QString& caption);
    void buildFileMenu();
    void buildOptionsMenu();
    void buildSoundMenu(QMenu* optionsMenu);
    void buildWindowSizeMenu(QMenu* optionsMenu);
    void buildBankMenu();
    void buildAutoPlayMenu();
    void buildHelpMenu();
    void addRadioGroup(QMenu* menu, const QStringList& captions, const QString& prefix, std::vector<QAction*>& group,
                       const std::function<void(int)>& choose);
    void addCommand(QMenu* menu, const QString& caption, const QString& name, std::function<void()>& command);
    void addPlayMenuItems();
    bool askReminder(const std::string& text);
    QAction* addItem(QMenu* menu, const QString& caption, const QString& name, bool checkable = false);
    static int checkedIndex(const std::vector<QAction*>& group);
    static void checkOnly(const std::vector<QAction*>& group, int index);
    void showChanged(const QRect& changed);
    void runPlay(bool spin);
    void adoptPixelRatio();

    SlotsWindowPorts ports_;
    SlotsWindowCommands commands_;
    Graphics graphics_;
    SlotMachine machine_;
    Face face_;
    BannerStrip banner_;
    FaceWidget* faceWidget_ = nullptr;
    std::unique_ptr<FaceReadout> readout_;
    QTimer bannerTimer_; // Timer1
    QTimer musicTimer_;  // Timer2
    QTimer flashTimer_;  // the start-up lamp flash
    QTimer reminderTimer_;
    SessionReminder reminder_;
    bool reminding_ = false;

    std::array<QMenu*, 5> menus_{};
    std::vector<QAction*> changeActions_, gamesActions_, betActions_, digitActions_, bannerActions_, speedActions_,
        soundActions_, toggleActions_, borrowActions_, sizeActions_;
    QAction* autoAction_ = nullptr;
    QAction* musicAction_ = nullptr;
    QAction* quickStopAction_ = nullptr;
    QAction* autoSettingsAction_ = nullptr;
    QAction* reduceFlashingAction_ = nullptr;

    bool lampFlashPending_ = true;
    int flashStep_ = 0;
    int playDepth_ = 0;
    bool closePending_ = false;
    bool closed_ = false;
};
