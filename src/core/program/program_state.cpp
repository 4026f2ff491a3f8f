#include "program/program_state.h"

#include <algorithm>
#include <cctype>

namespace castovin {

namespace {

std::string BaseNameOf(std::string_view path)
{
    const std::size_t slash = path.find_last_of('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ExecutableBaseName(std::string_view path)
{
    std::string name = BaseNameOf(path);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return name;
}

CostRecord DefaultCost(int16_t unitSystem)
{
    const bool metric = unitSystem != English;
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

void InitialiseModel(ProgramState& state, std::string_view executablePath)
{
    state.ProgramTitle = "Castovin";
    state.HelpFileName = "VELB.CHM";
    state.HelpPdfName = "VELB.PDF";
    state.ProgramWebPage = "https://castovin.example.org/";
    state.ProgramName = ExecutableBaseName(executablePath);
    state.ProgramFile = BaseNameOf(executablePath);
    state.DefaultInputs = DefaultInputsRecord{};
    state.BoltGradeList = BuiltInBoltGradeList();
    state.BoltGradeLast = BuiltInBoltGradeLast();
    state.LastOutputPage = 4;
    state.DefaultExtension = "VLB";
    state.CurrentExtension = state.DefaultExtension;
}

void ApplyNewProjectValues(ProgramState& state, bool resetUnits, bool resetName, int16_t defaultUnitSystem)
{
    if (resetUnits)
        state.UnitSystem = defaultUnitSystem;
    if (resetName)
        state.ProjectFilePath = "Untitled";
    state.ProjectSaved = FlagTrue;
    state.ProjectEmpty = FlagTrue;
    for (std::size_t i = 1; i < state.OutputBuffer.size(); ++i)
        state.OutputBuffer[i].clear();

    const DefaultInputsRecord& d = state.DefaultInputs;
    SupportRecord& s0 = state.Support[0];
    SupportRecord& s1 = state.Support[1];
    s0.CMRR = d.DefaultCMRR;
    s0.StabilityFactor = d.DefaultStabilityFactor;
    s0.NumberOfSystems = 1;
    s0.BoltsPerRow = d.DefaultNumberBoltsPerRow;
    s0.SecondSystemType = 0;
    s0.SecondSystemLocation = 0;
    s1.BoltsPerRow = d.DefaultNumberBoltsPerRow;
    s1.BoltsPerIntersection = 12;

    const bool metric = state.UnitSystem != English;
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

    state.Cost = DefaultCost(state.UnitSystem);
    state.ProjectTitle.clear();
    state.ProjectDescription.clear();
}

void FillWorkCopies(ProgramState& state)
{
    state.WorkSupport = state.Support;
    state.WorkCost = state.Cost;
}

}  // namespace castovin
