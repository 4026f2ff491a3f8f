#pragma once
// The design search at a stated reliability: the cheapest bolt patterns of
// a price list whose probability of passing the design check, under a
// study's uncertain inputs, is at least a given value. Every candidate is
// judged on the same samples (common random numbers), in cost order, so the
// search stops as soon as the best so many are known.

#include <optional>
#include <string>
#include <vector>

#include "core/program/design_search.h"
#include "core/risk/risk_results.h"

namespace castovin {

struct ReliableCandidate {
    SearchCandidate candidate;  // its VELB values are those of the project's own inputs
    double pPass = 0;
    double pLow = 0;  // 95 % Wilson interval
    double pHigh = 0;
};

struct ReliableOutcome {
    std::vector<ReliableCandidate> ranked;  // best first
    std::size_t tried = 0;                  // patterns of the ranges, as for SearchDesigns
    std::size_t skipped = 0;                // outside the parameters editor's ranges
    std::size_t judged = 0;                 // candidates run through the samples
    bool cancelled = false;
};

// Why a study cannot drive a search: it varies one of the first system's
// bolt length, diameter, grade, bolts per row or row spacing, which each
// candidate sets. "inputs.FIELD: ..." or nullopt.
std::optional<std::string> StudySearchProblem(const Study& study);

// The search: `keep` (at least 1) candidates with P(pass) >= minProbability
// in the ranking of SearchDesigns. The study is resolved and valid. The
// control's progress counts candidates judged of all priced candidates.
ReliableOutcome SearchReliableDesigns(const SearchProject& project, const std::vector<PriceRow>& prices,
                                      const SearchRanges& ranges, const Study& study, double minProbability,
                                      std::size_t keep, const RiskControl& control = {});

}  // namespace castovin
