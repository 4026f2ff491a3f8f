#include <gtest/gtest.h>

#include "core/model/conversion.h"
#include "core/model/cost_analysis.h"
#include "test_state.h"

namespace castovin {
namespace {

using test::StateTest;

class Conversion : public StateTest {
protected:
    void Convert(UnitSystem target) { ASSERT_TRUE(ConvertProject(state.project, target, state.messenger)); }
};

TEST_F(Conversion, EnglishDefaultsToMetric)
{
    state.project.ProjectFilePath = "/data/projects/mine.vlb";
    state.project.ProjectSaved = FlagTrue;
    Convert(UnitSystem::Metric);
    const SupportRecord& s0 = state.project.Support[0];
    EXPECT_FLOAT_EQ(s0.DepthofCover, 121.92f);
    EXPECT_FLOAT_EQ(s0.ActualInterSpan, 9.144f);
    EXPECT_FLOAT_EQ(s0.EntryWidth, 6.096f);
    EXPECT_FLOAT_EQ(s0.ActualBoltLength, 1.8288f);
    EXPECT_FLOAT_EQ(s0.RowSpacing, 1.2192f);
    EXPECT_FLOAT_EQ(s0.BoltDiameter, 19.05f);
    EXPECT_NEAR(s0.BoltGrade, 517.1068, 1e-3);
    EXPECT_NEAR(s0.UnitWeight, 25.4465, 1e-3);
    EXPECT_NEAR(state.project.Support[1].CableBoltCapacity, 0.26689, 1e-5);
    EXPECT_EQ(state.project.ProjectFilePath, "Metric_mine.vlb");
    EXPECT_EQ(state.project.units, UnitSystem::Metric);
    EXPECT_EQ(state.project.ProjectSaved, FlagFalse);
    // Counts and the cost record keep their numbers.
    EXPECT_EQ(s0.CMRR, 45);
    EXPECT_EQ(s0.BoltsPerRow, 4);
    EXPECT_EQ(state.project.Support[1].BoltsPerIntersection, 12);
}

TEST_F(Conversion, CostInputsThatCarryALength)
{
    // English defaults: rows 4 ft apart, 300 ft a shift, 4 tons per foot.
    const CostRecord before = state.project.Cost;
    Convert(UnitSystem::Metric);
    const CostRecord& c = state.project.Cost;
    EXPECT_FLOAT_EQ(c.CostRowSpacing, 1.2192f);
    EXPECT_FLOAT_EQ(c.AdvancePerShift, 91.44f);
    EXPECT_FLOAT_EQ(c.AdvanceRate, 13.123360f);  // tons per metre
    // Money, counts, hours, years and the input production keep their numbers.
    EXPECT_EQ(c.BoltCost, before.BoltCost);
    EXPECT_EQ(c.BoltsPerShift, 300);
    EXPECT_EQ(c.CostBoltsPerRow, 4);
    EXPECT_EQ(c.LaborCost, 35);
    EXPECT_EQ(c.HoursPerShift, 8);
    EXPECT_EQ(c.MaintenanceHours, 2);
    EXPECT_EQ(c.CapitalCost, 1000000);
    EXPECT_EQ(c.YearsToDepreciate, 5);
    EXPECT_EQ(c.CleanProduction, 1200);
    EXPECT_EQ(c.ShiftsPerWeek, 12);
    EXPECT_EQ(c.WeeksPerYear, 50);
    // The calculated advance follows the row spacing: 75 rows of 1.2192 m.
    EXPECT_FLOAT_EQ(CalculatedAdvance(c), 91.44f);
}

TEST_F(Conversion, MetricCostInputsIntoEnglish)
{
    state.project.units = UnitSystem::Metric;
    state.project.Cost.CostRowSpacing = 1.2f;
    state.project.Cost.AdvancePerShift = 100;
    state.project.Cost.AdvanceRate = 12;  // per metre
    Convert(UnitSystem::English);
    EXPECT_NEAR(state.project.Cost.CostRowSpacing, 3.93701, 1e-5);
    EXPECT_NEAR(state.project.Cost.AdvancePerShift, 328.0840, 1e-3);
    EXPECT_NEAR(state.project.Cost.AdvanceRate, 3.6576, 1e-5);  // per foot
    EXPECT_EQ(state.project.Cost.BoltsPerShift, 300);
    Convert(UnitSystem::Metric);
    EXPECT_NEAR(state.project.Cost.CostRowSpacing, 1.2, 1e-6);
    EXPECT_NEAR(state.project.Cost.AdvancePerShift, 100, 1e-4);
    EXPECT_NEAR(state.project.Cost.AdvanceRate, 12, 1e-5);
}

TEST_F(Conversion, ThereAndBack)
{
    state.project.ProjectFilePath = "/data/mine.vlb";
    const auto before = state.project.Support;
    Convert(UnitSystem::Metric);
    Convert(UnitSystem::English);
    EXPECT_EQ(state.project.ProjectFilePath, "English_Metric_mine.vlb");
    EXPECT_EQ(state.project.units, UnitSystem::English);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_NEAR(state.project.Support[i].DepthofCover, before[i].DepthofCover, 1e-3);
        EXPECT_NEAR(state.project.Support[i].ActualBoltLength, before[i].ActualBoltLength, 1e-5);
        EXPECT_NEAR(state.project.Support[i].BoltDiameter, before[i].BoltDiameter, 1e-6);
        EXPECT_NEAR(state.project.Support[i].BoltGrade, before[i].BoltGrade, 1e-4);
        EXPECT_NEAR(state.project.Support[i].RowSpacing, before[i].RowSpacing, 1e-5);
        EXPECT_NEAR(state.project.Support[i].CableBoltCapacity, before[i].CableBoltCapacity, 1e-4);
    }
    EXPECT_NEAR(state.project.Support[0].UnitWeight, 162, 1e-3);
}

TEST_F(Conversion, CableCapacityRoundedOnce)
{
    // 39.34158 tons is 39.3415794... as a float; x 2000 x 0.004448220489393218
    // / 1000 = 0.35000003948 MN, whose nearest float is 0.350000054 (shown
    // 0.3500001). Rounding 78683.16 lb to a float first would give 0.350000024.
    state.project.Support[1].CableBoltCapacity = 39.34158f;
    Convert(UnitSystem::Metric);
    EXPECT_EQ(state.project.Support[1].CableBoltCapacity, 0.350000054f);
}

TEST_F(Conversion, NameWithoutFolder)
{
    state.project.ProjectFilePath = "mine.vlb";
    Convert(UnitSystem::Metric);
    EXPECT_EQ(state.project.ProjectFilePath, "Metric_mine.vlb");
}

}  // namespace
}  // namespace castovin
