#include <functional>

#include <gtest/gtest.h>

#include "core/model/formulas.h"
#include "core/text/runtime_error.h"

namespace castovin {
namespace {

int ErrorNumberOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

TEST(Formulas, EnglishDefaultsByHand)
{
    // CMRR 45, depth 400 ft, span 30 ft, SF 1.2.
    EXPECT_FLOAT_EQ(SuggestedSpan(45), 31.7f);
    EXPECT_NEAR(SuggestedVELB(1.2f, 31.7f, 30, 400, 45), 6.0861, 1e-4);
    EXPECT_NEAR(SuggestedBoltLength(30, 400, 45), 4.7809, 1e-4);
    EXPECT_NEAR(BoltCapacity(0.75f, 75), 16.567, 1e-3);
    EXPECT_NEAR(ActualVELB(6, 4, 0.75f, 75, 4, 20), 9.9402, 1e-4);
}

TEST(Formulas, SuitabilityLimit)
{
    // 21.6 + 11.5 log10(400) = 51.52...
    EXPECT_TRUE(VelbApplies(51, 400));
    EXPECT_FALSE(VelbApplies(52, 400));
    // At depth 10 ft the limit is 33.1.
    EXPECT_TRUE(VelbApplies(33, 10));
    EXPECT_FALSE(VelbApplies(34, 10));
}

TEST(Formulas, LogOfZeroIsOneNotAFault)
{
    EXPECT_EQ(Log10(0), 1.0);
    EXPECT_NEAR(SuggestedBoltLength(30, 0, 45), 0.40789 * 30 / 6.66, 1e-4);
}

TEST(Formulas, FaultsAreRunTimeErrors)
{
    EXPECT_EQ(ErrorNumberOf([] { Log10(-1); }), err::InvalidCall);
    // A CMRR above 100 (possible only from a file) raises a negative base to 1.5.
    EXPECT_EQ(ErrorNumberOf([] { SuggestedBoltLength(30, 400, 120); }), err::InvalidCall);
    EXPECT_EQ(ErrorNumberOf([] { ActualVELB(6, 4, 0.75f, 75, 0, 20); }), err::DivisionByZero);
    EXPECT_EQ(ErrorNumberOf([] { IntersectionVELB(12, 25, 8, 0); }), err::DivisionByZero);
    EXPECT_EQ(ErrorNumberOf([] { ActualVELB(1e30f, 1e30f, 1, 1, 1, 1); }), err::Overflow);
    EXPECT_EQ(ErrorNumberOf([] { EntireEntryRockLoadHeight(10, 0, 20); }), err::DivisionByZero);
}

TEST(Formulas, SecondSystemByHand)
{
    // Cable bolts at intersections: 12 ft x 4 x 25 tons x 8 / 34^2.
    EXPECT_NEAR(IntersectionVELB(12, 25, 8, 34), 8.30450, 1e-4);
    // Roof bolts over the entry: 0.75^2 pi/4 x 37.5 x 4 / 4 tons/ft.
    EXPECT_NEAR(RoofBoltSystemCapacity(0.75f, 75, 4, 4), 16.56699, 1e-4);
    EXPECT_NEAR(CableBoltSystemCapacity(30, 2, 4), 15.0, 1e-6);
    EXPECT_NEAR(EntireEntryRockLoadHeight(15, 0.081f, 20), 15 / (0.081 * 20), 1e-3);
    // Intersections: (sqrt2/2 x 34)^2 = 578 ft2.
    EXPECT_NEAR(CableBoltIntersectionRockLoadHeight(8, 25, 34, 0.08f), 200 / (578 * 0.08), 1e-3);
    EXPECT_NEAR(RoofBoltIntersectionRockLoadHeight(0.75f, 75, 10, 34, 0.08f), 16.56699 * 10 / (578 * 0.08), 1e-3);
}

TEST(Formulas, StoredResultOutsideFloatRangeOverflows)
{
    EXPECT_EQ(ErrorNumberOf([] { ToFloat(1e39); }), err::Overflow);
    EXPECT_EQ(ToFloat(-3.0), -3.0f);
}

}  // namespace
}  // namespace castovin
