#pragma once
// Numbers as text, always with "." as the decimal separator whatever the locale.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace castovin {

// General number format: the shortest text that reproduces the value with at
// most 7 significant digits (float) or 15 (double). Plain notation for
// magnitudes 1E-05 <= |x| < 1E+07 (float) or < 1E+15 (double), else exponent
// form such as 1.5E+07 or 2.5E-06. When no text of that many digits reproduces
// the value, the value rounded to that many digits is written. An infinite
// or undefined value raises run-time error 6: no text ever shows "inf".
std::string GeneralNumber(float value);
std::string GeneralNumber(double value);
std::string GeneralNumber(int64_t value);
inline std::string GeneralNumber(int16_t value)
{
    return GeneralNumber(static_cast<int64_t>(value));
}
inline std::string GeneralNumber(int32_t value)
{
    return GeneralNumber(static_cast<int64_t>(value));
}

// Decimal patterns of the reports: "0.0", "0.00", "0.000", "0.0000", "#.0",
// "##0.00" and "00".
// The value is first reduced to 15 significant digits, then rounded to the
// pattern's decimals with halves away from zero. A result that rounds to zero
// carries no minus sign. Throws std::invalid_argument for another pattern.
std::string FormatNumber(double value, std::string_view pattern);

// The float a text stands for, as the project-file reader converts it:
// parsed as a double, then rounded to float. Used to test that a text
// reproduces a float.
float TextToFloatAsRead(double parsed);

// Parses a plain decimal number (optional sign, digits with an optional
// point that may stand first or last but not alone, optional exponent) with no
// other characters; nullopt otherwise.
std::optional<double> ParseStrictNumber(std::string_view text);

struct DateTime {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// "m/d/yyyy": 12/8/2026.
std::string FormatDateMdy(const DateTime& when);
// "hh:mm:ss", 24-hour clock: 14:05:00.
std::string FormatTime(const DateTime& when);
// "dd-mmm-yyyy": 20-Aug-2013.
std::string FormatDateDdMmmYyyy(const DateTime& when);
// The local date and time now.
DateTime LocalNow();

}  // namespace castovin
