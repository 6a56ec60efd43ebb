// The receiver options of velmar-cli: the start-up configuration, changed by
// the options given before the command.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct ReceiverOptions {
    bool yes = false; // answer Yes to the header question
    // What the options asked for, applied over the start-up configuration.
    std::optional<int> productList, byteOrder, sectorSize, maxMux;
    std::optional<unsigned> productType;
    std::optional<std::vector<int>> mmi, sat, brd, tp, ch;

    void Apply() const;
};

// Parses options from args[index] on, stopping at the first non-option (the
// command). On an error returns false with a message in `error`.
bool ParseReceiverOptions(const std::vector<std::string>& args, std::size_t& index,
                          ReceiverOptions& out, std::string& error);
