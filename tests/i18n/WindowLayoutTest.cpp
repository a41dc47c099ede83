// The game window in every language: every menu title shows on the menu bar (none pushed into its overflow),
// and every menu entry has the room for its text. QUINTEL_LAYOUT_SHOTS=<folder> saves the window and each menu.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <memory>

#include "GameSession.h"
#include "NullMusic.h"
#include "NullSound.h"
#include "PlayingWindow.h"
#include "TestPorts.h"
#include "ProfileFile.h"
#include "RecordingMessages.h"
#include "ScriptedRandom.h"
#include "SlotsWindow.h"
#include "TempDir.h"
#include "TranslationFixture.h"
#include "VirtualClock.h"

namespace {

QString shown(QString text) { return text.remove(QLatin1Char('&')); }

class WindowLayout : public TranslationFixture, protected TestPorts<> {
protected:
    TempDir dir;
};

TEST_P(WindowLayout, EveryMenuTitleAndEntryShowsWhole)
{
    ProfileFile file(dir / "QUINTEL.INI");
    const QString assets = qEnvironmentVariable("QUINTEL_ASSET_DIR");
    PlayingWindow playing(ports());
    SlotsWindow& window = playing.window;
    GameSession session(window, file, assets, &messages);
    session.start();
    window.show();
    QApplication::processEvents();

    QMenuBar* bar = window.menuBar();
    for (QAction* a : bar->actions()) {
        const QRect place = bar->actionGeometry(a);
        EXPECT_TRUE(place.isValid() && bar->rect().contains(place))
            << GetParam() << ": menu \"" << shown(a->text()).toStdString() << "\" does not fit on the menu bar";
    }
    const QString shots = qEnvironmentVariable("QUINTEL_LAYOUT_SHOTS");
    if (!shots.isEmpty()) {
        QDir().mkpath(shots);
        window.grab().save(QStringLiteral("%1/%2-window.png").arg(shots, QString::fromLatin1(GetParam())));
    }
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        menu->adjustSize();
        for (QAction* a : menu->actions()) {
            if (a->isSeparator() || !a->isVisible()) continue;
            const int needs = menu->fontMetrics().horizontalAdvance(shown(a->text()));
            EXPECT_LE(needs, menu->actionGeometry(a).width()) << GetParam() << ": \"" << shown(a->text()).toStdString()
                                                              << "\" in menu " << menu->objectName().toStdString();
        }
        if (!shots.isEmpty())
            menu->grab().save(
                QStringLiteral("%1/%2-menu-%3.png").arg(shots, QString::fromLatin1(GetParam()), menu->objectName()));
    }
    window.close();
}

INSTANTIATE_TEST_SUITE_P(Languages, WindowLayout, ::testing::Values("en", "de", "fr", "es"));

} // namespace
