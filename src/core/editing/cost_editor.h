#pragma once
// The rules of the cost parameters editor, apart from its widgets: its
// fields in validation order, their labels, the live calculated advance and
// clean production, the validation and the conversion into a cost record.

#include <array>
#include <optional>
#include <string>

#include "core/editing/editor_fields.h"
#include "core/model/project.h"

namespace castovin {

struct Messenger;

// One input field: its frame and label (the unit label of `unitKind` is
// appended unless it is None), the cost field and the message for a negative
// value.
struct CostFieldInfo {
    const char* frame;
    const char* label;
    UnitKind unitKind;
    float CostRecord::*member;
    const char* negativeMessage;
};

// The 22 input fields in the order they are validated, one per CostField.
const std::array<CostFieldInfo, CostFieldCount>& CostFieldTable();

struct CostFields {
    std::array<std::string, CostFieldCount> text;  // in the order of CostFieldTable
    bool useCalculatedAdvance = true;
    bool useCalculatedProduction = true;
};

CostFields CostFieldsFromCost(const CostRecord& cost);

// The calculated advance per shift the editor shows for the texts of bolts
// per shift, bolts per row and row spacing; nullopt when the row spacing is
// not above 0 (the shown text then stays).
std::optional<std::string> CalculatedAdvanceText(const std::string& boltsPerShift, const std::string& boltsPerRow,
                                                 const std::string& rowSpacing);
// The calculated clean production: the shown advance times the advance rate.
std::optional<std::string> CalculatedProductionText(const std::string& advance, const std::string& advanceRate);

// The first negative field shows its message (default title) and returns
// its index; nullopt when every field is valid.
std::optional<std::size_t> ValidateCost(Messenger& messenger, const CostFields& fields);

CostRecord CostFromFields(const CostFields& fields, const CostRecord& base);

}  // namespace castovin
