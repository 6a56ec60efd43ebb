#include "link/YmodemReceiver.h"

#include "link/YmodemLine.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace ymodem {

namespace {

using Clock = std::chrono::steady_clock;
using phrase::Counted;
using phrase::Data;
using phrase::Number;
using phrase::Text;
using std::chrono::milliseconds;

// What arrived where a block may start.
struct Arrival {
    enum Kind {
        Block,         // a block whose number and CRC check out
        Damaged,       // a block that was cut off or fails its checks
        EndOfFile,     // EOT
        PeerCancelled, // two CANs in a row
        Timeout,
        Cancelled,
        Closed,
    } kind = Timeout;
    std::uint8_t number = 0;
    std::vector<std::uint8_t> payload;
};

class CReceiver {
public:
    CReceiver(ITransport& transport, IReceiveSink& sink, const Options& options,
              IProgress* progress)
        : m_line(transport, progress), m_sink(sink), m_options(options) {}

    LinkResult Run();

private:
    enum class Phase { Header, Data, BatchEnd, Done };

    Arrival Await(milliseconds timeout);
    // One step of each phase: returns false when the transfer ended (m_result says how).
    bool HeaderStep();
    bool DataStep();
    bool BatchEndStep();

    bool Fail(LinkStatus status, Phrase message, bool tellPeer = true);
    // The common endings of a wait that brought no block.
    bool FailOn(Arrival::Kind kind);
    bool Damaged();
    // One more failure of the block now expected; false (the transfer ends)
    // when that was one too many.
    bool CountFailure();
    // What is left of the current phase's time: the start's, or the file's.
    milliseconds Left() const;
    bool FailLate();

    CLine m_line;
    IReceiveSink& m_sink;
    const Options& m_options;
    LinkResult m_result;
    Phase m_phase = Phase::Header;

    Clock::time_point m_startDeadline;
    Clock::time_point m_dataDeadline; // set once block 0 tells the size
    int m_nFailures = 0;              // of the block now expected
    int m_nDamaged = 0;               // of those failures, damaged copies
    int m_nSilences = 0;              // of those failures, the waits in a row with nothing
    int m_nRepeats = 0;               // of those failures, copies of the block before
    int m_nSurplus = 0;               // blocks past the announced size
    std::uint64_t m_nBlock = 1;       // the block expected next, counted without wrapping
    bool m_bEotOnce = false;
    int m_nBatchEndTries = 0;
};

Arrival CReceiver::Await(milliseconds timeout) {
    Arrival arrival;
    const auto deadline = m_line.Now() + timeout;
    for (;;) {
        // Checked before every byte: noise that never stops would otherwise
        // always find one waiting and keep the wait going for ever.
        if (m_line.Now() >= deadline) {
            arrival.kind = Arrival::Timeout;
            return arrival;
        }
        std::uint8_t byte = 0;
        switch (m_line.ReadSignalBefore(byte, deadline, m_options.byteGap)) {
        case LineEvent::Data:
            break;
        case LineEvent::Cancelled:
            arrival.kind = Arrival::Cancelled;
            return arrival;
        case LineEvent::Closed:
            arrival.kind = Arrival::Closed;
            return arrival;
        case LineEvent::Timeout:
            arrival.kind = Arrival::Timeout;
            return arrival;
        case LineEvent::PeerCancel:
            arrival.kind = Arrival::PeerCancelled;
            return arrival;
        }
        if (byte == kEOT) {
            arrival.kind = Arrival::EndOfFile;
            return arrival;
        }
        const std::size_t size = PayloadSizeFor(byte);
        if (size == 0)
            continue; // noise between blocks
        std::vector<std::uint8_t> body(size + kFrameOverhead - 1);
        const LineEvent got = m_line.ReadExact(body, m_options.byteGap,
                                               m_line.Now() + BlockAllowance(size, m_options));
        if (got == LineEvent::Cancelled || got == LineEvent::Closed) {
            arrival.kind = got == LineEvent::Cancelled ? Arrival::Cancelled : Arrival::Closed;
            return arrival;
        }
        if (got == LineEvent::Timeout || !CheckFrame(body)) {
            arrival.kind = Arrival::Damaged;
            return arrival;
        }
        arrival.kind = Arrival::Block;
        arrival.number = body[0];
        arrival.payload.assign(body.begin() + 2, body.end() - 2);
        return arrival;
    }
}

bool CReceiver::Fail(LinkStatus status, Phrase message, bool tellPeer) {
    if (tellPeer)
        m_line.WriteCancel();
    m_result.status = status;
    m_result.message = English(message);
    m_result.said = std::move(message);
    return false;
}

bool CReceiver::FailOn(Arrival::Kind kind) {
    if (kind == Arrival::Cancelled)
        return Fail(LinkStatus::Cancelled, TransferCancelled());
    if (kind == Arrival::PeerCancelled)
        return Fail(LinkStatus::PeerCancelled,
                    Text(VELMAR_TRANSLATE_NOOP("Velmar", "The sender cancelled the transfer")),
                    false);
    return Fail(LinkStatus::LineError,
                Text(VELMAR_TRANSLATE_NOOP("Velmar", "The line closed: %1"),
                     {Data(m_line.Transport().Error())}),
                false);
}

// A damaged block: drop what is left of it and ask again, unless this block
// has failed too often.
bool CReceiver::Damaged() {
    ++m_nDamaged;
    m_nSilences = 0;
    if (!CountFailure())
        return false;
    const LineEvent purged =
        m_line.Purge(m_options.purgeQuiet, std::min(m_options.replyTimeout, Left()));
    if (purged == LineEvent::Cancelled)
        return FailOn(Arrival::Cancelled);
    if (purged == LineEvent::Closed)
        return FailOn(Arrival::Closed);
    return true;
}

bool CReceiver::CountFailure() {
    if (++m_nFailures < m_options.maxRetries)
        return true;
    if (m_nSurplus > 0)
        return Fail(LinkStatus::ProtocolError,
                    Counted(m_result.total, nullptr,
                            VELMAR_TRANSLATE_N_NOOP("Velmar", "The sender went on sending blocks "
                                                              "after the announced %1 bytes; "
                                                              "transfer abandoned"),
                            {Number(m_result.total)}));
    const Phrase block = Number(m_phase == Phase::Header ? 0 : m_nBlock);
    const Phrase before = Number(m_nBlock - 1);
    const auto count = static_cast<std::uint64_t>(m_nFailures);
    if (m_nDamaged == m_nFailures)
        return Fail(LinkStatus::TooManyErrors,
                    Counted(count, nullptr,
                            VELMAR_TRANSLATE_N_NOOP(
                                "Velmar", "Block %1 arrived damaged %2 times; transfer abandoned"),
                            {block, Number(count)}));
    if (m_nRepeats == m_nFailures)
        return Fail(LinkStatus::TooManyErrors,
                    Counted(count, nullptr,
                            VELMAR_TRANSLATE_N_NOOP("Velmar", "Block %1 never came: block %2 came "
                                                              "again %3 times; transfer abandoned"),
                            {block, before, Number(count)}));
    const Phrase parts =
        m_nRepeats > 0 ? Text(VELMAR_TRANSLATE_NOOP("Velmar", "%1 damaged, %2 repeats of block %3"),
                              {Number(m_nDamaged), Number(m_nRepeats), before})
                       : Text(VELMAR_TRANSLATE_NOOP("Velmar", "%1 damaged"), {Number(m_nDamaged)});
    return Fail(LinkStatus::TooManyErrors,
                Counted(count, nullptr,
                        VELMAR_TRANSLATE_N_NOOP(
                            "Velmar", "Block %1 failed %2 times (%3); transfer abandoned"),
                        {block, Number(count), parts}));
}

milliseconds CReceiver::Left() const {
    const auto deadline = m_phase == Phase::Header ? m_startDeadline : m_dataDeadline;
    return std::max(milliseconds{0},
                    std::chrono::duration_cast<milliseconds>(deadline - m_line.Now()));
}

bool CReceiver::FailLate() {
    return Fail(LinkStatus::TimedOut,
                Counted(m_result.total, nullptr,
                        VELMAR_TRANSLATE_N_NOOP("Velmar", "The transfer did not end within the %1 "
                                                          "allowed for %2 bytes: %3 arrived"),
                        {Data(SecondsText(TransferAllowance(m_result.total, m_options))),
                         Number(m_result.total), Number(m_result.bytes)}));
}

bool CReceiver::HeaderStep() {
    const auto left = m_startDeadline - m_line.Now();
    if (left <= Clock::duration::zero())
        return Fail(LinkStatus::TimedOut,
                    Text(VELMAR_TRANSLATE_NOOP(
                             "Velmar", "Nothing arrived within %1: is the other side sending?"),
                         {Data(SecondsText(m_options.startTimeout))}));
    if (!m_line.WriteByte(kWantCrc))
        return FailOn(Arrival::Closed);
    const auto wait = std::min(m_options.startInterval, std::chrono::ceil<milliseconds>(left));
    Arrival arrival = Await(wait);
    switch (arrival.kind) {
    case Arrival::Timeout:
        return true;
    case Arrival::Damaged:
        return Damaged();
    case Arrival::EndOfFile:
        // The end of an earlier file whose acknowledgement was lost.
        return m_line.WriteByte(kACK) || FailOn(Arrival::Closed);
    case Arrival::Block:
        break;
    default:
        return FailOn(arrival.kind);
    }
    if (arrival.number != 0)
        return Fail(
            LinkStatus::ProtocolError,
            Text(VELMAR_TRANSLATE_NOOP(
                "Velmar",
                "The sender sent data without a file header (a YMODEM batch was expected)")));
    const auto header = ParseHeaderPayload(arrival.payload);
    if (!header)
        return Fail(
            LinkStatus::ProtocolError,
            Text(VELMAR_TRANSLATE_NOOP("Velmar", "The sender's file header is not readable")));
    if (header->name.empty()) {
        m_line.WriteByte(kACK);
        return Fail(LinkStatus::ProtocolError,
                    Text(VELMAR_TRANSLATE_NOOP("Velmar", "The sender had no file to send")), false);
    }
    m_result.fileName = header->name;
    const std::string shown = PeerText(header->name);
    if (!header->size)
        return Fail(LinkStatus::Refused,
                    Text(VELMAR_TRANSLATE_NOOP("Velmar", "The sender did not announce the size of "
                                                         "%1; the transfer cannot be checked"),
                         {Data(shown)}));
    if (*header->size > m_options.maxFileSize)
        return Fail(
            LinkStatus::Refused,
            Counted(*header->size, nullptr,
                    VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 is too large (%2 bytes; at most %3)"),
                    {Data(shown), Number(*header->size), Number(m_options.maxFileSize)}));
    std::string why;
    if (!m_sink.Begin(*header, why))
        return Fail(LinkStatus::FileError, Data(why));
    m_result.total = *header->size;
    m_dataDeadline = m_line.Now() + TransferAllowance(m_result.total, m_options);
    if (!m_line.WriteByte(kACK))
        return FailOn(Arrival::Closed);
    // A sender that started after several of our 'C's takes each waiting 'C'
    // for a NAK and repeats block 0 at once. Those copies are dropped here; if
    // any were answered, every later ACK would answer the wrong block.
    const LineEvent purged = m_line.Purge(m_options.purgeQuiet, m_options.replyTimeout);
    m_phase = Phase::Data;
    if (purged != LineEvent::Data)
        return FailOn(purged == LineEvent::Cancelled ? Arrival::Cancelled : Arrival::Closed);
    if (!m_line.WriteByte(kWantCrc))
        return FailOn(Arrival::Closed);
    m_nFailures = m_nDamaged = m_nSilences = m_nRepeats = 0;
    return true;
}

bool CReceiver::DataStep() {
    const milliseconds left = Left();
    if (left <= milliseconds{0})
        return FailLate();
    const milliseconds wait = std::min(m_options.replyTimeout, left);
    Arrival arrival = Await(wait);
    switch (arrival.kind) {
    case Arrival::Block:
        break;
    case Arrival::Damaged:
        return Damaged() && (m_line.WriteByte(kNAK) || FailOn(Arrival::Closed));
    case Arrival::Timeout:
        // A wait the file's deadline cut short ends the transfer; it is not
        // one more silence.
        if (wait < m_options.replyTimeout || Left() <= milliseconds{0})
            return FailLate();
        ++m_nSilences;
        if (++m_nFailures >= m_options.maxRetries)
            return Fail(LinkStatus::TimedOut,
                        Counted(m_nSilences, nullptr,
                                VELMAR_TRANSLATE_N_NOOP("Velmar",
                                                        "The sender stopped sending: no block for "
                                                        "%1, %2 times, after %3 of %4 bytes"),
                                {Data(SecondsText(m_options.replyTimeout)), Number(m_nSilences),
                                 Number(m_result.bytes), Number(m_result.total)}));
        return m_line.WriteByte(kNAK) || FailOn(Arrival::Closed);
    case Arrival::EndOfFile:
        if (!m_bEotOnce) {
            // The first EOT is answered with NAK: a damaged byte that looked
            // like EOT then costs only a repeated block.
            m_bEotOnce = true;
            return m_line.WriteByte(kNAK) || FailOn(Arrival::Closed);
        }
        if (m_result.bytes < m_result.total)
            return Fail(LinkStatus::ShortTransfer,
                        Counted(m_result.total, nullptr,
                                VELMAR_TRANSLATE_N_NOOP("Velmar",
                                                        "The transfer ended after %1 of %2 bytes"),
                                {Number(m_result.bytes), Number(m_result.total)}));
        if (!m_line.WriteByte(kACK))
            return FailOn(Arrival::Closed);
        m_phase = Phase::BatchEnd;
        return true;
    default:
        if (arrival.kind == Arrival::Closed && m_result.bytes < m_result.total)
            return Fail(LinkStatus::LineError,
                        Counted(m_result.total, nullptr,
                                VELMAR_TRANSLATE_N_NOOP("Velmar",
                                                        "The line closed after %1 of %2 bytes: %3"),
                                {Number(m_result.bytes), Number(m_result.total),
                                 Data(m_line.Transport().Error())}),
                        false);
        return FailOn(arrival.kind);
    }
    m_bEotOnce = false;
    const auto expected = static_cast<std::uint8_t>(m_nBlock);
    const auto previous = static_cast<std::uint8_t>(m_nBlock - 1);
    if (arrival.number == previous) {
        // Our acknowledgement was lost and the block came again. It counts
        // as a failure of the next block, so a sender that only repeats
        // itself cannot keep us here. After a repeated block 0 the sender
        // waits for a request before the data.
        ++m_nRepeats;
        m_nSilences = 0;
        if (!CountFailure())
            return false;
        const bool header = m_nBlock == 1;
        return (m_line.WriteByte(kACK) && (!header || m_line.WriteByte(kWantCrc))) ||
               FailOn(Arrival::Closed);
    }
    if (arrival.number != expected)
        return Fail(LinkStatus::ProtocolError,
                    Text(VELMAR_TRANSLATE_NOOP(
                             "Velmar", "Block sequence lost: expected block %1, got block %2"),
                         {Number(expected), Number(arrival.number)}));
    const std::uint64_t room = m_result.total - m_result.bytes;
    if (room == 0) {
        // The file is complete and the sender owes EOT. A block past the end
        // brings nothing, so it is a failure, not progress.
        ++m_nSurplus;
        m_nSilences = 0;
        if (!CountFailure())
            return false;
        ++m_nBlock;
        return m_line.WriteByte(kACK) || FailOn(Arrival::Closed);
    }
    const auto take =
        static_cast<std::size_t>(std::min<std::uint64_t>(room, arrival.payload.size()));
    std::string why;
    if (!m_sink.Write(std::span(arrival.payload).first(take), why))
        return Fail(LinkStatus::FileError, Data(why));
    m_result.bytes += take;
    ++m_nBlock;
    m_nFailures = m_nDamaged = m_nSilences = m_nRepeats = 0;
    if (!m_line.Report(m_result.bytes, m_result.total))
        return FailOn(Arrival::Cancelled);
    return m_line.WriteByte(kACK) || FailOn(Arrival::Closed);
}

// The file is complete; the sender still owes the empty header that ends the
// batch. A sender that never sends it does not spoil the file.
bool CReceiver::BatchEndStep() {
    if (++m_nBatchEndTries > 2) {
        m_phase = Phase::Done;
        return true;
    }
    if (!m_line.WriteByte(kWantCrc)) {
        m_phase = Phase::Done;
        return true;
    }
    Arrival arrival = Await(m_options.replyTimeout);
    switch (arrival.kind) {
    case Arrival::Cancelled:
        return FailOn(arrival.kind);
    case Arrival::EndOfFile:
        // The sender missed our ACK of its EOT.
        m_line.WriteByte(kACK);
        return true;
    case Arrival::Damaged:
        return m_line.Purge(m_options.purgeQuiet, std::min(m_options.replyTimeout, Left())) !=
                   LineEvent::Cancelled ||
               FailOn(Arrival::Cancelled);
    case Arrival::Timeout:
        return true;
    case Arrival::Block:
        if (arrival.number == 0) {
            const auto header = ParseHeaderPayload(arrival.payload);
            if (header && header->name.empty())
                m_line.WriteByte(kACK);
            else
                m_line.WriteCancel(); // one file per transfer: refuse the rest
            m_phase = Phase::Done;
            return true;
        }
        // A repeated last data block: acknowledge it again.
        m_line.WriteByte(kACK);
        return true;
    default:
        m_phase = Phase::Done;
        return true;
    }
}

LinkResult CReceiver::Run() {
    m_line.DropPending();
    m_startDeadline = m_line.Now() + m_options.startTimeout;
    if (!m_line.Report(0, 0)) {
        FailOn(Arrival::Cancelled);
        return m_result;
    }
    for (;;) {
        bool goOn = false;
        switch (m_phase) {
        case Phase::Header:
            goOn = HeaderStep();
            break;
        case Phase::Data:
            goOn = DataStep();
            break;
        case Phase::BatchEnd:
            goOn = BatchEndStep();
            break;
        case Phase::Done:
            m_result.status = LinkStatus::Ok;
            m_result.message.clear();
            return m_result;
        }
        if (!goOn)
            return m_result;
    }
}

} // namespace

LinkResult Receive(ITransport& transport, IReceiveSink& sink, const Options& options,
                   IProgress* progress) {
    return CReceiver(transport, sink, options, progress).Run();
}

} // namespace ymodem
