#pragma once

// A uniform random source in [0, 1) that can be reseeded (the game reseeds it before every spin).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    virtual double next() = 0;
};
