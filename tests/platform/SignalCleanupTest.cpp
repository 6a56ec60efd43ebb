// A signal that ends a command in the middle of a write leaves no file of
// the write behind, and the target as it was.
#include "platform/SignalCleanup.h"
#include "platform/AtomicFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

fs::path Folder(const char* name) {
    const fs::path dir =
        fs::temp_directory_path() / ("velmar-signal-" + std::to_string(::getpid()) + "-" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

std::vector<std::string> Names(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    return names;
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

TEST(SignalCleanup, AWriteEndedBySignalLeavesOnlyTheOldTarget) {
    for (const int number : {SIGINT, SIGTERM, SIGHUP}) {
        const fs::path dir = Folder("write");
        std::ofstream(dir / "list.bin") << "old";
        const int status = WriteThenSignal(dir / "list.bin", number, false);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == number) << number;
        EXPECT_EQ(Names(dir), std::vector<std::string>{"list.bin"}) << number;
        std::ifstream in(dir / "list.bin");
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old");
        fs::remove_all(dir);
    }
}

TEST(SignalCleanup, ASignalIgnoredBeforeStaysIgnored) {
    const fs::path dir = Folder("ignored");
    const int status = WriteThenSignal(dir / "list.bin", SIGHUP, true);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_TRUE(Names(dir).empty());
    fs::remove_all(dir);
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
