#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "core/config/folders.h"
#include "core/program/startup.h"
#include "test_fifo.h"
#include "test_state.h"

namespace castovin {
namespace {

namespace fs = std::filesystem;
using test::StateTest;
using test::TempDir;

class Folders : public StateTest {
protected:
    Folders()
    {
        env.home = home.Path().string();
        state.environment.AppFolder = home.File("app") + "/";
    }
    void UserDirs(const std::string& content)
    {
        fs::create_directories(home.Path() / ".config");
        std::ofstream(home.Path() / ".config" / "user-dirs.dirs") << content;
    }
    TempDir home;
    UserEnvironment env;
};

TEST_F(Folders, XdgDocumentsFolderWithHomeExpanded)
{
    UserDirs("# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desk\"\nXDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n");
    fs::create_directories(home.Path() / "Docs");
    CreateUserFolders(state.environment, env);
    EXPECT_EQ(state.environment.DataFolder, home.File("Docs") + "/MyTELVOR/");
    EXPECT_EQ(state.environment.TempFolder, home.File("Docs") + "/MyTELVOR/Temp/");
    EXPECT_TRUE(fs::is_directory(state.environment.TempFolder));
}

TEST_F(Folders, XdgConfigHomeIsHonoured)
{
    const fs::path config = home.Path() / "elsewhere";
    fs::create_directories(config);
    std::ofstream(config / "user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"" << home.File("Work") << "\"\n";
    fs::create_directories(home.Path() / "Work");
    env.xdgConfigHome = config.string();
    EXPECT_EQ(DocumentsFolder(env), home.File("Work"));
}

// A FIFO, a device or an oversized file in place of the user-dirs file is
// passed over at once, as a missing one is.
TEST_F(Folders, UnreadableUserDirsFileFallsBackWithoutWaiting)
{
    fs::create_directories(home.Path() / ".config");
    fs::create_directories(home.Path() / "Documents");
    const std::string userDirs = home.File(".config/user-dirs.dirs");
    {
        const test::TestFifo fifo(userDirs);
        std::optional<std::string> documents;
        EXPECT_LT(test::TimeOf([&] { documents = XdgUserDir(env, "DOCUMENTS"); }), test::PromptAnswer);
        EXPECT_EQ(documents, std::nullopt);
        EXPECT_LT(test::TimeOf([&] { documents = DocumentsFolder(env); }), test::PromptAnswer);
        EXPECT_EQ(documents, home.File("Documents"));
    }
    fs::remove(userDirs);
    fs::create_symlink("/dev/zero", userDirs);
    EXPECT_EQ(XdgUserDir(env, "DOCUMENTS"), std::nullopt);
    fs::remove(userDirs);
    UserDirs("XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n" + std::string(70 * 1024, '#') + "\n");
    EXPECT_EQ(XdgUserDir(env, "DOCUMENTS"), std::nullopt);
}

TEST_F(Folders, MissingDocumentsFallsBackToHomeDocumentsThenDesktop)
{
    UserDirs("XDG_DOCUMENTS_DIR=\"$HOME/Gone\"\nXDG_DESKTOP_DIR=\"$HOME/Desk\"\n");
    fs::create_directories(home.Path() / "Desk");
    EXPECT_EQ(DocumentsFolder(env), home.File("Desk"));
    fs::create_directories(home.Path() / "Documents");
    EXPECT_EQ(DocumentsFolder(env), home.File("Documents"));
}

TEST_F(Folders, NoDocumentsFolderUsesTheUsersDataHome)
{
    // Neither ~/.local nor ~/.local/share exists yet: both are made.
    CreateUserFolders(state.environment, env);
    EXPECT_EQ(state.environment.DataFolder, home.File(".local/share/castovin") + "/");
    EXPECT_EQ(state.environment.TempFolder, home.File(".local/share/castovin/Temp") + "/");
    EXPECT_TRUE(fs::is_directory(state.environment.TempFolder));
    EXPECT_FALSE(fs::exists(state.environment.AppFolder));
}

TEST_F(Folders, XdgDataHomeIsHonoured)
{
    env.xdgDataHome = home.File("data");
    CreateUserFolders(state.environment, env);
    EXPECT_EQ(state.environment.DataFolder, home.File("data/castovin") + "/");
    EXPECT_EQ(state.environment.TempFolder, home.File("data/castovin/Temp") + "/");
    // A relative value is not a data home: the default is used.
    env.xdgDataHome = "relative/data";
    CreateUserFolders(state.environment, env);
    EXPECT_EQ(state.environment.DataFolder, home.File(".local/share/castovin") + "/");
}

TEST_F(Folders, ProgramFolderOnlyWhenNoPerUserFolderCanBeMade)
{
    // The data home is taken by a file, so nothing can be created under it.
    std::ofstream(home.Path() / "blocked") << "a file";
    env.xdgDataHome = home.File("blocked");
    CreateUserFolders(state.environment, env);
    EXPECT_EQ(state.environment.DataFolder, state.environment.AppFolder);
    EXPECT_EQ(state.environment.TempFolder, state.environment.AppFolder);
    UserEnvironment nobody;
    CreateUserFolders(state.environment, nobody);
    EXPECT_EQ(state.environment.DataFolder, state.environment.AppFolder);
}

TEST_F(Folders, UserFolderNameTakenByAFile)
{
    fs::create_directories(home.Path() / "Documents");
    std::ofstream(home.Path() / "Documents" / "MyTELVOR") << "a file";
    CreateUserFolders(state.environment, env);
    EXPECT_EQ(state.environment.DataFolder, home.File(".local/share/castovin") + "/");
    EXPECT_EQ(state.environment.TempFolder, home.File(".local/share/castovin/Temp") + "/");
}

TEST_F(Folders, RootDocumentsFolderGetsNoDoubledSeparator)
{
    UserDirs("XDG_DOCUMENTS_DIR=\"" + home.Path().string() + "/\"\n");
    CreateUserFolders(state.environment, env);
    EXPECT_EQ(state.environment.DataFolder, home.Path().string() + "/MyTELVOR/");
}

TEST_F(Folders, ExistingFoldersAreKept)
{
    fs::create_directories(home.Path() / "Documents" / "MyTELVOR" / "Temp");
    std::ofstream(home.Path() / "Documents" / "MyTELVOR" / "VELB.INI") << "kept";
    CreateUserFolders(state.environment, env);
    EXPECT_EQ(state.environment.DataFolder, home.File("Documents") + "/MyTELVOR/");
    EXPECT_TRUE(fs::exists(home.Path() / "Documents" / "MyTELVOR" / "VELB.INI"));
}

TEST(ExecutableFolder, EndsWithTheSeparator)
{
    const std::string folder = ExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(fs::exists(folder + "core_tests"));
}

// The shipped data: installed, the programs are in PREFIX/bin and the data in
// PREFIX/share/castovin; in the build tree, the build's own copy is used.
class DataFolder : public ::testing::Test {
protected:
    std::string Make(const std::string& relative)
    {
        fs::create_directories(root.Path() / relative);
        return root.File(relative);
    }
    TempDir root;
};

TEST_F(DataFolder, InstalledShareFolderBesideBinWins)
{
    const std::string bin = Make("usr/bin");
    Make("usr/share/castovin");
    const std::string build = Make("build/share/castovin");
    EXPECT_EQ(FindDataFolder(bin + "/", build), root.File("usr") + "/share/castovin/");
    // A program folder written without its separator, or with two, is the same folder.
    EXPECT_EQ(FindDataFolder(bin, build), root.File("usr") + "/share/castovin/");
    EXPECT_EQ(FindDataFolder(bin + "//", build), root.File("usr") + "/share/castovin/");
}

TEST_F(DataFolder, BuildTreeCopyWhenNotInstalled)
{
    const std::string program = Make("build/src/cli");
    const std::string build = Make("build/share/castovin");
    EXPECT_EQ(FindDataFolder(program + "/", build), build + "/");
    // A share folder of another program is not ours.
    Make("build/src/share/other");
    EXPECT_EQ(FindDataFolder(program + "/", build + "/"), build + "/");
}

TEST_F(DataFolder, NeitherFolderGivesEmpty)
{
    const std::string program = Make("opt/bin");
    EXPECT_EQ(FindDataFolder(program + "/", root.File("build/share/castovin")), "");
    EXPECT_EQ(FindDataFolder("", ""), "");
    EXPECT_EQ(FindDataFolder("/", ""), "");
}

// A build tree is known by its marker file, found from any folder below it;
// a program elsewhere has none, and so never uses a build's data.
TEST_F(DataFolder, BuildTreeIsFoundByItsMarker)
{
    const std::string program = Make("build/tests/ui");
    const std::string data = Make("build/share/castovin");
    EXPECT_EQ(FindBuildRoot(program + "/"), "");
    EXPECT_EQ(FindDataFolder(program + "/"), "");
    std::ofstream(root.File("build/") + BuildTreeMarker) << "build";
    for (const std::string& folder : {program + "/", program, root.File("build"), root.File("build/") + "tests/"})
        EXPECT_EQ(FindBuildRoot(folder), root.File("build") + "/") << folder;
    EXPECT_EQ(FindDataFolder(program + "/"), data + "/");
    EXPECT_EQ(FindBuildRoot(Make("elsewhere/bin") + "/"), "");
}

TEST(DataFolderOfThisBuild, HoldsTheExamples)
{
    // The tests run from the build tree, so the build's copy of the data is found.
    const std::string folder = FindDataFolder(ExecutableFolder());
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(fs::exists(folder + "examples/default-english.vlb"));
}

TEST_F(Folders, MissingExamplesAreCopiedChangedOnesKept)
{
    const fs::path examples = home.Path() / "examples";
    const fs::path data = home.Path() / "data";
    fs::create_directories(examples);
    fs::create_directories(data);
    std::ofstream(examples / "a.vlb") << "example a";
    std::ofstream(examples / "B.VLB") << "example b";
    std::ofstream(examples / "prices.csv") << "not a project";
    std::ofstream(data / "a.vlb") << "changed by the user";

    EXPECT_EQ(CopyMissingExamples(examples.string() + "/", data.string() + "/"), std::vector<std::string>{"B.VLB"});
    std::ifstream a(data / "a.vlb");
    std::string kept((std::istreambuf_iterator<char>(a)), std::istreambuf_iterator<char>());
    EXPECT_EQ(kept, "changed by the user");
    EXPECT_TRUE(fs::exists(data / "B.VLB"));
    EXPECT_FALSE(fs::exists(data / "prices.csv"));
    // A second start has nothing left to copy.
    EXPECT_TRUE(CopyMissingExamples(examples.string() + "/", data.string() + "/").empty());
    EXPECT_TRUE(CopyMissingExamples(home.File("none") + "/", data.string() + "/").empty());
}

TEST(CopyExampleFilesAtStart, OnlyWhileTheSettingIsOne)
{
    for (const bool wanted : {true, false}) {
        TempDir home;
        fs::create_directories(home.Path() / "Documents/MyTELVOR");
        fs::create_directories(home.Path() / "shipped");
        std::ofstream(home.Path() / "shipped/demo.vlb") << "VELB_212";
        std::ofstream(home.Path() / "Documents/MyTELVOR/VELB.INI")
            << "[Version]\r\nINIFileVersion=050817\r\n[Settings]\r\nCopyExampleFiles=" << (wanted ? 1 : 0) << "\r\n";
        test::ScriptedMessageBox box;
        ProgramState state(box);
        StartupOptions options;
        options.executablePath = home.File("app/castovin");
        options.appFolder = home.File("app") + "/";
        options.environment.home = home.Path().string();
        options.exampleFolder = home.File("shipped") + "/";
        StartProgram(state, options);
        EXPECT_EQ(fs::exists(home.Path() / "Documents/MyTELVOR/demo.vlb"), wanted);
    }
}

}  // namespace
}  // namespace castovin
