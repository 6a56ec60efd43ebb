#include "tests/cli/CliRun.h"

#include <cstdio>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace velmar::test {

Outcome Shell(const std::string& command) {
    const auto errPath =
        std::filesystem::temp_directory_path() / ("velmar-cli-err-" + std::to_string(::getpid()));
    const std::string full = "{ " + command + " ; } 2>" + errPath.string();
    Outcome run{-1, {}, {}};
    if (std::FILE* pipe = ::popen(full.c_str(), "r")) {
        char buffer[4096];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            run.out.append(buffer, n);
        const int raw = ::pclose(pipe);
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    run.err = ReadAll(errPath);
    std::filesystem::remove(errPath);
    return run;
}

Outcome Cli(const std::string& args, const std::string& env) {
    return Shell(env + std::string(VELMAR_CLI) + " " + args);
}

Outcome CliFailing(const std::string& args, const std::string& dir, const std::string& failure) {
    std::string env = "LD_PRELOAD=" + std::string(VELMAR_FAILING_IO) +
                      " ASAN_OPTIONS=verify_asan_link_order=0 VELMAR_FAIL_DIR=" + dir + " ";
    if (failure.rfind("after=", 0) == 0)
        env += "VELMAR_FAIL_AFTER=" + failure.substr(6) + " ";
    else
        env += "VELMAR_FAIL_AT=" + failure + " ";
    return Cli(args, env);
}

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

namespace {

::testing::AssertionResult Said(bool ok, const std::string& text) {
    auto result = ok ? ::testing::AssertionSuccess() : ::testing::AssertionFailure();
    return result << "in: " << text.substr(0, 4000);
}

::testing::AssertionResult Ended(bool ok, const Outcome& run) {
    auto result = ok ? ::testing::AssertionSuccess() : ::testing::AssertionFailure();
    return result << "status " << run.status << ", stderr: " << run.err
                  << "stdout: " << run.out.substr(0, 2000);
}

} // namespace

::testing::AssertionResult Has(const std::string& text, const std::string& part) {
    return Said(text.find(part) != std::string::npos, text);
}

::testing::AssertionResult StartsWith(const std::string& text, const std::string& head) {
    return Said(text.rfind(head, 0) == 0, text);
}

::testing::AssertionResult HasAll(const std::string& text, const std::vector<std::string>& parts) {
    std::string missing;
    for (const std::string& part : parts)
        if (text.find(part) == std::string::npos)
            missing += "\n  missing: " + part;
    return Said(missing.empty(), text) << missing;
}

::testing::AssertionResult Exits(const Outcome& run, int status, const std::string& part) {
    return Ended(run.status == status && run.err.find(part) != std::string::npos, run);
}

::testing::AssertionResult ExitsSaying(const Outcome& run, int status, const std::string& err) {
    return Ended(run.status == status && run.err == err, run);
}

::testing::AssertionResult Prints(const Outcome& run, int status, const std::string& out) {
    return Ended(run.status == status && run.out == out, run);
}

Scratch::Scratch(const std::string& name)
    : m_path(std::filesystem::temp_directory_path() /
             ("velmar-cli-" + std::to_string(::getpid()) + "-" + name)) {
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

Scratch::~Scratch() {
    std::filesystem::remove_all(m_path);
}

} // namespace velmar::test
