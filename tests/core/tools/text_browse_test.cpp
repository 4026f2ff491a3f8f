// The text browser's rules: patterns, the starting folder, the temporary
// copy, the viewer's command line and the pane text.

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "core/text/atomic_file.h"
#include "core/text/runtime_error.h"
#include "core/tools/text_browse.h"
#include "test_fifo.h"
#include "test_state.h"

namespace castovin {
namespace {

using test::PromptAnswer;
using test::StateTest;
using test::TempDir;
using test::TestFifo;
using test::TimeOf;

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
    state.environment.Settings.BrowseDefaultFilter = "";
    state.environment.Settings.FileExtension = "VLB";
    EXPECT_EQ(InitialBrowsePattern(state.environment), "*.VLB");
    state.environment.Settings.BrowseDefaultFilter = "*.txt";
    EXPECT_EQ(InitialBrowsePattern(state.environment), "*.txt");

    state.environment.Settings.DataPath = "/data/";
    EXPECT_EQ(InitialBrowseFolder(state.environment), "/data/");
    state.environment.LastBrowsedFolder = "/elsewhere";
    EXPECT_EQ(InitialBrowseFolder(state.environment), "/elsewhere");
}

TEST_F(BrowserRules, CopyWritesEveryLineWithCrLf)
{
    Write(dir.File("source.vlb"), "VELB_212\nline two\r\nline three\rlast");
    EXPECT_TRUE(CopyTextFile(state.messenger, dir.File("source.vlb"), dir.File("copy.tmp")));
    EXPECT_EQ(ReadWholeFile(dir.File("copy.tmp")), "VELB_212\r\nline two\r\nline three\r\nlast\r\n");
    // An existing copy is replaced, not appended to.
    Write(dir.File("short.vlb"), "x\n");
    EXPECT_TRUE(CopyTextFile(state.messenger, dir.File("short.vlb"), dir.File("copy.tmp")));
    EXPECT_EQ(ReadWholeFile(dir.File("copy.tmp")), "x\r\n");
}

TEST_F(BrowserRules, CopyOfMissingFileIsRefused)
{
    box.Answer(MsgResult::OK);
    EXPECT_FALSE(CopyTextFile(state.messenger, dir.File("gone.vlb"), dir.File("copy.tmp")));
    EXPECT_EQ(box.Last().text, "Requested File not found: " + dir.File("gone.vlb"));
    EXPECT_EQ(box.Last().style, MsgButtons::OK);
    EXPECT_FALSE(std::ifstream(dir.File("copy.tmp")).good());
}

TEST_F(BrowserRules, CopyIntoMissingFolderFails)
{
    Write(dir.File("source.vlb"), "text\n");
    const std::string target = dir.File("no-such-folder/~tmpbr.tmp");
    box.Answer(MsgResult::OK);
    EXPECT_FALSE(CopyTextFile(state.messenger, dir.File("source.vlb"), target));
    EXPECT_EQ(box.Last().text, "File I/O problem with TMP file: " + target);
}

// What the browser answers for a chosen file that is missing or that a FIFO,
// a device, a folder or a link to one took the place of: never a wait.
TEST_F(BrowserRules, OnlyRegularFilesAreShown)
{
    Write(dir.File("plain.txt"), "text\n");
    const TestFifo fifo(dir.File("fifo.txt"));
    std::filesystem::create_symlink("fifo.txt", dir.File("to-fifo.txt"));
    std::filesystem::create_symlink("/dev/zero", dir.File("to-zero.txt"));
    std::filesystem::create_directory(dir.File("folder.txt"));
    struct Case {
        std::string name;
        std::string message;  // empty when the file can be shown
    };
    const std::vector<Case> cases = {
        {"plain.txt", ""},
        {"gone.txt", "Requested File not found: " + dir.File("gone.txt")},
        {"fifo.txt", dir.File("fifo.txt") + " is not a regular file"},
        {"to-fifo.txt", dir.File("to-fifo.txt") + " is not a regular file"},
        {"to-zero.txt", dir.File("to-zero.txt") + " is not a regular file"},
        {"folder.txt", dir.File("folder.txt") + " is not a regular file"},
    };
    for (const Case& c : cases) {
        const std::string path = dir.File(c.name);
        const std::size_t boxes = box.Count();
        if (!c.message.empty())
            box.Answer(MsgResult::OK);
        EXPECT_EQ(CheckBrowsable(state.messenger, path), c.message.empty()) << c.name;
        ASSERT_EQ(box.Count(), boxes + (c.message.empty() ? 0 : 1)) << c.name;
        if (c.message.empty())
            continue;
        EXPECT_EQ(box.Last().text, c.message);
        EXPECT_EQ(box.Last().style, MsgButtons::OK);
        // The copy for the external viewer gives the same answer.
        box.Answer(MsgResult::OK);
        EXPECT_LT(TimeOf([&] { EXPECT_FALSE(CopyTextFile(state.messenger, path, dir.File("copy.tmp"))); }),
                  PromptAnswer);
        EXPECT_EQ(box.Last().text, c.message);
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("copy.tmp")));
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

// A text without line ends is cut before the character the limit falls in,
// so that it still reads as UTF-8 rather than as Windows-1252.
TEST(PaneText, CutNeverSplitsACharacter)
{
    struct Case {
        std::string bytes;
        std::size_t limit;
        std::string shown;
    };
    const std::string euro = "\xE2\x82\xAC";      // 3 bytes
    const std::string face = "\xF0\x9F\x98\x80";  // 4 bytes
    const std::vector<Case> cases = {
        {euro + euro + euro, 6, euro + euro},
        {euro + euro + euro, 7, euro + euro},
        {euro + euro + euro, 8, euro + euro},
        {"ab\xC3\xA9"
         "cd",
         3, "ab"},
        {"ab\xC3\xA9"
         "cd",
         4, "ab\xC3\xA9"},
        {face + face, 7, face},
        {"a" + face, 4, "a"},
        // Windows-1252 text is no UTF-8 to begin with: cut at the limit, even
        // where its last byte looks like the start of a UTF-8 character.
        {"Gr\xF6\xDF"
         "e",
         4, "Gr\xC3\xB6\xC3\x9F"},
    };
    for (const Case& c : cases) {
        const PaneText pane = PaneTextOf(c.bytes.substr(0, c.limit), c.bytes.size(), c.limit);
        EXPECT_EQ(pane.kind, PaneText::Kind::Shortened) << c.limit;
        EXPECT_EQ(pane.text.substr(0, pane.text.find("\n")), c.shown) << c.limit;
    }
    const PaneText pane = PaneTextOf(euro + euro + euro, 9, 8);
    EXPECT_EQ(pane.text, euro + euro + "\n\n[The file holds 9 bytes; only its first 6 bytes are shown here.]\n");
}

TEST_F(BrowserRules, ReadingAFileForThePane)
{
    Write(dir.File("big.txt"), std::string(30, 'a') + "\n" + std::string(30, 'b') + "\n");
    const PaneText pane = ReadPaneText(dir.File("big.txt"), 40);
    EXPECT_EQ(pane.kind, PaneText::Kind::Shortened);
    EXPECT_EQ(pane.text.substr(0, 31), std::string(30, 'a') + "\n");
    EXPECT_EQ(pane.text.find("bbb"), std::string::npos);
    EXPECT_THROW(ReadPaneText(dir.File("missing.txt")), RuntimeError);

    // The whole pane of a large file of three-byte characters.
    std::string euros;
    for (int i = 0; i < 1'500'000; ++i)
        euros += "\xE2\x82\xAC";
    Write(dir.File("euro.txt"), euros);
    const PaneText large = ReadPaneText(dir.File("euro.txt"));
    EXPECT_EQ(large.text.substr(0, 6), "\xE2\x82\xAC\xE2\x82\xAC");
    EXPECT_EQ(large.text.substr(large.text.size() - 82),
              "\xE2\x82\xAC\n\n[The file holds 4500000 bytes; only its first 4194303 bytes are shown here.]\n");
}

// The pane's read of a FIFO, or of a link to one, is refused at once.
TEST_F(BrowserRules, PaneRefusesAFifoWithoutWaiting)
{
    const TestFifo fifo(dir.File("fifo.txt"));
    std::filesystem::create_symlink("fifo.txt", dir.File("link.txt"));
    for (const std::string& path : {fifo.Path(), dir.File("link.txt")}) {
        std::string error = "no error";
        const auto took = TimeOf([&] {
            try {
                ReadPaneText(path);
            } catch (const RuntimeError& e) {
                error = e.description();
            }
        });
        EXPECT_LT(took, PromptAnswer) << path;
        EXPECT_EQ(error, "Path/File access error (" + path + ": not a regular file)");
    }
}

}  // namespace
}  // namespace castovin
