#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "GameOptions.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;
struct SlotsWindowCommands;

// The menu bar of the main window: File, Options, Bank, Auto Play and Help with their items. The check
// marks show a GameOptions value (show()); a choice the player makes is a signal, and the window carries
// it out and shows the options again. Items that open dialogs run the window's commands directly.
class GameMenus : public QObject {
    Q_OBJECT
public:
    // The top menus' object names.
    static constexpr const char* kFileMenu = "menu0";
    static constexpr const char* kOptionsMenu = "menu1";
    static constexpr const char* kBankMenu = "menu2";
    static constexpr const char* kAutoPlayMenu = "menu3";
    static constexpr const char* kHelpMenu = "menu4";

    // Builds the menus into the window's menu bar; the size keys and F1 are added to the window.
    GameMenus(QWidget& window, QMenuBar& bar, SlotsWindowCommands& commands);

    // Sets every check mark of the Options menu from the options.
    void show(const GameOptions& options);
    // File > Change Game leaves out the machine in play.
    void showMachine(int machine);
    // File > New Game checks the machine of the game.
    void checkGame(int machine);
    void showQuickStop(bool on);
    void showWindowSize(int entry);
    // While the reels turn every menu but Auto Play waits, and so does its settings dialog.
    void setPlayEnabled(bool enabled);
    // A counted auto play run shows the spins left of it; -1 for none.
    void showAutoPlayLeft(int left);

    QMenu* menu(const char* name) const;
    // What the menus show: the checked entry of each radio group, the checked sound toggles and music.
    int betEntry() const { return checkedIndex(bet_); }
    int digitEntry() const { return checkedIndex(digit_); }
    int speedEntry() const { return checkedIndex(speed_); }
    int bannerEntry() const { return checkedIndex(banner_); }
    int windowSizeEntry() const { return checkedIndex(size_); }
    bool soundToggle(int index) const;
    bool musicOn() const;

signals:
    void newGameChosen(int machine);
    void changeGameChosen(int machine);
    void quitChosen();
    void betChosen(BetChoice bet);
    void digitColorChosen(DigitColor color);
    void bannerChosen(bool on);
    void speedChosen(SpinSpeed speed);
    void soundChosen(bool on);
    void soundToggleChosen(SoundToggle toggle, bool on);
    void musicChosen(bool on);
    void reduceFlashingChosen(bool on);
    void quickStopChosen(bool on);
    void windowSizeChosen(int entry);
    // Ctrl++ / Ctrl+-: one size larger (1) or smaller (-1).
    void windowSizeStepped(int step);
    void borrowChosen(int entry);
    void autoSpinChosen(bool on);

private:
    void buildFileMenu();
    void buildOptionsMenu();
    void buildSoundMenu(QMenu* options);
    void buildWindowSizeMenu(QMenu* options);
    void buildBankMenu();
    void buildAutoPlayMenu();
    void buildHelpMenu();
    QMenu* addTopMenu(const char* name, const QString& caption);
    void addRadioGroup(QMenu* menu, const QStringList& captions, const QString& prefix, std::vector<QAction*>& group,
                       const std::function<void(int)>& choose);
    void addCommand(QMenu* menu, const QString& caption, const QString& name, std::function<void()>& command);
    QAction* addItem(QMenu* menu, const QString& caption, const QString& name, bool checkable = false);
    static int checkedIndex(const std::vector<QAction*>& group);
    static void checkOnly(const std::vector<QAction*>& group, int index);

    QWidget& window_;
    QMenuBar& bar_;
    SlotsWindowCommands& commands_;
    std::vector<QAction*> change_, games_, bet_, digit_, banner_, speed_, sound_, toggles_, size_;
    QAction* music_ = nullptr;
    QAction* reduceFlashing_ = nullptr;
    QAction* quickStop_ = nullptr;
    QAction* autoSettings_ = nullptr;
};
