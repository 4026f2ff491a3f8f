#include "cli/json_report.h"

#include <charconv>

#include "cli/json_writer.h"
#include "core/model/cost_analysis.h"
#include "core/model/design_analysis.h"
#include "core/tools/unit_calculator.h"

namespace castovin {

using nlohmann::json;

json JsonNumber(float value)
{
    char text[32];
    const auto result = std::to_chars(std::begin(text), std::end(text), value);
    return std::stod(std::string(text, result.ptr));
}

std::string JsonUnitName(UnitKind kind, UnitSystem unitSystem)
{
    std::string_view label = UnitLabel(kind, unitSystem);
    if (label.size() >= 3 && label.substr(0, 2) == " (" && label.back() == ')')
        label = label.substr(2, label.size() - 3);
    return std::string(label);
}

namespace {

// Every object below writes its members in name order (see JsonWriter).

void Quantity(JsonWriter& w, float value, UnitKind kind, UnitSystem unitSystem)
{
    w.BeginObject();
    w.Key("unit").String(JsonUnitName(kind, unitSystem));
    w.Key("value").Number(value);
    w.EndObject();
}

void SystemInputs(JsonWriter& w, const SupportRecord& s, const SupportRecord* second, const SupportRecord& s0,
                  UnitSystem u)
{
    using enum UnitKind;
    w.BeginObject();
    Quantity(w.Key("boltDiameter"), s.BoltDiameter, Diameter, u);
    Quantity(w.Key("boltGrade"), s.BoltGrade, Grade, u);
    Quantity(w.Key("boltLength"), s.ActualBoltLength, Length, u);
    if (second != nullptr)
        w.Key("boltsPerIntersection").Integer(s.BoltsPerIntersection);
    w.Key("boltsPerRow").Number(s.BoltsPerRow);
    if (second != nullptr) {
        Quantity(w.Key("cableBoltCapacity"), s.CableBoltCapacity, CableCapacityListing, u);
        w.Key("location").String(s0.SecondSystemLocation == 0 ? "entire-entry" : "intersections-only");
    }
    Quantity(w.Key("rowSpacing"), s.RowSpacing, Length, u);
    if (second != nullptr)
        w.Key("type").String(s0.SecondSystemType == 0 ? "roof-bolts" : "cable-bolts");
    w.EndObject();
}

void SupportInputs(JsonWriter& w, const Project& p)
{
    using enum UnitKind;
    const UnitSystem u = p.units;
    const SupportRecord& s0 = p.Support[0];
    w.BeginObject();
    Quantity(w.Key("actualIntersectionSpan"), s0.ActualInterSpan, Length, u);
    w.Key("cmrr").Integer(s0.CMRR);
    Quantity(w.Key("depthOfCover"), s0.DepthofCover, Length, u);
    Quantity(w.Key("entryWidth"), s0.EntryWidth, Length, u);
    w.Key("numberOfSystems").Integer(s0.NumberOfSystems);
    w.Key("stabilityFactor").Number(s0.StabilityFactor);
    w.Key("systems").BeginArray();
    SystemInputs(w, s0, nullptr, s0, u);
    if (s0.NumberOfSystems == 2)
        SystemInputs(w, p.Support[1], &p.Support[1], s0, u);
    w.EndArray();
    Quantity(w.Key("unitWeight"), s0.UnitWeight, UnitWeight, u);
    w.EndObject();
}

void Verdict(JsonWriter& w, std::string_view code, std::string_view text)
{
    w.BeginObject();
    w.Key("code").String(code);
    w.Key("text").String(text);
    w.EndObject();
}

const char* BoltLengthCode(float difference)
{
    switch (BoltLengthFitOf(difference)) {
    case BoltLengthFit::Shorter:
        return "shorter-than-suggested";
    case BoltLengthFit::Longer:
        return "longer-than-suggested";
    case BoltLengthFit::Ok:
        break;
    }
    return "ok";
}

const char* DesignCode(const DesignResults& r)
{
    if (r.designVerdict.empty())
        return "none";
    return r.designVerdict.rfind("WARNING", 0) == 0 ? "actual-below-suggested" : "ok";
}

void SecondSystemResults(JsonWriter& w, const DesignResults& r, UnitSystem u)
{
    static constexpr const char* kCase[4] = {"entire-entry-bolts", "entire-entry-cables", "intersection-bolts",
                                             "intersection-cables"};
    const auto j = static_cast<std::size_t>(r.secondLocation * 2 + r.secondType);
    w.BeginObject();
    w.Key("case").String(kCase[j]);
    Quantity(w.Key("rockLoadHeight"), r.rockLoadHeight[j], UnitKind::Length, u);
    if (j < 2)
        Quantity(w.Key("systemCapacity"), r.systemCapacity[j], UnitKind::SystemCapacity, u);
    else
        w.Key("systemCapacity").Null();
    w.EndObject();
}

void DesignResultsJson(JsonWriter& w, const DesignResults& r, UnitSystem u)
{
    const std::size_t systems = r.numberOfSystems == 2 ? 2 : 1;
    w.BeginObject();
    Quantity(w.Key("actualSpan"), r.actualSpan, UnitKind::Length, u);
    w.Key("actualVELB").BeginArray();
    for (std::size_t i = 0; i < systems; ++i)
        w.Number(r.actualVELB[i]);
    w.EndArray();
    w.Key("boltCapacity").BeginArray();
    for (std::size_t i = 0; i < systems; ++i)
        Quantity(w, r.boltCapacity[i], UnitKind::BoltCapacity, u);
    w.EndArray();
    w.Key("boltLengthVerdicts").BeginArray();
    for (std::size_t i = 0; i < systems; ++i)
        Verdict(w, BoltLengthCode(r.boltLengthDifference[i]), r.boltLengthVerdict[i]);
    w.EndArray();
    Verdict(w.Key("designVerdict"), DesignCode(r), r.designVerdict);
    if (systems == 2)
        SecondSystemResults(w.Key("secondSystem"), r, u);
    Verdict(w.Key("spanVerdict"), r.actualSpan > r.suggestedSpan ? "span-exceeds-suggested" : "ok", r.spanVerdict);
    Quantity(w.Key("suggestedBoltLength"), r.suggestedBoltLength, UnitKind::Length, u);
    Quantity(w.Key("suggestedSpan"), r.suggestedSpan, UnitKind::Length, u);
    w.Key("suggestedVELB").Number(r.suggestedVELB);
    w.EndObject();
}

// The members of the header that sort before "file" and those from
// "report" on come in two parts around the report's own members.
void HeaderStart(JsonWriter& w, const Project& p, const std::string& file)
{
    w.Key("description").String(p.ProjectDescription);
    w.Key("file").String(file);
}

void HeaderEnd(JsonWriter& w, const Project& p)
{
    w.Key("title").String(p.ProjectTitle);
    w.Key("unitSystem").String(p.units == UnitSystem::Metric ? "metric" : "english");
}

void CostInputs(JsonWriter& w, const CostRecord& c, UnitSystem u)
{
    using enum UnitKind;
    const float advance = CalculatedAdvance(c);
    w.BeginObject();
    w.Key("bitCost").Number(c.BitCost);
    w.Key("boltCost").Number(c.BoltCost);
    w.Key("boltsPerRow").Number(c.CostBoltsPerRow);
    w.Key("boltsPerShift").Number(c.BoltsPerShift);
    Quantity(w.Key("calculatedAdvancePerShift"), advance, Length, u);
    Quantity(w.Key("calculatedCleanProduction"), CalculatedProduction(c, advance), ShortTons, u);
    w.Key("capitalCost").Number(c.CapitalCost);
    Quantity(w.Key("cleanProductionRate"), c.AdvanceRate, AdvanceRate, u);
    w.Key("headerCost").Number(c.HeaderCost);
    w.Key("hoursPerShift").Number(c.HoursPerShift);
    Quantity(w.Key("inputAdvancePerShift"), c.AdvancePerShift, Length, u);
    Quantity(w.Key("inputCleanProduction"), c.CleanProduction, ShortTons, u);
    w.Key("laborCost").Number(c.LaborCost);
    w.Key("maintenanceCost").Number(c.MaintenanceCost);
    w.Key("maintenanceHours").Number(c.MaintenanceHours);
    w.Key("operatorsPerShift").Number(c.OperatorsPerShift);
    w.Key("plateCost").Number(c.PlateCost);
    w.Key("resinCost").Number(c.ResinCost);
    Quantity(w.Key("rowSpacing"), c.CostRowSpacing, Length, u);
    w.Key("shiftsPerWeek").Number(c.ShiftsPerWeek);
    w.Key("strapCost").Number(c.StrapCost);
    w.Key("transportCost").Number(c.TransportCost);
    w.Key("useCalculatedAdvance").Bool(c.UseCalculatedAdvance == 1);
    w.Key("useCalculatedProduction").Bool(c.UseCalculatedProduction == 1);
    w.Key("weeksPerYear").Number(c.WeeksPerYear);
    w.Key("yearsToDepreciate").Number(c.YearsToDepreciate);
    w.EndObject();
}

}  // namespace

std::string DesignJson(const Project& project, const std::string& file)
{
    const DesignResults r = ComputeDesign(project.Support, project.units);
    JsonWriter w;
    w.BeginObject();
    w.Key("applicable").Bool(r.suitable);
    HeaderStart(w, project, file);
    SupportInputs(w.Key("inputs"), project);
    w.Key("report").String("design");
    if (r.suitable)
        DesignResultsJson(w.Key("results"), r, project.units);
    else
        w.Key("results").Null();
    Verdict(w.Key("suitability"), r.suitable ? "beam-building" : "roof-too-strong", SuitabilityText(r.suitable));
    HeaderEnd(w, project);
    w.EndObject();
    return w.Take();
}

std::string CostJson(const Project& project, const std::string& file)
{
    // In name order, with the row each stands for.
    static constexpr std::pair<const char*, std::size_t> kRows[6] = {{"consumables", 0}, {"machineOwnership", 4},
                                                                     {"maintenance", 2}, {"operatingLabor", 1},
                                                                     {"total", 5},       {"transportation", 3}};
    const CostTable table = ComputeCostTable(project.Cost);
    const bool metric = project.units == UnitSystem::Metric;
    JsonWriter w;
    w.BeginObject();
    w.Key("costTable").BeginObject();
    for (const auto& [name, i] : kRows) {
        w.Key(name).BeginObject();
        w.Key("perBolt").Number(table[i][0]);
        w.Key(metric ? "perMetre" : "perFoot").Number(table[i][1]);
        w.Key("perShift").Number(table[i][2]);
        w.Key("perTon").Number(table[i][3]);
        w.EndObject();
    }
    w.EndObject();
    HeaderStart(w, project, file);
    CostInputs(w.Key("inputs"), project.Cost, project.units);
    w.Key("report").String("cost");
    HeaderEnd(w, project);
    w.EndObject();
    return w.Take();
}

json UnitsJson(double value, const std::string& unit)
{
    const std::optional<castovin::UnitName> name = FindUnit(unit);
    const auto& captions = UnitCaptions(name->kind);
    json conversions = json::array();
    for (std::size_t to = 0; to < captions.size(); ++to)
        conversions.push_back(
            {{"unit", captions[to]}, {"value", ConvertUnits(name->kind, name->index, static_cast<int>(to), value)}});
    return {{"value", value}, {"unit", unit}, {"conversions", conversions}};
}

}  // namespace castovin
