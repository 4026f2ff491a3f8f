#include "core/model/report_assembly.h"

#include "core/model/cost_analysis.h"
#include "core/model/report_lines.h"
#include "core/text/description.h"
#include "core/text/number_format.h"
#include "core/text/text_format.h"

namespace castovin {

namespace {

constexpr int kProjectFileWrapWidth = 70;

class Listing {
public:
    explicit Listing(UnitSystem unitSystem) : m_unitSystem(unitSystem) {}

    void Line(std::string_view text, int lineEnds = 1)
    {
        m_text += text;
        End(lineEnds);
    }
    template <typename Number>
    void Value(std::string_view label, Number value, UnitKind kind = UnitKind::None, int lineEnds = 1)
    {
        m_text += ValueLine(label, GeneralNumber(value),
                            kind == UnitKind::None ? std::string_view() : UnitLabel(kind, m_unitSystem));
        End(lineEnds);
    }
    // A label and a text after the dots.
    void Text(std::string_view label, std::string_view text) { Line(ValueLine(label, text)); }
    // A cost section: a blank line, then its title.
    void Section(std::string_view title)
    {
        End();
        Line(title);
    }
    void End(int lineEnds = 1)
    {
        for (int i = 0; i < lineEnds; ++i)
            m_text += "\r\n";
    }
    std::string& Text() { return m_text; }

private:
    UnitSystem m_unitSystem;
    std::string m_text;
};

void Header(const Project& project, Listing& out, bool costListing)
{
    out.Line("VELB module build: " + VersionText());
    const std::string fileLine = "Project File: " + project.ProjectFilePath;
    if (costListing) {
        out.Line(fileLine);
    } else {
        out.Text() += WrapText(fileLine, kProjectFileWrapWidth);
        out.End();
    }
    out.Line("Input Units: " + std::string(UnitLabel(UnitKind::Length, project.units)) +
                 std::string(UnitLabel(UnitKind::Stress, project.units)),
             2);
}

// `description` is the project's description as normalised for the listing.
void CommonPart(const Project& project, std::string_view description, Listing& out)
{
    out.Line("[PROJECT TITLE]");
    out.Line(project.ProjectTitle, 2);
    out.Line("[PROJECT DESCRIPTION]");
    out.Line(description, 2);
}

std::string NormalisedDescription(const Project& project)
{
    std::string description = project.ProjectDescription;
    NormaliseDescription(description);
    return description;
}

void SupportInputs(const std::array<SupportRecord, 2>& support, Listing& out)
{
    using enum UnitKind;
    const SupportRecord& s0 = support[0];
    const SupportRecord& s1 = support[1];
    out.Line("[SUPPORT PARAMETERS]");
    out.Value("Stability Factor", s0.StabilityFactor);
    out.Value("Number of Bolt Systems", s0.NumberOfSystems, UnitKind::None, 2);
    out.Line("[SUPPORT (BOLT) SYSTEM #1]");
    out.Value("Actual Bolt Length", s0.ActualBoltLength, Length);
    out.Value("Bolt Diameter", s0.BoltDiameter, Diameter);
    out.Value("Bolt Grade", s0.BoltGrade, Grade);
    out.Value("Number of Bolts per Row", s0.BoltsPerRow);
    out.Value("Row Spacing", s0.RowSpacing, Length, 2);
    if (s0.NumberOfSystems == 2) {
        out.Line("[Second Bolt System Parameters]");
        out.Text("Second System Type", SystemTypeName(s0.SecondSystemType));
        out.Text("Second System Location", SystemLocationName(s0.SecondSystemLocation));
        out.Line("[SUPPORT (BOLT) SYSTEM #2]");
        out.Value("Actual Bolt Length", s1.ActualBoltLength, Length);
        if (s0.SecondSystemType != 0) {
            out.Value("Cable Bolt Capacity", s1.CableBoltCapacity, CableCapacityListing);
        } else {
            out.Value("Bolt Diameter", s1.BoltDiameter, Diameter);
            out.Value("Bolt Grade", s1.BoltGrade, Grade);
        }
        if (s0.SecondSystemLocation != 0) {
            out.Value("Number of Bolts per Intersection", s1.BoltsPerIntersection, UnitKind::None, 2);
        } else {
            out.Value("Number of Bolts per Row", s1.BoltsPerRow);
            out.Value("Row Spacing", s1.RowSpacing, Length, 2);
        }
    }
    out.Line("[GEOLOGY PARAMETERS]");
    out.Value("CMRR", s0.CMRR);
    out.Value("Depth of Cover", s0.DepthofCover, Length);
    out.Value("Unit Weight of Rock", s0.UnitWeight, UnitKind::UnitWeight, 2);
    out.Line("[MINING PARAMETERS]");
    out.Value("Actual Intersection Span", s0.ActualInterSpan, Length);
    out.Value("Entry Width", s0.EntryWidth, Length);
    out.End(2);
}

void CostInputs(const CostRecord& c, Listing& out)
{
    using enum UnitKind;
    const float advance = CalculatedAdvance(c);
    const float production = CalculatedProduction(c, advance);
    out.End();
    out.Line("[COST PARAMETERS]");
    out.Line("[CONSUMABLES COST]");
    out.Value("Bolt cost ($/bolt)", c.BoltCost);
    out.Value("Plate cost ($/plate)", c.PlateCost);
    out.Value("Resin cost ($/bolt)", c.ResinCost);
    out.Value("Bit cost ($/shift)", c.BitCost);
    out.Value("Header cost ($/bolt)", c.HeaderCost);
    out.Value("Strap/mesh cost ($/row)", c.StrapCost);
    out.Section("[OPERATING LABOR COST]");
    out.Value("Number of operators/shift", c.OperatorsPerShift);
    out.Value("Total labor cost ($/hr)", c.LaborCost);
    out.Value("Hours/shift", c.HoursPerShift);
    out.Section("[MAINTENANCE COST]");
    out.Value("Preventative maintenance (labor hrs/day)", c.MaintenanceHours);
    out.Value("Maintenance supply cost ($/yr)", c.MaintenanceCost);
    out.Section("[TRANSPORTATION COST]");
    out.Value("Transportation of supplies ($/shift)", c.TransportCost);
    out.Section("[MACHINE OWNERSHIP COST]");
    out.Value("Capital cost for machine ($)", c.CapitalCost);
    out.Value("Years to depreciate", c.YearsToDepreciate);
    out.Section("[PRODUCTION]");
    out.Value("Number of bolts installed per shift", c.BoltsPerShift);
    out.Value("Number of bolts per row", c.CostBoltsPerRow);
    out.Value("Spacing between rows", c.CostRowSpacing, Length);
    out.Value("Calculated: Advance per shift", advance, Length);
    out.Value("Input: Advance per shift", c.AdvancePerShift, Length);
    out.Text(c.UseCalculatedAdvance == 1 ? "Use Calculated value for advance per shift"
                                         : "Use Input value for advance per shift",
             "True");
    out.Value("Clean production rate", c.AdvanceRate, AdvanceRate);
    out.Value("Calc: Clean production per shift", production, ShortTons);
    out.Value("Input: Clean production per shift", c.CleanProduction, ShortTons);
    out.Text(c.UseCalculatedProduction == 1 ? "Use Calculated value for clean production"
                                            : "Use Input value for clean production",
             "True");
    out.Value("Production shifts / week", c.ShiftsPerWeek);
    out.Value("Production weeks / yearr", c.WeeksPerYear);
    out.End(2);
}

Listing Begin(const Project& project, std::string_view description, bool withHeader, bool costListing)
{
    Listing out(project.units);
    if (withHeader)
        Header(project, out, costListing);
    CommonPart(project, description, out);
    return out;
}

std::string SupportPart(const Project& project, const std::array<SupportRecord, 2>& support,
                        std::string_view description, bool withHeader)
{
    Listing out = Begin(project, description, withHeader, false);
    SupportInputs(support, out);
    return std::move(out.Text());
}

std::string CostPart(const Project& project, const CostRecord& cost, std::string_view description, bool withHeader)
{
    Listing out = Begin(project, description, withHeader, true);
    CostInputs(cost, out);
    return std::move(out.Text());
}

}  // namespace

std::string SupportListing(const Project& project, const std::array<SupportRecord, 2>& support, bool withHeader)
{
    return SupportPart(project, support, NormalisedDescription(project), withHeader);
}

std::string CostListing(const Project& project, const CostRecord& cost, bool withHeader)
{
    return CostPart(project, cost, NormalisedDescription(project), withHeader);
}

// The description is normalised once, for the support listing, and the cost
// listing prints that normalised text, as a printed project shows it.
std::string FullListing(const Project& project, bool withHeader)
{
    const std::string description = NormalisedDescription(project);
    return SupportPart(project, project.Support, description, withHeader) + "\r\n\r\n\r\n\r\n\r\n" +
           CostPart(project, project.Cost, description, withHeader);
}

}  // namespace castovin
