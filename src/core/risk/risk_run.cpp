#include "core/risk/risk_run.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <thread>

#include "core/model/design_analysis.h"
#include "core/program/design_search.h"
#include "core/risk/random_stream.h"
#include "core/text/runtime_error.h"

namespace castovin {

namespace {

constexpr const char* kClassCodes[] = {"pass", "not-applicable", "velb-too-low", "bolt-too-short"};

// The generator lanes: the per-block draws and the Latin Hypercube shuffles.
constexpr uint64_t kDrawLane = 0;
constexpr uint64_t kShuffleLane = 1;

// The span and entry width check of the parameters editor.
bool SpanMismatch(const SupportRecord& s, UnitSystem u)
{
    const double width = s.EntryWidth;
    const double span = s.ActualInterSpan;
    const double diagonal = std::sqrt(2 * width * width);
    const double allowance = u != UnitSystem::English ? 4 : 12;
    return span < diagonal || span > diagonal + allowance;
}

bool Cancelled(const RiskControl& control)
{
    return control.cancel != nullptr && control.cancel->load(std::memory_order_relaxed);
}

// A random order of 0..n-1 (Fisher and Yates) from one stream.
std::vector<uint32_t> Shuffled(std::size_t n, uint64_t seed, uint64_t input)
{
    std::vector<uint32_t> order(n);
    for (std::size_t i = 0; i < n; ++i)
        order[i] = static_cast<uint32_t>(i);
    Xoshiro256 rng(seed, input, kShuffleLane);
    for (std::size_t i = n; i > 1; --i)
        std::swap(order[i - 1], order[rng.Below(i)]);
    return order;
}

float StoredValue(StudyField field, double value)
{
    if (field == StudyField::CMRR || field == StudyField::BoltsPerIntersection)
        return static_cast<float>(std::nearbyint(value));
    return static_cast<float>(value);
}

}  // namespace

const char* SampleClassCode(SampleClass c)
{
    return kClassCodes[static_cast<std::size_t>(c)];
}

SampleVerdict JudgeSample(const std::array<SupportRecord, 2>& support, UnitSystem u)
{
    SampleVerdict v;
    const SupportRecord& s = support[0];
    v.warned = (s.CMRR > 0 && s.CMRR < 35) || (s.StabilityFactor > 0 && s.StabilityFactor < 1) || SpanMismatch(s, u);
    try {
        const DesignResults r = ComputeDesignValues(support, u);
        if (!r.suitable) {
            v.margin = std::numeric_limits<float>::quiet_NaN();
            return v;
        }
        v.margin = r.actualVELB[0] / r.suggestedVELB;
        if (DesignPasses(r))
            v.sampleClass = SampleClass::Pass;
        else if (r.actualVELB[0] < r.suggestedVELB)
            v.sampleClass = SampleClass::VelbTooLow;
        else
            v.sampleClass = SampleClass::BoltTooShort;
    } catch (const RuntimeError&) {
        v.sampleClass = SampleClass::NotApplicable;
        v.margin = std::numeric_limits<float>::quiet_NaN();
    }
    return v;
}

bool RunBlocks(std::size_t count, const std::function<void(std::size_t)>& work, const RiskControl& control,
               std::size_t samplesPerBlock, std::size_t totalSamples)
{
    unsigned threads = control.threads != 0 ? control.threads : std::max(1u, std::thread::hardware_concurrency());
    threads = static_cast<unsigned>(std::min<std::size_t>(threads, std::max<std::size_t>(count, 1)));
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> done{0};
    std::atomic<bool> stopped{false};
    const auto worker = [&](bool reporting) {
        for (;;) {
            if (Cancelled(control)) {
                stopped = true;
                return;
            }
            const std::size_t block = next.fetch_add(1);
            if (block >= count)
                return;
            work(block);
            const std::size_t finished = done.fetch_add(1) + 1;
            if (reporting && control.progress)
                control.progress(std::min(finished * samplesPerBlock, totalSamples), totalSamples);
        }
    };
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < threads; ++t)
        pool.emplace_back(worker, false);
    worker(true);
    for (std::thread& t : pool)
        t.join();
    if (!stopped && control.progress)
        control.progress(totalSamples, totalSamples);
    return !stopped;
}

bool DrawSamples(const Study& study, UnitSystem u, RiskSamples& samples, const RiskControl& control)
{
    const std::size_t n = study.samples;
    const std::size_t inputs = study.inputs.size();
    samples.fields.clear();
    std::vector<TruncatedSampler> samplers;
    for (const VariedInput& in : study.inputs) {
        samples.fields.push_back(in.field);
        samplers.push_back(InputSampler(in, u));
    }
    samples.values.assign(inputs, std::vector<float>(n));
    samples.margin.assign(n, 0);
    std::vector<std::vector<uint32_t>> strata;
    if (study.method == SamplingMethod::LatinHypercube)
        for (std::size_t k = 0; k < inputs; ++k)
            strata.push_back(Shuffled(n, study.seed, k));
    const std::size_t blocks = (n + RiskBlockSize - 1) / RiskBlockSize;
    const auto draw = [&](std::size_t block) {
        Xoshiro256 rng(study.seed, block, kDrawLane);
        const std::size_t end = std::min(n, (block + 1) * RiskBlockSize);
        for (std::size_t i = block * RiskBlockSize; i < end; ++i) {
            for (std::size_t k = 0; k < inputs; ++k) {
                double p = rng.Uniform();
                if (!strata.empty())
                    p = (strata[k][i] + p) / static_cast<double>(n);
                samples.values[k][i] = StoredValue(samples.fields[k], samplers[k].Sample(p));
            }
        }
    };
    RiskControl quiet = control;
    quiet.progress = nullptr;  // drawing is quick beside judging, which reports
    return RunBlocks(blocks, draw, quiet, RiskBlockSize, n);
}

bool JudgeSamples(const std::array<SupportRecord, 2>& support, UnitSystem u, RiskSamples& samples,
                  const RiskControl& control)
{
    const std::size_t n = samples.margin.size();
    samples.classes.assign(n, SampleClass::NotApplicable);
    samples.warned.assign(n, 0);
    const std::size_t blocks = (n + RiskBlockSize - 1) / RiskBlockSize;
    const auto judge = [&](std::size_t block) {
        std::array<SupportRecord, 2> records = support;
        const std::size_t end = std::min(n, (block + 1) * RiskBlockSize);
        for (std::size_t i = block * RiskBlockSize; i < end; ++i) {
            for (std::size_t k = 0; k < samples.fields.size(); ++k)
                PutValue(records, samples.fields[k], samples.values[k][i]);
            const SampleVerdict v = JudgeSample(records, u);
            samples.margin[i] = v.margin;
            samples.classes[i] = v.sampleClass;
            samples.warned[i] = v.warned ? 1 : 0;
        }
    };
    return RunBlocks(blocks, judge, control, RiskBlockSize, n);
}

}  // namespace castovin
