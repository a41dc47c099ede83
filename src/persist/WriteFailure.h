#pragma once

#include <filesystem>

// A save the disk refused: the folder that could not be written and why (an errno value such as ENOSPC,
// EROFS or EACCES), for telling the player.
struct WriteFailure {
    std::filesystem::path folder;
    int error = 0;
};
