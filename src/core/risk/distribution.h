#pragma once
// The distributions a study gives its varied inputs, sampled by the inverse
// distribution function on an interval, so that a truncated distribution is
// the distribution conditioned on the interval, never values pushed onto its
// bounds.

#include <optional>
#include <string>

namespace castovin {

enum class DistributionKind { Fixed, Normal, Lognormal, Uniform, Triangular };

// "fixed", "normal", "lognormal", "uniform", "triangular", and back.
const char* DistributionName(DistributionKind kind);
std::optional<DistributionKind> DistributionOf(const std::string& name);

// A distribution of one input, in the project's units. Fixed: `value`.
// Normal and lognormal: `mean` and `sd` of the value itself (for the
// lognormal not of its logarithm). Uniform: `min`, `max`. Triangular:
// `min`, `mode`, `max`. `truncation` limits any of them to [low, high].
struct Distribution {
    DistributionKind kind = DistributionKind::Fixed;
    double value = 0;
    double mean = 0;
    double sd = 0;
    double min = 0;
    double mode = 0;
    double max = 0;
    std::optional<double> truncLow;
    std::optional<double> truncHigh;
};

// Why the parameters are impossible ("sd: must be above 0", "min: must be
// below max", ...), naming the parameter's key, or nullopt.
std::optional<std::string> DistributionProblem(const Distribution& d);

// The distribution function and its inverse of an untruncated distribution
// with valid parameters (a fixed one is a step at its value).
double DistributionCdf(const Distribution& d, double x);
double DistributionQuantile(const Distribution& d, double p);

// The exact mean and standard deviation of the untruncated distribution.
double DistributionMean(const Distribution& d);
double DistributionSd(const Distribution& d);

// Sampling on [low, high]: the probabilities the interval starts and ends
// at, and the value of a uniform u in (0, 1) mapped into it.
struct TruncatedSampler {
    Distribution d;
    double pLow = 0;
    double pHigh = 1;
    double low = 0;
    double high = 0;
    double Sample(double u) const;
};
TruncatedSampler MakeSampler(const Distribution& d, double low, double high);

}  // namespace castovin
