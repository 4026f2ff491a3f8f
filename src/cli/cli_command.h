#pragma once
// The command line of castovin-cli's project commands (all but search): the
// command, its arguments and options, checked before any file is touched.

#include <cstdint>
#include <string>
#include <vector>

#include "core/model/curves.h"

namespace castovin {

// A command line that cannot run; `detail` says why, in words that follow
// "castovin-cli: COMMAND: " (`command` empty when there is none).
struct UsageError {
    std::string command;
    std::string detail;
};

struct CliRequest {
    std::string name;
    std::vector<std::string> args;
    std::string output;  // -o OUT; "-" is standard output
    bool noHeader = false;
    bool metric = false;
    bool json = false;
    double value = 0;  // units: VALUE, read by the strict rule
};

// True for design, cost and listing, which take FILE...
bool TakesSeveralFiles(const std::string& name);

// The command line without the program name; throws UsageError for a
// command, option or argument count that is wrong, a repeated option, an
// empty file name after -o, an unknown GRAPH or UNIT and a VALUE that is not
// wholly a number.
CliRequest ParseCommand(const std::vector<std::string>& args);

// The curve of a GRAPH name (checked by ParseCommand).
GraphKind GraphIndexOf(const std::string& name);

}  // namespace castovin
