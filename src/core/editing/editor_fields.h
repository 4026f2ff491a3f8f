#pragma once
// The fields of the cost, options and settings editors as values. A check
// that fails names the field the focus goes to by one of these, and the
// window finds the control it stands for through the objectNames of
// src/ui/app/names.h, so that a control's name is written in one place.

#include <cstddef>

namespace castovin {

// The cost editor's 22 input fields, in the order they are validated (the
// order of CostFieldTable), named after the cost record's fields.
enum class CostField : std::size_t {
    BoltCost,
    PlateCost,
    ResinCost,
    BitCost,
    HeaderCost,
    StrapCost,
    BoltsPerShift,
    CostBoltsPerRow,
    CostRowSpacing,
    OperatorsPerShift,
    LaborCost,
    HoursPerShift,
    MaintenanceHours,
    MaintenanceCost,
    TransportCost,
    CapitalCost,
    YearsToDepreciate,
    AdvancePerShift,
    AdvanceRate,
    CleanProduction,
    ShiftsPerWeek,
    WeeksPerYear,
};

inline constexpr std::size_t CostFieldCount = 22;

// A cost field's position in CostFieldTable and in CostFields::text.
constexpr std::size_t CostFieldIndex(CostField field)
{
    return static_cast<std::size_t>(field);
}

// A default-input field of the options editor; each is on both unit
// systems' pages.
enum class OptionsField {
    None,
    CMRR,
    DepthofCover,
    UnitWeight,
    StabilityFactor,
    ActualBoltLength,
    BoltDiameter,
    BoltGrade,
    BoltsperRow,
    RowSpacing,
    ActualSpan,
    EntryWidth,
};

// A box of the settings dialog that a failed check of "OK" focuses.
enum class SettingsField {
    None,
    DataPath,
    FileExtension,
    ExternalEditor,
};

}  // namespace castovin
