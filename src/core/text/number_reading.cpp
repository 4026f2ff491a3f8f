#include "core/text/number_reading.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "core/text/number_format.h"
#include "core/text/runtime_error.h"

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

std::optional<double> WholeNumber(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::nullopt;
    return ParseStrictNumber(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

double FieldValue(std::string_view text)
{
    constexpr double kFloatMax = std::numeric_limits<float>::max();
    try {
        const double v = LeadingNumber(text);
        return std::fabs(v) > kFloatMax ? std::copysign(std::numeric_limits<double>::infinity(), v) : v;
    } catch (const RuntimeError&) {
        return std::numeric_limits<double>::infinity();
    }
}

}  // namespace castovin
