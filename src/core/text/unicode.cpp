#include "core/text/unicode.h"

#include <array>
#include <cstdint>

namespace castovin {

namespace {

// Length of the UTF-8 sequence at bytes[i] and its code point, or 0 when the
// sequence is not well formed (overlong forms, surrogates and values above
// U+10FFFF are rejected).
std::size_t DecodeOne(std::string_view bytes, std::size_t i, char32_t& cp)
{
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    }
    std::size_t len = 0;
    char32_t min = 0;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2;
        cp = b0 & 0x1F;
        min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3;
        cp = b0 & 0x0F;
        min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4;
        cp = b0 & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > bytes.size())
        return 0;
    for (std::size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(bytes[i + k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Windows-1252 bytes 0x80..0x9F; the five undefined bytes keep their C1 code.
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

bool IsValidUtf8(std::string_view bytes)
{
    char32_t cp = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t len = DecodeOne(bytes, i, cp);
        if (len == 0)
            return false;
        i += len;
    }
    return true;
}

std::u32string ToU32(std::string_view utf8)
{
    std::u32string out;
    out.reserve(utf8.size());
    char32_t cp = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t len = DecodeOne(utf8, i, cp);
        if (len == 0) {
            out += U'\uFFFD';
            ++i;
        } else {
            out += cp;
            i += len;
        }
    }
    return out;
}

std::string ToUtf8(std::u32string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char32_t cp : text)
        AppendUtf8(out, cp);
    return out;
}

std::size_t CharCount(std::string_view utf8)
{
    std::size_t count = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80)
            ++count;
    return count;
}

std::string Windows1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (unsigned char c : bytes) {
        if (c < 0x80)
            out += static_cast<char>(c);
        else if (c < 0xA0)
            AppendUtf8(out, kCp1252High[c - 0x80]);
        else
            AppendUtf8(out, c);
    }
    return out;
}

std::string DecodeFileText(std::string_view bytes)
{
    if (!IsValidUtf8(bytes))
        return Windows1252ToUtf8(bytes);
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    return std::string(bytes);
}

}  // namespace castovin
