// A transport over a POSIX file descriptor (a socket, a serial port, a pty),
// non-blocking underneath and waiting with poll().
#pragma once

#include "platform/Phrase.h"

#include "link/Transport.h"

#include <chrono>
#include <mutex>
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
    std::string Error() const override;

    int Fd() const { return m_fd; }
    // How long one Write may wait for the line to take data.
    void SetWriteTimeout(std::chrono::milliseconds timeout) { m_writeTimeout = timeout; }

protected:
    // A reader and a writer may run on two threads (a relay pumps both
    // ways): the last failure's text is shared between them.
    void SetError(std::string error);

private:
    int m_fd;
    bool m_bSocket;
    std::chrono::milliseconds m_writeTimeout{30000};
    mutable std::mutex m_errorMutex;
    std::string m_strError;
};

// "what: strerror(errno)".
std::string SystemError(const std::string& what);
// `pattern` (marked, "%1" the subject, "%2" the system's reason for errno)
// filled in.
Phrase SystemFailure(const char* pattern, const std::string& subject);
