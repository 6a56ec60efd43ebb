// velmar-cli receive and send: an image from or to a receiver over a serial
// line or TCP.
#pragma once

#include "link/LinkEndpoint.h"
#include "link/YmodemOptions.h"

#include <string>
#include <vector>

bool IsLinkCommand(const std::string& command);

struct LinkCommandLine {
    LinkEndpoint endpoint;
    ymodem::Options options;
    std::string file;
};

// Parses the arguments after "receive" or "send"; false with `error` on a
// usage error.
bool ParseLinkCommandLine(const std::vector<std::string>& args, LinkCommandLine& out,
                          std::string& error);

// Runs the command on its parsed line; returns the exit status (0 done, 1 the
// transfer failed).
int RunLinkCommand(const std::string& command, const LinkCommandLine& line);

extern const char* const kLinkUsage;
