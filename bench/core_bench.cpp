// Throughput of the calculation core: one design check with its report, one
// cost check, one project-file read, the wrapping of a very long description line.

#include <benchmark/benchmark.h>

#include "core/files/project_file.h"
#include "core/program/output_commands.h"
#include "core/program/program_state.h"
#include "core/program/startup.h"
#include "core/text/atomic_file.h"
#include "core/text/description.h"
#include "core/text/unicode.h"

namespace castovin {
namespace {

struct Fixture {
    RecordingMessageBox box;
    ProgramState state{box};
    Fixture()
    {
        StartupOptions options;
        options.executablePath = "castovin";
        options.detached = true;
        StartProgram(state, options);
        FileOpen(state.project, CASTOVIN_EXAMPLES_DIR "/cable-bolts-intersections.vlb", state.environment,
                 state.messenger);
    }
};

void DesignCheckWithReport(benchmark::State& bench)
{
    Fixture f;
    for (auto _ : bench) {
        const ReportPages pages =
            BuildReport(f.state.project, f.state.project.Support, f.state.project.Cost, ReportType::Design, true);
        benchmark::DoNotOptimize(pages.listing.data());
        benchmark::DoNotOptimize(pages.results.data());
    }
}
BENCHMARK(DesignCheckWithReport);

void CostCheckWithReport(benchmark::State& bench)
{
    Fixture f;
    for (auto _ : bench) {
        const ReportPages pages =
            BuildReport(f.state.project, f.state.project.Support, f.state.project.Cost, ReportType::Cost, true);
        benchmark::DoNotOptimize(pages.results.data());
    }
}
BENCHMARK(CostCheckWithReport);

void ProjectFileRead(benchmark::State& bench)
{
    const std::string text = DecodeFileText(ReadWholeFile(CASTOVIN_EXAMPLES_DIR "/cable-bolts-intersections.vlb"));
    for (auto _ : bench) {
        Project data;
        benchmark::DoNotOptimize(ParseProjectFile(text, "cable-bolts-intersections.vlb", data));
        benchmark::DoNotOptimize(data.Cost.WeeksPerYear);
    }
}
BENCHMARK(ProjectFileRead);

void ProjectFileOpenFromDisk(benchmark::State& bench)
{
    Fixture f;
    const std::string path = CASTOVIN_EXAMPLES_DIR "/cable-bolts-intersections.vlb";
    for (auto _ : bench)
        benchmark::DoNotOptimize(FileOpen(f.state.project, path, f.state.environment, f.state.messenger).opened);
}
BENCHMARK(ProjectFileOpenFromDisk);

// A 10 MB description line (one paste of a whole document) is wrapped when
// the project is saved or listed; it must take well under a second.
void WrapTenMegabyteDescriptionLine(benchmark::State& bench)
{
    std::string line;
    for (int i = 0; i < 1000000; ++i)
        line += "abcdefghi ";
    for (auto _ : bench) {
        std::string description = line;
        NormaliseDescription(description);
        benchmark::DoNotOptimize(description.data());
    }
}
BENCHMARK(WrapTenMegabyteDescriptionLine)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace castovin

BENCHMARK_MAIN();
