// Speed of the design search: 1,000 price rows x bolts per row 1:10 x 31
// row spacings = 310,000 patterns, each checked and priced. Reported as
// items (patterns) per second; the goal is the whole search in under half a
// second on one core.

#include <sys/resource.h>

#include <benchmark/benchmark.h>

#include "core/files/project_file.h"
#include "core/program/design_search.h"
#include "core/text/atomic_file.h"
#include "core/text/unicode.h"

namespace castovin {
namespace {

SearchProject EnglishExample()
{
    const std::string text = DecodeFileText(ReadWholeFile(CASTOVIN_EXAMPLES_DIR "/default-english.vlb"));
    Project data;
    ParseProjectFile(text, "default-english.vlb", data);
    return {data.units, data.Support, data.Cost};
}

// 1,000 bolts spread over 4..8.95 ft, 0.5..1 in and grades 40..100 ksi, so
// that a good share of the patterns pass and the ranked list is long.
std::vector<PriceRow> ThousandBolts()
{
    std::vector<PriceRow> rows;
    for (int i = 0; i < 1000; ++i) {
        const float length = 4 + 0.05f * static_cast<float>(i % 100);
        const float diameter = 0.5f + 0.125f * static_cast<float>(i / 100 % 5);
        const float grade = i / 500 == 0 ? 60.0f : 75.0f;
        rows.push_back({length, diameter, grade, 1.5f + length * diameter * grade / 100, ""});
    }
    return rows;
}

void SearchAllCandidates(benchmark::State& bench, std::size_t keep)
{
    const SearchProject project = EnglishExample();
    const std::vector<PriceRow> prices = ThousandBolts();
    const SearchRanges ranges{1, 10, 3, 6, 0.1};
    std::size_t tried = 0;
    std::size_t passed = 0;
    for (auto _ : bench) {
        const SearchOutcome outcome = SearchDesigns(project, prices, ranges, keep);
        tried += outcome.tried;
        passed = outcome.passed;
        benchmark::DoNotOptimize(outcome.ranked.data());
    }
    bench.SetItemsProcessed(static_cast<int64_t>(tried));
    bench.counters["passed"] = static_cast<double>(passed);
}

// The command line's default: the best 10.
void DesignSearchTop10(benchmark::State& bench)
{
    SearchAllCandidates(bench, 10);
}
BENCHMARK(DesignSearchTop10)->Unit(benchmark::kMillisecond);

// The window's case: every passing pattern ranked.
void DesignSearchRankAll(benchmark::State& bench)
{
    SearchAllCandidates(bench, 0);
}
BENCHMARK(DesignSearchRankAll)->Unit(benchmark::kMillisecond);

// A price list of a million bolts with the default ranges (28 million
// patterns), kept to the command line's default best 10, or to the window's
// 1,000, on one thread or on every core (second argument 0; wall time): the
// peak memory of the process (ru_maxrss) is reported beside the time, since
// the search must hold no more than the list and the best kept.
void DesignSearchMillionRows(benchmark::State& bench)
{
    const SearchProject project = EnglishExample();
    std::vector<PriceRow> prices;
    prices.reserve(1000000);
    for (int i = 0; i < 1000000; ++i) {
        const float length = 4 + 0.1f * static_cast<float>(i % 50);
        prices.push_back({length, 0.5f + 0.125f * static_cast<float>(i / 100 % 5), i % 2 ? 60.0f : 75.0f,
                          1.5f + 0.1f * static_cast<float>(i % 37), ""});
    }
    const SearchRanges ranges = DefaultSearchRanges(UnitSystem::English);
    const auto keep = static_cast<std::size_t>(bench.range(0));
    SearchControl control;
    control.threads = static_cast<unsigned>(bench.range(1));
    std::size_t tried = 0;
    for (auto _ : bench) {
        const SearchOutcome outcome = SearchDesigns(project, prices, ranges, keep, control);
        tried += outcome.tried;
        benchmark::DoNotOptimize(outcome.ranked.data());
    }
    bench.SetItemsProcessed(static_cast<int64_t>(tried));
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    bench.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
}
BENCHMARK(DesignSearchMillionRows)
    ->Args({10, 1})
    ->Args({1000, 1})
    ->Args({10, 0})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace castovin
