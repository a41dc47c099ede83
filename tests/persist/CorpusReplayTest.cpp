#include <gtest/gtest.h>

#include "ProfileCheck.h"
#include "TempDir.h"

namespace fs = std::filesystem;

// Every input the fuzzer found worth keeping runs through the readers and a save again.
TEST(FuzzCorpus, EveryKeptInputStillPasses)
{
    const fs::path corpus = QUINTEL_FUZZ_CORPUS;
    ASSERT_TRUE(fs::is_directory(corpus)) << corpus;
    TempDir dir;
    std::size_t count = 0;
    for (const auto& entry : fs::directory_iterator(corpus)) {
        if (!entry.is_regular_file()) continue;
        EXPECT_EQ(profile_check::checkProfileBytes(readBytes(entry.path()), dir.path()), "") << entry.path();
        ++count;
    }
    EXPECT_GE(count, 2u);
}
