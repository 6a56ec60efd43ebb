#include "link/YmodemLine.h"

#include "link/YmodemFrame.h"
#include "link/YmodemOptions.h"

#include <algorithm>

namespace ymodem {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Longest wait between two looks at the progress callback.
constexpr milliseconds kPollSlice{50};

milliseconds Millis(std::uint64_t n) {
    return milliseconds{static_cast<milliseconds::rep>(n)};
}

} // namespace

milliseconds BlockAllowance(std::size_t payload, const Options& options) {
    const std::uint64_t rate = std::max<std::uint32_t>(options.bytesPerSecond, 1);
    const std::uint64_t wire = payload + kFrameOverhead;
    return options.byteGap + Millis((2000 * wire + rate - 1) / rate);
}

milliseconds TransferAllowance(std::uint64_t size, const Options& options) {
    const std::uint64_t rate = std::max<std::uint32_t>(options.bytesPerSecond, 1);
    const std::uint64_t blocks = (size + kSmallPayload - 1) / kSmallPayload;
    const std::uint64_t wire = blocks * (kSmallPayload + kFrameOverhead);
    const auto lineTime = Millis((2000 * wire + rate - 1) / rate);
    const auto turnaround = Millis(10 * blocks);
    return lineTime + turnaround + options.replyTimeout * std::max(options.maxRetries, 1);
}

LineEvent CLine::Fill(milliseconds timeout) {
    const auto deadline = Now() + timeout;
    for (;;) {
        if (!Report(m_nDone, m_nTotal))
            return LineEvent::Cancelled;
        const auto left = std::chrono::duration_cast<milliseconds>(deadline - Now());
        const milliseconds slice = std::clamp(left, milliseconds{0}, kPollSlice);
        const std::ptrdiff_t got = m_transport.Read(m_buffer, slice);
        if (got > 0) {
            m_nBegin = 0;
            m_nEnd = static_cast<std::size_t>(got);
            return LineEvent::Data;
        }
        if (got < 0)
            return LineEvent::Closed;
        if (Now() >= deadline)
            return LineEvent::Timeout;
    }
}

LineEvent CLine::ReadByte(std::uint8_t& out, milliseconds timeout) {
    if (m_nBegin == m_nEnd) {
        const LineEvent event = Fill(timeout);
        if (event != LineEvent::Data)
            return event;
    }
    out = m_buffer[m_nBegin++];
    return LineEvent::Data;
}

LineEvent CLine::ReadSignal(std::uint8_t& out, milliseconds timeout, milliseconds gap) {
    const auto deadline = Now() + timeout;
    bool lastWasCancel = false;
    for (;;) {
        const auto left =
            std::max(milliseconds{0}, std::chrono::duration_cast<milliseconds>(deadline - Now()));
        const LineEvent event = ReadByte(out, lastWasCancel ? std::max(left, gap) : left);
        if (event != LineEvent::Data)
            return event;
        if (out != kCAN)
            return LineEvent::Data;
        if (lastWasCancel)
            return LineEvent::PeerCancel;
        lastWasCancel = true;
    }
}

LineEvent CLine::ReadSignalBefore(std::uint8_t& out, Clock::time_point deadline, milliseconds gap) {
    const auto left = std::chrono::duration_cast<milliseconds>(deadline - Now());
    return ReadSignal(out, std::max(milliseconds{0}, left), gap);
}

LineEvent CLine::ReadExact(std::span<std::uint8_t> out, milliseconds gap,
                           Clock::time_point deadline) {
    std::size_t have = 0;
    while (have < out.size()) {
        if (m_nBegin == m_nEnd) {
            // A peer that trickles its bytes just within the gap still has
            // to finish the block in time.
            const auto left = std::chrono::duration_cast<milliseconds>(deadline - Now());
            if (left <= milliseconds{0})
                return LineEvent::Timeout;
            const LineEvent event = Fill(std::min(gap, left));
            if (event != LineEvent::Data)
                return event;
        }
        const std::size_t n = std::min(out.size() - have, m_nEnd - m_nBegin);
        std::copy_n(m_buffer.begin() + static_cast<std::ptrdiff_t>(m_nBegin), n,
                    out.begin() + static_cast<std::ptrdiff_t>(have));
        m_nBegin += n;
        have += n;
    }
    return LineEvent::Data;
}

LineEvent CLine::Purge(milliseconds quiet, milliseconds limit) {
    const auto deadline = Now() + limit;
    m_nBegin = m_nEnd = 0;
    while (Now() < deadline) {
        const LineEvent event = Fill(quiet);
        if (event != LineEvent::Data)
            return event == LineEvent::Timeout ? LineEvent::Data : event;
        m_nBegin = m_nEnd = 0;
    }
    return LineEvent::Data;
}

void CLine::DropPending() {
    m_nBegin = m_nEnd = 0;
    // Bounded, so a line that never stops talking cannot hold us here.
    for (int i = 0; i < 64 && m_transport.Read(m_buffer, milliseconds{0}) > 0; ++i) {
    }
}

bool CLine::Write(std::span<const std::uint8_t> data) {
    return m_transport.Write(data);
}

void CLine::WriteCancel() {
    static constexpr std::uint8_t kSequence[] = {kCAN, kCAN, kCAN, kCAN, kCAN, kCAN, kCAN, kCAN,
                                                 8,    8,    8,    8,    8,    8,    8,    8};
    m_transport.Write(kSequence);
}

bool CLine::Report(std::uint64_t done, std::uint64_t total) {
    m_nDone = done;
    m_nTotal = total;
    if (!m_bCancelled && m_progress && !m_progress->Step(done, total))
        m_bCancelled = true;
    return !m_bCancelled;
}

} // namespace ymodem
