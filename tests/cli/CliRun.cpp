#include "tests/cli/CliRun.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace velmar::test {

Outcome Cli(const std::string& args, const std::string& env) {
    const auto dir = std::filesystem::temp_directory_path();
    const auto errPath = dir / ("velmar-cli-err-" + std::to_string(::getpid()));
    const std::string command =
        env + std::string(VELMAR_CLI) + " " + args + " 2>" + errPath.string();
    Outcome run{};
    if (std::FILE* pipe = ::popen(command.c_str(), "r")) {
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

} // namespace velmar::test
