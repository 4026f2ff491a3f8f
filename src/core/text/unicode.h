#pragma once
// UTF-8 helpers. Texts are UTF-8 in memory; widths and positions in the reports
// count characters (code points), never bytes.

#include <string>
#include <string_view>

namespace castovin {

bool IsValidUtf8(std::string_view bytes);

// Decodes UTF-8 into code points. Invalid sequences become U+FFFD.
std::u32string ToU32(std::string_view utf8);
std::string ToUtf8(std::u32string_view text);

// The number of characters of a UTF-8 text.
std::size_t CharCount(std::string_view utf8);

// Decodes text written in the Windows-1252 code page.
std::string Windows1252ToUtf8(std::string_view bytes);

// Text of a file as stored by the program or by its Windows predecessor:
// valid UTF-8 is taken as it is (without a leading byte-order mark),
// anything else is read as Windows-1252.
std::string DecodeFileText(std::string_view bytes);

}  // namespace castovin
