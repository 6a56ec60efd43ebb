// Runs velmar-cli as a script would and collects what it said.
#pragma once

#include <string>

namespace velmar::test {

struct Outcome {
    int status;
    std::string out, err;
};

// Runs the tool with `args` (already shell-quoted where needed), with the
// environment assignments `env` in front.
Outcome Cli(const std::string& args, const std::string& env = {});
// Runs `command` under /bin/sh: its standard output and error collected.
Outcome Shell(const std::string& command);

} // namespace velmar::test
