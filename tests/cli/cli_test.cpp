// castovin-cli as a user runs it: whole reports compared byte for byte with
// texts written out by hand, and the error conventions.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "process.h"
#include "test_state.h"
#include "test_text.h"

namespace castovin {
namespace {

namespace fs = std::filesystem;
using test::RunProcess;
using test::Head;
using test::TempDir;

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

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
    const std::string metricHead = "VELB_212\r\n 1 \r\n\r\n##StartDesc##\r\n\r\n##EndDesc##\r\n45\r\n150\r\n25\r\n1.2\r\n2\r\n";
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

TEST(Cli, UsageErrors)
{
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{}, {"design"}, {"print", "a.vlb"}, {"design", "a.vlb", "b.vlb"},
                                               {"design", "a.vlb", "--metric"}, {"new", "a.vlb", "--no-header"}}) {
        const auto result = RunProcess(CASTOVIN_CLI, args);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.rfind("usage: castovin-cli", 0), 0u);
    }
}

TEST(Cli, VersionAndHelp)
{
    EXPECT_EQ(RunProcess(CASTOVIN_CLI, {"--version"}).out, "castovin-cli 2.5.02\n");
    const auto help = RunProcess(CASTOVIN_CLI, {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("castovin-cli design FILE [--no-header]"), std::string::npos);
}

}  // namespace
}  // namespace castovin
