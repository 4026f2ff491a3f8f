#pragma once
// The usage lines and help texts of castovin-cli, one per subcommand; the
// manual page says the same.

#include <string>

namespace castovin {

// All usage lines, as printed after a usage error.
const char* CliUsageText();

// The whole help (`castovin-cli --help`).
std::string CliHelpText();

// The help of one subcommand (`castovin-cli design --help`); empty when the
// subcommand is unknown.
std::string SubcommandHelp(const std::string& name);

}  // namespace castovin
