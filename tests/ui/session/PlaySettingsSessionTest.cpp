// The play settings kept in the profile file across runs, and the dialogs that change them.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

#include "GameSession.h"
#include "NullMusic.h"
#include "NullSound.h"
#include "PlaySettingsDialogs.h"
#include "ProfileFile.h"
#include "RecordingMessages.h"
#include "ScriptedRandom.h"
#include "RunningProgram.h"
#include "SlotsWindow.h"
#include "VirtualClock.h"

namespace fs = std::filesystem;

namespace {

struct VolumeSound : NullSound {
    void setVolume(int percent) override { levels.push_back(percent); }
    std::vector<int> levels;
};
struct VolumeMusic : NullMusic {
    void setVolume(int percent) override { levels.push_back(percent); }
    std::vector<int> levels;
};

struct ProgramRun : RunningProgram<VolumeSound, VolumeMusic> {
    explicit ProgramRun(const fs::path& ini)
        : RunningProgram(ini)
    {}
    QAction* action(const char* name) { return window->findChild<QAction*>(QString::fromLatin1(name)); }
};

// Runs work on the dialog that the next exec() opens.
template <typename Dialog> void onNextDialog(std::function<void(Dialog&)> work)
{
    QTimer::singleShot(0, [work] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        work(*dialog);
    });
}

void press(QDialog& dialog, QDialogButtonBox::StandardButton which)
{
    dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttons"))->button(which)->click();
}

class PlaySettingsSessionTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    fs::path ini() const { return fs::path(dir.path().toStdString()) / "QUINTEL.INI"; }
};

} // namespace

TEST_F(PlaySettingsSessionTest, UntouchedSettingsAddNoKeysAndChangedOnesSurviveARestart)
{
    {
        ProgramRun run(ini());
        run.random.forceStops(0, 0, 0);
        for (int i = 0; i < 3; ++i) run.window->insertCoinAction();
    }
    EXPECT_FALSE(ProfileFile(ini()).find("Settings", "QuickStop").has_value());
    EXPECT_FALSE(ProfileFile(ini()).find("Settings", "EffectsVolume").has_value());

    PlaySettings changed;
    changed.autoSpins = 50;
    changed.stopOnBonusPool = true;
    changed.effectsVolume = 35;
    changed.musicVolume = 60;
    changed.reminderMinutes = 30;
    changed.lossLimit = Money::fromCredits(250);
    {
        ProgramRun run(ini());
        // The Auto Play Settings dialog: 50 spins, stop on the bonus pool.
        onNextDialog<AutoPlayDialog>([](AutoPlayDialog& d) {
            auto* spins = d.findChild<QComboBox*>(QStringLiteral("cmbSpins"));
            spins->setCurrentIndex(spins->findText(QStringLiteral("50")));
            d.findChild<QCheckBox*>(QStringLiteral("chkPool"))->setChecked(true);
            press(d, QDialogButtonBox::Ok);
        });
        run.action("mnuAutoSettings")->trigger();
        EXPECT_EQ(run.window->playSettings().autoSpins, 50);
        PlaySettings s = run.window->playSettings();
        s.effectsVolume = 35;
        s.musicVolume = 60;
        s.reminderMinutes = 30;
        s.lossLimit = Money::fromCredits(250);
        run.window->setPlaySettings(s);
    }
    ProgramRun again(ini());
    EXPECT_EQ(again.window->playSettings(), changed);
    EXPECT_EQ(again.sound.levels.back(), 35);
    EXPECT_EQ(again.music.levels.back(), 60);
    EXPECT_EQ(again.file.find("Settings", "AutoPlaySpins"), "50");
}

TEST_F(PlaySettingsSessionTest, VolumeSlidersApplyWhileTheyMoveAndCancelPutsThemBack)
{
    ProgramRun run(ini());
    onNextDialog<VolumeDialog>([](VolumeDialog& d) {
        d.findChild<QSlider*>(QStringLiteral("sldEffects"))->setValue(40);
        d.findChild<QSlider*>(QStringLiteral("sldMusic"))->setValue(10);
        press(d, QDialogButtonBox::Cancel);
    });
    run.action("mnuVolume")->trigger();
    EXPECT_EQ(run.sound.levels, (std::vector<int>{100, 40, 40, 100}));
    EXPECT_EQ(run.music.levels, (std::vector<int>{100, 100, 10, 100}));
    EXPECT_EQ(run.window->playSettings().effectsVolume, 100);
    EXPECT_FALSE(run.file.find("Settings", "EffectsVolume").has_value());

    onNextDialog<VolumeDialog>([](VolumeDialog& d) {
        d.findChild<QSlider*>(QStringLiteral("sldEffects"))->setValue(0);
        press(d, QDialogButtonBox::Ok);
    });
    run.action("mnuVolume")->trigger();
    EXPECT_EQ(run.sound.levels.back(), 0);
    EXPECT_EQ(run.file.find("Settings", "EffectsVolume"), "0");
    EXPECT_EQ(run.file.find("Settings", "MusicVolume"), "100");
}

TEST_F(PlaySettingsSessionTest, TheLossLimitSetInRemindersRefusesPlay)
{
    ProgramRun run(ini());
    onNextDialog<RemindersDialog>([](RemindersDialog& d) {
        d.findChild<QCheckBox*>(QStringLiteral("chkLossLimit"))->setChecked(true);
        d.findChild<QSpinBox*>(QStringLiteral("spnLossLimit"))->setValue(3);
        press(d, QDialogButtonBox::Ok);
    });
    run.action("mnuReminders")->trigger();
    run.random.forceStops(0, 0, 0);
    for (int i = 0; i < 3; ++i) run.window->insertCoinAction();
    run.window->insertCoinAction();
    ASSERT_EQ(run.messages.shown.size(), 1u);
    EXPECT_EQ(run.messages.shown[0].title, "Loss Limit Reached");
    EXPECT_EQ(run.file.find("Settings", "SessionLossLimit"), "3.00");
}
