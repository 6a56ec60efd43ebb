#include "link/FdTransport.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int PollMs(std::chrono::milliseconds timeout) {
    const auto ms = timeout.count();
    return ms < 0 ? 0 : ms > 1000000 ? 1000000 : static_cast<int>(ms);
}

} // namespace

std::string SystemError(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

Phrase SystemFailure(const char* pattern, const std::string& subject) {
    return phrase::Text(pattern, {phrase::Data(subject), phrase::Data(std::strerror(errno))});
}

CFdTransport::CFdTransport(int fd, bool socket) : m_fd(fd), m_bSocket(socket) {
    if (m_fd >= 0) {
        const int flags = ::fcntl(m_fd, F_GETFL);
        if (flags >= 0)
            ::fcntl(m_fd, F_SETFL, flags | O_NONBLOCK);
    }
}

CFdTransport::~CFdTransport() {
    if (m_fd >= 0)
        ::close(m_fd);
}

std::ptrdiff_t CFdTransport::Read(std::span<std::uint8_t> out, std::chrono::milliseconds timeout) {
    if (m_fd < 0) {
        SetError("the line is not open");
        return kLineClosed;
    }
    for (;;) {
        const ssize_t got = ::read(m_fd, out.data(), out.size());
        if (got > 0)
            return got;
        if (got == 0) {
            SetError("closed by the other side");
            return kLineClosed;
        }
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK) {
            // A pty whose other end has gone reports EIO.
            SetError(errno == EIO ? std::string("closed by the other side") : SystemError("read"));
            return kLineClosed;
        }
        pollfd p{m_fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, PollMs(timeout));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0) {
            SetError(SystemError("poll"));
            return kLineClosed;
        }
        if (ready == 0)
            return 0;
        if ((p.revents & (POLLIN | POLLHUP | POLLERR)) == 0)
            return 0;
        timeout = std::chrono::milliseconds{0}; // something is there: read it now
    }
}

bool CFdTransport::Write(std::span<const std::uint8_t> data) {
    if (m_fd < 0) {
        SetError("the line is not open");
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + m_writeTimeout;
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = m_bSocket
                              ? ::send(m_fd, data.data() + done, data.size() - done, MSG_NOSIGNAL)
                              : ::write(m_fd, data.data() + done, data.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            SetError(errno == EIO || errno == EPIPE ? std::string("closed by the other side")
                                                    : SystemError("write"));
            return false;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left <= std::chrono::milliseconds{0}) {
            SetError("the line takes no data");
            return false;
        }
        pollfd p{m_fd, POLLOUT, 0};
        if (::poll(&p, 1, PollMs(left)) < 0 && errno != EINTR) {
            SetError(SystemError("poll"));
            return false;
        }
    }
    return true;
}

std::string CFdTransport::Error() const {
    const std::lock_guard lock(m_errorMutex);
    return m_strError;
}

void CFdTransport::SetError(std::string error) {
    const std::lock_guard lock(m_errorMutex);
    m_strError = std::move(error);
}
