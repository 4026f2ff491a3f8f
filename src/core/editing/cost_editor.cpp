#include "core/editing/cost_editor.h"

#include <cmath>
#include <limits>

#include "core/editing/validation.h"
#include "core/model/cost_analysis.h"
#include "core/text/messages.h"
#include "core/text/number_format.h"
#include "core/text/runtime_error.h"

namespace castovin {

namespace {

// A field by the lenient rule; beyond the float range it is not usable.
std::optional<double> Read(const std::string& text)
{
    const double v = FieldValue(text);
    return std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

std::optional<std::string> Shown(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return GeneralNumber(value);
}

}  // namespace

const std::array<CostFieldInfo, CostFieldCount>& CostFieldTable()
{
    using C = CostRecord;
    static const std::array<CostFieldInfo, CostFieldCount> table = {{
        {"Consumables", "Bolt cost ($/bolt)", UnitKind::None, &C::BoltCost, "Invalid cost per bolt"},
        {"Consumables", "Plate cost ($/plate)", UnitKind::None, &C::PlateCost, "Invalid cost per plate"},
        {"Consumables", "Resin cost ($/bolt)", UnitKind::None, &C::ResinCost, "Invalid cost per resin"},
        {"Consumables", "Bit cost ($/shift)", UnitKind::None, &C::BitCost, "Invalid cost per bit"},
        {"Consumables", "Header cost ($/bolt)", UnitKind::None, &C::HeaderCost, "Invalid header cost"},
        {"Consumables", "Strap/mesh cost ($/row)", UnitKind::None, &C::StrapCost, "Invalid strap/mesh cost"},
        {"Production", "Number of bolts installed per shift", UnitKind::None, &C::BoltsPerShift,
         "Invalid number of bolts per shift"},
        {"Production", "Number of bolts per row", UnitKind::None, &C::CostBoltsPerRow,
         "Invalid number of bolts per row"},
        {"Production", "Spacing between rows", UnitKind::Length, &C::CostRowSpacing, "Invalid bolt row spacing"},
        {"Operating Labor", "Number of operators/shift", UnitKind::None, &C::OperatorsPerShift,
         "Invalid number of operators per shift"},
        {"Operating Labor", "Total labor cost ($/hr)", UnitKind::None, &C::LaborCost,
         "Invalid total labor cost per shift"},
        {"Operating Labor", "Hours/shift", UnitKind::None, &C::HoursPerShift, "Invalid hours per shift"},
        {"Maintenance", "Preventative maintenance (labor hrs/day)", UnitKind::None, &C::MaintenanceHours,
         "Invalid maintenance hours"},
        {"Maintenance", "Maintenance supply cost ($/yr)", UnitKind::None, &C::MaintenanceCost,
         "Invalid maintenance cost"},
        {"Transportation", "Transportation of supplies ($/shift)", UnitKind::None, &C::TransportCost,
         "Invalid transportation cost"},
        {"Machine Ownership", "Capital cost for machine ($)", UnitKind::None, &C::CapitalCost,
         "Invalid machine capital cost"},
        {"Machine Ownership", "Years to depreciate", UnitKind::None, &C::YearsToDepreciate,
         "Invalid number of depreciation years"},
        {"Production", "Advance per shift ", UnitKind::Length, &C::AdvancePerShift, "Invalid advance per shift"},
        {"Production", "Advance: Clean tons per", UnitKind::AdvanceRate, &C::AdvanceRate, "Invalid advance rate"},
        {"Production", "Clean production per shift", UnitKind::ShortTons, &C::CleanProduction,
         "Invalid clean production"},
        {"Production", "Production shifts/week", UnitKind::None, &C::ShiftsPerWeek,
         "Invalid number of shifts per week"},
        {"Production", "Production weeks/year", UnitKind::None, &C::WeeksPerYear, "Invalid number of weeks per year"},
    }};
    return table;
}

CostFields CostFieldsFromCost(const CostRecord& cost)
{
    CostFields f;
    const auto& table = CostFieldTable();
    for (std::size_t i = 0; i < table.size(); ++i)
        f.text[i] = GeneralNumber(cost.*(table[i].member));
    f.useCalculatedAdvance = cost.UseCalculatedAdvance != 0;
    f.useCalculatedProduction = cost.UseCalculatedProduction != 0;
    return f;
}

std::optional<std::string> CalculatedAdvanceText(const std::string& boltsPerShift, const std::string& boltsPerRow,
                                                 const std::string& rowSpacing)
{
    const std::optional<double> spacing = Read(rowSpacing);
    if (!spacing || !(*spacing > 0))
        return std::nullopt;
    // The stored fields are floats, so the shown advance is computed from the
    // float values the texts would be saved as; an advance beyond the float
    // range leaves the shown text as it is.
    // The float is shown as a float, as the listing shows it.
    try {
        return GeneralNumber(CalculatedAdvance(static_cast<float>(Read(boltsPerShift).value_or(0)),
                                               static_cast<float>(Read(boltsPerRow).value_or(0)),
                                               static_cast<float>(*spacing)));
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

std::optional<std::string> CalculatedProductionText(const std::string& advance, const std::string& advanceRate)
{
    return Shown(Read(advance).value_or(0) * Read(advanceRate).value_or(0));
}

std::optional<std::size_t> ValidateCost(Messenger& messenger, const CostFields& fields)
{
    const auto& table = CostFieldTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const std::optional<double> value = Read(fields.text[i]);
        if (!value || *value < 0) {
            ShowMessage(messenger, table[i].negativeMessage, MsgButtons::OK);
            return i;
        }
    }
    return std::nullopt;
}

CostRecord CostFromFields(const CostFields& fields, const CostRecord& base)
{
    CostRecord cost = base;
    const auto& table = CostFieldTable();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (const std::optional<double> value = Read(fields.text[i]))
            cost.*(table[i].member) = static_cast<float>(*value);
    cost.UseCalculatedAdvance = fields.useCalculatedAdvance ? 1 : 0;
    cost.UseCalculatedProduction = fields.useCalculatedProduction ? 1 : 0;
    return cost;
}

}  // namespace castovin
