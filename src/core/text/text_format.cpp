#include "core/text/text_format.h"

#include "core/text/number_format.h"
#include "core/text/unicode.h"

namespace castovin {

std::string PadWithDots(std::string_view text, int width)
{
    const auto length = static_cast<int>(CharCount(text));
    std::string out(text);
    if (length <= width)
        out.append(static_cast<std::size_t>(width - length), '.');
    return out;
}

std::string AlignRight(std::string_view text, int width)
{
    const auto length = static_cast<int>(CharCount(text));
    if (length > width)
        return std::string(text);
    return std::string(static_cast<std::size_t>(width - length), ' ') + std::string(text);
}

std::string TrimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

namespace {

std::u32string TrimBlanks32(std::u32string_view text)
{
    const std::size_t first = text.find_first_not_of(U' ');
    if (first == std::u32string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(U' ');
    return std::u32string(text.substr(first, last - first + 1));
}

}  // namespace

std::string WrapText(std::string_view text, int width)
{
    if (width <= 20)
        return std::string(text);
    const auto w = static_cast<std::size_t>(width);
    std::u32string rest = ToU32(text);
    std::u32string out;
    std::size_t b = w;  // 1-based position tried for a blank
    for (;;) {
        if (rest.size() <= w) {
            out += rest;
            out += U"\r\n";
            break;
        }
        if (b == 0) {
            // No blank in the first `width` characters: cut hard.
            out += rest.substr(0, w);
            out += U"\r\n";
            rest = TrimBlanks32(std::u32string_view(rest).substr(w));
            b = w;
        } else if (rest[b - 1] == U' ') {
            out += rest.substr(0, b - 1);
            out += U"\r\n";
            rest = TrimBlanks32(std::u32string_view(rest).substr(b - 1));
            b = w;
        } else {
            --b;
        }
    }
    return ToUtf8(out);
}

std::string FileNumberText(std::string_view text)
{
    std::string out(text);
    if (const auto comma = out.find(','); comma != std::string::npos)
        out[comma] = '.';
    return out;
}

std::string FileNumberText(float value)
{
    return FileNumberText(GeneralNumber(value));
}

std::string FileNumberText(int16_t value)
{
    return FileNumberText(GeneralNumber(value));
}

std::string VersionText()
{
    return std::to_string(CASTOVIN_VERSION_MAJOR) + "." + std::to_string(CASTOVIN_VERSION_MINOR) + "." +
           FormatNumber(CASTOVIN_VERSION_REVISION, "00");
}

std::string UpperCase(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string LowerCase(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string MessageExcerpt(std::string_view text, std::size_t maxChars)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool starts = (c & 0xC0) != 0x80;  // not a UTF-8 continuation byte
        if (starts && chars++ == maxChars)
            return out + "\u2026";
        if (c < 0x20 || c == 0x7F) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string EscapeControls(std::string_view text)
{
    return MessageExcerpt(text, std::string_view::npos);
}

}  // namespace castovin
