#pragma once
// The cost of roof bolting per bolt, foot of advance, shift and ton of clean
// production, from a project's (or an editor's) cost record.

#include <array>
#include <string>

#include "core/model/project.h"

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

// The TOTAL row of ComputeCostTable for many patterns of one cost record,
// whose bolt cost, bolts per row and row spacing are given per pattern: the
// terms of the record alone are worked out once. Bit for bit the values of
// ComputeCostTable, and error 6 exactly when it raises one.
class PatternCost {
public:
    explicit PatternCost(const CostRecord& cost);
    std::array<float, 4> Total(float boltCost, float boltsPerRow, float rowSpacing) const;

private:
    CostRecord m_cost;
    float m_W = 0;
    bool m_WFaults = false;
    double m_bitPerBolt = 0;
    std::array<float, 4> m_fixed{};  // $/bolt of labor, maintenance, transportation, ownership
    bool m_fixedFaults = false;
};
// The second column is the cost per length of the project's unit system:
// "$/ft" in English, "$/m" in metric.
std::string CostReportText(const CostTable& table, UnitSystem unitSystem);

}  // namespace castovin
