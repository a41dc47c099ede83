#include "LeadingDecimal.h"

#include <algorithm>

#include "Utf8Text.h"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

LeadingDecimal LeadingDecimal::parse(std::string_view text)
{
    LeadingDecimal number;
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        number.negative_ = text[pos] == '-';
        ++pos;
    }
    bool anyDigit = false;
    while (pos < text.size() && isDigit(text[pos])) {
        if (!(number.integerDigits_.empty() && text[pos] == '0')) number.integerDigits_ += text[pos];
        anyDigit = true;
        ++pos;
    }
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t afterPoint = pos + 1;
        std::size_t end = afterPoint;
        while (end < text.size() && isDigit(text[end])) ++end;
        if (anyDigit || end > afterPoint) {
            // Digits past the third decimal never change a rounding to two decimals.
            number.fractionDigits_ = std::string(text.substr(afterPoint, std::min<std::size_t>(end - afterPoint, 3)));
            anyDigit = true;
            pos = end;
        }
    }
    number.hasNumber_ = anyDigit;
    if (!anyDigit) {
        number.negative_ = false;
        return number;
    }
    number.wholeText_ = trimBlanks(text.substr(pos)).empty();
    return number;
}

std::optional<std::int64_t> LeadingDecimal::scaled(int decimals, std::int64_t maxMagnitude, bool round) const
{
    if (!hasNumber_) return 0;
    // 18 digits always fit an int64 with room for the scale of 100.
    if (integerDigits_.size() > 16) return std::nullopt;
    std::int64_t value = 0;
    for (char c : integerDigits_) value = value * 10 + (c - '0');
    for (int i = 0; i < decimals; ++i) {
        const std::size_t index = static_cast<std::size_t>(i);
        value = value * 10 + (index < fractionDigits_.size() ? fractionDigits_[index] - '0' : 0);
    }
    const std::size_t roundIndex = static_cast<std::size_t>(decimals);
    if (round && roundIndex < fractionDigits_.size() && fractionDigits_[roundIndex] >= '5') ++value;
    if (value > maxMagnitude) return std::nullopt;
    return negative_ ? -value : value;
}

std::optional<std::int64_t> LeadingDecimal::toCents(std::int64_t maxCents) const { return scaled(2, maxCents); }

std::optional<std::int64_t> LeadingDecimal::toRoundedInteger(std::int64_t maxValue) const
{
    return scaled(0, maxValue);
}

std::optional<std::int64_t> LeadingDecimal::toIntegerPart(std::int64_t maxValue) const
{
    return scaled(0, maxValue, false);
}
