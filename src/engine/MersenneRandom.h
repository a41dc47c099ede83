#pragma once

#include <cstdint>
#include <functional>
#include <random>

#include "RandomSource.h"

// Uniform draws from a 64-bit Mersenne Twister. Every reseed takes a fresh seed from the seed function
// (the game passes the time of day; tests pass fixed values).
class MersenneRandom : public RandomSource {
public:
    using SeedFunction = std::function<std::uint64_t()>;
    explicit MersenneRandom(SeedFunction seed);

    void reseed() override;
    double next() override;
    void nextMany(double* out, int count) override;

private:
    SeedFunction seed_;
    std::mt19937_64 engine_;
};
