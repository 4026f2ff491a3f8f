#include "core/risk/study_table.h"

#include <algorithm>
#include <tuple>

#include "core/text/number_format.h"

namespace castovin {

namespace {

using F = StudyField;

// The cell a study problem's key points at ("sd" of a normal row is the
// second parameter; "truncate" the low end).
StudyCell CellOfKey(const std::string& key, DistributionKind kind)
{
    const std::vector<std::string> names = ParameterNames(kind);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == key)
            return static_cast<StudyCell>(static_cast<int>(StudyCell::First) + static_cast<int>(i));
    return key == "value" ? StudyCell::First : StudyCell::Low;
}

// "inputs.cmrr.sd: must be above 0" as the row's message and cell.
StudyRowProblem RowProblem(std::size_t row, const StudyRow& r, UnitSystem u, const std::string& problem)
{
    const std::string prefix = std::string("inputs.") + StudyFieldName(r.field);
    std::string rest = problem.rfind(prefix, 0) == 0 ? problem.substr(prefix.size()) : ": " + problem;
    std::string key;
    if (!rest.empty() && rest[0] == '.') {
        const std::size_t colon = rest.find(':');
        key = rest.substr(1, colon - 1);
        rest = " " + key + rest.substr(colon + 1);
    } else if (rest.rfind(": ", 0) == 0) {
        rest = rest.substr(1);
    }
    const std::string label = StudyFieldLabel(r.field, u);
    return {row, key.empty() ? StudyCell::Low : CellOfKey(key, r.kind), label + ":" + rest};
}

// A typed number, or the problem of its cell.
std::variant<double, StudyRowProblem> Number(std::size_t row, const StudyRow& r, UnitSystem u, StudyCell cell,
                                             const std::string& text, const std::string& name)
{
    if (const std::optional<double> v = ParseStrictNumber(text))
        return *v;
    const std::string what = text.empty() ? " is empty" : " is not a number";
    return StudyRowProblem{row, cell, StudyFieldLabel(r.field, u) + ": " + name + what};
}

// The row as a varied input, or the problem of its first bad cell.
std::variant<VariedInput, StudyRowProblem> RowInput(std::size_t row, const StudyRow& r, UnitSystem u)
{
    VariedInput in;
    in.field = r.field;
    in.distribution.kind = r.kind;
    const std::vector<std::string> names = ParameterNames(r.kind);
    std::array<double, 3> values{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string& text = r.parameters[i];
        if (names[i] == "mean" && (text == "-" || text.empty())) {
            in.meanFromProject = true;
            continue;
        }
        const auto cell = static_cast<StudyCell>(static_cast<int>(StudyCell::First) + static_cast<int>(i));
        auto v = Number(row, r, u, cell, text, names[i]);
        if (auto* p = std::get_if<StudyRowProblem>(&v))
            return *p;
        values[i] = std::get<double>(v);
    }
    Distribution& d = in.distribution;
    switch (r.kind) {
    case DistributionKind::Fixed:
        d.value = values[0];
        break;
    case DistributionKind::Normal:
    case DistributionKind::Lognormal:
        d.mean = values[0];
        d.sd = values[1];
        break;
    case DistributionKind::Uniform:
        d.min = values[0];
        d.max = values[1];
        break;
    case DistributionKind::Triangular:
        d.min = values[0];
        d.mode = values[1];
        d.max = values[2];
        break;
    }
    // A truncation takes both ends, as in the study file and on the
    // command line.
    if (r.low.empty() != r.high.empty()) {
        const StudyCell missing = r.low.empty() ? StudyCell::Low : StudyCell::High;
        return StudyRowProblem{row, missing, StudyFieldLabel(r.field, u) + ": truncation takes both min and max"};
    }
    for (const auto& [text, cell, bound] :
         {std::tuple{&r.low, StudyCell::Low, &d.truncLow}, std::tuple{&r.high, StudyCell::High, &d.truncHigh}}) {
        if (text->empty())
            continue;
        auto v = Number(row, r, u, cell, *text, cell == StudyCell::Low ? "min" : "max");
        if (auto* p = std::get_if<StudyRowProblem>(&v))
            return *p;
        *bound = std::get<double>(v);
    }
    return in;
}

}  // namespace

std::vector<StudyField> OfferedFields(const std::array<SupportRecord, 2>& support)
{
    std::vector<StudyField> fields{
        F::CMRR,       F::DepthOfCover, F::UnitWeight, F::StabilityFactor, F::EntryWidth, F::ActualIntersectionSpan,
        F::BoltLength, F::BoltDiameter, F::BoltGrade,  F::BoltsPerRow,     F::RowSpacing};
    const SupportRecord& s0 = support[0];
    if (s0.NumberOfSystems != 2)
        return fields;
    const bool cables = s0.SecondSystemType == 1;
    const bool intersections = s0.SecondSystemLocation == 1;
    fields.push_back(F::BoltLength2);
    if (!cables) {
        fields.push_back(F::BoltDiameter2);
        fields.push_back(F::BoltGrade2);
    }
    if (!intersections) {
        fields.push_back(F::BoltsPerRow2);
        fields.push_back(F::RowSpacing2);
    } else {
        fields.push_back(F::BoltsPerIntersection);
    }
    if (cables)
        fields.push_back(F::CableBoltCapacity);
    return fields;
}

std::vector<std::string> ParameterNames(DistributionKind kind)
{
    switch (kind) {
    case DistributionKind::Fixed:
        return {"value"};
    case DistributionKind::Normal:
    case DistributionKind::Lognormal:
        return {"mean", "sd"};
    case DistributionKind::Uniform:
        return {"min", "max"};
    case DistributionKind::Triangular:
        return {"min", "mode", "max"};
    }
    return {};
}

std::vector<StudyRow> DefaultRows(const std::array<SupportRecord, 2>& support)
{
    std::vector<StudyRow> rows;
    for (const StudyField field : OfferedFields(support)) {
        StudyRow row;
        row.field = field;
        // The editor stores floats: their shortest text ("1.2", not
        // 1.20000004768372).
        row.parameters[0] = GeneralNumber(static_cast<float>(ProjectValue(support, field)));
        rows.push_back(row);
    }
    return rows;
}

std::variant<std::vector<StudyRow>, std::string>
RowsOfStudy(const Study& study, const std::array<SupportRecord, 2>& support, UnitSystem unitSystem)
{
    if (const std::optional<std::string> problem = StudyProblem(ResolvedStudy(study, support), unitSystem))
        return *problem;
    std::vector<StudyRow> rows = DefaultRows(support);
    for (const VariedInput& in : study.inputs) {
        auto row = std::find_if(rows.begin(), rows.end(), [&](const StudyRow& r) { return r.field == in.field; });
        if (row == rows.end())
            return std::string("inputs.") + StudyFieldName(in.field) + ": not an input of this project";
        const Distribution& d = in.distribution;
        row->kind = d.kind;
        const std::array<double, 3> values = [&]() -> std::array<double, 3> {
            switch (d.kind) {
            case DistributionKind::Fixed:
                return {d.value, 0, 0};
            case DistributionKind::Normal:
            case DistributionKind::Lognormal:
                return {d.mean, d.sd, 0};
            case DistributionKind::Uniform:
                return {d.min, d.max, 0};
            case DistributionKind::Triangular:
                return {d.min, d.mode, d.max};
            }
            return {};
        }();
        const std::size_t count = ParameterNames(d.kind).size();
        for (std::size_t i = 0; i < 3; ++i)
            row->parameters[i] = i < count ? GeneralNumber(values[i]) : std::string();
        if (in.meanFromProject)
            row->parameters[0] = "-";
        row->low = d.truncLow ? GeneralNumber(*d.truncLow) : std::string();
        row->high = d.truncHigh ? GeneralNumber(*d.truncHigh) : std::string();
    }
    return rows;
}

std::variant<Study, StudyRowProblem> StudyFromRows(const std::vector<StudyRow>& rows,
                                                   const std::array<SupportRecord, 2>& support, UnitSystem unitSystem)
{
    Study study;
    study.unitSystem = unitSystem;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        auto read = RowInput(i, rows[i], unitSystem);
        if (auto* p = std::get_if<StudyRowProblem>(&read))
            return *p;
        const VariedInput& in = std::get<VariedInput>(read);
        const Distribution& d = in.distribution;
        const bool unchanged = d.kind == DistributionKind::Fixed && !d.truncLow && !d.truncHigh &&
                               static_cast<float>(d.value) == static_cast<float>(ProjectValue(support, in.field));
        if (unchanged)
            continue;
        // Each row is checked on its own, so that a refusal names its row.
        Study one;
        one.unitSystem = unitSystem;
        one.samples = MinStudySamples;
        one.inputs = {in};
        if (const std::optional<std::string> problem = StudyProblem(ResolvedStudy(one, support), unitSystem))
            return RowProblem(i, rows[i], unitSystem, *problem);
        study.inputs.push_back(in);
    }
    return study;
}

}  // namespace castovin
