#include <cstdio>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "cli.h"

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        return castovin::RunCli(args, std::cout, std::cerr);
    } catch (const std::bad_alloc&) {
        // Out of memory before or after a command ran: one line, not an abort.
        std::fputs("castovin-cli: Out of memory\n", stderr);
        return 1;
    }
}
