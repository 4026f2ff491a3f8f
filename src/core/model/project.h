#pragma once
// The project record: the support parameters of up to two bolt systems, the
// site, mining and design inputs, and the cost inputs, in the units of the
// project's unit system.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace castovin {

inline constexpr int16_t English = 0;
inline constexpr int16_t Metric = 1;

// One bolt system. Support[0] also carries the site, mining and design
// inputs; Support[1] the second system with its bolts per intersection and
// cable bolt capacity.
struct SupportRecord {
    int16_t CMRR = 0;
    float DepthofCover = 0;      // ft | m
    float UnitWeight = 0;        // pcf | kN/m3
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

// The values a new project receives; the names are the keys of the
// settings-file section that records them.
struct DefaultInputsRecord {
    int16_t DefaultCMRR = 45;
    float DefaultMETDepthofCover = 150;
    float DefaultENGDepthofCover = 400;
    float DefaultMETUnitWeight = 25;
    float DefaultENGUnitWeight = 162;
    float DefaultStabilityFactor = 1.2f;
    float DefaultMETActualBoltLength = 2;
    float DefaultENGActualBoltLength = 6;
    float DefaultMETboltDiameter = 20;
    float DefaultENGboltDiameter = 0.75f;
    float DefaultMETBoltGrade = 520;
    float DefaultENGBoltGrade = 75;
    int16_t DefaultNumberBoltsPerRow = 4;
    float DefaultMETrowSpacing = 1.2f;
    float DefaultENGrowSpacing = 4;
    float DefaultMETActualInterSpan = 9;
    float DefaultENGActualInterSpan = 30;
    float DefaultMETEntryWidth = 6.2f;
    float DefaultENGEntryWidth = 20;

    bool operator==(const DefaultInputsRecord&) const = default;
};

// Bolt grades offered by the editors: list 0 English first system, 1 English
// second system, 2 metric first system, 3 metric second system.
inline constexpr std::size_t BoltGradeListCount = 4;
inline constexpr std::size_t BoltGradeListSize = 10;
using BoltGradeLists = std::array<std::array<float, BoltGradeListSize>, BoltGradeListCount>;

BoltGradeLists BuiltInBoltGradeList();
std::array<int16_t, BoltGradeListCount> BuiltInBoltGradeLast();

// Largest bolt diameter and actual bolt length the parameters editor accepts,
// by unit system.
inline constexpr std::array<float, 2> MaxBoltDiameter = {1.0f, 25.0f};
inline constexpr std::array<float, 2> MaxBoltLength = {10.0f, 3.3f};

// Quantity kinds of the unit-label table.
namespace UnitKind {
inline constexpr int Length = 0;
inline constexpr int Stress = 1;
inline constexpr int UnitWeight = 2;
inline constexpr int ShortTons = 6;
inline constexpr int Grade = 8;
inline constexpr int CableCapacityListing = 9;
inline constexpr int AdvanceRate = 10;
inline constexpr int Diameter = 11;
inline constexpr int BoltCapacity = 12;
inline constexpr int SystemCapacity = 13;
}  // namespace UnitKind

// The unit label of a quantity kind (0..14) in a unit system, beginning with a
// blank, such as " (ft)". A unit system outside 0..3 or a kind outside 0..14
// is a subscript error; slots 2 and 3 are empty.
std::string_view UnitLabel(int kind, int unitSystem);

// "ft, in, lbs, psi, pcf" or "m, cm, kN, MPa, kN/m3".
std::string_view UnitSystemText(int unitSystem);

// Display names of the second system's type and location (index 0..1).
std::string_view SystemTypeName(int index);
std::string_view SystemLocationName(int index);

}  // namespace castovin
