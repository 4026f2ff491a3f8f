#include "core/model/conversion.h"

#include "core/model/formulas.h"
#include "core/model/project.h"
#include "core/text/messages.h"
#include "core/text/paths.h"

namespace castovin {

namespace {

float Length(float value, bool toMetric)
{
    return toMetric ? FeetToMeters(value) : MetersToFeet(value);
}

float Diameter(float value, bool toMetric)
{
    return ToFloat(toMetric ? value * conv::MmPerInch : value / conv::MmPerInch);
}

float Grade(float value, bool toMetric)
{
    return toMetric ? ToFloat(value * conv::PsiPerMPa / 1000000 * 1000) : MPaToKsi(value);
}

// Widened to double before the first product, as every other conversion, so
// the value is rounded to 32 bits once.
float CableCapacity(float value, bool toMetric)
{
    return toMetric ? ToFloat(double(value) * conv::PoundsPerTon * conv::MNPerKip / 1000) : MNToTons(value);
}

float UnitWeight(float value, bool toMetric)
{
    return ToFloat(toMetric ? value / conv::PcfPerKNm3 : value * conv::PcfPerKNm3);
}

}  // namespace

void ConvertCost(CostRecord& cost, bool toMetric)
{
    cost.CostRowSpacing = Length(cost.CostRowSpacing, toMetric);
    cost.AdvancePerShift = Length(cost.AdvancePerShift, toMetric);
    // A mass per length: per foot into per metre is a factor of feet per metre.
    cost.AdvanceRate =
        ToFloat(toMetric ? cost.AdvanceRate * conv::FeetPerMeter : cost.AdvanceRate / conv::FeetPerMeter);
}

bool ConvertProject(Project& project, UnitSystem target, Messenger& messenger)
{
    const bool toMetric = target == UnitSystem::Metric;
    SupportRecord& s0 = project.Support[0];
    SupportRecord& s1 = project.Support[1];
    s0.RowSpacing = Length(s0.RowSpacing, toMetric);
    s0.DepthofCover = Length(s0.DepthofCover, toMetric);
    s0.EntryWidth = Length(s0.EntryWidth, toMetric);
    s0.ActualBoltLength = Length(s0.ActualBoltLength, toMetric);
    s0.ActualInterSpan = Length(s0.ActualInterSpan, toMetric);
    s0.BoltDiameter = Diameter(s0.BoltDiameter, toMetric);
    s0.BoltGrade = Grade(s0.BoltGrade, toMetric);
    s1.RowSpacing = Length(s1.RowSpacing, toMetric);
    s1.ActualBoltLength = Length(s1.ActualBoltLength, toMetric);
    s1.BoltDiameter = Diameter(s1.BoltDiameter, toMetric);
    s1.BoltGrade = Grade(s1.BoltGrade, toMetric);
    s1.CableBoltCapacity = CableCapacity(s1.CableBoltCapacity, toMetric);
    s0.UnitWeight = UnitWeight(s0.UnitWeight, toMetric);
    ConvertCost(project.Cost, toMetric);

    const char* prefix = toMetric ? "Metric_" : "English_";
    project.ProjectFilePath = prefix + FileNamePart(messenger, project.ProjectFilePath, false);
    project.units = toMetric ? UnitSystem::Metric : UnitSystem::English;
    project.ProjectSaved = FlagFalse;
    return true;
}

}  // namespace castovin
