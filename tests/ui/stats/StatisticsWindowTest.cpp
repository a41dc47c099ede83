#include <QAbstractButton>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineSeries>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "SpinLog.h"
#include "StatisticsWindow.h"

namespace fs = std::filesystem;

namespace {

LoggedSpin row(std::int64_t id, std::int64_t paidCents, std::int64_t game, int machine = 0)
{
    LoggedSpin s;
    s.id = id;
    s.gameNumber = game;
    s.machine = machine;
    s.stakeCents = 300;
    s.paidCents = paidCents;
    s.combination = paidCents > 0 ? 6 : -1;
    s.creditsAfterCents = 50'000 + id;
    s.time = "2026-12-08T10:00:00Z";
    return s;
}

class StatisticsWindowTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    SpinLog log{fs::path(dir.path().toStdString()) / "spins.sqlite"};

    QString figure(const StatisticsWindow& window, const char* name)
    {
        const QLabel* label = window.findChild<QLabel*>(QString::fromLatin1(name));
        return label ? label->text() : QStringLiteral("(no figure %1)").arg(QString::fromLatin1(name));
    }
};

} // namespace

TEST_F(StatisticsWindowTest, TheScopesShowTheSessionTheGameInPlayOrEverything)
{
    // Games 1 and 2 on machine 0, game 3 on machine 1; the session began after spin 35.
    for (std::int64_t i = 1; i <= 40; ++i)
        ASSERT_TRUE(log.append(row(i, i % 5 == 0 ? 600 : 0, i <= 20 ? 1 : i <= 32 ? 2 : 3, i <= 32 ? 0 : 1)));
    StatisticsWindow window(log, StatisticsContext{35, 1, 3, "Spins are not being recorded."},
                            [](int, int c) { return "combo " + std::to_string(c); });
    EXPECT_EQ(window.statistics().summary.spins, 8); // this game: game 3
    window.setScope(SpinScope::Session);
    EXPECT_EQ(window.statistics().summary.spins, 5);
    window.setScope(SpinScope::All);
    EXPECT_EQ(window.statistics().summary.spins, 40);
    EXPECT_EQ(window.statistics().summary.wonCents, 8 * 600);
    EXPECT_EQ(figure(window, "Spins"), QStringLiteral("40 (0 free)"));
    EXPECT_FALSE(window.grab().isNull());
    ASSERT_TRUE(window.findChild<QLabel*>(QStringLiteral("notice")));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("notice"))->text(),
              QStringLiteral("Spins are not being recorded."));
}

TEST_F(StatisticsWindowTest, AmountsAreGroupedAndOneSpinIsOneSpin)
{
    ASSERT_TRUE(log.append(row(1, 1020'00, 1)));
    ASSERT_TRUE(log.append(row(2, 0, 2)));
    StatisticsWindow window(log, StatisticsContext{0, 0, 2, {}}, {});
    EXPECT_EQ(figure(window, "Longest run without a win"), QStringLiteral("1 spin"));
    EXPECT_EQ(figure(window, "Wagered"), QStringLiteral("$3.00"));
    window.setScope(SpinScope::All);
    EXPECT_EQ(figure(window, "Won"), QStringLiteral("$1,020.00"));
    EXPECT_EQ(figure(window, "Biggest win"), QStringLiteral("$1,020.00"));
    EXPECT_EQ(figure(window, "Longest run without a win"), QStringLiteral("1 spin"));
    ASSERT_TRUE(log.append(row(3, 0, 2)));
    window.setScope(SpinScope::Game);
    EXPECT_EQ(figure(window, "Longest run without a win"), QStringLiteral("2 spins"));
}

// A game of one spin has one point on each line: it is drawn, not an empty chart.
TEST_F(StatisticsWindowTest, AOneSpinGameShowsItsPoint)
{
    ASSERT_TRUE(log.append(row(1, 0, 1)));
    StatisticsWindow window(log, StatisticsContext{0, 0, 1, {}}, {});
    window.show();
    const QList<QChartView*> views = window.findChildren<QChartView*>();
    ASSERT_EQ(views.size(), 3);
    for (QChartView* view : views.mid(0, 2)) {
        QChart* chart = view->chart();
        auto* line = qobject_cast<QLineSeries*>(chart->series().back());
        ASSERT_TRUE(line);
        ASSERT_EQ(line->count(), 1);
        const QImage image = view->grab().toImage();
        const QRect plot = view->mapFromScene(chart->mapToScene(chart->plotArea())).boundingRect();
        int drawn = 0;
        for (int y = plot.top(); y <= plot.bottom(); ++y)
            for (int x = plot.left(); x <= plot.right(); ++x) drawn += image.pixelColor(x, y) == line->color();
        EXPECT_GT(drawn, 10) << chart->title().toStdString();
    }
}

TEST_F(StatisticsWindowTest, ExportWritesTheShownSpinsWholeOrNothing)
{
    for (std::int64_t i = 1; i <= 300; ++i) ASSERT_TRUE(log.append(row(i, 0, i <= 100 ? 1 : 2)));
    StatisticsWindow window(log, StatisticsContext{0, 0, 2, {}}, {});
    const QString path = dir.filePath(QStringLiteral("spins.csv"));
    ASSERT_TRUE(window.exportTo(path, 0));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("\r\n"), 1 + 200); // the header and this game's spins
    file.close();
    const qint64 exported = QFileInfo(path).size();

    // Cancelled part-way: the earlier file stays as it was, no partial or temporary file is left.
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);
    bool sawTargetUnchanged = false;
    QTimer::singleShot(0, &window, [&] {
        auto* progress = window.findChild<QProgressDialog*>();
        ASSERT_TRUE(progress);
        sawTargetUnchanged = QFileInfo(path).size() == exported;
        progress->cancel();
    });
    window.setScope(SpinScope::All);
    EXPECT_FALSE(window.exportTo(path, 0));
    EXPECT_TRUE(sawTargetUnchanged);
    EXPECT_EQ(QFileInfo(path).size(), exported);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), before);
    const QString fresh = dir.filePath(QStringLiteral("fresh.csv"));
    QTimer::singleShot(0, &window, [&] { window.findChild<QProgressDialog*>()->cancel(); });
    EXPECT_FALSE(window.exportTo(fresh, 0));
    EXPECT_FALSE(QFile::exists(fresh));
}
