#pragma once
// Running a probabilistic study: the samples of the varied inputs, each
// judged by the design check with the design search's pass rule, on every
// core, the same numbers for any thread count.

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/model/project.h"
#include "core/risk/study.h"

namespace castovin {

// How one sample fares: it passes, or the first reason it fails.
enum class SampleClass : uint8_t { Pass, NotApplicable, VelbTooLow, BoltTooShort };
inline constexpr std::size_t SampleClassCount = 4;
// "pass", "not-applicable", "velb-too-low", "bolt-too-short".
const char* SampleClassCode(SampleClass c);

struct SampleVerdict {
    SampleClass sampleClass = SampleClass::NotApplicable;
    // Actual VELB ÷ suggested VELB of the first system; NaN when the method
    // does not apply (there is no suggested VELB).
    float margin = 0;
    // The parameters editor would warn: CMRR below 35, stability factor
    // below 1, or span and entry width that do not match.
    bool warned = false;
};

// One set of records judged as the design report and the design search
// judge a project. Numbers the check cannot form (beyond the float range)
// count as "method does not apply".
SampleVerdict JudgeSample(const std::array<SupportRecord, 2>& support, UnitSystem unitSystem);

// The samples of a run: for input k of the study, values[k][i] is its value
// in sample i as the editor stores it; then each sample's verdict (the
// margins are sized by DrawSamples, which fixes the sample count).
struct RiskSamples {
    std::vector<StudyField> fields;
    std::vector<std::vector<float>> values;
    std::vector<float> margin;
    std::vector<SampleClass> classes;
    std::vector<uint8_t> warned;
    std::size_t Count() const { return margin.size(); }
};

// What a run off the caller's thread reports and obeys: progress (samples
// done, samples in all), called on the caller's thread; a flag that stops
// the run after the blocks under way; the number of threads (0: one per
// core).
struct RiskControl {
    std::function<void(std::size_t done, std::size_t total)> progress;
    const std::atomic<bool>* cancel = nullptr;
    unsigned threads = 0;
};

// Samples are drawn in blocks of this many, each block from its own
// generator stream, so that the split among threads changes nothing.
inline constexpr std::size_t RiskBlockSize = 4096;

// The values of a resolved, valid study (StudyProblem gives nullopt).
// Latin Hypercube: each input's N equal-probability strata hold one sample
// each, in an order shuffled per input; Monte Carlo: independent draws.
// False when cancelled.
bool DrawSamples(const Study& study, UnitSystem unitSystem, RiskSamples& samples, const RiskControl& control = {});

// Judges every sample (as many as `samples.margin` holds) on the records with the sample's values put in.
// False when cancelled.
bool JudgeSamples(const std::array<SupportRecord, 2>& support, UnitSystem unitSystem, RiskSamples& samples,
                  const RiskControl& control = {});

// Runs `count` blocks of work on the control's threads, the calling thread
// among them; false when cancelled.
bool RunBlocks(std::size_t count, const std::function<void(std::size_t block)>& work, const RiskControl& control,
               std::size_t samplesPerBlock, std::size_t totalSamples);

}  // namespace castovin
