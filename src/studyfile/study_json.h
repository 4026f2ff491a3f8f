#pragma once
// A distribution's parameters as members of a JSON object, as the study file
// and castovin-cli risk --json both write them.

#include <nlohmann/json.hpp>

#include "core/risk/distribution.h"

namespace castovin {

// "value"; "mean", "sd"; "min", "max"; "min", "mode", "max". A mean taken
// from the project is written as "-" when `meanFromProject`.
void PutDistributionParameters(nlohmann::json& entry, const Distribution& d, bool meanFromProject);

}  // namespace castovin
