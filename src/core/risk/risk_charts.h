#pragma once
// What the probabilistic window's charts draw, and the values a pointer on
// them reads: the margin's histogram with the pass line (a margin of 1) on
// a bin edge, so that every bin either passes or fails; the margin's
// cumulative curve; the tornado of the inputs' rank correlations.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/risk/risk_results.h"

namespace castovin {

struct MarginBar {
    double from = 0;
    double to = 0;
    std::size_t count = 0;
    bool failing = false;  // its margins are below 1
};

struct CumulativePoint {
    double margin = 0;
    double share = 0;  // of the margins at most `margin`
};

struct TornadoBar {
    std::string label;  // the input's caption and unit
    double rankCorrelation = 0;
    double varianceShare = 0;
};

struct RiskChartData {
    std::size_t marginCount = 0;  // samples where the method applies
    std::vector<MarginBar> bars;
    std::vector<CumulativePoint> curve;  // at most CurvePointLimit points
    double shareBelowPass = 0;           // of the margins, below 1
    double pPass = 0;
    double pLow = 0;
    double pHigh = 0;
    std::vector<TornadoBar> tornado;  // largest magnitude first
};

inline constexpr std::size_t CurvePointLimit = 400;

// The charts of a complete run. The bins have the report's histogram width.
RiskChartData MakeRiskChartData(const RiskSamples& samples, const RiskResults& results, UnitSystem unitSystem);

// What pointing at the charts shows: the bar under a margin, the curve's
// point nearest a margin, the tornado's bar at a category index (0 at the
// top). Nothing off the chart's data.
std::optional<std::size_t> BarAt(const RiskChartData& data, double margin);
std::optional<std::size_t> CurvePointAt(const RiskChartData& data, double margin);
std::optional<std::size_t> TornadoBarAt(const RiskChartData& data, double category);

// "Margin 0.950 to 1.000: 123 samples (1.2 %), below the pass line"
std::string BarText(const RiskChartData& data, std::size_t bar);
// "Margin 1.020: 12.3 % of the samples at most"
std::string CurvePointText(const RiskChartData& data, std::size_t point);
// "Actual Bolt Length #1 (ft): rank correlation +0.830, 68.0 % of the variance"
std::string TornadoBarText(const RiskChartData& data, std::size_t bar);
// "P(pass) = 0.8770 (0.8705 to 0.8832); 12.3 % of the margins below 1"
std::string PassMarkText(const RiskChartData& data);

}  // namespace castovin
