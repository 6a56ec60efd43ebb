#include "link/AtomicFile.h"

#include "link/FdTransport.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteAll(int fd, std::span<const std::uint8_t> data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

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
        std::snprintf(suffix, sizeof suffix, "%06x", static_cast<unsigned>(rng() & 0xFFFFFF));
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
    std::string temp;
    const int fd = CreateSiblingTempFile(target, "new", temp, error);
    if (fd < 0)
        return false;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);
    bool ok = WriteAll(fd, first) && WriteAll(fd, second) && ::fsync(fd) == 0;
    if (!ok)
        error = SystemError("cannot write " + temp);
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = SystemError("cannot write " + temp);
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        error = SystemError("cannot replace " + target);
        ::unlink(temp.c_str());
        return false;
    }
    // The rename itself reaches the disk with the directory.
    const int dir = ::open(DirectoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}
