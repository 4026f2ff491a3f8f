// castovin-cli risk: refusals, reproducibility, exit status and the report's
// listing, on the example projects in both unit systems.

#include <gtest/gtest.h>

#include "process.h"

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
    ::testing::Values(
        RefusalCase{{"--vary", "cmrr=normal:-:0"}, 1, "inputs.cmrr.sd: must be above 0\n"},
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

}  // namespace
}  // namespace castovin
