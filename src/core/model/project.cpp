#include "model/project.h"

#include "text/runtime_error.h"

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

}  // namespace

BoltGradeLists BuiltInBoltGradeList()
{
    BoltGradeLists lists{};
    lists[0] = {55, 60, 75, 90};
    lists[1] = {55, 60, 75, 90};
    lists[2] = {380, 420, 520, 620};
    lists[3] = {380, 420, 520, 620};
    return lists;
}

std::array<int16_t, BoltGradeListCount> BuiltInBoltGradeLast()
{
    return {3, 3, 3, 3};
}

std::string_view UnitLabel(int kind, int unitSystem)
{
    if (kind < 0 || kind >= static_cast<int>(kUnitLabels.size()) || unitSystem < 0 || unitSystem > 3)
        throw RuntimeError(err::SubscriptOutOfRange);
    if (unitSystem > 1)
        return {};
    return kUnitLabels[static_cast<std::size_t>(kind)][static_cast<std::size_t>(unitSystem)];
}

std::string_view UnitSystemText(int unitSystem)
{
    if (unitSystem < 0 || unitSystem > 3)
        throw RuntimeError(err::SubscriptOutOfRange);
    if (unitSystem == English)
        return "ft, in, lbs, psi, pcf";
    if (unitSystem == Metric)
        return "m, cm, kN, MPa, kN/m3";
    return {};
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
