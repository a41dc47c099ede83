// A full disk under the saved game and the spin log: the player is told once which folder and why,
// play goes on, and once there is room again nothing is missing. With an injected fault, and for real
// on a small tmpfs where the tests run as root.
#include <sys/mount.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

#include "FaultyVfs.h"
#include "GameSession.h"
#include "NullMusic.h"
#include "NullSound.h"
#include "RunningProgram.h"
#include "ProfileFile.h"
#include "RecordingMessages.h"
#include "SaveCalls.h"
#include "ScriptedRandom.h"
#include "SlotsWindow.h"
#include "SpinRecorder.h"
#include "VirtualClock.h"

namespace fs = std::filesystem;

namespace {

// The profile's writes fail as on a full disk while full is set.
class FullDiskCalls : public SaveCalls {
public:
    bool full = false;
    ssize_t write(int fd, const void* data, std::size_t size) override
    {
        if (!full) return SaveCalls::write(fd, data, size);
        errno = ENOSPC;
        return -1;
    }
};

// What a run is asked at close and how it answers, and its spin log: made before its session starts.
struct RunSetUp {
    explicit RunSetUp(const fs::path& db)
        : recorder(db)
    {}
    std::vector<std::string> asked; // the questions at close
    std::function<bool()> retry;    // the answer to each: try again?
    SpinRecorder recorder;

    void prepare(GameSession& session)
    {
        session.setSpinLog(&recorder);
        session.setRetryQuestion([this](const std::string&, const std::string& text) {
            asked.push_back(text);
            return retry && retry();
        });
    }
};

// One run of the program with its spin log; the $1 bet.
struct GameRun : RunSetUp, RunningProgram<> {
    GameRun(const fs::path& ini, const fs::path& db)
        : RunSetUp(db)
        , RunningProgram(ini, [this](GameSession& session) { prepare(session); })
    {
        window->chooseBetAmount(BetChoice::One);
    }
    // Spins with three coins, the first on a win (three cherries pay), the rest on nothing.
    void spins(int n)
    {
        for (int i = 0; i < n; ++i) {
            random.forceStops(i == 0 ? 1 : 0, i == 0 ? 1 : 0, i == 0 ? 20 : 0);
            for (int c = 0; c < 3; ++c) window->insertCoinAction();
        }
    }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> all;
        for (const auto& m : messages.shown) all.push_back(m.text);
        return all;
    }
};

// The saved game as a new run finds it: every spin counted, to the cent, one log row per spin.
void expectNothingLost(const fs::path& ini, const fs::path& db, std::int32_t spins)
{
    GameRun again(ini, db);
    const GameState& s = again.state();
    EXPECT_EQ(s.machineSpins(), spins);
    EXPECT_EQ(s.credits, s.borrowed + s.machinePaid() - s.machineWagers());
    const std::vector<LoggedSpin> rows = again.recorder.log().read();
    ASSERT_EQ(static_cast<std::int32_t>(rows.size()), spins);
    std::int64_t staked = 0, paid = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) {
            EXPECT_GT(rows[i].id, rows[i - 1].id);
        }
        staked += rows[i].stakeCents;
        paid += rows[i].paidCents;
    }
    EXPECT_EQ(staked, s.machineWagers().cents());
    EXPECT_EQ(paid, s.machinePaid().cents());
    EXPECT_EQ(rows.back().creditsAfterCents, s.credits.cents());
}

int countContaining(const std::vector<std::string>& texts, const std::string& part)
{
    int n = 0;
    for (const std::string& t : texts) n += t.find(part) != std::string::npos ? 1 : 0;
    return n;
}

class FullDiskTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    fs::path base() const { return fs::path(dir.path().toStdString()); }
    fs::path ini() const { return base() / "config" / "QUINTEL.INI"; }
    fs::path db() const { return base() / "data" / "spins.sqlite"; }
};

} // namespace

TEST_F(FullDiskTest, TheFolderAndTheReasonAreToldOnceAndEverySpinIsKeptUntilThereIsRoom)
{
    FullDiskCalls disk;
    ScopedSaveCalls seam(disk);
    FaultyVfs vfs;
    {
        GameRun run(ini(), db());
        run.spins(2);
        disk.full = vfs.full = true;
        run.spins(4);
        EXPECT_EQ(run.state().machineSpins(), 6); // play went on
        const std::vector<std::string> texts = run.texts();
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(countContaining(texts, "The game could not be saved in the folder \"" + ini().parent_path().string() +
                                             "\": the disk is full."),
                  1);
        EXPECT_EQ(countContaining(texts, "Spins could not be recorded in the folder \"" + db().parent_path().string() +
                                             "\": the disk is full."),
                  1);
        disk.full = vfs.full = false;
        run.spins(1);
        EXPECT_TRUE(run.asked.empty());
    }
    expectNothingLost(ini(), db(), 7);
}

TEST_F(FullDiskTest, AGameThatCannotSaveAtCloseSaysSoAndTriesAgainWhenAsked)
{
    FullDiskCalls disk;
    ScopedSaveCalls seam(disk);
    FaultyVfs vfs;
    {
        GameRun run(ini(), db());
        run.spins(2);
        disk.full = vfs.full = true;
        run.spins(3);
        int questions = 0;
        run.retry = [&] {
            // The player makes room after the second question.
            if (++questions == 2) disk.full = vfs.full = false;
            return true;
        };
        run.window->close();
        ASSERT_EQ(run.asked.size(), 2u);
        EXPECT_NE(run.asked[0].find(db().parent_path().string()), std::string::npos);
        EXPECT_NE(run.asked[0].find("the spins since the last save are lost"), std::string::npos);
    }
    expectNothingLost(ini(), db(), 5);
}

TEST_F(FullDiskTest, ARealFullTmpfsLosesNothingOnceThereIsRoomAgain)
{
    if (::geteuid() != 0) GTEST_SKIP() << "mounting a small tmpfs needs root; the injected faults above cover this";
    const fs::path disk = base() / "disk";
    fs::create_directories(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=8m") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    struct Unmount {
        fs::path at;
        ~Unmount() { ::umount2(at.c_str(), MNT_DETACH); }
    } unmount{disk};
    const fs::path ini = disk / "config" / "QUINTEL.INI", db = disk / "data" / "spins.sqlite";
    const fs::path filler = disk / "filler";
    {
        GameRun run(ini, db);
        run.spins(2);
        {
            std::ofstream out(filler, std::ios::binary); // as dd would: until the disk is full
            const std::vector<char> block(64 * 1024, 'x');
            while (out.write(block.data(), static_cast<std::streamsize>(block.size()))) {}
        }
        run.spins(4);
        const std::vector<std::string> texts = run.texts();
        EXPECT_EQ(countContaining(texts, "The game could not be saved in the folder \"" + ini.parent_path().string() +
                                             "\": the disk is full."),
                  1);
        EXPECT_EQ(countContaining(texts, "Spins could not be recorded in the folder \"" + db.parent_path().string() +
                                             "\": the disk is full."),
                  1);
        fs::remove(filler);
        run.spins(1);
    }
    expectNothingLost(ini, db, 7);
}
