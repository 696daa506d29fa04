#include "runtime/mixingrandomgenerator.h"

#include <array>
#include <bit>

namespace {

// SplitMix64's finaliser: spreads every input bit over the whole word.
std::uint64_t mix(std::uint64_t z)
{
    z += 0x9e3779b97f4a7c15ULL;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

std::mt19937_64 engineFromRandomDevice()
{
    std::random_device device;
    std::array<std::uint32_t, 16> words{};
    for (auto &word : words)
        word = device();
    std::seed_seq sequence(words.begin(), words.end());
    return std::mt19937_64(sequence);
}

} // namespace

MixingRandomGenerator::MixingRandomGenerator()
    : engine_(engineFromRandomDevice())
{
}

MixingRandomGenerator::MixingRandomGenerator(std::uint64_t seed)
    : engine_(seed)
{
}

void MixingRandomGenerator::Randomize(float seed)
{
    salt_ = mix(salt_ ^ std::bit_cast<std::uint32_t>(seed));
}

float MixingRandomGenerator::Rnd()
{
    // 24 random bits fill a float's significand exactly, so the largest
    // value is 1 - 2^-24 and 1.0 can never come out (unlike
    // std::generate_canonical<float>, which may round up to 1).
    const std::uint64_t bits = engine_() ^ salt_;
    return static_cast<float>(bits >> 40) * 0x1.0p-24f;
}
