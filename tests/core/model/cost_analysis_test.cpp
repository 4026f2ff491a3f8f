#include <gtest/gtest.h>

#include "model/cost_analysis.h"
#include "test_state.h"
#include "text/number_format.h"
#include "text/runtime_error.h"

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
    EXPECT_EQ(Printed(ComputeCostTable(state.Cost)), (Rows{{"5.72", "5.72", "1717.00", "1.43"},
                                                           {"1.87", "1.87", "560.00", "0.47"},
                                                           {"0.19", "0.19", "55.83", "0.05"},
                                                           {"0.33", "0.33", "100.00", "0.08"},
                                                           {"1.11", "1.11", "333.33", "0.28"},
                                                           {"9.22", "9.22", "2766.17", "2.31"}}));
}

TEST_F(Cost, CalculatedAdvanceAndProduction)
{
    EXPECT_EQ(CalculatedAdvance(state.Cost), 300);
    EXPECT_EQ(CalculatedProduction(state.Cost, 300), 1200);
    state.Cost.CostRowSpacing = 1.2f;
    state.Cost.AdvanceRate = 12;
    const float advance = CalculatedAdvance(state.Cost);
    EXPECT_EQ(GeneralNumber(advance), "999.9999");
    EXPECT_EQ(GeneralNumber(CalculatedProduction(state.Cost, advance)), "12000");
    state.Cost.CostRowSpacing = 0;
    EXPECT_EQ(CalculatedAdvance(state.Cost), 0);
}

TEST_F(Cost, NoBoltsPerShiftEmptiesEveryEntry)
{
    state.Cost.BoltsPerShift = 0;
    for (const auto& row : Printed(ComputeCostTable(state.Cost)))
        EXPECT_EQ(row, (std::vector<std::string>{"0.00", "0.00", "0.00", "0.00"}));
}

TEST_F(Cost, NoRowSpacingEmptiesFeetAndTonColumns)
{
    state.Cost.CostRowSpacing = 0;
    const Rows rows = Printed(ComputeCostTable(state.Cost));
    EXPECT_EQ(rows[0], (std::vector<std::string>{"5.72", "0.00", "1717.00", "0.00"}));
    EXPECT_EQ(rows[5], (std::vector<std::string>{"9.22", "0.00", "2766.17", "0.00"}));
}

TEST_F(Cost, InputProductionOfZeroEmptiesTonColumn)
{
    state.Cost.UseCalculatedProduction = 0;
    state.Cost.CleanProduction = 0;
    for (const auto& row : Printed(ComputeCostTable(state.Cost)))
        EXPECT_EQ(row[3], "0.00");
    state.Cost.CleanProduction = 2400;
    EXPECT_EQ(Printed(ComputeCostTable(state.Cost))[0][3], "0.72");
}

TEST_F(Cost, InputAdvanceChangesNothing)
{
    const CostTable before = ComputeCostTable(state.Cost);
    state.Cost.AdvancePerShift = 50;
    state.Cost.UseCalculatedAdvance = 0;
    EXPECT_EQ(ComputeCostTable(state.Cost), before);
}

TEST_F(Cost, SkippedWithoutShiftsOrYears)
{
    state.Cost.WeeksPerYear = 0;
    Rows rows = Printed(ComputeCostTable(state.Cost));
    EXPECT_EQ(rows[2][0], "0.00");
    EXPECT_EQ(rows[4][0], "0.00");
    state.Cost.WeeksPerYear = 50;
    state.Cost.YearsToDepreciate = 0;
    rows = Printed(ComputeCostTable(state.Cost));
    EXPECT_EQ(rows[2][0], "0.19");
    EXPECT_EQ(rows[4][0], "0.00");
}

TEST_F(Cost, OverflowIsARunTimeError)
{
    state.Cost.BoltCost = 3e38f;
    state.Cost.PlateCost = 3e38f;
    try {
        ComputeCostTable(state.Cost);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::Overflow);
    }
}

TEST_F(Cost, TableLayout)
{
    const std::string text = CostReportText(ComputeCostTable(state.Cost));
    const std::string head =
        "[VELB COST CALCULATIONS]\r\n\r\nOUTPUT TABLE               $/Bolt      $/ft   $/shift     $/ton\r\n"
        "Consumables Cost:            5.72      5.72   1717.00      1.43\r\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_EQ(text.substr(text.size() - 65), "TOTAL COST:                  9.22      9.22   2766.17      2.31\r\n");
}

}  // namespace
}  // namespace castovin
