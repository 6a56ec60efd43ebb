// TCP lines: a client that connects to a receiver (or to a serial-over-IP
// adapter), and a listener that waits for one to connect to us.
#pragma once

#include "contracts/Progress.h"
#include "link/FdTransport.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

class CTcpTransport final : public CFdTransport {
public:
    // Takes a connected socket.
    explicit CTcpTransport(int fd);

    // Connects to host:port within `timeout`, asking `progress` (if any)
    // between short waits so a cancel stops the attempt. Null on failure,
    // with the reason in `error`.
    static std::unique_ptr<CTcpTransport> Connect(const std::string& host, std::uint16_t port,
                                                  std::chrono::milliseconds timeout,
                                                  IProgress* progress, Phrase& error);
    static std::unique_ptr<CTcpTransport> Connect(const std::string& host, std::uint16_t port,
                                                  std::chrono::milliseconds timeout,
                                                  IProgress* progress, std::string& error);
};

class CTcpListener {
public:
    CTcpListener() = default;
    ~CTcpListener();
    CTcpListener(const CTcpListener&) = delete;
    CTcpListener& operator=(const CTcpListener&) = delete;

    // Listens on host:port (an empty host: every interface; port 0: one the
    // system chooses, see Port()).
    bool Listen(const std::string& host, std::uint16_t port, Phrase& error);
    bool Listen(const std::string& host, std::uint16_t port, std::string& error);
    std::uint16_t Port() const { return m_nPort; }
    // Waits for one connection within `timeout`, asking `progress` between
    // short waits. Null on failure, with the reason in `error`.
    // The listening socket is closed once a connection is taken.
    std::unique_ptr<CTcpTransport> Accept(std::chrono::milliseconds timeout, IProgress* progress,
                                          Phrase& error);
    std::unique_ptr<CTcpTransport> Accept(std::chrono::milliseconds timeout, IProgress* progress,
                                          std::string& error);
    // The address the accepted connection came from, "192.0.2.7:40312".
    const std::string& Peer() const { return m_strPeer; }

private:
    int m_fd = -1;
    std::uint16_t m_nPort = 0;
    std::string m_strPeer;
};

// Splits "host:port" (also "[v6 address]:port"); false when the port is not
// a number from 1 to 65535 (0 allowed with `allowZero`).
bool SplitHostPort(const std::string& text, std::string& host, std::uint16_t& port,
                   bool allowZero = false);
