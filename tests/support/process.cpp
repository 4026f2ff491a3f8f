#include "process.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

namespace castovin::test {

namespace {

// Where the child's standard output goes: the pipe read back, a file, or
// nowhere (closed).
struct OutputPlace {
    bool collected = true;
    std::optional<std::string> path;
};

// In the child: standard output as `place` asks; false when it cannot be.
bool PlaceOutput(const OutputPlace& place, int pipeEnd)
{
    if (place.collected)
        return ::dup2(pipeEnd, 1) == 1;
    if (!place.path)
        return ::close(1) == 0;
    const int fd = ::open(place.path->c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    return fd >= 0 && ::dup2(fd, 1) == 1 && ::close(fd) == 0;
}

ProcessResult Run(const std::string& program, const std::vector<std::string>& args, const std::string& workingDirectory,
                  const std::string& input, const OutputPlace& place)
{
    int outPipe[2], errPipe[2], inPipe[2];
    if (::pipe(outPipe) != 0 || ::pipe(errPipe) != 0 || ::pipe(inPipe) != 0)
        throw std::runtime_error("pipe failed");
    const pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        ::dup2(inPipe[0], 0);
        ::dup2(errPipe[1], 2);
        if (!PlaceOutput(place, outPipe[1]))
            ::_exit(125);
        for (int fd : {outPipe[0], outPipe[1], errPipe[0], errPipe[1], inPipe[0], inPipe[1]})
            if (fd > 2)
                ::close(fd);
        // A program writing into a closed pipe is killed as from a shell,
        // whatever the test runner does with the signal.
        ::signal(SIGPIPE, SIG_DFL);
        if (!workingDirectory.empty() && ::chdir(workingDirectory.c_str()) != 0)
            ::_exit(126);
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    ::close(inPipe[0]);
    if (!input.empty() && ::write(inPipe[1], input.data(), input.size()) < 0) {
        // The program did not read its input; its output tells the rest.
    }
    ::close(inPipe[1]);

    ProcessResult result;
    pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    std::string* sinks[2] = {&result.out, &result.err};
    int open = 2;
    char buffer[65536];
    while (open > 0) {
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(n));
            } else {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

}  // namespace

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& workingDirectory, const std::string& input)
{
    return Run(program, args, workingDirectory, input, OutputPlace{});
}

ProcessResult RunProcessWithOutput(const std::string& program, const std::vector<std::string>& args,
                                   const std::optional<std::string>& outputPath)
{
    return Run(program, args, {}, {}, OutputPlace{false, outputPath});
}

}  // namespace castovin::test
