#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "core/files/lifecycle.h"
#include "core/files/project_file.h"
#include "core/text/atomic_file.h"
#include "core/text/runtime_error.h"
#include "test_state.h"
#include "test_text.h"

namespace castovin {
namespace {

using test::ReadFile;

using test::StateTest;
using test::TempDir;

std::string Lines(std::initializer_list<std::string_view> lines, std::string_view end = "\r\n")
{
    std::string out;
    for (std::string_view l : lines) {
        out += l;
        out += end;
    }
    return out;
}

// The 45 value lines of a new English project.
const std::initializer_list<std::string_view> kDefaultValues = {
    "45",   "400", "162", "1.2", "6",     "0.75", "75",      " 4 ", "4",   "30", "20",   " 1 ", "0",   "0",   "6",
    "0.75", "75",  " 4 ", "4",   "12",    "30",   "3",       "1",   "1.5", "67", "0",    "0",   "300", "4",   "4",
    "2",    "35",  "8",   "2",   "30000", "100",  "1000000", "5",   "300", "4",  "1200", "12",  "50",  " 1 ", " 1 "};

std::string DefaultFile(std::string_view unitLine, std::string_view title,
                        std::initializer_list<std::string_view> description, std::string_view end = "\r\n")
{
    std::string out = Lines({"VELB_212", unitLine, title, "##StartDesc##"}, end);
    out += Lines(description, end);
    out += Lines({"##EndDesc##"}, end);
    out += Lines(kDefaultValues, end);
    return out;
}

void WriteFile(const std::string& path, std::string_view content)
{
    std::ofstream(path, std::ios::binary) << content;
}

class ProjectFile : public StateTest {
protected:
    FileOpenResult Open(const std::string& content)
    {
        WriteFile(dir.File("mine.vlb"), content);
        return FileOpen(state.project, dir.File("mine.vlb"), state.environment, state.messenger);
    }
    // Opens content that must fail with a run-time error; returns it.
    RuntimeError OpenFailing(const std::string& content)
    {
        try {
            Open(content);
        } catch (const RuntimeError& e) {
            return e;
        }
        ADD_FAILURE() << "the open did not fail";
        return RuntimeError(0);
    }
    void ExpectEmptyUntitledProject()
    {
        EXPECT_EQ(state.project.ProjectFilePath, "Untitled");
        EXPECT_EQ(state.project.ProjectEmpty, FlagTrue);
        EXPECT_EQ(state.project.ProjectTitle, "");
        EXPECT_EQ(state.project.Support[0].CMRR, 45);
        EXPECT_EQ(state.project.Support[0].DepthofCover, 400);
    }

    TempDir dir;
};

TEST_F(ProjectFile, NewProjectLayout)
{
    ASSERT_TRUE(FileSave(state.project, dir.File("new.vlb"), state.messenger));
    EXPECT_EQ(ReadFile(state.project.ProjectFilePath), DefaultFile(" 0 ", "", {""}));
    EXPECT_EQ(state.project.ProjectSaved, FlagTrue);
}

TEST_F(ProjectFile, ReadsBackWhatItWrote)
{
    state.project.units = UnitSystem::Metric;
    state.project.ProjectTitle = "North mains, panel 3";
    state.project.ProjectDescription = "  indented, with commas\r\nsecond line";
    state.project.Support[0].BoltsPerRow = 4.5f;
    state.project.Support[0].NumberOfSystems = 2;
    state.project.Support[0].SecondSystemType = 1;
    state.project.Support[1].CableBoltCapacity = 0.2669f;
    state.project.Support[0].DepthofCover = 1.5e7f;
    state.project.Cost.UseCalculatedAdvance = 0;
    state.project.Cost.AdvanceRate = 12.34567f;
    ASSERT_TRUE(FileSave(state.project, dir.File("round.vlb"), state.messenger));
    const auto saved = state.project.Support;
    const auto cost = state.project.Cost;
    const std::string bytes = ReadFile(state.project.ProjectFilePath);

    FileNew(state.project, state.environment, state.messenger, true, true);
    ASSERT_TRUE(FileOpen(state.project, dir.File("round.vlb"), state.environment, state.messenger));
    EXPECT_EQ(state.project.units, UnitSystem::Metric);
    EXPECT_EQ(state.project.ProjectTitle, "North mains, panel 3");
    EXPECT_EQ(state.project.ProjectDescription, "  indented, with commas\r\nsecond line\r\n");
    EXPECT_EQ(state.project.Support, saved);
    EXPECT_EQ(state.project.Cost, cost);
    EXPECT_EQ(state.project.ProjectSaved, FlagTrue);
    EXPECT_EQ(state.project.ProjectEmpty, FlagFalse);
    EXPECT_EQ(state.project.InputsEntered, FlagTrue);

    ASSERT_TRUE(FileSave(state.project, dir.File("round.vlb"), state.messenger));
    EXPECT_EQ(ReadFile(state.project.ProjectFilePath), bytes);
    EXPECT_NE(bytes.find("\r\n 4.5 \r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n1.5E+07\r\n"), std::string::npos);
}

TEST_F(ProjectFile, DescriptionIsNormalisedWhenSaved)
{
    state.project.ProjectDescription = "first\r\n\r\nthird\r\n" + std::string(70, 'x');
    ASSERT_TRUE(FileSave(state.project, dir.File("desc.vlb"), state.messenger));
    EXPECT_EQ(state.project.ProjectDescription,
              "first\r\nthird\r\n" + std::string(60, 'x') + "\r\n" + std::string(10, 'x'));
    const std::string bytes = ReadFile(state.project.ProjectFilePath);
    EXPECT_NE(bytes.find("##StartDesc##\r\nfirst\r\nthird\r\n" + std::string(60, 'x') + "\r\n" + std::string(10, 'x') +
                         "\r\n##EndDesc##\r\n"),
              std::string::npos);
}

TEST_F(ProjectFile, DescriptionLinesLikeMarkersCannotEndTheBlock)
{
    // A user may type the marker texts; the file must still read back.
    state.project.ProjectDescription =
        "##StartDesc##\r\nfirst\r\n##EndDesc##\r\n" + std::string(60, 'x') + "##EndDesc##";
    ASSERT_TRUE(FileSave(state.project, dir.File("markers.vlb"), state.messenger));
    FileNew(state.project, state.environment, state.messenger, true, true);
    ASSERT_TRUE(FileOpen(state.project, dir.File("markers.vlb"), state.environment, state.messenger));
    EXPECT_EQ(state.project.ProjectDescription,
              "##StartDesc## \r\nfirst\r\n##EndDesc## \r\n" + std::string(60, 'x') + "\r\n##EndDesc## \r\n");
    EXPECT_EQ(state.project.Support[0].CMRR, 45);
}

TEST_F(ProjectFile, AcceptsLfLineEndsAndAMissingFinalLineEnd)
{
    std::string content = DefaultFile(" 1 ", "LF file", {"a description"}, "\n");
    content.pop_back();
    ASSERT_TRUE(Open(content));
    EXPECT_EQ(state.project.units, UnitSystem::Metric);
    EXPECT_EQ(state.project.ProjectTitle, "LF file");
    EXPECT_EQ(state.project.ProjectDescription, "a description\r\n");
    EXPECT_EQ(state.project.Cost.UseCalculatedAdvance, 1);
}

TEST_F(ProjectFile, UnitSystemOutsideZeroToOneIsEnglish)
{
    ASSERT_TRUE(Open(DefaultFile("7", "", {""})));
    EXPECT_EQ(state.project.units, UnitSystem::English);
}

TEST_F(ProjectFile, DescriptionWithoutStartMarker)
{
    std::string content = DefaultFile(" 0 ", "Title", {"line one", "   ", "line two"});
    content.erase(content.find("##StartDesc##\r\n"), 15);
    ASSERT_TRUE(Open(content));
    EXPECT_EQ(state.project.ProjectDescription, "line one\r\nline two\r\n");
}

TEST_F(ProjectFile, WindowsCodePageFileIsDecoded)
{
    // "Entrée" written by the Windows program in Windows-1252.
    ASSERT_TRUE(Open(DefaultFile(" 0 ",
                                 "Entr\xE9"
                                 "e \x96 panel",
                                 {"caf\xE9"})));
    EXPECT_EQ(state.project.ProjectTitle, "Entr\xC3\xA9"
                                          "e \xE2\x80\x93 panel");
    EXPECT_EQ(state.project.ProjectDescription, "caf\xC3\xA9\r\n");
}

TEST_F(ProjectFile, TagRules)
{
    ASSERT_TRUE(Open(std::string("  VELB_212  , written by hand") + DefaultFile(" 0 ", "", {""}).substr(8)));
    ASSERT_TRUE(Open(std::string("\"VELB_212\"") + DefaultFile(" 0 ", "", {""}).substr(8)));
    box.Answer(MsgResult::OK);
    const FileOpenResult wrong = Open(std::string("velb_212") + DefaultFile(" 0 ", "T", {""}).substr(8));
    EXPECT_FALSE(wrong);
    EXPECT_EQ(wrong.failure, "Invalid file format");
    EXPECT_EQ(box.Last().text, "Invalid file format");
    ExpectEmptyUntitledProject();
}

TEST_F(ProjectFile, SixteenBitFieldsRoundHalfToEven)
{
    std::string content = DefaultFile(" 0 ", "", {""});
    content.replace(content.find("##EndDesc##\r\n45\r\n"), 17, "##EndDesc##\r\n  44.5\t\r\n");
    ASSERT_TRUE(Open(content));
    EXPECT_EQ(state.project.Support[0].CMRR, 44);
}

TEST_F(ProjectFile, MissingLineNamesTheLine)
{
    std::string content = DefaultFile(" 0 ", "", {""});
    content.resize(content.rfind(" 1 \r\n"));  // drop the last value: 50 lines left
    const RuntimeError e = OpenFailing(content);
    EXPECT_EQ(e.number(), err::InputPastEndOfFile);
    EXPECT_EQ(e.description(), "Input past end of file (line 51 of mine.vlb)");
    ExpectEmptyUntitledProject();
}

TEST_F(ProjectFile, MissingEndMarkerRunsPastTheEnd)
{
    std::string content = DefaultFile(" 0 ", "", {""});
    content.replace(content.find("##EndDesc##"), 11, "##End##");
    EXPECT_EQ(OpenFailing(content).number(), err::InputPastEndOfFile);
    ExpectEmptyUntitledProject();
}

TEST_F(ProjectFile, TextWhereANumberBelongs)
{
    std::string content = DefaultFile(" 0 ", "", {""});
    content.replace(content.find("\r\n162\r\n"), 7, "\r\nabc\r\n");
    const RuntimeError e = OpenFailing(content);
    EXPECT_EQ(e.number(), err::TypeMismatch);
    EXPECT_EQ(e.description(), "Type mismatch (line 9 of mine.vlb: 'abc' is not a number)");
    ExpectEmptyUntitledProject();
}

TEST_F(ProjectFile, BadValueIsQuotedEscapedAndShort)
{
    std::string content = DefaultFile(" 0 ", "", {""});
    content.replace(content.find("\r\n162\r\n"), 7, "\r\n\x1B[2J\a" + std::string(50, 'x') + "\r\n");
    EXPECT_EQ(OpenFailing(content).description(),
              "Type mismatch (line 9 of mine.vlb: '\\x1B[2J\\x07" + std::string(35, 'x') + "\u2026' is not a number)");
}

TEST_F(ProjectFile, ManyEmptyLinesAreRefusedAtTheTag)
{
    // 10 MB of line ends: refused at the first line, without a line table.
    box.Answer(MsgResult::OK);
    EXPECT_FALSE(Open(std::string(10 * 1000 * 1000, '\n')));
    EXPECT_EQ(box.Last().text, "Invalid file format");
    ExpectEmptyUntitledProject();
}

TEST_F(ProjectFile, FifoIsRefusedWithoutWaiting)
{
    ASSERT_EQ(::mkfifo(dir.File("fifo.vlb").c_str(), 0600), 0);
    try {
        FileOpen(state.project, dir.File("fifo.vlb"), state.environment, state.messenger);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.description(), "Path/File access error (" + dir.File("fifo.vlb") + ": not a regular file)");
    }
    ExpectEmptyUntitledProject();
}

TEST_F(ProjectFile, ValueLinesHoldExactlyOneNumber)
{
    for (const char* bad : {"1,5", "1.5 2", "&H10", "1D3", ""}) {
        std::string content = DefaultFile(" 0 ", "", {""});
        content.replace(content.find("\r\n1.2\r\n"), 7, std::string("\r\n") + bad + "\r\n");
        EXPECT_EQ(OpenFailing(content).number(), err::TypeMismatch) << bad;
    }
}

TEST_F(ProjectFile, PointWithDigitsOnOneSideIsANumber)
{
    // Stability factor 1.2 written as others write numbers.
    const std::pair<const char*, float> forms[] = {{".75", 0.75f}, {"75.", 75.0f}, {"-.5", -0.5f}, {"+.5E1", 5.0f}};
    for (const auto& [text, value] : forms) {
        std::string content = DefaultFile(" 0 ", "", {""});
        content.replace(content.find("\r\n1.2\r\n"), 7, std::string("\r\n") + text + "\r\n");
        ASSERT_TRUE(Open(content)) << text;
        EXPECT_EQ(state.project.Support[0].StabilityFactor, value) << text;
    }
    for (const char* bad : {".", "E5", "1.2.3", "1,5", ""}) {
        std::string content = DefaultFile(" 0 ", "", {""});
        content.replace(content.find("\r\n1.2\r\n"), 7, std::string("\r\n") + bad + "\r\n");
        EXPECT_EQ(OpenFailing(content).number(), err::TypeMismatch) << bad;
    }
}

TEST_F(ProjectFile, NumbersOutOfRangeOverflow)
{
    std::string sixteen = DefaultFile(" 0 ", "", {""});
    sixteen.replace(sixteen.find("##EndDesc##\r\n45\r\n"), 17, "##EndDesc##\r\n40000\r\n");
    RuntimeError e = OpenFailing(sixteen);
    EXPECT_EQ(e.number(), err::Overflow);
    EXPECT_EQ(e.description(), "Overflow (line 7 of mine.vlb)");

    std::string single = DefaultFile(" 0 ", "", {""});
    single.replace(single.find("\r\n400\r\n"), 7, "\r\n1e39\r\n");
    e = OpenFailing(single);
    EXPECT_EQ(e.number(), err::Overflow);
    EXPECT_EQ(e.description(), "Overflow (line 8 of mine.vlb)");
    ExpectEmptyUntitledProject();
}

TEST_F(ProjectFile, MissingFile)
{
    try {
        FileOpen(state.project, dir.File("absent.vlb"), state.environment, state.messenger);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::FileNotFound);
        EXPECT_EQ(e.description(), "File not found (" + dir.File("absent.vlb") + ")");
    }
    ExpectEmptyUntitledProject();
}

TEST_F(ProjectFile, FailedOpenNeverLeavesTheProjectBoundToTheFile)
{
    // Open a good file, then a bad one: a later save must not touch the bad one.
    ASSERT_TRUE(Open(DefaultFile(" 0 ", "good", {""})));
    const std::string bad = DefaultFile(" 0 ", "precious", {""}).substr(0, 100);
    EXPECT_THROW(Open(bad), RuntimeError);
    EXPECT_EQ(state.project.ProjectFilePath, "Untitled");
    EXPECT_EQ(ReadFile(dir.File("mine.vlb")), bad);
}

TEST_F(ProjectFile, FailedSaveLeavesThePreviousFile)
{
    ASSERT_TRUE(FileSave(state.project, dir.File("keep.vlb"), state.messenger));
    const std::string before = ReadFile(state.project.ProjectFilePath);
    state.project.ProjectTitle = "changed";
    state.project.ProjectSaved = FlagFalse;
    // The target has become a folder: the save fails and reports the path.
    std::filesystem::rename(dir.File("keep.vlb"), dir.File("moved.vlb"));
    std::filesystem::create_directory(dir.File("keep.vlb"));
    try {
        FileSave(state.project, dir.File("keep.vlb"), state.messenger);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::PathFileAccessError);
        EXPECT_EQ(e.description(), "Is a folder (" + dir.File("keep.vlb") + ")");
    }
    EXPECT_EQ(state.project.ProjectSaved, FlagFalse);
    EXPECT_EQ(ReadFile(dir.File("moved.vlb")), before);
}

TEST_F(ProjectFile, SaveIntoMissingFolderLeavesNothing)
{
    try {
        FileSave(state.project, dir.File("no such folder/new.vlb"), state.messenger);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::PathNotFound);
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

}  // namespace
}  // namespace castovin
