#include "core/program/design_search.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <thread>

#include "core/editing/parameter_editor.h"
#include "core/model/cost_analysis.h"
#include "core/model/pattern_check.h"
#include "core/text/number_format.h"
#include "core/text/runtime_error.h"

namespace castovin {

namespace {

// More values than this in one range is a typing mistake, not a search.
constexpr double kMaxRangeValues = 100000;

// Lets 1:2:0.1 reach 2 although (2 - 1) / 0.1 is a hair below 10 in doubles.
constexpr double kStepSlack = 1e-9;

// The numbers of bolts per row and of spacings of ranges without a problem.
std::size_t BoltCount(const SearchRanges& r)
{
    return static_cast<std::size_t>(int64_t(r.boltsMax) - r.boltsMin + 1);
}

std::size_t SpacingCount(const SearchRanges& r)
{
    return static_cast<std::size_t>(std::floor((r.spacingMax - r.spacingMin) / r.spacingStep + kStepSlack)) + 1;
}

bool RanksBefore(const SearchCandidate& a, const SearchCandidate& b)
{
    if (a.costPerAdvance != b.costPerAdvance)
        return a.costPerAdvance < b.costPerAdvance;
    if (a.costPerShift != b.costPerShift)
        return a.costPerShift < b.costPerShift;
    if (a.priceRow != b.priceRow)
        return a.priceRow < b.priceRow;
    if (a.boltsPerRow != b.boltsPerRow)
        return a.boltsPerRow < b.boltsPerRow;
    return a.rowSpacing > b.rowSpacing;
}

bool BoltInRange(const PriceRow& row, UnitSystem u)
{
    return BoltFieldInRange(BoltField::ActualBoltLength, row.length, u) &&
           BoltFieldInRange(BoltField::BoltDiameter, row.diameter, u) &&
           BoltFieldInRange(BoltField::BoltGrade, row.grade, u);
}

// The values of the ranges that are in the parameters editor's range, with
// their working values; the others are counted as skipped.
struct SearchGrid {
    std::vector<int64_t> bolts;  // per row, 64-bit so that a range ending at the largest int still ends
    std::vector<float> spacings;
    std::vector<PatternSpacing> workingSpacings;
    std::size_t boltValues = 0;
    std::size_t spacingValues = 0;
};

SearchGrid MakeGrid(const PatternChecker& checker, const std::vector<float>& spacings, const SearchRanges& ranges,
                    UnitSystem u)
{
    SearchGrid grid;
    for (int64_t n = ranges.boltsMin; n <= ranges.boltsMax; ++n) {
        ++grid.boltValues;
        if (BoltFieldInRange(BoltField::BoltsPerRow, static_cast<double>(n), u))
            grid.bolts.push_back(n);
    }
    grid.spacingValues = spacings.size();
    for (float spacing : spacings)
        if (BoltFieldInRange(BoltField::RowSpacing, spacing, u)) {
            grid.spacings.push_back(spacing);
            grid.workingSpacings.push_back(checker.Spacing(spacing));
        }
    return grid;
}

// One part of the price list searched: the passing patterns kept and the
// counts.
struct RowSearch {
    const PatternChecker& checker;
    const PatternCost& pricing;
    const SearchGrid& grid;
    UnitSystem unitSystem;
    std::size_t keep = 0;
    std::vector<SearchCandidate> found;
    std::size_t skipped = 0;
    std::size_t passed = 0;

    // Keeps a passing pattern: all of them, or with a limit the best `keep`
    // as a heap whose front is the worst kept, so that a long search never
    // holds more than it will list.
    void Keep(const SearchCandidate& c)
    {
        ++passed;
        if (keep == 0) {
            found.push_back(c);
        } else if (found.size() < keep) {
            found.push_back(c);
            std::push_heap(found.begin(), found.end(), RanksBefore);
        } else if (RanksBefore(c, found.front())) {
            std::pop_heap(found.begin(), found.end(), RanksBefore);
            found.back() = c;
            std::push_heap(found.begin(), found.end(), RanksBefore);
        }
    }

    // Checks one pattern; keeps it when it passes.
    void Try(const SearchCandidate& bolt, const PatternBolt& working, int64_t boltsPerRow, std::size_t spacing)
    {
        const auto nb = static_cast<float>(boltsPerRow);
        const PatternCheck check = checker.Check(working, nb, grid.workingSpacings[spacing]);
        if (check.outcome != PatternCheck::Outcome::Passes) {
            if (check.outcome == PatternCheck::Outcome::Faulted)
                ++skipped;  // numbers beyond the float range: the design cannot be checked
            return;
        }
        try {
            const std::array<float, 4> total = pricing.Total(bolt.price, nb, grid.spacings[spacing]);
            SearchCandidate c = bolt;
            c.boltsPerRow = static_cast<int>(boltsPerRow);
            c.rowSpacing = grid.spacings[spacing];
            c.actualVELB = check.actualVELB;
            c.suggestedVELB = check.suggestedVELB;
            c.boltLengthDifference = check.boltLengthDifference;
            c.costPerBolt = total[0];
            c.costPerAdvance = total[1];
            c.costPerShift = total[2];
            c.costPerTon = total[3];
            Keep(c);
        } catch (const RuntimeError&) {
            ++skipped;
        }
    }

    void Run(std::size_t index, const PriceRow& row)
    {
        SearchCandidate bolt;
        bolt.priceRow = index;
        bolt.length = row.length;
        bolt.diameter = row.diameter;
        bolt.grade = row.grade;
        bolt.price = row.price;
        const std::size_t perRow = grid.boltValues * grid.spacingValues;
        if (!BoltInRange(row, unitSystem)) {
            skipped += perRow;
            return;
        }
        skipped += perRow - grid.bolts.size() * grid.spacings.size();
        const PatternBolt working = checker.Bolt(row.length, row.diameter, row.grade);
        for (int64_t n : grid.bolts)
            for (std::size_t i = 0; i < grid.spacings.size(); ++i)
                Try(bolt, working, n, i);
    }
};

}  // namespace

SearchRanges DefaultSearchRanges(UnitSystem unitSystem)
{
    SearchRanges r;
    if (unitSystem != UnitSystem::English) {
        r.spacingMin = 1;
        r.spacingMax = 2;
        r.spacingStep = 0.1;
    }
    return r;
}

std::optional<RangesFault> RangesFaultOf(const SearchRanges& r)
{
    if (r.boltsMin > r.boltsMax)
        return RangesFault::BoltsMinAboveMax;
    if (double(r.boltsMax) - r.boltsMin + 1 > kMaxRangeValues)
        return RangesFault::TooManyBolts;
    if (!std::isfinite(r.spacingMin) || !std::isfinite(r.spacingMax) || !std::isfinite(r.spacingStep))
        return RangesFault::SpacingNotANumber;
    if (r.spacingMin > r.spacingMax)
        return RangesFault::SpacingMinAboveMax;
    if (!(r.spacingStep > 0))
        return RangesFault::StepNotAboveZero;
    if ((r.spacingMax - r.spacingMin) / r.spacingStep + 1 > kMaxRangeValues)
        return RangesFault::TooManySpacings;
    return std::nullopt;
}

std::optional<std::string> RangesProblem(const SearchRanges& r)
{
    const std::optional<RangesFault> fault = RangesFaultOf(r);
    if (!fault)
        return std::nullopt;
    switch (*fault) {
    case RangesFault::BoltsMinAboveMax:
        return "bolts per row: MIN is above MAX";
    case RangesFault::TooManyBolts:
        return "bolts per row: too many values";
    case RangesFault::SpacingNotANumber:
        return "spacing: not a number";
    case RangesFault::SpacingMinAboveMax:
        return "spacing: MIN is above MAX";
    case RangesFault::StepNotAboveZero:
        return "spacing: STEP must be above 0";
    case RangesFault::TooManySpacings:
        break;
    }
    return "spacing: too many values";
}

std::string RangesFaultText(RangesFault fault)
{
    switch (fault) {
    case RangesFault::BoltsMinAboveMax:
        return "The first number of bolts per row is above the last.";
    case RangesFault::TooManyBolts:
        return "The numbers of bolts per row are too many to search.";
    case RangesFault::SpacingNotANumber:
        return "The row spacings must be numbers.";
    case RangesFault::SpacingMinAboveMax:
        return "The first row spacing is above the last.";
    case RangesFault::StepNotAboveZero:
        return "The spacing step must be above 0.";
    case RangesFault::TooManySpacings:
        break;
    }
    return "The row spacings are too many to search; take a larger spacing step.";
}

std::vector<float> SpacingValues(const SearchRanges& r)
{
    std::vector<float> values;
    if (RangesFaultOf(r))
        return values;
    const std::size_t count = SpacingCount(r);
    values.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        values.push_back(static_cast<float>(r.spacingMin + double(i) * r.spacingStep));
    return values;
}

bool DesignPasses(const DesignResults& r)
{
    // The bolt-length test is the one of the "probably not valid" warning.
    return r.suitable && r.actualVELB[0] >= r.suggestedVELB &&
           BoltLengthFitOf(r.boltLengthDifference[0]) != BoltLengthFit::Shorter;
}

std::size_t CandidateCount(std::size_t priceRows, const SearchRanges& ranges)
{
    if (RangesFaultOf(ranges))
        return 0;
    // Each factor is at most 100,000 values (RangesProblem); only the price
    // list can make the product overflow, so saturate rather than wrap.
    const std::size_t perRow = BoltCount(ranges) * SpacingCount(ranges);
    if (perRow != 0 && priceRows > std::numeric_limits<std::size_t>::max() / perRow)
        return std::numeric_limits<std::size_t>::max();
    return priceRows * perRow;
}

std::optional<std::string> SearchSizeProblem(std::size_t priceRows, const SearchRanges& ranges)
{
    const std::size_t count = CandidateCount(priceRows, ranges);
    if (count <= MaxSearchCandidates)
        return std::nullopt;
    return std::to_string(count) + " candidates asked for (" + std::to_string(priceRows) + " price rows x " +
           std::to_string(BoltCount(ranges)) + " bolts per row x " + std::to_string(SpacingCount(ranges)) +
           " spacings), above the limit of " + std::to_string(MaxSearchCandidates) +
           "; narrow the ranges or shorten the price list";
}

namespace {

// The price rows handed out to the threads a few at a time, so that a thread
// slowed by other work on the machine takes fewer of them.
struct RowQueue {
    std::size_t total = 0;
    std::size_t chunk = 1;
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> done{0};
    std::atomic<bool> stopped{false};
};

// Searches rows from the queue until it is empty or the search is cancelled;
// `report` is called after each row (on the caller's thread only).
void SearchRows(RowSearch& search, const std::vector<PriceRow>& prices, RowQueue& queue, const SearchControl& control,
                bool report)
{
    for (;;) {
        const std::size_t first = queue.next.fetch_add(queue.chunk);
        if (first >= queue.total)
            return;
        const std::size_t last = std::min(queue.total, first + queue.chunk);
        for (std::size_t row = first; row < last; ++row) {
            if (control.cancel != nullptr && control.cancel->load(std::memory_order_relaxed)) {
                queue.stopped = true;
                return;
            }
            search.Run(row, prices[row]);
            const std::size_t done = queue.done.fetch_add(1) + 1;
            if (report && control.progress)
                control.progress(done, queue.total);
        }
    }
}

unsigned ThreadsFor(const SearchControl& control, std::size_t candidates, std::size_t rows)
{
    unsigned threads = control.threads;
    if (threads == 0)
        threads = candidates > ParallelSearchCandidates ? std::max(1u, std::thread::hardware_concurrency()) : 1;
    return static_cast<unsigned>(std::min<std::size_t>(threads, std::max<std::size_t>(rows, 1)));
}

// The ranked list of the patterns kept by every thread: the order is total
// (price row, bolts per row and spacing tell any two patterns apart), so
// the list does not depend on which thread found what.
std::vector<SearchCandidate> MergeRanked(std::vector<RowSearch>& parts, std::size_t keep)
{
    std::vector<SearchCandidate> ranked = std::move(parts.front().found);
    for (std::size_t i = 1; i < parts.size(); ++i)
        ranked.insert(ranked.end(), parts[i].found.begin(), parts[i].found.end());
    if (keep > 0 && ranked.size() > keep) {
        std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(keep), ranked.end(),
                          RanksBefore);
        ranked.resize(keep);
    } else {
        std::sort(ranked.begin(), ranked.end(), RanksBefore);
    }
    return ranked;
}

}  // namespace

SearchOutcome SearchDesigns(const SearchProject& project, const std::vector<PriceRow>& prices,
                            const SearchRanges& ranges, std::size_t keep, const SearchControl& control)
{
    SearchOutcome outcome;
    const std::vector<float> spacings = SpacingValues(ranges);
    if (spacings.empty() || SearchSizeProblem(prices.size(), ranges))
        return outcome;
    const PatternChecker checker(project.support, project.unitSystem);
    const PatternCost pricing(project.cost);
    const SearchGrid grid = MakeGrid(checker, spacings, ranges, project.unitSystem);
    const unsigned threads = ThreadsFor(control, CandidateCount(prices.size(), ranges), prices.size());
    std::vector<RowSearch> parts(threads, RowSearch{checker, pricing, grid, project.unitSystem, keep, {}});
    RowQueue queue;
    queue.total = prices.size();
    queue.chunk = threads == 1 ? 1 : std::max<std::size_t>(1, prices.size() / (threads * 16));
    {
        std::vector<std::jthread> helpers;
        for (unsigned t = 1; t < threads; ++t)
            helpers.emplace_back([&, t] { SearchRows(parts[t], prices, queue, control, false); });
        SearchRows(parts[0], prices, queue, control, true);
    }
    const std::size_t done = queue.done.load();
    outcome.cancelled = queue.stopped.load();
    if (threads > 1 && control.progress)
        control.progress(done, prices.size());  // the rows the other threads finished last
    outcome.tried = CandidateCount(done, ranges);
    for (const RowSearch& part : parts) {
        outcome.skipped += part.skipped;
        outcome.passed += part.passed;
    }
    outcome.ranked = MergeRanked(parts, keep);
    return outcome;
}

bool CandidateRanksBefore(const SearchCandidate& a, const SearchCandidate& b)
{
    return RanksBefore(a, b);
}

SearchProject WithCandidate(const SearchProject& project, const SearchCandidate& c)
{
    SearchProject out = project;
    SupportRecord& s = out.support[0];
    s.ActualBoltLength = c.length;
    s.BoltDiameter = c.diameter;
    s.BoltGrade = c.grade;
    s.BoltsPerRow = static_cast<float>(c.boltsPerRow);
    s.RowSpacing = c.rowSpacing;
    out.cost.BoltCost = c.price;
    out.cost.CostBoltsPerRow = static_cast<float>(c.boltsPerRow);
    out.cost.CostRowSpacing = c.rowSpacing;
    return out;
}

SearchRowTexts SearchColumnHeadings(UnitSystem u)
{
    // The unit labels of the reports, " (ft)" and so on.
    const std::string length(UnitLabel(UnitKind::Length, u));
    return {"Rank",
            "Length" + length,
            "Diameter" + std::string(UnitLabel(UnitKind::Diameter, u)),
            "Grade" + std::string(UnitLabel(UnitKind::Grade, u)),
            "Bolts/row",
            "Spacing" + length,
            "Actual VELB",
            "Suggested VELB",
            "Bolt length",
            "$/bolt",
            u != UnitSystem::English ? "$/m" : "$/ft",
            "$/shift",
            "$/ton"};
}

SearchRowTexts SearchRowCells(const SearchCandidate& c, std::size_t rank)
{
    return {std::to_string(rank),
            GeneralNumber(c.length),
            GeneralNumber(c.diameter),
            GeneralNumber(c.grade),
            std::to_string(c.boltsPerRow),
            GeneralNumber(c.rowSpacing),
            FormatNumber(c.actualVELB, "0.0"),
            FormatNumber(c.suggestedVELB, "0.0"),
            BoltLengthWord(c),
            FormatNumber(c.costPerBolt, "0.00"),
            FormatNumber(c.costPerAdvance, "0.00"),
            FormatNumber(c.costPerShift, "0.00"),
            FormatNumber(c.costPerTon, "0.00")};
}

const char* BoltLengthWord(const SearchCandidate& c)
{
    return BoltLengthFitOf(c.boltLengthDifference) == BoltLengthFit::Longer ? "longer" : "OK";
}

}  // namespace castovin
