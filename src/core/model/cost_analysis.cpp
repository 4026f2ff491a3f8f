#include "core/model/cost_analysis.h"

#include "core/model/formulas.h"
#include "core/text/number_format.h"
#include "core/text/runtime_error.h"
#include "core/text/text_format.h"

namespace castovin {

namespace {

enum Row { Consumables, Labor, Maintenance, Transportation, Ownership, Total };

}  // namespace

float CalculatedAdvance(float boltsPerShift, float boltsPerRow, float rowSpacing)
{
    if (!(boltsPerRow > 0) || !(rowSpacing > 0))
        return 0;
    return ToFloat(double(boltsPerShift) / boltsPerRow * rowSpacing);
}

float CalculatedAdvance(const CostRecord& c)
{
    return CalculatedAdvance(c.BoltsPerShift, c.CostBoltsPerRow, c.CostRowSpacing);
}

float CalculatedProduction(const CostRecord& c, float advance)
{
    return ToFloat(double(advance) * c.AdvanceRate);
}

CostTable ComputeCostTable(const CostRecord& c)
{
    const double Nb = c.CostBoltsPerRow;
    const double S = c.CostRowSpacing;
    const double Ns = c.BoltsPerShift;
    const float W = ToFloat(double(c.ShiftsPerWeek) * c.WeeksPerYear);
    const float advance = CalculatedAdvance(c);
    const float production = CalculatedProduction(c, advance);

    CostTable t{};
    if (Nb > 0 && Ns > 0) {
        t[Consumables][0] =
            ToFloat(double(c.BoltCost) + c.PlateCost + c.ResinCost + c.HeaderCost + c.BitCost / Ns + c.StrapCost / Nb);
        t[Labor][0] = ToFloat(double(c.LaborCost) * c.OperatorsPerShift * c.HoursPerShift / Ns);
        if (W > 0)
            t[Maintenance][0] =
                ToFloat((double(c.LaborCost) * c.MaintenanceHours * c.WeeksPerYear + c.MaintenanceCost) / W / Ns);
        t[Transportation][0] = ToFloat(c.TransportCost / Ns);
        if (c.YearsToDepreciate > 0 && W > 0)
            t[Ownership][0] = ToFloat(double(c.CapitalCost) / c.YearsToDepreciate / W / Ns);
    }
    for (int r = Consumables; r <= Ownership; ++r) {
        auto& row = t[static_cast<std::size_t>(r)];
        if (S > 0)
            row[1] = ToFloat(Nb * row[0] / S);
        row[2] = ToFloat(Ns * row[0]);
    }
    const float P = c.UseCalculatedProduction == 1 ? production : c.CleanProduction;
    if (P > 0)
        for (int r = Consumables; r <= Ownership; ++r)
            t[static_cast<std::size_t>(r)][3] = ToFloat(double(t[static_cast<std::size_t>(r)][2]) / P);
    for (std::size_t col = 0; col < 4; ++col)
        t[Total][col] = ToFloat(double(t[Labor][col]) + t[Consumables][col] + t[Maintenance][col] +
                                t[Transportation][col] + t[Ownership][col]);
    return t;
}

PatternCost::PatternCost(const CostRecord& c) : m_cost(c)
{
    const double Ns = c.BoltsPerShift;
    try {
        m_W = ToFloat(double(c.ShiftsPerWeek) * c.WeeksPerYear);
    } catch (const RuntimeError&) {
        m_WFaults = true;
        return;
    }
    if (!(Ns > 0))
        return;
    m_bitPerBolt = c.BitCost / Ns;
    try {
        m_fixed[0] = ToFloat(double(c.LaborCost) * c.OperatorsPerShift * c.HoursPerShift / Ns);
        if (m_W > 0)
            m_fixed[1] =
                ToFloat((double(c.LaborCost) * c.MaintenanceHours * c.WeeksPerYear + c.MaintenanceCost) / m_W / Ns);
        m_fixed[2] = ToFloat(c.TransportCost / Ns);
        if (c.YearsToDepreciate > 0 && m_W > 0)
            m_fixed[3] = ToFloat(double(c.CapitalCost) / c.YearsToDepreciate / m_W / Ns);
    } catch (const RuntimeError&) {
        m_fixedFaults = true;
    }
}

std::array<float, 4> PatternCost::Total(float boltCost, float boltsPerRow, float rowSpacing) const
{
    // ComputeCostTable's operations in its order, on the record's terms.
    const CostRecord& c = m_cost;
    if (m_WFaults)
        RaiseOverflow();
    const double Nb = boltsPerRow;
    const double S = rowSpacing;
    const double Ns = c.BoltsPerShift;
    const float advance = CalculatedAdvance(c.BoltsPerShift, boltsPerRow, rowSpacing);
    const float production = ToFloat(double(advance) * c.AdvanceRate);
    CostTable t{};
    if (Nb > 0 && Ns > 0) {
        t[Consumables][0] =
            ToFloat(double(boltCost) + c.PlateCost + c.ResinCost + c.HeaderCost + m_bitPerBolt + c.StrapCost / Nb);
        if (m_fixedFaults)
            RaiseOverflow();
        for (std::size_t r = Labor; r <= Ownership; ++r)
            t[r][0] = m_fixed[r - Labor];
    }
    const float P = c.UseCalculatedProduction == 1 ? production : c.CleanProduction;
    for (std::size_t r = Consumables; r <= Ownership; ++r) {
        if (S > 0)
            t[r][1] = ToFloat(Nb * t[r][0] / S);
        t[r][2] = ToFloat(Ns * t[r][0]);
        if (P > 0)
            t[r][3] = ToFloat(double(t[r][2]) / P);
    }
    std::array<float, 4> total{};
    for (std::size_t col = 0; col < 4; ++col)
        total[col] = ToFloat(double(t[Labor][col]) + t[Consumables][col] + t[Maintenance][col] +
                             t[Transportation][col] + t[Ownership][col]);
    return total;
}

std::string CostReportText(const CostTable& t, UnitSystem unitSystem)
{
    static constexpr const char* kLabels[6] = {
        "Consumables Cost:      ", "Operating Labor Cost:  ", "Maintenance Cost:      ",
        "Transportation Cost:   ", "Machine Ownership Cost:", "TOTAL COST:            "};
    std::string out = "[VELB COST CALCULATIONS]\r\n\r\n";
    out += "OUTPUT TABLE           ";
    for (const char* title : {"$/Bolt", unitSystem == UnitSystem::Metric ? "$/m" : "$/ft", "$/shift", "$/ton"})
        out += AlignRight(title, 10);
    out += "\r\n";
    for (std::size_t r = 0; r < t.size(); ++r) {
        out += kLabels[r];
        for (float value : t[r])
            out += AlignRight(FormatNumber(value, "0.00"), 10);
        out += "\r\n";
    }
    return out;
}

}  // namespace castovin
