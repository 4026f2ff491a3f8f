#include <gtest/gtest.h>

#include "core/config/settings_file.h"
#include "core/editing/options_editor.h"
#include "core/files/lifecycle.h"
#include "test_state.h"

namespace castovin {
namespace {

using test::StateTest;
using test::TempDir;

class ProgramOptions : public StateTest {
protected:
    ProgramOptions()
    {
        SetMsgCategory(state.messenger.MsgCategory, MsgForm::Options);
        state.environment.SettingsFilePath = dir.File("VELB.INI");
        fields = OptionsFieldsFromState(state.environment);
    }
    TempDir dir;
    OptionsFields fields;
};

TEST_F(ProgramOptions, FieldsShowTheDefaults)
{
    EXPECT_EQ(fields.page[0].DepthofCover, "400");
    EXPECT_EQ(fields.page[1].DepthofCover, "150");
    EXPECT_EQ(fields.page[1].StabilityFactor, "1.2");
    EXPECT_EQ(fields.gradeLists[2], (std::vector<std::string>{"380", "420", "520", "620"}));
    EXPECT_TRUE(CheckOptions(state.messenger, fields).valid);
}

TEST_F(ProgramOptions, StabilityFactorZeroGoesToTheMetricPage)
{
    fields.page[0].StabilityFactor = fields.page[1].StabilityFactor = "0";
    box.Answer(MsgResult::OK);
    const OptionsValidation v = CheckOptions(state.messenger, fields);
    EXPECT_FALSE(v.valid);
    EXPECT_EQ(v.page, 2);
    EXPECT_EQ(v.focus, OptionsField::StabilityFactor);
    EXPECT_EQ(box.Last().text, "Invalid stability factor");
    EXPECT_EQ(box.Last().title, "Program Options: Range Error");
}

TEST_F(ProgramOptions, CmrrWarningNoGoesToTheEnglishPage)
{
    fields.page[0].CMRR = fields.page[1].CMRR = "20";
    box.Answer(MsgResult::No);
    const OptionsValidation v = CheckOptions(state.messenger, fields);
    EXPECT_FALSE(v.valid);
    EXPECT_EQ(v.page, 1);
    EXPECT_EQ(v.focus, OptionsField::CMRR);
    fields.page[0].StabilityFactor = "0.5";
    box.Answer(MsgResult::Yes);
    box.Answer(MsgResult::Yes);
    EXPECT_TRUE(CheckOptions(state.messenger, fields).valid);
    EXPECT_EQ(box.Last().text, "WARNING:  Stability Factor is less than 1.0 VELB is probably not valid.");
}

TEST_F(ProgramOptions, CmrrJudgedAsTheStoredWholeNumber)
{
    for (const char* refused : {"99.5", "99.9"}) {
        fields.page[0].CMRR = refused;
        box.Answer(MsgResult::OK);
        const OptionsValidation v = CheckOptions(state.messenger, fields);
        EXPECT_FALSE(v.valid) << refused;
        EXPECT_EQ(v.page, 2);
        EXPECT_EQ(v.focus, OptionsField::CMRR);
        EXPECT_EQ(box.Last().text, "Invalid CMRR");
    }
    fields.page[0].CMRR = "99.4";
    EXPECT_TRUE(CheckOptions(state.messenger, fields).valid);
    CommitOptions(state.environment, state.messenger, fields);
    EXPECT_EQ(state.environment.DefaultInputs.DefaultCMRR, 99);
    fields.page[0].CMRR = "34.5";  // stored as 34: the warning is asked
    box.Answer(MsgResult::No);
    EXPECT_EQ(CheckOptions(state.messenger, fields).focus, OptionsField::CMRR);
}

TEST_F(ProgramOptions, AddRules)
{
    std::vector<std::string> list = {"60"};
    box.Answer(MsgResult::OK);
    EXPECT_FALSE(AddBoltGrade(state.messenger, list, "60"));
    EXPECT_EQ(box.Last().text, "Entry exists. New value not added");
    EXPECT_TRUE(AddBoltGrade(state.messenger, list, "60.0"));  // the comparison is textual
    box.Answer(MsgResult::OK);
    EXPECT_FALSE(AddBoltGrade(state.messenger, list, "   "));
    EXPECT_EQ(box.Last().text, "Please enter a value in the text box above.");
    std::vector<std::string> full(10, "1");
    box.Answer(MsgResult::OK);
    EXPECT_FALSE(AddBoltGrade(state.messenger, full, ""));
    EXPECT_EQ(box.Last().text, "Maximum entries have been reached. Please delete a value first");
}

TEST_F(ProgramOptions, DeleteRules)
{
    std::vector<std::string> list = {"55", "60", "75"};
    DeleteBoltGrades(state.messenger, list, {false, true, false});
    EXPECT_EQ(list, (std::vector<std::string>{"55", "75"}));
    box.Answer(MsgResult::OK);
    DeleteBoltGrades(state.messenger, list, {true, true});
    EXPECT_EQ(box.Last().text, "Please select a value to delete");
    EXPECT_TRUE(list.empty());
    box.Answer(MsgResult::OK);
    DeleteBoltGrades(state.messenger, list, {});
}

TEST_F(ProgramOptions, SetDefaultActsAtOnceOnOneUnitSystem)
{
    state.environment.BoltGradeLast = {0, 0, 0, 0};
    const auto lists = SetDefaultBoltGrades(state.environment, UnitSystem::Metric);
    EXPECT_EQ(lists[1], (std::vector<std::string>{"380", "420", "520", "620"}));
    EXPECT_EQ(state.environment.BoltGradeLast[2], 3);
    EXPECT_EQ(state.environment.BoltGradeLast[3], 3);
    EXPECT_EQ(state.environment.BoltGradeLast[0], 0);
}

TEST_F(ProgramOptions, CommitTakesEverythingAndWritesTheFile)
{
    fields.page[0].UnitWeight = "165";
    fields.page[1].UnitWeight = "26";
    fields.page[0].BoltsperRow = "4.5";  // whole number, halves to even
    fields.gradeLists[0] = {};
    fields.gradeLists[1] = {"55", "62.5"};
    fields.printModuleHeader = false;
    CommitOptions(state.environment, state.messenger, fields);
    EXPECT_EQ(state.environment.DefaultInputs.DefaultENGUnitWeight, 165);
    EXPECT_EQ(state.environment.DefaultInputs.DefaultMETUnitWeight, 26);
    EXPECT_EQ(state.environment.DefaultInputs.DefaultNumberBoltsPerRow, 4);
    EXPECT_EQ(state.environment.BoltGradeLast[0], -1);
    EXPECT_EQ(state.environment.BoltGradeLast[1], 1);
    EXPECT_EQ(state.environment.BoltGradeList[1][1], 62.5f);
    EXPECT_EQ(state.environment.Settings.PrintModuleHeader, 0);
    EXPECT_EQ(ReadIniString(state.environment.SettingsFilePath, "VELBDefaults", "DefaultENGUnitWeight"), "165");
    EXPECT_EQ(ReadIniString(state.environment.SettingsFilePath, "VELBBoltGrade", "DefaultBoltGradeIndexENG1"), "-1");
    EXPECT_EQ(ReadIniString(state.environment.SettingsFilePath, "VELBOptions", "PrintModuleHeader"), "0");
    // A new project takes the new defaults.
    FileNew(state.project, state.environment, state.messenger, true, true);
    EXPECT_EQ(state.project.Support[0].UnitWeight, 165);
}

}  // namespace
}  // namespace castovin
