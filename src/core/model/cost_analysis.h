#pragma once
// The cost of roof bolting per bolt, foot of advance, shift and ton of clean
// production, from the work copy WorkCost.

#include <array>
#include <string>

#include "model/project.h"

namespace castovin {

// Calculated advance per shift: the rows bolted in a shift (bolts per shift /
// bolts per row) times the row spacing, evaluated in that order in double and
// rounded to float; 0 unless bolts per row and row spacing are both above 0.
// The analysis, the listing and the cost editor all use this one expression.
float CalculatedAdvance(float boltsPerShift, float boltsPerRow, float rowSpacing);
// The same from a cost record's BoltsPerShift, CostBoltsPerRow and CostRowSpacing.
float CalculatedAdvance(const CostRecord& cost);
// Calculated clean production per shift: advance x advance rate.
float CalculatedProduction(const CostRecord& cost, float advance);

// Rows: consumables, operating labor, maintenance, transportation, machine
// ownership, total. Columns: $/bolt, $/ft, $/shift, $/ton.
using CostTable = std::array<std::array<float, 4>, 6>;

CostTable ComputeCostTable(const CostRecord& cost);
// The second column is the cost per length of the project's unit system:
// "$/ft" in English, "$/m" in metric.
std::string CostReportText(const CostTable& table, UnitSystem unitSystem);

}  // namespace castovin
