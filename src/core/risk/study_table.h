#pragma once
// A study as the probabilistic analysis window's table holds it: one row per
// input the project uses, each with a distribution and its parameters as
// typed. The table is read into a Study by the rules of the study file, and
// a refusal names the row and the cell at fault.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/risk/study.h"

namespace castovin {

// The inputs the parameters editor shows for the project, in field order:
// the second system's only when there are two, its cable capacity in place
// of diameter and grade for cable bolts, and bolts per intersection in place
// of bolts per row and row spacing for a system at intersections only.
std::vector<StudyField> OfferedFields(const std::array<SupportRecord, 2>& support);

// The parameters a distribution takes, in the table's order: "value";
// "mean", "sd"; "min", "max"; "min", "mode", "max".
std::vector<std::string> ParameterNames(DistributionKind kind);

// The cells of a row after the input and its project value.
enum class StudyCell { Distribution, First, Second, Third, Low, High };

struct StudyRow {
    StudyField field = StudyField::CMRR;
    DistributionKind kind = DistributionKind::Fixed;
    std::array<std::string, 3> parameters;  // as typed; "-" as a mean is the project's value
    std::string low;                        // the truncation: both ends or neither
    std::string high;
};

// One row per offered field, fixed at the project's value.
std::vector<StudyRow> DefaultRows(const std::array<SupportRecord, 2>& support);

// A cell that cannot be read: its row and cell, and the message, which
// names the input ("Depth of Cover (ft): sd must be above 0").
struct StudyRowProblem {
    std::size_t row = 0;
    StudyCell cell = StudyCell::First;
    std::string message;
};

// The study of the rows. A fixed row at the project's value varies nothing
// and is left out; numbers are read as the study file reads them. The study
// is checked as `castovin-cli risk` checks one (StudyProblem), on the
// project.
std::variant<Study, StudyRowProblem> StudyFromRows(const std::vector<StudyRow>& rows,
                                                   const std::array<SupportRecord, 2>& support, UnitSystem unitSystem);

// The rows of a study read from a file: the project's rows with the study's
// inputs put in, or why the study does not fit the project ("KEY: REASON",
// as castovin-cli risk says it, or "inputs.NAME: not an input of this
// project" for an input the parameters editor does not show for it).
std::variant<std::vector<StudyRow>, std::string>
RowsOfStudy(const Study& study, const std::array<SupportRecord, 2>& support, UnitSystem unitSystem);

}  // namespace castovin
