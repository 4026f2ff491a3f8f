#pragma once
// Fixed-width helpers of the plain-text reports. Widths count characters.

#include <cstdint>
#include <string>
#include <string_view>

namespace castovin {

inline constexpr std::string_view CrLf = "\r\n";

// The text followed by "." up to `width` characters; a longer text is
// returned whole.
std::string PadWithDots(std::string_view text, int width);

// Blanks before the text up to `width` characters; a longer text is returned
// whole.
std::string AlignRight(std::string_view text, int width);

// Breaks a text into CR LF terminated lines of at most `width` characters,
// cutting just before a blank. A width of 20 or less returns the text as it
// is. A line whose first `width` characters hold no blank is cut hard at the
// width.
std::string WrapText(std::string_view text, int width);

// The text a project file stores for a number: the general number format
// with "." as the decimal separator.
std::string FileNumberText(float value);
std::string FileNumberText(int16_t value);
std::string FileNumberText(std::string_view text);

// The program's version, "major.minor.rr".
std::string VersionText();

// The text with ASCII letters in upper or lower case (other bytes kept).
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);

// Text without the blanks (spaces only) at either end.
std::string TrimBlanks(std::string_view text);

// A piece of a file as an error message quotes it: control characters
// (ESC, BEL, ...) written as "\xHH" so they reach no terminal raw, and text
// longer than `maxChars` characters cut there and ended by "…".
std::string MessageExcerpt(std::string_view text, std::size_t maxChars = 40);

// A whole text, such as a file name, with its control characters escaped as
// MessageExcerpt does and nothing cut: a name with a line break or an ESC
// sequence stays inside the one line of its message.
std::string EscapeControls(std::string_view text);

}  // namespace castovin
