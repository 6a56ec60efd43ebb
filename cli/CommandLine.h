// velmar-cli's command line: the options and operands of every command,
// parsed in the ways scripts and people expect of a GNU tool (--opt=value
// and --opt value, "--" ends the options, per-command help, --version, the
// usual wording of errors, exit status 2 for them).
#pragma once

#include "cli/LinkCommands.h"
#include "cli/ReceiverOptions.h"

#include <optional>
#include <string>
#include <vector>

struct CliInvocation {
    // Set when the command line itself was the whole run (help, version or
    // a usage error, already said): the exit status. Nothing is to be run.
    std::optional<int> exitStatus;
    std::string command;
    std::vector<std::string> operands; // exactly as many as the command takes
    ReceiverOptions receiver;
    bool json = false;                   // info --json
    LinkCommandLine link;                // receive and send
    bool bom = false;                    // export-csv --bom
    bool prune = false;                  // import-satellites --prune
    std::vector<std::string> satellites; // import-satellites --sat, as given
};

// Help and version go to standard output, errors to standard error.
CliInvocation ParseCliArguments(const std::vector<std::string>& args);

// A usage error found after parsing: the message and the pointer to --help.
// Returns the exit status (2).
int CliUsageError(const std::string& message);

// "velmar-cli (Velmar) 1.4.6 (git describe of the build, when there is one)".
std::string CliVersion();
