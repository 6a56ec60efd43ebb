// Runs velmar-cli as a script would and collects what it said; the example
// images and scratch folders the CLI tests share.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace velmar::test {

struct Outcome {
    int status;
    std::string out, err;
};

inline const std::string kSatellite =
    std::string(VELMAR_SOURCE_DIR) + "/examples/demo-satellite.bin";
inline const std::string kCable = std::string(VELMAR_SOURCE_DIR) + "/examples/demo-cable.bin";
inline constexpr const char* kTry = "Try 'velmar-cli --help' for more information.\n";

// Runs the tool with `args` (already shell-quoted where needed), with the
// environment assignments `env` in front.
Outcome Cli(const std::string& args, const std::string& env = {});
// The same with writes into `dir` failing as `failure` says ("after=N",
// "sync", "close" or "rename").
Outcome CliFailing(const std::string& args, const std::string& dir, const std::string& failure);
// Runs `command` under /bin/sh: its standard output and error collected.
Outcome Shell(const std::string& command);

// The whole file; empty when it cannot be read.
std::string ReadAll(const std::filesystem::path& path);
// How often `what` stands in `text`.
std::size_t Count(const std::string& text, const std::string& what);
// Whether `text` holds `part` / starts with `head`; the message shows the
// text either way, so EXPECT_FALSE tells what was there too.
::testing::AssertionResult Has(const std::string& text, const std::string& part);
::testing::AssertionResult StartsWith(const std::string& text, const std::string& head);
// Whether `text` holds every one of `parts`; the message names those missing.
::testing::AssertionResult HasAll(const std::string& text, const std::vector<std::string>& parts);
// Whether the run ended with `status` and said `part` on standard error
// (anything when `part` is empty); the message shows both outputs.
::testing::AssertionResult Exits(const Outcome& run, int status, const std::string& part = {});
// The same, with standard error exactly `err`.
::testing::AssertionResult ExitsSaying(const Outcome& run, int status, const std::string& err);
// Whether the run ended with `status` and wrote exactly `out` on standard output.
::testing::AssertionResult Prints(const Outcome& run, int status, const std::string& out);

// A private folder, removed afterwards.
class Scratch {
public:
    explicit Scratch(const std::string& name);
    ~Scratch();
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }
    std::string Path() const { return m_path.string(); }
    bool Empty() const { return std::filesystem::is_empty(m_path); }

private:
    std::filesystem::path m_path;
};

} // namespace velmar::test
