#include "platform/InputFile.h"

#include "platform/DisplayTexts.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::string GroupedNumber(std::uint64_t value) {
    char text[40];
    (void)std::snprintf(text, 27, "%llu", static_cast<unsigned long long>(value));
    MakeCommaDigitString(text);
    return text;
}

bool ReadDescriptor(int fd, std::uint64_t maxBytes, const char* kind, const std::string& name,
                    std::string& contents, std::string& error) {
    contents.clear();
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        error = "Cannot read " + name + ": " + std::strerror(errno) + ".";
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        error = name + " is a folder, not " + kind + ".";
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error = name + " is not a regular file, so it cannot be " + kind + ".";
        return false;
    }
    const auto size = static_cast<std::uint64_t>(st.st_size);
    if (size > maxBytes) {
        error = name + " has " + GroupedNumber(size) + " bytes, more than " + kind +
                " can have (at most " + GroupedNumber(maxBytes) + " bytes).";
        return false;
    }
    contents.resize(static_cast<std::size_t>(size));
    std::size_t done = 0;
    while (done < contents.size()) {
        const ssize_t n =
            ::pread(fd, contents.data() + done, contents.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = "Cannot read " + name + ": " +
                    (n == 0 ? std::string("the file ended early") : std::strerror(errno)) + ".";
            contents.clear();
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool ReadInputFile(const std::string& path, std::uint64_t maxBytes, const char* kind,
                   std::string& contents, std::string& error) {
    contents.clear();
    // O_NONBLOCK: opening a FIFO must not wait for a writer before we refuse it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        error = "Cannot open " + path + ": " + std::strerror(errno) + ".";
        return false;
    }
    const bool ok = ReadDescriptor(fd, maxBytes, kind, path, contents, error);
    ::close(fd);
    return ok;
}
