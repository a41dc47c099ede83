#include "GameMenus.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QWidget>

#include "GameState.h"
#include "MachineInfo.h"
#include "SlotsWindowCommands.h"
#include "Settings.h"

namespace {

QMenu* addSubMenu(QMenu* parent, const QString& caption, const QString& name)
{
    QMenu* m = parent->addMenu(caption);
    m->setObjectName(name);
    return m;
}

} // namespace

GameMenus::GameMenus(QWidget& window, QMenuBar& bar, SlotsWindowCommands& commands)
    : QObject(&window)
    , window_(window)
    , bar_(bar)
    , commands_(commands)
{
    buildFileMenu();
    buildOptionsMenu();
    buildBankMenu();
    buildAutoPlayMenu();
    buildHelpMenu();
    showWindowSize(0);
    bar_.installEventFilter(this);
    for (QMenu* m : bar_.findChildren<QMenu*>()) m->installEventFilter(this);
}

bool GameMenus::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Escape || key == Qt::Key_Space) && stopKey && stopKey(key)) {
        // Space is the game's; Escape still closes the menu or leaves the menu bar as it does anywhere.
        if (key == Qt::Key_Space) return true;
    }
    // A menu closed with Escape leaves the menu bar holding the keyboard with its title lit (one more
    // Escape lets it go). When it lets go it hands the keyboard back only to a widget it saw focused as
    // the menu opened, and a menu opened with the mouse may have seen none.
    if (watched == &bar_) QTimer::singleShot(0, this, &GameMenus::returnKeyboard);
    return false;
}

void GameMenus::returnKeyboard()
{
    if (home_ && window_.focusWidget() == &bar_ && !bar_.activeAction() && !QApplication::activePopupWidget())
        home_->setFocus(Qt::MenuBarFocusReason);
}

QMenu* GameMenus::menu(const char* name) const { return bar_.findChild<QMenu*>(QString::fromLatin1(name)); }

QAction* GameMenus::addItem(QMenu* menu, const QString& caption, const QString& name, bool checkable)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    a->setCheckable(checkable);
    return a;
}

QMenu* GameMenus::addTopMenu(const char* name, const QString& caption)
{
    QMenu* m = bar_.addMenu(caption);
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

void GameMenus::addRadioGroup(QMenu* menu, const QStringList& captions, const QString& prefix,
                              std::vector<QAction*>& group, const std::function<void(int)>& choose)
{
    auto* actionGroup = new QActionGroup(menu);
    actionGroup->setExclusive(true);
    for (int i = 0; i < captions.size(); ++i) {
        QAction* a = addItem(menu, captions[i], prefix + QString::number(i), true);
        actionGroup->addAction(a);
        connect(a, &QAction::triggered, this, [choose, i] { choose(i); });
        group.push_back(a);
    }
}

// A menu item that runs one of the commands other parts of the program wire up.
void GameMenus::addCommand(QMenu* menu, const QString& caption, const QString& name, std::function<void()>& command)
{
    connect(addItem(menu, caption, name), &QAction::triggered, this, [&command] {
        if (command) command();
    });
}

void GameMenus::buildFileMenu()
{
    QMenu* file = addTopMenu(kFileMenu, tr("&File"));
    QMenu* change = addSubMenu(file, tr("Change Game"), QStringLiteral("mnuChangeGame"));
    file->addSeparator();
    QMenu* newGame = addSubMenu(file, tr("New Game"), QStringLiteral("mnuNewGame"));
    for (int i = 0; i < kMachineCount; ++i) {
        const QString caption = QString::fromStdString(machineMenuCaption(i));
        QAction* c = addItem(change, caption, QStringLiteral("mnuChange%1").arg(i));
        connect(c, &QAction::triggered, this, [this, i] { emit changeGameChosen(i); });
        change_.push_back(c);
        QAction* g = addItem(newGame, caption, QStringLiteral("mnuGames%1").arg(i), true);
        connect(g, &QAction::triggered, this, [this, i] { emit newGameChosen(i); });
        games_.push_back(g);
    }
    file->addSeparator();
    addCommand(file, tr("Load "), QStringLiteral("mnuLoadSave0"), commands_.load);
    addCommand(file, tr("Save"), QStringLiteral("mnuLoadSave1"), commands_.save);
    file->addSeparator();
    connect(addItem(file, tr("Quit"), QStringLiteral("mnuQuit")), &QAction::triggered, this, &GameMenus::quitChosen);
}

void GameMenus::buildOptionsMenu()
{
    QMenu* menu = addTopMenu(kOptionsMenu, tr("&Options"));
    QStringList bets;
    for (const BetAmount& bet : kBetAmounts) bets << QString::fromLatin1(bet.label);
    addRadioGroup(addSubMenu(menu, tr("Bet Amount"), QStringLiteral("mnuWager")), bets, QStringLiteral("mnuBet"), bet_,
                  [this](int i) { emit betChosen(static_cast<BetChoice>(i)); });
    addRadioGroup(addSubMenu(menu, tr("Digit Colors"), QStringLiteral("mnuDig")),
                  {tr("Blue"), tr("Cyan"), tr("Green"), tr("Purple"), tr("Red"), tr("White"), tr("Yellow")},
                  QStringLiteral("mnuDigits"), digit_,
                  [this](int i) { emit digitColorChosen(static_cast<DigitColor>(i)); });
    addRadioGroup(addSubMenu(menu, tr("Banner"), QStringLiteral("mnuBannerMenu")), {tr("On"), tr("Off")},
                  QStringLiteral("mnuBanner"), banner_, [this](int i) { emit bannerChosen(i == 0); });
    addRadioGroup(addSubMenu(menu, tr("Spin Speed"), QStringLiteral("mnuSpeedMenu")),
                  {tr("Very Fast"), tr("Fast"), tr("Medium"), tr("Slow")}, QStringLiteral("mnuSpeed"), speed_,
                  [this](int i) { emit speedChosen(static_cast<SpinSpeed>(i)); });
    buildSoundMenu(menu);
    addCommand(menu, tr("Banner Text"), QStringLiteral("mnuBannerText"), commands_.bannerText);
    reduceFlashing_ = addItem(menu, tr("Reduce Flashing"), QStringLiteral("mnuReduceFlashing"), true);
    connect(reduceFlashing_, &QAction::triggered, this, &GameMenus::reduceFlashingChosen);
    buildWindowSizeMenu(menu);
    menu->addSeparator();
    quickStop_ = addItem(menu, tr("Quick Stop"), QStringLiteral("mnuQuickStop"), true);
    connect(quickStop_, &QAction::triggered, this, &GameMenus::quickStopChosen);
    addCommand(menu, tr("Reminders\u2026"), QStringLiteral("mnuReminders"), commands_.reminders);
}

void GameMenus::buildSoundMenu(QMenu* options)
{
    QMenu* sound = addSubMenu(options, tr("Sound"), QStringLiteral("mnuSoundMenu"));
    addRadioGroup(sound, {tr("On"), tr("Off")}, QStringLiteral("mnuSound"), sound_,
                  [this](int i) { emit soundChosen(i == 0); });
    sound->addSeparator();
    const QStringList toggles = {tr("Spin Sound"),  tr("Stop Sound"), tr("Win Sounds"),
                                 tr("Lose Sounds"), tr("Coin Sound"), tr("Credit Sound")};
    for (int i = 0; i < toggles.size(); ++i) {
        QAction* a = addItem(sound, toggles[i], QStringLiteral("mnuSounds%1").arg(i), true);
        connect(a, &QAction::toggled, this,
                [this, i](bool on) { emit soundToggleChosen(static_cast<SoundToggle>(i), on); });
        toggles_.push_back(a);
    }
    music_ = addItem(sound, tr("Music"), QStringLiteral("mnuMusic"), true);
    connect(music_, &QAction::triggered, this, &GameMenus::musicChosen);
    addCommand(sound, tr("Volume\u2026"), QStringLiteral("mnuVolume"), commands_.volume);
}

void GameMenus::buildWindowSizeMenu(QMenu* options)
{
    QStringList sizes;
    for (int size : Settings::kWindowSizes) sizes << QStringLiteral("%1%").arg(size);
    QMenu* menu = addSubMenu(options, tr("Window Size"), QStringLiteral("mnuWindowSize"));
    addRadioGroup(menu, sizes, QStringLiteral("mnuSize"), size_, [this](int i) { emit windowSizeChosen(i); });
    menu->setToolTipsVisible(true);
    connect(menu, &QMenu::aboutToShow, this, &GameMenus::showSizesThatFit);
    // The size keys work wherever the window has the focus, like the menu they belong to.
    auto sizeKey = [this](const QList<QKeySequence>& keys, const QString& name, auto handler) {
        auto* a = new QAction(&window_);
        a->setObjectName(name);
        a->setShortcuts(keys);
        window_.addAction(a);
        connect(a, &QAction::triggered, this, handler);
    };
    sizeKey({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
            QStringLiteral("keyLarger"), [this] { emit windowSizeStepped(1); });
    sizeKey({QKeySequence(Qt::CTRL | Qt::Key_Minus)}, QStringLiteral("keySmaller"),
            [this] { emit windowSizeStepped(-1); });
    sizeKey({QKeySequence(Qt::CTRL | Qt::Key_0)}, QStringLiteral("keyActualSize"),
            [this] { emit windowSizeChosen(0); });
}

void GameMenus::buildBankMenu()
{
    QMenu* bank = addTopMenu(kBankMenu, tr("&Bank"));
    QMenu* borrow = addSubMenu(bank, tr("Borrow"), QStringLiteral("mnuBorrowMain"));
    for (int i = 0; i < kBorrowEntryCount; ++i) {
        QAction* a = addItem(borrow, QStringLiteral("$%1").arg(borrowAmount(i)), QStringLiteral("mnuBorrow%1").arg(i));
        connect(a, &QAction::triggered, this, [this, i] { emit borrowChosen(i); });
    }
}

void GameMenus::buildAutoPlayMenu()
{
    // Auto Play stays usable while the reels turn.
    QMenu* autoPlay = addTopMenu(kAutoPlayMenu, tr("Auto Play"));
    QAction* autoSpin = addItem(autoPlay, tr("Auto Spin"), QStringLiteral("mnuAuto"), true);
    connect(autoSpin, &QAction::toggled, this, &GameMenus::autoSpinChosen);
    autoPlay->addSeparator();
    autoSettings_ = addItem(autoPlay, tr("Auto Play Settings\u2026"), QStringLiteral("mnuAutoSettings"));
    connect(autoSettings_, &QAction::triggered, this, [this] {
        if (commands_.autoPlaySettings) commands_.autoPlaySettings();
    });
}

void GameMenus::buildHelpMenu()
{
    QMenu* help = addTopMenu(kHelpMenu, tr("&Help"));
    addCommand(help, tr("About"), QStringLiteral("mnuAbout"), commands_.about);
    addCommand(help, tr("Machine Odds"), QStringLiteral("mnuOdds"), commands_.machineOdds);
    addCommand(help, tr("Game History"), QStringLiteral("mnuHistory"), commands_.gameHistory);
    addCommand(help, tr("Statistics…"), QStringLiteral("mnuStatistics"), commands_.statistics);
    help->addSeparator();
    QAction* manual = addItem(help, tr("Manual"), QStringLiteral("mnuHelp"));
    manual->setShortcut(QKeySequence(Qt::Key_F1));
    manual->setShortcutContext(Qt::ApplicationShortcut);
    window_.addAction(manual);
    connect(manual, &QAction::triggered, this, [this] {
        if (commands_.manual) commands_.manual();
    });
}

// ---- what the menus show -------------------------------------------------------------------

void GameMenus::show(const GameOptions& o)
{
    checkOnly(bet_, choiceIndex(o.bet));
    checkOnly(digit_, choiceIndex(o.digitColor));
    checkOnly(banner_, o.bannerOn ? 0 : 1);
    checkOnly(speed_, choiceIndex(o.speed));
    checkOnly(sound_, o.soundOn ? 0 : 1);
    for (std::size_t i = 0; i < toggles_.size(); ++i) {
        // Showing a toggle is not choosing it.
        const QSignalBlocker quiet(toggles_[i]);
        toggles_[i]->setChecked(o.soundToggles[i]);
    }
    music_->setChecked(o.musicOn);
    reduceFlashing_->setChecked(o.reduceFlashing);
}

void GameMenus::showMachine(int machine)
{
    for (std::size_t i = 0; i < change_.size(); ++i) change_[i]->setEnabled(static_cast<int>(i) != machine);
}

void GameMenus::checkGame(int machine) { checkOnly(games_, machine); }
void GameMenus::showQuickStop(bool on) { quickStop_->setChecked(on); }
void GameMenus::showWindowSize(int entry) { checkOnly(size_, entry); }

void GameMenus::showSizesThatFit()
{
    for (std::size_t i = 0; i < size_.size(); ++i) {
        const QString reason = sizeRefusal ? sizeRefusal(static_cast<int>(i)) : QString();
        size_[i]->setEnabled(reason.isEmpty());
        size_[i]->setToolTip(reason);
        size_[i]->setStatusTip(reason);
    }
}

void GameMenus::setPlayEnabled(bool enabled)
{
    for (const char* name : {kFileMenu, kOptionsMenu, kBankMenu, kHelpMenu})
        menu(name)->menuAction()->setEnabled(enabled);
    autoSettings_->setEnabled(enabled);
}

void GameMenus::showAutoPlayLeft(int left)
{
    menu(kAutoPlayMenu)->setTitle(left >= 0 ? tr("Auto Play (%1 left)").arg(left) : tr("Auto Play"));
}

int GameMenus::checkedIndex(const std::vector<QAction*>& group)
{
    for (std::size_t i = 0; i < group.size(); ++i) {
        if (group[i]->isChecked()) return static_cast<int>(i);
    }
    return -1;
}

void GameMenus::checkOnly(const std::vector<QAction*>& group, int index)
{
    for (std::size_t i = 0; i < group.size(); ++i) group[i]->setChecked(static_cast<int>(i) == index);
}

bool GameMenus::soundToggle(int index) const
{
    if (index < 0 || index >= static_cast<int>(toggles_.size())) return false;
    return toggles_[static_cast<std::size_t>(index)]->isChecked();
}

bool GameMenus::musicOn() const { return music_->isChecked(); }
