#pragma once
// Reshaping of the project description into short lines before it is stored
// in a project file or printed in a report.

#include <string>
#include <string_view>
#include <vector>

namespace castovin {

// Cuts one description line into pieces of at most 60 characters, each cut
// after the last blank at positions 40..60 (or hard at 60), joined by CR LF.
std::string WrapDescriptionLine(std::string_view line);

// Drops blank lines (and a piece of blanks alone that a wrap leaves), wraps
// lines longer than 60 characters (trimmed) and joins the lines with CR LF,
// without a final line end. Lines end at CR LF, a lone CR or a lone LF.
void NormaliseDescription(std::string& description);

// Splits a text into lines at CR LF, a lone CR or a lone LF; a final line end
// does not start another line.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace castovin
