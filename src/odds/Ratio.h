#pragma once

#include <cstdint>
#include <numeric>

// An exact fraction of two 64-bit integers, kept in lowest terms with a positive denominator. The odds
// are sums and products of counts over 28^3 outcomes, small enough to stay exact all the way.
class Ratio {
public:
    constexpr Ratio() = default;
    constexpr Ratio(std::int64_t whole)
        : num_(whole)
    {} // NOLINT: a whole number is a ratio
    constexpr Ratio(std::int64_t num, std::int64_t den)
        : num_(num)
        , den_(den)
    {
        normalize();
    }

    constexpr std::int64_t num() const { return num_; }
    constexpr std::int64_t den() const { return den_; }
    // Nearest double: one rounding, from the exact fraction.
    constexpr double toDouble() const { return static_cast<double>(num_) / static_cast<double>(den_); }

    friend constexpr Ratio operator+(Ratio a, Ratio b)
    {
        const std::int64_t g = std::gcd(a.den_, b.den_);
        return Ratio(a.num_ * (b.den_ / g) + b.num_ * (a.den_ / g), (a.den_ / g) * b.den_);
    }
    friend constexpr Ratio operator-(Ratio a, Ratio b) { return a + Ratio(-b.num_, b.den_); }
    friend constexpr Ratio operator*(Ratio a, Ratio b)
    {
        // Cross-cancel first so the products stay small.
        const std::int64_t g1 = std::gcd(a.num_, b.den_);
        const std::int64_t g2 = std::gcd(b.num_, a.den_);
        const std::int64_t n1 = g1 ? a.num_ / g1 : 0, d2 = g1 ? b.den_ / g1 : b.den_;
        const std::int64_t n2 = g2 ? b.num_ / g2 : 0, d1 = g2 ? a.den_ / g2 : a.den_;
        return Ratio(n1 * n2, d1 * d2);
    }
    // b must not be zero.
    friend constexpr Ratio operator/(Ratio a, Ratio b) { return a * Ratio(b.den_, b.num_); }
    friend constexpr bool operator==(Ratio a, Ratio b) { return a.num_ == b.num_ && a.den_ == b.den_; }

private:
    constexpr void normalize()
    {
        if (den_ < 0) {
            num_ = -num_;
            den_ = -den_;
        }
        const std::int64_t g = std::gcd(num_, den_);
        if (g > 1) {
            num_ /= g;
            den_ /= g;
        }
        if (num_ == 0) den_ = 1;
    }

    std::int64_t num_ = 0;
    std::int64_t den_ = 1;
};
