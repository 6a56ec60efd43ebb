#include "cli/StandardStreams.h"

#include "platform/SignalCleanup.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <unistd.h>

namespace {

bool g_bFailed = false;

void ReportWriteError(int error) {
    if (g_bFailed)
        return;
    g_bFailed = true;
    std::cerr << "velmar-cli: cannot write to standard output";
    if (error != 0)
        std::cerr << ": " << std::strerror(error);
    std::cerr << "\n";
}

// What the streams hold goes first, in order.
bool FlushStreams() {
    if (g_bFailed)
        return false;
    errno = 0;
    std::cout.flush();
    if (std::fflush(stdout) != 0 || std::ferror(stdout) || std::cout.bad()) {
        ReportWriteError(errno);
        return false;
    }
    return true;
}

std::string TemporaryPattern(const char* stem) {
    return (std::filesystem::temp_directory_path() / stem).string();
}

} // namespace

bool WriteStandardOutput(std::string_view bytes) {
    if (!FlushStreams())
        return false;
    while (!bytes.empty()) {
        const ssize_t n = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ReportWriteError(n < 0 ? errno : ENOSPC);
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool FinishStandardOutput() {
    return FlushStreams();
}

StandardStreamOperands::~StandardStreamOperands() {
    std::error_code ignored;
    if (!m_input.empty())
        std::filesystem::remove(m_input, ignored);
    if (!m_folder.empty())
        std::filesystem::remove_all(m_folder, ignored);
    for (const int slot : m_signalSlots)
        KeepAfterSignal(slot);
}

bool StandardStreamOperands::Input(std::string& operand, std::uint64_t maxBytes, const char* suffix,
                                   std::string& error) {
    return Keep(
        operand, maxBytes, [suffix](std::string_view) { return suffix; }, error);
}

bool StandardStreamOperands::Input(std::string& operand, std::uint64_t maxBytes,
                                   SuffixFor suffixFor, std::string& error) {
    return Keep(operand, maxBytes, suffixFor, error);
}

bool StandardStreamOperands::Keep(std::string& operand, std::uint64_t maxBytes,
                                  const std::function<const char*(std::string_view)>& suffixFor,
                                  std::string& error) {
    if (operand != "-")
        return true;
    std::string contents;
    char buffer[65536];
    while (true) {
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = std::string("cannot read standard input: ") + std::strerror(errno);
            return false;
        }
        if (n == 0)
            break;
        // Bounded as a named file is: never more than the largest input.
        if (contents.size() + static_cast<std::size_t>(n) > maxBytes) {
            error = "standard input is larger than " + std::to_string(maxBytes) +
                    " bytes, more than any such file";
            return false;
        }
        contents.append(buffer, static_cast<std::size_t>(n));
    }
    const char* const suffix = suffixFor(contents);
    std::string path = TemporaryPattern("velmar-stdin-XXXXXX") + suffix;
    const int fd = ::mkstemps(path.data(), static_cast<int>(std::strlen(suffix)));
    if (fd < 0) {
        error =
            std::string("cannot keep standard input in a temporary file: ") + std::strerror(errno);
        return false;
    }
    m_input = path;
    m_signalSlots[0] = RemoveOnSignal(path);
    std::string_view rest = contents;
    while (!rest.empty()) {
        const ssize_t n = ::write(fd, rest.data(), rest.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = std::string("cannot keep standard input in a temporary file: ") +
                    std::strerror(n < 0 ? errno : ENOSPC);
            ::close(fd);
            return false;
        }
        rest.remove_prefix(static_cast<std::size_t>(n));
    }
    if (::close(fd) != 0) {
        error =
            std::string("cannot keep standard input in a temporary file: ") + std::strerror(errno);
        return false;
    }
    operand = path;
    return true;
}

bool StandardStreamOperands::Output(std::string& operand, const char* suffix, std::string& error) {
    if (operand != "-")
        return true;
    if (m_folder.empty()) {
        std::string folder = TemporaryPattern("velmar-stdout-XXXXXX");
        if (!::mkdtemp(folder.data())) {
            error = std::string("cannot make a temporary folder for standard output: ") +
                    std::strerror(errno);
            return false;
        }
        m_folder = folder;
        m_signalSlots[2] = RemoveOnSignal(folder, true);
    }
    m_output = m_folder + "/out" + suffix;
    KeepAfterSignal(m_signalSlots[1]);
    m_signalSlots[1] = RemoveOnSignal(m_output);
    operand = m_output;
    return true;
}

int StandardStreamOperands::Finish(int status) {
    if (status != 0 || m_output.empty())
        return status;
    std::ifstream in(m_output, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.good() && !in.eof()) {
        std::cerr << "velmar-cli: cannot read back the output for standard output\n";
        return 1;
    }
    return WriteStandardOutput(bytes) ? 0 : 1;
}

std::string StandardStreamOperands::Shown(const std::string& path) const {
    return !m_input.empty() && path == m_input ? "-" : path;
}
