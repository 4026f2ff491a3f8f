// castovin-cli as a user runs it: whole reports compared byte for byte with
// texts written out by hand, and the error conventions.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "process.h"
#include "test_state.h"
#include "test_text.h"

namespace castovin {
namespace {

using test::ReadFile;

namespace fs = std::filesystem;
using test::Head;
using test::RunProcess;
using test::TempDir;

std::vector<std::string> Words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

// Every folder under tests/data/reports is a case: "args" holds the command
// line (run inside the folder), "project.vlb" the project and "expected" the
// exact bytes of the report.
std::vector<std::string> ReportCases()
{
    std::vector<std::string> cases;
    for (const auto& entry : fs::directory_iterator(CASTOVIN_REPORT_CASES))
        if (entry.is_directory())
            cases.push_back(entry.path().filename().string());
    std::sort(cases.begin(), cases.end());
    return cases;
}

class Report : public ::testing::TestWithParam<std::string> {};

TEST_P(Report, MatchesTheHandWrittenText)
{
    const fs::path folder = fs::path(CASTOVIN_REPORT_CASES) / GetParam();
    std::string args = ReadFile(folder / "args");
    const auto result = RunProcess(CASTOVIN_CLI, Words(args), folder.string());
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, ReadFile(folder / "expected"));
}

INSTANTIATE_TEST_SUITE_P(Cases, Report, ::testing::ValuesIn(ReportCases()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(Cli, NewProjectFilesInBothUnitSystems)
{
    TempDir dir;
    auto result = RunProcess(CASTOVIN_CLI, {"new", dir.File("english.vlb")});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "");
    const std::string english = ReadFile(dir.File("english.vlb"));
    const std::string englishHead = "VELB_212\r\n 0 \r\n\r\n##StartDesc##\r\n\r\n##EndDesc##\r\n45\r\n400\r\n162\r\n";
    EXPECT_EQ(Head(english, englishHead), englishHead);

    result = RunProcess(CASTOVIN_CLI, {"new", dir.File("metric.vlb"), "--metric"});
    EXPECT_EQ(result.status, 0);
    const std::string metric = ReadFile(dir.File("metric.vlb"));
    const std::string metricHead =
        "VELB_212\r\n 1 \r\n\r\n##StartDesc##\r\n\r\n##EndDesc##\r\n45\r\n150\r\n25\r\n1.2\r\n2\r\n";
    EXPECT_EQ(Head(metric, metricHead), metricHead);
    // The new metric project reports like the metric example without title.
    result = RunProcess(CASTOVIN_CLI, {"design", dir.File("metric.vlb"), "--no-header"});
    EXPECT_NE(result.out.find("Bolt Capacity.....................................163.4 (kN)"), std::string::npos);
}

TEST(Cli, MissingFileIsOneLineOnStandardError)
{
    TempDir dir;
    const auto result = RunProcess(CASTOVIN_CLI, {"design", "absent.vlb"}, dir.Path().string());
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "castovin-cli: absent.vlb: File not found (absent.vlb)\n");
}

TEST(Cli, BadLineIsNamed)
{
    TempDir dir;
    std::string content = ReadFile(fs::path(CASTOVIN_EXAMPLES) / "default-english.vlb");
    content.resize(content.size() - 5);  // drop the last value line
    std::ofstream(dir.File("short.vlb"), std::ios::binary) << content;
    const auto result = RunProcess(CASTOVIN_CLI, {"cost", "short.vlb"}, dir.Path().string());
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "castovin-cli: short.vlb: Input past end of file (line 54 of short.vlb)\n");
}

TEST(Cli, WrongTag)
{
    TempDir dir;
    std::ofstream(dir.File("other.txt"), std::ios::binary) << "not a project\r\n";
    const auto result = RunProcess(CASTOVIN_CLI, {"listing", "other.txt"}, dir.Path().string());
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "castovin-cli: other.txt: Invalid file format\n");
}

TEST(Cli, AnalysisErrorIsReported)
{
    TempDir dir;
    std::string content = ReadFile(fs::path(CASTOVIN_EXAMPLES) / "default-english.vlb");
    // Row spacing 0 (line 15): the actual VELB divides by zero.
    const std::size_t at = content.find("\r\n 4 \r\n4\r\n") + 7;
    content[at] = '0';
    std::ofstream(dir.File("zero.vlb"), std::ios::binary) << content;
    const auto result = RunProcess(CASTOVIN_CLI, {"design", "zero.vlb"}, dir.Path().string());
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "castovin-cli: zero.vlb: Division by zero\n");
}

// Every usage error says what is wrong in one line before the usage text,
// and nothing is read or written.
TEST(Cli, UsageErrorsNameTheirReason)
{
    const struct {
        std::vector<std::string> args;
        std::string first;
    } cases[] = {
        {{}, "castovin-cli: no command given\n"},
        {{"print", "a.vlb"}, "castovin-cli: unknown command \"print\"\n"},
        {{"design"}, "castovin-cli: design: expects FILE..., found none\n"},
        {{"convert", "a.vlb", "b.vlb"}, "castovin-cli: convert: expects FILE, found 2 arguments\n"},
        {{"units", "1"}, "castovin-cli: units: expects VALUE UNIT, found 1 argument\n"},
        {{"design", "a.vlb", "--metric"}, "castovin-cli: design: unknown option --metric\n"},
        {{"new", "a.vlb", "--no-header"}, "castovin-cli: new: unknown option --no-header\n"},
        {{"cost", "a.vlb", "--json", "--json"}, "castovin-cli: cost: --json is given twice\n"},
        {{"listing", "--no-header", "a.vlb", "--no-header"}, "castovin-cli: listing: --no-header is given twice\n"},
        {{"new", "a.vlb", "--metric", "--metric"}, "castovin-cli: new: --metric is given twice\n"},
        {{"curve", "a.vlb", "sf", "-o", "a.csv", "-o", "b.csv"}, "castovin-cli: curve: -o is given twice\n"},
        {{"convert", "a.vlb", "-o"}, "castovin-cli: convert: -o needs a file name\n"},
        {{"convert", "a.vlb", "-o", ""}, "castovin-cli: convert: -o needs a file name, not an empty one\n"},
        {{"units", "1", "furlong"}, "castovin-cli: units: unknown unit \"furlong\"\n"},
        {{"curve", "a.vlb", "width"},
         "castovin-cli: curve: unknown graph \"width\" (GRAPH is cmrr, depth, sf or span)\n"},
    };
    TempDir dir;
    for (const auto& c : cases) {
        const auto result = RunProcess(CASTOVIN_CLI, c.args, dir.Path().string());
        EXPECT_EQ(result.status, 2) << c.first;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.substr(0, c.first.size()), c.first);
        EXPECT_EQ(result.err.rfind("usage: castovin-cli", c.first.size()), c.first.size()) << result.err;
    }
    EXPECT_TRUE(fs::is_empty(dir.Path()));
}

TEST(Cli, VersionAndHelp)
{
    EXPECT_EQ(RunProcess(CASTOVIN_CLI, {"--version"}).out, "castovin-cli 2.5.02\n");
    const auto help = RunProcess(CASTOVIN_CLI, {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("castovin-cli design FILE... [--no-header] [--json]"), std::string::npos);
}

TEST(CliConvert, WritesThePrefixedFileBesideTheProject)
{
    TempDir dir;
    fs::copy_file(fs::path(CASTOVIN_EXAMPLES) / "default-english.vlb", dir.File("mine.vlb"));
    const std::string original = ReadFile(dir.File("mine.vlb"));
    auto result = RunProcess(CASTOVIN_CLI, {"convert", dir.File("mine.vlb")});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, dir.File("Metric_mine.vlb") + "\n");
    EXPECT_EQ(ReadFile(dir.File("mine.vlb")), original);
    const std::string metric = ReadFile(dir.File("Metric_mine.vlb"));
    // Unit system 1, depth 400 ft as 121.92 m; of the cost inputs the row
    // spacing, the input advance and the advance rate are converted.
    EXPECT_TRUE(test::Contains(metric, "VELB_212\r\n 1 \r\nPanel 3 North mains"));
    EXPECT_TRUE(test::Contains(metric, "##EndDesc##\r\n45\r\n121.92\r\n"));
    EXPECT_TRUE(test::Contains(metric, "\r\n300\r\n4\r\n1.2192\r\n2\r\n35\r\n"));
    EXPECT_TRUE(test::Contains(metric, "\r\n5\r\n91.44\r\n13.12336\r\n1200\r\n12\r\n50\r\n"));

    // And back, under a name of our own, from the folder of the file.
    result = RunProcess(CASTOVIN_CLI, {"convert", "Metric_mine.vlb", "-o", "back.vlb"}, dir.Path().string());
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "back.vlb\n");
    EXPECT_TRUE(test::Contains(ReadFile(dir.File("back.vlb")), "VELB_212\r\n 0 \r\n"));
    result = RunProcess(CASTOVIN_CLI, {"convert", "Metric_mine.vlb"}, dir.Path().string());
    EXPECT_EQ(result.out, "English_Metric_mine.vlb\n");
}

TEST(CliCurve, CsvOnStandardOutput)
{
    const auto result =
        RunProcess(CASTOVIN_CLI, {"curve", std::string(CASTOVIN_EXAMPLES) + "/default-english.vlb", "span"});
    EXPECT_EQ(result.status, 0) << result.err;
    // Span curve at 30 ft: 20, 23, ..., 38; the suggested span stays 31.7.
    std::vector<std::string> lines;
    std::istringstream in(result.out);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "X-coord,Sug.VELB");
    EXPECT_EQ(lines[1].substr(0, 3), "20,");
    EXPECT_EQ(lines[7].substr(0, 3), "38,");
    // y at 20 ft: 1.2 x ((31.7 - 20) x -0.3 + 5.7 log10(400) - 0.35 x 45 + 6.5)
    //           = 1.2 x (-3.51 + 14.83174 - 15.75 + 6.5) = 2.48609
    EXPECT_EQ(lines[1].substr(0, 9), "20,2.4860");
}

TEST(CliCurve, CurveWithoutPointsIsOnlyTheHeader)
{
    TempDir dir;
    std::string content = ReadFile(fs::path(CASTOVIN_EXAMPLES) / "default-english.vlb");
    content.replace(content.find("##EndDesc##\r\n45\r\n"), 17, "##EndDesc##\r\n21\r\n");
    std::ofstream(dir.File("weak.vlb"), std::ios::binary) << content;
    const auto result = RunProcess(CASTOVIN_CLI, {"curve", dir.File("weak.vlb"), "cmrr"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "X-coord,Sug.VELB\n");
}

TEST(CliCurve, CsvAndWorkbookFiles)
{
    TempDir dir;
    const std::string project = std::string(CASTOVIN_EXAMPLES) + "/default-english.vlb";
    auto result = RunProcess(CASTOVIN_CLI, {"curve", project, "cmrr", "-o", dir.File("c.csv")});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(ReadFile(dir.File("c.csv")).substr(0, 20), "X-coord,Sug.VELB\n35,");

    result = RunProcess(CASTOVIN_CLI, {"curve", project, "cmrr", "-o", dir.File("c.xlsx")});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "");
    const auto sheet = RunProcess("/usr/bin/unzip", {"-p", dir.File("c.xlsx"), "xl/worksheets/sheet1.xml"});
    ASSERT_EQ(sheet.status, 0) << sheet.err;
    // A1 and B1 are the first two shared strings; the CMRR values 35, 39.5,
    // 44 and 48.5 from A2 down, as numbers.
    EXPECT_TRUE(test::Contains(sheet.out, "<c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c>"));
    EXPECT_TRUE(test::Contains(sheet.out, "<c r=\"A2\"><v>35</v></c><c r=\"B2\"><v>10.28609"));
    EXPECT_TRUE(test::Contains(sheet.out, "<c r=\"A5\"><v>48.5</v></c>"));
    EXPECT_FALSE(test::Contains(sheet.out, "r=\"A6\""));
    const auto strings = RunProcess("/usr/bin/unzip", {"-p", dir.File("c.xlsx"), "xl/sharedStrings.xml"});
    EXPECT_TRUE(test::Contains(strings.out, "<si><t>X-coord</t></si><si><t>Sug.VELB</t></si>"));
    // Nothing but the workbook is left in the folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 2);

    // The extension decides whatever its case: a workbook, not CSV text.
    result = RunProcess(CASTOVIN_CLI, {"curve", project, "cmrr", "-o", dir.File("C.XLSX")});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(ReadFile(dir.File("C.XLSX")).substr(0, 2), "PK");
}

TEST(CliCurve, UnwritableOutput)
{
    TempDir dir;
    const auto result = RunProcess(CASTOVIN_CLI, {"curve", std::string(CASTOVIN_EXAMPLES) + "/default-english.vlb",
                                                  "sf", "-o", dir.File("missing/c.xlsx")});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "castovin-cli: " + std::string(CASTOVIN_EXAMPLES) + "/default-english.vlb: Path not found (" +
                              dir.File("missing/c.xlsx") + ")\n");
}

// The workbook writer is a module loaded only for a workbook: an installed
// program finds it in ../lib/castovin/modules beside its own folder, and a program
// without it says so in one line and writes nothing.
TEST(CliCurve, WorkbookWriterModuleBesideTheProgram)
{
    TempDir dir;
    const fs::path root = fs::canonical(dir.Path());
    fs::create_directories(root / "bin");
    fs::copy_file(CASTOVIN_CLI, root / "bin/castovin-cli");
    const std::string cli = (root / "bin/castovin-cli").string();
    const std::string project = std::string(CASTOVIN_EXAMPLES) + "/default-english.vlb";
    const std::string target = (root / "c.xlsx").string();

    auto result = RunProcess(cli, {"curve", project, "sf", "-o", target});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "castovin-cli: " + project +
                              ": The workbook writer castovin-xlsx.so is not installed (looked in " +
                              (root / "lib/castovin/modules").string() + ")\n");
    EXPECT_FALSE(fs::exists(target));
    // Commands that write no workbook do not need it.
    result = RunProcess(cli, {"curve", project, "sf", "-o", (root / "c.csv").string()});
    EXPECT_EQ(result.status, 0) << result.err;

    fs::create_directories(root / "lib/castovin/modules");
    fs::copy_file(CASTOVIN_XLSX_MODULE, root / "lib/castovin/modules/castovin-xlsx.so");
    result = RunProcess(cli, {"curve", project, "sf", "-o", target});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(ReadFile(target).substr(0, 2), "PK");
}

TEST(CliCurve, WorkbookIsSavedAsProjectsAre)
{
    TempDir dir;
    const std::string project = std::string(CASTOVIN_EXAMPLES) + "/default-english.vlb";
    const std::string prefix = "castovin-cli: " + project + ": ";
    // A read-only file stays as it is, with one line and no library messages.
    std::ofstream(dir.File("locked.xlsx")) << "keep";
    fs::permissions(dir.File("locked.xlsx"), fs::perms::owner_read | fs::perms::group_read);
    auto result = RunProcess(CASTOVIN_CLI, {"curve", project, "sf", "-o", dir.File("locked.xlsx")});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, prefix + "Path/File access error (" + dir.File("locked.xlsx") + ")\n");
    EXPECT_EQ(ReadFile(dir.File("locked.xlsx")), "keep");

    // Through a link the linked file is replaced and the link stays a link.
    std::ofstream(dir.File("real.xlsx")) << "old";
    fs::create_symlink("real.xlsx", dir.File("link.xlsx"));
    result = RunProcess(CASTOVIN_CLI, {"curve", project, "sf", "-o", dir.File("link.xlsx")});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(fs::is_symlink(dir.File("link.xlsx")));
    EXPECT_EQ(ReadFile(dir.File("real.xlsx")).substr(0, 2), "PK");

    // A link that points at nothing creates nothing.
    fs::create_symlink("gone/new.xlsx", dir.File("dangling.xlsx"));
    result = RunProcess(CASTOVIN_CLI, {"curve", project, "sf", "-o", dir.File("dangling.xlsx")});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err,
              prefix + "Path/File access error (" + dir.File("dangling.xlsx") + ": the link points to nothing)\n");
    EXPECT_FALSE(fs::exists(dir.File("gone")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 4);
}

TEST(Cli, WhatIsNotAProjectFileIsRefusedWithOneLine)
{
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.File("fifo.vlb").c_str(), 0600), 0);  // would block a plain open
    fs::create_directory(dir.File("folder.vlb"));
    std::ofstream(dir.File("huge.vlb")) << "VELB_212\r\n";
    fs::resize_file(dir.File("huge.vlb"), 17 * 1024 * 1024);
    const std::pair<std::string, std::string> cases[] = {
        {"fifo.vlb", "Path/File access error (fifo.vlb: not a regular file)"},
        {"/dev/zero", "Path/File access error (/dev/zero: not a regular file)"},
        {"folder.vlb", "Is a folder (folder.vlb)"},
        {"huge.vlb", "Path/File access error (huge.vlb: larger than 16 MiB)"},
    };
    for (const auto& [file, message] : cases) {
        const auto result = RunProcess(CASTOVIN_CLI, {"design", file}, dir.Path().string());
        EXPECT_EQ(result.status, 1) << file;
        EXPECT_EQ(result.out, "") << file;
        EXPECT_EQ(result.err, "castovin-cli: " + file + ": " + message + "\n");
    }
}

TEST(Cli, OutOfMemoryIsOneLine)
{
    // A 14 MB description line of two-byte characters with 80 MB of address
    // space: the wrapping runs out of memory. A sanitizer build reserves far
    // more address space than the limit at start-up, so it cannot run there.
#ifdef CASTOVIN_SANITIZED
    GTEST_SKIP() << "address-space limit and AddressSanitizer do not mix";
#endif
    TempDir dir;
    std::string text = ReadFile(std::string(CASTOVIN_EXAMPLES) + "/default-english.vlb");
    const std::size_t start = text.find("##StartDesc##\r\n") + 15;
    std::string line;
    for (int i = 0; i < 7000000; ++i)
        line += "\u00e9";
    text.replace(start, text.find("##EndDesc##") - start, line + "\r\n");
    std::ofstream(dir.File("big.vlb"), std::ios::binary) << text;
    const auto result =
        RunProcess("/bin/sh", {"-c", "ulimit -v 80000; exec \"$0\" design big.vlb", CASTOVIN_CLI}, dir.Path().string());
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "castovin-cli: big.vlb: Out of memory\n");
}

TEST(CliUnits, OneLinePerUnitOfTheKind)
{
    auto result = RunProcess(CASTOVIN_CLI, {"units", "1", "ft"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "12 in\n1 ft\n30.48 cm\n0.3048 m\n");
    result = RunProcess(CASTOVIN_CLI, {"units", "2", "tonsF"});
    EXPECT_EQ(result.out.substr(0, 31), "4000 lbsF\n2 tonsF (short)\n17.79");
    result = RunProcess(CASTOVIN_CLI, {"units", "12", "psi/ft"});
    EXPECT_EQ(result.out.substr(0, 13), "1 psi/in\n12 p");
    result = RunProcess(CASTOVIN_CLI, {"units", "-2", "m"});
    EXPECT_EQ(result.out.substr(0, 16), "-78.740157480315");
}

}  // namespace
}  // namespace castovin
