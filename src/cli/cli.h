#pragma once
// castovin-cli: the calculation core from the command line.

#include <string>
#include <vector>

#include "cli/cli_stream.h"

namespace castovin {

// The name problems are reported under.
inline constexpr const char* CliProgram = "castovin-cli";

// Exit statuses.
inline constexpr int CliOk = 0;
inline constexpr int CliFailed = 1;
inline constexpr int CliUsage = 2;

struct Project;

// The project of FILE ("-": read from `in`) as the report commands open it,
// so that its listing is the design report's; throws RuntimeError.
Project ReadReportProject(const std::string& file, const CliInput& in);

// Runs one command; `args` excludes the program name. A project named "-" is
// read from `in`. Reports go to `out` byte for byte, problems to `err` as one
// line each.
int RunCli(const std::vector<std::string>& args, const CliInput& in, CliStream& out, CliStream& err);

}  // namespace castovin
