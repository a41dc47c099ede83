#include "SlotsWindow.h"

#include "MidiErrorText.h"

#include <QAccessible>
#include <QActionGroup>
#include <QApplication>
#include <QPushButton>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "FaceAccessible.h"
#include "EngineTextTr.h"
#include "FaceWidget.h"
#include "MusicControl.h"
#include "SessionSummary.h"
#include "SoundControl.h"
#include "ZoomSetting.h"
#include "TickSource.h"

namespace {

// Caption colour index by digit colour: Blue, Cyan, Green, Purple, Red, White, Yellow.
constexpr std::array<int, Graphics::kSmallStripCount> kCaptionColors = {12, 9, 12, 15, 10, 9, 12};

} // namespace

SlotsWindow::SlotsWindow(const SlotsWindowPorts& ports, QWidget* parent)
    : QMainWindow(parent)
    , ports_(ports)
    , graphics_(ports.assetDir)
    , machine_(SlotMachinePorts{ports.clock, ports.pump, ports.random, *this, ports.sound,
                                ports.messages ? *ports.messages : static_cast<MessageSink&>(*this), *this})
    , face_(graphics_, machine_)
    , reminder_(ports.clock.now())
{
    setWindowTitle(QStringLiteral("3 Slots"));
    // A fixed-size window: no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    faceWidget_ = new FaceWidget(face_, this);
    faceWidget_->zoneClicked = [this](int zone) {
        if (zone == 0) machine_.stopAutoPlay(); // a click on the reels ends an auto play run
        runPlay(zone == 0);
    };
    faceWidget_->pixelRatioChanged = [this] { adoptPixelRatio(); };
    static const bool accessibleFaceInstalled = [] {
        QAccessible::installFactory(&FaceAccessible::factory);
        return true;
    }();
    Q_UNUSED(accessibleFaceInstalled);
    readout_ = std::make_unique<FaceReadout>(*faceWidget_, machine_);
    faceWidget_->setReadout(readout_.get());
    setCentralWidget(faceWidget_);
    buildMenus();
    addPlayMenuItems();

    bannerTimer_.setInterval(1500);
    connect(&bannerTimer_, &QTimer::timeout, this, &SlotsWindow::bannerTick);
    flashTimer_.setInterval(46);
    connect(&flashTimer_, &QTimer::timeout, this, &SlotsWindow::lampFlashStep);
    musicTimer_.setInterval(5000);
    connect(&musicTimer_, &QTimer::timeout, this, &SlotsWindow::musicTick);
    reminderTimer_.setInterval(1000);
    connect(&reminderTimer_, &QTimer::timeout, this, &SlotsWindow::reminderTick);

    for (int i = 0; i < kSoundToggleCount; ++i)
        ports_.sound.setToggle(i, options().toggle(static_cast<SoundToggle>(i)));
    ports_.sound.setSoundOn(options().soundOn);

    // Load-time set-up: a new game on machine 0, bet and colour defaults, then the banner.
    machine_.NewGame(MachineId::Quintel);
    face_.setCaptionColor(kCaptionColors[static_cast<std::size_t>(choiceIndex(options().digitColor))]);
    if (options().bannerOn)
        bannerTimer_.start();
    else
        bannerTimer_.setInterval(80);
    face_.drawLamp(0);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    faceWidget_->setFocus();
}

SlotsWindow::~SlotsWindow() { faceWidget_->setReadout(nullptr); }

// ---- menus ---------------------------------------------------------------------------------

QAction* SlotsWindow::addItem(QMenu* menu, const QString& caption, const QString& name, bool checkable)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    a->setCheckable(checkable);
    return a;
}

QMenu* SlotsWindow::addTopMenu(int index, const QString& caption)
{
    QMenu* m = menuBar()->addMenu(caption);
    m->setObjectName(QStringLiteral("menu%1").arg(index));
    menus_[static_cast<std::size_t>(index)] = m;
    return m;
}

namespace {
QMenu* addSubMenu(QMenu* parent, const QString& caption, const QString& name)
{
    QMenu* m = parent->addMenu(caption);
    m->setObjectName(name);
    return m;
}
} // namespace

void SlotsWindow::addRadioGroup(QMenu* menu, const QStringList& captions, const QString& prefix,
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
void SlotsWindow::addCommand(QMenu* menu, const QString& caption, const QString& name, std::function<void()>& command)
{
    connect(addItem(menu, caption, name), &QAction::triggered, this, [&command] {
        if (command) command();
    });
}

void SlotsWindow::buildMenus()
{
    buildFileMenu();
    buildOptionsMenu();
    buildBankMenu();
    buildAutoPlayMenu();
    buildHelpMenu();
}

void SlotsWindow::buildFileMenu()
{
    QMenu* file = addTopMenu(0, QStringLiteral("&File"));
    QMenu* change = addSubMenu(file, QStringLiteral("Change Game"), QStringLiteral("mnuChangeGame"));
    file->addSeparator();
    QMenu* newGame = addSubMenu(file, QStringLiteral("New Game"), QStringLiteral("mnuNewGame"));
    for (int i = 0; i < kMachineCount; ++i) {
        const QString caption = QString::fromStdString(machineMenuCaption(i));
        QAction* c = addItem(change, caption, QStringLiteral("mnuChange%1").arg(i));
        connect(c, &QAction::triggered, this, [this, i] { machine_.ChangeGame(static_cast<MachineId>(i)); });
        changeActions_.push_back(c);
        QAction* g = addItem(newGame, caption, QStringLiteral("mnuGames%1").arg(i), true);
        connect(g, &QAction::triggered, this, [this, i] { machine_.NewGame(static_cast<MachineId>(i)); });
        gamesActions_.push_back(g);
    }
    connect(file, &QMenu::aboutToShow, this, [this] {
        for (int i = 0; i < kMachineCount; ++i) {
            changeActions_[static_cast<std::size_t>(i)]->setEnabled(i != machine_.state().currentMachine);
        }
    });
    file->addSeparator();
    addCommand(file, QStringLiteral("Load "), QStringLiteral("mnuLoadSave0"), commands_.load);
    addCommand(file, QStringLiteral("Save"), QStringLiteral("mnuLoadSave1"), commands_.save);
    file->addSeparator();
    connect(addItem(file, QStringLiteral("Quit"), QStringLiteral("mnuQuit")), &QAction::triggered, this,
            &QWidget::close);
}

void SlotsWindow::buildOptionsMenu()
{
    QMenu* menu = addTopMenu(1, QStringLiteral("&Options"));
    addRadioGroup(addSubMenu(menu, QStringLiteral("Bet Amount"), QStringLiteral("mnuWager")),
                  {QStringLiteral("$10"), QStringLiteral("$5"), QStringLiteral("$1")}, QStringLiteral("mnuBet"),
                  betActions_, [this](int i) { chooseBetAmount(static_cast<BetChoice>(i)); });
    addRadioGroup(addSubMenu(menu, QStringLiteral("Digit Colors"), QStringLiteral("mnuDig")),
                  {QStringLiteral("Blue"), QStringLiteral("Cyan"), QStringLiteral("Green"), QStringLiteral("Purple"),
                   QStringLiteral("Red"), QStringLiteral("White"), QStringLiteral("Yellow")},
                  QStringLiteral("mnuDigits"), digitActions_,
                  [this](int i) { chooseDigitColor(static_cast<DigitColor>(i)); });
    addRadioGroup(addSubMenu(menu, QStringLiteral("Banner"), QStringLiteral("mnuBannerMenu")),
                  {QStringLiteral("On"), QStringLiteral("Off")}, QStringLiteral("mnuBanner"), bannerActions_,
                  [this](int i) { chooseBanner(i == 0); });
    addRadioGroup(
        addSubMenu(menu, QStringLiteral("Spin Speed"), QStringLiteral("mnuSpeedMenu")),
        {QStringLiteral("Very Fast"), QStringLiteral("Fast"), QStringLiteral("Medium"), QStringLiteral("Slow")},
        QStringLiteral("mnuSpeed"), speedActions_, [this](int i) { chooseSpinSpeed(static_cast<SpinSpeed>(i)); });
    buildSoundMenu(menu);
    addCommand(menu, QStringLiteral("Banner Text"), QStringLiteral("mnuBannerText"), commands_.bannerText);
    reduceFlashingAction_ = addItem(menu, QStringLiteral("Reduce Flashing"), QStringLiteral("mnuReduceFlashing"), true);
    reduceFlashingAction_->setChecked(options().reduceFlashing);
    connect(reduceFlashingAction_, &QAction::triggered, this, [this](bool on) {
        setReduceFlashing(on);
        if (commands_.reduceFlashingChanged) commands_.reduceFlashingChanged(on);
    });
    buildWindowSizeMenu(menu);

    const GameOptions& o = options();
    checkOnly(betActions_, choiceIndex(o.bet));
    checkOnly(digitActions_, choiceIndex(o.digitColor));
    checkOnly(bannerActions_, o.bannerOn ? 0 : 1);
    checkOnly(speedActions_, choiceIndex(o.speed));
    checkOnly(soundActions_, o.soundOn ? 0 : 1);
}

void SlotsWindow::buildSoundMenu(QMenu* optionsMenu)
{
    QMenu* sound = addSubMenu(optionsMenu, QStringLiteral("Sound"), QStringLiteral("mnuSoundMenu"));
    addRadioGroup(sound, {QStringLiteral("On"), QStringLiteral("Off")}, QStringLiteral("mnuSound"), soundActions_,
                  [this](int i) { chooseSound(i == 0); });
    sound->addSeparator();
    const QStringList toggles = {QStringLiteral("Spin Sound"), QStringLiteral("Stop Sound"),
                                 QStringLiteral("Win Sounds"), QStringLiteral("Lose Sounds"),
                                 QStringLiteral("Coin Sound"), QStringLiteral("Credit Sound")};
    for (int i = 0; i < toggles.size(); ++i) {
        QAction* a = addItem(sound, toggles[i], QStringLiteral("mnuSounds%1").arg(i), true);
        a->setChecked(options().toggle(static_cast<SoundToggle>(i)));
        connect(a, &QAction::toggled, this, [this, i](bool on) { setSoundToggle(static_cast<SoundToggle>(i), on); });
        toggleActions_.push_back(a);
    }
    musicAction_ = addItem(sound, QStringLiteral("Music"), QStringLiteral("mnuMusic"), true);
    musicAction_->setChecked(options().musicOn);
    connect(musicAction_, &QAction::triggered, this, [this](bool on) { setMusicOn(on); });
}

void SlotsWindow::buildWindowSizeMenu(QMenu* optionsMenu)
{
    QStringList sizes;
    for (int size : ZoomSetting::kSizes) sizes << QStringLiteral("%1%").arg(size);
    addRadioGroup(addSubMenu(optionsMenu, QStringLiteral("Window Size"), QStringLiteral("mnuWindowSize")), sizes,
                  QStringLiteral("mnuSize"), sizeActions_, [this](int i) { chooseWindowSize(i); });
    // The size keys work wherever the window has the focus, like the menu they belong to.
    auto sizeKey = [this](const QList<QKeySequence>& keys, const QString& name, auto handler) {
        auto* a = new QAction(this);
        a->setObjectName(name);
        a->setShortcuts(keys);
        addAction(a);
        connect(a, &QAction::triggered, this, handler);
    };
    sizeKey({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
            QStringLiteral("keyLarger"), [this] { stepWindowSize(1); });
    sizeKey({QKeySequence(Qt::CTRL | Qt::Key_Minus)}, QStringLiteral("keySmaller"), [this] { stepWindowSize(-1); });
    sizeKey({QKeySequence(Qt::CTRL | Qt::Key_0)}, QStringLiteral("keyActualSize"), [this] { chooseWindowSize(0); });
    checkOnly(sizeActions_, 0);
}

void SlotsWindow::buildBankMenu()
{
    QMenu* bank = addTopMenu(2, QStringLiteral("&Bank"));
    QMenu* borrow = addSubMenu(bank, QStringLiteral("Borrow"), QStringLiteral("mnuBorrowMain"));
    const QStringList amounts = {QStringLiteral("$1000"), QStringLiteral("$500"), QStringLiteral("$250"),
                                 QStringLiteral("$100"), QStringLiteral("$50")};
    for (int i = 0; i < amounts.size(); ++i) {
        QAction* a = addItem(borrow, amounts[i], QStringLiteral("mnuBorrow%1").arg(i));
        connect(a, &QAction::triggered, this, [this, i] { machine_.borrow(i); });
        borrowActions_.push_back(a);
    }
}

void SlotsWindow::buildAutoPlayMenu()
{
    // Auto Play stays usable while the reels turn.
    QMenu* autoPlay = addTopMenu(3, QStringLiteral("Auto Play"));
    autoAction_ = addItem(autoPlay, QStringLiteral("Auto Spin"), QStringLiteral("mnuAuto"), true);
    connect(autoAction_, &QAction::toggled, this, [this](bool on) { machine_.setAutoSpin(on); });
}

void SlotsWindow::buildHelpMenu()
{
    QMenu* help = addTopMenu(4, QStringLiteral("&Help"));
    addCommand(help, QStringLiteral("About"), QStringLiteral("mnuAbout"), commands_.about);
    addCommand(help, QStringLiteral("Machine Odds"), QStringLiteral("mnuOdds"), commands_.machineOdds);
    addCommand(help, QStringLiteral("Game History"), QStringLiteral("mnuHistory"), commands_.gameHistory);
    addCommand(help, QStringLiteral("Statistics…"), QStringLiteral("mnuStatistics"), commands_.statistics);
    help->addSeparator();
    QAction* manual = addItem(help, QStringLiteral("Manual"), QStringLiteral("mnuHelp"));
    manual->setShortcut(QKeySequence(Qt::Key_F1));
    manual->setShortcutContext(Qt::ApplicationShortcut);
    addAction(manual);
    connect(manual, &QAction::triggered, this, [this] {
        if (commands_.manual) commands_.manual();
    });
}

void SlotsWindow::addPlayMenuItems()
{
    QMenu* options = menus_[1];
    options->addSeparator();
    quickStopAction_ = addItem(options, QStringLiteral("Quick Stop"), QStringLiteral("mnuQuickStop"), true);
    connect(quickStopAction_, &QAction::triggered, this, [this](bool on) {
        PlaySettings s = playSettings();
        s.quickStop = on;
        setPlaySettings(s);
    });
    addCommand(options, QStringLiteral("Reminders\u2026"), QStringLiteral("mnuReminders"), commands_.reminders);
    if (auto* sound = findChild<QMenu*>(QStringLiteral("mnuSoundMenu"))) {
        addCommand(sound, QStringLiteral("Volume\u2026"), QStringLiteral("mnuVolume"), commands_.volume);
    }

    QMenu* autoPlay = menus_[3];
    autoPlay->addSeparator();
    autoSettingsAction_ =
        addItem(autoPlay, QStringLiteral("Auto Play Settings\u2026"), QStringLiteral("mnuAutoSettings"));
    connect(autoSettingsAction_, &QAction::triggered, this, [this] {
        if (commands_.autoPlaySettings) commands_.autoPlaySettings();
    });
}

int SlotsWindow::checkedIndex(const std::vector<QAction*>& group)
{
    for (std::size_t i = 0; i < group.size(); ++i) {
        if (group[i]->isChecked()) return static_cast<int>(i);
    }
    return -1;
}

void SlotsWindow::checkOnly(const std::vector<QAction*>& group, int index)
{
    for (std::size_t i = 0; i < group.size(); ++i) group[i]->setChecked(static_cast<int>(i) == index);
}

bool SlotsWindow::soundToggle(int index) const
{
    if (index < 0 || index >= static_cast<int>(toggleActions_.size())) return false;
    return toggleActions_[static_cast<std::size_t>(index)]->isChecked();
}

bool SlotsWindow::musicOn() const { return musicAction_->isChecked(); }

// ---- menu commands ---------------------------------------------------------------------------

void SlotsWindow::chooseBetAmount(BetChoice bet)
{
    if (!choiceAt<BetChoice>(choiceIndex(bet))) return;
    machine_.chooseBet(bet);
    checkOnly(betActions_, choiceIndex(options().bet));
}

void SlotsWindow::chooseDigitColor(DigitColor color)
{
    const int entry = choiceIndex(color);
    if (!choiceAt<DigitColor>(entry) || entry >= Graphics::kSmallStripCount) return;
    machine_.state().options.digitColor = color;
    checkOnly(digitActions_, entry);
    graphics_.selectDigitColor(entry);
    face_.setCaptionColor(kCaptionColors[static_cast<std::size_t>(entry)]);
    refresh();
}

void SlotsWindow::chooseSpinSpeed(SpinSpeed speed)
{
    if (!choiceAt<SpinSpeed>(choiceIndex(speed))) return;
    machine_.setSpeed(speed);
    checkOnly(speedActions_, choiceIndex(speed));
}

void SlotsWindow::chooseBanner(bool on)
{
    machine_.state().options.bannerOn = on;
    checkOnly(bannerActions_, on ? 0 : 1);
    if (on) {
        bannerTimer_.start();
    } else {
        bannerTimer_.stop();
        showChanged(face_.eraseBanner());
    }
}

void SlotsWindow::chooseSound(bool on)
{
    machine_.state().options.soundOn = on;
    checkOnly(soundActions_, on ? 0 : 1);
    ports_.sound.setSoundOn(on);
}

void SlotsWindow::setSoundToggle(SoundToggle toggle, bool on)
{
    const int i = choiceIndex(toggle);
    if (!choiceAt<SoundToggle>(i)) return;
    machine_.state().options.soundToggles[static_cast<std::size_t>(i)] = on;
    QAction* a = toggleActions_[static_cast<std::size_t>(i)];
    if (a->isChecked() != on) a->setChecked(on); // its toggled signal comes back here once, with nothing to change
    ports_.sound.setToggle(i, on);
}

void SlotsWindow::setReduceFlashing(bool on)
{
    machine_.state().options.reduceFlashing = on;
    reduceFlashingAction_->setChecked(on);
}

void SlotsWindow::setMusicOn(bool on)
{
    machine_.state().options.musicOn = on;
    musicAction_->setChecked(on);
    if (on) {
        if (options().soundOn) musicTimer_.start(5000);
    } else {
        musicTimer_.stop();
        ports_.music.closeAll();
    }
}

void SlotsWindow::applyOptions(const GameOptions& o)
{
    const GameOptions before = options();
    chooseBetAmount(o.bet);
    chooseDigitColor(o.digitColor);
    chooseSpinSpeed(o.speed);
    chooseBanner(o.bannerOn);
    if (o.soundOn != before.soundOn) chooseSound(o.soundOn);
    for (int i = 0; i < kSoundToggleCount; ++i) {
        const auto t = static_cast<SoundToggle>(i);
        if (o.toggle(t) != before.toggle(t)) setSoundToggle(t, o.toggle(t));
    }
    if (o.musicOn != before.musicOn) setMusicOn(o.musicOn);
    if (o.reduceFlashing != before.reduceFlashing) setReduceFlashing(o.reduceFlashing);
}

void SlotsWindow::musicTick()
{
    musicTimer_.setInterval(5000);
    if (ports_.music.tick()) return;
    const std::string name = ports_.music.musicName();
    // Music goes off before the box opens: the poll must not fire again inside the box's event loop.
    setMusicOn(false);
    if (ports_.messages)
        ports_.messages->showExclamation(kMidiErrorTitle, midiErrorText(name));
    else
        showExclamation(kMidiErrorTitle, midiErrorText(name));
}

void SlotsWindow::chooseWindowSize(int entry)
{
    // Like the Options menu, the size stays as it is while the reels turn.
    if (entry < 0 || entry >= static_cast<int>(ZoomSetting::kSizes.size()) || machine_.busy()) return;
    const int percent = ZoomSetting::kSizes[static_cast<std::size_t>(entry)];
    setZoom(percent);
    if (commands_.windowSizeChosen) commands_.windowSizeChosen(percent);
}

void SlotsWindow::stepWindowSize(int step)
{
    const int entry = std::clamp(windowSizeEntry() + step, 0, static_cast<int>(ZoomSetting::kSizes.size()) - 1);
    if (entry != windowSizeEntry()) chooseWindowSize(entry);
}

void SlotsWindow::setZoom(int percent)
{
    const auto& sizes = ZoomSetting::kSizes;
    const auto it = std::find(sizes.begin(), sizes.end(), percent);
    if (it == sizes.end()) return;
    checkOnly(sizeActions_, static_cast<int>(it - sizes.begin()));
    if (percent == faceWidget_->zoom()) return;
    faceWidget_->setZoom(percent);
    adoptPixelRatio();
    layout()->activate(); // the window takes its new fixed size now
    // A larger window is moved back onto the screen as far as it fits.
    if (const QScreen* s = screen(); s && isVisible()) {
        const QRect area = s->availableGeometry();
        const QRect frame = frameGeometry();
        const int x = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
        const int y = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
        if (x != frame.left() || y != frame.top()) move(pos() + QPoint(x - frame.left(), y - frame.top()));
    }
}

int SlotsWindow::zoom() const { return faceWidget_->zoom(); }

int SlotsWindow::largestFittingZoom() const
{
    const QScreen* s = screen();
    if (!s) return ZoomSetting::kSizes.front();
    return ZoomSetting::largestFitting(Face::kHeight, menuBar()->sizeHint().height(),
                                       0.8 * s->availableGeometry().height());
}

void SlotsWindow::showLoadedMachine(int machine)
{
    if (!isValidMachine(machine)) return;
    // As a new game does: the tune that played stops and the machine's first tune is next.
    stopMusic();
    setMusicMachine(machine);
    checkGamesEntry(machine);
    setCaption(machineMenuCaption(machine) + " 95");
}

void SlotsWindow::setBannerText(const std::string& text)
{
    banner_.setText(QString::fromStdString(text));
    banner_.invalidate();
}

// ---- play ------------------------------------------------------------------------------------

void SlotsWindow::spinAction() { runPlay(true); }
void SlotsWindow::insertCoinAction() { runPlay(false); }

void SlotsWindow::runPlay(bool spin)
{
    ++playDepth_;
    if (spin)
        machine_.Spin();
    else
        machine_.InsertCoin();
    --playDepth_;
    // A close that came while the reels turned waited for the spin to be finished and paid.
    if (playDepth_ == 0 && closePending_ && !machine_.busy()) {
        closePending_ = false;
        close();
    }
}

void SlotsWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        machine_.quickStop();
        runPlay(true);
        return;
    case Qt::Key_Space:
        if (!machine_.busy()) break;
        event->accept();
        machine_.quickStop();
        machine_.stopAutoPlay();
        return;
    case Qt::Key_Escape:
        if (!machine_.stopAutoPlay()) break;
        event->accept();
        return;
    case Qt::Key_M:
        if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) break;
        event->accept();
        if (!event->isAutoRepeat()) chooseSound(!options().soundOn);
        return;
    case Qt::Key_B:
    case Qt::Key_Backslash:
        event->accept();
        if (!event->isAutoRepeat()) runPlay(false);
        return;
    default:
        break;
    }
    QMainWindow::keyPressEvent(event);
}

void SlotsWindow::closeEvent(QCloseEvent* event)
{
    if (machine_.busy()) {
        // Finish the running spin at once, score and pay it, then close.
        closePending_ = true;
        machine_.finishQuickly();
        ports_.sound.silence(); // ends the wait for a win or lose sound
        event->ignore();
        if (playDepth_ == 0) QTimer::singleShot(50, this, &QWidget::close);
        return;
    }
    if (!closed_) {
        closed_ = true;
        bannerTimer_.stop();
        flashTimer_.stop();
        musicTimer_.stop();
        reminderTimer_.stop();
        ports_.music.closeAll();
        if (commands_.closing) commands_.closing();
        event->accept();
        emit closed();
        return;
    }
    event->accept();
}

void SlotsWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange) ports_.sound.setMinimised(isMinimized());
    QMainWindow::changeEvent(event);
}

// ---- banner ----------------------------------------------------------------------------------

void SlotsWindow::bannerTick()
{
    if (lampFlashPending_) {
        // The start-up flash of the lamp runs on its own timer, so the window stays responsive meanwhile;
        // the banner text follows when it has ended.
        lampFlashPending_ = false;
        flashStep_ = 0;
        flashTimer_.start();
    }
    if (flashTimer_.isActive()) return;
    if (!banner_.rendered()) {
        banner_.render(face_.bannerPatch(), face_.pixelRatio());
        bannerTimer_.setInterval(80);
    }
    banner_.advance();
    showChanged(face_.drawBanner(banner_));
}

void SlotsWindow::lampFlashStep()
{
    // The top-award lamp pattern: 60 steps of 46 ms, the sound every 12 steps, two lit phases.
    if (flashStep_ % 12 == 0) ports_.sound.play(SoundCue::TopAward);
    ++flashStep_;
    setLamp(flashStep_ % 2 == 0 ? 1 : 2);
    if (flashStep_ >= 60) {
        flashTimer_.stop();
        setLamp(0);
        if (bannerTimer_.isActive()) bannerTick();
    }
}

void SlotsWindow::pauseBanner()
{
    bannerTimer_.stop();
    if (flashTimer_.isActive()) {
        flashTimer_.stop();
        setLamp(0);
    }
}

void SlotsWindow::resumeBanner()
{
    if (options().bannerOn) bannerTimer_.start();
}

// ---- drawing ---------------------------------------------------------------------------------

void SlotsWindow::showChanged(const QRect& changed) { faceWidget_->updateFace(changed); }

void SlotsWindow::adoptPixelRatio()
{
    // The face is drawn at device resolution for the screen's ratio times the window size, from the
    // picture set of that scale or the next larger one (the largest set beyond 3).
    const qreal ratio = Face::surfaceRatio(faceWidget_->faceRatio());
    if (std::abs(ratio - face_.pixelRatio()) < 0.001) return;
    face_.setPixelRatio(ratio);
    const int pictures = Graphics::scaleFor(ratio);
    if (pictures != graphics_.scale()) {
        graphics_.setScale(pictures);
        graphics_.loadMachinePictures(machine_.machineInfo());
        graphics_.renderReelSurfaces(machine_.reels());
    }
    if (banner_.rendered()) banner_.invalidate();
    refresh();
}

void SlotsWindow::drawReel(int reel, int x, int y, int offset) { showChanged(face_.drawReel(reel, x, y, offset)); }
void SlotsWindow::drawPayLine() { showChanged(face_.drawPayLine()); }
void SlotsWindow::drawLever(int picture, int x, int y, int rows) { showChanged(face_.drawLever(picture, x, y, rows)); }
void SlotsWindow::drawMainCounters()
{
    showChanged(face_.drawMainCounters());
    readout_->announceChanges();
}
// Once per credit of a payout: not announced, the count-up would flood a screen reader.
void SlotsWindow::drawCreditsCounter() { showChanged(face_.drawCreditsCounter()); }
void SlotsWindow::drawSpinsCounter()
{
    showChanged(face_.drawSpinsCounter());
    readout_->announceChanges();
}
void SlotsWindow::drawPayoffTable(int firstRow, int lastRow, int wager)
{
    showChanged(face_.drawPayoffTable(firstRow, lastRow, wager));
}
void SlotsWindow::drawPayoffRow(int row, int amount) { showChanged(face_.drawPayoffRow(row, amount)); }
void SlotsWindow::drawStatistics()
{
    showChanged(face_.drawStatistics());
    readout_->announceChanges();
}

void SlotsWindow::setLamp(int picture)
{
    // Reduced flashing keeps the lamp on one lit picture for as long as it would alternate.
    if (picture == 2 && reduceFlashing()) picture = 1;
    showChanged(face_.drawLamp(picture));
}
void SlotsWindow::showFreeSpinLabel(bool shown) { showChanged(face_.drawFreeSpinLabel(shown)); }
void SlotsWindow::reelsChanged() { graphics_.renderReelSurfaces(machine_.reels()); }

void SlotsWindow::setMenusEnabled(bool enabled)
{
    for (int i : {0, 1, 2, 4}) menus_[static_cast<std::size_t>(i)]->menuAction()->setEnabled(enabled);
    // Auto Play stays usable while the reels turn, but its dialog waits for them.
    autoSettingsAction_->setEnabled(enabled);
}

void SlotsWindow::refresh()
{
    face_.paintAll(options().bannerOn ? &banner_ : nullptr);
    faceWidget_->update();
    readout_->announceChanges();
}

// ---- hooks -----------------------------------------------------------------------------------

void SlotsWindow::stopMusic() { ports_.music.stop(); }
void SlotsWindow::setMusicMachine(int machine) { ports_.music.setMachine(machine); }
void SlotsWindow::checkGamesEntry(int machine) { checkOnly(gamesActions_, machine); }

void SlotsWindow::readBannerText()
{
    const std::string name = machine_.machineInfo().machineName;
    const std::string text =
        commands_.readBannerText ? commands_.readBannerText(name) : "BannerText               Welcome to " + name + "!";
    banner_.setText(QString::fromStdString(text));
}

void SlotsWindow::loadMachinePictures(const MachineInfo& info) { graphics_.loadMachinePictures(info); }
void SlotsWindow::setCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

void SlotsWindow::spinStarting(const SpinRecord& spin)
{
    readout_->spinStarting();
    if (commands_.spinStarting) commands_.spinStarting(spin);
}

void SlotsWindow::spinScored(const SpinOutcome& outcome) { readout_->spinScored(outcome); }

void SlotsWindow::playIdle()
{
    readout_->announceChanges();
    if (commands_.playIdle) commands_.playIdle();
    reminderTick();
}

void SlotsWindow::autoPlayChanged()
{
    const int left = machine_.autoPlayLeft();
    // A counted run shows what is left; a run until stopped leaves the caption as it is.
    menus_[3]->setTitle(machine_.autoPlayRunning() && left >= 0 ? QStringLiteral("Auto Play (%1 left)").arg(left)
                                                                : QStringLiteral("Auto Play"));
}

// ---- play settings ---------------------------------------------------------------------------

void SlotsWindow::setPlaySettings(const PlaySettings& settings)
{
    machine_.setPlaySettings(settings);
    const PlaySettings& s = machine_.playSettings();
    quickStopAction_->setChecked(s.quickStop);
    previewVolume(s.effectsVolume, s.musicVolume);
    if (s.reminderMinutes != reminder_.minutes()) reminder_.setMinutes(s.reminderMinutes, ports_.clock.now());
    if (s.reminderMinutes > 0)
        reminderTimer_.start();
    else
        reminderTimer_.stop();
    if (commands_.playSettingsChanged) commands_.playSettingsChanged();
}

void SlotsWindow::previewVolume(int effects, int music)
{
    ports_.sound.setVolume(effects);
    ports_.music.setVolume(music);
}

std::string SlotsWindow::sessionSummaryText()
{
    return sessionSummary(reminder_.elapsedMs(ports_.clock.now()), machine_.sessionWagered(), machine_.sessionWon())
        .toStdString();
}

void SlotsWindow::reminderTick()
{
    // A reminder waits for the spin in play, and never comes over another dialog.
    if (closed_ || reminding_ || machine_.busy() || !reminder_.due(ports_.clock.now())) return;
    if (!reminderPrompt && QApplication::activeModalWidget() != nullptr) return;
    reminding_ = true;
    reminder_.shown(ports_.clock.now());
    const std::string text = sessionSummaryText();
    const bool quit = reminderPrompt ? reminderPrompt(text) : askReminder(text);
    reminding_ = false;
    if (quit) {
        machine_.stopAutoPlay();
        close();
    }
}

bool SlotsWindow::askReminder(const std::string& text)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Reminder"), QString::fromStdString(text),
                    QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("ReminderBox"));
    QPushButton* keep = box.addButton(QStringLiteral("Keep Playing"), QMessageBox::AcceptRole);
    QPushButton* quit = box.addButton(QStringLiteral("Quit"), QMessageBox::DestructiveRole);
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    return box.clickedButton() == quit;
}

void SlotsWindow::showExclamation(const std::string& title, const std::string& text)
{
    QMessageBox::warning(this, translatedEngineText(title), translatedEngineText(text), QMessageBox::Ok);
}
