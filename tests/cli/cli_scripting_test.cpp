// castovin-cli for scripts: several files in one run, a project on standard
// input, JSON checked field by field against the text report of the same
// project, and each subcommand's help.

#include <filesystem>
#include <fstream>
#include <regex>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "json_schema_check.h"
#include "process.h"
#include "test_state.h"
#include "test_text.h"

namespace castovin {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using test::ReadFile;
using test::RunProcess;
using test::TempDir;
using ::testing::HasSubstr;

std::string Example(const std::string& name)
{
    return std::string(CASTOVIN_EXAMPLES) + "/" + name;
}

const std::vector<std::string> kExamples = {"default-english.vlb", "default-metric.vlb",
                                            "cable-bolts-intersections.vlb", "strong-roof.vlb"};

// The number of a report value line ("Label.......12.3 (ft)"), as printed.
std::string ReportValue(const std::string& report, const std::string& label)
{
    const std::regex line("(^|\n)" + label + R"(\.+(-?[0-9]*\.?[0-9]+))");
    std::smatch match;
    if (!std::regex_search(report, match, line))
        return "(no line " + label + ")";
    return match[2];
}

// A number as the report's "0.0" (or "0.00") format prints it.
std::string Fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

class DesignJson : public ::testing::TestWithParam<std::string> {};

TEST_P(DesignJson, AgreesWithTheTextReport)
{
    const auto text = RunProcess(CASTOVIN_CLI, {"design", Example(GetParam()), "--no-header"});
    const auto js = RunProcess(CASTOVIN_CLI, {"design", Example(GetParam()), "--json"});
    ASSERT_EQ(js.status, 0) << js.err;
    const json j = json::parse(js.out);
    EXPECT_EQ(j.at("file"), Example(GetParam()));
    EXPECT_THAT(text.out, HasSubstr(j.at("suitability").at("text").get<std::string>()));
    if (!j.at("applicable")) {
        EXPECT_EQ(j.at("suitability").at("code"), "roof-too-strong");
        EXPECT_TRUE(j.at("results").is_null());
        return;
    }
    const json& r = j.at("results");
    EXPECT_EQ(Fixed(r.at("suggestedVELB"), 1), ReportValue(text.out, "Suggested VELB"));
    const bool one = j.at("inputs").at("numberOfSystems") == 1;
    EXPECT_EQ(Fixed(r.at("actualVELB")[0], 1),
              ReportValue(text.out, one ? "Actual VELB for this design" : "Actual VELB for Bolt System #1"));
    EXPECT_EQ(Fixed(r.at("boltCapacity")[0].at("value"), 1),
              ReportValue(text.out, one ? "Bolt Capacity" : R"(Bolt Capacity \(Bolt System #1\))"));
    EXPECT_EQ(Fixed(r.at("suggestedSpan").at("value"), 1), ReportValue(text.out, "Suggested Intersection Span"));
    EXPECT_THAT(text.out, HasSubstr(r.at("spanVerdict").at("text").get<std::string>()));
    for (const json& verdict : r.at("boltLengthVerdicts"))
        EXPECT_THAT(text.out, HasSubstr(verdict.at("text").get<std::string>()));
    EXPECT_EQ(r.at("boltLengthVerdicts")[0].at("code") == "ok",
              r.at("boltLengthVerdicts")[0].at("text") == "Bolt Length: OK.");
}

INSTANTIATE_TEST_SUITE_P(Examples, DesignJson, ::testing::ValuesIn(kExamples),
                         [](const auto& info) { return std::regex_replace(info.param, std::regex("[^A-Za-z]"), ""); });

TEST(CostJson, TotalsAgreeWithTheCostTable)
{
    for (const std::string& name : kExamples) {
        const auto text = RunProcess(CASTOVIN_CLI, {"cost", Example(name)});
        const auto js = RunProcess(CASTOVIN_CLI, {"cost", Example(name), "--json"});
        ASSERT_EQ(js.status, 0) << js.err;
        const json total = json::parse(js.out).at("costTable").at("total");
        const bool metric = json::parse(js.out).at("unitSystem") == "metric";
        const double perLength = metric ? total.at("perMetre").get<double>() : total.at("perFoot").get<double>();
        // "TOTAL COST:" then the four columns, each right-aligned in 10.
        std::smatch m;
        ASSERT_TRUE(std::regex_search(text.out, m, std::regex(R"(TOTAL COST:\s+(\S+)\s+(\S+)\s+(\S+)\s+(\S+))")))
            << name;
        EXPECT_EQ(Fixed(total.at("perBolt"), 2), m[1].str()) << name;
        EXPECT_EQ(Fixed(perLength, 2), m[2].str()) << name;
        EXPECT_EQ(Fixed(total.at("perShift"), 2), m[3].str()) << name;
        EXPECT_EQ(Fixed(total.at("perTon"), 2), m[4].str()) << name;
    }
}

json Schema(const std::string& name)
{
    return json::parse(ReadFile(std::string(CASTOVIN_SCHEMAS) + "/" + name));
}

TEST(JsonSchemas, EveryExampleFitsTheDocumentedShape)
{
    const json design = Schema("design.schema.json");
    const json cost = Schema("cost.schema.json");
    for (const std::string& name : kExamples) {
        const auto d = RunProcess(CASTOVIN_CLI, {"design", "--json", Example(name)});
        const auto c = RunProcess(CASTOVIN_CLI, {"cost", "--json", Example(name)});
        EXPECT_THAT(test::JsonSchemaProblems(json::parse(d.out), design), ::testing::IsEmpty()) << name;
        EXPECT_THAT(test::JsonSchemaProblems(json::parse(c.out), cost), ::testing::IsEmpty()) << name;
    }
    const auto u = RunProcess(CASTOVIN_CLI, {"units", "--json", "144", "psf"});
    EXPECT_THAT(test::JsonSchemaProblems(json::parse(u.out), Schema("units.schema.json")), ::testing::IsEmpty());
    // The check itself catches a missing field and a wrong type.
    json broken = json::parse(RunProcess(CASTOVIN_CLI, {"design", "--json", Example(kExamples[0])}).out);
    broken.erase("applicable");
    broken["inputs"]["cmrr"] = "45";
    EXPECT_EQ(test::JsonSchemaProblems(broken, design).size(), 2u);
}

TEST(UnitsJson, EveryUnitOfTheKind)
{
    const auto result = RunProcess(CASTOVIN_CLI, {"units", "1", "ft", "--json"});
    ASSERT_EQ(result.status, 0) << result.err;
    const json j = json::parse(result.out);
    ASSERT_EQ(j.at("conversions").size(), 4u);
    EXPECT_EQ(j.at("conversions")[0].at("unit"), "in");
    EXPECT_DOUBLE_EQ(j.at("conversions")[0].at("value").get<double>(), 12);
    EXPECT_DOUBLE_EQ(j.at("conversions")[2].at("value").get<double>(), 30.48);
}

TEST(SeveralFiles, ABadFileInTheMiddleIsReportedAndTheOthersStillRun)
{
    TempDir dir;
    std::ofstream(dir.File("bad.vlb")) << "VELB_212\r\n 0 \r\ntitle\r\n";
    const auto first = RunProcess(CASTOVIN_CLI, {"design", Example("default-english.vlb")});
    const auto last = RunProcess(CASTOVIN_CLI, {"design", Example("strong-roof.vlb")});
    const auto all = RunProcess(
        CASTOVIN_CLI, {"design", Example("default-english.vlb"), dir.File("bad.vlb"), Example("strong-roof.vlb")});
    EXPECT_EQ(all.status, 1);
    EXPECT_EQ(all.out, first.out + last.out);
    EXPECT_THAT(all.err, HasSubstr("castovin-cli: " + dir.File("bad.vlb") + ": "));
    EXPECT_EQ(std::count(all.err.begin(), all.err.end(), '\n'), 1);
}

TEST(SeveralFiles, JsonGivesOneObjectPerLine)
{
    const auto result =
        RunProcess(CASTOVIN_CLI, {"cost", "--json", Example("default-english.vlb"), Example("default-metric.vlb")});
    ASSERT_EQ(result.status, 0) << result.err;
    std::istringstream lines(result.out);
    std::vector<std::string> units;
    for (std::string line; std::getline(lines, line);)
        units.push_back(json::parse(line).at("unitSystem"));
    EXPECT_EQ(units, (std::vector<std::string>{"english", "metric"}));
}

TEST(StandardInput, DashReadsTheProjectAndNamesIt)
{
    // The file is named relative to its folder, so that its "Project File:" line
    // wraps as "-" does wherever the project is checked out.
    const std::string file = "cable-bolts-intersections.vlb";
    const auto fromFile = RunProcess(CASTOVIN_CLI, {"design", file}, CASTOVIN_EXAMPLES);
    const auto fromInput = RunProcess(CASTOVIN_CLI, {"design", "-"}, {}, ReadFile(Example(file)));
    ASSERT_EQ(fromInput.status, 0) << fromInput.err;
    std::string expected = fromFile.out;
    expected.replace(expected.find(file), file.size(), "-");
    EXPECT_EQ(fromInput.out, expected);

    const auto bad = RunProcess(CASTOVIN_CLI, {"cost", "-"}, {}, "VELB_212\r\n 0 \r\n");
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err.rfind("castovin-cli: -: ", 0), 0u) << bad.err;
}

TEST(Help, EachSubcommandHasItsOwnAndTheManualPageNamesItsOptions)
{
    const std::string manual = ReadFile(fs::path(CASTOVIN_SOURCE) / "data/man/castovin-cli.1");
    for (const std::string name : {"design", "cost", "listing", "new", "convert", "curve", "units"}) {
        const auto help = RunProcess(CASTOVIN_CLI, {name, "--help"});
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.out.rfind("usage: castovin-cli " + name, 0), 0u) << help.out;
        EXPECT_THAT(manual, HasSubstr(name)) << name;
    }
    for (const std::string option : {"no\\-header", "json", "metric"})
        EXPECT_THAT(manual, HasSubstr(option));
}

}  // namespace
}  // namespace castovin
