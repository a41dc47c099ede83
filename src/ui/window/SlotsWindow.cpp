#include "SlotsWindow.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <algorithm>

#include "BannerAnimation.h"
#include "Face.h"
#include "FaceAccessible.h"
#include "EngineTextTr.h"
#include "FaceScale.h"
#include "FaceWidget.h"
#include "GameMenus.h"
#include "MidiErrorText.h"
#include "MusicControl.h"
#include "ReminderPrompt.h"
#include "SessionSummary.h"
#include "Settings.h"
#include "SoundControl.h"

namespace {

// Caption colour index by digit colour: Blue, Cyan, Green, Purple, Red, White, Yellow.
constexpr std::array<int, Graphics::kSmallStripCount> kCaptionColors = {12, 9, 12, 15, 10, 9, 12};
constexpr int kMusicPollMs = 5000;

} // namespace

SlotsWindow::SlotsWindow(const SlotsWindowPorts& ports, QWidget* parent)
    : QMainWindow(parent)
    , ports_(ports)
    , graphics_(ports.assetDir)
{
    setWindowTitle(QStringLiteral("3 Slots"));
    // A fixed-size window: no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    musicTimer_.setInterval(kMusicPollMs);
    connect(&musicTimer_, &QTimer::timeout, this, &SlotsWindow::musicTick);
}

SlotsWindow::~SlotsWindow()
{
    if (faceWidget_) faceWidget_->setReadout(nullptr);
}

SlotMachinePorts SlotsWindow::machinePorts()
{
    MessageSink& messages = ports_.messages ? *ports_.messages : static_cast<MessageSink&>(*this);
    return SlotMachinePorts{ports_.clock, ports_.pump, ports_.random, *this, ports_.sound, messages, *this};
}

void SlotsWindow::play(SlotMachine& machine)
{
    machine_ = &machine;
    buildFace();
    menus_ = new GameMenus(*this, *menuBar(), commands_);
    menus_->show(options());
    menus_->setKeyboardHome(faceWidget_);
    menus_->stopKey = [this](int key) { return stopKey(key); };
    menus_->sizeRefusal = [this](int entry) { return scale_->refusal(FaceScale::sizeAt(entry)); };
    connectMenus();
    bannerAnimation_ = std::make_unique<BannerAnimation>(
        *face_, banner_, ports_.sound, [this](int picture) { setLamp(picture); },
        [this](const QRect& changed) { showChanged(changed); });
    reminders_ = std::make_unique<ReminderPrompt>(ports_.clock, *this, [this] { return sessionSummaryText(); });
    reminders_->tick = [this] { reminderTick(); };

    for (int i = 0; i < kSoundToggleCount; ++i)
        ports_.sound.setToggle(i, options().toggle(static_cast<SoundToggle>(i)));
    ports_.sound.setSoundOn(options().soundOn);

    // Load-time set-up: a new game on machine 0, bet and colour defaults, then the banner.
    machine.NewGame(MachineId::Quintel);
    face_->setCaptionColor(kCaptionColors[static_cast<std::size_t>(choiceIndex(options().digitColor))]);
    bannerAnimation_->begin(options().bannerOn);
    face_->drawLamp(0);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    faceWidget_->setFocus();
}

void SlotsWindow::buildFace()
{
    face_ = std::make_unique<Face>(graphics_, *machine_);
    faceWidget_ = new FaceWidget(*face_, this);
    faceWidget_->zoneClicked = [this](int zone) {
        if (zone == 0) machine_->stopAutoPlay(); // a click on the reels ends an auto play run
        runPlay(zone == 0);
    };
    scale_ = std::make_unique<FaceScale>(*this, *faceWidget_, *face_, graphics_, banner_, [this] { refresh(); });
    scale_->setMachine(*machine_);
    faceWidget_->pixelRatioChanged = [this] { scale_->adoptPixelRatio(); };
    static const bool accessibleFaceInstalled = [] {
        QAccessible::installFactory(&FaceAccessible::factory);
        return true;
    }();
    Q_UNUSED(accessibleFaceInstalled);
    readout_ = std::make_unique<FaceReadout>(*faceWidget_, *machine_);
    faceWidget_->setReadout(readout_.get());
    setCentralWidget(faceWidget_);
}

void SlotsWindow::connectMenus()
{
    GameMenus* m = menus_;
    connect(m->menu(GameMenus::kFileMenu), &QMenu::aboutToShow, this,
            [this] { menus_->showMachine(machine_->state().currentMachine); });
    connect(m, &GameMenus::newGameChosen, this, [this](int i) { machine_->NewGame(static_cast<MachineId>(i)); });
    connect(m, &GameMenus::changeGameChosen, this, [this](int i) { machine_->ChangeGame(static_cast<MachineId>(i)); });
    connect(m, &GameMenus::quitChosen, this, &QWidget::close);
    connect(m, &GameMenus::betChosen, this, &SlotsWindow::chooseBetAmount);
    connect(m, &GameMenus::digitColorChosen, this, &SlotsWindow::chooseDigitColor);
    connect(m, &GameMenus::bannerChosen, this, &SlotsWindow::chooseBanner);
    connect(m, &GameMenus::speedChosen, this, &SlotsWindow::chooseSpinSpeed);
    connect(m, &GameMenus::soundChosen, this, &SlotsWindow::chooseSound);
    connect(m, &GameMenus::soundToggleChosen, this, &SlotsWindow::setSoundToggle);
    connect(m, &GameMenus::musicChosen, this, &SlotsWindow::setMusicOn);
    connect(m, &GameMenus::reduceFlashingChosen, this, [this](bool on) {
        setReduceFlashing(on);
        if (commands_.reduceFlashingChanged) commands_.reduceFlashingChanged(on);
    });
    connect(m, &GameMenus::quickStopChosen, this, [this](bool on) {
        PlaySettings s = playSettings();
        s.quickStop = on;
        setPlaySettings(s);
    });
    connect(m, &GameMenus::windowSizeChosen, this, &SlotsWindow::chooseWindowSize);
    connect(m, &GameMenus::windowSizeStepped, this, &SlotsWindow::stepWindowSize);
    connect(m, &GameMenus::borrowChosen, this, [this](int entry) { machine_->borrow(entry); });
    connect(m, &GameMenus::autoSpinChosen, this, [this](bool on) { machine_->setAutoSpin(on); });
}

int SlotsWindow::betEntry() const { return menus_->betEntry(); }
int SlotsWindow::digitEntry() const { return menus_->digitEntry(); }
int SlotsWindow::speedEntry() const { return menus_->speedEntry(); }
int SlotsWindow::bannerEntry() const { return menus_->bannerEntry(); }
int SlotsWindow::windowSizeEntry() const { return menus_->windowSizeEntry(); }
bool SlotsWindow::soundToggle(int index) const { return menus_->soundToggle(index); }
bool SlotsWindow::musicOn() const { return menus_->musicOn(); }
int SlotsWindow::captionColor() const { return face_->captionColor(); }

// ---- menu commands ---------------------------------------------------------------------------

void SlotsWindow::chooseBetAmount(BetChoice bet)
{
    if (!choiceAt<BetChoice>(choiceIndex(bet))) return;
    machine_->chooseBet(bet);
    menus_->show(options());
}

void SlotsWindow::chooseDigitColor(DigitColor color)
{
    const int entry = choiceIndex(color);
    if (!choiceAt<DigitColor>(entry) || entry >= Graphics::kSmallStripCount) return;
    machine_->state().options.digitColor = color;
    menus_->show(options());
    graphics_.selectDigitColor(entry);
    face_->setCaptionColor(kCaptionColors[static_cast<std::size_t>(entry)]);
    refresh();
}

void SlotsWindow::chooseSpinSpeed(SpinSpeed speed)
{
    if (!choiceAt<SpinSpeed>(choiceIndex(speed))) return;
    machine_->setSpeed(speed);
    menus_->show(options());
}

void SlotsWindow::chooseBanner(bool on)
{
    machine_->state().options.bannerOn = on;
    menus_->show(options());
    bannerAnimation_->setOn(on);
}

void SlotsWindow::chooseSound(bool on)
{
    machine_->state().options.soundOn = on;
    menus_->show(options());
    ports_.sound.setSoundOn(on);
}

void SlotsWindow::setSoundToggle(SoundToggle toggle, bool on)
{
    const int i = choiceIndex(toggle);
    if (!choiceAt<SoundToggle>(i)) return;
    machine_->state().options.soundToggles[static_cast<std::size_t>(i)] = on;
    menus_->show(options());
    ports_.sound.setToggle(i, on);
}

void SlotsWindow::setReduceFlashing(bool on)
{
    machine_->state().options.reduceFlashing = on;
    menus_->show(options());
}

void SlotsWindow::setMusicOn(bool on)
{
    machine_->state().options.musicOn = on;
    menus_->show(options());
    if (on) {
        if (options().soundOn) musicTimer_.start(kMusicPollMs);
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
    musicTimer_.setInterval(kMusicPollMs);
    if (ports_.music.tick()) return;
    const std::string name = ports_.music.musicName();
    // Music goes off before the box opens: the poll must not fire again inside the box's event loop.
    setMusicOn(false);
    if (ports_.messages)
        ports_.messages->showExclamation(kMidiErrorTitle, midiErrorText(name));
    else
        showExclamation(kMidiErrorTitle, midiErrorText(name));
}

// ---- window size -----------------------------------------------------------------------------

void SlotsWindow::chooseWindowSize(int entry)
{
    // Like the Options menu, the size stays as it is while the reels turn.
    if (entry < 0 || entry >= FaceScale::entryCount() || machine_->busy()) return;
    const int percent = FaceScale::sizeAt(entry);
    if (!scale_->refusal(percent).isEmpty()) return; // Ctrl++ stops at the largest size that fits
    setZoom(percent);
    if (commands_.windowSizeChosen) commands_.windowSizeChosen(percent);
}

void SlotsWindow::stepWindowSize(int step)
{
    const int entry = std::clamp(windowSizeEntry() + step, 0, FaceScale::entryCount() - 1);
    if (entry != windowSizeEntry()) chooseWindowSize(entry);
}

void SlotsWindow::setZoom(int percent)
{
    if (FaceScale::entryOf(percent) < 0) return;
    // A size kept from a larger screen gives way to the largest that fits this one.
    percent = scale_->fitted(percent);
    menus_->showWindowSize(FaceScale::entryOf(percent));
    scale_->setZoom(percent);
}

int SlotsWindow::zoom() const { return scale_->zoom(); }
int SlotsWindow::largestFittingZoom() const { return scale_->largestFitting(); }

void SlotsWindow::showLoadedMachine(int machine)
{
    if (!isValidMachine(machine)) return;
    // As a new game does: the tune that played stops and the machine's first tune is next.
    stopMusic();
    setMusicMachine(machine);
    checkGamesEntry(machine);
    setCaption(windowCaption(machineMenuCaption(machine)));
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
        machine_->Spin();
    else
        machine_->InsertCoin();
    --playDepth_;
    // A close that came while the reels turned waited for the spin to be finished and paid.
    if (playDepth_ == 0 && closePending_ && !machine_->busy()) {
        closePending_ = false;
        close();
    }
}

bool SlotsWindow::stopKey(int key)
{
    if (key == Qt::Key_Escape) return machine_->stopAutoPlay();
    if (key != Qt::Key_Space || !machine_->busy()) return false;
    machine_->quickStop();
    machine_->stopAutoPlay();
    return true;
}

void SlotsWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        machine_->quickStop();
        runPlay(true);
        return;
    case Qt::Key_Space:
    case Qt::Key_Escape:
        if (!stopKey(event->key())) break;
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
    if (machine_->busy()) {
        // Finish the running spin at once, score and pay it, then close.
        closePending_ = true;
        machine_->finishQuickly();
        ports_.sound.silence(); // ends the wait for a win or lose sound
        event->ignore();
        if (playDepth_ == 0) QTimer::singleShot(50, this, &QWidget::close);
        return;
    }
    if (!closed_) {
        closed_ = true;
        bannerAnimation_->stop();
        musicTimer_.stop();
        reminders_->stop();
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

void SlotsWindow::bannerTick() { bannerAnimation_->tick(); }
void SlotsWindow::lampFlashStep() { bannerAnimation_->flashStep(); }
bool SlotsWindow::bannerRunning() const { return bannerAnimation_->running(); }
bool SlotsWindow::lampFlashing() const { return bannerAnimation_->flashing(); }
void SlotsWindow::pauseBanner() { bannerAnimation_->pause(); }
void SlotsWindow::resumeBanner() { bannerAnimation_->resume(options().bannerOn); }

// ---- hooks -----------------------------------------------------------------------------------

void SlotsWindow::stopMusic() { ports_.music.stop(); }
void SlotsWindow::setMusicMachine(int machine) { ports_.music.setMachine(machine); }
void SlotsWindow::checkGamesEntry(int machine) { menus_->checkGame(machine); }

void SlotsWindow::readBannerText()
{
    const std::string name = machine_->machineInfo().machineName;
    const std::string text = commands_.readBannerText ? commands_.readBannerText(name) : Settings::welcomeBanner(name);
    banner_.setText(QString::fromStdString(text));
}

void SlotsWindow::loadMachinePictures(const MachineInfo& info) { graphics_.loadMachinePictures(info); }
void SlotsWindow::setCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

void SlotsWindow::spinStarting(const SpinRecord& spin)
{
    readout_->spinStarting();
    if (commands_.spinStarting) commands_.spinStarting(spin);
}

void SlotsWindow::gameStarted()
{
    if (commands_.gameStarted) commands_.gameStarted();
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
    // A counted run shows what is left; a run until stopped leaves the caption as it is.
    menus_->showAutoPlayLeft(machine_->autoPlayRunning() ? machine_->autoPlayLeft() : -1);
}

// ---- play settings ---------------------------------------------------------------------------

void SlotsWindow::setPlaySettings(const PlaySettings& settings)
{
    machine_->setPlaySettings(settings);
    const PlaySettings& s = machine_->playSettings();
    menus_->showQuickStop(s.quickStop);
    previewVolume(s.effectsVolume, s.musicVolume);
    reminders_->setMinutes(s.reminderMinutes);
    if (commands_.playSettingsChanged) commands_.playSettingsChanged();
}

void SlotsWindow::previewVolume(int effects, int music)
{
    ports_.sound.setVolume(effects);
    ports_.music.setVolume(music);
}

std::string SlotsWindow::sessionSummaryText()
{
    return sessionSummary(reminders_->elapsedMs(), machine_->sessionWagered(), machine_->sessionWon()).toStdString();
}

void SlotsWindow::reminderTick()
{
    // A reminder waits for the spin in play.
    if (closed_ || machine_->busy()) return;
    if (reminders_->offer()) {
        machine_->stopAutoPlay();
        close();
    }
}

void SlotsWindow::showExclamation(const std::string& title, const std::string& text)
{
    QMessageBox::warning(this, translatedEngineText(title), translatedEngineText(text), QMessageBox::Ok);
}
