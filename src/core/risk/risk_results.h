#pragma once
// What a probabilistic study finds: the probability of passing with its
// interval, the failure classes, the margin's statistics and histogram, the
// reliability index and the inputs' rank correlations with the margin.

#include <array>
#include <cstddef>
#include <vector>

#include "core/risk/risk_run.h"

namespace castovin {

struct HistogramBin {
    double from = 0;
    double to = 0;
    std::size_t count = 0;
    double cumulative = 0;  // share of the margins at most `to`
};

struct SensitivityRow {
    StudyField field = StudyField::CMRR;
    double rankCorrelation = 0;  // Spearman, with the margin
    double varianceShare = 0;    // squared correlations normalised to 1
};

struct RiskResults {
    std::size_t samples = 0;
    std::array<std::size_t, SampleClassCount> classCounts{};  // by SampleClass
    std::size_t warned = 0;
    double pPass = 0;
    double pLow = 0;  // 95 % Wilson interval
    double pHigh = 0;
    double beta = 0;  // Φ⁻¹(P(pass)); ±infinity when no sample fails or passes
    // The margin over the samples where the method applies.
    std::size_t marginCount = 0;
    double marginMean = 0;
    double marginSd = 0;
    std::array<double, 5> percentiles{};  // 1st, 5th, 50th, 95th, 99th
    std::vector<HistogramBin> histogram;
    std::vector<SensitivityRow> sensitivity;  // largest magnitude first
};

inline constexpr std::array<double, 5> MarginPercentiles = {1, 5, 50, 95, 99};

// The 95 % Wilson score interval of `passed` out of `n`.
std::array<double, 2> WilsonInterval(std::size_t passed, std::size_t n);

// The results of judged samples; `threads` as for RiskControl (0: all cores).
// Inputs that do not vary (fixed, or one value in all samples) have no
// sensitivity row.
RiskResults SummariseSamples(const RiskSamples& samples, unsigned threads = 0);

// Average ranks (1-based, ties sharing their mean rank) of `values`.
std::vector<double> Ranks(const std::vector<float>& values);

// The whole study: draw, judge, summarise. `cancelled` when the control's
// flag stopped it (the results are then empty).
struct RiskRun {
    RiskSamples samples;
    RiskResults results;
    bool cancelled = false;
};
RiskRun RunStudy(const std::array<SupportRecord, 2>& support, UnitSystem unitSystem, const Study& resolvedStudy,
                 const RiskControl& control = {});

}  // namespace castovin
