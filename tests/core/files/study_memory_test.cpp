// The study a project opens with: kept in the run, else the file remembered
// for it; never one remembered for a project without a file of its own.

#include <fstream>

#include <gtest/gtest.h>

#include "core/config/environment.h"
#include "core/files/study_memory.h"
#include "test_state.h"

namespace castovin {
namespace {

using test::TempDir;

class StudyMemory : public test::StateTest {};

TEST_F(StudyMemory, KeptInTheRunThenTheRememberedFileAndNeverForUntitled)
{
    TempDir dir;
    Environment& env = state.environment;
    Messenger& messenger = state.messenger;
    env.SettingsFilePath = dir.File("VELB.INI");
    const std::string project = dir.File("a.vlb");
    const std::string study = dir.File("a.study.json");
    std::ofstream(study) << "{\"format\": 1}";

    RememberProjectStudyFile(env, messenger, "Untitled", study);
    EXPECT_TRUE(env.Settings.Studies.empty());
    EXPECT_TRUE(StudyOfProject(env, "Untitled").text.empty());

    RememberProjectStudyFile(env, messenger, project, study);
    ProjectStudy found = StudyOfProject(env, project);
    EXPECT_EQ(found.text, "{\"format\": 1}");
    EXPECT_EQ(found.file, study);

    KeepProjectStudy(env, project, "{\"kept\": 1}");
    found = StudyOfProject(env, project);
    EXPECT_EQ(found.text, "{\"kept\": 1}");
    EXPECT_TRUE(found.file.empty());
    EXPECT_TRUE(StudyOfProject(env, dir.File("b.vlb")).text.empty());  // another project's

    ForgetKeptStudy(env);
    std::filesystem::remove(study);
    found = StudyOfProject(env, project);
    EXPECT_TRUE(found.text.empty());
    EXPECT_EQ(found.file, study);
    EXPECT_FALSE(found.unreadable.empty());
}

}  // namespace
}  // namespace castovin
