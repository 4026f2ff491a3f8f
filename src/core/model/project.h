#pragma once
// The project record: the support parameters of up to two bolt systems, the
// site, mining and design inputs, and the cost inputs, in the units of the
// project's unit system.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/config/default_inputs.h"

namespace castovin {

// The units a project is entered and reported in. A project file stores it as
// its number (0 English, 1 Metric), and the unit tables are indexed by it.
enum class UnitSystem : int16_t { English = 0, Metric = 1 };

// The position of a unit system in the tables indexed by it.
constexpr std::size_t UnitIndex(UnitSystem units)
{
    return static_cast<std::size_t>(units);
}

// The number a file or the settings store for a unit system, and back; any
// number but 1 reads as English, the default.
constexpr int16_t UnitNumber(UnitSystem units)
{
    return static_cast<int16_t>(units);
}
constexpr UnitSystem UnitSystemOf(int number)
{
    return number == 1 ? UnitSystem::Metric : UnitSystem::English;
}

// One bolt system. Support[0] also carries the site, mining and design
// inputs; Support[1] the second system with its bolts per intersection and
// cable bolt capacity.
struct SupportRecord {
    int16_t CMRR = 0;
    float DepthofCover = 0;  // ft | m
    float UnitWeight = 0;    // pcf | kN/m3
    float StabilityFactor = 0;
    float ActualBoltLength = 0;  // ft | m
    float BoltDiameter = 0;      // in | mm
    float BoltGrade = 0;         // ksi | MPa
    float BoltsPerRow = 0;       // a whole number held as a float
    float RowSpacing = 0;        // ft | m
    float ActualInterSpan = 0;   // ft | m
    float EntryWidth = 0;        // ft | m
    int16_t NumberOfSystems = 0;
    int16_t SecondSystemType = 0;      // 0 Roof Bolts, 1 Cable Bolts
    int16_t SecondSystemLocation = 0;  // 0 Entire Entry, 1 Intersections Only
    int16_t BoltsPerIntersection = 0;
    float CableBoltCapacity = 0;  // tons | MN

    bool operator==(const SupportRecord&) const = default;
};

// The cost inputs of bolting; independent of Support.
struct CostRecord {
    float BoltCost = 0;
    float PlateCost = 0;
    float ResinCost = 0;
    float BitCost = 0;
    float HeaderCost = 0;
    float StrapCost = 0;
    float BoltsPerShift = 0;
    float CostBoltsPerRow = 0;
    float CostRowSpacing = 0;  // ft | m
    float OperatorsPerShift = 0;
    float LaborCost = 0;
    float HoursPerShift = 0;
    float MaintenanceHours = 0;
    float MaintenanceCost = 0;
    float TransportCost = 0;
    float CapitalCost = 0;
    float YearsToDepreciate = 0;
    float AdvancePerShift = 0;  // ft | m
    int16_t UseCalculatedAdvance = 0;
    float AdvanceRate = 0;      // tons/ft | MN/m
    float CleanProduction = 0;  // tons | tn
    int16_t UseCalculatedProduction = 0;
    float ShiftsPerWeek = 0;
    float WeeksPerYear = 0;

    bool operator==(const CostRecord&) const = default;
};

// Largest bolt diameter and actual bolt length the parameters editor accepts,
// by unit system.
inline constexpr std::array<float, 2> MaxBoltDiameter = {1.0f, 25.0f};
inline constexpr std::array<float, 2> MaxBoltLength = {10.0f, 3.3f};

// 8-bit flags are 255 for true; 16-bit switches are -1.
inline constexpr uint8_t FlagTrue = 255;
inline constexpr uint8_t FlagFalse = 0;
inline constexpr int16_t SwitchTrue = -1;

// The open project: what its file stores, where it is and whether it has
// changes. Editors and commands change it; reports only read it.
struct Project {
    UnitSystem units = UnitSystem::English;  // what the project file calls its UnitSystem
    std::array<SupportRecord, 2> Support{};
    CostRecord Cost{};
    std::string ProjectTitle;
    std::string ProjectDescription;  // lines separated by CR LF
    std::string ProjectFilePath;
    uint8_t ProjectSaved = FlagTrue;
    uint8_t ProjectEmpty = FlagTrue;
    uint8_t InputsEntered = FlagFalse;  // locks the unit choice of the description editor
};

// Fills the project with the values of a new project. `resetUnits` takes
// `defaultUnitSystem` as the unit system; `resetName` names it "Untitled".
void ApplyNewProjectValues(Project& project, const DefaultInputsRecord& defaults, bool resetUnits, bool resetName,
                           UnitSystem defaultUnitSystem);

// An editor committed changes: unsaved, not empty, inputs entered.
void MarkProjectEdited(Project& project);

// Quantity kinds of the unit-label table, in its order; None is a value
// shown without a unit. Small lengths, pressures, forces, the feet/centimetre
// kind and moduli are in the table but no report or editor shows them.
enum class UnitKind : int8_t {
    None = -1,
    Length = 0,
    Stress,
    UnitWeight,
    SmallLength,
    Pressure,
    Force,
    ShortTons,
    FeetOrCentimetres,
    Grade,
    CableCapacityListing,
    AdvanceRate,
    Diameter,
    BoltCapacity,
    SystemCapacity,
    Modulus,
};

// The unit label of a quantity kind in a unit system, beginning with a blank,
// such as " (ft)". None, or a kind outside the table, is a subscript error.
std::string_view UnitLabel(UnitKind kind, UnitSystem unitSystem);

// "ft, in, lbs, psi, pcf" or "m, cm, kN, MPa, kN/m3": the unit choices of the
// settings dialog.
std::string_view UnitSystemText(UnitSystem unitSystem);

// Display names of the second system's type and location (index 0..1).
std::string_view SystemTypeName(int index);
std::string_view SystemLocationName(int index);

}  // namespace castovin
