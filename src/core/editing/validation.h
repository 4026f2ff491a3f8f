#pragma once
// Field validation shared by the editors: how a field's text is read as a
// number, the range check of one field, the numeric keystroke test, option
// groups and the centring of a dialog.

#include <string>
#include <string_view>
#include <vector>

#include "core/text/number_reading.h"

namespace castovin {

struct Messenger;

// The keystroke filter of the numeric fields: keeps a typed character when
// the field's text with the character appended is numeric, or when it is
// one of the always-allowed codes (8, 9, 12, 37, 38, 39, 40 and 46 ".").
bool KeepNumericKey(std::string_view fieldText, char32_t key);

// Checks one field against inclusive bounds; shows "Blank field not
// allowed" or the out-of-range message (Range Error title, style 16) and
// returns false when it fails.
bool CheckRange(Messenger& messenger, std::string_view valueText, double lower, double upper, std::string_view label);

// An option group: buttons `lowest` .. `lowest + size - 1`.
struct OptionGroup {
    int lowest = 0;
    std::vector<bool> value;

    int highest() const { return lowest + static_cast<int>(value.size()) - 1; }
};

// The index of the last button that is on, or the lowest index when none is.
int GetArrayIndex(const OptionGroup& group);

// Turns every button off and the one at `index` on; an index outside the
// group shows "Internal Error: SetArrayIndex. Check input/form data." and
// leaves every button off.
void SetArrayIndex(Messenger& messenger, OptionGroup& group, int index);

struct Placement {
    int left = 0;
    int top = 0;
};

// Where a window of the given size sits centred on the screen; a window
// larger than the screen goes to the top or left edge.
Placement CenterForm(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

}  // namespace castovin
