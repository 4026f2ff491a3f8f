#pragma once
// Conversion of the open project between the English and the metric unit
// system, under a new name so that the file it came from stays as it is.

#include <cstdint>

#include "core/model/project.h"

namespace castovin {

struct Messenger;

// Converts the cost inputs that carry a length: the row spacing and the input
// advance per shift as lengths, the advance rate as a mass per length (its
// mass unit stays). Money, counts, hours, years and the input clean
// production keep their numbers.
void ConvertCost(CostRecord& cost, bool toMetric);

// Converts every unit-bearing support parameter into the unit system
// `target` (English or Metric), names the project "Metric_" or "English_" followed by its
// file name (without folder), switches UnitSystem and marks the project
// changed, with the cost inputs that carry a length (ConvertCost). Counts
// keep their numbers.
bool ConvertProject(Project& project, UnitSystem target, Messenger& messenger);

}  // namespace castovin
