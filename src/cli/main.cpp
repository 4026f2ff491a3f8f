#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <new>
#include <string>
#include <unistd.h>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_output.h"

namespace {

// A standard stream the caller closed gets /dev/null opened the other way
// round: no file the program opens can then take its number (a report would
// land inside a project file), and writing to standard output still fails
// as it would have, so the failure is reported.
void HoldClosedStandardStreams()
{
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) >= 0 || errno != EBADF)
            continue;
        const int held = ::open("/dev/null", (fd == STDIN_FILENO ? O_WRONLY : O_RDONLY) | O_CLOEXEC);
        if (held >= 0 && held != fd) {
            ::dup2(held, fd);
            ::close(held);
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    HoldClosedStandardStreams();
    castovin::CliStream out(stdout);
    castovin::CliStream err(stderr);
    int status = castovin::CliFailed;
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        status = castovin::RunCli(args, castovin::CliInput(), out, err);
    } catch (const std::bad_alloc&) {
        // Out of memory before or after a command ran: one line, not an abort.
        std::fputs("castovin-cli: Out of memory\n", stderr);
    }
    return castovin::CloseStandardOutput(status, out, err);
}
