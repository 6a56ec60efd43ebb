// A line in memory for the link's fuzz targets: the fuzz input is a script of
// what the other side sends and when, on a clock of the line's own, so every
// wait of the transfer costs no real time. Some steps wait for our side to
// write something first, so a script can follow the exchange.
//
// The script, one step after another (a byte `tag`, then its operands):
//
// | tag       | step                                                         |
// |-----------|--------------------------------------------------------------|
// | 0x00-0x3f | the next tag+1 bytes of the input, as they are               |
// | 0x40-0x5f | block 0: a name of tag&0x1f bytes, then a 5-byte size (LE)   |
// | 0x60-0x7f | a data block: number, flags (bit 0: 1 KiB; bit 1: damage its  |
// |           | CRC; bit 2: cut it short), payload made from the tag          |
// | 0x80-0x9f | one signal: EOT, ACK, NAK, CAN, 'C', two CANs, the empty block |
// |           | 0 (tag&7 from 0 to 6); 7: the step before repeats forever     |
// | 0xa0-0xbf | the next step comes (tag&0x1f) x 100 ms later                |
// | 0xc0-0xdf | the next step waits for our side to write first              |
// | 0xe0-0xff | the next step comes (tag&0x1f) x 5 s later                   |
//
// After the last step the line stays silent, or closes (the harness says).
// Each read that brings bytes takes 1 ms; a step repeated forever without a
// pause or a wait is a flood at 115200 baud, so a peer that never
// stops talking still lets the clock run.
#pragma once

#include "link/Transport.h"
#include "link/YmodemFrame.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace velmar::fuzz {

using std::chrono::milliseconds;
using TimePoint = std::chrono::steady_clock::time_point;

class CScriptedLine final : public ITransport {
public:
    CScriptedLine(std::span<const std::uint8_t> script, bool closeAtEnd)
        : m_bCloseAtEnd(closeAtEnd) {
        Parse(script);
    }

    std::ptrdiff_t Read(std::span<std::uint8_t> out, milliseconds timeout) override {
        timeout = std::max(timeout, milliseconds{0});
        if (!m_flood.empty() && m_pending.empty())
            return ReadFlood(out, timeout);
        if (m_pending.empty()) {
            const std::optional<TimePoint> at = HeadArrival();
            if (!at || *at > m_now + timeout) {
                if (m_events.empty() && m_bCloseAtEnd)
                    return kLineClosed;
                m_now += timeout;
                return 0;
            }
            m_now = std::max(m_now, *at);
            m_base = m_now;
            m_bWroteSinceBase = false;
            Event head = std::move(m_events.front());
            m_events.pop_front();
            if (head.forever && !head.gated && head.delay == milliseconds{0}) {
                // Without pauses: a flood that never ends, at the rate of a
                // fast line; nothing after it ever comes.
                m_flood = std::move(head.bytes);
                m_floodStart = m_now;
                m_events.clear();
                return ReadFlood(out, timeout);
            }
            m_pending = head.bytes;
            if (head.forever)
                m_events.push_front(std::move(head));
            if (m_pending.empty())
                return 0;
        }
        // Each read that brings bytes takes a little time, so a loop of
        // reads always lets the clock run.
        m_now += milliseconds{1};
        const std::size_t n = std::min(out.size(), m_pending.size());
        std::copy_n(m_pending.begin(), n, out.begin());
        m_pending.erase(m_pending.begin(), m_pending.begin() + static_cast<std::ptrdiff_t>(n));
        return static_cast<std::ptrdiff_t>(n);
    }

    bool Write(std::span<const std::uint8_t> data) override {
        if (data.empty())
            return true;
        if (!m_bWroteSinceBase) {
            m_bWroteSinceBase = true;
            m_lastWrite = m_now;
        }
        m_nWritten += data.size();
        return true;
    }

    std::string Error() const override { return "the script ended"; }
    TimePoint Now() const override { return m_now; }
    std::uint64_t Written() const { return m_nWritten; }

private:
    struct Event {
        std::vector<std::uint8_t> bytes;
        milliseconds delay{0};
        bool gated = false;
        bool forever = false;
    };

    // The flood's bytes arrive at 12 a millisecond (115200 baud) from its start.
    std::ptrdiff_t ReadFlood(std::span<std::uint8_t> out, milliseconds timeout) {
        constexpr std::uint64_t kPerMs = 12; // 115200 baud
        const auto arrived = [&] {
            const auto ms = std::chrono::duration_cast<milliseconds>(m_now - m_floodStart).count();
            return (static_cast<std::uint64_t>(ms) + 1) * kPerMs;
        };
        if (arrived() <= m_nFloodSent) {
            if (timeout <= milliseconds{0})
                return 0;
            m_now += std::min(timeout, milliseconds{1});
        }
        const std::size_t n =
            static_cast<std::size_t>(std::min<std::uint64_t>(out.size(), arrived() - m_nFloodSent));
        for (std::size_t k = 0; k < n; ++k)
            out[k] = m_flood[(m_nFloodSent + k) % m_flood.size()];
        m_nFloodSent += n;
        return static_cast<std::ptrdiff_t>(n);
    }

    std::optional<TimePoint> HeadArrival() const {
        if (m_events.empty())
            return std::nullopt;
        const Event& head = m_events.front();
        if (head.gated)
            return m_bWroteSinceBase ? std::optional(m_lastWrite + head.delay) : std::nullopt;
        return m_base + head.delay;
    }

    void Parse(std::span<const std::uint8_t> in) {
        std::size_t i = 0;
        milliseconds delay{0};
        bool gated = false;
        const auto take = [&](std::size_t n) {
            n = std::min(n, in.size() - i);
            auto part = in.subspan(i, n);
            i += n;
            return part;
        };
        const auto add = [&](std::vector<std::uint8_t> bytes) {
            m_events.push_back({std::move(bytes), delay, gated});
            delay = milliseconds{0};
            gated = false;
        };
        while (i < in.size()) {
            const std::uint8_t tag = in[i++];
            if (tag < 0x40) {
                const auto raw = take(tag + 1u);
                add({raw.begin(), raw.end()});
            } else if (tag < 0x60) {
                const auto name = take(tag & 0x1Fu);
                const auto sizeBytes = take(5);
                std::uint64_t size = 0;
                for (std::size_t k = 0; k < sizeBytes.size(); ++k)
                    size |= std::uint64_t{sizeBytes[k]} << (8 * k);
                ymodem::FileHeader header;
                header.name.assign(name.begin(), name.end());
                header.size = size;
                const auto payload = ymodem::BuildHeaderPayload(header);
                add(ymodem::BuildFrame(0, payload, payload.size(), 0));
            } else if (tag < 0x80) {
                const auto ops = take(2);
                const std::uint8_t number = ops.size() > 0 ? ops[0] : 1;
                const std::uint8_t flags = ops.size() > 1 ? ops[1] : 0;
                const std::size_t size =
                    (flags & 1) ? ymodem::kLargePayload : ymodem::kSmallPayload;
                std::vector<std::uint8_t> payload(size);
                for (std::size_t k = 0; k < size; ++k)
                    payload[k] = static_cast<std::uint8_t>(tag * 31 + k * 7);
                auto frame = ymodem::BuildFrame(number, payload, size);
                if (flags & 2)
                    frame.back() ^= 0x55;
                if (flags & 4)
                    frame.resize(frame.size() / 2);
                add(std::move(frame));
            } else if (tag < 0xA0) {
                switch (tag & 7) {
                case 0:
                    add({ymodem::kEOT});
                    break;
                case 1:
                    add({ymodem::kACK});
                    break;
                case 2:
                    add({ymodem::kNAK});
                    break;
                case 3:
                    add({ymodem::kCAN});
                    break;
                case 4:
                    add({ymodem::kWantCrc});
                    break;
                case 5:
                    add({ymodem::kCAN, ymodem::kCAN});
                    break;
                case 6:
                    add(ymodem::BuildFrame(0, ymodem::BuildHeaderPayload({}), ymodem::kSmallPayload,
                                           0));
                    break;
                default:
                    if (!m_events.empty() && !m_events.back().bytes.empty())
                        m_events.back().forever = true;
                    break;
                }
            } else if (tag < 0xC0) {
                delay += milliseconds{100} * (tag & 0x1F);
            } else if (tag < 0xE0) {
                gated = true;
            } else {
                delay += milliseconds{5000} * (tag & 0x1F);
            }
        }
    }

    bool m_bCloseAtEnd;
    std::deque<Event> m_events;
    std::vector<std::uint8_t> m_pending;
    std::vector<std::uint8_t> m_flood;
    TimePoint m_floodStart{};
    std::uint64_t m_nFloodSent = 0;
    TimePoint m_now{};
    TimePoint m_base{};
    TimePoint m_lastWrite{};
    bool m_bWroteSinceBase = false;
    std::uint64_t m_nWritten = 0;
};

} // namespace velmar::fuzz
