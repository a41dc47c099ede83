// The face at two or three device pixels per face pixel, as CTest sets it up: on a high-density screen
// (QT_SCALE_FACTOR) or at a larger window size kept in the profile (QUINTEL_TEST_ZOOM).
// QUINTEL_EXPECT_SCALE is the number of device pixels one face pixel must become.
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>

#include "Face.h"
#include "GameSession.h"
#include "LuckySymbols.h"
#include "NullMusic.h"
#include "NullSound.h"
#include "Palette.h"
#include "ProfileFile.h"
#include "TestPorts.h"
#include "QuintelSymbols.h"
#include "RecordingMessages.h"
#include "ScriptedRandom.h"
#include "PlayingWindow.h"
#include "SlotsWindow.h"
#include "SymbolSheets.h"
#include "TreasureSymbols.h"
#include "VirtualClock.h"

namespace {

constexpr int kPayLineY = SpinPlan::kReelTop + 66;

int channelDifference(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

std::unique_ptr<SymbolSet> artwork(int machine)
{
    if (machine == 1) return std::make_unique<LuckySymbols>();
    if (machine == 2) return std::make_unique<TreasureSymbols>();
    return std::make_unique<QuintelSymbols>();
}

class ScaledFace : public ::testing::Test, protected TestPorts<> {
protected:
    void SetUp() override
    {
        scale = qEnvironmentVariableIntValue("QUINTEL_EXPECT_SCALE");
        ASSERT_GE(scale, 2) << "run by CTest with QUINTEL_EXPECT_SCALE";
        const QString ini = dir.filePath(QStringLiteral("QUINTEL.INI"));
        if (qEnvironmentVariableIsSet("QUINTEL_TEST_ZOOM")) {
            QFile out(ini);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write("[Settings]\nZoom=" + qgetenv("QUINTEL_TEST_ZOOM") + "\n");
        }
        file = std::make_unique<ProfileFile>(ini.toStdString());
        const QString assets = qEnvironmentVariable("QUINTEL_ASSET_DIR");
        playing = std::make_unique<PlayingWindow>(ports());
        window = &playing->window;
        session = std::make_unique<GameSession>(*window, *file, assets, &messages);
        session->start();
        window->show();
    }
    void TearDown() override
    {
        if (window) window->close();
    }

    // The face as the screen shows it, in device pixels.
    QImage screenshot() const
    {
        return window->centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    int scale = 0;
    QTemporaryDir dir;
    std::unique_ptr<ProfileFile> file;
    std::unique_ptr<PlayingWindow> playing;
    SlotsWindow* window = nullptr;
    std::unique_ptr<GameSession> session;
};

} // namespace

TEST_F(ScaledFace, ReelWindowsShowTheGeneratorsPicturesOfThatScale)
{
    for (int machine = 0; machine < 3; ++machine) {
        SCOPED_TRACE(machine);
        window->machine().NewGame(static_cast<MachineId>(machine));
        const QImage shot = screenshot();
        ASSERT_EQ(shot.size(), QSize(Face::kWidth, Face::kHeight) * scale);
        const auto set = artwork(machine);
        const SpinPlan& plan = window->machine().plan();
        for (int reel = 0; reel < 3; ++reel) {
            SCOPED_TRACE(reel);
            const int x = plan.at(SpinPlan::kRestFrame, 0, reel + 3);
            const int y = plan.at(SpinPlan::kRestFrame, 1, reel + 3);
            const int offset = plan.at(SpinPlan::kRestFrame, 2, reel + 3);
            ASSERT_EQ(offset % 66, 0) << "the resting reel shows a whole symbol in the middle";
            const int symbol =
                window->machine().reels().strips[static_cast<std::size_t>(reel)][static_cast<std::size_t>(offset / 66)];
            // The middle symbol, 64 x 64 face pixels at y + 34, drawn by the generator at this scale.
            const QImage expected = SymbolSheets::symbol(*set, symbol, 64 * scale);
            const int left = x * scale, top = (y + 34) * scale, line = (kPayLineY - y - 34) * scale;
            int differing = 0, compared = 0;
            for (int row = 0; row < 64 * scale; ++row) {
                if (row >= line && row < line + scale) continue; // the pay line crosses it
                for (int col = 0; col < 64 * scale; ++col, ++compared)
                    differing += channelDifference(shot.pixel(left + col, top + row), expected.pixel(col, row)) > 40;
            }
            // Antialiased edges may differ a little between machines; a shifted or enlarged picture differs widely.
            EXPECT_LT(differing, compared / 100);
            // On this machine the window is a pure copy of the symbol sheet's cell, pay line rows aside.
            const QImage& sheet = window->graphics().symbolSheet();
            ASSERT_EQ(sheet.devicePixelRatio(), scale);
            const int cellX = 64 * (symbol % 3) * scale, cellY = 64 * (symbol / 3) * scale;
            int copied = 0;
            for (int row = 0; row < 64 * scale; ++row) {
                if (row >= line && row < line + scale) continue;
                for (int col = 0; col < 64 * scale; ++col)
                    copied += shot.pixel(left + col, top + row) == sheet.pixel(cellX + col, cellY + row);
            }
            EXPECT_EQ(copied, compared);
            // Many blocks of scale x scale device pixels carry detail: not a 1x picture with its pixels repeated.
            int detailed = 0;
            for (int by = 0; by < 64; ++by)
                for (int bx = 0; bx < 64; ++bx) {
                    const QRgb first = shot.pixel(left + bx * scale, top + by * scale);
                    bool uniform = true;
                    for (int k = 1; k < scale * scale && uniform; ++k)
                        uniform = shot.pixel(left + bx * scale + k % scale, top + by * scale + k / scale) == first;
                    detailed += !uniform;
                }
            EXPECT_GT(detailed, 64 * 64 / 20);
        }
    }
}

TEST_F(ScaledFace, ThePayLineIsOneFacePixelThick)
{
    const QImage shot = screenshot();
    ASSERT_EQ(shot.size(), QSize(Face::kWidth, Face::kHeight) * scale);
    // Left of the reels, across each reel window and between the reels.
    for (int faceX :
         {SpinPlan::kReelLeft - 10, SpinPlan::kReelLeft + 30, SpinPlan::kReelLeft + 79, SpinPlan::kReelLeft + 220}) {
        for (int dx = 0; dx < scale; ++dx) {
            const int x = faceX * scale + dx;
            int red = 0;
            for (int y = (kPayLineY - 5) * scale; y < (kPayLineY + 6) * scale; ++y)
                red += shot.pixel(x, y) == Palette::rgb(12);
            EXPECT_EQ(red, scale) << "face x " << faceX;
            for (int y = kPayLineY * scale; y < (kPayLineY + 1) * scale; ++y)
                EXPECT_EQ(shot.pixel(x, y), Palette::rgb(12)) << "face x " << faceX << ", device row " << y;
        }
    }
}
