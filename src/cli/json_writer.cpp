#include "cli/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include <nlohmann/json.hpp>

namespace castovin {

namespace {

constexpr char kHex[] = "0123456789abcdef";

// The length of the UTF-8 sequence starting at `text[i]`, or 0 when it is
// not a well-formed one (overlong forms and surrogates included).
std::size_t Utf8Length(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b = byte(i);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (b >= 0xC2 && b <= 0xDF)
        length = 2;
    else if (b >= 0xE0 && b <= 0xEF)
        length = 3, low = b == 0xE0 ? 0xA0 : 0x80, high = b == 0xED ? 0x9F : 0xBF;
    else if (b >= 0xF0 && b <= 0xF4)
        length = 4, low = b == 0xF0 ? 0x90 : 0x80, high = b == 0xF4 ? 0x8F : 0xBF;
    if (length == 0 || i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char c = byte(i + k);
        if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF))
            return 0;
    }
    return length;
}

}  // namespace

void AppendJsonNumber(std::string& out, float value)
{
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    // The float's shortest decimal, read back as the nearest double and
    // written by the JSON library's own number writer: the text the reports
    // have always had (which for a few values, 6.08609 among them, is not
    // the shortest), without building a value tree for it.
    char text[32];
    const char* end = std::to_chars(std::begin(text), std::end(text), value).ptr;
    double wide = 0;
    std::from_chars(text, end, wide);
    char number[64];
    out.append(number, nlohmann::detail::to_chars(std::begin(number), std::end(number), wide));
}

void JsonWriter::Separate()
{
    if (m_afterKey)
        m_afterKey = false;
    else if (!m_first)
        m_text += ',';
    m_first = false;
}

void JsonWriter::Open(char bracket)
{
    Separate();
    m_text += bracket;
    m_first = true;
}

void JsonWriter::Close(char bracket)
{
    m_text += bracket;
    m_first = false;
}

JsonWriter& JsonWriter::Key(std::string_view name)
{
    String(name);
    m_text += ':';
    m_afterKey = true;
    return *this;
}

void JsonWriter::String(std::string_view text)
{
    Separate();
    m_text += '"';
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            // A byte that starts no well-formed sequence becomes U+FFFD.
            const std::size_t length = Utf8Length(text, i);
            m_text += length == 0 ? std::string_view("\xEF\xBF\xBD") : text.substr(i, length);
            i += length == 0 ? 1 : length;
            continue;
        }
        switch (c) {
        case '"':
            m_text += "\\\"";
            break;
        case '\\':
            m_text += "\\\\";
            break;
        case '\b':
            m_text += "\\b";
            break;
        case '\f':
            m_text += "\\f";
            break;
        case '\n':
            m_text += "\\n";
            break;
        case '\r':
            m_text += "\\r";
            break;
        case '\t':
            m_text += "\\t";
            break;
        default:
            if (c < 0x20)
                m_text.append("\\u00").append(1, kHex[c >> 4]).append(1, kHex[c & 15]);
            else
                m_text += static_cast<char>(c);
        }
        ++i;
    }
    m_text += '"';
}

void JsonWriter::Number(float value)
{
    Separate();
    AppendJsonNumber(m_text, value);
}

void JsonWriter::Integer(int64_t value)
{
    Separate();
    char text[24];
    m_text.append(text, std::to_chars(std::begin(text), std::end(text), value).ptr);
}

void JsonWriter::Bool(bool value)
{
    Separate();
    m_text += value ? "true" : "false";
}

void JsonWriter::Null()
{
    Separate();
    m_text += "null";
}

}  // namespace castovin
