#pragma once

#include <compare>
#include <cstdint>
#include <ostream>
#include <string>

// An exact amount of credits, kept in hundredths (one credit is shown as one dollar).
class Money {
public:
    constexpr Money() = default;
    static constexpr Money fromCents(std::int64_t cents) { return Money(cents); }
    static constexpr Money fromCredits(std::int64_t credits) { return Money(credits * 100); }

    constexpr std::int64_t cents() const { return cents_; }
    // Whole credits, rounded half away from zero.
    std::int64_t roundedCredits() const;
    double toDouble() const { return static_cast<double>(cents_) / 100.0; }

    // "1234.50", "-0.05": always two decimals, no grouping.
    std::string toString() const;
    // "1,234.50", "-1,000,000.00": as the player reads amounts, thousands grouped.
    std::string toGroupedString() const;
    // Whole credits rounded half away from zero: "500", "-3".
    std::string toWholeString() const;

    constexpr Money operator+(Money o) const { return Money(cents_ + o.cents_); }
    constexpr Money operator-(Money o) const { return Money(cents_ - o.cents_); }
    constexpr Money& operator+=(Money o)
    {
        cents_ += o.cents_;
        return *this;
    }
    constexpr Money& operator-=(Money o)
    {
        cents_ -= o.cents_;
        return *this;
    }
    constexpr auto operator<=>(const Money&) const = default;

    // Readable test failures.
    friend void PrintTo(const Money& m, std::ostream* os) { *os << m.toString(); }

private:
    constexpr explicit Money(std::int64_t cents)
        : cents_(cents)
    {}
    std::int64_t cents_ = 0;
};
