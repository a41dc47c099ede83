#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "StatisticsWindow.h"

namespace {

LoggedSpin row(std::int64_t id, std::int64_t paidCents, bool freeSpin = false, int machine = 0)
{
    LoggedSpin s;
    s.id = id;
    s.machine = machine;
    s.stakeCents = 300;
    s.freeSpin = freeSpin;
    s.paidCents = paidCents;
    s.combination = paidCents > 0 ? 6 : -1;
    s.creditsAfterCents = 50'000 + id;
    s.time = "2026-12-08T10:00:00Z";
    return s;
}

} // namespace

TEST(StatisticsWindowTest, TheWindowShowsAScopeAndExportsItsSpins)
{
    std::vector<LoggedSpin> rows;
    for (std::int64_t i = 1; i <= 40; ++i) rows.push_back(row(i, i % 5 == 0 ? 600 : 0, false, i <= 30 ? 0 : 1));
    StatisticsWindow window(rows, StatisticsContext{35, 1, 8, "Spins are not being recorded."},
                            [](int, int c) { return "combo " + std::to_string(c); });
    EXPECT_EQ(window.shownSpins().size(), 8u); // this game: the last 8 spins of machine 1
    window.setScope(SpinScope::Session);
    EXPECT_EQ(window.shownSpins().size(), 5u);
    window.setScope(SpinScope::All);
    EXPECT_EQ(window.shownSpins().size(), 40u);
    EXPECT_EQ(window.statistics().summary.wonCents, 8 * 600);
    EXPECT_FALSE(window.grab().isNull());
    ASSERT_TRUE(window.findChild<QLabel*>(QStringLiteral("notice")));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("notice"))->text(),
              QStringLiteral("Spins are not being recorded."));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("spins.csv"));
    ASSERT_TRUE(window.exportTo(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("\r\n"), 41);
}
