// The byte line under the transfer protocol: a serial port, a TCP connection,
// or an in-memory pipe in tests.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

class ITransport {
public:
    virtual ~ITransport() = default;

    // Waits at most `timeout` for the first byte, then returns what has
    // arrived, up to out.size() bytes: more than 0 bytes read, 0 nothing within
    // the time-out, kLineClosed when the line is closed or failed (Error()
    // says why).
    virtual std::ptrdiff_t Read(std::span<std::uint8_t> out, std::chrono::milliseconds timeout) = 0;
    // Writes all of `data`; false when the line failed (Error() says why).
    virtual bool Write(std::span<const std::uint8_t> data) = 0;
    // Why the last Read or Write failed.
    virtual std::string Error() const = 0;
    // The time every wait of the transfer is measured by. A line in memory
    // can keep its own, so a test or a fuzzer never really waits.
    virtual std::chrono::steady_clock::time_point Now() const {
        return std::chrono::steady_clock::now();
    }

    static constexpr std::ptrdiff_t kLineClosed = -1;
};
