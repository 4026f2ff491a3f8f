#pragma once
// Conversion of the open project between the English and the metric unit
// system, under a new name so that the file it came from stays as it is.

#include <cstdint>

namespace castovin {

struct Messenger;
struct Project;

// Converts every unit-bearing support parameter into the unit system
// `target` (English or Metric), names the project "Metric_" or "English_" followed by its
// file name (without folder), switches UnitSystem and marks the project
// changed. The cost record and the counts keep their numbers.
bool ConvertProject(Project& project, int16_t target, Messenger& messenger);

}  // namespace castovin
