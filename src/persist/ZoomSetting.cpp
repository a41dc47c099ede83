#include "ZoomSetting.h"

#include <algorithm>

#include "LeadingDecimal.h"
#include "ProfileFile.h"

namespace {
constexpr const char* kSection = "Settings";
constexpr const char* kKey = "Zoom";
} // namespace

bool ZoomSetting::isSize(int percent) { return std::find(kSizes.begin(), kSizes.end(), percent) != kSizes.end(); }

std::optional<int> ZoomSetting::read(const ProfileFile& file)
{
    const std::optional<std::string> text = file.find(kSection, kKey);
    if (!text) return std::nullopt;
    const auto value = LeadingDecimal::parse(*text).toRoundedInteger(kSizes.back());
    if (!value || !isSize(static_cast<int>(*value))) return std::nullopt;
    return static_cast<int>(*value);
}

bool ZoomSetting::write(ProfileFile& file, int percent)
{
    if (!isSize(percent)) return false;
    return file.update([percent](IniDocument& doc) { doc.set(kSection, kKey, std::to_string(percent)); });
}

int ZoomSetting::largestFitting(int faceHeight, int extraHeight, double limit)
{
    int best = kSizes.front();
    for (int size : kSizes) {
        if (faceHeight * size / 100 + extraHeight <= limit) best = size;
    }
    return best;
}
