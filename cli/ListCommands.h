// velmar-cli's commands for lists in plain files: export-csv, import-csv and
// import-satellites. The image is open as the current document when they run.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct CliInvocation;

bool IsListCommand(const std::string& command);

// Runs the command; `save` writes the list to OUT as the other commands
// save an image and answers the exit status. The exit status: 0 done, 1
// refused or failed (nothing written).
int RunListCommand(const CliInvocation& line, const std::vector<std::string>& operands,
                   const std::function<int(const std::string&)>& save);
