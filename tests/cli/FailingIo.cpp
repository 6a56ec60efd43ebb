// A failing-file seam for a whole process: preloaded into velmar-cli, it makes
// writes to files under VELMAR_FAIL_DIR stop with ENOSPC once VELMAR_FAIL_AFTER
// bytes went there (a disk filling up), or makes the sync, the close or the
// rename into that folder fail with EIO (VELMAR_FAIL_AT=sync|close|rename).
// Files elsewhere (the working copy, the terminal) are left alone.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

namespace {

long long g_nWritten = 0;

const char* Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

bool Watched(const std::string& path) {
    const std::string dir = Env("VELMAR_FAIL_DIR");
    return !dir.empty() && path.compare(0, dir.size(), dir) == 0;
}

bool WatchedFd(int fd) {
    char link[64], target[4096];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, target, sizeof target - 1);
    if (n <= 0)
        return false;
    target[n] = '\0';
    return Watched(target);
}

bool FailAt(const char* step) {
    return std::strcmp(Env("VELMAR_FAIL_AT"), step) == 0;
}

template <class F> F Real(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" ssize_t write(int fd, const void* data, size_t size) {
    static auto real = Real<ssize_t (*)(int, const void*, size_t)>("write");
    const char* after = Env("VELMAR_FAIL_AFTER");
    if (*after && WatchedFd(fd)) {
        const long long room = std::atoll(after) - g_nWritten;
        if (room <= 0) {
            errno = ENOSPC;
            return -1;
        }
        if (static_cast<long long>(size) > room)
            size = static_cast<size_t>(room);
        const ssize_t n = real(fd, data, size);
        if (n > 0)
            g_nWritten += n;
        return n;
    }
    return real(fd, data, size);
}

extern "C" int fsync(int fd) {
    static auto real = Real<int (*)(int)>("fsync");
    if (FailAt("sync") && WatchedFd(fd)) {
        errno = EIO;
        return -1;
    }
    return real(fd);
}

extern "C" int close(int fd) {
    static auto real = Real<int (*)(int)>("close");
    const bool fail = FailAt("close") && WatchedFd(fd);
    const int result = real(fd);
    if (fail) {
        errno = EIO;
        return -1;
    }
    return result;
}

extern "C" int rename(const char* from, const char* to) {
    static auto real = Real<int (*)(const char*, const char*)>("rename");
    if (FailAt("rename") && Watched(to)) {
        errno = EIO;
        return -1;
    }
    return real(from, to);
}
