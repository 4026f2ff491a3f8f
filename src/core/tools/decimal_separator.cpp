#include "core/tools/decimal_separator.h"

#include <clocale>
#include <string>

#include "core/config/environment.h"

namespace castovin {

void ForceDecimalPoint(Environment& env)
{
    const char* current = std::setlocale(LC_NUMERIC, nullptr);
    const std::string separator = std::localeconv()->decimal_point;
    if (separator == ",") {
        env.SavedDecimalSeparator = ",";
        env.SavedNumericLocale = current ? current : "C";
        std::setlocale(LC_NUMERIC, "C");
    } else {
        env.SavedDecimalSeparator = ".";
        env.SavedNumericLocale.clear();
    }
}

void RestoreDecimalSeparator(Environment& env)
{
    if (!env.SavedNumericLocale.empty())
        std::setlocale(LC_NUMERIC, env.SavedNumericLocale.c_str());
    env.SavedNumericLocale.clear();
}

}  // namespace castovin
