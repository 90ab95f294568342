// Runs a program with given arguments and standard input, collecting what it writes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace abacone::testing {

struct ProcessResult {
    int Status = -1;  // exit status, or minus the signal that ended it
    std::string Out;
    std::string Err;
};

struct ProcessSetup {
    std::vector<std::string> Args;     // without the program name
    std::string_view Input;            // written to a pipe on standard input
    int StdinFd = -1;                  // used as standard input instead, when set
    const char* StdoutPath = nullptr;  // opened for writing as standard output, when set
};

ProcessResult RunProcess(const char* program, const ProcessSetup& setup);

}  // namespace abacone::testing
