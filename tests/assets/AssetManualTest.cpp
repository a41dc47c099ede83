// The manual and the small text files that ship with the assets.
#include "AssetDir.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QString>
#include <QXmlStreamReader>

#include <string>

namespace {

QString text(const std::string& name)
{
    const auto b = AssetDir::bytes(name);
    return QString::fromUtf8(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}

TEST(Manual, CoversEveryMachineAndTheMainRules)
{
    ASSERT_TRUE(AssetDir::exists("manual.html"));
    const QString html = text("manual.html");
    for (const char* needle : {"Quintel Slots", "Lucky 7 Slots", "Treasure Chest Slots", "Spin 'til You Win!",
                               "Bonus pool", "Auto Spin", "Borrow", "QUINTEL.INI", "Music", "Payoffs"})
        EXPECT_TRUE(html.contains(QString::fromUtf8(needle))) << needle;
}

TEST(Manual, EveryPictureAndLinkResolves)
{
    const QString html = text("manual.html");
    int images = 0;
    for (auto it = QRegularExpression(R"(<img src="([^"]+)\")").globalMatch(html); it.hasNext(); ++images) {
        const std::string src = it.next().captured(1).toStdString();
        EXPECT_TRUE(AssetDir::exists(src)) << src;
    }
    // Symbols and pay-table rows of all three machines.
    EXPECT_GE(images, 22 + 24);
    for (auto it = QRegularExpression(R"(<a href="#([^"]+)\")").globalMatch(html); it.hasNext();) {
        const QString anchor = it.next().captured(1);
        EXPECT_TRUE(html.contains(QStringLiteral("<a name=\"%1\">").arg(anchor))) << anchor.toStdString();
    }
}

TEST(DesktopFiles, CreditsDesktopEntryAndMetainfo)
{
    const QString credits = text("CREDITS");
    EXPECT_TRUE(credits.contains("SIL Open Font License"));
    EXPECT_TRUE(credits.contains("tools/assetgen"));
    const QString desktop = text(QUINTEL_APP_ID ".desktop");
    EXPECT_TRUE(desktop.startsWith("[Desktop Entry]"));
    EXPECT_TRUE(desktop.contains("\nExec=quintel-slots\n"));
    EXPECT_TRUE(desktop.contains("\nIcon=" QUINTEL_APP_ID "\n"));
    const QString metainfo = text(QUINTEL_APP_ID ".metainfo.xml");
    EXPECT_TRUE(metainfo.contains("<id>" QUINTEL_APP_ID "</id>"));
    EXPECT_TRUE(metainfo.contains(">" QUINTEL_APP_ID ".desktop</launchable>"));
    for (const char* xml : {QUINTEL_APP_ID ".metainfo.xml", "icons/quintel-slots.svg"}) {
        QXmlStreamReader reader(text(xml));
        while (!reader.atEnd()) reader.readNext();
        EXPECT_FALSE(reader.hasError()) << xml << ": " << reader.errorString().toStdString();
    }
    EXPECT_TRUE(text("icons/quintel-slots.svg").contains("<svg"));
}

} // namespace
