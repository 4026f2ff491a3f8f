#include <cmath>
#include <limits>
#include <ostream>

#include <gtest/gtest.h>

#include "core/text/number_format.h"

namespace castovin {
namespace {

struct FloatCase {
    float value;
    const char* text;
};

void PrintTo(const FloatCase& c, std::ostream* os)
{
    *os << c.text;
}

class GeneralFloat : public ::testing::TestWithParam<FloatCase> {};

TEST_P(GeneralFloat, ShortestTextOfAFloat)
{
    EXPECT_EQ(GeneralNumber(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, GeneralFloat,
                         ::testing::Values(FloatCase{0.0f, "0"}, FloatCase{-0.0f, "0"}, FloatCase{45.0f, "45"},
                                           FloatCase{0.5f, "0.5"}, FloatCase{1.2f, "1.2"}, FloatCase{0.75f, "0.75"},
                                           FloatCase{6.2f, "6.2"}, FloatCase{-4.5f, "-4.5"},
                                           FloatCase{1000000.0f, "1000000"}, FloatCase{1234567.0f, "1234567"},
                                           // Switch to exponent form at 1E+07 and below 1E-05.
                                           FloatCase{10000000.0f, "1E+07"}, FloatCase{15000000.0f, "1.5E+07"},
                                           FloatCase{0.00001f, "0.00001"}, FloatCase{0.0000025f, "2.5E-06"},
                                           FloatCase{1e20f, "1E+20"}, FloatCase{3.4e38f, "3.4E+38"},
                                           // No text of 7 digits reproduces these: the 7-digit rounding.
                                           FloatCase{12345678.0f, "1.234568E+07"},
                                           FloatCase{static_cast<float>(4.0 / double(1.2f) * 300), "999.9999"},
                                           FloatCase{11999.9990234375f, "12000"}));

TEST(GeneralDouble, FifteenDigitsAndExponentFromE15)
{
    EXPECT_EQ(GeneralNumber(0.1), "0.1");
    EXPECT_EQ(GeneralNumber(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(GeneralNumber(123456789012345.0), "123456789012345");
    EXPECT_EQ(GeneralNumber(1e15), "1E+15");
    EXPECT_EQ(GeneralNumber(2.5e-6), "2.5E-06");
    EXPECT_EQ(GeneralNumber(4096.0), "4096");
    EXPECT_EQ(GeneralNumber(-1e100), "-1E+100");
}

TEST(GeneralInteger, Decimal)
{
    EXPECT_EQ(GeneralNumber(int16_t{-32768}), "-32768");
    EXPECT_EQ(GeneralNumber(int32_t{16384}), "16384");
}

struct PatternCase {
    double value;
    const char* pattern;
    const char* text;
};

void PrintTo(const PatternCase& c, std::ostream* os)
{
    *os << c.value << " as " << c.pattern;
}

class Pattern : public ::testing::TestWithParam<PatternCase> {};

TEST_P(Pattern, RoundsHalfAwayFromZeroAfterFifteenDigits)
{
    EXPECT_EQ(FormatNumber(GetParam().value, GetParam().pattern), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, Pattern,
    ::testing::Values(PatternCase{0.25, "0.0", "0.3"}, PatternCase{0.25, "0.00", "0.25"},
                      PatternCase{0.25, "#.0", ".3"}, PatternCase{0.5, "#.0", ".5"}, PatternCase{12.34, "#.0", "12.3"},
                      PatternCase{2.675, "0.00", "2.68"}, PatternCase{2.675, "##0.00", "2.68"},
                      PatternCase{0.0, "0.00", "0.00"}, PatternCase{0.0, "#.0", ".0"}, PatternCase{9.96, "0.0", "10.0"},
                      PatternCase{99.995, "0.00", "100.00"}, PatternCase{-1.25, "0.0", "-1.3"},
                      PatternCase{-0.04, "0.0", "0.0"}, PatternCase{2, "00", "02"}, PatternCase{12, "00", "12"},
                      PatternCase{123, "00", "123"}, PatternCase{2766.166748046875, "0.00", "2766.17"},
                      PatternCase{1e20, "0.0", "100000000000000000000.0"}, PatternCase{double(31.7f), "#.0", "31.7"},
                      PatternCase{1.5e-7, "0.00", "0.00"}));

TEST(Pattern, UnknownPatternIsRefused)
{
    EXPECT_THROW(FormatNumber(1.0, "0.00000"), std::invalid_argument);
}

TEST(StrictNumber, AcceptsOnlyOneDecimalNumber)
{
    EXPECT_EQ(ParseStrictNumber("45"), 45.0);
    EXPECT_EQ(ParseStrictNumber("-4.5"), -4.5);
    EXPECT_EQ(ParseStrictNumber("+2"), 2.0);
    EXPECT_EQ(ParseStrictNumber("1.5E+07"), 1.5e7);
    EXPECT_EQ(ParseStrictNumber("2.5e-6"), 2.5e-6);
    for (const char* bad : {"", " 1", "1,5", "1D5", "&H10", "abc", "1e", "1e+", "--1", "1 2", "nan", "inf"})
        EXPECT_FALSE(ParseStrictNumber(bad).has_value()) << bad;
}

TEST(StrictNumber, PointWithDigitsOnOneSideOnly)
{
    // As other programs write numbers.
    EXPECT_EQ(ParseStrictNumber(".75"), 0.75);
    EXPECT_EQ(ParseStrictNumber("75."), 75.0);
    EXPECT_EQ(ParseStrictNumber("-.5"), -0.5);
    EXPECT_EQ(ParseStrictNumber("+.5E1"), 5.0);
    EXPECT_EQ(ParseStrictNumber("1.e2"), 100.0);
    for (const char* bad : {".", "-.", "+.", "E5", ".E5", "1.2.3", "1,5", "..5", "5..", ""})
        EXPECT_FALSE(ParseStrictNumber(bad).has_value()) << bad;
}

TEST(StrictNumber, OutOfDoubleRangeIsInfinityOrZero)
{
    EXPECT_EQ(ParseStrictNumber("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseStrictNumber("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseStrictNumber("1e-400"), 0.0);
    EXPECT_EQ(ParseStrictNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
}

TEST(DateTexts, FixedForms)
{
    const DateTime when{2026, 12, 8, 14, 5, 0};
    EXPECT_EQ(FormatDateMdy(when), "12/8/2026");
    EXPECT_EQ(FormatTime(when), "14:05:00");
    EXPECT_EQ(FormatDateDdMmmYyyy(DateTime{2013, 8, 20, 0, 0, 0}), "20-Aug-2013");
    EXPECT_EQ(FormatDateDdMmmYyyy(DateTime{2013, 1, 2, 0, 0, 0}), "02-Jan-2013");
}

}  // namespace
}  // namespace castovin
