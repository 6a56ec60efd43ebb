// A transport over a POSIX file descriptor (a socket, a serial port, a pty),
// non-blocking underneath and waiting with poll().
#pragma once

#include "link/Transport.h"

#include <chrono>
#include <string>

class CFdTransport : public ITransport {
public:
    // Takes ownership of `fd` and makes it non-blocking. `socket` chooses
    // send() (never SIGPIPE) over write().
    CFdTransport(int fd, bool socket);
    ~CFdTransport() override;
    CFdTransport(const CFdTransport&) = delete;
    CFdTransport& operator=(const CFdTransport&) = delete;

    std::ptrdiff_t Read(std::span<std::uint8_t> out, std::chrono::milliseconds timeout) override;
    bool Write(std::span<const std::uint8_t> data) override;
    std::string Error() const override { return m_strError; }

    int Fd() const { return m_fd; }
    // How long one Write may wait for the line to take data.
    void SetWriteTimeout(std::chrono::milliseconds timeout) { m_writeTimeout = timeout; }

protected:
    void SetError(std::string error) { m_strError = std::move(error); }

private:
    int m_fd;
    bool m_bSocket;
    std::chrono::milliseconds m_writeTimeout{30000};
    std::string m_strError;
};

// "what: strerror(errno)".
std::string SystemError(const std::string& what);
