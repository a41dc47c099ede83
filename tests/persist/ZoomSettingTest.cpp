#include <gtest/gtest.h>

#include <fstream>

#include "ProfileFile.h"
#include "TempDir.h"
#include "ZoomSetting.h"

namespace {

TEST(ZoomSetting, KeepsTheChosenSizeBesideTheOtherSettings)
{
    TempDir dir;
    const auto path = dir / "QUINTEL.INI";
    {
        std::ofstream out(path);
        out << "[Settings]\nBannerText=Hello\n";
    }
    ProfileFile file(path);
    EXPECT_EQ(ZoomSetting::read(file), std::nullopt); // a file from before the setting existed
    EXPECT_TRUE(ZoomSetting::write(file, 200));
    EXPECT_EQ(ZoomSetting::read(file), 200);
    EXPECT_EQ(file.find("Settings", "Zoom"), "200");
    EXPECT_EQ(file.find("Settings", "BannerText"), "Hello");
    EXPECT_FALSE(ZoomSetting::write(file, 175));
    EXPECT_EQ(ZoomSetting::read(file), 200);
}

TEST(ZoomSetting, AHandEditedValueThatIsNoSizeReadsAsNone)
{
    TempDir dir;
    ProfileFile file(dir / "QUINTEL.INI");
    for (const char* text : {"175", "0", "-200", "abc", "", "99999999999999999999"}) {
        ASSERT_TRUE(file.writeString("Settings", "Zoom", text));
        EXPECT_EQ(ZoomSetting::read(file), std::nullopt) << text;
    }
    ASSERT_TRUE(file.writeString("Settings", "Zoom", " 300 percent"));
    EXPECT_EQ(ZoomSetting::read(file), 300);
}

TEST(ZoomSetting, TheFirstSizeIsTheLargestWhoseWindowFits)
{
    // A 524 pixel face under a 25 pixel menu bar, within 80% of common screen heights.
    EXPECT_EQ(ZoomSetting::largestFitting(524, 25, 0.8 * 600), 100); // nothing fits: the face's own size
    EXPECT_EQ(ZoomSetting::largestFitting(524, 25, 0.8 * 1040), 150);
    EXPECT_EQ(ZoomSetting::largestFitting(524, 25, 0.8 * 1400), 200);
    EXPECT_EQ(ZoomSetting::largestFitting(524, 25, 0.8 * 2120), 300);
    EXPECT_EQ(ZoomSetting::largestFitting(524, 25, 1073), 200); // 1048 + 25 fits exactly
    EXPECT_EQ(ZoomSetting::largestFitting(524, 25, 1072), 150);
}

} // namespace
