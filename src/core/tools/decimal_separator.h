#pragma once
// Numbers are written and read with "." while the program runs. The locale
// is per process here, so only this process's numeric locale is switched.

namespace castovin {

struct Environment;

// When the process's numeric locale uses "," as decimal separator, remember
// it and switch the process to ".". SavedDecimalSeparator records which.
void ForceDecimalPoint(Environment& env);

// Puts the process's numeric locale back as ForceDecimalPoint found it.
void RestoreDecimalSeparator(Environment& env);

}  // namespace castovin
