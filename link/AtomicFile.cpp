#include "link/AtomicFile.h"

#include "link/FdTransport.h"
#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string DirectoryOf(const std::string& path) {
    const std::string dir = std::filesystem::path(path).parent_path().string();
    return dir.empty() ? "." : dir;
}

} // namespace

int CreateSiblingTempFile(const std::string& target, const char* tag, std::string& path,
                          std::string& error) {
    const std::filesystem::path p(target);
    const std::string stem = DirectoryOf(target) + "/." + p.filename().string() + "." + tag + "-";
    std::random_device seed;
    std::mt19937 rng(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[16];
        (void)std::snprintf(suffix, sizeof suffix, "%06x", static_cast<unsigned>(rng() & 0xFFFFFF));
        path = stem + suffix;
        // 0666 so the umask decides, as for any file the user creates.
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST) {
            error = SystemError("cannot create a file in " + DirectoryOf(target));
            return -1;
        }
    }
    error = "cannot create a temporary file in " + DirectoryOf(target);
    return -1;
}

bool ReplaceFileAtomically(const std::string& target, std::span<const std::uint8_t> first,
                           std::span<const std::uint8_t> second, std::string& error) {
    CAtomicFile out(target);
    if (out.Create() && out.Write(first) && out.Write(second) && out.Commit())
        return true;
    error = out.Error();
    return false;
}
