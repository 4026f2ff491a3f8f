#pragma once
// A probabilistic study of a project: which numeric inputs of the parameters
// editor are uncertain, with what distribution, and how they are sampled.
// Everything not varied keeps the project's value; the inputs are
// independent.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/model/project.h"
#include "core/risk/distribution.h"

namespace castovin {

// The inputs a study may vary, by their names in a study file.
enum class StudyField {
    CMRR,
    DepthOfCover,
    UnitWeight,
    StabilityFactor,
    EntryWidth,
    ActualIntersectionSpan,
    BoltLength,
    BoltDiameter,
    BoltGrade,
    BoltsPerRow,
    RowSpacing,
    BoltLength2,
    BoltDiameter2,
    BoltGrade2,
    BoltsPerRow2,
    RowSpacing2,
    BoltsPerIntersection,
    CableBoltCapacity,
};
inline constexpr std::size_t StudyFieldCount = 18;

// "cmrr", "depthOfCover", ..., "cableBoltCapacity", and back.
const char* StudyFieldName(StudyField field);
std::optional<StudyField> StudyFieldOf(const std::string& name);

// The field's label in reports: the parameters editor's label, the system
// for a bolt field, and the unit label ("Row Spacing, system 1 (ft)").
std::string StudyFieldLabel(StudyField field, UnitSystem unitSystem);

// The values the parameters editor accepts for a field, as an interval a
// continuous value is sampled on. CMRR and bolts per intersection are stored
// rounded (half to even), so their intervals are those that round into the
// accepted whole numbers. `lowOpen` excludes the low end (every quantity
// must be above 0).
struct FieldRange {
    double low = 0;
    double high = 0;
    bool lowOpen = true;
};
FieldRange EditorRange(StudyField field, UnitSystem unitSystem);
// "1 to 99", "(0, 10]" or "above 0": the range in words, for messages.
std::string RangeText(StudyField field, UnitSystem unitSystem);

// The project's value of a field, and the records with a value put in as
// the editor stores it.
double ProjectValue(const std::array<SupportRecord, 2>& support, StudyField field);
void PutValue(std::array<SupportRecord, 2>& support, StudyField field, double value);

// One varied input. `meanFromProject` takes the project's value as the mean
// of a normal or lognormal distribution (the study then fits any project).
struct VariedInput {
    StudyField field = StudyField::CMRR;
    Distribution distribution;
    bool meanFromProject = false;
};

enum class SamplingMethod { LatinHypercube, MonteCarlo };

inline constexpr std::size_t MinStudySamples = 100;
inline constexpr std::size_t MaxStudySamples = 10'000'000;
inline constexpr int StudyFormatVersion = 1;

struct Study {
    UnitSystem unitSystem = UnitSystem::English;
    SamplingMethod method = SamplingMethod::LatinHypercube;
    std::size_t samples = 10'000;
    uint64_t seed = 1;
    std::vector<VariedInput> inputs;  // at most one per field, in the order given
};

// Adds an input, or replaces the one of the same field.
void SetInput(Study& study, const VariedInput& input);

// The study as run on a project: means taken from the project where asked,
// the inputs in the order of StudyField.
Study ResolvedStudy(const Study& study, const std::array<SupportRecord, 2>& support);

// Why a resolved study cannot be run on a project in `unitSystem`, as
// "KEY: REASON" ("inputs.cmrr.sd: must be above 0", "samples: ..."), or
// nullopt. Checks the unit system, the sample count, every distribution's
// parameters and its truncation against the parameters editor's range.
std::optional<std::string> StudyProblem(const Study& study, UnitSystem unitSystem);

// The interval an input is sampled on: its truncation within the editor's
// range (for a closed-open range the open end is approached, never reached).
TruncatedSampler InputSampler(const VariedInput& input, UnitSystem unitSystem);

// "normal, mean 45, sd 5, truncated to [30, 60]": an input's distribution
// in words for the report.
std::string DistributionText(const Distribution& d);

}  // namespace castovin
