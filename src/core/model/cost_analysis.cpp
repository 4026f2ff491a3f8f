#include "model/cost_analysis.h"

#include "model/formulas.h"
#include "text/number_format.h"
#include "text/text_format.h"

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
