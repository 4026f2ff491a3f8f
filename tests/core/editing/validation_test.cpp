#include <limits>
#include <optional>

#include <gtest/gtest.h>

#include "core/editing/validation.h"
#include "core/text/number_reading.h"
#include "core/text/runtime_error.h"
#include "test_state.h"

namespace castovin {
namespace {

using test::StateTest;

TEST(LeadingNumber, ReadsTheNumberAtTheStart)
{
    EXPECT_EQ(LeadingNumber("12abc"), 12);
    EXPECT_EQ(LeadingNumber("1 2"), 12);
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("1,5"), 1);
    EXPECT_EQ(LeadingNumber("  -4.5 ft"), -4.5);
    EXPECT_EQ(LeadingNumber("\t+ 7\n"), 7);
    EXPECT_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_EQ(LeadingNumber("5."), 5);
    EXPECT_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(LeadingNumber("-"), 0);
    EXPECT_EQ(LeadingNumber("1.5E3"), 1500);
    EXPECT_EQ(LeadingNumber("2D-2"), 0.02);
    EXPECT_EQ(LeadingNumber("3e"), 3);
    EXPECT_EQ(LeadingNumber("1e-400"), 0);
}

TEST(LeadingNumber, HexadecimalAndOctal)
{
    EXPECT_EQ(LeadingNumber("&H1F"), 31);
    EXPECT_EQ(LeadingNumber("&hFFFF"), -1);
    EXPECT_EQ(LeadingNumber("&H10000"), 65536);
    EXPECT_EQ(LeadingNumber("&O17"), 15);
    EXPECT_EQ(LeadingNumber("&O9"), 0);
}

TEST(LeadingNumber, BeyondTheDoubleRangeOverflows)
{
    try {
        LeadingNumber("1e400");
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::Overflow);
    }
}

// The command line's rule: only a whole number, in the project file's forms.
TEST(WholeNumber, TheWholeTextOrNothing)
{
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {" \t-4.5\t ", -4.5},    {"+7", 7},
        {".75", 0.75},           {"75.", 75},
        {"1.5E+07", 1.5e7},      {"2e-3", 0.002},
        {"12abc", std::nullopt}, {"1,5", std::nullopt},
        {"abc", std::nullopt},   {"", std::nullopt},
        {"  ", std::nullopt},    {"1 2", std::nullopt},
        {".", std::nullopt},     {"-", std::nullopt},
        {"&H1F", std::nullopt},  {"1D3", std::nullopt},
        {"1e", std::nullopt},    {"4\n", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WholeNumber(c.text), c.value) << c.text;
    EXPECT_EQ(WholeNumber("-1e400"), -std::numeric_limits<double>::infinity());
}

TEST(KeystrokeFilter, CandidateTextRule)
{
    EXPECT_TRUE(KeepNumericKey("12", U'7'));  // 127
    EXPECT_FALSE(KeepNumericKey("12", U'a'));
    EXPECT_TRUE(KeepNumericKey("12.5", U'.'));  // "." is always kept
    EXPECT_FALSE(KeepNumericKey("", U'-'));     // a lone sign is not a number
    EXPECT_TRUE(KeepNumericKey("", U'7'));
    EXPECT_TRUE(KeepNumericKey("-", U'7'));
    EXPECT_TRUE(KeepNumericKey("12.5", U'7'));  // judged on 12.57 whatever the selection
    EXPECT_TRUE(KeepNumericKey("12", U'\b'));
    EXPECT_TRUE(KeepNumericKey("12", U'\t'));
    EXPECT_FALSE(KeepNumericKey("12", U','));  // no thousands separators
    EXPECT_FALSE(KeepNumericKey("12", U'-'));  // no trailing sign
    EXPECT_FALSE(KeepNumericKey("12", 3));     // Ctrl+C
    EXPECT_FALSE(KeepNumericKey("12", 22));    // Ctrl+V
    EXPECT_TRUE(KeepNumericKey("12", U'%'));   // 37, always kept
    EXPECT_TRUE(KeepNumericKey("12", U'('));   // 40, always kept
    EXPECT_FALSE(KeepNumericKey("12", U'\u00e9'));
}

TEST(KeystrokeFilter, NumericText)
{
    for (const char* yes : {"1", " 12 ", "-3", "+4.5", ".5", "5.", "1e5", "1.5E-3", "2d2"})
        EXPECT_TRUE(IsNumericText(yes)) << yes;
    for (const char* no : {"", " ", "-", ".", "-.", "1e", "1e+", "1,5", "12-", "1.2.3", "abc", "1 2"})
        EXPECT_FALSE(IsNumericText(no)) << no;
}

class Range : public StateTest {};

TEST_F(Range, BlankField)
{
    SetMsgCategory(state.messenger.MsgCategory, MsgForm::Settings);
    box.Answer(MsgResult::OK);
    EXPECT_FALSE(CheckRange(state.messenger, "  ", 4096, 16384, "Size of Command History Window"));
    EXPECT_EQ(box.Last().text, "Size of Command History Window: Blank field not allowed");
    EXPECT_EQ(box.Last().style, MsgStyle(MsgIcon::Critical));
    EXPECT_EQ(box.Last().title, "Settings: Range Error");
    box.Answer(MsgResult::OK);
    EXPECT_FALSE(CheckRange(state.messenger, "", 1, 10, ""));
    EXPECT_EQ(box.Last().text, "Blank field not allowed");
}

TEST_F(Range, BoundsAreInclusive)
{
    EXPECT_TRUE(CheckRange(state.messenger, "10", 1, 10, "x"));
    EXPECT_TRUE(CheckRange(state.messenger, "5 ft", 1, 10, "x"));
    box.Answer(MsgResult::OK);
    EXPECT_FALSE(CheckRange(state.messenger, "10.0001", 1, 10, "x"));
    box.Answer(MsgResult::OK);
    EXPECT_FALSE(CheckRange(state.messenger, " 50 ft ", 1, 10, "Length"));
    EXPECT_EQ(box.Last().text, "Length: Value '50 ft' is outside input range\r\nValid range is: 1-10");
}

TEST_F(Range, MessageRendersBoundsInTheGeneralFormat)
{
    box.Answer(MsgResult::OK);
    EXPECT_FALSE(CheckRange(state.messenger, "100", 4096, 16384, "Size of Command History Window"));
    EXPECT_EQ(box.Last().text,
              "Size of Command History Window: Value '100' is outside input range\r\nValid range is: 4096-16384");
    box.Answer(MsgResult::OK);
    EXPECT_FALSE(CheckRange(state.messenger, "0.1", 0.5, 2.25, ""));
    EXPECT_EQ(box.Last().text, "Value '0.1' is outside input range\r\nValid range is: 0.5-2.25");
    box.Answer(MsgResult::OK);
    EXPECT_FALSE(CheckRange(state.messenger, "1e999", 0, 10, ""));
}

class Options : public StateTest {};

TEST_F(Options, GetArrayIndex)
{
    EXPECT_EQ(GetArrayIndex(OptionGroup{2, {false, false, false}}), 2);
    EXPECT_EQ(GetArrayIndex(OptionGroup{0, {true, false, true}}), 2);
    EXPECT_EQ(GetArrayIndex(OptionGroup{0, {false, true, false}}), 1);
}

TEST_F(Options, SetArrayIndex)
{
    OptionGroup group{0, {true, false, false}};
    SetArrayIndex(state.messenger, group, 2);
    EXPECT_EQ(group.value, (std::vector<bool>{false, false, true}));
    box.Answer(MsgResult::OK);
    SetArrayIndex(state.messenger, group, 3);
    EXPECT_EQ(box.Last().text, "Internal Error: SetArrayIndex. Check input/form data.");
    EXPECT_EQ(group.value, (std::vector<bool>{false, false, false}));
}

TEST(CenterForm, CentresOrSticksToTheEdge)
{
    const Placement p = CenterForm(1920, 1080, 800, 600);
    EXPECT_EQ(p.left, 560);
    EXPECT_EQ(p.top, 240);
    const Placement big = CenterForm(1024, 768, 1200, 900);
    EXPECT_EQ(big.left, 0);
    EXPECT_EQ(big.top, 0);
}

TEST_F(Range, CostEditorCategoryCarriesTheParametersPrefix)
{
    SetMsgCategory(state.messenger.MsgCategory, MsgForm::Parameters);
    EXPECT_EQ(state.messenger.MsgCategory.Error, "Project Parameters: Error");
    SetMsgCategory(state.messenger.MsgCategory, MsgForm::UnitCalculator);
    EXPECT_EQ(state.messenger.MsgCategory.RangeError, "Range Error");
    EXPECT_EQ(state.messenger.MsgCategory.Message, "Message");
    EXPECT_THROW(SetMsgCategory(state.messenger.MsgCategory, static_cast<MsgForm>(14)), RuntimeError);
}

}  // namespace
}  // namespace castovin
