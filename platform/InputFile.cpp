#include "platform/InputFile.h"

#include "platform/DisplayTexts.h"
#include "platform/LargePages.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

std::string GroupedNumber(std::uint64_t value) {
    char text[40];
    (void)std::snprintf(text, 27, "%llu", static_cast<unsigned long long>(value));
    MakeCommaDigitString(text);
    return text;
}

namespace {

Phrase SystemReason(int error) {
    return phrase::Data(std::strerror(error));
}

Phrase CannotRead(const std::string& name, Phrase why) {
    return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "Cannot read %1: %2."),
                        {phrase::Data(name), std::move(why)});
}

} // namespace

bool ReadDescriptor(int fd, std::uint64_t maxBytes, const char* kind, const std::string& name,
                    std::string& contents, Phrase& error) {
    contents.clear();
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        error = CannotRead(name, SystemReason(errno));
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        error = phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "%1 is a folder, not %2."),
                             {phrase::Data(name), phrase::Text(kind)});
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error = phrase::Text(
            VELMAR_TRANSLATE_NOOP("Velmar", "%1 is not a regular file, so it cannot be %2."),
            {phrase::Data(name), phrase::Text(kind)});
        return false;
    }
    const auto size = static_cast<std::uint64_t>(st.st_size);
    if (size > maxBytes) {
        error = phrase::Counted(size, nullptr,
                                VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 has %2 bytes, more than %3 "
                                                                  "can have (at most %4 bytes)."),
                                {phrase::Data(name), phrase::Grouped(size), phrase::Text(kind),
                                 phrase::Grouped(maxBytes)});
        return false;
    }
    contents.reserve(static_cast<std::size_t>(size));
    PreferLargePagesFor(contents);
    contents.resize(static_cast<std::size_t>(size));
    std::size_t done = 0;
    while (done < contents.size()) {
        const ssize_t n =
            ::pread(fd, contents.data() + done, contents.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = CannotRead(
                name, n == 0 ? phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "the file ended early"))
                             : SystemReason(errno));
            contents.clear();
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool ReadDescriptor(int fd, std::uint64_t maxBytes, const char* kind, const std::string& name,
                    std::string& contents, std::string& error) {
    Phrase said;
    return InEnglish(ReadDescriptor(fd, maxBytes, kind, name, contents, said), said, error);
}

bool ReadInputFile(const std::string& path, std::uint64_t maxBytes, const char* kind,
                   std::string& contents, Phrase& error) {
    contents.clear();
    // O_NONBLOCK: opening a FIFO must not wait for a writer before we refuse it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        error = phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "Cannot open %1: %2."),
                             {phrase::Data(path), SystemReason(errno)});
        return false;
    }
    const bool ok = ReadDescriptor(fd, maxBytes, kind, path, contents, error);
    ::close(fd);
    return ok;
}

bool ReadInputFile(const std::string& path, std::uint64_t maxBytes, const char* kind,
                   std::string& contents, std::string& error) {
    Phrase said;
    return InEnglish(ReadInputFile(path, maxBytes, kind, contents, said), said, error);
}
