#pragma once
// The reports of castovin-cli as JSON for scripts: the inputs in the
// project's units with their unit names, whether the design method applies,
// the results with machine-readable verdict codes beside their texts, and
// the cost table. The shapes are documented by the JSON Schema files in
// docs/schema/.

#include <string>

#include <nlohmann/json.hpp>

#include "core/model/project.h"

namespace castovin {

// A float as the shortest decimal text that reads back as it, so that 1.2f
// is written 1.2 and not 1.2000000476837158.
nlohmann::json JsonNumber(float value);

// The unit name of a quantity kind: its label without the blank and brackets.
std::string JsonUnitName(UnitKind kind, UnitSystem unitSystem);

// The design check of a project (docs/schema/design.schema.json), as one
// line of compact JSON without its line end.
std::string DesignJson(const Project& project, const std::string& file);

// The cost check of a project (docs/schema/cost.schema.json), the same way.
std::string CostJson(const Project& project, const std::string& file);

// VALUE in every unit of its kind (docs/schema/units.schema.json).
nlohmann::json UnitsJson(double value, const std::string& unit);

}  // namespace castovin
