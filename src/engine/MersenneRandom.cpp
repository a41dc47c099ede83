#include "MersenneRandom.h"

MersenneRandom::MersenneRandom(SeedFunction seed)
    : seed_(std::move(seed))
{
    reseed();
}

void MersenneRandom::reseed()
{
    const std::uint64_t seed = seed_();
    std::seed_seq sequence{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)};
    engine_.seed(sequence);
}

double MersenneRandom::next()
{
    // The top 53 bits make an exact double in [0, 1).
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}
