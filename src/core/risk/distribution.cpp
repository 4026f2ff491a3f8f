#include "core/risk/distribution.h"

#include <algorithm>
#include <cmath>

#include "core/risk/random_stream.h"

namespace castovin {

namespace {

constexpr const char* kNames[] = {"fixed", "normal", "lognormal", "uniform", "triangular"};

// The parameters of the logarithm of a lognormal value from the value's own
// mean m and standard deviation s.
double LogSigma(const Distribution& d)
{
    return std::sqrt(std::log1p((d.sd / d.mean) * (d.sd / d.mean)));
}
double LogMu(const Distribution& d)
{
    const double sigma = LogSigma(d);
    return std::log(d.mean) - sigma * sigma / 2;
}

bool Finite(double v)
{
    return std::isfinite(v);
}

}  // namespace

const char* DistributionName(DistributionKind kind)
{
    return kNames[static_cast<int>(kind)];
}

std::optional<DistributionKind> DistributionOf(const std::string& name)
{
    for (int i = 0; i < 5; ++i)
        if (name == kNames[i])
            return static_cast<DistributionKind>(i);
    return std::nullopt;
}

std::optional<std::string> DistributionProblem(const Distribution& d)
{
    switch (d.kind) {
    case DistributionKind::Fixed:
        if (!Finite(d.value))
            return "value: not a number";
        break;
    case DistributionKind::Normal:
    case DistributionKind::Lognormal:
        if (!Finite(d.mean))
            return "mean: not a number";
        if (!(d.sd > 0) || !Finite(d.sd))
            return "sd: must be above 0";
        if (d.kind == DistributionKind::Lognormal && !(d.mean > 0))
            return "mean: a lognormal value's mean must be above 0";
        break;
    case DistributionKind::Uniform:
    case DistributionKind::Triangular:
        if (!Finite(d.min) || !Finite(d.max))
            return "min: not a number";
        if (!(d.min < d.max))
            return "min: must be below max";
        if (d.kind == DistributionKind::Triangular && !(d.mode >= d.min && d.mode <= d.max))
            return "mode: must lie in [min, max]";
        break;
    }
    if (d.truncLow && d.truncHigh && !(*d.truncLow < *d.truncHigh))
        return "truncate: its min must be below its max";
    return std::nullopt;
}

double DistributionCdf(const Distribution& d, double x)
{
    switch (d.kind) {
    case DistributionKind::Fixed:
        return x < d.value ? 0 : 1;
    case DistributionKind::Normal:
        return NormalCdf((x - d.mean) / d.sd);
    case DistributionKind::Lognormal:
        return x <= 0 ? 0 : NormalCdf((std::log(x) - LogMu(d)) / LogSigma(d));
    case DistributionKind::Uniform:
        return std::clamp((x - d.min) / (d.max - d.min), 0.0, 1.0);
    case DistributionKind::Triangular:
        if (x <= d.min)
            return 0;
        if (x >= d.max)
            return 1;
        if (x <= d.mode)
            return (x - d.min) * (x - d.min) / ((d.max - d.min) * (d.mode - d.min));
        return 1 - (d.max - x) * (d.max - x) / ((d.max - d.min) * (d.max - d.mode));
    }
    return 0;
}

double DistributionQuantile(const Distribution& d, double p)
{
    switch (d.kind) {
    case DistributionKind::Fixed:
        return d.value;
    case DistributionKind::Normal:
        return d.mean + d.sd * NormalQuantile(p);
    case DistributionKind::Lognormal:
        return std::exp(LogMu(d) + LogSigma(d) * NormalQuantile(p));
    case DistributionKind::Uniform:
        return d.min + p * (d.max - d.min);
    case DistributionKind::Triangular: {
        const double width = d.max - d.min;
        const double split = (d.mode - d.min) / width;
        if (p <= split)
            return d.min + std::sqrt(p * width * (d.mode - d.min));
        return d.max - std::sqrt((1 - p) * width * (d.max - d.mode));
    }
    }
    return 0;
}

double DistributionMean(const Distribution& d)
{
    switch (d.kind) {
    case DistributionKind::Fixed:
        return d.value;
    case DistributionKind::Normal:
    case DistributionKind::Lognormal:
        return d.mean;
    case DistributionKind::Uniform:
        return (d.min + d.max) / 2;
    case DistributionKind::Triangular:
        return (d.min + d.mode + d.max) / 3;
    }
    return 0;
}

double DistributionSd(const Distribution& d)
{
    switch (d.kind) {
    case DistributionKind::Fixed:
        return 0;
    case DistributionKind::Normal:
    case DistributionKind::Lognormal:
        return d.sd;
    case DistributionKind::Uniform:
        return (d.max - d.min) / std::sqrt(12.0);
    case DistributionKind::Triangular: {
        const double a = d.min, b = d.max, c = d.mode;
        return std::sqrt((a * a + b * b + c * c - a * b - a * c - b * c) / 18);
    }
    }
    return 0;
}

TruncatedSampler MakeSampler(const Distribution& d, double low, double high)
{
    TruncatedSampler s{d, DistributionCdf(d, low), DistributionCdf(d, high), low, high};
    return s;
}

double TruncatedSampler::Sample(double u) const
{
    if (d.kind == DistributionKind::Fixed)
        return d.value;
    const double x = DistributionQuantile(d, pLow + u * (pHigh - pLow));
    // The quantile of a probability a rounding step inside the interval can
    // still land a hair outside it; the interval holds by definition.
    return std::clamp(x, low, high);
}

}  // namespace castovin
