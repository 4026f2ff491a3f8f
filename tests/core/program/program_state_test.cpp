#include <gtest/gtest.h>

#include "core/files/lifecycle.h"
#include "core/program/project_commands.h"
#include "core/text/runtime_error.h"
#include "test_state.h"

namespace castovin {
namespace {

using test::StateTest;

class NewProject : public StateTest {};

TEST_F(NewProject, MetricDefaults)
{
    state.environment.Settings.DefaultUnits = UnitNumber(UnitSystem::Metric);
    FileNew(state.project, state.environment, state.messenger, true, true);
    const SupportRecord& s0 = state.project.Support[0];
    EXPECT_EQ(state.project.units, UnitSystem::Metric);
    EXPECT_EQ(s0.DepthofCover, 150);
    EXPECT_EQ(s0.UnitWeight, 25);
    EXPECT_EQ(s0.ActualBoltLength, 2);
    EXPECT_EQ(s0.BoltDiameter, 20);
    EXPECT_EQ(s0.BoltGrade, 520);
    EXPECT_EQ(s0.RowSpacing, 1.2f);
    EXPECT_EQ(s0.ActualInterSpan, 9);
    EXPECT_EQ(s0.EntryWidth, 6.2f);
    EXPECT_EQ(state.project.Support[1].CableBoltCapacity, 0.25f);
    EXPECT_EQ(state.project.Cost.CostRowSpacing, 1.2f);
    EXPECT_EQ(state.project.Cost.AdvancePerShift, 100);
    EXPECT_EQ(state.project.Cost.AdvanceRate, 12);
}

TEST_F(NewProject, EnglishDefaultsAndOneSystem)
{
    const SupportRecord& s0 = state.project.Support[0];
    const SupportRecord& s1 = state.project.Support[1];
    EXPECT_EQ(state.project.units, UnitSystem::English);
    EXPECT_EQ(s0.CMRR, 45);
    EXPECT_EQ(s0.DepthofCover, 400);
    EXPECT_EQ(s0.UnitWeight, 162);
    EXPECT_EQ(s0.ActualBoltLength, 6);
    EXPECT_EQ(s0.BoltDiameter, 0.75f);
    EXPECT_EQ(s0.BoltGrade, 75);
    EXPECT_EQ(s0.RowSpacing, 4);
    EXPECT_EQ(s0.ActualInterSpan, 30);
    EXPECT_EQ(s0.EntryWidth, 20);
    EXPECT_EQ(s0.NumberOfSystems, 1);
    EXPECT_EQ(s1.CableBoltCapacity, 30);
    EXPECT_EQ(s1.BoltsPerIntersection, 12);
    // The second system holds the defaults of the first although unused.
    EXPECT_EQ(s1.ActualBoltLength, 6);
    EXPECT_EQ(s1.BoltGrade, 75);
    EXPECT_EQ(state.project.Cost.AdvancePerShift, 300);
    EXPECT_EQ(state.project.Cost.AdvanceRate, 4);
    EXPECT_EQ(state.project.ProjectFilePath, "Untitled");
    EXPECT_EQ(state.project.ProjectSaved, FlagTrue);
    EXPECT_EQ(state.project.ProjectEmpty, FlagTrue);
    EXPECT_EQ(state.project.InputsEntered, FlagFalse);
}

TEST_F(NewProject, KeepsNameAndUnitsWhenAsked)
{
    state.project.ProjectFilePath = "/data/mine.vlb";
    state.project.units = UnitSystem::Metric;
    state.session.OutputBuffer[0] = "listing";
    state.session.OutputBuffer[1] = "results";
    castovin::NewProject(state.project, state.session, state.environment, state.messenger, false, false);
    EXPECT_EQ(state.project.ProjectFilePath, "/data/mine.vlb");
    EXPECT_EQ(state.project.units, UnitSystem::Metric);
    EXPECT_EQ(state.project.Support[0].DepthofCover, 150);
    EXPECT_EQ(state.session.OutputBuffer[0], "listing");
    EXPECT_EQ(state.session.OutputBuffer[1], "");
    EXPECT_NE(state.messenger.History.Text().find("File initialized. Use Edit-Project Parameters to enter data"),
              std::string::npos);
}

TEST(UnitLabels, TableAndIndexErrors)
{
    EXPECT_EQ(UnitLabel(UnitKind::Length, UnitSystem::English), " (ft)");
    EXPECT_EQ(UnitLabel(UnitKind::SystemCapacity, UnitSystem::Metric), " (kN/m)");
    EXPECT_EQ(UnitLabel(UnitKind::Modulus, UnitSystem::English), " (million psi)");
    EXPECT_THROW(UnitLabel(static_cast<UnitKind>(15), UnitSystem::English), RuntimeError);
    EXPECT_THROW(UnitLabel(UnitKind::None, UnitSystem::Metric), RuntimeError);
    EXPECT_THROW(SystemTypeName(2), RuntimeError);
    EXPECT_EQ(SystemLocationName(1), "Intersections Only");
}

}  // namespace
}  // namespace castovin
