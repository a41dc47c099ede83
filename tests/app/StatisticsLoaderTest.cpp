// The Statistics window comes from its module, loaded on first use; a module that is missing, damaged or of
// another build is named to the player instead of crashing the game.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <fstream>

#include "GameState.h"
#include "SpinRecorder.h"
#include "StatisticsLoader.h"
#include "TempDir.h"

namespace {

struct ModalSeen {
    QString className;
    QString text;
};

// Opens Statistics… through loader and closes whatever modal window it shows; what it saw.
ModalSeen openAndClose(StatisticsLoader& loader, const std::filesystem::path& logPath)
{
    SpinRecorder recorder(logPath);
    GameState state;
    QWidget parent;
    ModalSeen seen;
    QTimer::singleShot(0, [&seen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        seen.className = QString::fromLatin1(modal->metaObject()->className());
        if (auto* box = qobject_cast<QMessageBox*>(modal)) seen.text = box->text();
        modal->close();
    });
    loader.open(&parent, recorder, state, [](int, int) { return std::string("combo"); });
    return seen;
}

} // namespace

TEST(StatisticsLoader, OpensTheWindowFromTheBuiltModule)
{
    TempDir dir;
    StatisticsLoader loader({dir.qPath(), QStringLiteral(QUINTEL_BUILT_MODULE_DIR)});
    const ModalSeen seen = openAndClose(loader, dir.path() / "spins.sqlite");
    EXPECT_EQ(seen.className.toStdString(), "StatisticsWindow");
    EXPECT_TRUE(loader.error().isEmpty()) << loader.error().toStdString();
}

TEST(StatisticsLoader, NamesAMissingDamagedOrForeignModuleToThePlayer)
{
    TempDir dir;
    StatisticsLoader missing({dir.qPath()});
    ModalSeen seen = openAndClose(missing, dir.path() / "spins.sqlite");
    EXPECT_EQ(seen.className.toStdString(), "QMessageBox");
    EXPECT_TRUE(seen.text.contains(QStringLiteral("missing or damaged"))) << seen.text.toStdString();
    EXPECT_TRUE(seen.text.contains(QStringLiteral("quintel-statistics.so not found in ") + dir.qPath()))
        << seen.text.toStdString();
    // Asked again, it answers the same without trying again.
    EXPECT_EQ(missing.entry(), nullptr);

    std::ofstream(dir.path() / "quintel-statistics.so") << "not a module";
    StatisticsLoader damaged({dir.qPath()});
    seen = openAndClose(damaged, dir.path() / "spins.sqlite");
    EXPECT_EQ(seen.className.toStdString(), "QMessageBox");
    EXPECT_TRUE(seen.text.contains(dir.qPath() + QStringLiteral("/quintel-statistics.so"))) << seen.text.toStdString();

    StatisticsLoader foreign({QStringLiteral(QUINTEL_OLD_MODULE_DIR)});
    EXPECT_EQ(foreign.entry(), nullptr);
    EXPECT_TRUE(foreign.error().contains(QStringLiteral("has no entry quintel_open_statistics_v1")))
        << foreign.error().toStdString();
}

TEST(StatisticsLoader, LooksInTheInstalledFolderBeforeBesideTheProgram)
{
    const QStringList dirs = StatisticsLoader::defaultDirs(QStringLiteral("/usr/games"));
    ASSERT_EQ(dirs.size(), 2);
    EXPECT_TRUE(dirs[0].endsWith(QStringLiteral("/quintel-slots"))) << dirs[0].toStdString();
    EXPECT_FALSE(dirs[0].contains(QStringLiteral(".."))) << dirs[0].toStdString();
    EXPECT_EQ(dirs[1].toStdString(), "/usr/games");
}
