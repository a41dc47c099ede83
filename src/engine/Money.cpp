#include "Money.h"

#include <cstdlib>

std::int64_t Money::roundedCredits() const
{
    const std::int64_t whole = cents_ / 100;
    const std::int64_t rest = cents_ % 100;
    if (rest >= 50) return whole + 1;
    if (rest <= -50) return whole - 1;
    return whole;
}

std::string Money::toString() const
{
    const std::int64_t magnitude = cents_ < 0 ? -cents_ : cents_;
    std::string text = std::to_string(magnitude / 100);
    const std::int64_t fraction = magnitude % 100;
    text += '.';
    text += static_cast<char>('0' + fraction / 10);
    text += static_cast<char>('0' + fraction % 10);
    return cents_ < 0 ? "-" + text : text;
}

std::string Money::toGroupedString() const
{
    const std::string plain = toString();
    const std::size_t digitsFrom = cents_ < 0 ? 1 : 0;
    std::string text = plain.substr(plain.size() - 3); // ".50"
    const std::size_t whole = plain.size() - 3 - digitsFrom;
    for (std::size_t i = 0; i < whole; ++i) {
        if (i > 0 && i % 3 == 0) text.insert(text.begin(), ',');
        text.insert(text.begin(), plain[plain.size() - 4 - i]);
    }
    return cents_ < 0 ? "-" + text : text;
}

std::string Money::toWholeString() const { return std::to_string(roundedCredits()); }
