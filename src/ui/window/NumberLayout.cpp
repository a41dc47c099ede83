#include "NumberLayout.h"

#include <cmath>

namespace {

std::int64_t power10(int n)
{
    std::int64_t p = 1;
    for (int i = 0; i < n; ++i) p *= 10;
    return p;
}

} // namespace

std::vector<int> NumberLayout::counterCells(std::int64_t cents, int integerCells, bool decimals)
{
    if (cents < 0) cents = 0;
    const std::int64_t whole = cents / 100;
    std::vector<int> cells;
    if (whole >= power10(integerCells)) {
        const int digitCells = integerCells + (decimals ? 2 : 0);
        if (decimals && whole < power10(digitCells)) {
            cells.push_back(kNarrowBlank);
            for (std::int64_t place = power10(digitCells - 1); place >= 1; place /= 10) {
                cells.push_back(whole >= place ? static_cast<int>((whole / place) % 10) : kBlank);
            }
            return cells;
        }
        cells.assign(static_cast<std::size_t>(integerCells), kDash);
        if (decimals) cells.insert(cells.end(), {kPoint, kDash, kDash});
        return cells;
    }
    std::int64_t place = power10(integerCells - 1);
    for (int i = 0; i < integerCells; ++i, place /= 10) {
        const bool ones = place == 1;
        if (whole >= place || ones)
            cells.push_back(static_cast<int>((whole / place) % 10));
        else
            cells.push_back(kBlank);
    }
    if (decimals) {
        cells.push_back(kPoint);
        cells.push_back(static_cast<int>((cents / 10) % 10));
        cells.push_back(static_cast<int>(cents % 10));
    }
    return cells;
}

std::vector<int> NumberLayout::amountCells(std::int64_t amount, int cells)
{
    std::vector<int> out;
    std::int64_t place = 1;
    for (int i = 1; i < cells; ++i) place *= 10;
    for (int i = 0; i < cells; ++i, place /= 10) {
        if (amount > 0 && amount >= place)
            out.push_back(static_cast<int>((amount / place) % 10));
        else
            out.push_back(kBlank);
    }
    return out;
}

std::string NumberLayout::format(double value, std::string_view pattern)
{
    bool percent = false;
    bool grouping = false;
    bool seenPoint = false;
    int minInteger = 0;
    int decimals = 0;
    int minDecimals = 0;
    for (char c : pattern) {
        if (c == '%')
            percent = true;
        else if (c == '.')
            seenPoint = true;
        else if (c == ',' && !seenPoint)
            grouping = true;
        else if (c == '0' || c == '#') {
            if (seenPoint) {
                ++decimals;
                if (c == '0') minDecimals = decimals;
            } else if (c == '0') {
                ++minInteger;
            }
        }
    }
    if (percent) value *= 100.0;
    const bool negative = value < 0;
    double scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    const auto scaled = static_cast<long long>(std::llround(std::fabs(value) * scale));
    const auto unit = static_cast<long long>(scale);
    std::string integer = std::to_string(scaled / unit);
    if (integer == "0" && minInteger == 0) integer.clear();
    while (static_cast<int>(integer.size()) < minInteger) integer.insert(integer.begin(), '0');
    if (grouping) {
        for (int i = static_cast<int>(integer.size()) - 3; i > 0; i -= 3)
            integer.insert(static_cast<std::size_t>(i), 1, ',');
    }
    std::string fraction;
    if (decimals > 0) {
        fraction = std::to_string(scaled % unit);
        while (static_cast<int>(fraction.size()) < decimals) fraction.insert(fraction.begin(), '0');
        while (static_cast<int>(fraction.size()) > minDecimals && fraction.back() == '0') fraction.pop_back();
    }
    std::string out = negative && scaled != 0 ? "-" : "";
    out += integer;
    if (seenPoint && (!fraction.empty() || minDecimals > 0)) out += "." + fraction;
    if (percent) out += "%";
    return out;
}
