#include "core/editing/validation.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "core/text/messages.h"
#include "core/text/number_format.h"
#include "core/text/runtime_error.h"
#include "core/text/text_format.h"

namespace castovin {

bool KeepNumericKey(std::string_view fieldText, char32_t key)
{
    if (key < 128) {
        std::string candidate(fieldText);
        candidate += static_cast<char>(key);
        if (IsNumericText(candidate))
            return true;
    }
    switch (key) {
    case 8:
    case 9:
    case 12:
    case 37:
    case 38:
    case 39:
    case 40:
    case 46:
        return true;
    default:
        return false;
    }
}

bool CheckRange(Messenger& messenger, std::string_view valueText, double lower, double upper, std::string_view label)
{
    std::string prefix(label);
    if (!prefix.empty())
        prefix += ": ";
    const std::string trimmed = TrimBlanks(valueText);
    if (trimmed.empty()) {
        ShowMessage(messenger, prefix + "Blank field not allowed", MsgIcon::Critical, messenger.MsgCategory.RangeError);
        return false;
    }
    double v = 0;
    try {
        v = LeadingNumber(trimmed);
    } catch (const RuntimeError&) {
        v = std::numeric_limits<double>::infinity();
    }
    if (v > upper || v < lower) {
        ShowMessage(messenger,
                    prefix + "Value '" + trimmed + "' is outside input range\r\nValid range is: " +
                        GeneralNumber(lower) + "-" + GeneralNumber(upper),
                    MsgIcon::Critical, messenger.MsgCategory.RangeError);
        return false;
    }
    return true;
}

int GetArrayIndex(const OptionGroup& group)
{
    int index = group.lowest;
    for (int i = group.lowest; i <= group.highest(); ++i)
        if (group.value[static_cast<std::size_t>(i - group.lowest)])
            index = i;
    return index;
}

void SetArrayIndex(Messenger& messenger, OptionGroup& group, int index)
{
    const bool inside = index >= group.lowest && index <= group.highest();
    if (!inside)
        ShowMessage(messenger, "Internal Error: SetArrayIndex. Check input/form data.", MsgButtons::OK,
                    messenger.MsgCategory.RangeError);
    group.value.assign(group.value.size(), false);
    if (inside)
        group.value[static_cast<std::size_t>(index - group.lowest)] = true;
}

Placement CenterForm(int screenWidth, int screenHeight, int windowWidth, int windowHeight)
{
    Placement p;
    p.top = (screenHeight - windowHeight) / 2;
    if (p.top + windowHeight > screenHeight)
        p.top = 0;
    p.left = (screenWidth - windowWidth) / 2;
    if (p.left + windowWidth > screenWidth)
        p.left = 0;
    return p;
}

}  // namespace castovin
