#include <gtest/gtest.h>

#include "core/model/report_assembly.h"
#include "test_state.h"
#include "test_text.h"

namespace castovin {
namespace {

using test::StateTest;

using test::Contains;
using test::Head;

class Listing : public StateTest {
protected:
    std::string Support()
    {
        return SupportListing(state.project, state.project.Support, state.environment.Settings.PrintModuleHeader == 1);
    }
    std::string CostOnly()
    {
        return CostListing(state.project, state.project.Cost, state.environment.Settings.PrintModuleHeader == 1);
    }
};

TEST_F(Listing, HeaderAndUnitsLine)
{
    state.project.ProjectFilePath = "/data/mine.vlb";
    const std::string head =
        "VELB module build: 2.5.02\r\nProject File: /data/mine.vlb\r\n\r\nInput Units:  (ft) (psi)\r\n\r\n"
        "[PROJECT TITLE]\r\n";
    EXPECT_EQ(Head(Support(), head), head);
    state.project.units = UnitSystem::Metric;
    EXPECT_TRUE(Contains(Support(), "Input Units:  (m) (MPa)\r\n\r\n"));
}

TEST_F(Listing, WithoutHeaderStartsWithTitleAndEmptyTitleLeavesABlankLine)
{
    state.environment.Settings.PrintModuleHeader = 0;
    const std::string head = "[PROJECT TITLE]\r\n\r\n\r\n[PROJECT DESCRIPTION]\r\n\r\n\r\n[SUPPORT PARAMETERS]\r\n";
    EXPECT_EQ(Head(Support(), head), head);
}

TEST_F(Listing, ProjectFileLineWrapsOnlyInTheSupportListing)
{
    const std::string folder = "/home/engineer/mine projects/north district/panel 3/";
    state.project.ProjectFilePath = folder + "entries.vlb";
    EXPECT_TRUE(Contains(Support(), "Project File: /home/engineer/mine projects/north district/panel\r\n"
                                    "3/entries.vlb\r\n\r\nInput Units:"));
    EXPECT_TRUE(Contains(CostOnly(), "Project File: " + folder + "entries.vlb\r\nInput Units:"));
}

TEST_F(Listing, OneSystemListsNothingOfTheSecond)
{
    state.project.Support[1].BoltGrade = 99;
    const std::string& text = Support();
    EXPECT_FALSE(Contains(text, "[Second Bolt System Parameters]"));
    EXPECT_FALSE(Contains(text, "99"));
}

TEST_F(Listing, CableBoltsAtIntersectionsListThreeValues)
{
    state.project.Support[0].NumberOfSystems = 2;
    state.project.Support[0].SecondSystemType = 1;
    state.project.Support[0].SecondSystemLocation = 1;
    EXPECT_TRUE(Contains(Support(), "[SUPPORT (BOLT) SYSTEM #2]\r\n"
                                    "Actual Bolt Length................................6 (ft)\r\n"
                                    "Cable Bolt Capacity...............................30 (tons)\r\n"
                                    "Number of Bolts per Intersection..................12\r\n\r\n"
                                    "[GEOLOGY PARAMETERS]"));
}

TEST_F(Listing, FractionalBoltsPerRowIsListedAsTyped)
{
    state.project.Support[0].BoltsPerRow = 4.5f;
    EXPECT_TRUE(Contains(Support(), "Number of Bolts per Row...........................4.5\r\n"));
}

TEST_F(Listing, DescriptionIsListedNormalisedWithoutChangingTheProject)
{
    state.project.ProjectDescription = "first\r\n\r\nsecond\r\n";
    EXPECT_TRUE(Contains(Support(), "[PROJECT DESCRIPTION]\r\nfirst\r\nsecond\r\n\r\n[SUPPORT PARAMETERS]"));
    EXPECT_EQ(state.project.ProjectDescription, "first\r\n\r\nsecond\r\n");
}

TEST_F(Listing, SwitchLinesAlwaysSayTrue)
{
    state.project.Cost.UseCalculatedAdvance = 0;
    state.project.Cost.UseCalculatedProduction = 0;
    const std::string& text = CostOnly();
    EXPECT_TRUE(Contains(text, "Use Input value for advance per shift.............True\r\n"));
    EXPECT_TRUE(Contains(text, "Use Input value for clean production..............True\r\n"));
}

TEST_F(Listing, CalculatedAdvanceAndProductionLines)
{
    EXPECT_TRUE(Contains(CostOnly(), "Calculated: Advance per shift.....................300 (ft)\r\n"));
    EXPECT_TRUE(Contains(CostOnly(), "Calc: Clean production per shift..................1200 (tons)\r\n"));
    EXPECT_TRUE(Contains(CostOnly(), "Clean production rate.............................4 (tons/ft)\r\n"));
    state.project.Cost.CostRowSpacing = 5;
    EXPECT_TRUE(Contains(CostOnly(), "Calculated: Advance per shift.....................375 (ft)\r\n"));
    EXPECT_TRUE(Contains(CostOnly(), "Calc: Clean production per shift..................1500 (tons)\r\n"));
    state.project.units = UnitSystem::Metric;
    state.project.Cost.CostRowSpacing = 1.2f;
    state.project.Cost.AdvanceRate = 12;
    EXPECT_TRUE(Contains(CostOnly(), "Calculated: Advance per shift.....................90 (m)\r\n"));
    EXPECT_TRUE(Contains(CostOnly(), "Clean production rate.............................12 (tn/m)\r\n"));
    EXPECT_TRUE(Contains(CostOnly(), "Calc: Clean production per shift..................1080 (tn)\r\n"));
}

TEST_F(Listing, CostListingAppendsAfterFiveLineEnds)
{
    state.environment.Settings.PrintModuleHeader = 0;
    const std::string support = Support();
    const std::string all = FullListing(state.project, false);
    ASSERT_EQ(all.substr(0, support.size()), support);
    EXPECT_EQ(all.substr(support.size(), 29), "\r\n\r\n\r\n\r\n\r\n[PROJECT TITLE]\r\n\r\n");
    EXPECT_EQ(all.substr(support.size() + 10), CostOnly());
}

}  // namespace
}  // namespace castovin
