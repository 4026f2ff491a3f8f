// The settings dialog's rules: the "OK" checks in their order, the extension
// and path rules, what closing stores and logs, the viewer default.

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "core/config/profile_file.h"
#include "core/editing/settings_editor.h"
#include "test_state.h"

namespace castovin {
namespace {

using test::StateTest;
using test::TempDir;

class SettingsDialogRules : public StateTest {
protected:
    SettingsDialogRules()
    {
        SetMsgCategory(state.messenger.MsgCategory, MsgForm::Settings);
        state.environment.SettingsFilePath = dir.File("VELB.INI");
        state.environment.Settings.DataPath = dir.Path().string() + "/";
        state.environment.Settings.MaxDisplaySize = 4096;
        fields = SettingsFieldsFromState(state.environment);
    }
    std::string History() const { return state.messenger.History.Text(); }

    TempDir dir;
    SettingsFields fields;
};

TEST_F(SettingsDialogRules, ExtensionRule)
{
    EXPECT_TRUE(ValidFileExtension(""));
    EXPECT_TRUE(ValidFileExtension("VLB"));
    EXPECT_TRUE(ValidFileExtension("A1"));
    EXPECT_TRUE(ValidFileExtension("VL "));  // trailing blanks are not looked at
    EXPECT_FALSE(ValidFileExtension("V_B"));
    EXPECT_FALSE(ValidFileExtension("V B"));
    EXPECT_FALSE(ValidFileExtension(" VB"));
    EXPECT_FALSE(ValidFileExtension("vlb"));  // the box upper-cases what is typed
    EXPECT_FALSE(ValidFileExtension("V.B"));
}

TEST_F(SettingsDialogRules, PathGainsOneFinalSeparator)
{
    EXPECT_EQ(CompletedFolderPath("  /home/u/data  "), "/home/u/data/");
    EXPECT_EQ(CompletedFolderPath("/home/u/data/"), "/home/u/data/");
    EXPECT_EQ(CompletedFolderPath("/"), "/");
}

TEST_F(SettingsDialogRules, UnchangedFieldsPass)
{
    EXPECT_TRUE(CheckSettings(state.messenger, fields).valid);
    EXPECT_EQ(box.Count(), 0u);
}

TEST_F(SettingsDialogRules, MissingPathFailsFirstAndFocusesThePath)
{
    fields.dataPath = dir.File("missing");
    fields.historySize = "20000";  // would fail too, but the path comes first
    box.Answer(MsgResult::OK);
    const SettingsValidation v = CheckSettings(state.messenger, fields);
    EXPECT_FALSE(v.valid);
    EXPECT_EQ(v.focus, SettingsField::DataPath);
    EXPECT_EQ(fields.dataPath, dir.File("missing") + "/");
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "Invalid Path for Data Files");
    EXPECT_EQ(box.Last().style, MsgIcon::Critical);
    EXPECT_EQ(box.Last().title, "Settings: Error");
}

TEST_F(SettingsDialogRules, ControlCharacterInPathOrViewerIsRefusedBeforeAnyOtherCheck)
{
    // The folder exists: only the settings file, one line a value, cannot
    // keep its name.
    const std::string folder = dir.File("data\nDataPath=/tmp");
    std::filesystem::create_directories(folder);
    fields.dataPath = folder;
    box.Answer(MsgResult::OK);
    SettingsValidation v = CheckSettings(state.messenger, fields);
    EXPECT_FALSE(v.valid);
    EXPECT_EQ(v.focus, SettingsField::DataPath);
    EXPECT_EQ(box.Last().text, "The data folder " + dir.File("data\\x0ADataPath=/tmp/") +
                                   " cannot be kept: it holds a line break or another control character.");
    EXPECT_EQ(box.Last().title, "Settings: Error");

    fields.dataPath = dir.Path().string();
    fields.externalEditor = "xdg-open\r[Graph]";
    box.Answer(MsgResult::OK);
    v = CheckSettings(state.messenger, fields);
    EXPECT_FALSE(v.valid);
    EXPECT_EQ(v.focus, SettingsField::ExternalEditor);
    EXPECT_EQ(
        box.Last().text,
        "The text viewer xdg-open\\x0D[Graph] cannot be kept: it holds a line break or another control character.");
    EXPECT_EQ(box.Count(), 2u);

    // 254 characters fit a setting; 255 would be cut at the next start.
    fields.externalEditor = "/" + std::string(253, 'v');
    EXPECT_TRUE(CheckSettings(state.messenger, fields).valid);
    fields.externalEditor += "v";
    box.Answer(MsgResult::OK);
    v = CheckSettings(state.messenger, fields);
    EXPECT_FALSE(v.valid);
    EXPECT_EQ(v.focus, SettingsField::ExternalEditor);
    EXPECT_EQ(box.Last().text, "The text viewer /" + std::string(199, 'v') +
                                   "\u2026 cannot be kept: it is longer than the 254 characters a setting can hold.");
    fields.externalEditor = "xdg-open";
    fields.dataPath = "/" + std::string(254, 'd');
    box.Answer(MsgResult::OK);
    EXPECT_EQ(CheckSettings(state.messenger, fields).focus, SettingsField::DataPath);
    EXPECT_EQ(box.Count(), 4u);
}

TEST_F(SettingsDialogRules, PathWithoutSeparatorIsCompleted)
{
    fields.dataPath = dir.Path().string();
    EXPECT_TRUE(CheckSettings(state.messenger, fields).valid);
    EXPECT_EQ(fields.dataPath, dir.Path().string() + "/");
}

TEST_F(SettingsDialogRules, HistorySizeBounds)
{
    for (const char* accepted : {"4096", "16384", "8192"}) {
        fields.historySize = accepted;
        EXPECT_TRUE(CheckSettings(state.messenger, fields).valid) << accepted;
    }
    for (const char* refused : {"4095", "20000"}) {
        fields.historySize = refused;
        box.Answer(MsgResult::OK);
        const SettingsValidation v = CheckSettings(state.messenger, fields);
        EXPECT_FALSE(v.valid) << refused;
        EXPECT_EQ(v.focus, SettingsField::None) << "the size check leaves the focus where it is";
        EXPECT_EQ(box.Last().title, "Settings: Range Error");
    }
    EXPECT_EQ(box.Last().text, "Size of Command History Window: Value '20000' is outside input range\r\n"
                               "Valid range is: 4096-16384");
}

TEST_F(SettingsDialogRules, BadExtensionFocusesTheExtension)
{
    fields.fileExtension = "V_B";
    box.Answer(MsgResult::OK);
    const SettingsValidation v = CheckSettings(state.messenger, fields);
    EXPECT_FALSE(v.valid);
    EXPECT_EQ(v.focus, SettingsField::FileExtension);
    EXPECT_EQ(box.Last().text, "Invalid character in file extension");
    EXPECT_EQ(box.Last().title, "Settings: Invalid Character");
    EXPECT_EQ(box.Last().style, MsgIcon::Critical);
}

TEST_F(SettingsDialogRules, AcceptedCloseStoresAppliesLogsAndWrites)
{
    fields.defaultUnits = 1;
    fields.displayHistory = true;
    fields.historySize = "8192.4";
    fields.keepFileNames = false;
    fields.copyExamples = false;
    fields.fileExtension = "";
    fields.externalEditor = "less -N";
    bool applied = false;
    CloseSettings(state.environment, state.messenger, fields, true, [&] {
        applied = true;
        // The main window sees the new values when it applies them.
        EXPECT_EQ(state.environment.Settings.DisplayHistoryWin, 1);
    });
    EXPECT_TRUE(applied);
    EXPECT_EQ(state.environment.Settings.DefaultUnits, 1);
    EXPECT_EQ(state.environment.Settings.MaxDisplaySize, 8192);
    EXPECT_EQ(state.environment.Settings.KeepFileNames, 0);
    EXPECT_EQ(state.environment.Settings.CopyExampleFiles, 0);
    EXPECT_EQ(state.environment.Settings.FileExtension, "");
    EXPECT_EQ(state.environment.Settings.ExternalEditor, "less -N");
    const std::string history = History();
    const std::size_t modified = history.find("Settings Modified");
    ASSERT_NE(modified, std::string::npos);
    EXPECT_NE(history.find("Saving default settings to file: " + dir.File("VELB.INI")), std::string::npos);
    EXPECT_LT(modified, history.find("Saving default settings"));
    const ProfileFile ini = ProfileFile::Load(dir.File("VELB.INI"));
    EXPECT_EQ(ini.Read("Settings", "DefaultUnits"), "1");
    EXPECT_EQ(ini.Read("Settings", "MaxDisplaySize"), "8192");
    EXPECT_EQ(ini.Read("Settings", "FileExtension"), "");
    EXPECT_EQ(ini.Read("FileMenu", "MaxLastFiles"), std::nullopt) << "only [Settings] is written";
}

TEST_F(SettingsDialogRules, CancelledCloseChangesNothing)
{
    fields.defaultUnits = 1;
    fields.fileExtension = "XYZ";
    bool applied = false;
    CloseSettings(state.environment, state.messenger, fields, false, [&] { applied = true; });
    EXPECT_FALSE(applied);
    EXPECT_EQ(state.environment.Settings.DefaultUnits, 0);
    EXPECT_EQ(state.environment.Settings.FileExtension, "VLB");
    EXPECT_NE(History().find("Settings Not Modified"), std::string::npos);
    EXPECT_FALSE(std::ifstream(dir.File("VELB.INI")).good());
}

TEST(SettingsViewer, SelectStartsInTheViewersFolder)
{
    EXPECT_EQ(ViewerDialogFolder("gedit"), "/usr/bin/");
    EXPECT_EQ(ViewerDialogFolder("/opt/editor/bin/ed"), "/opt/editor/bin/");
}

TEST(SettingsViewer, CopyExamplesMessageNamesTheDataFolder)
{
    EXPECT_EQ(CopyExamplesMessage("/home/u/Documents/MyTELVOR/"),
              "When this option is enabled, every time the program runs, it will try to copy the example files "
              "from the install directory to the /home/u/Documents/MyTELVOR/ directory. The modified files will "
              "not be overridden, but missing files will be replaced. ");
}

}  // namespace
}  // namespace castovin
