// A serial port through termios: raw bytes, 8 data bits, no parity, one stop
// bit, no flow control. Works the same on a real adapter and on a pty.
#pragma once

#include "link/FdTransport.h"

#include <cstdint>
#include <memory>
#include <string>

class CSerialTransport final : public CFdTransport {
public:
    static constexpr std::uint32_t kDefaultBaud = 115200;

    // Opens `device` at `baud`; null on failure, with the reason in `error`.
    static std::unique_ptr<CSerialTransport> Open(const std::string& device, std::uint32_t baud,
                                                  Phrase& error);
    static std::unique_ptr<CSerialTransport> Open(const std::string& device, std::uint32_t baud,
                                                  std::string& error);

    explicit CSerialTransport(int fd) : CFdTransport(fd, false) {}
};

// Whether `baud` is a rate the port can be set to.
bool IsSupportedBaud(std::uint32_t baud);
