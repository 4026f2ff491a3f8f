#pragma once
// How castovin-cli tells what went wrong: one line on standard error per
// problem, with the names in it escaped, and the check that a report really
// reached its destination, so that the exit status never says "done" for a
// report lost on a full disk or a closed standard output.

#include <string_view>

#include "cli/cli_stream.h"

namespace castovin {

// Writes "castovin-cli: SUBJECT: DESCRIPTION" (without "SUBJECT: " when it is
// empty) as one line: control characters in a file name or in the text that
// quotes one are escaped as "\xHH", so they cannot break the line or reach
// the terminal.
void ErrorLine(CliStream& err, std::string_view subject, std::string_view description);

// Flushes `out`. True when everything written to it so far arrived;
// otherwise false after the line "cannot write the report: REASON" (the
// system's text of the error the write met).
bool OutputReached(CliStream& out, CliStream& err);

// The exit status once standard output (`out` over the C stream stdout) is
// flushed and closed: `status`, or 1 with the line above when the last bytes
// or the close failed. A failure OutputReached has reported already (the
// stream is bad) is not reported twice.
int CloseStandardOutput(int status, CliStream& out, CliStream& err);

}  // namespace castovin
