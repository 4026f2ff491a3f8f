#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

#include <gtest/gtest.h>

#include "core/config/profile_file.h"
#include "core/config/settings_file.h"
#include "core/program/startup.h"
#include "test_state.h"
#include "test_text.h"

namespace castovin {
namespace {

using test::ReadFile;

namespace fs = std::filesystem;
using test::Contains;
using test::ScriptedMessageBox;
using test::TempDir;

// A program started on a home folder of its own, with a documents folder.
class Settings : public ::testing::Test {
protected:
    Settings() : state(box)
    {
        fs::create_directories(home.Path() / "Documents");
        fs::create_directories(home.Path() / "app");
        options.executablePath = (home.Path() / "app" / "castovin").string();
        options.appFolder = (home.Path() / "app").string() + "/";
        options.environment.home = home.Path().string();
    }
    std::string DataFolder() const { return home.Path().string() + "/Documents/MyTELVOR/"; }
    std::string IniPath() const { return DataFolder() + "VELB.INI"; }

    // A settings file holding the current version and the given lines of the
    // [Settings] section.
    void WriteIni(const std::string& sections)
    {
        fs::create_directories(DataFolder());
        std::ofstream(IniPath(), std::ios::binary) << "[Version]\r\nINIFileVersion=050817\r\n" << sections;
    }
    void Start() { StartProgram(state, options); }

    TempDir home;
    ScriptedMessageBox box;
    ProgramState state;
    StartupOptions options;
};

TEST_F(Settings, FirstRunCreatesTheFileWithTheFirstFileValues)
{
    Start();
    EXPECT_EQ(state.environment.DataFolder, DataFolder());
    EXPECT_EQ(state.environment.TempFolder, DataFolder() + "Temp/");
    EXPECT_EQ(state.environment.SettingsFilePath, IniPath());
    const ProfileFile ini = ProfileFile::Load(IniPath());
    EXPECT_EQ(ini.Read("Version", "INIFileVersion"), "050817");
    EXPECT_EQ(ini.Read("Settings", "DisplayHistoryWin"), "0");
    EXPECT_EQ(ini.Read("Settings", "MaxDisplaySize"), "2048");
    EXPECT_EQ(ini.Read("Settings", "DisplayFontSize"), "10");
    EXPECT_EQ(ini.Read("Settings", "ExternalEditor"), "xdg-open");
    EXPECT_EQ(ini.Read("Settings", "DataPath"), DataFolder());
    EXPECT_EQ(ini.Read("FileMenu", "MaxLastFiles"), "0");
    EXPECT_EQ(ini.Read("Graph", "GraphStyle"), "3");
    EXPECT_EQ(ini.Read("Graph", "XAxisTitle0"), "");
    EXPECT_EQ(ini.Read("VELBDefaults", "DefaultStabilityFactor"), "1.2");
    EXPECT_EQ(ini.Read("VELBDefaults", "DefaultENGboltDiameter"), "0.75");
    EXPECT_EQ(ini.Read("VELBBoltGrade", "DefaultBoltGradeArray3_2"), "620");
    // The run then uses the values read back.
    EXPECT_EQ(state.environment.Settings.DisplayHistoryWin, 0);
    EXPECT_EQ(state.environment.Settings.MaxDisplaySize, 4096);
    EXPECT_EQ(state.environment.Settings.KeepFileNames, 1);
    EXPECT_EQ(state.messenger.History.Text(), "");
}

TEST_F(Settings, FileOfAnotherVersionIsReplaced)
{
    fs::create_directories(DataFolder());
    std::ofstream(IniPath(), std::ios::binary) << "[Version]\r\nINIFileVersion=040101\r\n[Settings]\r\n"
                                                  "DisplayHistoryWin=1\r\nMaxDisplaySize=8192\r\n[Old]\r\nx=1\r\n";
    Start();
    const std::string text = ReadFile(IniPath());
    EXPECT_TRUE(Contains(text, "INIFileVersion=050817\r\n"));
    EXPECT_FALSE(Contains(text, "[Old]"));
    EXPECT_EQ(state.environment.Settings.DisplayHistoryWin, 0);
    EXPECT_EQ(state.environment.Settings.MaxDisplaySize, 4096);
}

TEST_F(Settings, FileWithoutVersionIsReplaced)
{
    fs::create_directories(DataFolder());
    std::ofstream(IniPath(), std::ios::binary) << "\x7f\x45\x4c\x46\x02\x01\x01\0\0garbage\xff\xfe";
    Start();
    EXPECT_EQ(ProfileFile::Load(IniPath()).Read("Version", "INIFileVersion"), "050817");
    EXPECT_EQ(state.environment.Settings.ShowDisclaim, 1);
}

TEST_F(Settings, FileWithCarriageReturnLineEndsIsReadNotReplaced)
{
    fs::create_directories(DataFolder());
    const std::string text = "[Version]\rINIFileVersion=050817\r[Settings]\rDefaultUnits=1\rMaxDisplaySize=8192\r"
                             "[Graph]\rGraphStyle=2\r[Mine]\rkept=yes\r";
    std::ofstream(IniPath(), std::ios::binary) << text;
    Start();
    EXPECT_EQ(state.environment.Settings.DefaultUnits, 1);
    EXPECT_EQ(state.environment.Settings.MaxDisplaySize, 8192);
    EXPECT_EQ(state.environment.Settings.GraphStyle, 2);
    EXPECT_EQ(ReadFile(IniPath()), text);
}

TEST_F(Settings, TruncatedFileKeepsWhatItHolds)
{
    WriteIni("[Settings]\r\nDefaultUnits=1\r\nMaxDisplaySize=81");
    Start();
    EXPECT_EQ(state.environment.Settings.DefaultUnits, 1);
    EXPECT_EQ(state.environment.Settings.MaxDisplaySize, 4096);  // 81 is out of range
    EXPECT_EQ(state.environment.Settings.ShowDisclaim, 0);       // absent: its missing value
    EXPECT_EQ(state.environment.Settings.ShowInputScreenOnLoad, 1);
}

TEST_F(Settings, OutOfRangeValuesTakeTheLowBound)
{
    WriteIni("[Settings]\r\nMaxDisplaySize=2048\r\nDisplayFontSize=8.25\r\nDisplayFontBold=-1\r\n"
             "DisplayFontItalic=1\r\nKeepFileNames=\r\n[TextBrowse]\r\nBrowseFontSize=30\r\n"
             "[Graph]\r\nGraphStyle=0\r\n SymbolSize =2\r\nGridStyle=3\r\n"
             "[VELBOptions]\r\nShowInputScreenOnLoad=5\r\nPrintModuleHeader=\r\n");
    Start();
    const SettingsRecord& s = state.environment.Settings;
    EXPECT_EQ(s.MaxDisplaySize, 4096);
    EXPECT_EQ(s.DisplayFontSize, 8);
    EXPECT_EQ(s.DisplayFontBold, -1);
    EXPECT_EQ(s.DisplayFontItalic, -1);
    EXPECT_EQ(s.KeepFileNames, 0);
    EXPECT_EQ(s.BrowseFontSize, 7);
    EXPECT_EQ(s.GraphStyle, 1);
    EXPECT_EQ(s.SymbolSize, 3);
    EXPECT_EQ(s.GridStyle, 3);
    EXPECT_EQ(s.ShowInputScreenOnLoad, 0);
    EXPECT_EQ(s.PrintModuleHeader, 1);                            // empty: the read's default 1
    EXPECT_EQ(s.CopyExampleFiles, 1);                             // absent: the read's default "1"
    EXPECT_EQ(s.DisplayFontName, state.environment.DefaultFont);  // missing: the default font
}

TEST_F(Settings, NumbersThatDoNotFitSixteenBitsAreOutOfRange)
{
    WriteIni("[Settings]\r\nMaxDisplaySize=99999\r\nDisplayHistoryWin=65537\r\n[Graph]\r\nSymbolSize=1e400\r\n");
    Start();
    EXPECT_EQ(state.environment.Settings.MaxDisplaySize, 4096);
    EXPECT_EQ(state.environment.Settings.DisplayHistoryWin, 0);
    EXPECT_EQ(state.environment.Settings.SymbolSize, 3);
}

TEST_F(Settings, MaxDisplaySizeInRangeIsKept)
{
    WriteIni("[Settings]\r\nMaxDisplaySize=8192\r\n");
    Start();
    EXPECT_EQ(state.environment.Settings.MaxDisplaySize, 8192);
}

TEST_F(Settings, ExtensionAndDataPathRules)
{
    fs::create_directories(home.Path() / "projects");
    WriteIni("[Settings]\r\nFileExtension=0\r\nDataPath=  " + (home.Path() / "projects").string() + "  \r\n");
    Start();
    EXPECT_EQ(state.environment.Settings.FileExtension, "VLB");
    EXPECT_EQ(state.environment.Settings.DataPath, (home.Path() / "projects").string() + "/");
}

TEST_F(Settings, EmptyExtensionAndMissingDataPathFolder)
{
    WriteIni("[Settings]\r\nFileExtension=\r\nDataPath=" + (home.Path() / "gone").string() + "\r\n");
    Start();
    EXPECT_EQ(state.environment.Settings.FileExtension, "");
    EXPECT_EQ(state.environment.Settings.DataPath, DataFolder());
    EXPECT_EQ(box.Count(), 0u);
}

TEST_F(Settings, DataPathZeroIsTheDataFolder)
{
    WriteIni("[Settings]\r\nDataPath=0\r\n");
    Start();
    EXPECT_EQ(state.environment.Settings.DataPath, DataFolder());
}

TEST_F(Settings, RecentFilesReadUpToTheirCount)
{
    WriteIni("[FileMenu]\r\nMaxLastFiles=2\r\nLastFile1=a.vlb\r\nLastFileMode1=1\r\nLastFileLong1=/p/a.vlb\r\n"
             "LastFile2=b.vlb\r\nLastFileMode2=1\r\nLastFileLong2=/p/b.vlb\r\n"
             "LastFile3=c.vlb\r\nLastFileMode3=1\r\nLastFileLong3=/p/c.vlb\r\n");
    Start();
    EXPECT_EQ(state.environment.Settings.MaxLastFiles, 2);
    EXPECT_EQ(state.environment.Settings.LastFiles[2].LastFileLong, "/p/b.vlb");
    EXPECT_EQ(state.environment.Settings.LastFiles[3].LastFile, "");
}

TEST_F(Settings, TooManyRecentFilesReadsNone)
{
    WriteIni("[FileMenu]\r\nMaxLastFiles=7\r\nLastFile1=a.vlb\r\nLastFileLong1=/p/a.vlb\r\n");
    Start();
    EXPECT_EQ(state.environment.Settings.MaxLastFiles, 0);
    EXPECT_EQ(state.environment.Settings.LastFiles[1].LastFile, "");
}

TEST_F(Settings, LongValueIsCut)
{
    WriteIni("[Settings]\r\nExternalEditor=" + std::string(300, 'e') + "\r\n");
    Start();
    EXPECT_EQ(state.environment.Settings.ExternalEditor, std::string(254, 'e'));
}

TEST_F(Settings, SavingOneGroupChangesOnlyThatSection)
{
    Start();
    state.environment.Settings.DisplayHistoryWin = 1;  // the log is kept from now on
    state.environment.Settings.GraphTitle = "Panel 3";
    state.environment.Settings.KeepFileNames = 0;  // changed in memory, not saved with group 5
    const std::string before = ReadFile(IniPath());
    SaveSettings(state.environment, state.messenger, SettingsGroup::Graph);
    const std::string after = ReadFile(IniPath());
    std::string expected = before;
    expected.replace(expected.find("GraphTitle=Castovin"), 19, "GraphTitle=Panel 3");
    EXPECT_EQ(after, expected);
    EXPECT_TRUE(Contains(state.messenger.History.Text(), "Saving default settings to file: " + IniPath() + "\r\n"));
}

// The probabilistic window's study files: the latest first, one per project,
// at most eight, written as pairs and read back; a path the file would not
// read back as it is (a line end, too long) is never written.
TEST_F(Settings, RememberedStudiesAreKeptAsPairs)
{
    Start();
    EXPECT_FALSE(Contains(ReadFile(IniPath()), "[Studies]"));  // nothing to remember yet
    SettingsRecord& s = state.environment.Settings;
    for (int n = 0; n < 10; ++n)
        RememberStudy(s, "/p/" + std::to_string(n) + ".vlb", "/p/" + std::to_string(n) + ".study.json");
    RememberStudy(s, "/p/5.vlb", "/q/five.study.json");
    ASSERT_EQ(s.Studies.size(), MaxRememberedStudies);
    EXPECT_EQ(s.Studies.front().StudyFile, "/q/five.study.json");
    EXPECT_EQ(RememberedStudyFile(s, "/p/9.vlb"), "/p/9.study.json");
    EXPECT_EQ(RememberedStudyFile(s, "/p/1.vlb"), "");  // the oldest went
    RememberStudy(s, "/p/bad\nline.vlb", "/p/x.study.json");
    RememberStudy(s, "/p/long.vlb", "/p/" + std::string(300, 'x'));
    SaveSettings(state.environment, state.messenger, SettingsGroup::Studies);

    const std::vector<RememberedStudy> written = s.Studies;
    s.Studies.clear();
    LoadSettings(state.environment, state.messenger);
    ASSERT_EQ(s.Studies.size(), written.size() - 2);
    for (std::size_t i = 0; i < s.Studies.size(); ++i) {
        EXPECT_EQ(s.Studies[i].ProjectFile, written[i + 2].ProjectFile);
        EXPECT_EQ(s.Studies[i].StudyFile, written[i + 2].StudyFile);
    }
}

// The font keys as records: a style bit read from the file is on when it is
// -1 and off when 0; a font set on is written as -1, off as 0.
TEST_F(Settings, FontStyleBitsAreMinusOneForOn)
{
    WriteIni("[Settings]\r\nDisplayFontName=Courier\r\nDisplayFontSize=12\r\nDisplayFontBold=-1\r\n"
             "DisplayFontItalic=0\r\n[TextBrowse]\r\nBrowseFontBold=0\r\nBrowseFontItalic=-1\r\n");
    Start();
    const FontSetting display = DisplayFont(state.environment.Settings);
    EXPECT_EQ(display.name, "Courier");
    EXPECT_EQ(display.size, 12.0f);
    EXPECT_TRUE(display.bold);
    EXPECT_FALSE(display.italic);
    const FontSetting browse = BrowseFont(state.environment.Settings);
    EXPECT_FALSE(browse.bold);
    EXPECT_TRUE(browse.italic);

    SetDisplayFont(state.environment.Settings, {"Mono", 9, false, true});
    SetBrowseFont(state.environment.Settings, {"Mono", 11, true, false});
    SaveSettings(state.environment, state.messenger, SettingsGroup::All);
    const ProfileFile ini = ProfileFile::Load(IniPath());
    for (const auto& [section, key, value] : {std::tuple{"Settings", "DisplayFontBold", "0"},
                                              {"Settings", "DisplayFontItalic", "-1"},
                                              {"TextBrowse", "BrowseFontBold", "-1"},
                                              {"TextBrowse", "BrowseFontItalic", "0"}})
        EXPECT_EQ(ini.Read(section, key), value) << key;
}

TEST_F(Settings, EmptiedBoltGradeListIsWrittenAsMinusOne)
{
    Start();
    state.environment.BoltGradeLast[0] = -1;
    state.environment.BoltGradeList[2][1] = 400;
    SaveDefaultInputs(state.environment, SettingsGroup::VELBBoltGrade);
    const ProfileFile ini = ProfileFile::Load(IniPath());
    EXPECT_EQ(ini.Read("VELBBoltGrade", "DefaultBoltGradeIndexENG1"), "-1");
    EXPECT_EQ(ini.Read("VELBBoltGrade", "DefaultBoltGradeArray1_2"), "400");
    // Entries of list 0 that were in the file stay there untouched.
    EXPECT_EQ(ini.Read("VELBBoltGrade", "DefaultBoltGradeArray0_0"), "55");
}

TEST_F(Settings, RecentFileCountIsLimitedWhenWritten)
{
    Start();
    state.environment.Settings.MaxLastFiles = 9;
    SaveSettings(state.environment, state.messenger, SettingsGroup::FileMenu);
    EXPECT_EQ(state.environment.Settings.MaxLastFiles, 0);
    EXPECT_EQ(ProfileFile::Load(IniPath()).Read("FileMenu", "MaxLastFiles"), "0");
}

TEST_F(Settings, UnwritableDataFolderStillStarts)
{
    // "MyTELVOR" is a file and the user's data home is a file too: no
    // per-user folder can be had, so both fall back to the program folder,
    // where the settings file is written.
    std::ofstream(home.Path() / "Documents" / "MyTELVOR") << "not a folder";
    std::ofstream(home.Path() / "data-home") << "not a folder";
    options.environment.xdgDataHome = (home.Path() / "data-home").string();
    Start();
    EXPECT_EQ(state.environment.DataFolder, options.appFolder);
    EXPECT_EQ(state.environment.TempFolder, options.appFolder);
    EXPECT_EQ(state.environment.SettingsFilePath, options.appFolder + "VELB.INI");
}

TEST_F(Settings, UnreadableFileIsNeverDeletedOrOverwritten)
{
    // Too large to be read (sparse, so cheap): the program runs on built-in
    // values, says so once, and no save touches the file.
    WriteIni("[Settings]\r\nDisplayHistoryWin=1\r\n");
    fs::resize_file(IniPath(), 17 * 1024 * 1024);
    const std::string head = ReadFile(IniPath()).substr(0, 64);
    box.Answer(MsgResult::OK);
    Start();
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text,
              "The settings file " + IniPath() +
                  " cannot be read. The built-in settings are used this time; the file is left as it is.");
    // The values of a new settings file, not those of keys gone missing.
    EXPECT_EQ(state.environment.Settings.DisplayHistoryWin, 0);
    EXPECT_EQ(state.environment.Settings.FileExtension, "VLB");
    EXPECT_EQ(state.environment.Settings.ShowDisclaim, 1);
    EXPECT_EQ(state.environment.Settings.EnableMainMenuToolbar, 1);
    EXPECT_EQ(state.environment.Settings.ExternalEditor, "xdg-open");
    SaveSettings(state.environment, state.messenger, SettingsGroup::All);
    SaveDefaultInputs(state.environment, SettingsGroup::VELBDefaults);
    EXPECT_FALSE(WriteIniString(IniPath(), "Settings", "DisplayHistoryWin", "0"));
    EXPECT_EQ(fs::file_size(IniPath()), 17u * 1024 * 1024);
    EXPECT_EQ(ReadFile(IniPath()).substr(0, 64), head);
    EXPECT_EQ(box.Count(), 1u);
}

TEST_F(Settings, SettingsFileThatIsAFolderIsLeftAlone)
{
    fs::create_directories(IniPath());
    box.Answer(MsgResult::OK);
    Start();
    EXPECT_EQ(box.Count(), 1u);
    EXPECT_TRUE(fs::is_directory(IniPath()));
}

TEST_F(Settings, BlockedDocumentsFolderKeepsTheSettingsPerUser)
{
    // The settings file goes to the user's data home, never the program folder.
    std::ofstream(home.Path() / "Documents" / "MyTELVOR") << "not a folder";
    Start();
    const std::string perUser = (home.Path() / ".local/share/castovin").string() + "/";
    EXPECT_EQ(state.environment.DataFolder, perUser);
    EXPECT_EQ(state.environment.SettingsFilePath, perUser + "VELB.INI");
    EXPECT_TRUE(fs::exists(perUser + "VELB.INI"));
    EXPECT_FALSE(fs::exists(options.appFolder + "VELB.INI"));
}

}  // namespace
}  // namespace castovin
