#include "MersenneRandom.h"

MersenneRandom::MersenneRandom(SeedFunction seed)
    : seed_(std::move(seed))
{
    reseed();
}

void MersenneRandom::reseed() { engine_.seed(seed_()); }

double MersenneRandom::next()
{
    // The top 53 bits make an exact double in [0, 1).
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

void MersenneRandom::nextMany(double* out, int count)
{
    for (int i = 0; i < count; ++i) out[i] = static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}
