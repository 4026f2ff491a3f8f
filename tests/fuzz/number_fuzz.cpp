// The number readers and writers on any bytes: the lenient reader never
// crashes and agrees with the strict reader where both apply; the general
// number format of any float reads back to a text that formats the same.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "core/editing/validation.h"
#include "core/text/number_format.h"
#include "core/text/runtime_error.h"

using namespace castovin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    double lenient = 0;
    bool overflow = false;
    try {
        lenient = LeadingNumber(text);
    } catch (const RuntimeError&) {
        overflow = true;
    }
    IsNumericText(text);
    const std::optional<double> strict = ParseStrictNumber(text);
    if (strict && std::isfinite(*strict) && !overflow && lenient != *strict)
        std::abort();

    if (size >= 4) {
        float value = 0;
        std::memcpy(&value, bytes, sizeof value);
        if (std::isfinite(value)) {
            const std::string shown = GeneralNumber(value);
            const std::optional<double> parsed = ParseStrictNumber(shown);
            if (!parsed || GeneralNumber(TextToFloatAsRead(*parsed)) != shown)
                std::abort();
            FormatNumber(value, "0.00");
            FormatNumber(value, "#.0");
        }
    }
    return 0;
}
