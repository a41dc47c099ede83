#pragma once

#include <filesystem>

// A spin log as years of play leave it: one long game of n spins on the treasure machine, mostly losses,
// some wins, free spins and pools, a few seconds apart, in dir/spins.sqlite. Written in one transaction
// (a million rows one commit each would take minutes) and opened once by the game's own log, which
// builds its block figures, so the file is what a player's would be.
std::filesystem::path generatedLog(const std::filesystem::path& dir, int n);

// A fresh folder under the temporary directory, removed with everything in it. Measure the log's flushes
// with TMPDIR on the disk players keep their data on: on a tmpfs they cost nothing.
struct BenchDir {
    std::filesystem::path path;
    BenchDir();
    ~BenchDir();
    BenchDir(const BenchDir&) = delete;
    BenchDir& operator=(const BenchDir&) = delete;
};
