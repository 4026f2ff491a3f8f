#include "core/risk/risk_results.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <thread>

#include "core/risk/random_stream.h"

namespace castovin {

namespace {

constexpr double kZ95 = 1.959963984540054;

// The margins that exist (the method applied), with their sample indices.
struct Applicable {
    std::vector<float> margin;
    std::vector<std::size_t> index;
};

Applicable ApplicableMargins(const RiskSamples& s)
{
    Applicable a;
    for (std::size_t i = 0; i < s.Count(); ++i) {
        if (!std::isnan(s.margin[i])) {
            a.margin.push_back(s.margin[i]);
            a.index.push_back(i);
        }
    }
    return a;
}

// Percentile q (0..100) of sorted values, interpolated between neighbours.
double Percentile(const std::vector<float>& sorted, double q)
{
    const double at = q / 100 * static_cast<double>(sorted.size() - 1);
    const std::size_t below = static_cast<std::size_t>(std::floor(at));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (at - static_cast<double>(below)) * (double(sorted[above]) - sorted[below]);
}

// Bins of the Freedman and Diaconis width, 5 to 40 of them, over the
// margins' whole range.
std::vector<HistogramBin> Histogram(const std::vector<float>& sorted, double iqr)
{
    const double low = sorted.front();
    const double high = sorted.back();
    std::size_t bins = 1;
    if (high > low) {
        const double width = 2 * iqr / std::cbrt(static_cast<double>(sorted.size()));
        const double wanted = width > 0 ? std::ceil((high - low) / width) : 40;
        bins = static_cast<std::size_t>(std::clamp(wanted, 5.0, 40.0));
    }
    const double width = (high - low) / static_cast<double>(bins);
    std::vector<HistogramBin> out(bins);
    std::size_t at = 0;
    for (std::size_t b = 0; b < bins; ++b) {
        out[b].from = low + width * static_cast<double>(b);
        out[b].to = b + 1 == bins ? high : low + width * static_cast<double>(b + 1);
        while (at < sorted.size() && (b + 1 == bins || sorted[at] < out[b].to)) {
            ++out[b].count;
            ++at;
        }
        out[b].cumulative = static_cast<double>(at) / static_cast<double>(sorted.size());
    }
    return out;
}

double Pearson(const std::vector<double>& x, const std::vector<double>& y)
{
    const double n = static_cast<double>(x.size());
    const double mx = std::accumulate(x.begin(), x.end(), 0.0) / n;
    const double my = std::accumulate(y.begin(), y.end(), 0.0) / n;
    double sxy = 0, sxx = 0, syy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sxy += (x[i] - mx) * (y[i] - my);
        sxx += (x[i] - mx) * (x[i] - mx);
        syy += (y[i] - my) * (y[i] - my);
    }
    return sxx > 0 && syy > 0 ? sxy / std::sqrt(sxx * syy) : 0;
}

void MarginStatistics(RiskResults& r, std::vector<float> margins)
{
    r.marginCount = margins.size();
    if (margins.empty())
        return;
    double sum = 0;
    for (float m : margins)
        sum += m;
    r.marginMean = sum / static_cast<double>(margins.size());
    double squares = 0;
    for (float m : margins)
        squares += (m - r.marginMean) * (m - r.marginMean);
    r.marginSd = margins.size() > 1 ? std::sqrt(squares / static_cast<double>(margins.size() - 1)) : 0;
    std::sort(margins.begin(), margins.end());
    for (std::size_t k = 0; k < MarginPercentiles.size(); ++k)
        r.percentiles[k] = Percentile(margins, MarginPercentiles[k]);
    r.histogram = Histogram(margins, Percentile(margins, 75) - Percentile(margins, 25));
}

// The rank correlation of each varied input with the margin, the inputs
// ranked on separate threads.
std::vector<SensitivityRow> Sensitivity(const RiskSamples& s, const Applicable& a, unsigned threads)
{
    std::vector<std::size_t> varied;
    for (std::size_t k = 0; k < s.fields.size(); ++k) {
        const auto [lo, hi] = std::minmax_element(s.values[k].begin(), s.values[k].end());
        if (lo != s.values[k].end() && *lo != *hi)
            varied.push_back(k);
    }
    if (a.margin.size() < 2 || varied.empty())
        return {};
    const std::vector<double> marginRanks = Ranks(a.margin);
    std::vector<SensitivityRow> rows(varied.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t j; (j = next.fetch_add(1)) < varied.size();) {
            std::vector<float> x(a.index.size());
            for (std::size_t i = 0; i < a.index.size(); ++i)
                x[i] = s.values[varied[j]][a.index[i]];
            rows[j].field = s.fields[varied[j]];
            rows[j].rankCorrelation = Pearson(Ranks(x), marginRanks);
        }
    };
    const unsigned n = std::max(1u, threads != 0 ? threads : std::thread::hardware_concurrency());
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < std::min<std::size_t>(n, varied.size()); ++t)
        pool.emplace_back(work);
    work();
    for (std::thread& t : pool)
        t.join();
    double total = 0;
    for (const SensitivityRow& row : rows)
        total += row.rankCorrelation * row.rankCorrelation;
    for (SensitivityRow& row : rows)
        row.varianceShare = total > 0 ? row.rankCorrelation * row.rankCorrelation / total : 0;
    std::stable_sort(rows.begin(), rows.end(), [](const SensitivityRow& x, const SensitivityRow& y) {
        return std::fabs(x.rankCorrelation) > std::fabs(y.rankCorrelation);
    });
    return rows;
}

}  // namespace

std::array<double, 2> WilsonInterval(std::size_t passed, std::size_t n)
{
    if (n == 0)
        return {0, 1};
    const double nn = static_cast<double>(n);
    const double p = static_cast<double>(passed) / nn;
    const double z2 = kZ95 * kZ95;
    const double centre = (p + z2 / (2 * nn)) / (1 + z2 / nn);
    const double half = kZ95 / (1 + z2 / nn) * std::sqrt(p * (1 - p) / nn + z2 / (4 * nn * nn));
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

std::vector<double> Ranks(const std::vector<float>& values)
{
    std::vector<uint32_t> order(values.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(),
              [&](uint32_t x, uint32_t y) { return values[x] < values[y] || (values[x] == values[y] && x < y); });
    std::vector<double> ranks(values.size());
    for (std::size_t i = 0; i < order.size();) {
        std::size_t j = i;
        while (j + 1 < order.size() && values[order[j + 1]] == values[order[i]])
            ++j;
        const double rank = (static_cast<double>(i) + static_cast<double>(j)) / 2 + 1;
        for (std::size_t k = i; k <= j; ++k)
            ranks[order[k]] = rank;
        i = j + 1;
    }
    return ranks;
}

RiskResults SummariseSamples(const RiskSamples& s, unsigned threads)
{
    RiskResults r;
    r.samples = s.Count();
    for (std::size_t i = 0; i < r.samples; ++i) {
        ++r.classCounts[static_cast<std::size_t>(s.classes[i])];
        r.warned += s.warned[i];
    }
    const std::size_t passed = r.classCounts[0];
    r.pPass = r.samples ? static_cast<double>(passed) / static_cast<double>(r.samples) : 0;
    const auto interval = WilsonInterval(passed, r.samples);
    r.pLow = interval[0];
    r.pHigh = interval[1];
    r.beta = NormalQuantile(r.pPass);
    const Applicable a = ApplicableMargins(s);
    MarginStatistics(r, a.margin);
    r.sensitivity = Sensitivity(s, a, threads);
    return r;
}

RiskRun RunStudy(const std::array<SupportRecord, 2>& support, UnitSystem u, const Study& study,
                 const RiskControl& control)
{
    RiskRun run;
    run.cancelled = !DrawSamples(study, u, run.samples, control) || !JudgeSamples(support, u, run.samples, control);
    if (!run.cancelled)
        run.results = SummariseSamples(run.samples, control.threads);
    return run;
}

}  // namespace castovin
