#include <gtest/gtest.h>

#include "core/config/font_names.h"

namespace castovin {
namespace {

struct DefaultFontCase {
    std::vector<std::string> installed;
    std::vector<std::string> fixedPitch;
    std::string expected;
};

class DefaultFont : public testing::TestWithParam<DefaultFontCase> {};

TEST_P(DefaultFont, FirstFixedPitchFaceThatIsInstalled)
{
    EXPECT_EQ(DefaultFontName(GetParam().installed, GetParam().fixedPitch), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, DefaultFont,
    testing::Values(
        // The installed spelling, without regard to case.
        DefaultFontCase{{"DejaVu Sans", "courier new", "Terminal"}, {"courier new", "Terminal"}, "courier new"},
        // A family from two foundries is matched without its foundry.
        DefaultFontCase{{"C059 [UKWN]", "Courier New [Monotype]"}, {"Courier New [Monotype]"}, "Courier New"},
        // The metric-compatible substitute counts as the preferred font.
        DefaultFontCase{
            {"C059 [UKWN]", "C059 [URW]", "Liberation Mono", "Liberation Sans"}, {"Liberation Mono"}, "Courier New"},
        DefaultFontCase{{"Cousine", "Terminal"}, {"Cousine", "Terminal"}, "Courier New"},
        // Arial and its substitute are proportional: not a pane font.
        DefaultFontCase{{"Arial", "Liberation Sans", "Terminal"}, {"Terminal"}, "Terminal"},
        // Else the first fixed-pitch face, then the first face of all.
        DefaultFontCase{{"C059 [UKWN]", "DejaVu Sans Mono [PfEd]"}, {"DejaVu Sans Mono [PfEd]"}, "DejaVu Sans Mono"},
        DefaultFontCase{{"C059 [UKWN]", "DejaVu Serif"}, {}, "C059"}, DefaultFontCase{{}, {}, "Courier New"}));

TEST(FontNames, FoundryAndSubstitutes)
{
    EXPECT_EQ(FamilyWithoutFoundry("C059 [UKWN]"), "C059");
    EXPECT_EQ(FamilyWithoutFoundry("Fixed [Misc] [Sony]"), "Fixed [Misc]");
    EXPECT_EQ(FamilyWithoutFoundry("Odd [ ]name"), "Odd [ ]name");
    EXPECT_TRUE(StandsFor("Liberation Sans [1ASC]", "Arial"));
    EXPECT_TRUE(StandsFor("arimo", "Arial"));
    EXPECT_TRUE(StandsFor("ARIAL [Monotype]", "Arial"));
    EXPECT_FALSE(StandsFor("Liberation Mono", "Arial"));
    EXPECT_TRUE(StandsFor("Liberation Mono", "Courier New"));
    EXPECT_FALSE(StandsFor("Liberation Serif", "Courier New"));
    EXPECT_FALSE(StandsFor("Liberation Sans", "Helvetica"));
}

}  // namespace
}  // namespace castovin
