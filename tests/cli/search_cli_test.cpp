// castovin-cli search as a user runs it: the table and the JSON of the
// example projects and price lists, the best pattern written out and checked
// again by the design report, and the exit statuses of the failures.

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "json_schema_check.h"
#include "process.h"
#include "test_state.h"
#include "test_text.h"

namespace castovin {
namespace {

namespace fs = std::filesystem;
using test::Contains;
using test::ReadFile;
using test::RunProcess;
using test::TempDir;

const std::string kExamples = CASTOVIN_EXAMPLES;

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> Words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

// The value of a report line: the label padded with dots to 50 characters,
// then the number.
std::string ReportValue(const std::string& report, const std::string& label)
{
    for (const std::string& line : Lines(report))
        if (line.rfind(label + ".", 0) == 0 && line.size() > 50)
            return Words(line.substr(50)).at(0);
    return "";
}

TEST(SearchCli, EnglishExampleTable)
{
    const auto result = RunProcess(
        CASTOVIN_CLI, {"search", kExamples + "/default-english.vlb", "--prices", kExamples + "/prices-english.csv"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 12u);  // heading, the best 10, counts
    EXPECT_EQ(Words(lines[0]),
              (std::vector<std::string>{"Rank",      "Length",  "(ft)",   "Diameter", "(in)",    "Grade",     "(ksi)",
                                        "Bolts/row", "Spacing", "(ft)",   "Actual",   "VELB",    "Suggested", "VELB",
                                        "Bolt",      "length",  "$/bolt", "$/ft",     "$/shift", "$/ton"}));
    // Worked out in the core's test: 6 ft, 0.75 in, grade 75, 3 per row at
    // 4.5 ft; (4.25 + 6.22056) $ a bolt, x 3 / 4.5 a foot, x 300 a shift,
    // / 1800 tons a shift.
    EXPECT_EQ(Words(lines[1]), (std::vector<std::string>{"1", "6", "0.75", "75", "3", "4.5", "6.6", "6.1", "longer",
                                                         "10.47", "6.98", "3141.17", "1.75"}));
    EXPECT_EQ(Words(lines[2]), (std::vector<std::string>{"2", "6", "0.75", "75", "4", "6", "6.6", "6.1", "longer",
                                                         "10.47", "6.98", "3141.17", "1.75"}));
    const std::string counts = "280 candidates tried, 0 skipped (outside the parameters editor's ranges), ";
    EXPECT_EQ(lines[11].substr(0, counts.size()), counts);
    EXPECT_EQ(lines[11].substr(lines[11].size() - 7), " passed");
    // Columns are right-aligned under their headings.
    for (std::size_t i = 1; i + 1 < lines.size(); ++i)
        EXPECT_EQ(lines[i].size(), lines[0].size()) << lines[i];
}

TEST(SearchCli, WrittenBestPatternShowsTheSameVelbInTheDesignReport)
{
    TempDir dir;
    const std::string out = dir.File("best.vlb");
    for (const std::string unit : {"english", "metric"}) {
        SCOPED_TRACE(unit);
        const auto search =
            RunProcess(CASTOVIN_CLI, {"search", kExamples + "/default-" + unit + ".vlb", "--prices",
                                      kExamples + "/prices-" + unit + ".csv", "--top", "1", "--write-best", out});
        ASSERT_EQ(search.status, 0) << search.err;
        const std::vector<std::string> best = Words(Lines(search.out).at(1));
        ASSERT_EQ(best.size(), 13u);

        const auto design = RunProcess(CASTOVIN_CLI, {"design", out, "--no-header"});
        ASSERT_EQ(design.status, 0) << design.err;
        EXPECT_EQ(ReportValue(design.out, "Actual VELB for this design"), best[6]) << design.out;
        EXPECT_EQ(ReportValue(design.out, "Suggested VELB"), best[7]);
        EXPECT_TRUE(Contains(design.out, "\r\nBolt Length: OK.\r\n") == (best[8] == "OK"));
        EXPECT_FALSE(Contains(design.out, "probably not valid"));
        // The listing names the pattern that was put in.
        EXPECT_TRUE(Contains(design.out, best[4])) << design.out;

        const auto cost = RunProcess(CASTOVIN_CLI, {"cost", out, "--no-header"});
        ASSERT_EQ(cost.status, 0) << cost.err;
        const std::vector<std::string> total = Words(Lines(cost.out).back());
        EXPECT_EQ(total, (std::vector<std::string>{"TOTAL", "COST:", best[9], best[10], best[11], best[12]}))
            << cost.out;
    }
    const std::string english = ReadFile(out);
    EXPECT_EQ(english.substr(0, 10), "VELB_212\r\n");
}

TEST(SearchCli, MetricDefaultSpacingAndJson)
{
    const auto result = RunProcess(CASTOVIN_CLI, {"search", kExamples + "/default-metric.vlb", "--prices",
                                                  kExamples + "/prices-metric.csv", "--json", "--top", "3"});
    ASSERT_EQ(result.status, 0) << result.err;
    const nlohmann::json doc = nlohmann::json::parse(result.out);
    const nlohmann::json schema = nlohmann::json::parse(ReadFile(CASTOVIN_SCHEMAS "/search.schema.json"));
    const std::vector<std::string> problems = test::JsonSchemaProblems(doc, schema);
    EXPECT_TRUE(problems.empty()) << problems.front();

    EXPECT_EQ(doc["unitSystem"], "metric");
    EXPECT_EQ(doc["spacing"], (nlohmann::json{{"min", 1}, {"max", 2}, {"step", 0.1}}));
    EXPECT_EQ(doc["boltsPerRow"], (nlohmann::json{{"min", 3}, {"max", 6}}));
    EXPECT_EQ(doc["units"]["advance"], "m");
    EXPECT_EQ(doc["tried"], 9 * 4 * 11);
    ASSERT_EQ(doc["candidates"].size(), 3u);
    const nlohmann::json& best = doc["candidates"][0];
    EXPECT_EQ(best["rank"], 1);
    EXPECT_EQ(best["priceRow"], 6);
    EXPECT_EQ(best["name"], "2.1 m M20 grade 520");
    EXPECT_EQ(best["length"], 2.1);  // written as typed, not as the float's binary value
    EXPECT_EQ(best["spacing"], 1.7);
    EXPECT_EQ(best["boltsPerRow"], 3);
    EXPECT_EQ(best["price"], 3.9);
    EXPECT_EQ(best["boltLength"], "longer");
    EXPECT_NEAR(best["costPerAdvance"].get<double>(), (3.90 + 6.22056) * 3 / 1.7, 0.0005);

    const auto table = RunProcess(CASTOVIN_CLI, {"search", kExamples + "/default-metric.vlb", "--prices",
                                                 kExamples + "/prices-metric.csv", "--top", "1"});
    EXPECT_TRUE(Contains(Lines(table.out).at(0), "  Spacing (m)  ")) << table.out;
    EXPECT_TRUE(Contains(Lines(table.out).at(0), "  $/m  ")) << table.out;
    EXPECT_EQ(Words(Lines(table.out).at(1)).at(5), "1.7");
}

TEST(SearchCli, SchemaCheckerFindsMissingAndMistypedKeys)
{
    const nlohmann::json schema = nlohmann::json::parse(ReadFile(CASTOVIN_SCHEMAS "/search.schema.json"));
    nlohmann::json doc = {{"project", "a.vlb"}, {"prices", 3}};
    const std::vector<std::string> problems = test::JsonSchemaProblems(doc, schema);
    EXPECT_TRUE(std::find(problems.begin(), problems.end(), "$.prices: not of type \"string\"") != problems.end());
    EXPECT_TRUE(std::find(problems.begin(), problems.end(), "$: missing candidates") != problems.end());
}

TEST(SearchCli, NothingPassesExitsWithThree)
{
    TempDir dir;
    const auto result =
        RunProcess(CASTOVIN_CLI, {"search", kExamples + "/strong-roof.vlb", "--prices",
                                  kExamples + "/prices-english.csv", "--write-best", dir.File("best.vlb")});
    EXPECT_EQ(result.status, 3);
    EXPECT_EQ(result.out, "No bolt pattern passes the design check (280 tried, 0 skipped)\n");
    EXPECT_EQ(result.err, "");
    EXPECT_FALSE(fs::exists(dir.File("best.vlb")));

    const auto json = RunProcess(CASTOVIN_CLI, {"search", kExamples + "/strong-roof.vlb", "--prices",
                                                kExamples + "/prices-english.csv", "--json"});
    EXPECT_EQ(json.status, 3);
    const nlohmann::json doc = nlohmann::json::parse(json.out);
    EXPECT_EQ(doc["passed"], 0);
    EXPECT_TRUE(doc["candidates"].empty());
}

// A price list that offers no bolt says why, rather than that no pattern
// passes; a bad line is named by its number.
TEST(SearchCli, APriceListWithoutBoltsOrWithABadLineIsAnError)
{
    TempDir dir;
    const std::string prices = dir.File("prices.csv");
    const struct {
        std::string text;
        std::string problem;
    } cases[] = {
        {"# prices\nlength,diameter,grade,price\n6,0.75,75,4.25\n6,0.75,7five,4.25\n",
         "line 4: the grade \"7five\" is not a number"},
        {"# prices\n\n# to come\n",
         "the price list holds only comments and blank lines, no header length,diameter,grade,price[,name]"},
        {"# prices\nlength,diameter,grade,price\n\n", "the price list holds its header but no bolts"},
        {"", "the price list is empty"},
    };
    for (const auto& c : cases) {
        std::ofstream(prices, std::ios::binary) << c.text;
        const auto result =
            RunProcess(CASTOVIN_CLI, {"search", kExamples + "/default-english.vlb", "--prices", prices});
        EXPECT_EQ(result.status, 1) << c.problem;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "castovin-cli: " + prices + ": " + c.problem + "\n");
    }

    // Ranges that each pass but together ask for too much are refused at once.
    const std::string list = kExamples + "/prices-english.csv";
    const auto huge = RunProcess(CASTOVIN_CLI, {"search", kExamples + "/default-english.vlb", "--prices", list,
                                                "--bolts-per-row", "1:99999", "--spacing", "1:1000:0.1"});
    EXPECT_EQ(huge.status, 1);
    EXPECT_EQ(huge.out, "");
    EXPECT_EQ(huge.err, "castovin-cli: " + list +
                            ": 9990900090 candidates asked for (10 price rows x 99999 bolts per row x 9991 spacings), "
                            "above the limit of 100000000; narrow the ranges or shorten the price list\n");

    const auto missing = RunProcess(CASTOVIN_CLI, {"search", dir.File("none.vlb"), "--prices", prices});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err.rfind("castovin-cli: " + dir.File("none.vlb") + ": ", 0), 0u) << missing.err;
}

TEST(SearchCli, UsageErrors)
{
    const std::string project = kExamples + "/default-english.vlb";
    const std::string prices = kExamples + "/prices-english.csv";
    const struct {
        std::vector<std::string> args;
        std::string first;  // the line before the usage text
    } cases[] = {
        {{"search", project, "--prices", prices, "--bolts-per-row", "6:3"},
         "castovin-cli: search: bolts per row: MIN is above MAX\n"},
        {{"search", project, "--prices", prices, "--spacing", "6:3:0.5"},
         "castovin-cli: search: spacing: MIN is above MAX\n"},
        {{"search", "missing.vlb", "--prices", prices, "--spacing", "6:3:0.5"},
         "castovin-cli: search: spacing: MIN is above MAX\n"},  // before any file is read
        {{"search", project, "--prices", prices, "--spacing", "3:6"},
         "castovin-cli: search: --spacing takes MIN:MAX:STEP\n"},
        {{"search", project, "--prices", prices, "--spacing", "3:6:0"},
         "castovin-cli: search: spacing: STEP must be above 0\n"},
        {{"search", project, "--prices", prices, "--bolts-per-row", "3.5:6"},
         "castovin-cli: search: \"3.5\" is not a whole number\n"},
        {{"search", project, "--prices", prices, "--top", "0"},
         "castovin-cli: search: --top takes a number from 1 to 100000\n"},
        {{"search", project, "--prices", prices, "--top", "100001"},
         "castovin-cli: search: --top takes a number from 1 to 100000\n"},
        {{"search", project, "--prices", prices, "--fast"}, "castovin-cli: search: unknown option --fast\n"},
        {{"search", project, "--prices"}, "castovin-cli: search: --prices needs a value\n"},
        {{"search", project, "--prices", prices, "--top", "1e10"}, "castovin-cli: search: \"1e10\" is out of range\n"},
        {{"search", project, "--prices", prices, "--bolts-per-row", "3:-3000000000"},
         "castovin-cli: search: \"-3000000000\" is out of range\n"},
        {{"search", project, "--prices", prices, "--top", "3", "--top", "4"},
         "castovin-cli: search: --top is given twice\n"},
        {{"search", project, "--json", "--prices", prices, "--json"}, "castovin-cli: search: --json is given twice\n"},
        {{"search", project, "--prices", prices, "--prices", prices},
         "castovin-cli: search: --prices is given twice\n"},
        {{"search", project, "--prices", prices, "--write-best", ""},
         "castovin-cli: search: --write-best needs a file name, not an empty one\n"},
        {{"search", project, "--prices", ""}, "castovin-cli: search: --prices needs a file name, not an empty one\n"},
        {{"search", project}, "castovin-cli: search: --prices PRICES.csv is missing\n"},
        {{"search", "--prices", prices}, "castovin-cli: search: expects FILE, found none\n"},
        {{"search", project, project, "--prices", prices}, "castovin-cli: search: expects FILE, found 2 arguments\n"},
    };
    for (const auto& c : cases) {
        const auto result = RunProcess(CASTOVIN_CLI, c.args);
        EXPECT_EQ(result.status, 2) << c.args.back();
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.substr(0, c.first.size()), c.first);
        EXPECT_EQ(result.err.rfind("usage: castovin-cli", c.first.size()), c.first.size()) << result.err;
    }
}

}  // namespace
}  // namespace castovin
