#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/config/settings_file.h"
#include "core/files/lifecycle.h"
#include "test_state.h"

namespace castovin {
namespace {

using test::StateTest;
using test::TempDir;

class RecentFiles : public StateTest {
protected:
    RecentFiles()
    {
        state.environment.SettingsFilePath = dir.File("VELB.INI");
        state.environment.Settings.KeepFileNames = 1;
        state.environment.Settings.ShortRecentFiles = 0;
    }
    void Opened(const std::string& path)
    {
        state.project.ProjectFilePath = path;
        RecentFileUpdate(state.environment, state.messenger, state.project.ProjectFilePath);
    }
    std::vector<std::string> Paths() const
    {
        std::vector<std::string> out;
        for (int n = 1; n <= state.environment.Settings.MaxLastFiles; ++n)
            out.push_back(state.environment.Settings.LastFiles[static_cast<std::size_t>(n)].LastFileLong);
        return out;
    }
    TempDir dir;
};

TEST_F(RecentFiles, ListedFileChangesPlacesWithTheFirst)
{
    for (const char* p : {"/p/D.vlb", "/p/C.vlb", "/p/B.vlb", "/p/A.vlb"})
        Opened(p);
    ASSERT_EQ(Paths(), (std::vector<std::string>{"/p/A.vlb", "/p/B.vlb", "/p/C.vlb", "/p/D.vlb"}));
    Opened("/p/C.vlb");
    EXPECT_EQ(Paths(), (std::vector<std::string>{"/p/C.vlb", "/p/B.vlb", "/p/A.vlb", "/p/D.vlb"}));
    EXPECT_EQ(state.environment.RecentFileCaptions[3], "/p/A.vlb");
}

TEST_F(RecentFiles, NewFileDropsTheFourth)
{
    for (const char* p : {"/p/D.vlb", "/p/C.vlb", "/p/B.vlb", "/p/A.vlb"})
        Opened(p);
    Opened("/p/E.vlb");
    EXPECT_EQ(Paths(), (std::vector<std::string>{"/p/E.vlb", "/p/A.vlb", "/p/B.vlb", "/p/C.vlb"}));
    EXPECT_EQ(state.environment.Settings.LastFiles[1].LastFile, "E.vlb");
    EXPECT_EQ(state.environment.Settings.LastFiles[1].LastFileMode, 1);
}

TEST_F(RecentFiles, ShortNamesShareOneEntry)
{
    state.environment.Settings.ShortRecentFiles = 1;
    Opened("/one/mine.vlb");
    Opened("/p/other.vlb");
    Opened("/two/mine.vlb");
    EXPECT_EQ(Paths(), (std::vector<std::string>{"/two/mine.vlb", "/p/other.vlb"}));
    EXPECT_EQ(state.environment.RecentFileCaptions[1], "mine.vlb");
}

TEST_F(RecentFiles, NothingIsKeptWhenSwitchedOff)
{
    state.environment.Settings.KeepFileNames = 0;
    Opened("/p/A.vlb");
    EXPECT_EQ(state.environment.Settings.MaxLastFiles, 0);
}

TEST_F(RecentFiles, NewEntryWritesTheListButAnExchangeDoesNot)
{
    Opened("/p/A.vlb");
    Opened("/p/B.vlb");
    EXPECT_EQ(ReadIniString(state.environment.SettingsFilePath, "FileMenu", "LastFileLong1"), "/p/B.vlb");
    Opened("/p/A.vlb");
    EXPECT_EQ(ReadIniString(state.environment.SettingsFilePath, "FileMenu", "LastFileLong1"), "/p/B.vlb");
}

TEST_F(RecentFiles, NameWithALineBreakIsRefusedAndNeverReachesTheSettingsFile)
{
    Opened("/p/A.vlb");
    // A project saved under this name would otherwise write its own
    // [TextBrowse] section into the settings file through the list.
    const std::string injected = "/p/x.vlb\r\n[TextBrowse]\r\nBrowseUseNotepad=1";
    for (const std::string& path : {injected, std::string("/p/a\nb.vlb"), std::string("/p/esc\x1b[2J.vlb")}) {
        box.Answer(MsgResult::OK);
        Opened(path);
        EXPECT_EQ(Paths(), std::vector<std::string>{"/p/A.vlb"});
    }
    ASSERT_EQ(box.Count(), 3u);
    EXPECT_EQ(box.All()[0].text, "The file /p/x.vlb\\x0D\\x0A[TextBrowse]\\x0D\\x0ABrowseUseNotepad=1 is not kept in "
                                 "the recent-file list: its name holds a line break or another control character.");
    EXPECT_EQ(box.Last().style, MsgIcon::Exclamation);
    EXPECT_EQ(ReadIniString(state.environment.SettingsFilePath, "TextBrowse", "BrowseUseNotepad"), "");
    EXPECT_EQ(ReadIniString(state.environment.SettingsFilePath, "FileMenu", "LastFileLong1"), "/p/A.vlb");
}

TEST_F(RecentFiles, MenuBuiltFromTheListRead)
{
    state.environment.Settings.MaxLastFiles = 2;
    state.environment.Settings.LastFiles[1] = {"a.vlb", 1, "/p/a.vlb"};
    state.environment.Settings.LastFiles[2] = {"", 1, "/p/x.vlb"};
    EXPECT_TRUE(BuildRecentFileMenu(state.environment));
    EXPECT_EQ(state.environment.RecentFileCaptions[1], "/p/a.vlb");
    EXPECT_EQ(state.environment.RecentFileCaptions[2], "");
    state.environment.Settings.KeepFileNames = 0;
    EXPECT_FALSE(BuildRecentFileMenu(state.environment));
}

class Caption : public StateTest {};

TEST_F(Caption, ShortAndLongPaths)
{
    EXPECT_EQ(WindowCaption(state.project), "VELB: Untitled");
    state.project.ProjectSaved = FlagFalse;
    state.project.ProjectFilePath = "/data/mine.vlb";
    EXPECT_EQ(WindowCaption(state.project), "VELB: /data/mine.vlb*");
    state.project.ProjectSaved = FlagTrue;
    const std::string sixty = "/home/engineer/projects/north/panel-3/entries-2026-final.vlb";
    ASSERT_EQ(sixty.size(), 60u);
    state.project.ProjectFilePath = sixty;
    EXPECT_EQ(WindowCaption(state.project), "VELB: /home/engi.../north/panel-3/entries-2026-final.vlb");
}

TEST_F(Caption, NeedsName)
{
    EXPECT_TRUE(ProjectNeedsName(state.project));
    state.project.ProjectFilePath = "untitled";
    EXPECT_TRUE(ProjectNeedsName(state.project));
    state.project.ProjectFilePath = "";
    EXPECT_TRUE(ProjectNeedsName(state.project));
    state.project.ProjectFilePath = "Metric_mine.vlb";
    EXPECT_FALSE(ProjectNeedsName(state.project));
}

}  // namespace
}  // namespace castovin
