#pragma once

// Where shots get their randomness. The program uses MixingRandomGenerator;
// tests script exact values.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // Stirs a seed (the time of day) into the generator.
    virtual void Randomize(float seed) = 0;
    // The next number, from 0 up to but never including 1.
    virtual float Rnd() = 0;
};
