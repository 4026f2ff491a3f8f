#include "cli/cli_output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/cli.h"
#include "core/text/text_format.h"

namespace castovin {

namespace {

void CannotWrite(CliStream& err, int errorCode)
{
    // A stream can fail without a system error (errno 0); say "I/O error"
    // then rather than "Success".
    ErrorLine(err, {}, std::string("cannot write the report: ") + std::strerror(errorCode != 0 ? errorCode : EIO));
    err.Flush();
}

}  // namespace

void ErrorLine(CliStream& err, std::string_view subject, std::string_view description)
{
    // One write, so that the line arrives whole.
    std::string line = std::string(CliProgram) + ": ";
    if (!subject.empty())
        line += EscapeControls(subject) + ": ";
    line += EscapeControls(description) + "\n";
    err << line;
}

bool OutputReached(CliStream& out, CliStream& err)
{
    if (out.Flush())
        return true;
    CannotWrite(err, out.Error());
    return false;
}

int CloseStandardOutput(int status, CliStream& out, CliStream& err)
{
    const bool reported = out.Failed();
    int errorCode = out.Flush() ? 0 : (out.Error() != 0 ? out.Error() : EIO);
    // Closing reports what the file system held back until then (a quota
    // on a network disk, say).
    errno = 0;
    if (std::fclose(stdout) != 0 && errorCode == 0)
        errorCode = errno != 0 ? errno : EIO;
    if (reported || errorCode == 0)
        return status;
    CannotWrite(err, errorCode);
    return CliFailed;
}

}  // namespace castovin
