// Saving the profile when the disk fails a call: through the seam of the save's system calls.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "ProfileFile.h"
#include "SaveCalls.h"
#include "TempDir.h"

namespace fs = std::filesystem;

namespace {

// The real calls, recorded in order; the chosen one fails with the chosen errno.
class FaultyCalls : public SaveCalls {
public:
    struct Call {
        std::string what;
        int fd = -1;
        std::string path;
    };
    std::vector<Call> calls;
    std::string failing; // "write", "fsync", ... ; empty: none fails
    int error = 0;

    int createTemporary(char* pattern, int flags) override
    {
        if (refuse("createTemporary")) return -1;
        const int fd = SaveCalls::createTemporary(pattern, flags);
        calls.push_back({"createTemporary", fd, pattern});
        return fd;
    }
    ssize_t write(int fd, const void* data, std::size_t size) override
    {
        calls.push_back({"write", fd, {}});
        return refuse("write") ? -1 : SaveCalls::write(fd, data, size);
    }
    int fsync(int fd) override
    {
        calls.push_back({"fsync", fd, {}});
        return refuse("fsync") ? -1 : SaveCalls::fsync(fd);
    }
    int close(int fd) override
    {
        calls.push_back({"close", fd, {}});
        const int result = SaveCalls::close(fd);
        return refuse("close") ? -1 : result; // a late write error: the file is closed all the same
    }
    int rename(const char* from, const char* to) override
    {
        calls.push_back({"rename", -1, std::string(from) + " -> " + to});
        return refuse("rename") ? -1 : SaveCalls::rename(from, to);
    }
    int openDirectory(const char* path) override
    {
        const int fd = SaveCalls::openDirectory(path);
        calls.push_back({"openDirectory", fd, path});
        return fd;
    }
    // Where the first call named what on fd (or any fd when -1) at or after from is, or -1.
    int indexOf(const std::string& what, int fd = -1, int from = 0) const
    {
        for (auto i = static_cast<std::size_t>(from); i < calls.size(); ++i)
            if (calls[i].what == what && (fd < 0 || calls[i].fd == fd)) return static_cast<int>(i);
        return -1;
    }

private:
    bool refuse(const std::string& what)
    {
        if (what != failing) return false;
        errno = error;
        return true;
    }
};

struct SaveFaultTest : ::testing::Test {
    TempDir dir;
    fs::path path = dir / "QUINTEL.INI";
    ProfileFile file{path};

    std::size_t filesInDir() const
    {
        std::size_t n = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.path())) ++n;
        return n;
    }
};

TEST_F(SaveFaultTest, ASaveIsFlushedToTheDiskBeforeItReplacesTheProfile)
{
    ASSERT_TRUE(file.writeString("Current Game", "Credits", "500.00"));
    FaultyCalls faults;
    ScopedSaveCalls seam(faults);
    ASSERT_TRUE(file.writeString("Current Game", "Credits", "480.00"));

    const int created = faults.indexOf("createTemporary");
    ASSERT_GE(created, 0);
    const FaultyCalls::Call temporary = faults.calls[static_cast<std::size_t>(created)];
    const int flushed = faults.indexOf("fsync", temporary.fd);
    const int closed = faults.indexOf("close", temporary.fd);
    const int replaced = faults.indexOf("rename");
    ASSERT_GE(replaced, 0);
    EXPECT_EQ(faults.calls[static_cast<std::size_t>(replaced)].path, temporary.path + " -> " + path.string());
    EXPECT_GT(faults.indexOf("write", temporary.fd), created);
    EXPECT_GT(flushed, faults.indexOf("write", temporary.fd));
    EXPECT_GT(closed, flushed);
    EXPECT_LT(flushed, replaced) << "the new text must be on the disk before it takes the profile's name";
    // The rename itself is made durable: the folder is flushed after it.
    const int folder = faults.indexOf("openDirectory");
    ASSERT_GT(folder, replaced);
    EXPECT_GT(faults.indexOf("fsync", faults.calls[static_cast<std::size_t>(folder)].fd, folder), folder);
}

TEST_F(SaveFaultTest, AFailedCallLeavesTheGoodProfileAndTellsWhy)
{
    ASSERT_TRUE(file.writeString("Current Game", "Credits", "500.00"));
    ASSERT_TRUE(file.writeString("Current Game", "Credits", "490.00")); // the backup is there too
    const std::string good = readBytes(path);
    const std::size_t files = filesInDir();
    const std::pair<const char*, int> faultsToTry[] = {
        {"createTemporary", ENOSPC}, {"write", ENOSPC}, {"fsync", EIO}, {"close", EIO}, {"rename", EROFS},
    };
    for (const auto& [call, error] : faultsToTry) {
        FaultyCalls faults;
        faults.failing = call;
        faults.error = error;
        {
            ScopedSaveCalls seam(faults);
            EXPECT_FALSE(file.writeString("Current Game", "Credits", "480.00")) << call;
        }
        EXPECT_EQ(file.lastError(), error) << call;
        EXPECT_EQ(readBytes(path), good) << call;
        EXPECT_EQ(filesInDir(), files) << call << ": a temporary file was left behind";
    }
    // Once the disk takes writes again the next save goes through.
    ASSERT_TRUE(file.writeString("Current Game", "Credits", "480.00"));
    EXPECT_EQ(file.lastError(), 0);
    EXPECT_EQ(file.find("Current Game", "Credits"), "480.00");
}

} // namespace
