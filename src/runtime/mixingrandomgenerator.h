#pragma once

#include "runtime/randomsource.h"

#include <cstdint>
#include <random>

// A 64-bit Mersenne Twister seeded once from std::random_device.
//
// The shot step reseeds from the time of day before every shot. Resetting a
// generator to that value would repeat the same shot for every shot fired
// within one tick of the clock, so Randomize only stirs the seed into a salt
// that is XORed into every draw: the twister itself is never reset, and two
// draws never repeat merely because the clock did not move.
class MixingRandomGenerator final : public RandomSource
{
public:
    MixingRandomGenerator();
    // A fixed start, for benchmarks that want the same run twice.
    explicit MixingRandomGenerator(std::uint64_t seed);

    void Randomize(float seed) override;
    float Rnd() override;

private:
    std::mt19937_64 engine_;
    std::uint64_t salt_ = 0;
};
