#include "core/risk/risk_charts.h"

#include <algorithm>
#include <cmath>

#include "core/text/number_format.h"

namespace castovin {

namespace {

// Bars beyond the report's 40 only where the pass line's shift adds one at
// either end.
constexpr double kMaxBars = 42;
// A bar's half height on the tornado's category axis.
constexpr double kTornadoHalfBar = 0.4;

std::string Percent(double share)
{
    return FormatNumber(share * 100, "0.0") + " %";
}

std::vector<float> SortedMargins(const RiskSamples& samples)
{
    std::vector<float> margins;
    margins.reserve(samples.Count());
    // A suggested VELB of 0 would make a margin infinite: no bin holds it.
    for (const float m : samples.margin)
        if (std::isfinite(m))
            margins.push_back(m);
    std::sort(margins.begin(), margins.end());
    return margins;
}

// Bins of the report's width with an edge at 1; one narrow bin when all
// margins are equal.
std::vector<MarginBar> PassAlignedBars(const std::vector<float>& sorted, const RiskResults& results)
{
    const double low = sorted.front();
    const double high = sorted.back();
    double width = 0;
    if (!results.histogram.empty())
        width = results.histogram.front().to - results.histogram.front().from;
    if (!(width > 0))
        width = std::max(std::abs(low) * 0.01, 0.001);
    const double first = std::floor((low - 1) / width);
    const double bins = std::clamp(std::floor((high - 1) / width) - first + 1, 1.0, kMaxBars);
    std::vector<MarginBar> bars(static_cast<std::size_t>(bins));
    for (std::size_t b = 0; b < bars.size(); ++b) {
        bars[b].from = 1 + (first + static_cast<double>(b)) * width;
        bars[b].to = 1 + (first + static_cast<double>(b) + 1) * width;
        bars[b].failing = bars[b].to <= 1;
    }
    for (const float m : sorted) {
        const double at = std::floor((double(m) - 1) / width) - first;
        ++bars[static_cast<std::size_t>(std::clamp(at, 0.0, bins - 1))].count;
    }
    return bars;
}

std::vector<CumulativePoint> Curve(const std::vector<float>& sorted)
{
    const std::size_t n = sorted.size();
    const std::size_t points = std::min(n, CurvePointLimit);
    std::vector<CumulativePoint> curve;
    curve.reserve(points);
    for (std::size_t p = 0; p < points; ++p) {
        // Evenly spread ranks, the first and the last among them.
        const std::size_t i = points == 1 ? n - 1 : p * (n - 1) / (points - 1);
        // Tied margins all count at their value.
        const auto atMost = std::upper_bound(sorted.begin(), sorted.end(), sorted[i]) - sorted.begin();
        curve.push_back({sorted[i], static_cast<double>(atMost) / static_cast<double>(n)});
    }
    return curve;
}

}  // namespace

RiskChartData MakeRiskChartData(const RiskSamples& samples, const RiskResults& results, UnitSystem unitSystem)
{
    RiskChartData data;
    data.pPass = results.pPass;
    data.pLow = results.pLow;
    data.pHigh = results.pHigh;
    for (const SensitivityRow& row : results.sensitivity)
        data.tornado.push_back({StudyFieldLabel(row.field, unitSystem), row.rankCorrelation, row.varianceShare});
    const std::vector<float> sorted = SortedMargins(samples);
    data.marginCount = sorted.size();
    if (sorted.empty())
        return data;
    data.bars = PassAlignedBars(sorted, results);
    data.curve = Curve(sorted);
    const auto below = std::lower_bound(sorted.begin(), sorted.end(), 1.0f) - sorted.begin();
    data.shareBelowPass = static_cast<double>(below) / static_cast<double>(sorted.size());
    return data;
}

std::optional<std::size_t> BarAt(const RiskChartData& data, double margin)
{
    for (std::size_t b = 0; b < data.bars.size(); ++b)
        if (margin >= data.bars[b].from && margin < data.bars[b].to)
            return b;
    return std::nullopt;
}

std::optional<std::size_t> CurvePointAt(const RiskChartData& data, double margin)
{
    if (data.curve.empty() || !std::isfinite(margin))
        return std::nullopt;
    const double span = std::max(data.curve.back().margin - data.curve.front().margin, 1e-9);
    if (margin < data.curve.front().margin - span * 0.02 || margin > data.curve.back().margin + span * 0.02)
        return std::nullopt;
    const auto after = std::lower_bound(data.curve.begin(), data.curve.end(), margin,
                                        [](const CumulativePoint& p, double m) { return p.margin < m; });
    std::size_t i = static_cast<std::size_t>(after - data.curve.begin());
    if (i == data.curve.size() || (i > 0 && margin - data.curve[i - 1].margin < data.curve[i].margin - margin))
        --i;
    return i;
}

std::optional<std::size_t> TornadoBarAt(const RiskChartData& data, double category)
{
    const double nearest = std::round(category);
    if (!(std::abs(category - nearest) <= kTornadoHalfBar) || nearest < 0 ||
        nearest >= static_cast<double>(data.tornado.size()))
        return std::nullopt;
    return static_cast<std::size_t>(nearest);
}

std::string BarText(const RiskChartData& data, std::size_t bar)
{
    const MarginBar& b = data.bars.at(bar);
    const double share = static_cast<double>(b.count) / static_cast<double>(std::max<std::size_t>(data.marginCount, 1));
    return "Margin " + FormatNumber(b.from, "0.000") + " to " + FormatNumber(b.to, "0.000") + ": " +
           std::to_string(b.count) + (b.count == 1 ? " sample (" : " samples (") + Percent(share) + "), " +
           (b.failing ? "below" : "at or above") + " the pass line";
}

std::string CurvePointText(const RiskChartData& data, std::size_t point)
{
    const CumulativePoint& p = data.curve.at(point);
    return "Margin " + FormatNumber(p.margin, "0.000") + ": " + Percent(p.share) + " of the samples at most";
}

std::string TornadoBarText(const RiskChartData& data, std::size_t bar)
{
    const TornadoBar& b = data.tornado.at(bar);
    return b.label + ": rank correlation " + (b.rankCorrelation >= 0 ? "+" : "") +
           FormatNumber(b.rankCorrelation, "0.000") + ", " + Percent(b.varianceShare) + " of the variance";
}

std::string PassMarkText(const RiskChartData& data)
{
    return "P(pass) = " + FormatNumber(data.pPass, "0.0000") + " (" + FormatNumber(data.pLow, "0.0000") + " to " +
           FormatNumber(data.pHigh, "0.0000") + "); " + Percent(data.shareBelowPass) + " of the margins below 1";
}

}  // namespace castovin
