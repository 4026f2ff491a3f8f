#include "core/model/project.h"

#include "core/text/runtime_error.h"

namespace castovin {

namespace {

constexpr std::array<std::array<std::string_view, 2>, 15> kUnitLabels = {{
    {" (ft)", " (m)"},
    {" (psi)", " (MPa)"},
    {" (pcf)", " (kN/m3)"},
    {" (in)", " (cm)"},
    {" (psf)", " (kPa)"},
    {" (lbs)", " (kN)"},
    {" (tons)", " (tn)"},
    {" (ft)", " (cm)"},
    {" (ksi)", " (MPa)"},
    {" (tons)", " (MN)"},
    {" (tons/ft)", " (tn/m)"},  // clean production rate: a mass per length
    {" (in)", " (mm)"},
    {" (tons)", " (kN)"},
    {" (tons/ft)", " (kN/m)"},
    {" (million psi)", " (GPa)"},
}};

CostRecord DefaultCost(UnitSystem unitSystem)
{
    const bool metric = unitSystem != UnitSystem::English;
    CostRecord c;
    c.BoltCost = 3;
    c.PlateCost = 1;
    c.ResinCost = 1.5f;
    c.BitCost = 67;
    c.HeaderCost = 0;
    c.StrapCost = 0;
    c.BoltsPerShift = 300;
    c.CostBoltsPerRow = 4;
    c.CostRowSpacing = metric ? 1.2f : 4.0f;
    c.OperatorsPerShift = 2;
    c.LaborCost = 35;
    c.HoursPerShift = 8;
    c.MaintenanceHours = 2;
    c.MaintenanceCost = 30000;
    c.TransportCost = 100;
    c.CapitalCost = 1000000;
    c.YearsToDepreciate = 5;
    c.AdvancePerShift = metric ? 100.0f : 300.0f;
    c.UseCalculatedAdvance = 1;
    c.AdvanceRate = metric ? 12.0f : 4.0f;
    c.CleanProduction = 1200;
    c.UseCalculatedProduction = 1;
    c.ShiftsPerWeek = 12;
    c.WeeksPerYear = 50;
    return c;
}

}  // namespace

void ApplyNewProjectValues(Project& project, const DefaultInputsRecord& defaults, bool resetUnits, bool resetName,
                           UnitSystem defaultUnitSystem)
{
    if (resetUnits)
        project.units = defaultUnitSystem;
    if (resetName)
        project.ProjectFilePath = "Untitled";
    project.ProjectSaved = FlagTrue;
    project.ProjectEmpty = FlagTrue;

    const DefaultInputsRecord& d = defaults;
    SupportRecord& s0 = project.Support[0];
    SupportRecord& s1 = project.Support[1];
    s0.CMRR = d.DefaultCMRR;
    s0.StabilityFactor = d.DefaultStabilityFactor;
    s0.NumberOfSystems = 1;
    s0.BoltsPerRow = d.DefaultNumberBoltsPerRow;
    s0.SecondSystemType = 0;
    s0.SecondSystemLocation = 0;
    s1.BoltsPerRow = d.DefaultNumberBoltsPerRow;
    s1.BoltsPerIntersection = 12;

    const bool metric = project.units != UnitSystem::English;
    s0.DepthofCover = metric ? d.DefaultMETDepthofCover : d.DefaultENGDepthofCover;
    s0.UnitWeight = metric ? d.DefaultMETUnitWeight : d.DefaultENGUnitWeight;
    s0.ActualBoltLength = metric ? d.DefaultMETActualBoltLength : d.DefaultENGActualBoltLength;
    s0.BoltDiameter = metric ? d.DefaultMETboltDiameter : d.DefaultENGboltDiameter;
    s0.BoltGrade = metric ? d.DefaultMETBoltGrade : d.DefaultENGBoltGrade;
    s0.RowSpacing = metric ? d.DefaultMETrowSpacing : d.DefaultENGrowSpacing;
    s0.ActualInterSpan = metric ? d.DefaultMETActualInterSpan : d.DefaultENGActualInterSpan;
    s0.EntryWidth = metric ? d.DefaultMETEntryWidth : d.DefaultENGEntryWidth;
    s1.ActualBoltLength = s0.ActualBoltLength;
    s1.BoltDiameter = s0.BoltDiameter;
    s1.BoltGrade = s0.BoltGrade;
    s1.RowSpacing = s0.RowSpacing;
    s1.CableBoltCapacity = metric ? 0.25f : 30.0f;

    project.Cost = DefaultCost(project.units);
    project.ProjectTitle.clear();
    project.ProjectDescription.clear();
}

void MarkProjectEdited(Project& project)
{
    project.ProjectSaved = FlagFalse;
    project.ProjectEmpty = FlagFalse;
    project.InputsEntered = FlagTrue;
}

std::string_view UnitLabel(UnitKind kind, UnitSystem unitSystem)
{
    const int index = static_cast<int>(kind);
    if (index < 0 || index >= static_cast<int>(kUnitLabels.size()))
        throw RuntimeError(err::SubscriptOutOfRange);
    return kUnitLabels[static_cast<std::size_t>(index)][UnitIndex(unitSystem)];
}

std::string_view UnitSystemText(UnitSystem unitSystem)
{
    return unitSystem == UnitSystem::Metric ? "m, cm, kN, MPa, kN/m3" : "ft, in, lbs, psi, pcf";
}

std::string_view SystemTypeName(int index)
{
    if (index == 0)
        return "Roof Bolts";
    if (index == 1)
        return "Cable Bolts";
    throw RuntimeError(err::SubscriptOutOfRange);
}

std::string_view SystemLocationName(int index)
{
    if (index == 0)
        return "Entire Entry";
    if (index == 1)
        return "Intersections Only";
    throw RuntimeError(err::SubscriptOutOfRange);
}

}  // namespace castovin
