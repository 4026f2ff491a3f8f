// castovin-cli risk: refusals, reproducibility, exit status and the report's
// listing, on the example projects in both unit systems.

#include <algorithm>
#include <fstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "json_schema_check.h"
#include "process.h"
#include "studyfile/study_file.h"
#include "test_state.h"
#include "test_text.h"

namespace castovin {
namespace {

using test::RunProcess;

const std::string kExamples = CASTOVIN_EXAMPLES;

struct RefusalCase {
    std::vector<std::string> options;
    int status;
    std::string error;
};

class RiskRefusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RiskRefusals, OneLineNamingTheKey)
{
    // Without a study file a study problem is the project's; a usage error
    // is the command's.
    const std::string file = kExamples + "/default-english.vlb";
    std::vector<std::string> args = {"risk", file};
    args.insert(args.end(), GetParam().options.begin(), GetParam().options.end());
    const auto r = RunProcess(CASTOVIN_CLI, args);
    EXPECT_EQ(r.status, GetParam().status);
    EXPECT_EQ(r.err.substr(0, r.err.find('\n') + 1),
              "castovin-cli: " + (GetParam().status == 2 ? std::string("risk") : file) + ": " + GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Each, RiskRefusals,
    ::testing::Values(RefusalCase{{"--vary", "cmrr=normal:-:0"}, 1, "inputs.cmrr.sd: must be above 0\n"},
                      RefusalCase{{"--vary", "rock=normal:1:1"}, 2, "--vary rock: unknown field\n"},
                      RefusalCase{{"--vary", "boltLength=uniform:5:7@5:11"},
                                  1,
                                  "inputs.boltLength.truncate: outside the parameters editor's range (0, 10]\n"},
                      RefusalCase{{"--samples", "99"}, 1, "samples: must be from 100 to 10000000\n"}));

TEST(RiskCli, SameSeedSameBytesAnyThreadsAndExitStatusByProbability)
{
    for (const char* unit : {"english", "metric"}) {
        const std::string file = kExamples + "/default-" + unit + ".vlb";
        const std::vector<std::string> base = {"risk", file, "--vary", "cmrr=normal:-:6", "--json"};
        auto with = [&](std::vector<std::string> extra) {
            std::vector<std::string> args = base;
            args.insert(args.end(), extra.begin(), extra.end());
            return RunProcess(CASTOVIN_CLI, args);
        };
        const auto one = with({"--threads", "1"});
        EXPECT_EQ(one.status, 0) << one.err;
        EXPECT_EQ(one.out, with({"--threads", "2"}).out) << unit;
        EXPECT_NE(one.out, with({"--seed", "2"}).out) << unit;
        EXPECT_EQ(with({"--min-probability", "1"}).status, 3) << unit;
    }
}

TEST(RiskCli, ReportStartsWithTheDesignListing)
{
    const std::string file = kExamples + "/cable-bolts-intersections.vlb";
    const auto design = RunProcess(CASTOVIN_CLI, {"design", file});
    const auto risk = RunProcess(CASTOVIN_CLI, {"risk", file, "--samples", "100"});
    ASSERT_EQ(risk.status, 0) << risk.err;
    const std::size_t listingEnd = design.out.find("[VELB SUITABILITY]");
    EXPECT_EQ(risk.out.substr(0, listingEnd), design.out.substr(0, listingEnd));
    EXPECT_NE(risk.out.find("[PROBABILISTIC DESIGN STUDY]\r\n"), std::string::npos);
}

// The search at a reliability lists only patterns that reach it, its JSON
// follows the search schema, and the best pattern written out gives the same
// P(pass) when the written project is checked again by risk with the study.
TEST(RiskCli, SearchAtAReliabilityAgreesWithRiskOnTheBestPattern)
{
    struct Case {
        const char* unit;
        const char* inputs;
    };
    const Case cases[] = {
        {"english", R"("cmrr": {"distribution": "normal", "sd": 3},
                       "depthOfCover": {"distribution": "uniform", "min": 380, "max": 420},
                       "unitWeight": {"distribution": "normal", "sd": 3},
                       "stabilityFactor": {"distribution": "triangular", "min": 1.1, "mode": 1.2, "max": 1.3},
                       "entryWidth": {"distribution": "normal", "sd": 0.3})"},
        {"metric", R"("cmrr": {"distribution": "normal", "sd": 3},
                      "depthOfCover": {"distribution": "normal", "sd": 5},
                      "unitWeight": {"distribution": "lognormal", "sd": 0.5},
                      "stabilityFactor": {"distribution": "uniform", "min": 1.1, "max": 1.3},
                      "entryWidth": {"distribution": "normal", "sd": 0.1})"},
    };
    const nlohmann::json schema = nlohmann::json::parse(test::ReadFile(CASTOVIN_SCHEMAS "/search.schema.json"));
    for (const Case& c : cases) {
        test::TempDir dir;
        const std::string study = dir.File("study.json");
        const std::string best = dir.File("best.vlb");
        std::ofstream(study) << R"({"format": 1, "unitSystem": ")" << c.unit
                             << R"(", "sampling": {"samples": 2000, "seed": 7}, "inputs": {)" << c.inputs << "}}";
        const std::string project = kExamples + "/default-" + c.unit + ".vlb";
        const auto search = RunProcess(
            CASTOVIN_CLI, {"search", project, "--prices", kExamples + "/prices-" + c.unit + ".csv", "--study", study,
                           "--min-probability", "0.9", "--top", "3", "--json", "--write-best", best});
        ASSERT_EQ(search.status, 0) << c.unit << ": " << search.err;
        const nlohmann::json doc = nlohmann::json::parse(search.out);
        const std::vector<std::string> problems = test::JsonSchemaProblems(doc, schema);
        EXPECT_TRUE(problems.empty()) << c.unit << ": " << problems.front();
        ASSERT_FALSE(doc["candidates"].empty()) << c.unit;
        for (const nlohmann::json& candidate : doc["candidates"]) {
            const double p = candidate["pPass"];
            EXPECT_GE(p, 0.9) << c.unit;
            EXPECT_LE(candidate["interval"][0].get<double>(), p);
            EXPECT_GE(candidate["interval"][1].get<double>(), p);
        }
        const auto risk = RunProcess(CASTOVIN_CLI, {"risk", best, "--study", study, "--json"});
        ASSERT_EQ(risk.status, 0) << c.unit << ": " << risk.err;
        EXPECT_EQ(nlohmann::json::parse(risk.out)["pPass"], doc["candidates"][0]["pPass"]) << c.unit;
    }
}

// A study written by the window's Save Study reads back to the same study,
// every kind of input, and castovin-cli risk takes the file.
TEST(StudyFile, WrittenStudiesReadBackAndRun)
{
    Study study;
    study.unitSystem = UnitSystem::Metric;
    study.method = SamplingMethod::MonteCarlo;
    study.samples = 2500;
    study.seed = 9007199254740993u;  // above 2^53: written as a whole number, not a double
    using D = Distribution;
    using K = DistributionKind;
    study.inputs = {{StudyField::CMRR, D{K::Triangular, 0, 0, 0, 40, 45.5, 52, {}, {}}, false},
                    {StudyField::DepthOfCover, D{K::Normal, 0, 0, 12.25, 0, 0, 0, 100.0, 300.0}, true},
                    {StudyField::UnitWeight, D{K::Lognormal, 0, 25.1, 0.7, 0, 0, 0, {}, {}}, false},
                    {StudyField::RowSpacing, D{K::Uniform, 0, 0, 0, 1.1, 0, 1.3, {}, {}}, false},
                    {StudyField::BoltLength, D{K::Fixed, 1.8, 0, 0, 0, 0, 0, {}, {}}, false}};
    const std::string text = StudyJson(study);
    const Study back = ParseStudyJson(text);
    EXPECT_EQ(StudyJson(back), text);
    EXPECT_EQ(back.seed, study.seed);
    ASSERT_EQ(back.inputs.size(), study.inputs.size());
    EXPECT_EQ(back.unitSystem, UnitSystem::Metric);
    EXPECT_EQ(back.method, SamplingMethod::MonteCarlo);
    EXPECT_EQ(back.samples, 2500u);
    const auto depth = std::find_if(back.inputs.begin(), back.inputs.end(),
                                    [](const VariedInput& in) { return in.field == StudyField::DepthOfCover; });
    ASSERT_NE(depth, back.inputs.end());
    EXPECT_TRUE(depth->meanFromProject);
    EXPECT_EQ(depth->distribution.truncLow, 100.0);
    EXPECT_EQ(depth->distribution.truncHigh, 300.0);

    // The same study on the metric example, with a small sample count.
    study.samples = 200;
    const test::TempDir dir;
    const std::string file = (dir.Path() / "metric.study.json").string();
    std::ofstream(file, std::ios::binary) << StudyJson(study);
    const test::ProcessResult run =
        RunProcess(CASTOVIN_CLI, {"risk", kExamples + "/default-metric.vlb", "--study", file});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Monte Carlo"), std::string::npos);
}

}  // namespace
}  // namespace castovin
