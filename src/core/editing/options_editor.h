#pragma once
// The rules of the program options editor, apart from its widgets: the
// switches, the default inputs of both unit systems, the bolt-grade lists
// with Add, Delete and Set Default, the validation and the closing writes.

#include <array>
#include <string>
#include <vector>

#include "core/editing/editor_fields.h"
#include "core/model/project.h"

namespace castovin {

struct Environment;
struct Messenger;

// The default-input fields of one unit system's page (index 0 English,
// 1 metric). CMRR, stability factor and bolts per row are mirrored on both.
struct DefaultInputFields {
    std::string CMRR, DepthofCover, UnitWeight, StabilityFactor, ActualBoltLength, BoltDiameter, BoltGrade, BoltsperRow,
        RowSpacing, ActualSpan, EntryWidth;
};

struct OptionsFields {
    bool loadInputForm = false;       // Check1
    bool viewChildWindow = false;     // Check2
    bool printModuleHeader = false;   // Check3
    bool skipExportQuestion = false;  // chkOffice
    std::array<DefaultInputFields, 2> page;
    std::array<std::vector<std::string>, BoltGradeListCount> gradeLists;  // as the list boxes hold them
};

OptionsFields OptionsFieldsFromState(const Environment& env);

// Where a failed check puts the user: the tab page (1 English, 2 metric) and
// the field on that page.
struct OptionsValidation {
    bool valid = true;
    int page = 0;
    OptionsField focus = OptionsField::None;
};

OptionsValidation CheckOptions(Messenger& messenger, const OptionsFields& fields);

// Takes the fields into the settings and the default inputs, rebuilds the
// bolt-grade lists, and writes the settings file.
void CommitOptions(Environment& env, Messenger& messenger, const OptionsFields& fields);

// Adds `text` to a list box's entries; false with its message when the list
// is full, the text blank, or the same text already listed.
bool AddBoltGrade(Messenger& messenger, std::vector<std::string>& list, const std::string& text);

// Removes the selected entries; shows "Please select a value to delete" when
// not exactly one is selected (and still removes what is selected).
void DeleteBoltGrades(Messenger& messenger, std::vector<std::string>& list, const std::vector<bool>& selected);

// Puts the built-in lists of a unit system (both sets) into BoltGradeList at
// once and returns them as list-box entries.
std::array<std::vector<std::string>, 2> SetDefaultBoltGrades(Environment& env, UnitSystem unitSystem);

// The entries of a bolt-grade list as the list box shows them.
std::vector<std::string> BoltGradeEntries(const Environment& env, std::size_t list);

}  // namespace castovin
