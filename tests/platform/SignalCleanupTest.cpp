// A signal that ends a command in the middle of a write leaves no file of
// the write behind, and the target as it was.
#include "platform/SignalCleanup.h"
#include "platform/AtomicFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The folder's files and what they hold.
std::map<std::string, std::string> Contents(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(dir)) {
        std::ifstream in(entry.path());
        files[entry.path().filename().string()] = {std::istreambuf_iterator<char>(in), {}};
    }
    return files;
}

// In a child: a write begun with the handler installed (and `number`
// ignored before when `ignoredBefore`), then the signal. The child's status.
int WriteThenSignal(const fs::path& target, int number, bool ignoredBefore) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (ignoredBefore)
            std::signal(number, SIG_IGN);
        InstallSignalCleanup();
        CAtomicFile out(target.string());
        const std::uint8_t bytes[] = {1, 2, 3};
        if (!out.Create() || !out.Write(bytes) || PathsHeldForSignal() != 1)
            ::_exit(3);
        ::raise(number);
        // Still here: the signal was ignored; the write is dropped as usual.
        out.Discard();
        ::_exit(PathsHeldForSignal() == 0 ? 0 : 4);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    return status;
}

} // namespace

// A signal ignored before the handler was installed stays ignored: the
// write goes on and is dropped as usual.
TEST(SignalCleanup, AWriteEndedBySignalLeavesOnlyTheOldTarget) {
    for (const auto& [number, ignored] :
         {std::pair{SIGINT, false}, {SIGTERM, false}, {SIGHUP, false}, {SIGHUP, true}}) {
        const fs::path dir =
            fs::temp_directory_path() / ("velmar-signal-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        std::ofstream(dir / "list.bin") << "old";
        const int status = WriteThenSignal(dir / "list.bin", number, ignored);
        if (ignored)
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        else
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == number) << number;
        EXPECT_EQ(Contents(dir), (std::map<std::string, std::string>{{"list.bin", "old"}}))
            << number;
        fs::remove_all(dir);
    }
}

TEST(SignalCleanup, SlotsAreReusedAndAFullTableSaysSo) {
    const int before = PathsHeldForSignal();
    std::vector<int> slots;
    for (int slot; (slot = RemoveOnSignal("/nonexistent/x")) >= 0;)
        slots.push_back(slot);
    EXPECT_GE(slots.size(), 16u);
    EXPECT_EQ(RemoveOnSignal("/nonexistent/y"), -1) << "full";
    KeepAfterSignal(slots[3]);
    EXPECT_EQ(RemoveOnSignal("/nonexistent/z"), slots[3]) << "a released slot is taken again";
    for (const int slot : slots)
        KeepAfterSignal(slot);
    EXPECT_EQ(PathsHeldForSignal(), before);
    EXPECT_EQ(RemoveOnSignal(std::string(5000, 'a')), -1) << "too long to keep";
    EXPECT_EQ(RemoveOnSignal(""), -1);
}
