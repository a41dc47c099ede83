#pragma once

#include <array>
#include <optional>

class ProfileFile;

// The window size the player chose under Options > Window Size, kept as `Zoom` in section
// "Settings": the percentage of the face's own size ("Zoom=200"). Files without it keep working.
class ZoomSetting {
public:
    static constexpr std::array<int, 4> kSizes = {100, 150, 200, 300};

    static bool isSize(int percent);
    // The stored size; nullopt when the file holds none, or a value that is not one of the sizes.
    static std::optional<int> read(const ProfileFile& file);
    // False when the size is not one of the sizes or the file could not be written.
    static bool write(ProfileFile& file, int percent);
    // The largest size whose window (face plus extraHeight, e.g. the menu bar) is at most limit
    // pixels high; 100 when none is.
    static int largestFitting(int faceHeight, int extraHeight, double limit);
};
