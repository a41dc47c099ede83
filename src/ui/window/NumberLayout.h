#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// How numbers become digit cells and texts on the face.
class NumberLayout {
public:
    // Cell indices of a digit strip: glyphs 0..9, then the blank cell and the decimal point.
    static constexpr int kBlank = 10;
    static constexpr int kPoint = 11;
    // Not in the strips: a blank as narrow as the point, and a dash (the middle segment lit).
    static constexpr int kNarrowBlank = 12;
    static constexpr int kDash = 13;

    // The cells of a counter showing cents / 100: integerCells places (leading places blank, the ones
    // place 0 below one), then, with decimals, the point and two decimal places. A value too large for
    // that shows, in the same width, its whole part across all the digit cells after a narrow blank while
    // it fits there, and dashes beyond; a negative value shows as 0.
    static std::vector<int> counterCells(std::int64_t cents, int integerCells, bool decimals);
    // The cells of a payoff-table amount: places blank down to the first digit, all blank for 0.
    static std::vector<int> amountCells(std::int64_t amount, int cells);

    // Formats value with a numeric pattern of '#' (optional digit), '0' (required digit), ',' (thousands
    // grouping), '.' (decimal point) and '%' (times 100, per-cent sign), e.g. "###,###,##0.00".
    // Rounds half away from zero.
    static std::string format(double value, std::string_view pattern);
};
