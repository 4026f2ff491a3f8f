// Speed of the probabilistic study: sample evaluations per second (the
// design check with the search's pass rule) on one core and on all cores,
// and a whole study of 1,000,000 Latin Hypercube samples of five inputs
// with its statistics and sensitivity (goal: under one second on two cores).

#include <benchmark/benchmark.h>

#include "core/files/project_file.h"
#include "core/risk/risk_results.h"
#include "core/text/atomic_file.h"
#include "core/text/unicode.h"

namespace castovin {
namespace {

Project EnglishExample()
{
    Project data;
    ParseProjectFile(DecodeFileText(ReadWholeFile(CASTOVIN_EXAMPLES_DIR "/default-english.vlb")), "default-english.vlb",
                     data);
    return data;
}

Study FiveInputs(std::size_t samples)
{
    Study s;
    s.samples = samples;
    Distribution normal;
    normal.kind = DistributionKind::Normal;
    normal.mean = 45;
    normal.sd = 5;
    s.inputs.push_back({StudyField::CMRR, normal, false});
    Distribution uniform;
    uniform.kind = DistributionKind::Uniform;
    uniform.min = 300;
    uniform.max = 500;
    s.inputs.push_back({StudyField::DepthOfCover, uniform, false});
    Distribution tri;
    tri.kind = DistributionKind::Triangular;
    tri.min = 3.5;
    tri.mode = 4;
    tri.max = 4.5;
    s.inputs.push_back({StudyField::RowSpacing, tri, false});
    Distribution length = normal;
    length.mean = 6;
    length.sd = 0.1;
    s.inputs.push_back({StudyField::BoltLength, length, false});
    Distribution grade = normal;
    grade.kind = DistributionKind::Lognormal;
    grade.mean = 75;
    grade.sd = 4;
    s.inputs.push_back({StudyField::BoltGrade, grade, false});
    return s;
}

void JudgeOnThreads(benchmark::State& bench, unsigned threads)
{
    const Project p = EnglishExample();
    RiskSamples samples;
    DrawSamples(FiveInputs(200'000), p.units, samples);
    RiskControl control;
    control.threads = threads;
    for (auto _ : bench)
        JudgeSamples(p.Support, p.units, samples, control);
    bench.SetItemsProcessed(static_cast<int64_t>(bench.iterations()) * 200'000);
}

void SampleEvaluationsOneCore(benchmark::State& bench)
{
    JudgeOnThreads(bench, 1);
}
BENCHMARK(SampleEvaluationsOneCore)->Unit(benchmark::kMillisecond)->UseRealTime();

void SampleEvaluationsAllCores(benchmark::State& bench)
{
    JudgeOnThreads(bench, 0);
}
BENCHMARK(SampleEvaluationsAllCores)->Unit(benchmark::kMillisecond)->UseRealTime();

void WholeStudyMillionLhs(benchmark::State& bench)
{
    const Project p = EnglishExample();
    const Study study = FiveInputs(1'000'000);
    for (auto _ : bench) {
        const RiskRun run = RunStudy(p.Support, p.units, study);
        benchmark::DoNotOptimize(run.results.pPass);
    }
}
BENCHMARK(WholeStudyMillionLhs)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace castovin
