#include "tests/cli/CliRun.h"

#include <cstdio>
#include <filesystem>
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
    std::ifstream err(errPath);
    run.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
    std::filesystem::remove(errPath);
    return run;
}

Outcome Cli(const std::string& args, const std::string& env) {
    return Shell(env + std::string(VELMAR_CLI) + " " + args);
}

} // namespace velmar::test
