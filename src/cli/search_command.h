#pragma once
// castovin-cli search: the least-cost bolt pattern of a price list that
// passes the design check.

#include <string>
#include <vector>

#include "cli/cli_stream.h"

namespace castovin {

// Exit status when the search ran but no pattern passed, so that scripts can
// tell it from an error (1) and a usage error (2).
inline constexpr int CliNothingPasses = 3;

// Runs "search FILE --prices PRICES.csv [options]"; `args` starts with
// "search". `usage` is written to `err` after a usage problem.
int RunSearchCommand(const std::vector<std::string>& args, CliStream& out, CliStream& err, const std::string& usage);

}  // namespace castovin
