// castovin-cli's exit statuses and error lines as scripts rely on them: a
// report that could not be written is a failure, a VALUE must be a number, a
// name cannot break its error line, and convert and curve write to standard
// output when told to.

#include <filesystem>
#include <fstream>
#include <optional>

#include <gtest/gtest.h>

#include "process.h"
#include "test_state.h"
#include "test_text.h"

namespace castovin {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::RunProcess;
using test::RunProcessWithOutput;
using test::TempDir;

std::string Example(const std::string& name)
{
    return std::string(CASTOVIN_EXAMPLES) + "/" + name;
}

// The usage lines follow the line that says what is wrong.
void ExpectUsageError(const test::ProcessResult& result, const std::string& first)
{
    EXPECT_EQ(result.status, 2) << first;
    EXPECT_EQ(result.out, "") << first;
    EXPECT_EQ(result.err.substr(0, first.size()), first);
    EXPECT_EQ(result.err.rfind("usage: castovin-cli ", first.size()), first.size()) << result.err;
}

TEST(CliOutput, AReportThatCannotBeWrittenIsAFailureOfOneLine)
{
    const std::string project = Example("default-english.vlb");
    const std::vector<std::vector<std::string>> commands = {
        {"design", project},
        {"cost", project, "--json"},
        {"design", project, "missing.vlb"},  // stops at the lost output: no line for the second file
        {"listing", "--no-header", project},
        {"units", "1", "ft"},
        {"curve", project, "span"},
        {"convert", project, "-o", "-"},
        {"search", project, "--prices", Example("prices-english.csv")},
        {"--version"},
        {"units", "--help"},
    };
    const std::pair<std::optional<std::string>, std::string> places[] = {
        {"/dev/full", "No space left on device"}, {std::nullopt, "Bad file descriptor"},  // standard output closed
    };
    for (const auto& [place, reason] : places) {
        for (const std::vector<std::string>& args : commands) {
            const auto result = RunProcessWithOutput(CASTOVIN_CLI, args, place);
            EXPECT_EQ(result.status, 1) << args[0] << " " << reason;
            EXPECT_EQ(result.err, "castovin-cli: cannot write the report: " + reason + "\n") << args[0];
        }
    }
    // What writes nothing to standard output loses nothing there.
    TempDir dir;
    const auto quiet = RunProcessWithOutput(CASTOVIN_CLI, {"new", dir.File("new.vlb")}, std::nullopt);
    EXPECT_EQ(quiet.status, 0) << quiet.err;
    EXPECT_EQ(quiet.err, "");
}

TEST(CliOutput, AReaderThatStopsEarlyStillEndsTheProgramBySignal)
{
    // 40 reports, about 200 KB, cannot all wait in the pipe after head has
    // gone: the program is killed by SIGPIPE (status 128 + 13) as any
    // filter is, rather than reporting a failure of its own.
    std::string script = "{ \"$0\" design";
    for (int i = 0; i < 40; ++i)
        script += " \"$1\"";
    script += "; echo $? >&2; } | head -c 1 >/dev/null";
    const auto result = RunProcess("/bin/sh", {"-c", script, CASTOVIN_CLI, Example("default-english.vlb")});
    EXPECT_EQ(result.err, "141\n");
}

TEST(CliUnits, ValueMustBeWhollyANumber)
{
    const struct {
        std::string value;
        std::string first;  // the line before the usage text
    } refused[] = {
        {"abc", "castovin-cli: units: VALUE \"abc\" is not a number\n"},
        {"1,5", "castovin-cli: units: VALUE \"1,5\" is not a number\n"},
        {"12abc", "castovin-cli: units: VALUE \"12abc\" is not a number\n"},
        {"1 2", "castovin-cli: units: VALUE \"1 2\" is not a number\n"},
        {"", "castovin-cli: units: VALUE \"\" is not a number\n"},
        {"&H1F", "castovin-cli: units: VALUE \"&H1F\" is not a number\n"},
        {"1e400", "castovin-cli: units: VALUE \"1e400\" is out of range\n"},
    };
    for (const auto& c : refused) {
        ExpectUsageError(RunProcess(CASTOVIN_CLI, {"units", c.value, "ft"}), c.first);
        ExpectUsageError(RunProcess(CASTOVIN_CLI, {"units", c.value, "ft", "--json"}), c.first);
    }
    // Blanks around the number and the project file's forms are accepted.
    for (const std::string value : {" 5\t", "+.5E+1", "5.", "5e0"}) {
        const auto result = RunProcess(CASTOVIN_CLI, {"units", value, "ft"});
        EXPECT_EQ(result.status, 0) << value << result.err;
        EXPECT_EQ(result.out, "60 in\n5 ft\n152.4 cm\n1.524 m\n") << value;
    }
}

// A name with a line break or an ESC sequence is written escaped in every
// error line, in the line's subject and in the text that quotes it.
TEST(CliErrors, NamesAreEscapedInTheirLine)
{
    TempDir dir;
    const std::string project = Example("default-english.vlb");
    std::string shortProject = ReadFile(project);
    shortProject.resize(shortProject.size() - 5);  // without its last value line
    std::ofstream(dir.File("s\rt.vlb"), std::ios::binary) << shortProject;
    const struct {
        std::vector<std::string> args;
        int status;
        std::string first;
    } cases[] = {
        {{"design", "a\nb\x1B[31m.vlb"},
         1,
         "castovin-cli: a\\x0Ab\\x1B[31m.vlb: File not found (a\\x0Ab\\x1B[31m.vlb)\n"},
        {{"cost", "s\rt.vlb"}, 1, "castovin-cli: s\\x0Dt.vlb: Input past end of file (line 54 of s\\x0Dt.vlb)\n"},
        {{"search", "\x1B]0;x\a.vlb", "--prices", "p.csv"},
         1,
         "castovin-cli: \\x1B]0;x\\x07.vlb: File not found (\\x1B]0;x\\x07.vlb)\n"},
        {{"search", project, "--prices", "p\n.csv"}, 1, "castovin-cli: p\\x0A.csv: File not found (p\\x0A.csv)\n"},
        {{"curve", project, "sf", "-o", "no\t/c.csv"},
         1,
         "castovin-cli: " + project + ": Path not found (no\\x09/c.csv)\n"},
        {{"design", "a.vlb", "--\x1B[2J"}, 2, "castovin-cli: design: unknown option --\\x1B[2J\n"},
        {{"search", project, "--\n"}, 2, "castovin-cli: search: unknown option --\\x0A\n"},
    };
    for (const auto& c : cases) {
        const auto result = RunProcess(CASTOVIN_CLI, c.args, dir.Path().string());
        EXPECT_EQ(result.status, c.status) << c.first;
        EXPECT_EQ(result.err.substr(0, c.first.size()), c.first);
        if (c.status == 1) {
            EXPECT_EQ(result.err, c.first);  // one line and nothing more
        }
    }
}

TEST(CliConvert, DashIsStandardOutput)
{
    TempDir dir;
    const std::string project = Example("default-english.vlb");
    ASSERT_EQ(RunProcess(CASTOVIN_CLI, {"convert", project, "-o", dir.File("metric.vlb")}).status, 0);
    const std::string metric = ReadFile(dir.File("metric.vlb"));
    ASSERT_TRUE(test::Contains(metric, "VELB_212\r\n 1 \r\n"));

    auto result = RunProcess(CASTOVIN_CLI, {"convert", project, "-o", "-"}, dir.Path().string());
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, metric);
    // A project read from standard input has no folder to go beside.
    result = RunProcess(CASTOVIN_CLI, {"convert", "-"}, dir.Path().string(), ReadFile(project));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, metric);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 1);  // metric.vlb alone

    result = RunProcess(CASTOVIN_CLI, {"curve", project, "span", "-o", "-"}, dir.Path().string());
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, RunProcess(CASTOVIN_CLI, {"curve", project, "span"}).out);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 1);
}

TEST(CliConvert, RefusesToReplaceItsOwnInput)
{
    TempDir dir;
    fs::copy_file(Example("default-english.vlb"), dir.File("mine.vlb"));
    const std::string original = ReadFile(dir.File("mine.vlb"));
    fs::create_symlink("mine.vlb", dir.File("link.vlb"));
    fs::create_hard_link(dir.File("mine.vlb"), dir.File("hard.vlb"));
    const struct {
        std::string input;
        std::string output;
    } cases[] = {{"mine.vlb", "mine.vlb"},
                 {"mine.vlb", "./mine.vlb"},
                 {"mine.vlb", dir.File("mine.vlb")},
                 {"mine.vlb", "link.vlb"},
                 {"link.vlb", "hard.vlb"}};
    for (const auto& c : cases) {
        const auto result = RunProcess(CASTOVIN_CLI, {"convert", c.input, "-o", c.output}, dir.Path().string());
        EXPECT_EQ(result.status, 1) << c.output;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err,
                  "castovin-cli: " + c.input + ": Will not replace the project being converted (" + c.output + ")\n");
    }
    // Standard input redirected from the file is the same file.
    const auto piped =
        RunProcess("/bin/sh", {"-c", "exec \"$0\" convert - -o mine.vlb <mine.vlb", CASTOVIN_CLI}, dir.Path().string());
    EXPECT_EQ(piped.status, 1);
    EXPECT_EQ(piped.err, "castovin-cli: -: Will not replace the project being converted (mine.vlb)\n");
    EXPECT_EQ(ReadFile(dir.File("mine.vlb")), original);
    EXPECT_TRUE(fs::is_symlink(dir.File("link.vlb")));
}

}  // namespace
}  // namespace castovin
