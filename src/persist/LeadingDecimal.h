#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The longest decimal number at the start of a text, as stored values are read back: leading
// blanks skipped, an optional sign, digits with an optional "." and more digits. Nothing else
// (no exponent, no grouping). The digits are kept whole, so no value is ever cut or rounded
// through floating point.
class LeadingDecimal {
public:
    static LeadingDecimal parse(std::string_view text);

    // False when the text does not start with a number; such a text reads as 0.
    bool hasNumber() const { return hasNumber_; }
    // True when the number is the whole text apart from blanks around it.
    bool isWholeText() const { return wholeText_; }
    bool negative() const { return negative_; }

    // The value in hundredths, rounded half away from zero; nullopt when its magnitude exceeds
    // maxCents. No number gives 0.
    std::optional<std::int64_t> toCents(std::int64_t maxCents) const;
    // The value rounded half away from zero to an integer; nullopt when its magnitude exceeds
    // maxValue. No number gives 0.
    std::optional<std::int64_t> toRoundedInteger(std::int64_t maxValue) const;
    // The digits before the point (the fraction dropped); nullopt when its magnitude exceeds maxValue.
    std::optional<std::int64_t> toIntegerPart(std::int64_t maxValue) const;

private:
    // The digits before the point without leading zeros (empty for 0) and up to three after it.
    std::optional<std::int64_t> scaled(int decimals, std::int64_t maxMagnitude, bool round = true) const;

    bool hasNumber_ = false;
    bool wholeText_ = false;
    bool negative_ = false;
    std::string integerDigits_;
    std::string fractionDigits_;
};
