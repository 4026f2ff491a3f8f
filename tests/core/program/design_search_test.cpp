// The design search: the best patterns of the example projects worked out
// by hand, the passing rule checked against the design report of every
// listed pattern, the ranking order, the skipped count and the ranges.

#include <algorithm>
#include <atomic>
#include <limits>
#include <tuple>

#include <gtest/gtest.h>

#include "core/files/project_file.h"
#include "core/model/cost_analysis.h"
#include "core/model/design_analysis.h"
#include "core/model/price_list.h"
#include "core/program/design_search.h"
#include "core/text/atomic_file.h"
#include "core/text/number_format.h"
#include "core/text/unicode.h"
#include "test_text.h"

namespace castovin {
namespace {

Project Example(const std::string& name)
{
    Project data;
    const std::string text = DecodeFileText(ReadWholeFile(std::string(CASTOVIN_EXAMPLES) + "/" + name));
    EXPECT_EQ(ParseProjectFile(text, name, data), ParseOutcome::Read);
    return data;
}

SearchProject SearchOf(const Project& data)
{
    return {data.units, data.Support, data.Cost};
}

std::vector<PriceRow> ExamplePrices(const std::string& name)
{
    const PriceListRead read = ReadPriceListFile(std::string(CASTOVIN_EXAMPLES) + "/" + name);
    EXPECT_FALSE(read.problem);
    return read.rows;
}

// The costs that do not depend on the bolt or the pattern, per bolt, for the
// cost inputs of both example projects (plate 1, resin 1.5, bit 67, no
// header or strap, 300 bolts a shift, 2 operators at 35 $/h for 8 h,
// maintenance 2 h a week and 30000 $/yr, transport 100, 1000000 over 5
// years, 12 shifts a week for 50 weeks = 600 shifts a year):
//   consumables without the bolt 1 + 1.5 + 67/300          = 2.72333
//   labor       35 x 2 x 8 / 300                            = 1.86667
//   maintenance (35 x 2 x 50 + 30000) / 600 / 300           = 0.18611
//   transport   100 / 300                                   = 0.33333
//   ownership   1000000 / 5 / 600 / 300                     = 1.11111
//                                                     total  = 6.22056
constexpr double kCostBesidesTheBolt = 6.22056;

TEST(DesignSearch, EnglishExampleBestPatternWorkedByHand)
{
    // Suggested VELB (CMRR 45, 400 ft, 30 ft span, SF 1.2) = 6.0861 and
    // suggested length 4.7809 ft. For the 6 ft, 0.75 in, grade 75 bolt at
    // 4.25 $: VELB = 0.5625 x 6 x 0.785398 x 75 / 20 x Nb / S
    //   = 9.9402 x Nb / S, so Nb / S must be at least 0.6123:
    // 3 bolts at 4.5 ft give 6.627 (at 5 ft only 5.964, failing), and cost
    // (4.25 + 6.22056) x 3 / 4.5 = 6.9804 $/ft. 4 bolts at 6 ft cost the
    // same per ft and per shift, so the rule "fewer bolts per row" puts
    // 3 at 4.5 ft first. Every cheaper bolt needs more bolts per foot: the
    // 5 ft grade 75 bolt at 3.70 $ (VELB 8.2835 x Nb / S) needs 3 at 4 ft,
    // 0.75 x 9.92056 = 7.4404 $/ft.
    const Project data = Example("default-english.vlb");
    const std::vector<PriceRow> prices = ExamplePrices("prices-english.csv");
    const SearchOutcome outcome = SearchDesigns(SearchOf(data), prices, DefaultSearchRanges(UnitSystem::English));
    EXPECT_EQ(outcome.tried, 10u * 4u * 7u);
    EXPECT_EQ(outcome.skipped, 0u);
    ASSERT_GE(outcome.ranked.size(), 3u);

    const SearchCandidate& best = outcome.ranked[0];
    EXPECT_EQ(best.priceRow, 6u);
    EXPECT_EQ(std::tie(best.length, best.diameter, best.grade, best.price), std::make_tuple(6.0f, 0.75f, 75.0f, 4.25f));
    EXPECT_EQ(best.boltsPerRow, 3);
    EXPECT_EQ(best.rowSpacing, 4.5f);
    EXPECT_NEAR(best.actualVELB, 6.6268, 0.0005);
    EXPECT_NEAR(best.suggestedVELB, 6.0861, 0.0005);
    EXPECT_NEAR(best.boltLengthDifference, 6 - 4.7809, 0.0005);
    EXPECT_STREQ(BoltLengthWord(best), "longer");
    EXPECT_NEAR(best.costPerBolt, 4.25 + kCostBesidesTheBolt, 0.0005);
    EXPECT_NEAR(best.costPerAdvance, (4.25 + kCostBesidesTheBolt) * 3 / 4.5, 0.0005);
    EXPECT_NEAR(best.costPerShift, (4.25 + kCostBesidesTheBolt) * 300, 0.005);
    // Advance 300 / 3 x 4.5 = 450 ft a shift, 4 tons a foot: 1800 tons.
    EXPECT_NEAR(best.costPerTon, (4.25 + kCostBesidesTheBolt) * 300 / 1800, 0.0005);

    const SearchCandidate& second = outcome.ranked[1];
    EXPECT_EQ(std::tie(second.priceRow, second.boltsPerRow, second.rowSpacing),
              std::make_tuple(std::size_t{6}, 4, 6.0f));
    EXPECT_EQ(second.costPerAdvance, best.costPerAdvance);
    // Then the 6 ft, 0.875 in bolt at 7.90 $: 3 at 6 ft, (7.90 + 6.22056) / 2.
    const SearchCandidate& third = outcome.ranked[2];
    EXPECT_EQ(std::tie(third.priceRow, third.boltsPerRow, third.rowSpacing), std::make_tuple(std::size_t{7}, 3, 6.0f));
    EXPECT_NEAR(third.costPerAdvance, (7.90 + kCostBesidesTheBolt) / 2, 0.0005);

    const auto listed = [&](std::size_t row, int bolts, float spacing) {
        return std::any_of(outcome.ranked.begin(), outcome.ranked.end(), [&](const SearchCandidate& c) {
            return c.priceRow == row && c.boltsPerRow == bolts && c.rowSpacing == spacing;
        });
    };
    EXPECT_FALSE(listed(6, 3, 5.0f));  // VELB 5.964 < 6.086
}

TEST(DesignSearch, MetricExampleBestPatternWorkedByHand)
{
    // 150 m = 492.13 ft of cover, span 9 m = 29.528 ft, entry 6.2 m =
    // 20.341 ft: suggested VELB 1.2 x ((31.7 - 29.528) x -0.3 + 5.7 x
    // 2.69208 - 15.75 + 6.5) = 6.5317, suggested length 4.8687 ft. The
    // 2.1 m (6.8898 ft), 20 mm (0.787402 in), 520 MPa (75.419 ksi) bolt at
    // 3.90 $: VELB = 0.620001 x 6.8898 x 3 x 0.785398 x 75.419 / (S x 20.341)
    // with S = 1.7 m = 5.5774 ft gives 6.6909 (1.8 m gives 6.3192, failing);
    // (3.90 + 6.22056) x 3 / 1.7 = 17.8598 $/m. The 2.1 m, 22 mm bolt at
    // 6.10 $ reaches 2 m but costs (6.10 + 6.22056) x 3 / 2 = 18.4808 $/m.
    const Project data = Example("default-metric.vlb");
    const std::vector<PriceRow> prices = ExamplePrices("prices-metric.csv");
    const SearchOutcome outcome = SearchDesigns(SearchOf(data), prices, DefaultSearchRanges(UnitSystem::Metric));
    EXPECT_EQ(outcome.tried, 9u * 4u * 11u);
    EXPECT_EQ(outcome.skipped, 0u);
    ASSERT_GE(outcome.ranked.size(), 2u);

    const SearchCandidate& best = outcome.ranked[0];
    EXPECT_EQ(best.priceRow, 5u);
    EXPECT_EQ(std::tie(best.length, best.diameter, best.grade, best.price), std::make_tuple(2.1f, 20.0f, 520.0f, 3.9f));
    EXPECT_EQ(best.boltsPerRow, 3);
    EXPECT_EQ(best.rowSpacing, 1.7f);  // 1 + 7 x 0.1, the float of "1.7"
    EXPECT_NEAR(best.actualVELB, 6.6909, 0.0005);
    EXPECT_NEAR(best.suggestedVELB, 6.5317, 0.0005);
    EXPECT_NEAR(best.costPerAdvance, (3.90 + kCostBesidesTheBolt) * 3 / 1.7, 0.0005);
    EXPECT_NEAR(best.costPerShift, (3.90 + kCostBesidesTheBolt) * 300, 0.005);
    // Advance 300 / 3 x 1.7 = 170 m a shift at 12 tonnes a metre: 2040.
    EXPECT_NEAR(best.costPerTon, (3.90 + kCostBesidesTheBolt) * 300 / 2040, 0.0005);

    const SearchCandidate& second = outcome.ranked[1];
    EXPECT_EQ(std::tie(second.priceRow, second.boltsPerRow, second.rowSpacing),
              std::make_tuple(std::size_t{6}, 3, 2.0f));
    EXPECT_NEAR(second.costPerAdvance, (6.10 + kCostBesidesTheBolt) * 3 / 2, 0.0005);
}

// Every listed pattern, put into the project, written out as a project file
// and read back, passes the design report: the method applies, the report's
// actual VELB is not below the suggested one, the bolt-length verdict is not
// "probably not valid"; and the report and the cost table show the numbers
// of the list. Every pattern left out fails one of these.
void ExpectListIsExactlyThePassingPatterns(const std::string& projectName, const std::string& pricesName,
                                           const SearchRanges& ranges)
{
    SCOPED_TRACE(projectName);
    const Project data = Example(projectName);
    const SearchProject project = SearchOf(data);
    const std::vector<PriceRow> prices = ExamplePrices(pricesName);
    const SearchOutcome outcome = SearchDesigns(project, prices, ranges);
    ASSERT_FALSE(outcome.ranked.empty());
    EXPECT_EQ(outcome.passed, outcome.ranked.size());

    std::size_t checked = 0;
    for (std::size_t row = 0; row < prices.size(); ++row) {
        for (int bolts = ranges.boltsMin; bolts <= ranges.boltsMax; ++bolts) {
            for (float spacing : SpacingValues(ranges)) {
                SearchCandidate pattern;
                pattern.priceRow = row;
                std::tie(pattern.length, pattern.diameter, pattern.grade, pattern.price) =
                    std::make_tuple(prices[row].length, prices[row].diameter, prices[row].grade, prices[row].price);
                pattern.boltsPerRow = bolts;
                pattern.rowSpacing = spacing;
                const SearchProject with = WithCandidate(project, pattern);
                Project written = data;
                written.Support = with.support;
                written.Cost = with.cost;
                Project reread;
                ASSERT_EQ(ParseProjectFile(ProjectFileText(written), "out.vlb", reread), ParseOutcome::Read);
                const DesignResults design = ComputeDesign(reread.Support, reread.units);
                const std::string report = DesignReportText(design, reread.units);
                const bool passes = design.suitable && design.actualVELB[0] >= design.suggestedVELB &&
                                    !test::Contains(design.boltLengthVerdict[0], "probably not valid");

                const auto found =
                    std::find_if(outcome.ranked.begin(), outcome.ranked.end(), [&](const SearchCandidate& c) {
                        return c.priceRow == row && c.boltsPerRow == bolts && c.rowSpacing == spacing;
                    });
                const bool listed = found != outcome.ranked.end();
                EXPECT_EQ(listed, passes) << "row " << row << ", " << bolts << " bolts at " << spacing;
                if (!listed)
                    continue;
                ++checked;
                EXPECT_TRUE(test::Contains(
                    report, "VELB for " + std::string(design.numberOfSystems == 1 ? "this design" : "Bolt System #1")));
                EXPECT_EQ(found->actualVELB, design.actualVELB[0]);
                EXPECT_EQ(found->suggestedVELB, design.suggestedVELB);
                EXPECT_EQ(found->boltLengthDifference, design.boltLengthDifference[0]);
                const CostTable costs = ComputeCostTable(reread.Cost);
                EXPECT_EQ(found->costPerBolt, costs[5][0]);
                EXPECT_EQ(found->costPerAdvance, costs[5][1]);
                EXPECT_EQ(found->costPerShift, costs[5][2]);
                EXPECT_EQ(found->costPerTon, costs[5][3]);
            }
        }
    }
    EXPECT_EQ(checked, outcome.ranked.size());
}

TEST(DesignSearch, ListedPatternsAreExactlyThoseThatPassTheDesignReport)
{
    ExpectListIsExactlyThePassingPatterns("default-english.vlb", "prices-english.csv",
                                          DefaultSearchRanges(UnitSystem::English));
    ExpectListIsExactlyThePassingPatterns("default-metric.vlb", "prices-metric.csv",
                                          DefaultSearchRanges(UnitSystem::Metric));
    // Two systems: only the first system's VELB counts.
    ExpectListIsExactlyThePassingPatterns("cable-bolts-intersections.vlb", "prices-english.csv",
                                          SearchRanges{2, 7, 2.5, 6.5, 0.25});
}

TEST(DesignSearch, RankingIsByCostThenListOrderThenFewerBoltsThenWiderSpacing)
{
    const Project data = Example("default-english.vlb");
    const std::vector<PriceRow> prices = ExamplePrices("prices-english.csv");
    const SearchOutcome all = SearchDesigns(SearchOf(data), prices, DefaultSearchRanges(UnitSystem::English));
    ASSERT_GT(all.ranked.size(), 20u);
    const auto key = [](const SearchCandidate& c) {
        return std::make_tuple(c.costPerAdvance, c.costPerShift, c.priceRow, c.boltsPerRow, -c.rowSpacing);
    };
    for (std::size_t i = 1; i < all.ranked.size(); ++i)
        EXPECT_LT(key(all.ranked[i - 1]), key(all.ranked[i])) << "at rank " << i + 1;

    // The same list with the same price twice: the earlier row ranks first.
    std::vector<PriceRow> doubled = {prices[6], prices[6]};
    const SearchOutcome twice = SearchDesigns(SearchOf(data), doubled, DefaultSearchRanges(UnitSystem::English));
    ASSERT_GE(twice.ranked.size(), 2u);
    EXPECT_EQ(twice.ranked[0].priceRow, 0u);
    EXPECT_EQ(twice.ranked[1].priceRow, 0u);  // 4 bolts at 6 ft ties with 3 at 4.5 ft
    EXPECT_EQ(twice.ranked[2].priceRow, 1u);

    // A cut list is the head of the whole list; the counts stay those of all.
    const SearchOutcome top = SearchDesigns(SearchOf(data), prices, DefaultSearchRanges(UnitSystem::English), 5);
    ASSERT_EQ(top.ranked.size(), 5u);
    EXPECT_EQ(top.passed, all.passed);
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(key(top.ranked[i]), key(all.ranked[i]));
}

// Any number of threads gives the same list and counts, cut or whole, and
// the progress ends at every row done.
TEST(DesignSearch, SameOutcomeForAnyNumberOfThreads)
{
    const SearchProject project = SearchOf(Example("default-english.vlb"));
    std::vector<PriceRow> prices;
    for (int copy = 0; copy < 20; ++copy)
        for (const PriceRow& row : ExamplePrices("prices-english.csv"))
            prices.push_back({row.length + 0.01f * static_cast<float>(copy), row.diameter, row.grade,
                              row.price + 0.1f * static_cast<float>(copy % 3), ""});
    const SearchRanges ranges{1, 12, 0.5, 8, 0.05};
    const auto key = [](const SearchOutcome& o) {
        std::vector<std::tuple<std::size_t, int, float, float, float>> rows;
        for (const SearchCandidate& c : o.ranked)
            rows.emplace_back(c.priceRow, c.boltsPerRow, c.rowSpacing, c.costPerAdvance, c.actualVELB);
        return std::make_tuple(rows, o.tried, o.skipped, o.passed, o.cancelled);
    };
    for (std::size_t keep : {std::size_t{0}, std::size_t{10}}) {
        SearchControl one;
        one.threads = 1;
        const SearchOutcome single = SearchDesigns(project, prices, ranges, keep, one);
        ASSERT_GT(single.passed, 1000u);
        for (unsigned threads : {2u, 3u, 0u}) {
            SearchControl control;
            control.threads = threads;
            std::size_t last = 0;
            control.progress = [&](std::size_t done, std::size_t) { last = done; };
            EXPECT_EQ(key(SearchDesigns(project, prices, ranges, keep, control)), key(single))
                << threads << " threads, keep " << keep;
            EXPECT_EQ(last, prices.size());
        }
    }
}

TEST(DesignSearch, ValuesOutsideTheEditorsRangesAreSkipped)
{
    const Project data = Example("default-english.vlb");
    const std::vector<PriceRow> prices = {
        {6, 0.75f, 75, 4.25f, ""},
        {10.5f, 0.75f, 75, 5, ""},  // longer than the editor's 10 ft
        {6, 1.125f, 75, 5, ""},     // thicker than 1 in
        {6, 0.75f, 0, 4, ""},       // no grade
    };
    // Bolts per row 0..4 and spacings 0, 1.5, 3, 4.5: 4 x 5 x 4 = 80 tried;
    // skipped: the last three rows (60), 0 bolts per row (4) and spacing 0
    // with 1..4 bolts (4) of the first row.
    const SearchOutcome outcome = SearchDesigns(SearchOf(data), prices, SearchRanges{0, 4, 0, 4.5, 1.5});
    EXPECT_EQ(outcome.tried, 80u);
    EXPECT_EQ(outcome.skipped, 68u);
    for (const SearchCandidate& c : outcome.ranked)
        EXPECT_EQ(c.priceRow, 0u);
    EXPECT_FALSE(outcome.ranked.empty());

    // The metric limit is the editor's 3.3 m.
    const Project metric = Example("default-metric.vlb");
    const std::vector<PriceRow> metricPrices = {{3.3f, 20, 520, 5, ""}, {3.31f, 20, 520, 5, ""}};
    const SearchOutcome m = SearchDesigns(SearchOf(metric), metricPrices, SearchRanges{3, 3, 1, 1, 0.1});
    EXPECT_EQ(m.tried, 2u);
    EXPECT_EQ(m.skipped, 1u);
}

TEST(DesignSearch, NothingPassesWhereTheMethodDoesNotApply)
{
    const Project data = Example("strong-roof.vlb");  // CMRR 65 at 500 ft
    const SearchOutcome outcome =
        SearchDesigns(SearchOf(data), ExamplePrices("prices-english.csv"), DefaultSearchRanges(UnitSystem::English));
    EXPECT_EQ(outcome.tried, 280u);
    EXPECT_EQ(outcome.passed, 0u);
    EXPECT_TRUE(outcome.ranked.empty());
}

TEST(DesignSearch, SpacingsAreMinPlusMultiplesOfTheStep)
{
    EXPECT_EQ(SpacingValues(DefaultSearchRanges(UnitSystem::English)),
              (std::vector<float>{3, 3.5f, 4, 4.5f, 5, 5.5f, 6}));
    // Repeated addition of 0.1 would drift off the typed values.
    EXPECT_EQ(SpacingValues(DefaultSearchRanges(UnitSystem::Metric)),
              (std::vector<float>{1, 1.1f, 1.2f, 1.3f, 1.4f, 1.5f, 1.6f, 1.7f, 1.8f, 1.9f, 2}));
    EXPECT_EQ(SpacingValues(SearchRanges{3, 6, 3, 31, 1}).size(), 29u);
    EXPECT_EQ(SpacingValues(SearchRanges{3, 6, 4, 4, 0.5}), (std::vector<float>{4}));
    EXPECT_EQ(SpacingValues(SearchRanges{3, 6, 4, 4.9, 0.5}), (std::vector<float>{4, 4.5f}));

    const SearchRanges english = DefaultSearchRanges(UnitSystem::English);
    EXPECT_EQ(std::tie(english.boltsMin, english.boltsMax), std::make_tuple(3, 6));
    const SearchRanges metric = DefaultSearchRanges(UnitSystem::Metric);
    EXPECT_EQ(std::tie(metric.boltsMin, metric.boltsMax), std::make_tuple(3, 6));
}

TEST(DesignSearch, RangesThatCannotBeSearched)
{
    EXPECT_FALSE(RangesProblem(DefaultSearchRanges(UnitSystem::English)));
    EXPECT_EQ(RangesProblem(SearchRanges{6, 3, 3, 6, 0.5}), "bolts per row: MIN is above MAX");
    EXPECT_EQ(RangesProblem(SearchRanges{3, 6, 6, 3, 0.5}), "spacing: MIN is above MAX");
    EXPECT_EQ(RangesProblem(SearchRanges{3, 6, 3, 6, 0}), "spacing: STEP must be above 0");
    EXPECT_EQ(RangesProblem(SearchRanges{3, 6, 3, 6, -0.5}), "spacing: STEP must be above 0");
    EXPECT_EQ(RangesProblem(SearchRanges{3, 6, 0, 1000, 0.001}), "spacing: too many values");
    const SearchOutcome none = SearchDesigns({}, {{6, 0.75f, 75, 4, ""}}, SearchRanges{6, 3, 3, 6, 0.5});
    EXPECT_EQ(none.tried, 0u);
}

// The product of the price list and the two ranges is bounded: a search of
// too many candidates is refused with the count and the limit, not run.
TEST(DesignSearch, SearchSizeIsLimited)
{
    const SearchRanges wide{1, 99, 1, 1000, 0.01};  // 99 x 99,901 per bolt
    EXPECT_EQ(CandidateCount(10, wide), 10u * 99 * 99901);
    EXPECT_FALSE(SearchSizeProblem(10, wide));
    EXPECT_EQ(SearchSizeProblem(11, wide), "108792189 candidates asked for (11 price rows x 99 bolts per row x "
                                           "99901 spacings), above the limit of 100000000; narrow the ranges or "
                                           "shorten the price list");
    EXPECT_EQ(CandidateCount(std::numeric_limits<std::size_t>::max(), wide), std::numeric_limits<std::size_t>::max());
    const std::vector<PriceRow> many(11, PriceRow{6, 0.75f, 75, 4, ""});
    const SearchOutcome refused = SearchDesigns(SearchOf(Example("default-english.vlb")), many, wide);
    EXPECT_EQ(refused.tried, 0u);
    EXPECT_TRUE(refused.ranked.empty());
}

// A search run off the caller's thread reports each price row done and
// stops at the next row once told to, counting only what it tried.
TEST(DesignSearch, ReportsProgressAndStopsWhenCancelled)
{
    const SearchProject project = SearchOf(Example("default-english.vlb"));
    const std::vector<PriceRow> prices = ExamplePrices("prices-english.csv");
    std::atomic<bool> cancel{false};
    std::vector<std::size_t> seen;
    SearchControl control;
    control.cancel = &cancel;
    control.progress = [&](std::size_t done, std::size_t total) {
        EXPECT_EQ(total, prices.size());
        seen.push_back(done);
        if (done == 3)
            cancel = true;
    };
    const SearchRanges ranges = DefaultSearchRanges(UnitSystem::English);
    const SearchOutcome stopped = SearchDesigns(project, prices, ranges, 0, control);
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_EQ(seen, (std::vector<std::size_t>{1, 2, 3}));
    EXPECT_EQ(stopped.tried, CandidateCount(3, ranges));
    const SearchOutcome firstThree =
        SearchDesigns(project, std::vector<PriceRow>(prices.begin(), prices.begin() + 3), ranges);
    EXPECT_FALSE(firstThree.cancelled);
    EXPECT_EQ(stopped.passed, firstThree.passed);
}

TEST(DesignSearch, CandidateGoesIntoTheSupportAndCostFieldsOnly)
{
    const Project data = Example("default-english.vlb");
    const SearchProject project = SearchOf(data);
    SearchCandidate c;
    std::tie(c.length, c.diameter, c.grade, c.price, c.boltsPerRow, c.rowSpacing) =
        std::make_tuple(7.0f, 0.875f, 60.0f, 6.5f, 5, 3.5f);
    const SearchProject with = WithCandidate(project, c);

    SearchProject expected = project;
    expected.support[0].ActualBoltLength = 7;
    expected.support[0].BoltDiameter = 0.875f;
    expected.support[0].BoltGrade = 60;
    expected.support[0].BoltsPerRow = 5;
    expected.support[0].RowSpacing = 3.5f;
    expected.cost.BoltCost = 6.5f;
    expected.cost.CostBoltsPerRow = 5;
    expected.cost.CostRowSpacing = 3.5f;
    EXPECT_EQ(with.support, expected.support);
    EXPECT_EQ(with.cost, expected.cost);
    EXPECT_EQ(with.unitSystem, UnitSystem::English);
}

TEST(DesignSearch, ColumnsInTheProjectsUnits)
{
    const SearchRowTexts english = SearchColumnHeadings(UnitSystem::English);
    EXPECT_EQ(english[1], "Length (ft)");
    EXPECT_EQ(english[2], "Diameter (in)");
    EXPECT_EQ(english[3], "Grade (ksi)");
    EXPECT_EQ(english[5], "Spacing (ft)");
    EXPECT_EQ(english[10], "$/ft");
    const SearchRowTexts metric = SearchColumnHeadings(UnitSystem::Metric);
    EXPECT_EQ(metric[1], "Length (m)");
    EXPECT_EQ(metric[2], "Diameter (mm)");
    EXPECT_EQ(metric[3], "Grade (MPa)");
    EXPECT_EQ(metric[5], "Spacing (m)");
    EXPECT_EQ(metric[10], "$/m");

    SearchCandidate c;
    std::tie(c.length, c.diameter, c.grade, c.boltsPerRow, c.rowSpacing) =
        std::make_tuple(2.1f, 20.0f, 520.0f, 3, 1.7f);
    std::tie(c.actualVELB, c.suggestedVELB, c.boltLengthDifference) = std::make_tuple(6.66f, 6.5317f, 0.25f);
    std::tie(c.costPerBolt, c.costPerAdvance, c.costPerShift, c.costPerTon) =
        std::make_tuple(10.125f, 17.8598f, 3036.1667f, 1.375f);
    // 10.125 and 1.375 are exact as floats; their halves round away from
    // zero, as in the reports.
    const SearchRowTexts cells = SearchRowCells(c, 4);
    EXPECT_EQ(cells, (SearchRowTexts{"4", "2.1", "20", "520", "3", "1.7", "6.7", "6.5", "OK", "10.13", "17.86",
                                     "3036.17", "1.38"}));
    c.boltLengthDifference = 1.01f;
    EXPECT_EQ(SearchRowCells(c, 4)[8], "longer");
}

}  // namespace
}  // namespace castovin
