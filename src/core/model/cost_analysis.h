#pragma once
// The cost of roof bolting per bolt, foot of advance, shift and ton of clean
// production, from the work copy WorkCost.

#include <array>
#include <string>

#include "model/project.h"

namespace castovin {

// Calculated advance per shift: (bolts per row / row spacing) x bolts per
// shift, 0 when the row spacing is not above 0.
float CalculatedAdvance(const CostRecord& cost);
// Calculated clean production per shift: advance x advance rate.
float CalculatedProduction(const CostRecord& cost, float advance);

// Rows: consumables, operating labor, maintenance, transportation, machine
// ownership, total. Columns: $/bolt, $/ft, $/shift, $/ton.
using CostTable = std::array<std::array<float, 4>, 6>;

CostTable ComputeCostTable(const CostRecord& cost);
std::string CostReportText(const CostTable& table);

}  // namespace castovin
