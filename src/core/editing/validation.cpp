#include "editing/validation.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "program/program_state.h"
#include "text/messages.h"
#include "text/number_format.h"
#include "text/runtime_error.h"
#include "text/text_format.h"

namespace castovin {

namespace {

bool IsIgnored(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A whole number after "&H" or "&O": 16-bit values above 0x7FFF and 32-bit
// values above 0x7FFFFFFF count as negative, as the program's predecessor
// read them.
double RadixNumber(std::string_view digits, int radix)
{
    uint64_t value = 0;
    bool any = false;
    for (char c : digits) {
        if (IsIgnored(c))
            continue;
        int d = -1;
        if (IsDigit(c))
            d = c - '0';
        else if (radix == 16 && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (radix == 16 && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        if (d < 0 || d >= radix)
            break;
        any = true;
        value = value * static_cast<uint64_t>(radix) + static_cast<uint64_t>(d);
        if (value > 0xFFFFFFFFULL)
            throw RuntimeError(err::Overflow);
    }
    if (!any)
        return 0;
    if (value <= 0xFFFF)
        return static_cast<int16_t>(static_cast<uint16_t>(value));
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

}  // namespace

double LeadingNumber(std::string_view text)
{
    std::string_view rest = text;
    const auto skip = [&rest] {
        while (!rest.empty() && IsIgnored(rest.front()))
            rest.remove_prefix(1);
    };
    skip();
    if (rest.size() >= 2 && rest[0] == '&') {
        if (rest[1] == 'H' || rest[1] == 'h')
            return RadixNumber(rest.substr(2), 16);
        if (rest[1] == 'O' || rest[1] == 'o')
            return RadixNumber(rest.substr(2), 8);
    }
    std::string clean;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        if (rest.front() == '-')
            clean += '-';
        rest.remove_prefix(1);
    }
    bool digits = false;
    bool point = false;
    std::string mantissa;
    for (; !rest.empty(); rest.remove_prefix(1)) {
        const char c = rest.front();
        if (IsIgnored(c))
            continue;
        if (IsDigit(c)) {
            mantissa += c;
            digits = true;
        } else if (c == '.' && !point) {
            mantissa += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0;
    // from_chars wants a digit on both sides of the point.
    if (mantissa.front() == '.')
        mantissa.insert(0, "0");
    if (mantissa.back() == '.')
        mantissa += '0';
    clean += mantissa;
    if (!rest.empty() && (rest.front() == 'E' || rest.front() == 'e' || rest.front() == 'D' || rest.front() == 'd')) {
        std::string exponent = "e";
        rest.remove_prefix(1);
        skip();
        if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
            if (rest.front() == '-')
                exponent += '-';
            rest.remove_prefix(1);
        }
        bool expDigits = false;
        for (; !rest.empty(); rest.remove_prefix(1)) {
            if (IsIgnored(rest.front()))
                continue;
            if (!IsDigit(rest.front()))
                break;
            exponent += rest.front();
            expDigits = true;
        }
        if (expDigits)
            clean += exponent;
    }
    double value = 0;
    const auto res = std::from_chars(clean.data(), clean.data() + clean.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        const std::optional<double> strict = ParseStrictNumber(clean);
        if (strict && std::isinf(*strict))
            throw RuntimeError(err::Overflow);
        return 0;
    }
    return value;
}

bool IsNumericText(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return false;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    std::size_t i = 0;
    if (text[i] == '+' || text[i] == '-')
        ++i;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i]))
            digits = true;
        else if (text[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (!digits)
        return false;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && IsDigit(text[i]))
            ++i;
        if (i == start)
            return false;
    }
    return i == text.size();
}

bool KeepNumericKey(std::string_view fieldText, char32_t key)
{
    if (key < 128) {
        std::string candidate(fieldText);
        candidate += static_cast<char>(key);
        if (IsNumericText(candidate))
            return true;
    }
    switch (key) {
    case 8: case 9: case 12: case 37: case 38: case 39: case 40: case 46:
        return true;
    default:
        return false;
    }
}

bool CheckRange(ProgramState& state, std::string_view valueText, double lower, double upper, std::string_view label)
{
    std::string prefix(label);
    if (!prefix.empty())
        prefix += ": ";
    const std::string trimmed = TrimBlanks(valueText);
    if (trimmed.empty()) {
        ShowMessage(state, prefix + "Blank field not allowed", MsgStyle::Critical, state.MsgCategory.RangeError);
        return false;
    }
    double v = 0;
    try {
        v = LeadingNumber(trimmed);
    } catch (const RuntimeError&) {
        v = std::numeric_limits<double>::infinity();
    }
    if (v > upper || v < lower) {
        ShowMessage(state,
                    prefix + "Value '" + trimmed + "' is outside input range\r\nValid range is: " + GeneralNumber(lower) +
                        "-" + GeneralNumber(upper),
                    MsgStyle::Critical, state.MsgCategory.RangeError);
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

void SetArrayIndex(ProgramState& state, OptionGroup& group, int index)
{
    const bool inside = index >= group.lowest && index <= group.highest();
    if (!inside)
        ShowMessage(state, "Internal Error: SetArrayIndex. Check input/form data.", MsgStyle::OK,
                    state.MsgCategory.RangeError);
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
