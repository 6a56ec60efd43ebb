#include "platform/FileOps.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace {

IFileOps& RealOps() {
    static IFileOps real;
    return real;
}

IFileOps* g_pFileOps = nullptr; // the test seam; null means the real calls

} // namespace

long IFileOps::Write(int fd, const void* data, std::size_t size) {
    return static_cast<long>(::write(fd, data, size));
}

int IFileOps::Sync(int fd) {
    return ::fsync(fd);
}

int IFileOps::Close(int fd) {
    return ::close(fd);
}

int IFileOps::Rename(const char* from, const char* to) {
    return std::rename(from, to);
}

IFileOps& FileOps() {
    return g_pFileOps ? *g_pFileOps : RealOps();
}

CScopedFileOps::CScopedFileOps(IFileOps& ops) : m_pPrevious(g_pFileOps) {
    g_pFileOps = &ops;
}

CScopedFileOps::~CScopedFileOps() {
    g_pFileOps = m_pPrevious;
}

long CFailingFileOps::Write(int fd, const void* data, std::size_t size) {
    if (failAfter >= 0) {
        const std::int64_t room = failAfter - m_nWritten;
        if (room <= 0) {
            errno = ENOSPC;
            return -1;
        }
        if (static_cast<std::int64_t>(size) > room)
            size = static_cast<std::size_t>(room); // a short write, as a filling disk gives
    }
    const long n = IFileOps::Write(fd, data, size);
    if (n > 0)
        m_nWritten += n;
    return n;
}

int CFailingFileOps::Sync(int fd) {
    if (failSync) {
        errno = EIO;
        return -1;
    }
    return skipSync ? 0 : IFileOps::Sync(fd);
}

int CFailingFileOps::Close(int fd) {
    const int result = IFileOps::Close(fd);
    if (failClose) {
        errno = EIO;
        return -1;
    }
    return result;
}

int CFailingFileOps::Rename(const char* from, const char* to) {
    if (failRename) {
        errno = EIO;
        return -1;
    }
    return IFileOps::Rename(from, to);
}
