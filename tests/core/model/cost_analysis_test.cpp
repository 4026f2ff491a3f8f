#include <gtest/gtest.h>

#include "core/model/cost_analysis.h"
#include "core/text/number_format.h"
#include "core/text/runtime_error.h"
#include "test_state.h"

namespace castovin {
namespace {

using test::StateTest;

// The table as the report prints it, row by row.
std::vector<std::vector<std::string>> Printed(const CostTable& t)
{
    std::vector<std::vector<std::string>> rows;
    for (const auto& row : t) {
        rows.emplace_back();
        for (float v : row)
            rows.back().push_back(FormatNumber(v, "0.00"));
    }
    return rows;
}

using Rows = std::vector<std::vector<std::string>>;

class Cost : public StateTest {};

TEST_F(Cost, EnglishDefaults)
{
    EXPECT_EQ(Printed(ComputeCostTable(state.project.Cost)), (Rows{{"5.72", "5.72", "1717.00", "1.43"},
                                                                   {"1.87", "1.87", "560.00", "0.47"},
                                                                   {"0.19", "0.19", "55.83", "0.05"},
                                                                   {"0.33", "0.33", "100.00", "0.08"},
                                                                   {"1.11", "1.11", "333.33", "0.28"},
                                                                   {"9.22", "9.22", "2766.17", "2.31"}}));
}

TEST_F(Cost, CalculatedAdvanceIsRowsPerShiftTimesRowSpacing)
{
    // 300 bolts at 4 a row are 75 rows a shift.
    EXPECT_EQ(CalculatedAdvance(state.project.Cost), 300);
    EXPECT_EQ(CalculatedProduction(state.project.Cost, 300), 1200);
    state.project.Cost.CostRowSpacing = 5;
    EXPECT_EQ(CalculatedAdvance(state.project.Cost), 375);
    EXPECT_EQ(CalculatedProduction(state.project.Cost, 375), 1500);
    // Metric defaults: 75 rows at 1.2 m; 1.2 is not exact as a float, but
    // 75 x 1.2f rounds back to 90 in float.
    state.project.Cost.CostRowSpacing = 1.2f;
    state.project.Cost.AdvanceRate = 12;
    const float advance = CalculatedAdvance(state.project.Cost);
    EXPECT_EQ(GeneralNumber(advance), "90");
    EXPECT_EQ(GeneralNumber(CalculatedProduction(state.project.Cost, advance)), "1080");
    EXPECT_EQ(CalculatedAdvance(300, 4, 1.2f), advance);
}

TEST_F(Cost, CalculatedAdvanceNeedsBoltsPerRowAndRowSpacing)
{
    EXPECT_EQ(CalculatedAdvance(300, 4, 0), 0);
    EXPECT_EQ(CalculatedAdvance(300, 0, 4), 0);
    EXPECT_EQ(CalculatedAdvance(300, -4, 4), 0);
    EXPECT_EQ(CalculatedAdvance(300, 4, -4), 0);
    EXPECT_EQ(CalculatedAdvance(0, 4, 4), 0);
    // Evaluated as 3 / 7 x 7 in double, then rounded to float.
    EXPECT_EQ(CalculatedAdvance(3, 7, 7), 3.0f);
}

TEST_F(Cost, WiderRowSpacingRaisesTheProductionAndLowersThePerTonCost)
{
    // 4 bolts per row at 5 ft, 300 a shift: 375 ft and 1500 tons a shift.
    state.project.Cost.CostRowSpacing = 5;
    EXPECT_EQ(Printed(ComputeCostTable(state.project.Cost)), (Rows{{"5.72", "4.58", "1717.00", "1.14"},
                                                                   {"1.87", "1.49", "560.00", "0.37"},
                                                                   {"0.19", "0.15", "55.83", "0.04"},
                                                                   {"0.33", "0.27", "100.00", "0.07"},
                                                                   {"1.11", "0.89", "333.33", "0.22"},
                                                                   {"9.22", "7.38", "2766.17", "1.84"}}));
}

TEST_F(Cost, MetricDefaultsPerTonOfTheCalculatedProduction)
{
    // 1080 tonnes a shift: 1717 / 1080 = 1.5898, 560 / 1080 = 0.5185, ...
    state.project.Cost.CostRowSpacing = 1.2f;
    state.project.Cost.AdvanceRate = 12;
    const Rows rows = Printed(ComputeCostTable(state.project.Cost));
    std::vector<std::string> perTon;
    for (const auto& row : rows)
        perTon.push_back(row[3]);
    EXPECT_EQ(perTon, (std::vector<std::string>{"1.59", "0.52", "0.05", "0.09", "0.31", "2.56"}));
}

TEST_F(Cost, NoBoltsPerShiftEmptiesEveryEntry)
{
    state.project.Cost.BoltsPerShift = 0;
    for (const auto& row : Printed(ComputeCostTable(state.project.Cost)))
        EXPECT_EQ(row, (std::vector<std::string>{"0.00", "0.00", "0.00", "0.00"}));
}

TEST_F(Cost, NoRowSpacingEmptiesFeetAndTonColumns)
{
    state.project.Cost.CostRowSpacing = 0;
    const Rows rows = Printed(ComputeCostTable(state.project.Cost));
    EXPECT_EQ(rows[0], (std::vector<std::string>{"5.72", "0.00", "1717.00", "0.00"}));
    EXPECT_EQ(rows[5], (std::vector<std::string>{"9.22", "0.00", "2766.17", "0.00"}));
}

TEST_F(Cost, InputProductionOfZeroEmptiesTonColumn)
{
    state.project.Cost.UseCalculatedProduction = 0;
    state.project.Cost.CleanProduction = 0;
    for (const auto& row : Printed(ComputeCostTable(state.project.Cost)))
        EXPECT_EQ(row[3], "0.00");
    state.project.Cost.CleanProduction = 2400;
    EXPECT_EQ(Printed(ComputeCostTable(state.project.Cost))[0][3], "0.72");
}

TEST_F(Cost, InputAdvanceChangesNothing)
{
    const CostTable before = ComputeCostTable(state.project.Cost);
    state.project.Cost.AdvancePerShift = 50;
    state.project.Cost.UseCalculatedAdvance = 0;
    EXPECT_EQ(ComputeCostTable(state.project.Cost), before);
}

TEST_F(Cost, SkippedWithoutShiftsOrYears)
{
    state.project.Cost.WeeksPerYear = 0;
    Rows rows = Printed(ComputeCostTable(state.project.Cost));
    EXPECT_EQ(rows[2][0], "0.00");
    EXPECT_EQ(rows[4][0], "0.00");
    state.project.Cost.WeeksPerYear = 50;
    state.project.Cost.YearsToDepreciate = 0;
    rows = Printed(ComputeCostTable(state.project.Cost));
    EXPECT_EQ(rows[2][0], "0.19");
    EXPECT_EQ(rows[4][0], "0.00");
}

TEST_F(Cost, OverflowIsARunTimeError)
{
    state.project.Cost.BoltCost = 3e38f;
    state.project.Cost.PlateCost = 3e38f;
    try {
        ComputeCostTable(state.project.Cost);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::Overflow);
    }
}

TEST_F(Cost, TableLayout)
{
    const std::string text = CostReportText(ComputeCostTable(state.project.Cost), state.project.units);
    const std::string head =
        "[VELB COST CALCULATIONS]\r\n\r\nOUTPUT TABLE               $/Bolt      $/ft   $/shift     $/ton\r\n"
        "Consumables Cost:            5.72      5.72   1717.00      1.43\r\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_EQ(text.substr(text.size() - 65), "TOTAL COST:                  9.22      9.22   2766.17      2.31\r\n");
}

TEST_F(Cost, MetricTableIsPerMetre)
{
    EXPECT_EQ(CostReportText(ComputeCostTable(state.project.Cost), UnitSystem::Metric).substr(28, 65),
              "OUTPUT TABLE               $/Bolt       $/m   $/shift     $/ton\r\n");
    EXPECT_EQ(CostReportText(ComputeCostTable(state.project.Cost), UnitSystem::English).substr(28, 65),
              "OUTPUT TABLE               $/Bolt      $/ft   $/shift     $/ton\r\n");
}

}  // namespace
}  // namespace castovin
