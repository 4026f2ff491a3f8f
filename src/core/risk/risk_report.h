#pragma once
// The report of a probabilistic study in the program's report style: page 0
// is the design report's header and input listing, page 1 the study, the
// sampling, the results and the sensitivity table, so that the viewer shows,
// copies and prints it like the other reports.

#include <string>

#include "core/program/output_commands.h"
#include "core/risk/risk_results.h"

namespace castovin {

// Page 1: the study's text (CR LF line ends).
std::string RiskReportText(const Study& resolvedStudy, const RiskResults& results, UnitSystem unitSystem);

// Both pages; the listing is the design report's, built by BuildReport.
ReportPages BuildRiskReport(const Project& project, const Study& resolvedStudy, const RiskResults& results,
                            bool withHeader);

// "Latin Hypercube" or "Monte Carlo"; "lhs" or "mc".
const char* SamplingMethodName(SamplingMethod method);

// The samples as CSV: a row per sample with its number, each varied input's
// value, the VELB margin (empty when the method does not apply) and its
// class ("pass", "velb-too-low", ...).
std::string SamplesCsv(const RiskSamples& samples);
const char* SamplingMethodCode(SamplingMethod method);

// The reliability index as the report writes it: "> 8" when no sample
// fails, "< -8" when none passes, otherwise "0.00".
std::string BetaText(double beta);

}  // namespace castovin
