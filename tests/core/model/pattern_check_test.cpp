// The pattern check and the pattern cost against the full design check and
// cost table they stand in for: over projects that apply, that do not, that
// fault whatever the pattern, and patterns at the edges of the float range,
// the same outcome (a fault, a failure, a pass) and the same values bit for
// bit.

#include <gtest/gtest.h>

#include "core/files/project_file.h"
#include "core/model/cost_analysis.h"
#include "core/model/pattern_check.h"
#include "core/program/design_search.h"
#include "core/text/atomic_file.h"
#include "core/text/runtime_error.h"
#include "core/text/unicode.h"

namespace castovin {
namespace {

Project Example(const std::string& name)
{
    Project data;
    const std::string text = DecodeFileText(ReadWholeFile(std::string(CASTOVIN_EXAMPLES) + "/" + name));
    EXPECT_EQ(ParseProjectFile(text, name, data), ParseOutcome::Read);
    return data;
}

struct ProjectCase {
    const char* example;
    void (*change)(Project&);
};

const ProjectCase kProjects[] = {
    {"default-english.vlb", [](Project&) {}},
    {"default-metric.vlb", [](Project&) {}},
    {"cable-bolts-intersections.vlb", [](Project&) {}},
    {"strong-roof.vlb", [](Project&) {}},                                          // the method does not apply
    {"default-english.vlb", [](Project& p) { p.Support[0].EntryWidth = 0; }},      // every VELB divides by 0
    {"default-english.vlb", [](Project& p) { p.Support[0].DepthofCover = -1; }},   // log of a negative depth
    {"default-metric.vlb", [](Project& p) { p.Support[0].EntryWidth = 1e-30f; }},  // VELBs overflow
    {"default-english.vlb", [](Project& p) { p.Cost.BoltsPerShift = 0; }},
    {"default-english.vlb", [](Project& p) { p.Cost.ShiftsPerWeek = 3e38f; }},  // shifts a year overflow
    {"default-metric.vlb", [](Project& p) { p.Cost.UseCalculatedProduction = 1; }},
};

const float kLengths[] = {1.2f, 6, 3e38f};
const float kDiameters[] = {0.625f, 22, 1e20f};
const float kGrades[] = {60, 500, 3e38f};
const float kBoltsPerRow[] = {1, 4, 1e30f};
const float kSpacings[] = {1e-30f, 1.5f, 4, 3e38f};
const float kPrices[] = {0, 7.5f, 3e38f};

TEST(PatternCheck, SameOutcomeAndValuesAsTheFullDesignCheck)
{
    for (const ProjectCase& projectCase : kProjects) {
        Project project = Example(projectCase.example);
        projectCase.change(project);
        SCOPED_TRACE(projectCase.example);
        const PatternChecker checker(project.Support, project.units);
        for (float length : kLengths)
            for (float diameter : kDiameters)
                for (float grade : kGrades)
                    for (float boltsPerRow : kBoltsPerRow)
                        for (float spacing : kSpacings) {
                            std::array<SupportRecord, 2> work = project.Support;
                            work[0].ActualBoltLength = length;
                            work[0].BoltDiameter = diameter;
                            work[0].BoltGrade = grade;
                            work[0].BoltsPerRow = boltsPerRow;
                            work[0].RowSpacing = spacing;
                            auto expected = PatternCheck::Outcome::Faulted;
                            DesignResults full;
                            try {
                                full = ComputeDesignValues(work, project.units);
                                expected =
                                    DesignPasses(full) ? PatternCheck::Outcome::Passes : PatternCheck::Outcome::Fails;
                            } catch (const RuntimeError&) {
                            }
                            const PatternCheck check = checker.Check(length, diameter, grade, boltsPerRow, spacing);
                            SCOPED_TRACE(testing::Message() << length << " " << diameter << " " << grade << " "
                                                            << boltsPerRow << " " << spacing);
                            ASSERT_EQ(check.outcome, expected);
                            if (expected != PatternCheck::Outcome::Passes)
                                continue;
                            EXPECT_EQ(check.actualVELB, full.actualVELB[0]);
                            EXPECT_EQ(check.suggestedVELB, full.suggestedVELB);
                            EXPECT_EQ(check.boltLengthDifference, full.boltLengthDifference[0]);
                        }
    }
}

TEST(PatternCost, SameTotalsAsTheFullCostTable)
{
    for (const ProjectCase& projectCase : kProjects) {
        Project project = Example(projectCase.example);
        projectCase.change(project);
        SCOPED_TRACE(projectCase.example);
        const PatternCost pricing(project.Cost);
        for (float price : kPrices)
            for (float boltsPerRow : kBoltsPerRow)
                for (float spacing : kSpacings) {
                    CostRecord cost = project.Cost;
                    cost.BoltCost = price;
                    cost.CostBoltsPerRow = boltsPerRow;
                    cost.CostRowSpacing = spacing;
                    SCOPED_TRACE(testing::Message() << price << " " << boltsPerRow << " " << spacing);
                    bool fullFaults = false;
                    CostTable table{};
                    try {
                        table = ComputeCostTable(cost);
                    } catch (const RuntimeError&) {
                        fullFaults = true;
                    }
                    try {
                        const std::array<float, 4> total = pricing.Total(price, boltsPerRow, spacing);
                        ASSERT_FALSE(fullFaults);
                        EXPECT_EQ(total, table[5]);
                    } catch (const RuntimeError&) {
                        EXPECT_TRUE(fullFaults);
                    }
                }
    }
}

}  // namespace
}  // namespace castovin
