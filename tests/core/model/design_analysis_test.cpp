#include <gtest/gtest.h>

#include "core/files/lifecycle.h"
#include "core/model/design_analysis.h"
#include "core/model/formulas.h"
#include "core/text/number_format.h"
#include "core/text/runtime_error.h"
#include "test_state.h"

namespace castovin {
namespace {

using test::StateTest;

constexpr const char* kLonger1ft =
    "WARNING: The actual roof bolt length is longer than the suggested\r\n         length by more than 1 foot.";
constexpr const char* kShorter30cm = "WARNING: The actual roof bolt length is shorter than the suggested\r\n"
                                     "         length by more than 30 cm. VELB is probably not valid.";

TEST(CheckBoltLength, ThresholdsAreOneFootInclusive)
{
    EXPECT_EQ(CheckBoltLength(1.0f, UnitSystem::English), "Bolt Length: OK.");
    EXPECT_EQ(CheckBoltLength(-1.0f, UnitSystem::English), "Bolt Length: OK.");
    EXPECT_EQ(CheckBoltLength(1.0001f, UnitSystem::English), kLonger1ft);
    EXPECT_EQ(CheckBoltLength(-1.0001f, UnitSystem::Metric), kShorter30cm);
    // In metric the threshold stays 1 ft (0.3048 m) although the text says 30 cm.
    EXPECT_EQ(CheckBoltLength(0.9f, UnitSystem::Metric), "Bolt Length: OK.");
}

class Design : public StateTest {
protected:
    DesignResults Run() { return ComputeDesign(state.project.Support, state.project.units); }
    std::string Report() { return DesignReportText(Run(), state.project.units); }
    SupportRecord& s0() { return state.project.Support[0]; }
    SupportRecord& s1() { return state.project.Support[1]; }
};

TEST_F(Design, EnglishDefaults)
{
    const DesignResults r = Run();
    ASSERT_TRUE(r.suitable);
    EXPECT_EQ(FormatNumber(r.suggestedSpan, "#.0"), "31.7");
    EXPECT_EQ(FormatNumber(r.suggestedBoltLength, "#.0"), "4.8");
    EXPECT_EQ(FormatNumber(r.boltCapacity[0], "0.0"), "16.6");
    EXPECT_EQ(FormatNumber(r.suggestedVELB, "0.0"), "6.1");
    EXPECT_EQ(FormatNumber(r.actualVELB[0], "0.0"), "9.9");
    EXPECT_NEAR(r.boltLengthDifference[0], 1.22, 0.005);
    EXPECT_EQ(r.boltLengthVerdict[0], kLonger1ft);
    EXPECT_EQ(r.spanVerdict, "Intersection Span: OK.");
    EXPECT_EQ(r.designVerdict, "VELB Design: OK.");
}

TEST(DesignReport, OneDecimalKeepsTheZeroBeforeThePoint)
{
    // After a dot leader ".8" would read as 8; values of 1 and above print as before.
    DesignResults r;
    r.suitable = true;
    r.numberOfSystems = 1;
    const auto lines = [&r](float span, float length) {
        r.suggestedSpan = span;
        r.suggestedBoltLength = length;
        const std::string text = DesignReportText(r, UnitSystem::Metric);
        const std::size_t a = text.find("Suggested Intersection Span");
        const std::size_t b = text.find("Suggested Bolt Length");
        return text.substr(a, text.find("\r\n", a) - a) + "|" + text.substr(b, text.find("\r\n", b) - b);
    };
    EXPECT_EQ(lines(0.04f, 0.8f), "Suggested Intersection Span.......................0.0 (m)|"
                                  "Suggested Bolt Length.............................0.8 (m)");
    EXPECT_EQ(lines(0.96f, 1.04f), "Suggested Intersection Span.......................1.0 (m)|"
                                   "Suggested Bolt Length.............................1.0 (m)");
    EXPECT_EQ(lines(12.34f, 0.25f), "Suggested Intersection Span.......................12.3 (m)|"
                                    "Suggested Bolt Length.............................0.3 (m)");
}

TEST_F(Design, StrongRoofEndsAfterTheSuitabilitySection)
{
    s0().CMRR = 52;  // the limit at 400 ft is 51.52
    EXPECT_EQ(Report(),
              "[VELB SUITABILITY]\r\n\r\n"
              "Cannot use VELB, roof is too strong and bolt reinforcement mechanism is skin control or suspension."
              "Bolts are working in skin control/suspension, not beam building.\r\n\r\n");
}

TEST_F(Design, StrongRoofComputesNothingThatCouldFail)
{
    s0().CMRR = 120;  // would raise a negative base to 1.5
    s0().RowSpacing = 0;
    EXPECT_FALSE(Run().suitable);
}

TEST_F(Design, SpanEqualToSuggestedIsOk)
{
    s0().ActualInterSpan = SuggestedSpan(45);
    EXPECT_EQ(Run().spanVerdict, "Intersection Span: OK.");
    s0().ActualInterSpan = 31.8f;
    EXPECT_EQ(Run().spanVerdict, "WARNING: Actual intersection span exceeds suggested intersection span.");
}

TEST_F(Design, WeakDesignGetsTheVerdictWarning)
{
    s0().RowSpacing = 8;  // actual VELB 4.97 < 6.09
    const std::string report = Report();
    const std::string expectedEnd = "Actual VELB for this design.......................5.0\r\n\r\n"
                                    "WARNING: The actual VELB for this design is less than the suggested\r\n"
                                    "         VELB. Try changing the bolt length, bolt diameter, bolt grade\r\n"
                                    "         or row spacing.\r\n\r\n";
    ASSERT_GE(report.size(), expectedEnd.size());
    EXPECT_EQ(report.substr(report.size() - expectedEnd.size()), expectedEnd);
}

TEST_F(Design, RoofBoltsAtIntersectionsUseTheCableCapacityField)
{
    s0().NumberOfSystems = 2;
    s0().SecondSystemType = 0;
    s0().SecondSystemLocation = 1;
    s1().ActualBoltLength = 8;
    s1().CableBoltCapacity = 20;
    s1().BoltsPerIntersection = 10;
    const DesignResults r = Run();
    EXPECT_FLOAT_EQ(r.actualVELB[1], IntersectionVELB(8, 20, 10, 30));
    const std::string report = Report();
    EXPECT_NE(report.find("Intersection (bolts)                     n.a.              "), std::string::npos);
    // Line 9c follows 9a without a blank line.
    EXPECT_NE(report.find("(Bolt System #1)....................16.6 (tons)\r\nBolt Capacity (Bolt System #2)"),
              std::string::npos);
}

TEST_F(Design, TwoSystemsStrongEnoughTogetherHaveNoVerdict)
{
    s0().NumberOfSystems = 2;
    s0().RowSpacing = 8;  // 4.97 alone is too weak
    s1().RowSpacing = 8;  // together 9.94 >= 6.09
    const DesignResults r = Run();
    EXPECT_EQ(r.designVerdict, "");
    s1().RowSpacing = 80;  // together 5.47 < 6.09
    EXPECT_NE(Run().designVerdict.find("WARNING: The actual VELB"), std::string::npos);
}

TEST_F(Design, SecondSystemIgnoredUnlessTwoSystems)
{
    // A count of 3 can come from a file: the second system's values are not
    // loaded, so its results are 0, and the rows for "not one system" apply.
    s0().NumberOfSystems = 3;
    s0().SecondSystemType = 1;
    const DesignResults r = Run();
    EXPECT_EQ(r.actualVELB[1], 0);
    EXPECT_EQ(r.cableBoltCapacity, 0);
    const std::string report = Report();
    EXPECT_NE(report.find("Cable Bolt Capacity (Bolt System #2)..............0.0 (tons)\r\n\r\n"), std::string::npos);
    EXPECT_EQ(report.find("[SUPPORT SYSTEM CAPACITY"), std::string::npos);
}

TEST_F(Design, UnknownSecondSystemTypeIsASubscriptError)
{
    s0().NumberOfSystems = 2;
    s0().SecondSystemType = 5;
    try {
        Report();
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::SubscriptOutOfRange);
    }
}

TEST_F(Design, MetricAndConvertedEnglishAgree)
{
    state.environment.Settings.DefaultUnits = UnitNumber(UnitSystem::Metric);
    FileNew(state.project, state.environment, state.messenger, true, true);
    const DesignResults metric = Run();
    // The same project in English units.
    s0().DepthofCover = ToFloat(150 * conv::FeetPerMeter);
    s0().ActualInterSpan = ToFloat(9 * conv::FeetPerMeter);
    s0().EntryWidth = ToFloat(6.2f * conv::FeetPerMeter);
    s0().ActualBoltLength = ToFloat(2 * conv::FeetPerMeter);
    s0().RowSpacing = ToFloat(1.2f * conv::FeetPerMeter);
    s0().BoltDiameter = ToFloat(20 / conv::MmPerInch);
    s0().BoltGrade = ToFloat(520 * 1000000.0 / conv::PsiPerMPa / 1000);
    s0().UnitWeight = ToFloat(25 * conv::PcfPerKNm3);
    state.project.units = UnitSystem::English;
    const DesignResults english = Run();
    EXPECT_NEAR(metric.suggestedVELB, english.suggestedVELB, 1e-5);
    EXPECT_NEAR(metric.actualVELB[0], english.actualVELB[0], 1e-5);
    EXPECT_NEAR(metric.suggestedBoltLength * conv::FeetPerMeter, english.suggestedBoltLength, 1e-5);
    EXPECT_NEAR(metric.boltCapacity[0], english.boltCapacity[0] * 2000 * conv::MNPerKip, 1e-3);
}

TEST_F(Design, MetricSecondSystemCapacityInKiloNewtonsPerMetre)
{
    state.environment.Settings.DefaultUnits = UnitNumber(UnitSystem::Metric);
    FileNew(state.project, state.environment, state.messenger, true, true);
    s0().NumberOfSystems = 2;
    s0().SecondSystemType = 1;  // cables over the entry: Q = Cc x Nb2 / S2
    s1().CableBoltCapacity = 0.25f;
    s1().BoltsPerRow = 2;
    s1().RowSpacing = 2;
    const DesignResults r = Run();
    const double tons = 0.25 / conv::MNPerKip / 2000 * 1000;  // 28.1 tons
    const double tonsPerFoot = tons * 2 / (2 * conv::FeetPerMeter);
    EXPECT_NEAR(r.systemCapacity[1], tonsPerFoot * 2000 * conv::MNPerKip * conv::FeetPerMeter, 1e-2);
    EXPECT_NEAR(r.cableBoltCapacity, tons, 1e-4);  // reported in tons in both systems
}

}  // namespace
}  // namespace castovin
