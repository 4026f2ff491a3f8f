#include <gtest/gtest.h>

#include "model/curves.h"
#include "model/formulas.h"
#include "test_state.h"
#include "test_text.h"
#include "text/runtime_error.h"

namespace castovin {
namespace {

using test::Contains;
using test::StateTest;

class Curves : public StateTest {
protected:
    std::vector<float> Xs()
    {
        std::vector<float> xs;
        for (int i = 0; i < state.CurvePointCount; ++i)
            xs.push_back(state.CurveData[static_cast<std::size_t>(i)].x);
        return xs;
    }
};

TEST_F(Curves, CmrrCurveOfTheEnglishDefaults)
{
    ComputeCurve(state, GraphCMRR);
    // a = 35, b = 55 trimmed to 51 (the limit is 51.52), s = 4.5
    EXPECT_EQ(Xs(), (std::vector<float>{35, 39.5f, 44, 48.5f}));
    EXPECT_EQ(state.GraphIndex, GraphCMRR);
    EXPECT_FLOAT_EQ(state.CurveData[0].y, SuggestedVELB(1.2f, 31.7f, 30, 400, 35));
}

TEST_F(Curves, DepthCurve)
{
    ComputeCurve(state, GraphDepth);
    ASSERT_EQ(state.CurvePointCount, 11);
    EXPECT_EQ(state.CurveData.front().x, 200);
    EXPECT_EQ(state.CurveData.back().x, 600);
    // Suggested span fixed at the project's CMRR.
    EXPECT_FLOAT_EQ(state.CurveData[5].y, SuggestedVELB(1.2f, 31.7f, 30, 400, 45));
}

TEST_F(Curves, MetricDepthCurveInMetres)
{
    state.Settings.DefaultUnits = Metric;
    FileNew(state, true, true);
    ComputeCurve(state, GraphDepth);
    ASSERT_EQ(state.CurvePointCount, 11);
    EXPECT_NEAR(state.CurveData.front().x, 75, 1e-3);
    EXPECT_NEAR(state.CurveData.back().x, 225, 1e-3);
}

TEST_F(Curves, SpanCurve)
{
    ComputeCurve(state, GraphSpan);
    EXPECT_EQ(Xs(), (std::vector<float>{20, 23, 26, 29, 32, 35, 38}));
}

TEST_F(Curves, SpanLowerLimitRaisedAndLogged)
{
    state.Support[0].ActualInterSpan = 5;
    ComputeCurve(state, GraphSpan);
    EXPECT_EQ(state.CurveData.front().x, 3);
    EXPECT_TRUE(Contains(state.History.Text(), "Lower limit for IntersectionSpan adjusted > 0\r\n"));
}

TEST_F(Curves, StabilityFactorCurve)
{
    ComputeCurve(state, GraphStabilityFactor);
    ASSERT_EQ(state.CurvePointCount, 11);
    EXPECT_FLOAT_EQ(state.CurveData.front().x, 0.6f);
}

TEST_F(Curves, EmptyRangesGiveNoPoints)
{
    state.Support[0].CMRR = 24;  // a = 35, b = 34, N = 2: no point
    ComputeCurve(state, GraphCMRR);
    EXPECT_EQ(state.CurvePointCount, 0);
    state.Support[0].CMRR = 21;  // N below 1: no room at all
    ComputeCurve(state, GraphCMRR);
    EXPECT_EQ(state.CurvePointCount, 0);
    state.Support[0].CMRR = 80;  // unsuitable: b = 51 far below a = 70
    ComputeCurve(state, GraphCMRR);
    EXPECT_EQ(state.CurvePointCount, 0);
}

TEST_F(Curves, ZeroStepBecomesOne)
{
    state.Support[0].StabilityFactor = 0;  // a = b = 0, s = 1
    ComputeCurve(state, GraphStabilityFactor);
    EXPECT_EQ(Xs(), std::vector<float>{0});
}

TEST_F(Curves, StepLostInPrecisionIsAnErrorNotAHang)
{
    state.Support[0].ActualInterSpan = 1e-12f;  // a = 3, b = 10, s = 1e-13
    try {
        ComputeCurve(state, GraphSpan);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_TRUE(e.number() == err::Overflow || e.number() == err::OutOfMemory) << e.number();
    }
}

}  // namespace
}  // namespace castovin
