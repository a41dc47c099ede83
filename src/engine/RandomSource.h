#pragma once

// A uniform random source in [0, 1) that can be reseeded (the game reseeds it before every spin).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    virtual double next() = 0;
    // Fills out with the next count draws, in order: the same values as count calls of next().
    virtual void nextMany(double* out, int count)
    {
        for (int i = 0; i < count; ++i) out[i] = next();
    }
};
