// Runs velmar-cli as a script would and collects what it said.
#pragma once

#include <string>

namespace velmar::test {

struct Outcome {
    int status;
    std::string out, err;
};

// Runs the tool with `args` (already shell-quoted where needed).
Outcome Cli(const std::string& args);

} // namespace velmar::test
