#pragma once
// The value line of the reports: the label padded with "." to 50 characters,
// the value text and an optional unit label.

#include <string>
#include <string_view>

#include "core/text/text_format.h"

namespace castovin {

inline constexpr int ReportLabelWidth = 50;

inline std::string ValueLine(std::string_view label, std::string_view value, std::string_view unit = {})
{
    std::string line = PadWithDots(label, ReportLabelWidth);
    line += value;
    line += unit;
    return line;
}

}  // namespace castovin
