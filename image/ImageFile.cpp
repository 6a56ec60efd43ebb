#include "image/ImageFile.h"

#include "platform/AtomicFile.h"
#include "platform/FileOps.h"
#include "platform/InputFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool CImageFile::Open(const std::string& path, Mode mode) {
    Close();
    const int flags = (mode == Mode::Read ? O_RDONLY : O_RDWR) | O_CLOEXEC | O_NONBLOCK;
    const int fd = ::open(path.c_str(), flags);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false; // a folder, device or pipe is no image
    }
    m_fd = fd;
    return true;
}

bool CImageFile::OpenDescriptor(int fd) {
    Close();
    m_fd = fd >= 0 ? ::fcntl(fd, F_DUPFD_CLOEXEC, 0) : -1;
    return m_fd >= 0;
}

bool CImageFile::Close() {
    if (m_fd < 0)
        return true;
    const int fd = m_fd;
    m_fd = -1;
    return FileOps().Close(fd) == 0;
}

std::int64_t CImageFile::Length() {
    struct stat st {};
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0)
        return -1;
    return st.st_size;
}

bool CImageFile::Seek(std::int64_t offset) {
    return m_fd >= 0 && offset >= 0 && ::lseek(m_fd, static_cast<off_t>(offset), SEEK_SET) >= 0;
}

std::size_t CImageFile::Read(std::span<BYTE> out) {
    std::size_t done = 0;
    while (m_fd >= 0 && done < out.size()) {
        const ssize_t n = ::read(m_fd, out.data() + done, out.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

bool CImageFile::Write(std::span<const BYTE> data) {
    if (m_fd < 0)
        return false;
    while (!data.empty()) {
        const long n = FileOps().Write(m_fd, data.data(), data.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data = data.subspan(static_cast<std::size_t>(n));
    }
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& contents, Phrase* error) {
    Phrase why;
    const bool ok =
        ReadInputFile(path, kMaxImageFileBytes, VELMAR_TRANSLATE_NOOP("Velmar", "a receiver image"),
                      contents, why);
    if (!ok && error)
        *error = why;
    return ok;
}

bool WriteWholeFile(const std::string& path, std::span<const BYTE> first,
                    std::span<const BYTE> second, std::string* error) {
    CAtomicFile file(path);
    const bool ok = file.Create() && file.Write(first) && file.Write(second) && file.Commit();
    if (!ok && error)
        *error = file.Error();
    return ok;
}
