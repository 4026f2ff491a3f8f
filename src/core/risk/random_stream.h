#pragma once
// The random numbers of a probabilistic study: xoshiro256** seeded through
// SplitMix64, one stream per block of samples, so that a study gives the same
// numbers whatever the thread count, machine or compiler. The standard
// library's engines and distributions are not used because their outputs are
// not fixed across implementations.

#include <cstdint>

namespace castovin {

// SplitMix64: expands one 64-bit seed into the state of a larger generator.
uint64_t SplitMix64Next(uint64_t& state);

// xoshiro256** 1.0.
class Xoshiro256 {
public:
    // The stream of `seed` for block `block` (and `lane`, a second index that
    // keeps separate uses of one block apart).
    Xoshiro256(uint64_t seed, uint64_t block, uint64_t lane = 0);
    uint64_t Next();
    // A double in the open interval (0, 1): 53 random bits, offset by half
    // a step so that neither 0 nor 1 comes out.
    double Uniform();
    // A whole number in [0, bound), without modulo bias.
    uint64_t Below(uint64_t bound);

private:
    uint64_t m_s[4];
};

// The standard normal distribution function Φ and its inverse: Acklam's
// rational approximation refined by one Halley step, accurate to about 1e-15
// over (0, 1).
double NormalCdf(double x);
double NormalQuantile(double p);

}  // namespace castovin
