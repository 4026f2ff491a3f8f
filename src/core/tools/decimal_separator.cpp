#include "tools/decimal_separator.h"

#include <clocale>
#include <string>

#include "program/program_state.h"

namespace castovin {

void ForceDecimalPoint(ProgramState& state)
{
    const char* current = std::setlocale(LC_NUMERIC, nullptr);
    const std::string separator = std::localeconv()->decimal_point;
    if (separator == ",") {
        state.SavedDecimalSeparator = ",";
        state.SavedNumericLocale = current ? current : "C";
        std::setlocale(LC_NUMERIC, "C");
    } else {
        state.SavedDecimalSeparator = ".";
        state.SavedNumericLocale.clear();
    }
}

void RestoreDecimalSeparator(ProgramState& state)
{
    if (!state.SavedNumericLocale.empty())
        std::setlocale(LC_NUMERIC, state.SavedNumericLocale.c_str());
    state.SavedNumericLocale.clear();
}

}  // namespace castovin
