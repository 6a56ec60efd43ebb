// The protocol's view of the line: single bytes and whole blocks with
// time-outs, the purge after a damaged block, and the cancel sequence. Reads
// are buffered so a block costs a few system calls, and every wait is cut into
// short slices that ask the progress callback whether to go on.
#pragma once

#include "contracts/Progress.h"
#include "link/Transport.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <span>
#include <string>

namespace ymodem {

enum class LineEvent {
    Data,       // the bytes asked for arrived
    Timeout,    // not within the time-out
    Cancelled,  // the progress callback said stop
    Closed,     // the line closed or failed
    PeerCancel, // two CANs in a row: the other side stopped the transfer
};

class CLine {
public:
    CLine(ITransport& transport, IProgress* progress)
        : m_transport(transport), m_progress(progress) {}

    // One byte within `timeout`.
    LineEvent ReadByte(std::uint8_t& out, std::chrono::milliseconds timeout);
    // One byte of the other side's signals within `timeout`. Two CANs in a
    // row, the second within `gap` of the first, are PeerCancel; a lone CAN
    // is dropped.
    LineEvent ReadSignal(std::uint8_t& out, std::chrono::milliseconds timeout,
                         std::chrono::milliseconds gap);
    // The same, waiting until `deadline` at most.
    LineEvent ReadSignalBefore(std::uint8_t& out, std::chrono::steady_clock::time_point deadline,
                               std::chrono::milliseconds gap);
    // Exactly out.size() bytes, each within `gap` of the one before and all
    // of them before `deadline`.
    LineEvent ReadExact(std::span<std::uint8_t> out, std::chrono::milliseconds gap,
                        std::chrono::steady_clock::time_point deadline);
    // Drops input until the line has been quiet for `quiet` (what is left of
    // a damaged block), at most for `limit`.
    LineEvent Purge(std::chrono::milliseconds quiet, std::chrono::milliseconds limit);
    // Drops what has already arrived, without waiting.
    void DropPending();

    bool Write(std::span<const std::uint8_t> data);
    bool WriteByte(std::uint8_t byte) { return Write({&byte, 1}); }
    // Eight CANs and eight backspaces: the CANs stop the other side, the
    // backspaces erase them again should they reach a terminal.
    void WriteCancel();

    // Reports progress; false when the user cancelled.
    bool Report(std::uint64_t done, std::uint64_t total);
    bool CancelSeen() const { return m_bCancelled; }

    ITransport& Transport() { return m_transport; }
    std::chrono::steady_clock::time_point Now() const { return m_transport.Now(); }

private:
    // Refills the buffer within `timeout`, asking the progress callback
    // between slices.
    LineEvent Fill(std::chrono::milliseconds timeout);

    ITransport& m_transport;
    IProgress* m_progress;
    std::uint64_t m_nDone = 0;
    std::uint64_t m_nTotal = 0;
    bool m_bCancelled = false;
    std::array<std::uint8_t, 4096> m_buffer{};
    std::size_t m_nBegin = 0;
    std::size_t m_nEnd = 0;
};

} // namespace ymodem
