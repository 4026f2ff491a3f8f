#pragma once
// castovin-cli risk: how likely a project is to pass the design check when
// its inputs are uncertain.

#include "cli/cli_stream.h"
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/risk/risk_results.h"

namespace castovin {

// Exit status when a probability falls short of --min-probability (the
// same as a search in which nothing passes).
inline constexpr int CliBelowProbability = 3;

// Runs "risk FILE... [options]"; `args` starts with "risk". `usage` is
// written to `err` after a usage problem.
int RunRiskCommand(const std::vector<std::string>& args, const CliInput& in, CliStream& out, CliStream& err,
                   const std::string& usage);

// The study as JSON (the "study" member of docs/schema/risk.schema.json).
nlohmann::json StudyJson(const Study& resolvedStudy, UnitSystem unitSystem);

// The results as JSON (docs/schema/risk.schema.json, without the file and
// study members).
nlohmann::json RiskResultsJson(const RiskResults& results);

}  // namespace castovin
