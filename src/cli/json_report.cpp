#include "json_report.h"

#include <charconv>

#include "model/cost_analysis.h"
#include "model/design_analysis.h"
#include "tools/unit_calculator.h"

namespace castovin {

using nlohmann::json;

json JsonNumber(float value)
{
    char text[32];
    const auto result = std::to_chars(std::begin(text), std::end(text), value);
    return std::stod(std::string(text, result.ptr));
}

std::string JsonUnitName(int kind, UnitSystem unitSystem)
{
    std::string_view label = UnitLabel(kind, unitSystem);
    if (label.size() >= 3 && label.substr(0, 2) == " (" && label.back() == ')')
        label = label.substr(2, label.size() - 3);
    return std::string(label);
}

namespace {

json Quantity(float value, int kind, UnitSystem unitSystem)
{
    return {{"value", JsonNumber(value)}, {"unit", JsonUnitName(kind, unitSystem)}};
}

json SystemInputs(const SupportRecord& s, UnitSystem u)
{
    using namespace UnitKind;
    return {{"boltLength", Quantity(s.ActualBoltLength, Length, u)},
            {"boltDiameter", Quantity(s.BoltDiameter, Diameter, u)},
            {"boltGrade", Quantity(s.BoltGrade, Grade, u)},
            {"boltsPerRow", JsonNumber(s.BoltsPerRow)},
            {"rowSpacing", Quantity(s.RowSpacing, Length, u)}};
}

json SupportInputs(const Project& p)
{
    using namespace UnitKind;
    const UnitSystem u = p.UnitSystem;
    const SupportRecord& s0 = p.Support[0];
    const SupportRecord& s1 = p.Support[1];
    json inputs = {{"cmrr", s0.CMRR},
                   {"depthOfCover", Quantity(s0.DepthofCover, Length, u)},
                   {"unitWeight", Quantity(s0.UnitWeight, UnitWeight, u)},
                   {"stabilityFactor", JsonNumber(s0.StabilityFactor)},
                   {"actualIntersectionSpan", Quantity(s0.ActualInterSpan, Length, u)},
                   {"entryWidth", Quantity(s0.EntryWidth, Length, u)},
                   {"numberOfSystems", s0.NumberOfSystems},
                   {"systems", json::array({SystemInputs(s0, u)})}};
    if (s0.NumberOfSystems == 2) {
        json second = SystemInputs(s1, u);
        second["type"] = s0.SecondSystemType == 0 ? "roof-bolts" : "cable-bolts";
        second["location"] = s0.SecondSystemLocation == 0 ? "entire-entry" : "intersections-only";
        second["boltsPerIntersection"] = s1.BoltsPerIntersection;
        second["cableBoltCapacity"] = Quantity(s1.CableBoltCapacity, CableCapacityListing, u);
        inputs["systems"].push_back(second);
    }
    return inputs;
}

json Verdict(const std::string& code, const std::string& text)
{
    return {{"code", code}, {"text", text}};
}

std::string BoltLengthCode(float difference)
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

std::string DesignCode(const DesignResults& r)
{
    if (r.designVerdict.empty())
        return "none";
    return r.designVerdict.rfind("WARNING", 0) == 0 ? "actual-below-suggested" : "ok";
}

json SecondSystemResults(const DesignResults& r, UnitSystem u)
{
    static constexpr const char* kCase[4] = {"entire-entry-bolts", "entire-entry-cables", "intersection-bolts",
                                             "intersection-cables"};
    const auto j = static_cast<std::size_t>(r.secondLocation * 2 + r.secondType);
    json out = {{"case", kCase[j]}, {"rockLoadHeight", Quantity(r.rockLoadHeight[j], UnitKind::Length, u)}};
    out["systemCapacity"] = j < 2 ? Quantity(r.systemCapacity[j], UnitKind::SystemCapacity, u) : json();
    return out;
}

json DesignResultsJson(const DesignResults& r, UnitSystem u)
{
    const std::size_t systems = r.numberOfSystems == 2 ? 2 : 1;
    json out = {
        {"suggestedSpan", Quantity(r.suggestedSpan, UnitKind::Length, u)},
        {"actualSpan", Quantity(r.actualSpan, UnitKind::Length, u)},
        {"spanVerdict", Verdict(r.actualSpan > r.suggestedSpan ? "span-exceeds-suggested" : "ok", r.spanVerdict)},
        {"suggestedBoltLength", Quantity(r.suggestedBoltLength, UnitKind::Length, u)},
        {"suggestedVELB", JsonNumber(r.suggestedVELB)},
        {"designVerdict", Verdict(DesignCode(r), r.designVerdict)}};
    json actual = json::array(), capacity = json::array(), lengths = json::array();
    for (std::size_t i = 0; i < systems; ++i) {
        actual.push_back(JsonNumber(r.actualVELB[i]));
        capacity.push_back(Quantity(r.boltCapacity[i], UnitKind::BoltCapacity, u));
        lengths.push_back(Verdict(BoltLengthCode(r.boltLengthDifference[i]), r.boltLengthVerdict[i]));
    }
    out["actualVELB"] = actual;
    out["boltCapacity"] = capacity;
    out["boltLengthVerdicts"] = lengths;
    if (systems == 2)
        out["secondSystem"] = SecondSystemResults(r, u);
    return out;
}

json Header(const Project& p, const std::string& file, const char* report)
{
    return {{"report", report},
            {"file", file},
            {"unitSystem", p.UnitSystem == UnitSystem::Metric ? "metric" : "english"},
            {"title", p.ProjectTitle},
            {"description", p.ProjectDescription}};
}

json CostInputs(const CostRecord& c, UnitSystem u)
{
    using namespace UnitKind;
    const float advance = CalculatedAdvance(c);
    return {{"boltCost", JsonNumber(c.BoltCost)},
            {"plateCost", JsonNumber(c.PlateCost)},
            {"resinCost", JsonNumber(c.ResinCost)},
            {"bitCost", JsonNumber(c.BitCost)},
            {"headerCost", JsonNumber(c.HeaderCost)},
            {"strapCost", JsonNumber(c.StrapCost)},
            {"operatorsPerShift", JsonNumber(c.OperatorsPerShift)},
            {"laborCost", JsonNumber(c.LaborCost)},
            {"hoursPerShift", JsonNumber(c.HoursPerShift)},
            {"maintenanceHours", JsonNumber(c.MaintenanceHours)},
            {"maintenanceCost", JsonNumber(c.MaintenanceCost)},
            {"transportCost", JsonNumber(c.TransportCost)},
            {"capitalCost", JsonNumber(c.CapitalCost)},
            {"yearsToDepreciate", JsonNumber(c.YearsToDepreciate)},
            {"boltsPerShift", JsonNumber(c.BoltsPerShift)},
            {"boltsPerRow", JsonNumber(c.CostBoltsPerRow)},
            {"rowSpacing", Quantity(c.CostRowSpacing, Length, u)},
            {"calculatedAdvancePerShift", Quantity(advance, Length, u)},
            {"inputAdvancePerShift", Quantity(c.AdvancePerShift, Length, u)},
            {"useCalculatedAdvance", c.UseCalculatedAdvance == 1},
            {"cleanProductionRate", Quantity(c.AdvanceRate, AdvanceRate, u)},
            {"calculatedCleanProduction", Quantity(CalculatedProduction(c, advance), ShortTons, u)},
            {"inputCleanProduction", Quantity(c.CleanProduction, ShortTons, u)},
            {"useCalculatedProduction", c.UseCalculatedProduction == 1},
            {"shiftsPerWeek", JsonNumber(c.ShiftsPerWeek)},
            {"weeksPerYear", JsonNumber(c.WeeksPerYear)}};
}

}  // namespace

json DesignJson(const Project& project, const std::string& file)
{
    const DesignResults r = ComputeDesign(project.Support, project.UnitSystem);
    json out = Header(project, file, "design");
    out["inputs"] = SupportInputs(project);
    out["applicable"] = r.suitable;
    out["suitability"] = Verdict(r.suitable ? "beam-building" : "roof-too-strong", SuitabilityText(r.suitable));
    out["results"] = r.suitable ? DesignResultsJson(r, project.UnitSystem) : json();
    return out;
}

json CostJson(const Project& project, const std::string& file)
{
    static constexpr const char* kRows[6] = {"consumables",    "operatingLabor",   "maintenance",
                                             "transportation", "machineOwnership", "total"};
    const CostTable table = ComputeCostTable(project.Cost);
    const bool metric = project.UnitSystem == UnitSystem::Metric;
    json out = Header(project, file, "cost");
    out["inputs"] = CostInputs(project.Cost, project.UnitSystem);
    json rows = json::object();
    for (std::size_t i = 0; i < table.size(); ++i)
        rows[kRows[i]] = {{"perBolt", JsonNumber(table[i][0])},
                          {metric ? "perMetre" : "perFoot", JsonNumber(table[i][1])},
                          {"perShift", JsonNumber(table[i][2])},
                          {"perTon", JsonNumber(table[i][3])}};
    out["costTable"] = rows;
    return out;
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
