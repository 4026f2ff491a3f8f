#include "core/risk/random_stream.h"

#include <cmath>
#include <limits>

namespace castovin {

uint64_t SplitMix64Next(uint64_t& state)
{
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

namespace {

uint64_t RotateLeft(uint64_t x, int k)
{
    return (x << k) | (x >> (64 - k));
}

}  // namespace

Xoshiro256::Xoshiro256(uint64_t seed, uint64_t block, uint64_t lane)
{
    // The seed, block and lane mixed first so that neighbouring blocks start
    // from unrelated states, then expanded as the generator's authors advise.
    uint64_t mix = seed;
    uint64_t state = SplitMix64Next(mix) ^ (block * 0xD1B54A32D192ED03ull) ^ (lane * 0x8CB92BA72F3D8DD7ull);
    for (uint64_t& s : m_s)
        s = SplitMix64Next(state);
}

uint64_t Xoshiro256::Next()
{
    const uint64_t result = RotateLeft(m_s[1] * 5, 7) * 9;
    const uint64_t t = m_s[1] << 17;
    m_s[2] ^= m_s[0];
    m_s[3] ^= m_s[1];
    m_s[1] ^= m_s[2];
    m_s[0] ^= m_s[3];
    m_s[2] ^= t;
    m_s[3] = RotateLeft(m_s[3], 45);
    return result;
}

double Xoshiro256::Uniform()
{
    return (static_cast<double>(Next() >> 11) + 0.5) * 0x1.0p-53;
}

uint64_t Xoshiro256::Below(uint64_t bound)
{
    // Draws below the largest multiple of `bound` only, so every remainder
    // is equally likely.
    const uint64_t threshold = (0 - bound) % bound;
    for (;;) {
        const uint64_t r = Next();
        if (r >= threshold)
            return r % bound;
    }
}

double NormalCdf(double x)
{
    return 0.5 * std::erfc(-x / std::sqrt(2.0));
}

namespace {

// Acklam's coefficients.
constexpr double a[] = {-3.969683028665376e+01, 2.209460984245205e+02,  -2.759285104469687e+02,
                        1.383577518672690e+02,  -3.066479806614716e+01, 2.506628277459239e+00};
constexpr double b[] = {-5.447609879822406e+01, 1.615858368580409e+02, -1.556989798598866e+02, 6.680131188771972e+01,
                        -1.328068155288572e+01};
constexpr double c[] = {-7.784894002430293e-03, -3.223964580411365e-01, -2.400758277161838e+00,
                        -2.549732539343734e+00, 4.374664141464968e+00,  2.938163982698783e+00};
constexpr double d[] = {7.784695709041462e-03, 3.224671290700398e-01, 2.445134137142996e+00, 3.754408661907416e+00};
constexpr double kLow = 0.02425;

double AcklamTail(double q)
{
    return (((((c[0] * q + c[1]) * q + c[2]) * q + c[3]) * q + c[4]) * q + c[5]) /
           ((((d[0] * q + d[1]) * q + d[2]) * q + d[3]) * q + 1);
}

double Acklam(double p)
{
    if (p < kLow)
        return AcklamTail(std::sqrt(-2 * std::log(p)));
    if (p > 1 - kLow)
        return -AcklamTail(std::sqrt(-2 * std::log1p(-p)));
    const double q = p - 0.5;
    const double r = q * q;
    return (((((a[0] * r + a[1]) * r + a[2]) * r + a[3]) * r + a[4]) * r + a[5]) * q /
           (((((b[0] * r + b[1]) * r + b[2]) * r + b[3]) * r + b[4]) * r + 1);
}

}  // namespace

double NormalQuantile(double p)
{
    if (!(p > 0))
        return -std::numeric_limits<double>::infinity();
    if (!(p < 1))
        return std::numeric_limits<double>::infinity();
    double x = Acklam(p);
    // One Halley step on Φ(x) - p; in the upper tail Φ(x) - p is formed as
    // (1 - p) - (1 - Φ(x)) so that it keeps its relative precision.
    const double e = p > 0.5 ? (1 - p) - 0.5 * std::erfc(x / std::sqrt(2.0)) : NormalCdf(x) - p;
    const double u = e * std::sqrt(2 * M_PI) * std::exp(x * x / 2);
    x = x - u / (1 + x * u / 2);
    return x;
}

}  // namespace castovin
