#include <clocale>
#include <cstdlib>
#include <string>
#include <vector>

#include <QApplication>
#include <QColor>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "TempDir.h"

#include "MachineOdds.h"
#include "MachineOddsDialog.h"
#include "OddsReport.h"

namespace {

QApplication& app()
{
    static int argc = 1;
    static char name[] = "odds-dialog-test";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return application;
}

QString text(const QDialog& dialog, const char* name)
{
    const auto* label = dialog.findChild<QLabel*>(name);
    EXPECT_NE(label, nullptr) << name;
    return label ? label->text() : QString();
}

std::string pct(double fraction, int decimals) { return formatPercent(fraction, decimals); }

// A legend sheet of 3 x 3 cells of 32 pixels, cell n filled with a grey of 20 x (n + 1).
QString writeLegend(const TempDir& dir, const QString& name)
{
    QImage sheet(96, 96, QImage::Format_RGB32);
    for (int n = 0; n < 9; ++n)
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                sheet.setPixelColor(32 * (n % 3) + x, 32 * (n / 3) + y,
                                    QColor(20 * (n + 1), 20 * (n + 1), 20 * (n + 1)));
    const QString path = dir.filePath(name);
    EXPECT_TRUE(sheet.save(path, "BMP"));
    return path;
}

class MachineOddsDialogTest : public ::testing::Test {
protected:
    void SetUp() override { app(); }
};

TEST_F(MachineOddsDialogTest, ShowsTheCurrentMachinesFigures)
{
    for (int machine = 0; machine < 3; ++machine) {
        const MachineOdds odds = computeMachineOdds(machine);
        MachineOddsDialog dialog(machine, 2, 87.25, QString(), nullptr);
        EXPECT_EQ(dialog.windowTitle(), "Machine Odds");
        EXPECT_TRUE(dialog.isModal());
        EXPECT_EQ(text(dialog, "machineName").toStdString(), odds.name);
        for (int k = 0; k < 8; ++k) {
            const auto& c = odds.combinations[static_cast<std::size_t>(k)];
            const std::string n = std::to_string(k);
            EXPECT_EQ(text(dialog, ("chance" + n).c_str()).toStdString(), formatOneIn(c.probability.toDouble()))
                << machine << " " << k;
            const QString pays = text(dialog, ("pays" + n).c_str());
            if (machine == 2 && k == 7)
                EXPECT_EQ(pays, "Free spins");
            else
                EXPECT_EQ(pays, QString::fromUtf8("\u00d7 %1").arg(c.multiplier));
        }
        const std::string total = pct(odds.totalReturn(3).toDouble(), 1);
        EXPECT_EQ(text(dialog, "summary").toStdString(),
                  "On average this machine pays back " + total + " of what you bet at $1 \u00d7 3 coins");
        EXPECT_TRUE(text(dialog, "theoreticalReturn").endsWith(QString::fromStdString(total)));
        EXPECT_TRUE(
            text(dialog, "hitFrequency").contains(QString::fromStdString(formatOneIn(odds.hitFrequency.toDouble()))));
        EXPECT_EQ(text(dialog, "actualPayoff"), "Your payoff on this machine: 87.25 %");
        EXPECT_EQ(dialog.findChild<QLabel*>("freeSpins") != nullptr, machine == 2);
    }
    // The hand-counted top chance of Lucky 7 Slots.
    MachineOddsDialog lucky(1, 2, 0.0, QString());
    EXPECT_EQ(text(lucky, "chance0"), "1 in 21,952");
}

// The game adopts the player's locale; its English texts keep the decimal point of their "1 in 21,952".
TEST_F(MachineOddsDialogTest, FiguresKeepTheDecimalPointUnderADecimalCommaLocale)
{
    const MachineOdds odds = computeMachineOdds(2);
    std::vector<std::string> chances;
    for (std::size_t k = 0; k < 8; ++k) chances.push_back(formatOneIn(odds.combinations[k].probability.toDouble()));
    const std::string before = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "locale de_DE.UTF-8 is not generated on this machine";
    MachineOddsDialog dialog(2, 2, 87.25, QString(), nullptr);
    const QString payoff = text(dialog, "actualPayoff");
    std::vector<std::string> shown;
    for (std::size_t k = 0; k < chances.size(); ++k)
        shown.push_back(text(dialog, ("chance" + std::to_string(k)).c_str()).toStdString());
    std::setlocale(LC_ALL, before.c_str());
    EXPECT_EQ(payoff, "Your payoff on this machine: 87.25 %");
    EXPECT_EQ(shown, chances);
}

TEST_F(MachineOddsDialogTest, ReturnFollowsTheBetAmount)
{
    const MachineOdds odds = computeMachineOdds(2);
    MachineOddsDialog tens(2, 0, 0.0, QString());
    const std::string at30 = pct(odds.totalReturn(30).toDouble(), 1);
    EXPECT_EQ(text(tens, "summary").toStdString(),
              "On average this machine pays back " + at30 + " of what you bet at $10 \u00d7 3 coins");
    MachineOddsDialog fives(2, 1, 0.0, QString());
    EXPECT_TRUE(text(fives, "summary").endsWith(QString::fromUtf8("at $5 \u00d7 3 coins")));
    EXPECT_TRUE(text(fives, "summary").contains(QString::fromStdString(pct(odds.totalReturn(15).toDouble(), 1))));
    EXPECT_NE(at30, pct(odds.totalReturn(3).toDouble(), 1)) << "the pool seed weighs more at small stakes";
}

TEST_F(MachineOddsDialogTest, BadInputStillOpens)
{
    MachineOddsDialog dialog(9, 17, -3.0, "/no/such/directory");
    EXPECT_EQ(text(dialog, "machineName"), "Quintel Slots");
    EXPECT_TRUE(text(dialog, "summary").endsWith(QString::fromUtf8("$1 \u00d7 3 coins")));
    EXPECT_FALSE(dialog.hasLegendPictures());
    EXPECT_EQ(text(dialog, "legend0"), "Combination 0");
}

TEST_F(MachineOddsDialogTest, DrawsLegendPicturesFromTheBitmap)
{
    TempDir dir;
    writeLegend(dir, "TREASURB.BMP");
    MachineOddsDialog dialog(2, 2, 50.0, dir.qPath());
    ASSERT_TRUE(dialog.hasLegendPictures());
    // Row 6 shows cell 6 three times, 28 pixels apart; row 7 one picture of cell 7 only.
    const QImage row6 = dialog.findChild<QLabel*>("legend6")->pixmap().toImage();
    ASSERT_EQ(row6.size(), QSize(32 + 56, 32));
    EXPECT_EQ(qGray(row6.pixel(5, 5)), 140);
    EXPECT_EQ(qGray(row6.pixel(28 + 31, 5)), 140);
    EXPECT_EQ(qGray(row6.pixel(87, 31)), 140);
    const QImage row7 = dialog.findChild<QLabel*>("legend7")->pixmap().toImage();
    EXPECT_EQ(qGray(row7.pixel(3, 3)), 160);
    EXPECT_EQ(qAlpha(row7.pixel(60, 3)), 0) << "the other two places stay empty";

    // Machine 0 steps 27 pixels and its row 6 ends in cell 7.
    writeLegend(dir, "QUINTELB.BMP");
    MachineOddsDialog quintel(0, 2, 50.0, dir.qPath());
    const QImage q6 = quintel.findChild<QLabel*>("legend6")->pixmap().toImage();
    ASSERT_EQ(q6.width(), 32 + 54);
    EXPECT_EQ(qGray(q6.pixel(10, 10)), 120);
    EXPECT_EQ(qGray(q6.pixel(54 + 20, 10)), 160);
}

TEST_F(MachineOddsDialogTest, TooSmallOrBrokenBitmapLeavesPicturesOut)
{
    TempDir dir;
    QImage tiny(40, 40, QImage::Format_RGB32);
    tiny.fill(Qt::red);
    ASSERT_TRUE(tiny.save(dir.filePath("LUCKY7B.BMP"), "BMP"));
    EXPECT_FALSE(MachineOddsDialog(1, 2, 0.0, dir.qPath()).hasLegendPictures());

    QFile junk(dir.filePath("QUINTELB.BMP"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("BM this is not a bitmap");
    junk.close();
    MachineOddsDialog broken(0, 2, 0.0, dir.qPath());
    EXPECT_FALSE(broken.hasLegendPictures());
    EXPECT_EQ(text(broken, "chance0"), QString::fromStdString(formatOneIn(12.0 / 21952)));
}

TEST_F(MachineOddsDialogTest, UsesTheGamesAssetsWhenPresent)
{
    const char* assets = std::getenv("QUINTEL_ASSET_DIR");
    ASSERT_NE(assets, nullptr);
    const bool present = QFileInfo::exists(QString(assets) + "/LUCKY7B.BMP");
    MachineOddsDialog dialog(1, 2, 0.0, assets);
    EXPECT_EQ(dialog.hasLegendPictures(), present);
}

TEST_F(MachineOddsDialogTest, OpensFixedSizeAndClosesWithOk)
{
    MachineOddsDialog dialog(1, 2, 0.0, QString());
    QTimer::singleShot(0, &dialog, [&dialog] {
        EXPECT_TRUE(dialog.isVisible());
        const QSize size = dialog.size();
        EXPECT_EQ(dialog.minimumSize(), size);
        EXPECT_EQ(dialog.maximumSize(), size);
        auto* box = dialog.findChild<QDialogButtonBox*>();
        ASSERT_NE(box, nullptr);
        box->button(QDialogButtonBox::Ok)->click();
    });
    QTimer::singleShot(5000, &dialog, &QDialog::reject); // never hang if the button is not found
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

} // namespace
