// Standard output that cannot lie, and "-" for a file operand.
//
// A script that reads what the tool printed must be able to trust the exit
// status: every write to standard output is checked, and a failed or short
// one (a full disk, a closed pipe) ends the command with a message and
// status 1. SIGPIPE is ignored by main, so a closed pipe is an EPIPE here.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Writes all of `bytes` to standard output after whatever the C and C++
// streams still hold. False after a failed or short write, said on stderr
// (once for the whole run).
bool WriteStandardOutput(std::string_view bytes);
// The end of the run: flushes the streams. False when any write to standard
// output failed, said on stderr unless it was said already.
bool FinishStandardOutput();

// "-" operands stand for standard input or output. The codec reads and
// writes named files, so standard input is read whole into a private
// temporary file, and an output goes into a private temporary folder and is
// copied to standard output once the command succeeded. Whatever was made
// is removed when the object goes, on every path.
class StandardStreamOperands {
public:
    StandardStreamOperands() = default;
    ~StandardStreamOperands();
    StandardStreamOperands(const StandardStreamOperands&) = delete;
    StandardStreamOperands& operator=(const StandardStreamOperands&) = delete;

    // When `operand` is "-": standard input (at most `maxBytes`) into a
    // temporary file whose name ends in `suffix`; `operand` becomes its path.
    // False with `error` when it cannot be read or is too large.
    bool Input(std::string& operand, std::uint64_t maxBytes, const char* suffix,
               std::string& error);
    // The same with the suffix chosen from what was read, for an operand that
    // may be of more than one kind.
    using SuffixFor = const char* (*)(std::string_view contents);
    bool Input(std::string& operand, std::uint64_t maxBytes, SuffixFor suffixFor,
               std::string& error);
    // When `operand` is "-": a path in a temporary folder, named to end in
    // `suffix`, whose file Finish copies to standard output.
    bool Output(std::string& operand, const char* suffix, std::string& error);
    // After the command: its output file, if "-" asked for one, to standard
    // output. Returns the exit status: `status` itself, or 1 when the copy
    // failed.
    int Finish(int status);
    // A path as the user named it: "-" for the copy of standard input.
    std::string Shown(const std::string& path) const;

private:
    bool Keep(std::string& operand, std::uint64_t maxBytes,
              const std::function<const char*(std::string_view)>& suffixFor, std::string& error);

    std::string m_input; // the copy of standard input, empty when none
    std::string m_folder;
    std::string m_output;                // the file to copy, empty when none
    int m_signalSlots[3] = {-1, -1, -1}; // the three, removed if a signal ends us
};
