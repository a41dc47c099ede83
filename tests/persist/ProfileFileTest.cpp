#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <map>

#include "ProfileFile.h"
#include "TempDir.h"

namespace fs = std::filesystem;

namespace {

EnvironmentLookup fakeEnvironment(std::map<std::string, std::string> vars)
{
    return [vars](const char* name) -> std::optional<std::string> {
        const auto it = vars.find(name);
        if (it == vars.end()) return std::nullopt;
        return it->second;
    };
}

std::vector<std::string> namesIn(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ProfilePath, PrefersAnAbsoluteXdgConfigHome)
{
    EXPECT_EQ(profilePath(fakeEnvironment({{"XDG_CONFIG_HOME", "/cfg"}, {"HOME", "/home/p"}})),
              fs::path("/cfg/quintel-slots/QUINTEL.INI"));
    EXPECT_EQ(profilePath(fakeEnvironment({{"HOME", "/home/p"}})),
              fs::path("/home/p/.config/quintel-slots/QUINTEL.INI"));
    // An empty or relative XDG_CONFIG_HOME is ignored, as the XDG rules say.
    EXPECT_EQ(profilePath(fakeEnvironment({{"XDG_CONFIG_HOME", ""}, {"HOME", "/home/p"}})),
              fs::path("/home/p/.config/quintel-slots/QUINTEL.INI"));
    EXPECT_EQ(profilePath(fakeEnvironment({{"XDG_CONFIG_HOME", "rel"}, {"HOME", "/home/p"}})),
              fs::path("/home/p/.config/quintel-slots/QUINTEL.INI"));
    EXPECT_EQ(profilePath(fakeEnvironment({})), fs::path(".config/quintel-slots/QUINTEL.INI"));
}

TEST(ProfileFile, MissingFileGivesDefaultsCutToTheLimit)
{
    TempDir dir;
    const ProfileFile file(dir / "QUINTEL.INI");
    EXPECT_EQ(file.getString("Current Game", "Credits", "500.00", 10), "500.00");
    EXPECT_EQ(file.getString("Current Game", "GameName", "SipMoreTea", 3), "Sip");
    EXPECT_EQ(file.find("Current Game", "Credits"), std::nullopt);
    EXPECT_FALSE(fs::exists(dir / "QUINTEL.INI")); // reading creates nothing
}

TEST(ProfileFile, LimitCountsCharactersOfTheStoredValue)
{
    TempDir dir;
    ProfileFile file(dir / "QUINTEL.INI");
    ASSERT_TRUE(file.writeString("Settings", "BannerText", "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC"));
    EXPECT_EQ(file.getString("Settings", "BannerText", "", 2), "\xE2\x82\xAC\xE2\x82\xAC");
    EXPECT_EQ(file.getString("settings", "bannertext", "", 254), "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC");
}

TEST(ProfileFile, WritesCreateTheDirectoryAndEveryCallSeesTheDisk)
{
    TempDir dir;
    const fs::path path = dir / "deep/er/QUINTEL.INI";
    ProfileFile writer(path);
    const ProfileFile reader(path);
    ASSERT_TRUE(writer.writeString("Current Game", "Credits", "1.00"));
    EXPECT_EQ(reader.find("Current Game", "Credits"), "1.00");
    // A change made behind the reader's back is seen at once: nothing is cached.
    writeBytes(path, "[Current Game]\nCredits=2.00\n");
    EXPECT_EQ(reader.find("Current Game", "Credits"), "2.00");
}

TEST(ProfileFile, WriteSectionKeepsOrderAndTheRestOfAHandWrittenFile)
{
    TempDir dir;
    const fs::path path = dir / "QUINTEL.INI";
    writeBytes(path, "; hand made\r\n[ saved game #1 ]\r\n  gamename = Old  \r\n  Extra = kept\r\n\r\n"
                     "[Mine]\r\nX=1\r\n");
    ProfileFile file(path);
    ASSERT_TRUE(file.writeSection("Saved Game #1", {{"GameNo", "1"}, {"GameName", "New"}, {"Credits", "3.00"}}));
    EXPECT_EQ(readBytes(path), "; hand made\r\n[ saved game #1 ]\r\ngamename=New\r\n  Extra = kept\r\n"
                               "GameNo=1\r\nCredits=3.00\r\n\r\n[Mine]\r\nX=1\r\n");
}

TEST(ProfileFile, EachWriteKeepsThePreviousFileAsBackup)
{
    TempDir dir;
    const fs::path path = dir / "QUINTEL.INI";
    ProfileFile file(path);
    ASSERT_TRUE(file.writeString("A", "K", "1"));
    EXPECT_FALSE(fs::exists(file.backupPath())); // nothing to keep yet
    ASSERT_TRUE(file.writeString("A", "K", "2"));
    EXPECT_EQ(readBytes(file.backupPath()), "[A]\nK=1\n");
    ASSERT_TRUE(file.writeString("A", "K", "3"));
    EXPECT_EQ(readBytes(file.backupPath()), "[A]\nK=2\n");
    EXPECT_EQ(readBytes(path), "[A]\nK=3\n");
    // No temporary file is left behind.
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"QUINTEL.INI", "QUINTEL.INI.bak"}));
}

TEST(ProfileFile, KeepsTheFilePermissions)
{
    TempDir dir;
    const fs::path path = dir / "QUINTEL.INI";
    writeBytes(path, "[A]\nK=1\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    ProfileFile file(path);
    ASSERT_TRUE(file.writeString("A", "K", "2"));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

TEST(ProfileFile, ATornTemporaryFileNeverReplacesTheRealOne)
{
    TempDir dir;
    const fs::path path = dir / "QUINTEL.INI";
    ProfileFile file(path);
    ASSERT_TRUE(file.writeSection("Current Game", {{"Credits", "812.40"}, {"Spins", "7"}}));
    // What a crash in the middle of the next save leaves: half a temporary file beside the real one.
    const fs::path torn = dir / "QUINTEL.INI.tmp-Ab3dEf";
    writeBytes(torn, "[Current Game]\nCred");
    EXPECT_EQ(file.find("Current Game", "Credits"), "812.40");
    ASSERT_TRUE(file.writeString("Current Game", "Spins", "8"));
    EXPECT_EQ(file.find("Current Game", "Credits"), "812.40");
    EXPECT_EQ(file.find("Current Game", "Spins"), "8");

    // At start-up the leftover goes once it is clearly stale; a fresh one may belong to a running save.
    EXPECT_EQ(file.checkFile().outcome, FileCheck::Outcome::Fine);
    EXPECT_TRUE(fs::exists(torn));
    fs::last_write_time(torn, fs::file_time_type::clock::now() - std::chrono::minutes(5));
    EXPECT_EQ(file.checkFile().outcome, FileCheck::Outcome::Fine);
    EXPECT_FALSE(fs::exists(torn));
    EXPECT_EQ(file.find("Current Game", "Credits"), "812.40");
}

TEST(ProfileFile, AWriteThatCannotCreateItsDirectoryFails)
{
    TempDir dir;
    writeBytes(dir / "blocker", "a file where the directory should be");
    ProfileFile file(dir / "blocker/QUINTEL.INI");
    EXPECT_FALSE(file.writeString("A", "K", "1"));
    EXPECT_EQ(file.find("A", "K"), std::nullopt);
}

TEST(ProfileFile, AReadOnlyDirectoryFailsAndKeepsTheOldFile)
{
    TempDir dir;
    const fs::path sub = dir / "ro";
    fs::create_directory(sub);
    const fs::path path = sub / "QUINTEL.INI";
    ProfileFile file(path);
    ASSERT_TRUE(file.writeString("Current Game", "Credits", "10.00"));
    fs::permissions(sub, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(sub.c_str(), W_OK) == 0) {
        fs::permissions(sub, fs::perms::owner_all);
        GTEST_SKIP() << "permissions do not bind this user (root)";
    }
    EXPECT_FALSE(file.writeString("Current Game", "Credits", "20.00"));
    fs::permissions(sub, fs::perms::owner_all);
    EXPECT_EQ(readBytes(path), "[Current Game]\nCredits=10.00\n");
    EXPECT_EQ(namesIn(sub), (std::vector<std::string>{"QUINTEL.INI"}));
}

// Runs in a child process: a write with files limited to maxBytes, as on a full disk.
bool writeUnderSizeLimit(ProfileFile& file, rlim_t maxBytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{maxBytes, maxBytes};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    return file.writeString("Current Game", "BannerText", std::string(200, 'x'));
}

// A full disk, made with a file-size limit so that it also binds root: the write of the new text
// fails part way, and the save reports that and leaves the old file and no temporary file.
TEST(ProfileFile, AFullDiskFailsAndKeepsTheOldFile)
{
    TempDir dir;
    const fs::path path = dir / "QUINTEL.INI";
    ProfileFile file(path);
    ASSERT_TRUE(file.writeString("Current Game", "Credits", "10.00"));
    const std::string before = readBytes(path);
    EXPECT_EXIT(std::_Exit(writeUnderSizeLimit(file, 64) ? 1 : 0), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"QUINTEL.INI"}));
}

TEST(ProfileFile, BinaryJunkReadsWithoutCrashing)
{
    TempDir dir;
    const fs::path path = dir / "QUINTEL.INI";
    std::string junk;
    for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 7919) & 0xFF);
    junk += "\n[Current Game]\nCredits=5\xFF\xFE\n";
    writeBytes(path, junk);
    const ProfileFile file(path);
    EXPECT_EQ(file.getString("Current Game", "Credits", "0", 10), "5\xFF\xFE");
    EXPECT_EQ(file.getString("Nope", "Nope", "dflt", 10), "dflt");
}

TEST(ProfileFile, ADirectoryInPlaceOfTheFileReadsAsMissingAndIsNotReplaced)
{
    TempDir dir;
    fs::create_directory(dir / "QUINTEL.INI");
    ProfileFile file(dir / "QUINTEL.INI");
    EXPECT_EQ(file.getString("A", "K", "d", 5), "d");
    EXPECT_FALSE(file.writeString("A", "K", "1"));
    EXPECT_TRUE(fs::is_directory(dir / "QUINTEL.INI"));
}

// A named pipe in place of the file would block a plain open for reading until someone writes.
TEST(ProfileFile, ANamedPipeInPlaceOfTheFileNeitherBlocksNorIsReplaced)
{
    TempDir dir;
    const fs::path path = dir / "QUINTEL.INI";
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    ProfileFile file(path);
    EXPECT_EQ(file.getString("A", "K", "d", 5), "d");
    EXPECT_FALSE(file.writeString("A", "K", "1"));
    EXPECT_EQ(file.checkFile().outcome, FileCheck::Outcome::Fine);
    EXPECT_TRUE(fs::is_fifo(path));
}

} // namespace
