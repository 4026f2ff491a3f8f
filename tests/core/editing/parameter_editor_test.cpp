#include <gtest/gtest.h>

#include "core/editing/parameter_editor.h"
#include "test_state.h"

namespace castovin {
namespace {

using test::StateTest;

constexpr const char* kSpanQuestion =
    "Actual Intersection Span and Entry Width dont seem to match. Accept current values?";
constexpr const char* kCmrrWarning =
    "WARNING:  CMRR outside range of case history data base.  VELB may not be valid.  Accept Value ?";
constexpr const char* kSfWarning =
    "WARNING:  Stability Factor is less than 1.0.  VELB is probably not valid.  Accept Value ?";

class Parameters : public StateTest {
protected:
    Parameters()
    {
        SetMsgCategory(state.messenger.MsgCategory, MsgForm::Parameters);
        fields = ParameterFieldsFromSupport(state.project.Support);
    }
    ParmValidation Validate() { return ValidateParms(state.messenger, state.project.units, fields); }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const auto& shown : box.All())
            texts.push_back(shown.text);
        return texts;
    }
    ParameterFields fields;
};

TEST_F(Parameters, DefaultsAreValidWithoutAQuestion)
{
    const ParmValidation v = Validate();
    EXPECT_TRUE(v.valid);
    EXPECT_EQ(box.Count(), 0u);
}

TEST_F(Parameters, CmrrLimits)
{
    fields.CMRR = "100";
    box.Answer(MsgResult::OK);
    ParmValidation v = Validate();
    EXPECT_FALSE(v.valid);
    EXPECT_EQ(v.focus, ParmField::CMRR);
    EXPECT_EQ(box.Last().text, "Invalid CMRR");
    EXPECT_EQ(box.Last().style, MsgIcon::Critical);
    EXPECT_EQ(box.Last().title, "Project Parameters: Range Error");

    // Judged as the whole number that is stored: 99.5 and 99.9 would be 100.
    for (const char* refused : {"99.5", "99.9", "0.4"}) {
        fields.CMRR = refused;
        box.Answer(MsgResult::OK);
        v = Validate();
        EXPECT_FALSE(v.valid) << refused;
        EXPECT_EQ(box.Last().text, "Invalid CMRR") << refused;
    }
    fields.CMRR = "99.4";
    EXPECT_TRUE(Validate().valid);
    EXPECT_EQ(SupportFromFields(fields, state.project.Support)[0].CMRR, 99);
    fields.CMRR = "98.5";  // half to even: stored as 98
    EXPECT_TRUE(Validate().valid);
    EXPECT_EQ(SupportFromFields(fields, state.project.Support)[0].CMRR, 98);

    fields.CMRR = "30";
    box.Answer(MsgResult::Yes);
    EXPECT_TRUE(Validate().valid);
    EXPECT_EQ(box.Last().text, kCmrrWarning);
    EXPECT_EQ(box.Last().style, MsgButtons::YesNo);
    box.Answer(MsgResult::No);
    v = Validate();
    EXPECT_FALSE(v.valid);
    EXPECT_EQ(v.focus, ParmField::CMRR);

    fields.CMRR = "34.5";  // stored as 34: below the case histories
    box.Answer(MsgResult::Yes);
    EXPECT_TRUE(Validate().valid);
    EXPECT_EQ(box.Last().text, kCmrrWarning);

    const std::size_t asked = box.Count();
    for (const char* inRange : {"35", "34.6"}) {
        fields.CMRR = inRange;
        EXPECT_TRUE(Validate().valid) << inRange;
    }
    EXPECT_EQ(box.Count(), asked);
}

TEST_F(Parameters, SpanAgainstEntryWidthEnglish)
{
    // Entry width 20 ft: the diagonal is 28.28 ft.
    for (const char* span : {"28.3", "40.28"}) {
        fields.ActualSpan = span;
        EXPECT_TRUE(Validate().valid) << span;
    }
    for (const char* span : {"28", "40.3"}) {
        fields.ActualSpan = span;
        box.Answer(MsgResult::No);
        const ParmValidation v = Validate();
        EXPECT_FALSE(v.valid) << span;
        EXPECT_EQ(v.focus, ParmField::ActualSpan);
        EXPECT_EQ(box.Last().text, kSpanQuestion);
    }
    box.Answer(MsgResult::Yes);
    EXPECT_TRUE(Validate().valid);
}

TEST_F(Parameters, SpanAgainstEntryWidthMetric)
{
    state.project.units = UnitSystem::Metric;
    fields.EntryWidth = "6.2";  // diagonal 8.77 m
    fields.ActualSpan = "9";
    fields.ActualBoltLength = {"2", "2"};
    fields.BoltDiameter = {"20", "20"};
    EXPECT_TRUE(Validate().valid);
    fields.ActualSpan = "12.8";
    box.Answer(MsgResult::No);
    EXPECT_FALSE(Validate().valid);
    EXPECT_EQ(box.Last().text, kSpanQuestion);
}

TEST_F(Parameters, BoltLengthLimit)
{
    fields.ActualBoltLength[0] = "10";
    EXPECT_TRUE(Validate().valid);
    fields.ActualBoltLength[0] = "10.01";
    box.Answer(MsgResult::OK);
    const ParmValidation v = Validate();
    EXPECT_FALSE(v.valid);
    EXPECT_EQ(v.focus, ParmField::ActualBoltLength0);
    EXPECT_EQ(box.Last().text, "Invalid actual bolt length. Maximum length allowed is 10 (ft)");

    state.project.units = UnitSystem::Metric;
    fields.ActualBoltLength[0] = "3.3";  // compared in single precision: passes
    fields.BoltDiameter[0] = "25";
    fields.DepthofCover = "150";
    EXPECT_TRUE(Validate().valid) << (box.Count() ? box.Last().text : "");
    fields.ActualBoltLength[0] = "3.31";
    box.Answer(MsgResult::OK);
    Validate();
    EXPECT_EQ(box.Last().text, "Invalid actual bolt length. Maximum length allowed is 3.3 (m)");
}

TEST_F(Parameters, HiddenSecondSystemIsNotCheckedWithOneSystem)
{
    fields.BoltDiameter[1] = "0";
    fields.BoltGrade[1] = "x";
    fields.RowSpacing[1] = "-1";
    fields.BoltsInter = "many";
    EXPECT_TRUE(Validate().valid);
    EXPECT_EQ(box.Count(), 0u);
    // A hidden field that is not a number keeps the project's value.
    EXPECT_EQ(SupportFromFields(fields, state.project.Support)[1].BoltsPerIntersection, 12);
}

TEST_F(Parameters, HiddenDiameterOfCableSystemIsStillChecked)
{
    fields.NoSup = "2";
    fields.SystemType = 1;
    fields.BoltDiameter[1] = "0";
    box.Answer(MsgResult::OK);
    const ParmValidation v = Validate();
    EXPECT_FALSE(v.valid);
    EXPECT_EQ(v.focus, ParmField::BoltDiameter1);
    EXPECT_EQ(box.Last().text, "Invalid bolt diameter. Valid Range: max 1in or 25 mm");
}

TEST_F(Parameters, TextsThatAreNotNumbersAreNamed)
{
    fields.NoSup = "";
    box.Answer(MsgResult::OK);
    ParmValidation v = Validate();
    EXPECT_FALSE(v.valid);
    EXPECT_EQ(v.focus, ParmField::NoSup);
    EXPECT_EQ(box.Last().text, "Invalid number of support systems");

    fields.NoSup = "3";
    box.Answer(MsgResult::OK);
    EXPECT_FALSE(Validate().valid);

    fields.NoSup = "2";
    fields.BoltGrade[0] = "75 ksi";
    box.Answer(MsgResult::OK);
    v = Validate();
    EXPECT_EQ(v.focus, ParmField::BoltGrade0);
    EXPECT_EQ(box.Last().text, "Invalid bolt grade");

    fields.BoltGrade[0] = "75";
    fields.BoltsInter = "";
    box.Answer(MsgResult::OK);
    v = Validate();
    EXPECT_EQ(v.focus, ParmField::BoltsInter);
    EXPECT_EQ(box.Last().text, "Invalid number of bolts per intersection");

    fields.BoltsInter = "8";
    fields.CableBoltCap = "thirty";
    box.Answer(MsgResult::OK);
    v = Validate();
    EXPECT_EQ(v.focus, ParmField::CableBoltCap);
    EXPECT_EQ(box.Last().text, "Invalid cable bolt capacity");
}

TEST_F(Parameters, WarningsFollowAnInvalidUnitWeight)
{
    fields.UnitWeight = "0";
    fields.ActualSpan = "50";
    fields.CMRR = "30";
    fields.StabilityFactor = "0.9";
    for (MsgResult answer : {MsgResult::OK, MsgResult::Yes, MsgResult::Yes, MsgResult::Yes})
        box.Answer(answer);
    const ParmValidation v = Validate();
    EXPECT_FALSE(v.valid);
    EXPECT_EQ(v.focus, ParmField::UnitWeight);
    const auto& shown = box.All();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].text, "Invalid Unit Weight for Rock");
    EXPECT_EQ(shown[1].text, kSpanQuestion);
    EXPECT_EQ(shown[2].text, kCmrrWarning);
    EXPECT_EQ(shown[3].text, kSfWarning);
}

TEST_F(Parameters, InvalidEntryWidthEndsTheValidation)
{
    fields.EntryWidth = "0";
    fields.CMRR = "30";
    box.Answer(MsgResult::OK);
    const ParmValidation v = Validate();
    EXPECT_FALSE(v.valid);
    EXPECT_EQ(v.focus, ParmField::EntryWidth);
    EXPECT_EQ(box.Count(), 1u);
}

TEST_F(Parameters, CommittedValues)
{
    fields.NoSup = "2";
    fields.SystemType = 1;
    fields.SystemLocation = 1;
    fields.BoltsperRow[0] = "4.5";
    fields.BoltsInter = "7";
    fields.CableBoltCap = "25";
    fields.BoltGrade[1] = "60";
    const auto support = SupportFromFields(fields, state.project.Support);
    EXPECT_EQ(support[0].NumberOfSystems, 2);
    EXPECT_EQ(support[0].SecondSystemType, 1);
    EXPECT_EQ(support[0].SecondSystemLocation, 1);
    EXPECT_EQ(support[0].BoltsPerRow, 4.5f);
    EXPECT_EQ(support[1].BoltsPerIntersection, 7);
    EXPECT_EQ(support[1].CableBoltCapacity, 25);
    EXPECT_EQ(support[1].BoltGrade, 60);
}

TEST(SupportLayout, FollowsNumberTypeAndLocation)
{
    SupportLayout one = ApplySupportLayout("1", 1, 1, UnitSystem::English);
    EXPECT_FALSE(one.secondPageSelectable);
    EXPECT_FALSE(one.secondChoicesShown);
    EXPECT_FALSE(one.cableCapacityShown.has_value());

    SupportLayout empty = ApplySupportLayout("", 0, 0, UnitSystem::English);
    EXPECT_TRUE(empty.secondChoicesShown);
    EXPECT_FALSE(empty.secondPageSelectable);

    SupportLayout cables = ApplySupportLayout("2", 1, 1, UnitSystem::Metric);
    EXPECT_TRUE(cables.secondPageSelectable);
    EXPECT_TRUE(*cables.cableCapacityShown);
    EXPECT_EQ(*cables.diameterLabel, "Cable Bolt Capacity (MN)");
    EXPECT_TRUE(*cables.boltsPerIntersectionShown);
    EXPECT_EQ(*cables.boltsPerRowLabel, "Number of Bolts per Intersection");

    SupportLayout bolts = ApplySupportLayout("2", 0, 0, UnitSystem::English);
    EXPECT_FALSE(*bolts.cableCapacityShown);
    EXPECT_EQ(*bolts.diameterLabel, "Bolt Diameter (in)");
    EXPECT_EQ(*bolts.boltsPerRowLabel, "Number of Bolts per Row");

    // 2.4 rounds to 2 for the page, but is not exactly 2 for type and location.
    SupportLayout near = ApplySupportLayout("2.4", 1, 1, UnitSystem::English);
    EXPECT_TRUE(near.secondPageSelectable);
    EXPECT_FALSE(near.cableCapacityShown.has_value());
}

}  // namespace
}  // namespace castovin
