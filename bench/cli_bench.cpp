// castovin-cli's reports per file in one process: 10,000 project files (the
// example named 10,000 times) as the design report and as JSON, written to
// memory. Items are files; the JSON is meant to cost no more than 1.2 times
// the text report.

#include <benchmark/benchmark.h>

#include "cli/cli.h"

namespace castovin {
namespace {

void ReportTenThousandFiles(benchmark::State& bench, bool json)
{
    std::vector<std::string> args{"design"};
    args.insert(args.end(), 10000, CASTOVIN_EXAMPLES_DIR "/cable-bolts-intersections.vlb");
    if (json)
        args.emplace_back("--json");
    std::size_t files = 0;
    for (auto _ : bench) {
        CliStream out;
        CliStream err;
        if (RunCli(args, CliInput(), out, err) != CliOk)
            bench.SkipWithError("the command failed");
        benchmark::DoNotOptimize(out.Text().data());
        files += 10000;
    }
    bench.SetItemsProcessed(static_cast<int64_t>(files));
}

void DesignTextPerFile(benchmark::State& bench)
{
    ReportTenThousandFiles(bench, false);
}
BENCHMARK(DesignTextPerFile)->Unit(benchmark::kMillisecond);

void DesignJsonPerFile(benchmark::State& bench)
{
    ReportTenThousandFiles(bench, true);
}
BENCHMARK(DesignJsonPerFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace castovin
