// The receiver options of velmar-cli: the start-up configuration, or the
// receiver profile named by --receiver, changed by the options given before
// the command.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

struct ReceiverProfile;

struct ReceiverOptions {
    bool yes = false;                         // answer Yes to the header question
    const ReceiverProfile* profile = nullptr; // --receiver; null: the start-up receiver
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

// The `receivers` command: each profile with its description and the
// geometry options that --receiver stands for.
void PrintReceiverProfiles(std::ostream& out);
// The geometry options that select `profile` without --receiver.
std::string ReceiverProfileOptions(const ReceiverProfile& profile);
