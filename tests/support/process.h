#pragma once
// Runs a program with arguments (no shell) in a folder and collects its exit
// status, standard output and standard error.

#include <optional>
#include <string>
#include <vector>

namespace castovin::test {

struct ProcessResult {
    int status = -1;
    std::string out;
    std::string err;
};

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& workingDirectory = {}, const std::string& input = {});

// The same with standard output opened for writing on `outputPath` (such as
// /dev/full) instead of collected, or closed when it is nullopt; `out` of
// the result stays empty.
ProcessResult RunProcessWithOutput(const std::string& program, const std::vector<std::string>& args,
                                   const std::optional<std::string>& outputPath);

}  // namespace castovin::test
