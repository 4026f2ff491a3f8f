#pragma once
// Runs a program with arguments (no shell) in a folder and collects its exit
// status, standard output and standard error.

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

}  // namespace castovin::test
