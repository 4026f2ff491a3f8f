#include "core/risk/reliable_search.h"

#include <algorithm>

#include "core/editing/parameter_editor.h"
#include "core/model/cost_analysis.h"
#include "core/text/runtime_error.h"

namespace castovin {

namespace {

bool SetByCandidate(StudyField f)
{
    return f == StudyField::BoltLength || f == StudyField::BoltDiameter || f == StudyField::BoltGrade ||
           f == StudyField::BoltsPerRow || f == StudyField::RowSpacing;
}

// Every pattern of the ranges priced by the cost model, with the design
// check's values at the project's own inputs; patterns outside the
// editor's ranges are counted, not priced.
std::vector<SearchCandidate> PricedCandidates(const SearchProject& project, const std::vector<PriceRow>& prices,
                                              const SearchRanges& ranges, std::size_t& skipped)
{
    std::vector<SearchCandidate> all;
    const std::vector<float> spacings = SpacingValues(ranges);
    const UnitSystem u = project.unitSystem;
    for (std::size_t row = 0; row < prices.size(); ++row) {
        const PriceRow& p = prices[row];
        for (int64_t n = ranges.boltsMin; n <= ranges.boltsMax; ++n) {
            for (float spacing : spacings) {
                SearchCandidate c;
                c.priceRow = row;
                c.length = p.length;
                c.diameter = p.diameter;
                c.grade = p.grade;
                c.price = p.price;
                c.boltsPerRow = static_cast<int>(n);
                c.rowSpacing = spacing;
                const bool valid = BoltFieldInRange(BoltField::ActualBoltLength, p.length, u) &&
                                   BoltFieldInRange(BoltField::BoltDiameter, p.diameter, u) &&
                                   BoltFieldInRange(BoltField::BoltGrade, p.grade, u) &&
                                   BoltFieldInRange(BoltField::BoltsPerRow, static_cast<double>(n), u) &&
                                   BoltFieldInRange(BoltField::RowSpacing, spacing, u);
                if (!valid) {
                    ++skipped;
                    continue;
                }
                const SearchProject with = WithCandidate(project, c);
                try {
                    const CostTable table = ComputeCostTable(with.cost);
                    const DesignResults design = ComputeDesignValues(with.support, u);
                    c.actualVELB = design.actualVELB[0];
                    c.suggestedVELB = design.suggestedVELB;
                    c.boltLengthDifference = design.boltLengthDifference[0];
                    c.costPerBolt = table[5][0];
                    c.costPerAdvance = table[5][1];
                    c.costPerShift = table[5][2];
                    c.costPerTon = table[5][3];
                    all.push_back(c);
                } catch (const RuntimeError&) {
                    ++skipped;
                }
            }
        }
    }
    return all;
}

}  // namespace

std::optional<std::string> StudySearchProblem(const Study& study)
{
    for (const VariedInput& in : study.inputs)
        if (SetByCandidate(in.field))
            return std::string("inputs.") + StudyFieldName(in.field) +
                   ": the search chooses this value; vary it in a study of one pattern with castovin-cli risk";
    return std::nullopt;
}

ReliableOutcome SearchReliableDesigns(const SearchProject& project, const std::vector<PriceRow>& prices,
                                      const SearchRanges& ranges, const Study& study, double minProbability,
                                      std::size_t keep, const RiskControl& control)
{
    ReliableOutcome outcome;
    if (SpacingValues(ranges).empty() || SearchSizeProblem(prices.size(), ranges))
        return outcome;
    outcome.tried = CandidateCount(prices.size(), ranges);
    std::vector<SearchCandidate> priced = PricedCandidates(project, prices, ranges, outcome.skipped);
    std::sort(priced.begin(), priced.end(), CandidateRanksBefore);
    RiskControl quiet = control;
    quiet.progress = nullptr;
    RiskSamples samples;
    if (!DrawSamples(study, project.unitSystem, samples, quiet)) {
        outcome.cancelled = true;
        return outcome;
    }
    for (const SearchCandidate& c : priced) {
        if (outcome.ranked.size() >= std::max<std::size_t>(keep, 1))
            break;
        if (!JudgeSamples(WithCandidate(project, c).support, project.unitSystem, samples, quiet)) {
            outcome.cancelled = true;
            break;
        }
        ++outcome.judged;
        const std::size_t passed =
            static_cast<std::size_t>(std::count(samples.classes.begin(), samples.classes.end(), SampleClass::Pass));
        const double p = static_cast<double>(passed) / static_cast<double>(samples.Count());
        if (p >= minProbability) {
            const auto interval = WilsonInterval(passed, samples.Count());
            outcome.ranked.push_back({c, p, interval[0], interval[1]});
        }
        if (control.progress)
            control.progress(outcome.judged, priced.size());
    }
    return outcome;
}

}  // namespace castovin
