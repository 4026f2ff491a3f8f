#pragma once
// The design search: every bolt of a price list with every number of bolts
// per row and row spacing of two ranges, checked by the design check and
// priced by the cost model, the passing patterns ranked by cost per unit of
// advance. Nothing here prints or reads files; the command line and the
// window show the outcome their own way.

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/model/design_analysis.h"
#include "core/model/price_list.h"
#include "core/model/project.h"

namespace castovin {

// The project values a search holds fixed; the first system's bolt and
// pattern and the cost record's bolt cost and pattern are replaced per
// candidate.
struct SearchProject {
    UnitSystem unitSystem = UnitSystem::English;
    std::array<SupportRecord, 2> support{};
    CostRecord cost{};
};

// Bolts per row from boltsMin to boltsMax; row spacings spacingMin + i x
// spacingStep for i = 0, 1, ... while not above spacingMax (in the project's
// units).
struct SearchRanges {
    int boltsMin = 3;
    int boltsMax = 6;
    double spacingMin = 3;
    double spacingMax = 6;
    double spacingStep = 0.5;
};

// 3:6 bolts per row; 3:6:0.5 ft or 1:2:0.1 m.
SearchRanges DefaultSearchRanges(UnitSystem unitSystem);

// Why the ranges cannot be searched (a minimum above its maximum, a step
// not above 0, too many values), or nullopt when they can.
enum class RangesFault {
    BoltsMinAboveMax,
    TooManyBolts,
    SpacingNotANumber,
    SpacingMinAboveMax,
    StepNotAboveZero,
    TooManySpacings
};
std::optional<RangesFault> RangesFaultOf(const SearchRanges& ranges);
// The fault in the command line's words, naming its options ("spacing: STEP
// must be above 0").
std::optional<std::string> RangesProblem(const SearchRanges& ranges);
// The fault in the search window's words, which name its fields ("The
// spacing step must be above 0.").
std::string RangesFaultText(RangesFault fault);

// The row spacings of the ranges, each MIN + i x STEP rounded to float once,
// so that 1:2:0.1 gives exactly the floats of 1.1, 1.2, ... as typed.
std::vector<float> SpacingValues(const SearchRanges& ranges);

// One passing pattern with the numbers the design and cost reports show.
struct SearchCandidate {
    std::size_t priceRow = 0;  // index into the price list, which holds the name
    float length = 0;          // ft | m
    float diameter = 0;        // in | mm
    float grade = 0;           // ksi | MPa
    float price = 0;           // $ per bolt
    int boltsPerRow = 0;
    float rowSpacing = 0;
    float actualVELB = 0;
    float suggestedVELB = 0;
    float boltLengthDifference = 0;  // ft, actual minus suggested length
    float costPerBolt = 0;           // TOTAL row of the cost table
    float costPerAdvance = 0;        // $/ft, or $/m in a metric project
    float costPerShift = 0;
    float costPerTon = 0;
};

struct SearchOutcome {
    std::vector<SearchCandidate> ranked;  // best first
    std::size_t tried = 0;                // price rows x bolts per row x spacings
    std::size_t skipped = 0;              // a value outside the parameters editor's range
    std::size_t passed = 0;               // passed the design check (all of them, even when `ranked` is cut)
    bool cancelled = false;               // stopped before the end; the counts are of the rows done
};

// The most candidates one search may try: about 15 seconds on one core of a
// current machine, so that a range typed too wide is refused at once rather
// than running for hours.
inline constexpr std::size_t MaxSearchCandidates = 100'000'000;

// The number of candidates a search of `priceRows` bolts over the ranges
// tries (0 when the ranges have a problem), and why that is too many, or
// nullopt when it is not.
std::size_t CandidateCount(std::size_t priceRows, const SearchRanges& ranges);
std::optional<std::string> SearchSizeProblem(std::size_t priceRows, const SearchRanges& ranges);

// What a search running off the caller's thread reports and obeys: the
// progress after each price row (rows done, rows in all; always called on
// the caller's thread), a flag that stops it after the rows under way, and
// the number of threads: 0 uses every core for a search of more than
// `ParallelSearchCandidates` patterns and one thread below. The outcome is
// the same for any number of threads.
struct SearchControl {
    std::function<void(std::size_t done, std::size_t total)> progress;
    const std::atomic<bool>* cancel = nullptr;
    unsigned threads = 0;
};

// Below this many patterns a second thread costs more than it saves.
inline constexpr std::size_t ParallelSearchCandidates = 1'000'000;

// Runs the search. `keep` limits `ranked` to the best so many (0 keeps all).
// Ranges with a problem (RangesProblem) or too many candidates
// (SearchSizeProblem) give an empty outcome.
// Ranking: TOTAL $/ft (or $/m), then $/shift, then price-list order, then
// fewer bolts per row, then wider spacing. A pattern whose numbers overflow
// counts as skipped.
SearchOutcome SearchDesigns(const SearchProject& project, const std::vector<PriceRow>& prices,
                            const SearchRanges& ranges, std::size_t keep = 0, const SearchControl& control = {});

// The ranking of the search: true when `a` is listed before `b`.
bool CandidateRanksBefore(const SearchCandidate& a, const SearchCandidate& b);

// The project with a candidate put in: the first system's bolt length,
// diameter, grade, bolts per row and row spacing, and the cost record's bolt
// cost, bolts per row and row spacing.
SearchProject WithCandidate(const SearchProject& project, const SearchCandidate& candidate);

// "OK" or "longer": the bolt-length verdict of a passing candidate in one
// word (a candidate shorter by more than 1 ft does not pass).
const char* BoltLengthWord(const SearchCandidate& candidate);

// The columns a list of candidates shows, the same on the command line and
// in the window: rank, length, diameter, grade, bolts per row, spacing,
// actual and suggested VELB ("0.0"), the bolt-length word, and the TOTAL
// $/bolt, $/ft (or $/m), $/shift and $/ton ("0.00").
inline constexpr std::size_t SearchColumnCount = 13;
using SearchRowTexts = std::array<std::string, SearchColumnCount>;
SearchRowTexts SearchColumnHeadings(UnitSystem unitSystem);
SearchRowTexts SearchRowCells(const SearchCandidate& candidate, std::size_t rank);

// The passing rule on a design check of the pattern: the method applies, the
// first system's actual VELB is at least the suggested VELB, and its bolt is
// not shorter than the suggested length by more than 1 ft.
bool DesignPasses(const DesignResults& results);

}  // namespace castovin
