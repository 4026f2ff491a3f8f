#include "core/text/number_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <ctime>
#include <limits>
#include <stdexcept>
#include <system_error>

#include "core/text/runtime_error.h"

namespace castovin {

namespace {

// A finite non-zero number as significant digits d1 d2 ... dn and the decimal
// exponent e of d1, so that |value| = d1.d2...dn x 10^e.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// The value rounded to `significant` digits, read off std::to_chars (which is
// independent of the locale and rounds correctly).
Decimal ToDecimal(double value, int significant)
{
    std::array<char, 64> buf{};
    const auto res =
        std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::scientific, significant - 1);
    std::string_view text(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
    Decimal d;
    if (!text.empty() && text.front() == '-') {
        d.negative = true;
        text.remove_prefix(1);
    }
    const std::size_t epos = text.find('e');
    for (char c : text.substr(0, epos))
        if (c != '.')
            d.digits += c;
    std::from_chars(text.data() + epos + 1 + (text[epos + 1] == '+' ? 1 : 0), text.data() + text.size(), d.exponent);
    return d;
}

void StripTrailingZeros(Decimal& d)
{
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
}

std::string RenderPlain(const Decimal& d)
{
    std::string out = d.negative ? "-" : "";
    const int n = static_cast<int>(d.digits.size());
    if (d.exponent >= 0) {
        const int intDigits = d.exponent + 1;
        if (n <= intDigits) {
            out += d.digits;
            out.append(static_cast<std::size_t>(intDigits - n), '0');
        } else {
            out += d.digits.substr(0, static_cast<std::size_t>(intDigits));
            out += '.';
            out += d.digits.substr(static_cast<std::size_t>(intDigits));
        }
    } else {
        out += "0.";
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out += d.digits;
    }
    return out;
}

std::string RenderExponent(const Decimal& d)
{
    std::string out = d.negative ? "-" : "";
    out += d.digits[0];
    if (d.digits.size() > 1) {
        out += '.';
        out += d.digits.substr(1);
    }
    out += 'E';
    out += d.exponent < 0 ? '-' : '+';
    const int mag = std::abs(d.exponent);
    if (mag < 10)
        out += '0';
    out += std::to_string(mag);
    return out;
}

std::string Render(Decimal d, int plainLimit)
{
    StripTrailingZeros(d);
    if (d.exponent >= -5 && d.exponent < plainLimit)
        return RenderPlain(d);
    return RenderExponent(d);
}

double ParseDecimalText(const Decimal& d)
{
    std::string text = d.negative ? "-" : "";
    text += d.digits;
    text += 'e';
    text += std::to_string(d.exponent - static_cast<int>(d.digits.size()) + 1);
    double out = 0;
    std::from_chars(text.data(), text.data() + text.size(), out);
    return out;
}

template <typename Reproduces> std::string Shortest(double value, int maxDigits, int plainLimit, Reproduces reproduces)
{
    if (value == 0)
        return "0";
    for (int p = 1; p < maxDigits; ++p) {
        Decimal d = ToDecimal(value, p);
        if (reproduces(ParseDecimalText(d)))
            return Render(d, plainLimit);
    }
    return Render(ToDecimal(value, maxDigits), plainLimit);
}

// Adds one unit in the last place of a digit string; returns true when the
// carry ran out of the front (the string then gained a leading 1).
bool IncrementDigits(std::string& digits)
{
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] == '9') {
            digits[i] = '0';
        } else {
            ++digits[i];
            return false;
        }
    }
    digits.insert(digits.begin(), '1');
    return true;
}

// Fixed-point rendering with `decimals` decimals, at least `minIntDigits`
// digits before the point (0 allows ".5").
std::string FormatFixed(double value, int decimals, int minIntDigits)
{
    if (!std::isfinite(value))
        throw RuntimeError(err::Overflow);
    bool negative = false;
    std::string kept;
    int point = 0;  // digits of `kept` before the decimal point
    if (value != 0) {
        const Decimal d = ToDecimal(value, 15);
        negative = d.negative;
        std::string all = d.digits;
        point = d.exponent + 1;
        if (point <= 0) {
            all.insert(0, static_cast<std::size_t>(1 - point), '0');
            point = 1;
        }
        const auto need = static_cast<std::size_t>(point + decimals);
        if (all.size() < need)
            all.append(need - all.size(), '0');
        kept = all.substr(0, need);
        const bool roundUp = all.size() > need && all[need] >= '5';
        if (roundUp && IncrementDigits(kept))
            ++point;
    } else {
        kept.assign(static_cast<std::size_t>(decimals), '0');
    }
    std::string intPart = kept.substr(0, static_cast<std::size_t>(point));
    const std::string frac = kept.substr(static_cast<std::size_t>(point));
    const std::size_t firstNonZero = intPart.find_first_not_of('0');
    intPart = firstNonZero == std::string::npos ? std::string() : intPart.substr(firstNonZero);
    if (static_cast<int>(intPart.size()) < minIntDigits)
        intPart.insert(0, static_cast<std::size_t>(minIntDigits) - intPart.size(), '0');
    const bool allZero = kept.find_first_not_of('0') == std::string::npos;
    std::string out = (negative && !allZero) ? "-" : "";
    out += intPart;
    if (decimals > 0) {
        out += '.';
        out += frac;
    }
    return out;
}

std::string TwoDigits(int v)
{
    std::string s = std::to_string(v);
    return s.size() < 2 ? "0" + s : s;
}

// Rough decimal order of magnitude of a validated number text whose value
// lies outside the double range: positive for huge, negative for tiny.
long long OrderOfMagnitude(std::string_view text)
{
    const std::size_t epos = text.find_first_of("eE");
    const std::string_view mantissa = text.substr(0, epos);
    long long exponent = 0;
    if (epos != std::string_view::npos) {
        std::size_t i = epos + 1;
        const bool negative = text[i] == '-';
        if (text[i] == '-' || text[i] == '+')
            ++i;
        for (; i < text.size(); ++i)
            exponent = std::min<long long>(exponent * 10 + (text[i] - '0'), 1000000000LL);
        if (negative)
            exponent = -exponent;
    }
    // Digits of the first significant digit's place: positive in the whole
    // part, zero or negative in the fraction.
    const std::size_t point = mantissa.find('.');
    const std::string_view intPart = mantissa.substr(0, point);
    const std::string_view fracPart = point == std::string_view::npos ? std::string_view() : mantissa.substr(point + 1);
    long long position = 0;
    if (const std::size_t f = intPart.find_first_of("123456789"); f != std::string_view::npos)
        position = static_cast<long long>(intPart.size() - f);
    else if (const std::size_t g = fracPart.find_first_of("123456789"); g != std::string_view::npos)
        position = -static_cast<long long>(g);
    else
        return -1;
    return position + exponent;
}

}  // namespace

float TextToFloatAsRead(double parsed)
{
    return static_cast<float>(parsed);
}

std::string GeneralNumber(float value)
{
    if (!std::isfinite(value))
        throw RuntimeError(err::Overflow);
    return Shortest(value, 7, 7, [value](double parsed) {
        return std::fabs(parsed) <= std::numeric_limits<float>::max() && TextToFloatAsRead(parsed) == value;
    });
}

std::string GeneralNumber(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError(err::Overflow);
    return Shortest(value, 15, 15, [value](double parsed) { return parsed == value; });
}

std::string GeneralNumber(int64_t value)
{
    return std::to_string(value);
}

std::string FormatNumber(double value, std::string_view pattern)
{
    if (pattern == "0.0")
        return FormatFixed(value, 1, 1);
    if (pattern == "0.00" || pattern == "##0.00")
        return FormatFixed(value, 2, 1);
    if (pattern == "#.0")
        return FormatFixed(value, 1, 0);
    if (pattern == "00")
        return FormatFixed(value, 0, 2);
    if (pattern == "0.000")
        return FormatFixed(value, 3, 1);
    if (pattern == "0.0000")
        return FormatFixed(value, 4, 1);
    throw std::invalid_argument("unknown number pattern");
}

std::optional<double> ParseStrictNumber(std::string_view text)
{
    std::size_t i = 0;
    const auto digitsAt = [&](std::size_t& pos) {
        const std::size_t start = pos;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
            ++pos;
        return pos > start;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const std::size_t mantissaStart = i;
    // Other programs write ".75" and "75."; a point needs a digit on one side.
    bool digits = digitsAt(i);
    if (i < text.size() && text[i] == '.') {
        ++i;
        digits = digitsAt(i) || digits;
    }
    if (!digits)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (!digitsAt(i))
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    // from_chars takes no '+' in front of the number or of the exponent;
    // rebuild the text without them.
    std::string clean;
    if (text[0] == '-')
        clean += '-';
    if (text[mantissaStart] == '.')
        clean += '0';
    for (std::size_t k = mantissaStart; k < text.size(); ++k)
        if (text[k] != '+')
            clean += text[k];
    double out = 0;
    const auto res = std::from_chars(clean.data(), clean.data() + clean.size(), out);
    if (res.ec == std::errc::result_out_of_range) {
        // Beyond the double range: an overflow shows as infinity so the
        // caller reports it; an underflow reads as zero.
        const bool negative = clean[0] == '-';
        return OrderOfMagnitude(clean) > 0
                   ? (negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity())
                   : (negative ? -0.0 : 0.0);
    }
    return out;
}

std::string FormatDateMdy(const DateTime& when)
{
    return std::to_string(when.month) + "/" + std::to_string(when.day) + "/" + std::to_string(when.year);
}

std::string FormatTime(const DateTime& when)
{
    return TwoDigits(when.hour) + ":" + TwoDigits(when.minute) + ":" + TwoDigits(when.second);
}

std::string FormatDateDdMmmYyyy(const DateTime& when)
{
    static constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const int m = (when.month >= 1 && when.month <= 12) ? when.month - 1 : 0;
    return TwoDigits(when.day) + "-" + kMonths[static_cast<std::size_t>(m)] + "-" + std::to_string(when.year);
}

DateTime LocalNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return DateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace castovin
