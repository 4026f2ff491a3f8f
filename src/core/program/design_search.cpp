#include "program/design_search.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "editing/parameter_editor.h"
#include "model/cost_analysis.h"
#include "text/number_format.h"
#include "text/runtime_error.h"

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

// The working copies one price row is searched with: the project with the
// row's bolt put in.
struct RowSearch {
    const SearchProject& project;
    const std::vector<float>& spacings;
    std::array<SupportRecord, 2> support;
    CostRecord cost;
    std::vector<SearchCandidate>& found;
    std::size_t keep = 0;
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
    void Try(const SearchCandidate& bolt, int64_t boltsPerRow, float spacing)
    {
        support[0].BoltsPerRow = static_cast<float>(boltsPerRow);
        support[0].RowSpacing = spacing;
        cost.CostBoltsPerRow = static_cast<float>(boltsPerRow);
        cost.CostRowSpacing = spacing;
        try {
            const DesignResults design = ComputeDesignValues(support, project.unitSystem);
            if (!DesignPasses(design))
                return;
            const CostTable table = ComputeCostTable(cost);
            SearchCandidate c = bolt;
            c.boltsPerRow = static_cast<int>(boltsPerRow);
            c.rowSpacing = spacing;
            c.actualVELB = design.actualVELB[0];
            c.suggestedVELB = design.suggestedVELB;
            c.boltLengthDifference = design.boltLengthDifference[0];
            c.costPerBolt = table[5][0];
            c.costPerAdvance = table[5][1];
            c.costPerShift = table[5][2];
            c.costPerTon = table[5][3];
            Keep(c);
        } catch (const RuntimeError&) {
            ++skipped;  // numbers beyond the float range: the design cannot be checked
        }
    }

    void Run(std::size_t index, const PriceRow& row, const SearchRanges& ranges)
    {
        support[0].ActualBoltLength = row.length;
        support[0].BoltDiameter = row.diameter;
        support[0].BoltGrade = row.grade;
        cost.BoltCost = row.price;
        SearchCandidate bolt;
        bolt.priceRow = index;
        bolt.length = row.length;
        bolt.diameter = row.diameter;
        bolt.grade = row.grade;
        bolt.price = row.price;
        const UnitSystem u = project.unitSystem;
        const bool boltValid = BoltInRange(row, u);
        // 64-bit so that a range ending at the largest int still ends.
        for (int64_t n = ranges.boltsMin; n <= ranges.boltsMax; ++n) {
            const bool rowValid = boltValid && BoltFieldInRange(BoltField::BoltsPerRow, static_cast<double>(n), u);
            for (float spacing : spacings) {
                if (rowValid && BoltFieldInRange(BoltField::RowSpacing, spacing, u))
                    Try(bolt, n, spacing);
                else
                    ++skipped;
            }
        }
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

std::optional<std::string> RangesProblem(const SearchRanges& r)
{
    if (r.boltsMin > r.boltsMax)
        return "bolts per row: MIN is above MAX";
    if (double(r.boltsMax) - r.boltsMin + 1 > kMaxRangeValues)
        return "bolts per row: too many values";
    if (!std::isfinite(r.spacingMin) || !std::isfinite(r.spacingMax) || !std::isfinite(r.spacingStep))
        return "spacing: not a number";
    if (r.spacingMin > r.spacingMax)
        return "spacing: MIN is above MAX";
    if (!(r.spacingStep > 0))
        return "spacing: STEP must be above 0";
    if ((r.spacingMax - r.spacingMin) / r.spacingStep + 1 > kMaxRangeValues)
        return "spacing: too many values";
    return std::nullopt;
}

std::vector<float> SpacingValues(const SearchRanges& r)
{
    std::vector<float> values;
    if (RangesProblem(r))
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
    if (RangesProblem(ranges))
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

SearchOutcome SearchDesigns(const SearchProject& project, const std::vector<PriceRow>& prices,
                            const SearchRanges& ranges, std::size_t keep, const SearchControl& control)
{
    SearchOutcome outcome;
    const std::vector<float> spacings = SpacingValues(ranges);
    if (spacings.empty() || SearchSizeProblem(prices.size(), ranges))
        return outcome;
    RowSearch search{project, spacings, project.support, project.cost, outcome.ranked, keep};
    std::size_t done = 0;
    for (; done < prices.size(); ++done) {
        if (control.cancel != nullptr && control.cancel->load(std::memory_order_relaxed)) {
            outcome.cancelled = true;
            break;
        }
        search.Run(done, prices[done], ranges);
        if (control.progress)
            control.progress(done + 1, prices.size());
    }
    outcome.tried = CandidateCount(done, ranges);
    outcome.skipped = search.skipped;
    outcome.passed = search.passed;
    if (keep > 0)
        std::sort_heap(outcome.ranked.begin(), outcome.ranked.end(), RanksBefore);
    else
        std::sort(outcome.ranked.begin(), outcome.ranked.end(), RanksBefore);
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
