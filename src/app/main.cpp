// Quintel Slots 95: start-up wiring of the game window, its sound, music and saved games.
#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QStandardPaths>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "AssetCheck.h"
#include "AudioLoader.h"
#include "CommandLine.h"
#include "GameSession.h"
#include "EngineTextTr.h"
#include "Language.h"
#include "MachineNames.h"
#include "MersenneRandom.h"
#include "MusicPlayer.h"
#include "ProfileFile.h"
#include "ProgramDir.h"
#include "QtEventClock.h"
#include "SignalBridge.h"
#include "SingleInstance.h"
#include "SlotsWindow.h"
#include "SoundEffects.h"
#include "SpinRecorder.h"
#include "StatisticsLoader.h"

namespace {
// The window's icon in the sizes title bars and task switchers use: from the build tree's icons, and from the
// hicolor folders the package fills, read by path (a theme lookup costs a tenth of the start-up).
QIcon windowIcon(const QString& assetDir)
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addFile(assetDir + QStringLiteral("/icons/quintel-slots-%1.png").arg(size));
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString themed = QStandardPaths::locate(
            QStandardPaths::GenericDataLocation,
            QStringLiteral("icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(QStringLiteral(QUINTEL_APP_ID)));
        if (!themed.isEmpty()) icon.addFile(themed);
    }
    icon.addFile(assetDir + QStringLiteral("/icon.png"));
    return icon;
}

// False when another game plays on this saved game (it is told to come to the front); this one then ends.
bool claimProfile(SingleInstance& instance, const std::filesystem::path& profileFile)
{
    if (const SingleInstance::Claim claim = instance.claim(); claim != SingleInstance::Claim::Owned) {
        std::fprintf(stderr, "quintel-slots: a game on %s is already running; %s\n", profileFile.string().c_str(),
                     claim == SingleInstance::Claim::Activated ? "it was brought to the front"
                                                               : "it is busy and did not answer");
        return false;
    }
    if (!instance.error().isEmpty())
        std::fprintf(stderr, "quintel-slots: cannot watch for a second start on this saved game (%s)\n",
                     qPrintable(instance.error()));
    return true;
}

// The folder of the pictures, machine files and manual; what is missing there is reported on the terminal.
QString checkedAssetDir()
{
    const QString assetDir = ProgramDir::find(QCoreApplication::applicationDirPath());
    const QString assetReport = AssetCheck::report(assetDir);
    if (!assetReport.isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(assetReport));
    return assetDir;
}

void bringToFront(SlotsWindow& window)
{
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

// Shows the window in the middle of its screen, its top-left corner kept on the screen.
void showCentred(SlotsWindow& window)
{
    window.show();
    if (QScreen* screen = window.screen()) {
        const QRect area = screen->availableGeometry();
        QPoint topLeft = area.center() - window.frameGeometry().center() + window.pos();
        window.move(std::max(topLeft.x(), area.left()), std::max(topLeft.y(), area.top()));
    }
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("quintel-slots"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUINTEL_VERSION));
    if (CommandLine::asksForText(argc, argv)) {
        // Help and version are answered on a terminal without a display, too.
        QCoreApplication textOnly(argc, argv);
        CommandLine::process(textOnly);
        return 0;
    }
    QApplication app(argc, argv);
    // LANGUAGE, LC_ALL, LC_MESSAGES and LANG choose the language, as for every program.
    installTranslations(app, QLocale::system());
    QGuiApplication::setDesktopFileName(QStringLiteral(QUINTEL_APP_ID));
    CommandLine::process(app);

    const std::filesystem::path profileFile = profilePath(processEnvironment());
    SingleInstance instance(QString::fromStdString(profileFile.string()));
    if (!claimProfile(instance, profileFile)) return 0;

    const QString assetDir = checkedAssetDir();
    QApplication::setWindowIcon(windowIcon(assetDir));

    QtEventClock clock;
    MersenneRandom random(
        [] { return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()); });

    // SDL and the mixer's libraries are loaded with the first sound played, usually the lamp's flash a moment
    // after the window shows.
    const QStringList moduleDirs = ModuleLoader::defaultDirs(QCoreApplication::applicationDirPath());
    DeferredAudioBackend audio(audioModuleFactory(moduleDirs), [](const std::string& why) {
        std::fprintf(stderr, "quintel-slots: no sound (%s)\n", why.c_str());
    });
    SoundEffects sound(audio, assetDir.toStdString(), random, clock, clock);
    MusicPlayer music(audio, assetDir.toStdString());

    ProfileFile profile(profileFile);
    SlotsWindow window(SlotsWindowPorts{clock, clock, random, sound, music, assetDir});
    SlotMachine machine(window.machinePorts());
    window.play(machine);
    GameSession session(window, profile, assetDir);
    SpinRecorder spinLog(SpinLog::defaultPath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
    session.setSpinLog(&spinLog);
    StatisticsLoader statistics(moduleDirs);
    window.commands().statistics = [&window, &machine, &spinLog, &statistics] {
        statistics.open(&window, spinLog, machine.state(), [](int machine, int combo) {
            return machineText(combinationName(machine, combo)).toStdString();
        });
    };
    session.start();
    SignalBridge signalBridge([&window, &session] {
        session.setClosingOnSignal();
        window.close();
    });
    // Closing the game window ends the program, also when the manual or a dialog is still open.
    QObject::connect(&window, &SlotsWindow::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    instance.onActivate([&window] { bringToFront(window); });
    showCentred(window);
    return app.exec();
}
