#include "platform/AtomicFile.h"

#include "platform/FileOps.h"
#include "platform/SignalCleanup.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::string Folder(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A new, hidden, uniquely named file beside `target`, open for writing.
int CreateBeside(const std::string& target, const char* tag, std::string& path) {
    std::string pattern = Folder(target) + "/." + BaseName(target) + tag + "XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd >= 0)
        path.assign(name.data());
    return fd;
}

bool WriteAll(int fd, std::span<const std::uint8_t> data) {
    while (!data.empty()) {
        const long n = FileOps().Write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        data = data.subspan(static_cast<std::size_t>(n));
    }
    return true;
}

void SyncFolder(const std::string& path) {
    // The rename is durable once the folder is; a failure here cannot undo it.
    const int dir = ::open(Folder(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        FileOps().Sync(dir);
        ::close(dir);
    }
}

constexpr const char* kKeepingTheOldFile =
    VELMAR_TRANSLATE_NOOP("Velmar", "keeping the old file as %1: %2");

} // namespace

CAtomicFile::CAtomicFile(const std::string& target) : m_strTarget(target) {
    // Replacing a symbolic link would cut it: write beside what it points to.
    std::error_code ec;
    if (std::filesystem::is_symlink(target, ec)) {
        const auto resolved = std::filesystem::canonical(target, ec);
        if (!ec)
            m_strTarget = resolved.string();
    }
}

CAtomicFile::~CAtomicFile() {
    Discard();
    if (m_nHeld >= 0)
        ::close(m_nHeld);
}

int CAtomicFile::ReleaseDescriptor() {
    const int fd = m_nHeld;
    m_nHeld = -1;
    return fd;
}

bool CAtomicFile::NoFileOpen() {
    if (m_said.Empty())
        m_said = phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "no file open for %1"),
                              {phrase::Data(m_strTarget)});
    return false;
}

bool CAtomicFile::Fail(const char* what, const std::string& subject, int error) {
    m_said = phrase::Text(what, {phrase::Data(subject), phrase::Data(std::strerror(error))});
    Discard();
    return false;
}

bool CAtomicFile::Create() {
    Discard();
    m_said = {};
    m_bCommitted = false;
    struct stat st {};
    m_bTargetExists = ::stat(m_strTarget.c_str(), &st) == 0;
    if (m_bTargetExists && !S_ISREG(st.st_mode)) {
        m_said = phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "%1 is not a regular file"),
                              {phrase::Data(m_strTarget)});
        return false;
    }
    m_fd = CreateBeside(m_strTarget, ".", m_strTemp);
    if (m_fd < 0)
        return Fail(VELMAR_TRANSLATE_NOOP("Velmar", "cannot create a file in %1: %2"),
                    Folder(m_strTarget), errno);
    m_nSignalSlot = RemoveOnSignal(m_strTemp);
    if (m_bHold) {
        // mkostemp's 0600 is what a held file keeps.
        if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0)
            return Fail(VELMAR_TRANSLATE_NOOP("Velmar", "cannot lock %1: %2"), m_strTemp, errno);
        return true;
    }
    // mkostemp gives 0600; the result should look like any file the user saves.
    mode_t mode = 0;
    if (m_bTargetExists) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(m_fd, mode) != 0)
        return Fail(VELMAR_TRANSLATE_NOOP("Velmar", "cannot set the permissions of %1: %2"),
                    m_strTemp, errno);
    return true;
}

bool CAtomicFile::Write(std::span<const std::uint8_t> data) {
    if (m_fd < 0) {
        return NoFileOpen();
    }
    if (!WriteAll(m_fd, data))
        return Fail(VELMAR_TRANSLATE_NOOP("Velmar", "writing %1: %2"), m_strTarget, errno);
    return true;
}

bool CAtomicFile::KeepBackup() {
    const std::string backup = m_strTarget + ".bak";
    std::string staged;
    // A hard link keeps the old file without copying it; where the file
    // system has none, copy it.
    const int probe = CreateBeside(backup, ".", staged);
    if (probe < 0)
        return Fail(VELMAR_TRANSLATE_NOOP("Velmar", "cannot create %1: %2"), backup, errno);
    ::close(probe);
    ::unlink(staged.c_str());
    if (::link(m_strTarget.c_str(), staged.c_str()) != 0) {
        std::error_code ec;
        std::filesystem::copy_file(m_strTarget, staged, ec);
        if (ec) {
            ::unlink(staged.c_str());
            return Fail(kKeepingTheOldFile, backup, ec.value());
        }
    }
    if (FileOps().Rename(staged.c_str(), backup.c_str()) != 0) {
        const int error = errno;
        ::unlink(staged.c_str());
        return Fail(kKeepingTheOldFile, backup, error);
    }
    return true;
}

bool CAtomicFile::Commit(bool keepBackup) {
    if (m_fd < 0) {
        return NoFileOpen();
    }
    if (FileOps().Sync(m_fd) != 0)
        return Fail(VELMAR_TRANSLATE_NOOP("Velmar", "writing %1 to disk: %2"), m_strTarget, errno);
    if (!m_bHold) {
        const int fd = m_fd;
        m_fd = -1;
        if (FileOps().Close(fd) != 0)
            return Fail(VELMAR_TRANSLATE_NOOP("Velmar", "closing %1: %2"), m_strTarget, errno);
    }
    struct stat st {};
    if (keepBackup && ::stat(m_strTarget.c_str(), &st) == 0 && S_ISREG(st.st_mode) && !KeepBackup())
        return false;
    if (FileOps().Rename(m_strTemp.c_str(), m_strTarget.c_str()) != 0)
        return Fail(VELMAR_TRANSLATE_NOOP("Velmar", "replacing %1: %2"), m_strTarget, errno);
    if (m_bHold) {
        m_nHeld = m_fd;
        m_fd = -1;
    }
    m_bCommitted = true;
    KeepAfterSignal(m_nSignalSlot);
    m_nSignalSlot = -1;
    m_strTemp.clear();
    SyncFolder(m_strTarget);
    return true;
}

void CAtomicFile::Discard() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_bCommitted && !m_strTemp.empty())
        ::unlink(m_strTemp.c_str());
    KeepAfterSignal(m_nSignalSlot);
    m_nSignalSlot = -1;
    m_strTemp.clear();
}

bool WriteFileAtomically(const std::string& path,
                         std::initializer_list<std::span<const std::uint8_t>> pieces,
                         Phrase* error) {
    CAtomicFile file(path);
    bool ok = file.Create();
    for (const auto piece : pieces)
        ok = ok && file.Write(piece);
    ok = ok && file.Commit();
    if (!ok && error)
        *error = file.Said();
    return ok;
}

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> data,
                         Phrase* error) {
    return WriteFileAtomically(path, {data}, error);
}

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> data,
                         std::string* error) {
    Phrase said;
    const bool ok = WriteFileAtomically(path, data, &said);
    if (!ok && error)
        *error = English(said);
    return ok;
}
