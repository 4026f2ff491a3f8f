#include <gtest/gtest.h>

#include "core/text/number_format.h"
#include "core/text/runtime_error.h"
#include "core/tools/unit_calculator.h"

namespace castovin {
namespace {

// Every result box of a kind for an input in unit `from`, as shown.
std::vector<std::string> Shown(QuantityKind kind, int from, double value)
{
    std::vector<std::string> out;
    for (std::size_t to = 0; to < UnitCaptions(kind).size(); ++to)
        out.push_back(GeneralNumber(ConvertUnits(kind, from, static_cast<int>(to), value)));
    return out;
}

TEST(UnitCalculator, FeetToLengths)
{
    EXPECT_EQ(Shown(QuantityKind::Length, 1, 1), (std::vector<std::string>{"12", "1", "30.48", "0.3048"}));
}

TEST(UnitCalculator, KiloNewtonsToLoads)
{
    const auto shown = Shown(QuantityKind::Load, 2, 1);
    EXPECT_EQ(shown[0].substr(0, 7), "224.809");
    EXPECT_EQ(shown[1].substr(0, 9), "0.1124045");
    EXPECT_EQ(shown[2], "1");
    EXPECT_EQ(shown[3], "0.001");
    EXPECT_EQ(shown[4].substr(0, 8), "0.224809");
}

TEST(UnitCalculator, Stresses)
{
    const auto fromPsf = Shown(QuantityKind::Stress, 2, 144);
    EXPECT_EQ(fromPsf[0], "1");
    EXPECT_EQ(fromPsf[1], "0.001");
    const auto fromPsi = Shown(QuantityKind::Stress, 0, 1);
    EXPECT_EQ(fromPsi[4], "0.006894757293");
    EXPECT_EQ(fromPsi[2], "144");
}

// The factor for an input of 1 of each chain the calculator's table lists.
struct Factor {
    QuantityKind kind;
    int from;
    int to;
    double expected;
};

class Factors : public ::testing::TestWithParam<Factor> {};

TEST_P(Factors, MatchTheTable)
{
    const Factor& f = GetParam();
    EXPECT_NEAR(ConvertUnits(f.kind, f.from, f.to, 1), f.expected, std::abs(f.expected) * 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Factors,
    ::testing::Values(
        Factor{QuantityKind::Length, 2, 0, 0.393700787402}, Factor{QuantityKind::Length, 3, 1, 3.28083989501},
        Factor{QuantityKind::Length, 0, 3, 0.0254}, Factor{QuantityKind::Load, 1, 2, 8.89644097879},
        Factor{QuantityKind::Load, 3, 1, 112.4045}, Factor{QuantityKind::Load, 4, 1, 0.5},
        Factor{QuantityKind::Load, 4, 2, 4.44822048939}, Factor{QuantityKind::Load, 3, 4, 224.809},
        Factor{QuantityKind::LoadGradient, 0, 2, 0.175126790921}, Factor{QuantityKind::LoadGradient, 2, 0, 5.7101486},
        Factor{QuantityKind::LoadGradient, 3, 1, 68521.7832}, Factor{QuantityKind::Stress, 2, 3, 47.8802589792},
        Factor{QuantityKind::Stress, 3, 0, 0.000145037737734}, Factor{QuantityKind::Stress, 4, 2, 20885.4342337},
        Factor{QuantityKind::Stress, 1, 2, 144000}, Factor{QuantityKind::StressGradient, 1, 2, 22620.5947933},
        Factor{QuantityKind::StressGradient, 3, 0, 3.68395853844},
        Factor{QuantityKind::StressGradient, 3, 1, 44.2075024612}));

TEST(UnitCalculator, UnitNames)
{
    ASSERT_TRUE(FindUnit("tonsF"));
    EXPECT_EQ(FindUnit("tonsF")->index, 1);
    EXPECT_EQ(FindUnit("MPa/m")->kind, QuantityKind::StressGradient);
    EXPECT_FALSE(FindUnit("furlong"));
    EXPECT_EQ(UnitCaptions(QuantityKind::Load)[1], "tonsF (short)");
}

TEST(UnitCalculator, ResultBeyondTheDoubleRangeIsAnError)
{
    EXPECT_THROW(ConvertUnits(QuantityKind::Stress, 4, 3, 1e305), RuntimeError);
}

}  // namespace
}  // namespace castovin
