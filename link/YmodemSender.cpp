#include "link/YmodemSender.h"

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

// What the receiver answered to a block or EOT.
enum class Reply { Ack, Nak, Timeout, PeerCancelled, Cancelled, Closed };

// The mode sb announces for an ordinary file: regular, rw-r--r--.
constexpr std::uint32_t kRegularFileMode = 0100644;

class CSender {
public:
    CSender(ITransport& transport, const Options& options, IProgress* progress,
            std::span<const std::uint8_t> data)
        : m_line(transport, progress), m_options(options), m_data(data) {}

    LinkResult Run(const FileHeader& header);

private:
    // Waits for the receiver's next answer; 'C' counts as NAK, noise is skipped.
    Reply AwaitReply(milliseconds timeout);
    // Waits for the receiver to ask for data ('C', or NAK once under way).
    bool AwaitRequest(milliseconds timeout, bool acceptNak, const Phrase& what);
    // Sends one block or EOT until it is acknowledged.
    bool Deliver(std::span<const std::uint8_t> frame, std::uint64_t block);
    // After a failure: tells the peer (unless it cancelled or the line is
    // gone), records why, and returns false.
    bool Fail(LinkStatus status, Phrase message, bool tellPeer = true);
    bool FailOn(Reply reply);
    // The file's deadline has passed.
    bool FailLate();
    void EndBatch();

    CLine m_line;
    const Options& m_options;
    std::span<const std::uint8_t> m_data;
    LinkResult m_result;
    // Until block 0 is through, each block has only its retries; then the
    // whole file has this long, so a receiver that refuses nine copies of
    // every block cannot stretch the transfer tenfold.
    Clock::time_point m_deadline = Clock::time_point::max();
};

Reply CSender::AwaitReply(milliseconds timeout) {
    const auto deadline = m_line.Now() + timeout;
    for (;;) {
        // Noise that never stops must not outlast the wait.
        if (m_line.Now() >= deadline)
            return Reply::Timeout;
        std::uint8_t byte = 0;
        switch (m_line.ReadSignalBefore(byte, deadline, m_options.byteGap)) {
        case LineEvent::Data:
            break;
        case LineEvent::Timeout:
            return Reply::Timeout;
        case LineEvent::Cancelled:
            return Reply::Cancelled;
        case LineEvent::Closed:
            return Reply::Closed;
        case LineEvent::PeerCancel:
            return Reply::PeerCancelled;
        }
        if (byte == kACK)
            return Reply::Ack;
        if (byte == kNAK || byte == kWantCrc)
            return Reply::Nak;
    }
}

bool CSender::Fail(LinkStatus status, Phrase message, bool tellPeer) {
    if (tellPeer)
        m_line.WriteCancel();
    m_result.status = status;
    m_result.message = English(message);
    m_result.said = std::move(message);
    return false;
}

bool CSender::FailLate() {
    return Fail(LinkStatus::TimedOut,
                Counted(m_data.size(), nullptr,
                        VELMAR_TRANSLATE_N_NOOP("Velmar", "The transfer did not end within the %1 "
                                                          "allowed for %2 bytes: %3 were "
                                                          "acknowledged"),
                        {Data(SecondsText(TransferAllowance(m_data.size(), m_options))),
                         Number(m_data.size()), Number(m_result.bytes)}));
}

bool CSender::FailOn(Reply reply) {
    switch (reply) {
    case Reply::Cancelled:
        return Fail(LinkStatus::Cancelled, TransferCancelled());
    case Reply::PeerCancelled:
        return Fail(LinkStatus::PeerCancelled,
                    Text(VELMAR_TRANSLATE_NOOP("Velmar", "The receiver cancelled the transfer")),
                    false);
    default:
        return Fail(LinkStatus::LineError,
                    Text(VELMAR_TRANSLATE_NOOP("Velmar", "The line closed: %1"),
                         {Data(m_line.Transport().Error())}),
                    false);
    }
}

bool CSender::AwaitRequest(milliseconds timeout, bool acceptNak, const Phrase& what) {
    const auto deadline = m_line.Now() + timeout;
    bool sawNak = false;
    for (;;) {
        const auto left = std::chrono::duration_cast<milliseconds>(deadline - m_line.Now());
        if (left <= milliseconds{0})
            break;
        std::uint8_t byte = 0;
        const LineEvent event = m_line.ReadSignal(byte, left, m_options.byteGap);
        if (event == LineEvent::Timeout)
            break;
        if (event == LineEvent::Cancelled)
            return FailOn(Reply::Cancelled);
        if (event == LineEvent::Closed)
            return FailOn(Reply::Closed);
        if (event == LineEvent::PeerCancel)
            return FailOn(Reply::PeerCancelled);
        if (byte == kWantCrc || (acceptNak && byte == kNAK)) {
            // Requests that piled up while we were not listening would each
            // be taken for a NAK of the block we are about to send.
            m_line.DropPending();
            return true;
        }
        sawNak = sawNak || byte == kNAK;
    }
    if (sawNak)
        return Fail(LinkStatus::ProtocolError,
                    Text(VELMAR_TRANSLATE_NOOP("Velmar", "The receiver asks for the old checksum "
                                                         "mode; only CRC-16 is supported")));
    return Fail(LinkStatus::TimedOut,
                Text(VELMAR_TRANSLATE_NOOP("Velmar", "The receiver did not ask for %1 within %2"),
                     {what, Data(SecondsText(timeout))}));
}

bool CSender::Deliver(std::span<const std::uint8_t> frame, std::uint64_t block) {
    int failures = 0;
    int refusals = 0;
    int silences = 0; // unanswered copies in a row
    for (;;) {
        const auto now = m_line.Now();
        if (now >= m_deadline)
            return FailLate();
        // Whatever came before this block cannot answer it.
        m_line.DropPending();
        if (!m_line.Write(frame))
            return FailOn(Reply::Closed);
        const milliseconds wait =
            m_deadline == Clock::time_point::max()
                ? m_options.replyTimeout
                : std::min(m_options.replyTimeout,
                           std::chrono::duration_cast<milliseconds>(m_deadline - now));
        const Reply reply = AwaitReply(wait);
        if (reply == Reply::Timeout && wait < m_options.replyTimeout)
            return FailLate(); // the file's deadline cut the wait short
        if (reply == Reply::Ack)
            return true;
        if (reply != Reply::Nak && reply != Reply::Timeout)
            return FailOn(reply);
        refusals += reply == Reply::Nak ? 1 : 0;
        silences = reply == Reply::Timeout ? silences + 1 : 0;
        if (++failures < m_options.maxRetries)
            continue;
        const Phrase what =
            frame.size() == 1 ? Text(VELMAR_TRANSLATE_NOOP("Velmar", "the end of the file"))
                              : Text(VELMAR_TRANSLATE_NOOP("Velmar", "block %1"), {Number(block)});
        if (silences > 0)
            return Fail(LinkStatus::TimedOut,
                        Counted(static_cast<std::uint64_t>(silences), nullptr,
                                VELMAR_TRANSLATE_N_NOOP("Velmar",
                                                        "The receiver stopped answering: no reply "
                                                        "to %1 within %2, %3 times"),
                                {what, Data(SecondsText(m_options.replyTimeout)),
                                 Number(static_cast<std::uint64_t>(silences))}));
        const auto tries = static_cast<std::uint64_t>(failures);
        return Fail(
            LinkStatus::TooManyErrors,
            refusals == failures
                ? Counted(tries, nullptr,
                          VELMAR_TRANSLATE_N_NOOP(
                              "Velmar", "The receiver refused %1 %2 times; transfer abandoned"),
                          {what, Number(tries)})
                : Counted(tries, nullptr,
                          VELMAR_TRANSLATE_N_NOOP("Velmar", "Sending %1 failed %2 times (%3 "
                                                            "refused); transfer abandoned"),
                          {what, Number(tries), Number(static_cast<std::uint64_t>(refusals))}));
    }
}

// The file has been acknowledged; the empty header only closes the batch, and
// a receiver that does not ask for it does not spoil the transfer.
void CSender::EndBatch() {
    const auto request = m_line.Now() + m_options.replyTimeout;
    std::uint8_t byte = 0;
    for (;;) {
        const auto left = std::chrono::duration_cast<milliseconds>(request - m_line.Now());
        if (left <= milliseconds{0} || m_line.ReadByte(byte, left) != LineEvent::Data)
            return;
        if (byte == kWantCrc || byte == kNAK)
            break;
    }
    const std::vector<std::uint8_t> frame = BuildFrame(0, BuildHeaderPayload({}), kSmallPayload, 0);
    // A receiver often quits right after its last ACK, and on a pty that ACK
    // can be lost with it; a NAK of a damaged block comes within a byte gap.
    const milliseconds lastReply = std::min(m_options.replyTimeout, 2 * m_options.byteGap);
    for (int attempt = 0; attempt < 3; ++attempt) {
        m_line.DropPending();
        if (!m_line.Write(frame))
            return;
        if (AwaitReply(lastReply) != Reply::Nak)
            return;
    }
}

LinkResult CSender::Run(const FileHeader& header) {
    m_result.fileName = header.name;
    m_result.total = m_data.size();
    if (!m_line.Report(0, m_result.total)) {
        FailOn(Reply::Cancelled);
        return m_result;
    }
    if (!AwaitRequest(m_options.startTimeout, false,
                      Text(VELMAR_TRANSLATE_NOOP("Velmar", "the file"))))
        return m_result;

    const std::vector<std::uint8_t> headerPayload = BuildHeaderPayload(header);
    if (!Deliver(BuildFrame(0, headerPayload, headerPayload.size(), 0), 0))
        return m_result;
    m_deadline = m_line.Now() + TransferAllowance(m_data.size(), m_options);
    // Once the header is taken, the receiver asks again before the data.
    if (!AwaitRequest(m_options.replyTimeout * m_options.maxRetries, true,
                      Text(VELMAR_TRANSLATE_NOOP("Velmar", "the data"))))
        return m_result;

    std::uint64_t block = 1;
    for (std::size_t offset = 0; offset < m_data.size(); ++block) {
        const std::size_t left = m_data.size() - offset;
        const std::size_t size = left <= kSmallPayload ? kSmallPayload : kLargePayload;
        const std::size_t take = std::min(left, size);
        const auto frame =
            BuildFrame(static_cast<std::uint8_t>(block), m_data.subspan(offset, take), size);
        if (!Deliver(frame, block))
            return m_result;
        offset += take;
        m_result.bytes = offset;
        if (!m_line.Report(m_result.bytes, m_result.total)) {
            FailOn(Reply::Cancelled);
            return m_result;
        }
    }
    static constexpr std::uint8_t kEot[] = {kEOT};
    if (!Deliver(kEot, block))
        return m_result;
    EndBatch();
    if (m_line.CancelSeen())
        m_line.WriteCancel(); // the file is through; only the batch end is left unsaid
    m_result.status = LinkStatus::Ok;
    return m_result;
}

std::string WireName(const std::string& name) {
    std::string base = name.substr(name.find_last_of("/\\") + 1);
    std::replace(base.begin(), base.end(), ' ', '_');
    return base.empty() ? "image.bin" : base;
}

} // namespace

LinkResult Send(ITransport& transport, const std::string& name, std::span<const std::uint8_t> data,
                const Options& options, IProgress* progress, std::uint64_t modified) {
    FileHeader header;
    header.name = WireName(name);
    header.size = data.size();
    header.modified = modified;
    header.mode = kRegularFileMode;
    return CSender(transport, options, progress, data).Run(header);
}

} // namespace ymodem
