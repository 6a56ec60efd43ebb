// `velmar-cli diff A B [--json]`: the differences between two lists (images
// or workbooks, one of them "-" for standard input), with diff's exit
// status: 0 the same, 1 different, 2 when a list cannot be read. And the edit script's `merge FILE
// [tv|radio|all]`, which adds the channels only FILE has.
#pragma once

#include "cli/ScriptWords.h"

#include <iosfwd>
#include <string>

class EditSession;
class IUserPrompt;

// `a` and `b` are the files read; `nameA` and `nameB` how the report and the
// messages name them ("-" for standard input).
int RunDiffCommand(const std::string& a, const std::string& b, const std::string& nameA,
                   const std::string& nameB, bool json, IUserPrompt* prompt);

// The script line `merge FILE [tv|radio|all]` on the session's list: what it
// added goes to `out`; empty when it ran, otherwise the message that stops
// the script.
std::string RunMergeScriptLine(EditSession& session, const ScriptArgs& args, std::ostream& out);
