// Quintel Slots 95: start-up wiring of the game window, its sound, music and saved games.
#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "GameSession.h"
#include "MersenneRandom.h"
#include "MusicPlayer.h"
#include "ProfileFile.h"
#include "ProgramDir.h"
#include "QtEventClock.h"
#include "SdlAudioBackend.h"
#include "SignalBridge.h"
#include "SlotsWindow.h"
#include "SoundEffects.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quintel-slots"));
    QApplication::setApplicationVersion(QStringLiteral("v2.0"));
    QGuiApplication::setDesktopFileName(QStringLiteral("quintel-slots"));

    const QString assetDir = ProgramDir::find(QCoreApplication::applicationDirPath());
    QIcon icon;
    // The sizes title bars and task switchers use; each one is read at start, and the installed theme icon
    // covers the larger ones.
    for (int size : {16, 24, 32, 48, 64}) icon.addFile(assetDir + QStringLiteral("/icons/quintel-slots-%1.png").arg(size));
    icon.addFile(assetDir + QStringLiteral("/icon.png"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("quintel-slots"), icon));

    QtEventClock clock;
    MersenneRandom random([] {
        return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    });

    SdlAudioBackend audio;
    if (!audio.isOpen()) std::fprintf(stderr, "quintel-slots: no sound (%s)\n", audio.openError().c_str());
    SoundEffects sound(audio, assetDir.toStdString(), random, clock, clock);
    MusicPlayer music(audio, assetDir.toStdString());

    ProfileFile profile(profilePath(processEnvironment()));
    SlotsWindow window(SlotsWindowPorts{clock, clock, random, sound, music, assetDir});
    GameSession session(window, profile, assetDir);
    session.start();
    SignalBridge signalBridge([&window] { window.close(); });
    // Closing the game window ends the program, also when the manual or a dialog is still open.
    QObject::connect(&window, &SlotsWindow::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    window.show();
    if (QScreen* screen = window.screen()) {
        const QRect area = screen->availableGeometry();
        QPoint topLeft = area.center() - window.frameGeometry().center() + window.pos();
        window.move(std::max(topLeft.x(), area.left()), std::max(topLeft.y(), area.top()));
    }
    return app.exec();
}
