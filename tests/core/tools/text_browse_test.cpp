// The text browser's rules: patterns, the starting folder, the temporary
// copy, the viewer's command line and the pane text.

#include <fstream>

#include <gtest/gtest.h>

#include "test_state.h"
#include "text/atomic_file.h"
#include "text/runtime_error.h"
#include "tools/text_browse.h"

namespace castovin {
namespace {

using test::StateTest;
using test::TempDir;

void Write(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(BrowsePatterns, SeveralPatternsSeparatedBySemicolons)
{
    EXPECT_EQ(SplitPatterns("*.VLB"), (std::vector<std::string>{"*.VLB"}));
    EXPECT_EQ(SplitPatterns(" *.txt ; *.csv;"), (std::vector<std::string>{"*.txt", "*.csv"}));
    EXPECT_EQ(SplitPatterns("a[0-9].vlb"), (std::vector<std::string>{"a[0-9].vlb"}));
}

TEST(BrowsePatterns, RefusedPatterns)
{
    EXPECT_EQ(SplitPatterns(""), std::nullopt);
    EXPECT_EQ(SplitPatterns(" ; "), std::nullopt);
    EXPECT_EQ(SplitPatterns("data/*.vlb"), std::nullopt);
    EXPECT_EQ(SplitPatterns("*.txt;a[b"), std::nullopt);
    EXPECT_EQ(SplitPatterns("a\tb"), std::nullopt);
}

TEST(BrowsePatterns, MatchingIgnoresLetterCase)
{
    EXPECT_TRUE(MatchesPattern("mine.vlb", "*.VLB"));
    EXPECT_TRUE(MatchesPattern("MINE.VLB", "*.vlb"));
    EXPECT_FALSE(MatchesPattern("mine.vlb.bak", "*.VLB"));
    EXPECT_TRUE(MatchesPattern("a.b.c", "*.*"));
    EXPECT_FALSE(MatchesPattern("abc", "*.*"));
    EXPECT_TRUE(MatchesPattern("abc", "*"));
    EXPECT_TRUE(MatchesPattern("p1.vlb", "p?.vlb"));
    EXPECT_FALSE(MatchesPattern("p12.vlb", "p?.vlb"));
    EXPECT_TRUE(MatchesPattern("p7.vlb", "p[0-9].vlb"));
    EXPECT_FALSE(MatchesPattern("px.vlb", "p[0-9].vlb"));
    EXPECT_TRUE(MatchesPattern("px.vlb", "p[!0-9].vlb"));
    EXPECT_TRUE(MatchesPattern("aXbXc", "a*b*c"));
    EXPECT_FALSE(MatchesPattern("aXbXd", "a*b*c"));
    EXPECT_TRUE(MatchesAnyPattern("notes.TXT", {"*.vlb", "*.txt"}));
    EXPECT_FALSE(MatchesAnyPattern("notes.md", {"*.vlb", "*.txt"}));
}

TEST(BrowsePaths, NoDoubledSeparator)
{
    EXPECT_EQ(PathInFolder("/", "a.vlb"), "/a.vlb");
    EXPECT_EQ(PathInFolder("/home/u", "a.vlb"), "/home/u/a.vlb");
    EXPECT_EQ(PathInFolder("/home/u/", "a.vlb"), "/home/u/a.vlb");
}

class BrowserRules : public StateTest {
protected:
    TempDir dir;
};

TEST_F(BrowserRules, OpeningPatternAndFolder)
{
    state.Settings.BrowseDefaultFilter = "";
    state.Settings.FileExtension = "VLB";
    EXPECT_EQ(InitialBrowsePattern(state), "*.VLB");
    state.Settings.BrowseDefaultFilter = "*.txt";
    EXPECT_EQ(InitialBrowsePattern(state), "*.txt");

    state.Settings.DataPath = "/data/";
    EXPECT_EQ(InitialBrowseFolder(state), "/data/");
    state.LastBrowsedFolder = "/elsewhere";
    EXPECT_EQ(InitialBrowseFolder(state), "/elsewhere");
}

TEST_F(BrowserRules, CopyWritesEveryLineWithCrLf)
{
    Write(dir.File("source.vlb"), "VELB_212\nline two\r\nline three\rlast");
    EXPECT_TRUE(CopyTextFile(state, dir.File("source.vlb"), dir.File("copy.tmp")));
    EXPECT_EQ(ReadWholeFile(dir.File("copy.tmp")), "VELB_212\r\nline two\r\nline three\r\nlast\r\n");
    // An existing copy is replaced, not appended to.
    Write(dir.File("short.vlb"), "x\n");
    EXPECT_TRUE(CopyTextFile(state, dir.File("short.vlb"), dir.File("copy.tmp")));
    EXPECT_EQ(ReadWholeFile(dir.File("copy.tmp")), "x\r\n");
}

TEST_F(BrowserRules, CopyOfMissingFileIsRefused)
{
    box.Answer(MsgResult::OK);
    EXPECT_FALSE(CopyTextFile(state, dir.File("gone.vlb"), dir.File("copy.tmp")));
    EXPECT_EQ(box.Last().text, "Requested File not found: " + dir.File("gone.vlb"));
    EXPECT_EQ(box.Last().style, MsgButtons::OK);
    EXPECT_FALSE(std::ifstream(dir.File("copy.tmp")).good());
}

TEST_F(BrowserRules, CopyIntoMissingFolderFails)
{
    Write(dir.File("source.vlb"), "text\n");
    const std::string target = dir.File("no-such-folder/~tmpbr.tmp");
    box.Answer(MsgResult::OK);
    EXPECT_FALSE(CopyTextFile(state, dir.File("source.vlb"), target));
    EXPECT_EQ(box.Last().text, "File I/O problem with TMP file: " + target);
}

TEST(ViewerCommandLine, SplitLikeShellWords)
{
    using W = std::vector<std::string>;
    EXPECT_EQ(SplitCommandWords("gedit"), W{"gedit"});
    EXPECT_EQ(SplitCommandWords("  less   -N  "), (W{"less", "-N"}));
    EXPECT_EQ(SplitCommandWords("'/opt/my editor/ed' --new-window"), (W{"/opt/my editor/ed", "--new-window"}));
    EXPECT_EQ(SplitCommandWords("\"a \\\"b\\\"\" c\\ d"), (W{"a \"b\"", "c d"}));
    EXPECT_EQ(SplitCommandWords("kate; rm -rf x"), (W{"kate;", "rm", "-rf", "x"})) << "no shell, no commands";
    EXPECT_EQ(SplitCommandWords("''"), W{""});
    EXPECT_TRUE(SplitCommandWords("").empty());
}

TEST(ViewerCommandLine, ProgramArgumentsThenTheCopy)
{
    const ViewerCommand mine = ViewerCommandFor("gvim -R", "/tmp/~tmpbr.tmp");
    EXPECT_EQ(mine.program, "gvim");
    EXPECT_EQ(mine.arguments, (std::vector<std::string>{"-R", "/tmp/~tmpbr.tmp"}));
    EXPECT_FALSE(IsDefaultViewer("gedit"));
    for (const char* defaultViewer : {"", "xdg-open", " XDG-Open ", "Notepad.exe", " NOTEPAD.EXE "}) {
        EXPECT_TRUE(IsDefaultViewer(defaultViewer)) << defaultViewer;
        const ViewerCommand opener = ViewerCommandFor(defaultViewer, "/t/a b.tmp");
        EXPECT_EQ(opener.program, "xdg-open") << defaultViewer;
        EXPECT_EQ(opener.arguments, std::vector<std::string>{"/t/a b.tmp"}) << defaultViewer;
    }
}

TEST(PaneText, Utf8AndWindows1252)
{
    const PaneText utf8 = PaneTextOf("Gr\xC3\xB6\xC3\x9F"
                                     "e\r\nx",
                                     10);
    EXPECT_EQ(utf8.kind, PaneText::Kind::Text);
    EXPECT_EQ(utf8.text, "Gr\xC3\xB6\xC3\x9F"
                         "e\nx\n");
    const PaneText cp1252 = PaneTextOf("Gr\xF6\xDF"
                                       "e \x80\n",
                                       8);
    EXPECT_EQ(cp1252.text, "Gr\xC3\xB6\xC3\x9F"
                           "e \xE2\x82\xAC\n");
}

TEST(PaneText, BinaryFileGivesAMessage)
{
    const std::string bytes("\x7F"
                            "ELF\x02\x01\x00\x00",
                            8);
    const PaneText pane = PaneTextOf(bytes, bytes.size());
    EXPECT_EQ(pane.kind, PaneText::Kind::Binary);
    EXPECT_EQ(pane.text.find("ELF"), std::string::npos);
}

TEST(PaneText, LargeFileShowsItsFirstLinesAndANote)
{
    const std::string bytes = "first line\nsecond line\nthird line\n";
    const PaneText pane = PaneTextOf(bytes.substr(0, 16), 1000, 16);
    EXPECT_EQ(pane.kind, PaneText::Kind::Shortened);
    EXPECT_EQ(pane.text.rfind("first line\n\n[The file holds 1000 bytes; only its first 11 bytes are shown here.]", 0),
              0u);
}

TEST_F(BrowserRules, ReadingAFileForThePane)
{
    Write(dir.File("big.txt"), std::string(30, 'a') + "\n" + std::string(30, 'b') + "\n");
    const PaneText pane = ReadPaneText(dir.File("big.txt"), 40);
    EXPECT_EQ(pane.kind, PaneText::Kind::Shortened);
    EXPECT_EQ(pane.text.substr(0, 31), std::string(30, 'a') + "\n");
    EXPECT_EQ(pane.text.find("bbb"), std::string::npos);
    EXPECT_THROW(ReadPaneText(dir.File("missing.txt")), RuntimeError);
}

}  // namespace
}  // namespace castovin
