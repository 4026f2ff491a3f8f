// The probabilistic study: distributions, sampling, the pass rule and
// reproducibility.

#include <algorithm>
#include <cmath>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/config/default_inputs.h"
#include "core/model/design_analysis.h"
#include "core/program/design_search.h"
#include "core/risk/random_stream.h"
#include "core/risk/risk_charts.h"
#include "core/risk/risk_report.h"
#include "core/risk/study_table.h"

namespace castovin {
namespace {

std::array<SupportRecord, 2> DefaultEnglish()
{
    // The default English project: CMRR 45, 400 ft, 162 pcf, SF 1.2, 6 ft
    // bolts of 0.75 in and 75 ksi, 4 per row at 4 ft, span 30 ft, entry 20 ft.
    SupportRecord s{};
    s.CMRR = 45;
    s.DepthofCover = 400;
    s.UnitWeight = 162;
    s.StabilityFactor = 1.2f;
    s.ActualBoltLength = 6;
    s.BoltDiameter = 0.75f;
    s.BoltGrade = 75;
    s.BoltsPerRow = 4;
    s.RowSpacing = 4;
    s.ActualInterSpan = 30;
    s.EntryWidth = 20;
    s.NumberOfSystems = 1;
    return {s, s};
}

Study OneInput(StudyField field, const Distribution& d, std::size_t n, SamplingMethod m = SamplingMethod::MonteCarlo)
{
    Study s;
    s.samples = n;
    s.method = m;
    s.inputs.push_back({field, d, false});
    return s;
}

struct MomentCase {
    Distribution d;
};

class DistributionMoments : public ::testing::TestWithParam<MomentCase> {};

// Unit weight has the editor's range (0, FLT_MAX], so nothing is cut off.
TEST_P(DistributionMoments, MeanAndSdWithinFourStandardErrors)
{
    const Distribution& d = GetParam().d;
    const std::size_t n = 1'000'000;
    RiskSamples samples;
    ASSERT_TRUE(DrawSamples(OneInput(StudyField::UnitWeight, d, n), UnitSystem::English, samples));
    double sum = 0, squares = 0;
    for (float v : samples.values[0])
        sum += v;
    const double mean = sum / n;
    for (float v : samples.values[0])
        squares += (v - mean) * (v - mean);
    const double sd = std::sqrt(squares / (n - 1));
    const double exactSd = DistributionSd(d);
    EXPECT_NEAR(mean, DistributionMean(d), 4 * exactSd / std::sqrt(double(n)));
    // The standard error of the sd is about sd / sqrt(2n) for these shapes;
    // twice that covers the lognormal's heavier tail.
    EXPECT_NEAR(sd, exactSd, 8 * exactSd / std::sqrt(2.0 * n));
}

Distribution Normal(double m, double s)
{
    Distribution d;
    d.kind = DistributionKind::Normal;
    d.mean = m;
    d.sd = s;
    return d;
}
Distribution Lognormal(double m, double s)
{
    Distribution d = Normal(m, s);
    d.kind = DistributionKind::Lognormal;
    return d;
}
Distribution Uniform(double a, double b)
{
    Distribution d;
    d.kind = DistributionKind::Uniform;
    d.min = a;
    d.max = b;
    return d;
}
Distribution Triangular(double a, double c, double b)
{
    Distribution d = Uniform(a, b);
    d.kind = DistributionKind::Triangular;
    d.mode = c;
    return d;
}

INSTANTIATE_TEST_SUITE_P(Kinds, DistributionMoments,
                         ::testing::Values(MomentCase{Normal(160, 8)}, MomentCase{Lognormal(160, 40)},
                                           MomentCase{Uniform(140, 180)}, MomentCase{Triangular(140, 150, 180)}));

TEST(Truncation, SamplesStayInsideTheirBoundsAndTheEditorsRange)
{
    Distribution d = Normal(9.5, 2);  // bolt length: the editor's maximum is 10 ft
    d.truncLow = 7;
    RiskSamples samples;
    ASSERT_TRUE(DrawSamples(OneInput(StudyField::BoltLength, d, 100'000), UnitSystem::English, samples));
    for (float v : samples.values[0]) {
        ASSERT_GE(v, 7.0f);
        ASSERT_LE(v, 10.0f);
    }
}

TEST(LatinHypercube, EachStratumHoldsOneSample)
{
    const std::size_t n = 5000;
    RiskSamples samples;
    ASSERT_TRUE(DrawSamples(OneInput(StudyField::UnitWeight, Uniform(0, n), n, SamplingMethod::LatinHypercube),
                            UnitSystem::English, samples));
    // Sorted, the i-th value lies in stratum i (its bounds allowed, which a
    // float may round onto).
    std::vector<float> sorted = samples.values[0];
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 0; i < n; ++i) {
        ASSERT_GE(sorted[i], float(i)) << i;
        ASSERT_LE(sorted[i], float(i + 1)) << i;
    }
}

std::array<SupportRecord, 2> DefaultMetric()
{
    SupportRecord s{};
    s.CMRR = 45;
    s.DepthofCover = 122;
    s.UnitWeight = 25.4f;
    s.StabilityFactor = 1.2f;
    s.ActualBoltLength = 1.8f;
    s.BoltDiameter = 19;
    s.BoltGrade = 517;
    s.BoltsPerRow = 4;
    s.RowSpacing = 1.2f;
    s.ActualInterSpan = 9.1f;
    s.EntryWidth = 6.1f;
    s.NumberOfSystems = 1;
    return {s, s};
}

// A study with only fixed inputs is the design check itself: P(pass) is its
// verdict and every sample's margin the ratio of its two VELBs, in both unit
// systems and with a second system (whose bolts only the report judges).
TEST(FixedStudy, AgreesWithTheDesignCheck)
{
    struct Case {
        const char* name;
        UnitSystem units;
        std::array<SupportRecord, 2> support;
    };
    std::vector<Case> cases;
    for (int16_t cmrr : {45, 70}) {  // 70 fails: the method does not apply at 400 ft
        cases.push_back({"english", UnitSystem::English, DefaultEnglish()});
        cases.back().support[0].CMRR = cmrr;
        cases.push_back({"metric", UnitSystem::Metric, DefaultMetric()});
        cases.back().support[0].CMRR = cmrr;
    }
    cases.push_back({"two systems", UnitSystem::English, DefaultEnglish()});
    cases.back().support[0].NumberOfSystems = 2;
    cases.back().support[0].SecondSystemType = 1;
    cases.back().support[0].SecondSystemLocation = 1;
    cases.back().support[0].BoltsPerIntersection = 4;
    cases.back().support[0].CableBoltCapacity = 25;
    cases.back().support[1].ActualBoltLength = 10;
    for (const Case& c : cases) {
        const DesignResults design = ComputeDesign(c.support, c.units);
        Study study;
        study.unitSystem = c.units;
        study.samples = 100;
        const RiskRun run = RunStudy(c.support, c.units, study);
        EXPECT_EQ(run.results.pPass, DesignPasses(design) ? 1.0 : 0.0) << c.name << " " << c.support[0].CMRR;
        if (design.suitable) {
            EXPECT_FLOAT_EQ(run.samples.margin[0], design.actualVELB[0] / design.suggestedVELB) << c.name;
        }
    }
}

TEST(UniformCmrr, PassingShareMatchesTheBoundary)
{
    // The default project passes at CMRR 45 and fails at 60, where the
    // method no longer applies; the boundary is found by bisection.
    const std::array<SupportRecord, 2> support = DefaultEnglish();
    const auto passes = [&](int cmrr) {
        std::array<SupportRecord, 2> s = support;
        s[0].CMRR = static_cast<int16_t>(cmrr);
        return DesignPasses(ComputeDesignValues(s, UnitSystem::English));
    };
    int low = 45, high = 60;
    ASSERT_TRUE(passes(low));
    ASSERT_FALSE(passes(high));
    while (high - low > 1) {
        const int mid = (low + high) / 2;
        (passes(mid) ? low : high) = mid;
    }
    // Values in (44.5, 60.5) round to the 16 whole numbers 45..60.
    const double share = (high - 45) / 16.0;
    const std::size_t n = 200'000;
    const RiskRun run = RunStudy(support, UnitSystem::English, OneInput(StudyField::CMRR, Uniform(44.5, 60.5), n));
    EXPECT_NEAR(run.results.pPass, share, 3.29 * std::sqrt(share * (1 - share) / double(n)));
}

std::string ReportOf(uint64_t seed, unsigned threads, SamplingMethod m)
{
    Study study = OneInput(StudyField::CMRR, Normal(45, 6), 20'000, m);
    study.inputs.push_back({StudyField::RowSpacing, Triangular(3.5, 4, 5), false});
    study.seed = seed;
    RiskControl control;
    control.threads = threads;
    const RiskRun run = RunStudy(DefaultEnglish(), UnitSystem::English, study, control);
    return RiskReportText(study, run.results, UnitSystem::English);
}

TEST(Reproducibility, SameSeedSameBytesForAnyThreadCount)
{
    for (SamplingMethod m : {SamplingMethod::LatinHypercube, SamplingMethod::MonteCarlo}) {
        const std::string one = ReportOf(7, 1, m);
        EXPECT_EQ(one, ReportOf(7, 2, m));
        EXPECT_EQ(one, ReportOf(7, 1, m));
        EXPECT_NE(one, ReportOf(8, 2, m));
    }
}

struct RefusalCase {
    StudyField field;
    Distribution d;
    const char* message;
};

class Refusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusals, NameTheKeyAndTheReason)
{
    Study study = OneInput(GetParam().field, GetParam().d, 1000);
    EXPECT_EQ(StudyProblem(study, UnitSystem::English).value_or("accepted"), GetParam().message);
}

Distribution Truncated(Distribution d, double low, double high)
{
    d.truncLow = low;
    d.truncHigh = high;
    return d;
}

INSTANTIATE_TEST_SUITE_P(
    Each, Refusals,
    ::testing::Values(RefusalCase{StudyField::CMRR, Normal(45, 0), "inputs.cmrr.sd: must be above 0"},
                      RefusalCase{StudyField::CMRR, Uniform(50, 40), "inputs.cmrr.min: must be below max"},
                      RefusalCase{StudyField::CMRR, Triangular(40, 70, 60), "inputs.cmrr.mode: must lie in [min, max]"},
                      RefusalCase{StudyField::BoltLength, Truncated(Normal(6, 1), 5, 12),
                                  "inputs.boltLength.truncate: outside the parameters editor's range (0, 10]"},
                      RefusalCase{StudyField::DepthOfCover, Truncated(Normal(400, 1), 900, 1000),
                                  "inputs.depthOfCover: no probability between 900 and 1000"},
                      RefusalCase{StudyField::UnitWeight, Normal(160, 8), "accepted"}));

TEST(StudyChecks, OtherUnitsAndSampleCountsAreRefused)
{
    Study study;
    study.unitSystem = UnitSystem::Metric;
    EXPECT_EQ(StudyProblem(study, UnitSystem::English).value_or(""),
              "unitSystem: the study is in metric units, the project in english");
    study.unitSystem = UnitSystem::English;
    study.samples = 99;
    EXPECT_EQ(StudyProblem(study, UnitSystem::English).value_or(""), "samples: must be from 100 to 10000000");
}

TEST(Normal, QuantileInvertsTheDistributionFunction)
{
    for (double p : {1e-12, 1e-6, 0.02, 0.3, 0.5, 0.9, 0.99999})
        EXPECT_NEAR(NormalCdf(NormalQuantile(p)) / p, 1.0, 1e-12) << p;
}

// ---- the window's table of inputs ----

TEST(StudyTable, OfferedFieldsFollowTheParametersEditor)
{
    using F = StudyField;
    const std::vector<F> first{
        F::CMRR,       F::DepthOfCover, F::UnitWeight, F::StabilityFactor, F::EntryWidth, F::ActualIntersectionSpan,
        F::BoltLength, F::BoltDiameter, F::BoltGrade,  F::BoltsPerRow,     F::RowSpacing};
    struct Case {
        int16_t type, location;
        std::vector<F> second;
    };
    EXPECT_EQ(OfferedFields(DefaultEnglish()), first);
    for (const Case& c :
         {Case{0, 0, {F::BoltLength2, F::BoltDiameter2, F::BoltGrade2, F::BoltsPerRow2, F::RowSpacing2}},
          Case{1, 1, {F::BoltLength2, F::BoltsPerIntersection, F::CableBoltCapacity}},
          Case{1, 0, {F::BoltLength2, F::BoltsPerRow2, F::RowSpacing2, F::CableBoltCapacity}}}) {
        std::array<SupportRecord, 2> support = DefaultEnglish();
        support[0].NumberOfSystems = 2;
        support[0].SecondSystemType = c.type;
        support[0].SecondSystemLocation = c.location;
        std::vector<F> expected = first;
        expected.insert(expected.end(), c.second.begin(), c.second.end());
        EXPECT_EQ(OfferedFields(support), expected) << c.type << "/" << c.location;
    }
}

// Rows 0 (CMRR), 1 (depth of cover) and 6 (bolt length) of the default
// English project changed as typed; the refusal names the row, the cell and
// the reason.
TEST(StudyTable, EachRefusalNamesItsRowAndCell)
{
    using K = DistributionKind;
    using C = StudyCell;
    struct Case {
        std::size_t row;
        K kind;
        std::array<std::string, 3> parameters;
        std::string low;
        C cell;
        std::string message;
    };
    const std::string range = RangeText(StudyField::CMRR, UnitSystem::English);
    for (const Case& c : {
             Case{1, K::Normal, {"-", "abc", ""}, "", C::Second, "Depth of Cover (ft): sd is not a number"},
             Case{1, K::Normal, {"-", "0", ""}, "", C::Second, "Depth of Cover (ft): sd must be above 0"},
             Case{1, K::Normal, {"-", "", ""}, "", C::Second, "Depth of Cover (ft): sd is empty"},
             Case{1,
                  K::Normal,
                  {"-", "50", ""},
                  "300",
                  C::High,
                  "Depth of Cover (ft): truncation takes both min and max"},
             Case{0, K::Uniform, {"60", "40", ""}, "", C::First, "Coal Mine Roof Rating: min must be below max"},
             Case{0,
                  K::Triangular,
                  {"40", "70", "60"},
                  "",
                  C::Second,
                  "Coal Mine Roof Rating: mode must lie in [min, max]"},
             Case{0,
                  K::Fixed,
                  {"150", "", ""},
                  "",
                  C::First,
                  "Coal Mine Roof Rating: value outside the parameters editor's range " + range},
         }) {
        std::vector<StudyRow> rows = DefaultRows(DefaultEnglish());
        rows[c.row].kind = c.kind;
        rows[c.row].parameters = c.parameters;
        rows[c.row].low = c.low;
        const auto read = StudyFromRows(rows, DefaultEnglish(), UnitSystem::English);
        const auto* problem = std::get_if<StudyRowProblem>(&read);
        ASSERT_NE(problem, nullptr) << c.message;
        EXPECT_EQ(problem->row, c.row) << c.message;
        EXPECT_EQ(problem->cell, c.cell) << c.message;
        EXPECT_EQ(problem->message, c.message);
    }
}

TEST(StudyTable, OnlyRowsThatVaryBecomeInputs)
{
    std::vector<StudyRow> rows = DefaultRows(DefaultEnglish());
    ASSERT_EQ(rows[6].parameters[0], "6");    // bolt length, the project's value
    EXPECT_EQ(rows[3].parameters[0], "1.2");  // the stability factor as the editor shows it
    rows[1] = {StudyField::DepthOfCover, DistributionKind::Normal, {"-", "50", ""}, "300", "x"};
    const auto bad = StudyFromRows(rows, DefaultEnglish(), UnitSystem::English);
    ASSERT_TRUE(std::holds_alternative<StudyRowProblem>(bad));
    EXPECT_EQ(std::get<StudyRowProblem>(bad).message, "Depth of Cover (ft): max is not a number");
    rows[1].high = "500";
    rows[6].parameters[0] = "7";
    const auto read = StudyFromRows(rows, DefaultEnglish(), UnitSystem::English);
    const Study* study = std::get_if<Study>(&read);
    ASSERT_NE(study, nullptr);
    ASSERT_EQ(study->inputs.size(), 2u);
    EXPECT_EQ(study->inputs[0].field, StudyField::DepthOfCover);
    EXPECT_TRUE(study->inputs[0].meanFromProject);
    EXPECT_EQ(study->inputs[0].distribution.sd, 50);
    EXPECT_EQ(study->inputs[0].distribution.truncLow, 300);
    EXPECT_EQ(study->inputs[0].distribution.truncHigh, 500);
    EXPECT_EQ(study->inputs[1].field, StudyField::BoltLength);
    EXPECT_EQ(study->inputs[1].distribution.value, 7);
}

// The charts' bins put the pass line on an edge, count each margin once and
// leave out the samples where the method does not apply; pointing reads the
// bar, point or input under the pointer.
TEST(RiskCharts, BinsSplitAtThePassLineAndPointingReadsTheirValues)
{
    RiskSamples samples;
    samples.margin = {0.93f, 0.97f, 0.99f, 1.0f, 1.04f, 1.15f, NAN, 1.30f};
    RiskResults results;
    results.histogram = {{0.93, 1.055, 0, 0}};  // the report's width: 0.125
    results.pPass = 0.5;
    results.pLow = 0.2;
    results.pHigh = 0.8;
    results.sensitivity = {{StudyField::BoltLength, 0.83, 0.68}, {StudyField::CMRR, -0.4, 0.16}};
    const RiskChartData data = MakeRiskChartData(samples, results, UnitSystem::English);

    ASSERT_EQ(data.marginCount, 7u);
    ASSERT_EQ(data.bars.size(), 4u);  // 0.875 | 1.000 | 1.125 | 1.250 | 1.375
    EXPECT_DOUBLE_EQ(data.bars[0].from, 0.875);
    EXPECT_DOUBLE_EQ(data.bars[1].from, 1.0);
    const std::vector<std::size_t> counts = {3, 2, 1, 1};
    const std::vector<bool> failing = {true, false, false, false};
    for (std::size_t b = 0; b < 4; ++b) {
        EXPECT_EQ(data.bars[b].count, counts[b]) << b;
        EXPECT_EQ(data.bars[b].failing, failing[b]) << b;
    }
    EXPECT_DOUBLE_EQ(data.shareBelowPass, 3.0 / 7);
    ASSERT_EQ(data.curve.size(), 7u);
    EXPECT_FLOAT_EQ(static_cast<float>(data.curve.front().margin), 0.93f);
    EXPECT_DOUBLE_EQ(data.curve.back().share, 1.0);

    EXPECT_EQ(BarAt(data, 0.9999), std::optional<std::size_t>(0));
    EXPECT_EQ(BarAt(data, 1.0), std::optional<std::size_t>(1));
    EXPECT_EQ(BarAt(data, 1.4), std::nullopt);
    EXPECT_EQ(CurvePointAt(data, 1.11), std::optional<std::size_t>(5));
    EXPECT_EQ(CurvePointAt(data, 2.0), std::nullopt);
    EXPECT_EQ(TornadoBarAt(data, 1.2), std::optional<std::size_t>(1));
    EXPECT_EQ(TornadoBarAt(data, 0.5), std::nullopt);
    EXPECT_EQ(TornadoBarAt(data, 2.0), std::nullopt);

    EXPECT_EQ(BarText(data, 0), "Margin 0.875 to 1.000: 3 samples (42.9 %), below the pass line");
    EXPECT_EQ(BarText(data, 3), "Margin 1.250 to 1.375: 1 sample (14.3 %), at or above the pass line");
    EXPECT_EQ(CurvePointText(data, 3), "Margin 1.000: 57.1 % of the samples at most");
    EXPECT_EQ(TornadoBarText(data, 0), "Actual Bolt Length #1 (ft): rank correlation +0.830, 68.0 % of the variance");
    EXPECT_EQ(TornadoBarText(data, 1), "Coal Mine Roof Rating: rank correlation -0.400, 16.0 % of the variance");
    EXPECT_EQ(PassMarkText(data), "P(pass) = 0.5000 (0.2000 to 0.8000); 42.9 % of the margins below 1");
}

// A run where the method never applies has no margin to draw; one where all
// margins are equal still has a bar to show, and an infinite margin none.
TEST(RiskCharts, NoMarginsOrOneValue)
{
    RiskSamples samples;
    samples.margin = {NAN, NAN};
    const RiskChartData none = MakeRiskChartData(samples, {}, UnitSystem::English);
    EXPECT_TRUE(none.bars.empty());
    EXPECT_TRUE(none.curve.empty());
    EXPECT_EQ(BarAt(none, 1.0), std::nullopt);
    EXPECT_EQ(CurvePointAt(none, 1.0), std::nullopt);

    samples.margin = {1.2f, 1.2f, 1.2f, INFINITY};
    const RiskChartData one = MakeRiskChartData(samples, {}, UnitSystem::English);
    ASSERT_EQ(one.bars.size(), 1u);
    EXPECT_EQ(one.bars[0].count, 3u);
    EXPECT_DOUBLE_EQ(one.curve.front().share, 1.0);  // every tied margin is at most 1.2
    EXPECT_LE(one.bars[0].from, 1.2);
    EXPECT_GT(one.bars[0].to, 1.2);
}

}  // namespace
}  // namespace castovin
