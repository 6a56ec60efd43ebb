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
    // Any geometry option given, with or without --receiver.
    bool ChangesGeometry() const;
};

// The receiver a command reads as, in words for info and for the note below:
// "satellite (the start-up receiver)", "cable (--receiver)", and ", changed
// by the options" when geometry options were given.
std::string ReceiverAssumed(const ReceiverOptions& options);

// When the command line chose no receiver but the editor's configuration
// dialog saved one other than the start-up receiver: one line for stderr
// that says which receiver the command reads as, which one the editor is set
// to, and how to choose. Empty otherwise (also for a saved name that no
// profile has, which the editor ignores too).
std::string ReceiverChoiceNote(const ReceiverOptions& options,
                               const std::optional<std::string>& editorChoice);

// Parses options from args[index] on, stopping at the first non-option (the
// command). On an error returns false with a message in `error`.
bool ParseReceiverOptions(const std::vector<std::string>& args, std::size_t& index,
                          ReceiverOptions& out, std::string& error);

// The `receivers` command: each profile with its description and the
// geometry options that --receiver stands for.
void PrintReceiverProfiles(std::ostream& out);
// The geometry options that select `profile` without --receiver.
std::string ReceiverProfileOptions(const ReceiverProfile& profile);
