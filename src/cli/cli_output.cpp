#include "cli_output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ostream>
#include <string>

#include "cli.h"
#include "text/text_format.h"

namespace castovin {

namespace {

void CannotWrite(std::ostream& err, int errorCode)
{
    // A stream can fail without a system error (errno 0); say "I/O error"
    // then rather than "Success".
    ErrorLine(err, {}, std::string("cannot write the report: ") + std::strerror(errorCode != 0 ? errorCode : EIO));
    err.flush();
}

}  // namespace

void ErrorLine(std::ostream& err, std::string_view subject, std::string_view description)
{
    err << CliProgram << ": ";
    if (!subject.empty())
        err << EscapeControls(subject) << ": ";
    err << EscapeControls(description) << "\n";
}

bool OutputReached(std::ostream& out, std::ostream& err)
{
    // The write that failed set errno; nothing runs between it and this
    // check but the flush, which writes nothing more on a failed stream.
    out.flush();
    if (out)
        return true;
    CannotWrite(err, errno);
    return false;
}

int CloseStandardOutput(int status, std::ostream& out, std::ostream& err)
{
    const bool reported = !out;
    out.flush();
    int errorCode = out ? 0 : (errno != 0 ? errno : EIO);
    // Closing reports what the file system held back until then (a quota
    // on a network disk, say).
    if (std::fclose(stdout) != 0 && errorCode == 0)
        errorCode = errno != 0 ? errno : EIO;
    if (reported || errorCode == 0)
        return status;
    CannotWrite(err, errorCode);
    return CliFailed;
}

}  // namespace castovin
