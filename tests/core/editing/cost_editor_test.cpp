#include <gtest/gtest.h>

#include "core/editing/cost_editor.h"
#include "test_state.h"

namespace castovin {
namespace {

using test::StateTest;

class CostEditing : public StateTest {
protected:
    CostEditing() { fields = CostFieldsFromCost(state.project.Cost); }
    std::string& Text(CostField field) { return fields.text[CostFieldIndex(field)]; }
    CostFields fields;
};

TEST_F(CostEditing, ZeroAndEmptyAreValid)
{
    Text(CostField::HeaderCost) = "0";
    Text(CostField::StrapCost) = "";
    EXPECT_FALSE(ValidateCost(state.messenger, fields).has_value());
    EXPECT_EQ(CostFromFields(fields, state.project.Cost).StrapCost, 0);
}

TEST_F(CostEditing, FirstNegativeFieldOnly)
{
    Text(CostField::BitCost) = "-1";
    Text(CostField::WeeksPerYear) = "-5";
    box.Answer(MsgResult::OK);
    const auto failed = ValidateCost(state.messenger, fields);
    ASSERT_TRUE(failed.has_value());
    EXPECT_EQ(*failed, CostFieldIndex(CostField::BitCost));
    EXPECT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "Invalid cost per bit");
    EXPECT_EQ(box.Last().style, MsgStyle(MsgButtons::OK));
    EXPECT_EQ(box.Last().title, "Castovin");
}

TEST_F(CostEditing, ValidationFollowsTheTableOrder)
{
    // The second production run comes after the machine ownership fields.
    Text(CostField::AdvanceRate) = "-4";
    Text(CostField::YearsToDepreciate) = "-1";
    box.Answer(MsgResult::OK);
    EXPECT_EQ(*ValidateCost(state.messenger, fields), CostFieldIndex(CostField::YearsToDepreciate));
    EXPECT_EQ(box.Last().text, "Invalid number of depreciation years");
}

TEST(CalculatedProduction, AdvanceAndCleanProduction)
{
    EXPECT_EQ(CalculatedAdvanceText("300", "4", "4"), "300");
    EXPECT_EQ(CalculatedAdvanceText("300", "4", "5"), "375");
    EXPECT_EQ(CalculatedAdvanceText("300", "4", "1.2"), "90");
    EXPECT_EQ(CalculatedProductionText("90", "12"), "1080");
    EXPECT_EQ(CalculatedProductionText("375", "4"), "1500");
    EXPECT_EQ(CalculatedAdvanceText("300", "0", "4"), "0");
    // 100 / 3 x 1 rounded to float, shown with a float's seven digits.
    EXPECT_EQ(CalculatedAdvanceText("100", "3", "1"), "33.33333");
    EXPECT_EQ(CalculatedAdvanceText("3e38", "1e-30", "3e38"), std::nullopt);
    EXPECT_FALSE(CalculatedAdvanceText("300", "4", "").has_value());
    EXPECT_FALSE(CalculatedAdvanceText("300", "4", "-2").has_value());
    EXPECT_EQ(CalculatedProductionText("", "4"), "0");
}

TEST(CostFieldLabels, AdvanceRateIsAMassPerLength)
{
    const CostFieldInfo& rate = CostFieldTable()[CostFieldIndex(CostField::AdvanceRate)];
    EXPECT_EQ(std::string(rate.label) + std::string(UnitLabel(rate.unitKind, UnitSystem::English)),
              "Advance: Clean tons per (tons/ft)");
    EXPECT_EQ(std::string(rate.label) + std::string(UnitLabel(rate.unitKind, UnitSystem::Metric)),
              "Advance: Clean tons per (tn/m)");
}

TEST_F(CostEditing, SwitchesAndValuesCommitted)
{
    Text(CostField::BoltCost) = "3.25";
    fields.useCalculatedAdvance = false;
    const CostRecord cost = CostFromFields(fields, state.project.Cost);
    EXPECT_EQ(cost.BoltCost, 3.25f);
    EXPECT_EQ(cost.UseCalculatedAdvance, 0);
    EXPECT_EQ(cost.UseCalculatedProduction, 1);
    EXPECT_EQ(std::string(CostFieldTable()[CostFieldIndex(CostField::AdvancePerShift)].label), "Advance per shift ");
}

}  // namespace
}  // namespace castovin
