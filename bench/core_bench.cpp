// Throughput of the calculation core: one design check with its report, one
// cost check, one project-file read, the wrapping of a very long description line.

#include <benchmark/benchmark.h>

#include "model/cost_analysis.h"
#include "model/design_analysis.h"
#include "program/program_state.h"
#include "model/report_assembly.h"
#include "text/atomic_file.h"
#include "text/description.h"
#include "files/lifecycle.h"
#include "files/project_file.h"
#include "text/unicode.h"

namespace castovin {
namespace {

struct Fixture {
    RecordingMessageBox box;
    ProgramState state{box};
    Fixture()
    {
        InitialiseModel(state, "castovin");
        state.Settings.DisplayHistoryWin = 0;
        FileNew(state, true, true);
        state.ProjectFilePath = CASTOVIN_EXAMPLES_DIR "/cable-bolts-intersections.vlb";
        FileOpen(state);
    }
};

void DesignCheckWithReport(benchmark::State& bench)
{
    Fixture f;
    for (auto _ : bench) {
        FillWorkCopies(f.state);
        DesignAnalysis(f.state);
        LoadOutBuf0(f.state, false, false, false);
        benchmark::DoNotOptimize(f.state.OutputBuffer[0].data());
        benchmark::DoNotOptimize(f.state.OutputBuffer[1].data());
    }
}
BENCHMARK(DesignCheckWithReport);

void CostCheckWithReport(benchmark::State& bench)
{
    Fixture f;
    for (auto _ : bench) {
        FillWorkCopies(f.state);
        CostAnalysis(f.state);
        LoadOutBuf0(f.state, true, false, false);
        benchmark::DoNotOptimize(f.state.OutputBuffer[1].data());
    }
}
BENCHMARK(CostCheckWithReport);

void ProjectFileRead(benchmark::State& bench)
{
    const std::string text = DecodeFileText(ReadWholeFile(CASTOVIN_EXAMPLES_DIR "/cable-bolts-intersections.vlb"));
    for (auto _ : bench) {
        ProjectFileData data;
        benchmark::DoNotOptimize(ParseProjectFile(text, "cable-bolts-intersections.vlb", data));
        benchmark::DoNotOptimize(data.Cost.WeeksPerYear);
    }
}
BENCHMARK(ProjectFileRead);

void ProjectFileOpenFromDisk(benchmark::State& bench)
{
    Fixture f;
    for (auto _ : bench) {
        f.state.ProjectFilePath = CASTOVIN_EXAMPLES_DIR "/cable-bolts-intersections.vlb";
        benchmark::DoNotOptimize(FileOpen(f.state));
    }
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
