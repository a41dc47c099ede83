#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "EngineRig.h"
#include "Face.h"
#include "Graphics.h"
#include "ImageCompare.h"
#include "MachineTable.h"
#include "Palette.h"

namespace {

QString assetDir() { return qEnvironmentVariable("QUINTEL_ASSET_DIR"); }

} // namespace

TEST(ReelWindow, ShowsTheStripEndToEndWithHalfSymbolsAroundTheMiddleOne)
{
    EngineRig rig;
    Graphics graphics(assetDir());
    graphics.loadMachinePictures(rig.machine.machineInfo());
    Face face(graphics, rig.machine);
    const QImage& sheet = graphics.symbolSheet();
    const auto cellX = [](int symbol) { return 64 * (symbol % 3); };
    const auto cellY = [](int symbol) { return 64 * (symbol / 3); };
    constexpr int x = 55, y = 83;
    for (int r = 0; r < 3; ++r) {
        const auto& strip = rig.machine.reels().strips[static_cast<std::size_t>(r)];
        const auto at = [&](int position) { return strip[static_cast<std::size_t>(stripPosition(position))]; };
        std::string where;
        // Resting on each position: the lower half of the one before, the whole symbol, the upper half of the next.
        for (int p = 0; p < kStripLength; ++p) {
            face.drawReel(r, x, y, 66 * p);
            const QImage& s = face.surface();
            ASSERT_TRUE(sameBlock(s, x, y, sheet, cellX(at(p - 1)), cellY(at(p - 1)) + 32, 64, 32, &where))
                << "reel " << r << " position " << p << " " << where;
            ASSERT_TRUE(sameBlock(s, x, y + 34, sheet, cellX(at(p)), cellY(at(p)), 64, 64, &where))
                << "reel " << r << " position " << p << " " << where;
            ASSERT_TRUE(sameBlock(s, x, y + 100, sheet, cellX(at(p + 1)), cellY(at(p + 1)), 64, 32, &where))
                << "reel " << r << " position " << p << " " << where;
            for (int col = 0; col < 64; ++col)
                for (int row : {32, 33, 98, 99}) ASSERT_EQ(s.pixel(x + col, y + row), 0xffffffffu) << row;
        }
        // Between two stops, past the end of the strip: its last symbol from row 16, then the first.
        face.drawReel(r, x, y, 66 * 27 + 50);
        EXPECT_TRUE(sameBlock(face.surface(), x, y, sheet, cellX(at(27)), cellY(at(27)) + 16, 64, 48, &where)) << where;
        EXPECT_TRUE(sameBlock(face.surface(), x, y + 50, sheet, cellX(at(0)), cellY(at(0)), 64, 64, &where)) << where;
    }
}

TEST(ReelWindow, MissingSymbolSheetGivesAPlaceholderNotACrash)
{
    EngineRig rig;
    Graphics graphics(QStringLiteral("/nonexistent/quintel-assets"));
    graphics.loadMachinePictures(rig.machine.machineInfo());
    EXPECT_TRUE(graphics.symbolSheetMissing());
    Face face(graphics, rig.machine);
    face.drawReel(0, 55, 83, 0);
    int coloured = 0;
    for (int y = 83 + 34; y < 83 + 98; ++y) coloured += face.surface().pixel(55 + 32, y) != 0xffffffffu;
    EXPECT_GT(coloured, 30); // the placeholder cell is drawn, not left white

    // Reels drawn before any machine was loaded show the placeholder too.
    Graphics unloaded(assetDir());
    EXPECT_TRUE(unloaded.symbolSheetMissing());
    Face before(unloaded, rig.machine);
    before.drawReel(0, 55, 83, 0);
    EXPECT_EQ(before.surface().pixel(55 + 8, 83 + 40), face.surface().pixel(55 + 8, 83 + 40));
    EXPECT_NE(before.surface().pixel(55 + 8, 83 + 40), 0xffffffffu);
}

TEST(ScaledPictures, TheSetOfTheScaleIsUsedAndAMissingFileFallsBackToTheOneBelow)
{
    EXPECT_EQ(Graphics::scaledName(QStringLiteral("cabinet.png"), 1), QStringLiteral("cabinet.png"));
    EXPECT_EQ(Graphics::scaledName(QStringLiteral("QUINTEL.BMP"), 3), QStringLiteral("QUINTEL@3x.png"));
    EngineRig rig;
    Graphics graphics(assetDir(), 2);
    graphics.loadMachinePictures(rig.machine.machineInfo());
    EXPECT_EQ(graphics.cabinet().devicePixelRatio(), 2.0);
    EXPECT_EQ(graphics.cabinet().size(), QSize(706, 1044));
    EXPECT_EQ(graphics.symbolSheet().devicePixelRatio(), 2.0);
    EXPECT_EQ(graphics.digitSource().devicePixelRatio(), 2.0);

    // Only the 1x cabinet, and a 2x logo too small for its place: both come from 1x pictures.
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(assetDir() + QStringLiteral("/cabinet.png"), dir.filePath(QStringLiteral("cabinet.png"))));
    ASSERT_TRUE(QFile::copy(assetDir() + QStringLiteral("/logo.png"), dir.filePath(QStringLiteral("logo@3x.png"))));
    Graphics sparse(dir.path(), 3);
    EXPECT_EQ(sparse.cabinet().devicePixelRatio(), 1.0);
    EXPECT_EQ(sparse.cabinet().size(), QSize(353, 522));
    EXPECT_EQ(sparse.logo().devicePixelRatio(), 1.0);
    EXPECT_EQ(sparse.logo().size(), QSize(200, 128));
    sparse.loadMachinePictures(rig.machine.machineInfo());
    EXPECT_TRUE(sparse.symbolSheetMissing());

    // Pictures read on first use, asked for before a change of scale, come again from the new set.
    Graphics changing(assetDir(), 1);
    for (const QImage* picture : {&changing.lamp(1), &changing.handle(1), &changing.smallDigits(0)})
        EXPECT_EQ(picture->devicePixelRatio(), 1.0);
    changing.setScale(3);
    for (const QImage* picture : {&changing.lamp(1), &changing.handle(1), &changing.smallDigits(0)})
        EXPECT_EQ(picture->devicePixelRatio(), 3.0);
    EXPECT_EQ(changing.smallDigits(0).size(), QSize(3 * 181, 3 * 21));
}

TEST(FaceDrawing, HighDensityScalesBitmapsByWholePixels)
{
    EngineRig rig;
    Graphics graphics(assetDir());
    graphics.loadMachinePictures(rig.machine.machineInfo());
    Face face(graphics, rig.machine);
    face.setPixelRatio(2.0);
    face.paintAll(nullptr);
    const QImage& s = face.surface();
    ASSERT_EQ(s.width(), 2 * Face::kWidth);
    ASSERT_EQ(s.height(), 2 * Face::kHeight);
    // The pay line is two device rows thick.
    EXPECT_EQ(s.pixel(2 * 100, 298), Palette::rgb(12));
    EXPECT_EQ(s.pixel(2 * 100, 299), Palette::rgb(12));
    // Credits 500: the third cell is glyph 5, each source pixel a 2 x 2 block.
    const QImage& digits = graphics.digitSource();
    for (int y = 0; y < 21; ++y) {
        for (int x = 0; x < 16; ++x) {
            const QRgb src = digits.pixel(80 + x, y);
            const int dx = 2 * (89 + 32 + x), dy = 2 * (52 + y);
            ASSERT_EQ(s.pixel(dx, dy), src) << x << "," << y;
            ASSERT_EQ(s.pixel(dx + 1, dy + 1), src) << x << "," << y;
        }
    }
}

TEST(FaceDrawing, StatisticsAmountsEndAtTheSameRightEdgeWhateverTheirLength)
{
    EngineRig rig;
    Graphics graphics(assetDir());
    Face face(graphics, rig.machine);
    auto whiteSpan = [&](int top) {
        face.drawStatistics();
        int left = 10000, right = -1;
        for (int y = top; y < top + 20; ++y)
            for (int x = 356; x <= 548; ++x) // inside the white bevel edge
                if (face.surface().pixel(x, y) == Palette::rgb(15)) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        return std::pair{left, right};
    };
    const auto small = whiteSpan(35);
    rig.state().totalWagers[0] = Money::fromCredits(1000000);
    const auto grouped = whiteSpan(35);
    EXPECT_LE(small.second, 533);
    EXPECT_GE(small.second, 526);
    EXPECT_LE(grouped.second, 533);
    EXPECT_GE(grouped.second, 526);
    EXPECT_LT(grouped.first, small.first - 40); // "1,000,000.00" is much wider than "0.00"
}

TEST(FaceDrawing, APendingWholePaintIsDoneBeforeAnythingIsDrawnOverIt)
{
    EngineRig rig;
    Graphics graphics(assetDir());
    graphics.loadMachinePictures(rig.machine.machineInfo());
    Face painted(graphics, rig.machine);
    painted.paintAll(nullptr);
    painted.drawReel(0, SpinPlan::kReelLeft, SpinPlan::kReelTop, 700);
    painted.drawLamp(2);

    Face pending(graphics, rig.machine);
    pending.invalidate(nullptr);
    EXPECT_EQ(pending.shownCredits(), rig.state().credits); // what the pending paint will show
    // A lit lamp and a reel frame mid-spin: the whole face comes first, the lamp and the frame stay on it.
    pending.drawLamp(2);
    pending.drawReel(0, SpinPlan::kReelLeft, SpinPlan::kReelTop, 700);
    pending.ensurePainted();
    EXPECT_EQ(pending.surface(), painted.surface());
}
