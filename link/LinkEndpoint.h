// Which line a transfer runs over, as the user names it: a serial device and
// its rate, a TCP address to connect to, or a TCP port to wait on.
#pragma once

#include "contracts/Progress.h"
#include "link/Transport.h"
#include "platform/Phrase.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

struct LinkEndpoint {
    enum class Kind { Serial, TcpConnect, TcpListen };
    Kind kind = Kind::Serial;
    std::string device;          // Serial
    std::uint32_t baud = 115200; // Serial
    std::string host;            // TcpConnect; TcpListen: empty for every interface
    std::uint16_t port = 0;      // TcpListen: 0 lets the system choose

    // "serial /dev/ttyUSB0 at 115200 baud", "TCP 192.168.1.20:2000", ...
    Phrase Said() const;
    std::string Describe() const { return English(Said()); }
};

// Opens the line: the serial port, the connection (within `timeout`), or the
// first connection to the listening port (within `timeout`; `listening` is
// told the port once it is open, `connected` the address of the one peer
// taken; the port is closed then). `progress` is asked between short waits so
// a cancel stops the attempt. Null on failure, with the reason in `error`.
std::unique_ptr<ITransport> OpenLink(const LinkEndpoint& endpoint,
                                     std::chrono::milliseconds timeout, IProgress* progress,
                                     Phrase& error,
                                     const std::function<void(std::uint16_t)>& listening = {},
                                     const std::function<void(const std::string&)>& connected = {});
// The same with the reason in English.
std::unique_ptr<ITransport> OpenLink(const LinkEndpoint& endpoint,
                                     std::chrono::milliseconds timeout, IProgress* progress,
                                     std::string& error,
                                     const std::function<void(std::uint16_t)>& listening = {},
                                     const std::function<void(const std::string&)>& connected = {});
