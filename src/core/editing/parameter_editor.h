#pragma once
// The rules of the project parameters editor, apart from its widgets: the
// texts its fields start with, the layout of the second support system, the
// validation with its messages and questions, and the conversion of the
// fields into support records.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/model/project.h"

namespace castovin {

struct Messenger;

// The editor's fields as the user sees them: texts, and list positions for
// the second system's type and location (-1 when nothing is chosen).
struct ParameterFields {
    std::string CMRR, DepthofCover, UnitWeight, ActualSpan, EntryWidth, StabilityFactor, NoSup;
    int SystemType = 0;
    int SystemLocation = 0;
    std::array<std::string, 2> ActualBoltLength, BoltDiameter, BoltGrade, BoltsperRow, RowSpacing;
    std::string BoltsInter, CableBoltCap;
};

// The field that takes the focus after a validation message or question.
enum class ParmField {
    None,
    CMRR,
    DepthofCover,
    UnitWeight,
    ActualSpan,
    EntryWidth,
    StabilityFactor,
    NoSup,
    ActualBoltLength0,
    BoltDiameter0,
    BoltGrade0,
    BoltsperRow0,
    RowSpacing0,
    ActualBoltLength1,
    BoltDiameter1,
    BoltGrade1,
    BoltsperRow1,
    RowSpacing1,
    BoltsInter,
    CableBoltCap,
};

struct ParmValidation {
    bool valid = false;
    ParmField focus = ParmField::None;
};

// Which parts of the second system are shown, from the number of systems
// and the type and location chosen. The optional parts change only when the
// number of systems is exactly 2 (they keep their state otherwise).
struct SupportLayout {
    bool secondPageSelectable = false;       // and the five second-system fields shown
    bool secondChoicesShown = false;         // type and location with their labels
    std::optional<bool> cableCapacityShown;  // txtCableBoltCap in place of the diameter, grade hidden
    std::optional<std::string> diameterLabel;
    std::optional<bool> boltsPerIntersectionShown;  // txtBoltsInter over bolts per row, row spacing hidden
    std::optional<std::string> boltsPerRowLabel;
};

ParameterFields ParameterFieldsFromSupport(const std::array<SupportRecord, 2>& support);

SupportLayout ApplySupportLayout(const std::string& noSupText, int systemType, int systemLocation,
                                 UnitSystem unitSystem);

// Every check in its order: the first failing field of the first system,
// the number of systems, the second system, the span and width question and
// the two warnings. Messages and questions go through ShowMessage.
ParmValidation ValidateParms(Messenger& messenger, UnitSystem unitSystem, const ParameterFields& fields);

// The support records the fields stand for; fields the editor does not show
// keep the values of `base`, and so does a hidden field whose text is not a
// number. Call after a successful validation.
std::array<SupportRecord, 2> SupportFromFields(const ParameterFields& fields, const std::array<SupportRecord, 2>& base);

// The first system's bolt fields whose values a pattern of bolts is made of.
enum class BoltField { ActualBoltLength, BoltDiameter, BoltGrade, BoltsPerRow, RowSpacing };

// True when `value` lies in the range the editor accepts for the field in the
// unit system; the validation applies the same rule to what the user typed.
bool BoltFieldInRange(BoltField field, double value, UnitSystem unitSystem);

}  // namespace castovin
