#include "Palette.h"

#include <array>

namespace {
constexpr std::array<QRgb, Palette::kColorCount> kColors = {
    0xff000000, 0xff000080, 0xff008000, 0xff008080, 0xff800000, 0xff800080, 0xff808000, 0xffc0c0c0,
    0xff808080, 0xff0000ff, 0xff00ff00, 0xff00ffff, 0xffff0000, 0xffff00ff, 0xffffff00, 0xffffffff,
};
}

QRgb Palette::rgb(int index)
{
    if (index < 0 || index >= kColorCount) return kColors[0];
    return kColors[static_cast<std::size_t>(index)];
}

QColor Palette::color(int index) { return QColor::fromRgb(rgb(index)); }
