#pragma once

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "BannerStrip.h"
#include "Face.h"
#include "GameHooks.h"
#include "GameMenus.h"
#include "GameOptions.h"
#include "GameView.h"
#include "Graphics.h"
#include "MessageSink.h"
#include "PlaySettings.h"
#include "SlotMachine.h"
#include "SlotsWindowCommands.h"
#include "ReminderPrompt.h"
#include "SlotsWindowPorts.h"

class BannerAnimation;
class FaceReadout;
class FaceScale;
class FaceWidget;

// The main window `Slots`: the cabinet face with its reels, counters, banner and statistics, the two
// click zones and the keys, and the menu bar. It is the view, hooks and message sink of the slot machine
// it plays; whoever sets the program up owns that machine:
//
//     SlotsWindow window(ports);
//     SlotMachine machine(window.machinePorts());
//     window.play(machine);
//
// Dialogs and saving reach the window through SlotsWindowCommands.
class SlotsWindow : public QMainWindow, private GameView, private GameHooks, private MessageSink {
    Q_OBJECT
public:
    explicit SlotsWindow(const SlotsWindowPorts& ports, QWidget* parent = nullptr);
    ~SlotsWindow() override;

    // What a machine played in this window is built with.
    SlotMachinePorts machinePorts();
    // Builds the face and the menus for the machine and starts its new game; once, before the window shows.
    void play(SlotMachine& machine);

    SlotMachine& machine() { return *machine_; }
    SlotsWindowCommands& commands() { return commands_; }
    // The face as shown: a whole-face paint still pending is done first.
    const Face& face() const
    {
        face_->ensurePainted();
        return *face_;
    }
    const Graphics& graphics() const { return graphics_; }
    const BannerStrip& banner() const { return banner_; }
    const GameMenus& menus() const { return *menus_; }
    ReminderPrompt& reminders() { return *reminders_; }

    // Play actions: click zone 0 / Enter and click zone 1 / B.
    void spinAction();
    void insertCoinAction();

    // The player's options: the menus show them and change them through the commands below.
    const GameOptions& options() const { return machine_->state().options; }
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
    // Options > Window Size: 100%, 150%, 200%, 300%; as the player chooses it (it is kept).
    void chooseWindowSize(int entry);
    // Ctrl++ and Ctrl+-: the next larger or smaller size, as chosen by the player.
    void stepWindowSize(int step);
    // Shows the face at a size, a percentage of its own size; other values are ignored.
    void setZoom(int percent);
    int zoom() const;
    // The largest size whose window fits within 80% of the screen's available height.
    int largestFittingZoom() const;
    // What the menus show: the checked entry of each radio group, the checked sound toggles and music.
    int betEntry() const;
    int digitEntry() const;
    int speedEntry() const;
    int bannerEntry() const;
    int windowSizeEntry() const;
    bool soundToggle(int index) const;
    bool musicOn() const;

    // After a game was loaded: caption and the New Game check mark of its machine.
    void showLoadedMachine(int machine);
    std::string bannerText() const { return banner_.text().toStdString(); }
    // A changed text is rendered again at the next banner tick.
    void setBannerText(const std::string& text);
    int captionColor() const;

    // Repaints the whole face.
    void refreshFace() { refresh(); }
    // While held, whole-face repaints are left to the refreshFace() that ends a series of changes (a game
    // being loaded changes bet, colour and machine, and each would repaint the face).
    void holdFaceRepaints(bool hold) { repaintsHeld_ = hold; }
    // The banner timer's handler and the music timer's handler.
    void bannerTick();
    void musicTick();
    bool bannerRunning() const;
    bool musicPolling() const { return musicTimer_.isActive(); }
    // One step of the start-up lamp flash that the first banner tick starts.
    void lampFlashStep();
    bool lampFlashing() const;

    // The player's limits and comforts: applied to the machine, the mixer and the reminder, then
    // reported through commands().playSettingsChanged.
    void setPlaySettings(const PlaySettings& settings);
    const PlaySettings& playSettings() const { return machine_->playSettings(); }
    // Sets the mixer's levels without keeping them (the volume sliders while they move).
    void previewVolume(int effects, int music);
    // What this session has run, wagered and won.
    std::string sessionSummaryText();
    // The reminder timer's handler: shows a due reminder once play is idle.
    void reminderTick();

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

    void buildFace();
    void connectMenus();
    void showChanged(const QRect& changed);
    void runPlay(bool spin);
    // Escape ends an auto play run, Space also the turning reels; true when the key stopped something.
    bool stopKey(int key);

    SlotsWindowPorts ports_;
    SlotsWindowCommands commands_;
    Graphics graphics_;
    BannerStrip banner_;
    SlotMachine* machine_ = nullptr;
    std::unique_ptr<Face> face_;
    FaceWidget* faceWidget_ = nullptr;
    std::unique_ptr<FaceReadout> readout_;
    GameMenus* menus_ = nullptr;
    std::unique_ptr<BannerAnimation> bannerAnimation_;
    std::unique_ptr<FaceScale> scale_;
    std::unique_ptr<ReminderPrompt> reminders_;
    QTimer musicTimer_; // polls the music: the next tune, or the end of a failed one

    int playDepth_ = 0;
    bool closePending_ = false;
    bool closed_ = false;
    bool repaintsHeld_ = false;
};
