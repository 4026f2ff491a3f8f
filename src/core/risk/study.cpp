#include "core/risk/study.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "core/text/number_format.h"

namespace castovin {

namespace {

struct FieldInfo {
    const char* name;
    const char* label;
    UnitKind unitKind;
    int system;  // 0 or 1: the system of a bolt field, -1 for the others
};

constexpr FieldInfo kFields[StudyFieldCount] = {
    {"cmrr", "Coal Mine Roof Rating", UnitKind::None, -1},
    {"depthOfCover", "Depth of Cover", UnitKind::Length, -1},
    {"unitWeight", "Unit Weight of Rock", UnitKind::UnitWeight, -1},
    {"stabilityFactor", "Stability Factor", UnitKind::None, -1},
    {"entryWidth", "Entry Width", UnitKind::Length, -1},
    {"actualIntersectionSpan", "Actual Intersection Span", UnitKind::Length, -1},
    {"boltLength", "Actual Bolt Length", UnitKind::Length, 0},
    {"boltDiameter", "Bolt Diameter", UnitKind::Diameter, 0},
    {"boltGrade", "Bolt Grade", UnitKind::Grade, 0},
    {"boltsPerRow", "Number of Bolts per Row", UnitKind::None, 0},
    {"rowSpacing", "Row Spacing", UnitKind::Length, 0},
    {"boltLength2", "Actual Bolt Length", UnitKind::Length, 1},
    {"boltDiameter2", "Bolt Diameter", UnitKind::Diameter, 1},
    {"boltGrade2", "Bolt Grade", UnitKind::Grade, 1},
    {"boltsPerRow2", "Number of Bolts per Row", UnitKind::None, 1},
    {"rowSpacing2", "Row Spacing", UnitKind::Length, 1},
    {"boltsPerIntersection", "Number of Bolts per Intersection", UnitKind::None, -1},
    {"cableBoltCapacity", "Cable Bolt Capacity", UnitKind::CableCapacityListing, -1},
};

const FieldInfo& Info(StudyField f)
{
    return kFields[static_cast<std::size_t>(f)];
}

// The float field of the records that a field other than CMRR and bolts per
// intersection (the two whole numbers) stands for.
float* FloatField(std::array<SupportRecord, 2>& s, StudyField f)
{
    const std::size_t k = Info(f).system == 1 ? 1 : 0;
    switch (f) {
    case StudyField::DepthOfCover:
        return &s[0].DepthofCover;
    case StudyField::UnitWeight:
        return &s[0].UnitWeight;
    case StudyField::StabilityFactor:
        return &s[0].StabilityFactor;
    case StudyField::EntryWidth:
        return &s[0].EntryWidth;
    case StudyField::ActualIntersectionSpan:
        return &s[0].ActualInterSpan;
    case StudyField::BoltLength:
    case StudyField::BoltLength2:
        return &s[k].ActualBoltLength;
    case StudyField::BoltDiameter:
    case StudyField::BoltDiameter2:
        return &s[k].BoltDiameter;
    case StudyField::BoltGrade:
    case StudyField::BoltGrade2:
        return &s[k].BoltGrade;
    case StudyField::BoltsPerRow:
    case StudyField::BoltsPerRow2:
        return &s[k].BoltsPerRow;
    case StudyField::RowSpacing:
    case StudyField::RowSpacing2:
        return &s[k].RowSpacing;
    case StudyField::CableBoltCapacity:
        return &s[1].CableBoltCapacity;
    default:
        return nullptr;
    }
}

std::string InputKey(StudyField f)
{
    return std::string("inputs.") + StudyFieldName(f);
}

// A problem of the truncation or of the probability left in the interval.
std::optional<std::string> IntervalProblem(const VariedInput& in, UnitSystem u)
{
    const FieldRange r = EditorRange(in.field, u);
    const Distribution& d = in.distribution;
    const std::string key = InputKey(in.field);
    const std::string outside = ": outside the parameters editor's range " + RangeText(in.field, u);
    if ((d.truncLow && (*d.truncLow < r.low || *d.truncLow > r.high)) ||
        (d.truncHigh && (*d.truncHigh < r.low || *d.truncHigh > r.high)))
        return key + ".truncate" + outside;
    const TruncatedSampler s = InputSampler(in, u);
    if (d.kind == DistributionKind::Fixed) {
        const bool inside = (r.lowOpen ? d.value > s.low : d.value >= s.low) && d.value <= s.high;
        return inside ? std::nullopt : std::optional<std::string>(key + ".value" + outside);
    }
    if (!(s.pHigh - s.pLow > 0))
        return key + ": no probability between " + GeneralNumber(s.low) + " and " + GeneralNumber(s.high);
    return std::nullopt;
}

}  // namespace

const char* StudyFieldName(StudyField field)
{
    return Info(field).name;
}

std::optional<StudyField> StudyFieldOf(const std::string& name)
{
    for (std::size_t i = 0; i < StudyFieldCount; ++i)
        if (name == kFields[i].name)
            return static_cast<StudyField>(i);
    return std::nullopt;
}

std::string StudyFieldLabel(StudyField field, UnitSystem u)
{
    const FieldInfo& f = Info(field);
    std::string label = f.label;
    if (f.system >= 0)
        label += f.system == 0 ? " #1" : " #2";
    if (field == StudyField::CableBoltCapacity)
        return label + (u != UnitSystem::English ? " (MN)" : " (tons)");
    if (f.unitKind != UnitKind::None)
        label += UnitLabel(f.unitKind, u);
    return label;
}

FieldRange EditorRange(StudyField field, UnitSystem u)
{
    // Half to even: 0.5 is stored as 0 and 99.5 as 100, both refused.
    if (field == StudyField::CMRR)
        return {0.5, std::nextafter(99.5, 0.0), true};
    if (field == StudyField::BoltsPerIntersection)
        return {0.5, std::nextafter(32767.5, 0.0), true};
    const std::size_t k = UnitIndex(u);
    switch (field) {
    case StudyField::BoltLength:
    case StudyField::BoltLength2:
        return {0, MaxBoltLength[k], true};
    case StudyField::BoltDiameter:
    case StudyField::BoltDiameter2:
        return {0, MaxBoltDiameter[k], true};
    default:
        return {0, FLT_MAX, true};
    }
}

std::string RangeText(StudyField field, UnitSystem u)
{
    if (field == StudyField::CMRR)
        return "1 to 99";
    if (field == StudyField::BoltsPerIntersection)
        return "1 to 32767";
    const FieldRange r = EditorRange(field, u);
    if (r.high == FLT_MAX)
        return "above 0";
    return "(0, " + GeneralNumber(r.high) + "]";
}

double ProjectValue(const std::array<SupportRecord, 2>& support, StudyField field)
{
    if (field == StudyField::CMRR)
        return support[0].CMRR;
    if (field == StudyField::BoltsPerIntersection)
        return support[1].BoltsPerIntersection;
    std::array<SupportRecord, 2> copy = support;
    return *FloatField(copy, field);
}

void PutValue(std::array<SupportRecord, 2>& support, StudyField field, double value)
{
    if (field == StudyField::CMRR)
        support[0].CMRR = static_cast<int16_t>(std::nearbyint(value));
    else if (field == StudyField::BoltsPerIntersection)
        support[1].BoltsPerIntersection = static_cast<int16_t>(std::nearbyint(value));
    else
        *FloatField(support, field) = static_cast<float>(value);
}

void SetInput(Study& study, const VariedInput& input)
{
    for (VariedInput& in : study.inputs) {
        if (in.field == input.field) {
            in = input;
            return;
        }
    }
    study.inputs.push_back(input);
}

Study ResolvedStudy(const Study& study, const std::array<SupportRecord, 2>& support)
{
    Study out = study;
    for (VariedInput& in : out.inputs) {
        if (in.meanFromProject) {
            in.distribution.mean = ProjectValue(support, in.field);
            in.meanFromProject = false;
        }
    }
    // The order of the fields, not of their entry, fixes which random
    // numbers each input takes, so a study reads the same however it is
    // written.
    std::stable_sort(out.inputs.begin(), out.inputs.end(),
                     [](const VariedInput& a, const VariedInput& b) { return a.field < b.field; });
    return out;
}

std::optional<std::string> StudyProblem(const Study& study, UnitSystem u)
{
    if (study.unitSystem != u)
        return std::string("unitSystem: the study is in ") +
               (study.unitSystem == UnitSystem::English ? "english" : "metric") + " units, the project in " +
               (u == UnitSystem::English ? "english" : "metric");
    if (study.samples < MinStudySamples || study.samples > MaxStudySamples)
        return "samples: must be from 100 to 10000000";
    for (const VariedInput& in : study.inputs) {
        if (const std::optional<std::string> p = DistributionProblem(in.distribution))
            return InputKey(in.field) + "." + *p;
        if (const std::optional<std::string> p = IntervalProblem(in, u))
            return p;
    }
    return std::nullopt;
}

TruncatedSampler InputSampler(const VariedInput& in, UnitSystem u)
{
    const FieldRange r = EditorRange(in.field, u);
    const Distribution& d = in.distribution;
    const double low = d.truncLow ? std::max(*d.truncLow, r.low) : r.low;
    const double high = d.truncHigh ? std::min(*d.truncHigh, r.high) : r.high;
    return MakeSampler(d, low, high);
}

std::string DistributionText(const Distribution& d)
{
    std::string text = DistributionName(d.kind);
    switch (d.kind) {
    case DistributionKind::Fixed:
        text += " " + GeneralNumber(d.value);
        break;
    case DistributionKind::Normal:
    case DistributionKind::Lognormal:
        text += ", mean " + GeneralNumber(d.mean) + ", sd " + GeneralNumber(d.sd);
        break;
    case DistributionKind::Uniform:
        text += " " + GeneralNumber(d.min) + " to " + GeneralNumber(d.max);
        break;
    case DistributionKind::Triangular:
        text += " " + GeneralNumber(d.min) + ", " + GeneralNumber(d.mode) + ", " + GeneralNumber(d.max);
        break;
    }
    if (d.truncLow || d.truncHigh)
        text += ", truncated to [" + (d.truncLow ? GeneralNumber(*d.truncLow) : std::string("-")) + ", " +
                (d.truncHigh ? GeneralNumber(*d.truncHigh) : std::string("-")) + "]";
    return text;
}

}  // namespace castovin
