// The system calls through which every output file of the program is written,
// synced, closed and renamed into place. Tests swap in CFailingFileOps to make
// a write fail after N bytes, or the sync, the close or the rename fail, and
// then check that nothing the user had was lost.
#pragma once

#include <cstddef>
#include <cstdint>

class IFileOps {
public:
    virtual ~IFileOps() = default;
    // As write(2), fsync(2), close(2) and rename(2): -1 with errno on failure.
    virtual long Write(int fd, const void* data, std::size_t size);
    virtual int Sync(int fd);
    virtual int Close(int fd);
    virtual int Rename(const char* from, const char* to);
};

// The operations in force: the real ones unless a test replaced them.
IFileOps& FileOps();

// Puts `ops` in force for its lifetime.
class CScopedFileOps {
public:
    explicit CScopedFileOps(IFileOps& ops);
    ~CScopedFileOps();
    CScopedFileOps(const CScopedFileOps&) = delete;
    CScopedFileOps& operator=(const CScopedFileOps&) = delete;

private:
    IFileOps* m_pPrevious;
};

// Real operations that fail on purpose: writes stop with ENOSPC once
// `failAfter` bytes went through (a full disk), and the sync, the close
// (after really closing) or the rename fail with EIO when asked to.
class CFailingFileOps final : public IFileOps {
public:
    std::int64_t failAfter = -1; // -1: writes never fail
    bool failSync = false;
    bool failClose = false;
    bool failRename = false;
    // Skips fsync altogether (fuzzing writes thousands of files a second).
    bool skipSync = false;

    long Write(int fd, const void* data, std::size_t size) override;
    int Sync(int fd) override;
    int Close(int fd) override;
    int Rename(const char* from, const char* to) override;
    std::int64_t Written() const { return m_nWritten; }

private:
    std::int64_t m_nWritten = 0;
};
