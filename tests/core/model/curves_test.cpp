#include <gtest/gtest.h>

#include "core/files/lifecycle.h"
#include "core/model/curves.h"
#include "core/model/formulas.h"
#include "core/text/runtime_error.h"
#include "test_state.h"
#include "test_text.h"

namespace castovin {
namespace {

using test::Contains;
using test::StateTest;

class Curves : public StateTest {
protected:
    std::vector<CurvePoint> Curve(GraphKind graph)
    {
        return ComputeCurve(state.project.Support[0], state.project.units, graph, state.messenger);
    }
    static std::vector<float> Xs(const std::vector<CurvePoint>& points)
    {
        std::vector<float> xs;
        for (const CurvePoint& p : points)
            xs.push_back(p.x);
        return xs;
    }
};

TEST_F(Curves, CmrrCurveOfTheEnglishDefaults)
{
    const auto points = Curve(GraphCMRR);
    // a = 35, b = 55 trimmed to 51 (the limit is 51.52), s = 4.5
    EXPECT_EQ(Xs(points), (std::vector<float>{35, 39.5f, 44, 48.5f}));
    EXPECT_FLOAT_EQ(points[0].y, SuggestedVELB(1.2f, 31.7f, 30, 400, 35));
}

TEST_F(Curves, DepthCurve)
{
    const auto points = Curve(GraphDepth);
    ASSERT_EQ(points.size(), 11u);
    EXPECT_EQ(points.front().x, 200);
    EXPECT_EQ(points.back().x, 600);
    // Suggested span fixed at the project's CMRR.
    EXPECT_FLOAT_EQ(points[5].y, SuggestedVELB(1.2f, 31.7f, 30, 400, 45));
}

TEST_F(Curves, MetricDepthCurveInMetres)
{
    state.environment.Settings.DefaultUnits = UnitNumber(UnitSystem::Metric);
    FileNew(state.project, state.environment, state.messenger, true, true);
    const auto points = Curve(GraphDepth);
    ASSERT_EQ(points.size(), 11u);
    EXPECT_NEAR(points.front().x, 75, 1e-3);
    EXPECT_NEAR(points.back().x, 225, 1e-3);
}

TEST_F(Curves, SpanCurve)
{
    EXPECT_EQ(Xs(Curve(GraphSpan)), (std::vector<float>{20, 23, 26, 29, 32, 35, 38}));
}

TEST_F(Curves, SpanLowerLimitRaisedAndLogged)
{
    state.project.Support[0].ActualInterSpan = 5;
    EXPECT_EQ(Curve(GraphSpan).front().x, 3);
    EXPECT_TRUE(Contains(state.messenger.History.Text(), "Lower limit for IntersectionSpan adjusted > 0\r\n"));
}

TEST_F(Curves, StabilityFactorCurve)
{
    const auto points = Curve(GraphStabilityFactor);
    ASSERT_EQ(points.size(), 11u);
    EXPECT_FLOAT_EQ(points.front().x, 0.6f);
}

TEST_F(Curves, EmptyRangesGiveNoPoints)
{
    state.project.Support[0].CMRR = 24;  // a = 35, b = 34, N = 2: no point
    EXPECT_TRUE(Curve(GraphCMRR).empty());
    state.project.Support[0].CMRR = 21;  // N below 1: no room at all
    EXPECT_TRUE(Curve(GraphCMRR).empty());
    state.project.Support[0].CMRR = 80;  // unsuitable: b = 51 far below a = 70
    EXPECT_TRUE(Curve(GraphCMRR).empty());
}

TEST_F(Curves, ZeroStepBecomesOne)
{
    state.project.Support[0].StabilityFactor = 0;  // a = b = 0, s = 1
    EXPECT_EQ(Xs(Curve(GraphStabilityFactor)), std::vector<float>{0});
}

TEST_F(Curves, StepLostInPrecisionIsAnErrorNotAHang)
{
    state.project.Support[0].ActualInterSpan = 1e-12f;  // a = 3, b = 10, s = 1e-13
    try {
        Curve(GraphSpan);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_TRUE(e.number() == err::Overflow || e.number() == err::OutOfMemory) << e.number();
    }
}

}  // namespace
}  // namespace castovin
