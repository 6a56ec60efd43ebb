// The YMODEM sender and receiver over an in-memory line: against each other,
// and each against a scripted peer that checks every byte of the exchange.
#include "link/ImageTransfer.h"
#include "link/YmodemReceiver.h"
#include "link/YmodemSender.h"
#include "tests/link/LinkTestSupport.h"

#include <gtest/gtest.h>

#include <future>

using namespace ymodem;
using namespace velmar::test;
using std::chrono::milliseconds;

namespace {

using Bytes = std::vector<std::uint8_t>;

class CMemorySink final : public IReceiveSink {
public:
    bool Begin(const FileHeader& header, std::string&) override {
        m_header = header;
        ++m_nBegun;
        return true;
    }
    bool Write(std::span<const std::uint8_t> data, std::string&) override {
        m_data.insert(m_data.end(), data.begin(), data.end());
        return true;
    }
    FileHeader m_header;
    int m_nBegun = 0;
    Bytes m_data;
};

// Reads exactly n bytes or fails the test after `timeout`.
Bytes ReadN(ITransport& line, std::size_t n, milliseconds timeout = milliseconds{3000}) {
    Bytes out;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::uint8_t buffer[2048];
    while (out.size() < n && std::chrono::steady_clock::now() < deadline) {
        const std::ptrdiff_t got =
            line.Read(std::span(buffer, std::min(sizeof buffer, n - out.size())), milliseconds{20});
        if (got < 0)
            break;
        out.insert(out.end(), buffer, buffer + got);
    }
    return out;
}

void Put(ITransport& line, Bytes bytes) {
    line.Write(bytes);
}

Bytes Header(const std::string& name, std::optional<std::uint64_t> size) {
    FileHeader h;
    h.name = name;
    h.size = size;
    const auto payload = BuildHeaderPayload(h);
    return BuildFrame(0, payload, payload.size(), 0);
}

Bytes NullHeader() {
    return BuildFrame(0, BuildHeaderPayload({}), kSmallPayload, 0);
}

const Bytes kCancelSequence = {0x18, 0x18, 0x18, 0x18, 0x18, 0x18, 0x18, 0x18,
                               8,    8,    8,    8,    8,    8,    8,    8};

// A Cancel button: pressed from the test's thread while the transfer waits.
struct CStopSwitch final : IProgress {
    std::atomic<bool> stop{false};
    bool Step(std::uint64_t, std::uint64_t) override { return !stop; }
};

bool EndsWith(const Bytes& bytes, const Bytes& tail) {
    return bytes.size() >= tail.size() &&
           std::equal(tail.begin(), tail.end(),
                      bytes.end() - static_cast<std::ptrdiff_t>(tail.size()));
}

// Our receiver on one end of a pipe; the test is the sender on the other.
struct CReceiverRun {
    std::unique_ptr<CPipeEnd> peer, ours;
    CMemorySink sink;
    std::future<LinkResult> result;

    explicit CReceiverRun(ymodem::Options options = FastOptions(), IProgress* progress = nullptr) {
        auto [a, b] = MakePipe();
        peer = std::move(a);
        ours = std::move(b);
        result = std::async(std::launch::async, [this, options, progress] {
            return Receive(*ours, sink, options, progress);
        });
    }
    ~CReceiverRun() {
        if (result.valid()) {
            peer->Close();
            result.wait();
        }
    }
    // The first 'C', then block 0 for the file, answered with ACK and 'C'.
    void Announce(const std::string& name, std::uint64_t size) {
        ReadN(*peer, 1);
        Put(*peer, Header(name, size));
        ReadN(*peer, 2);
    }
    // EOT (NAK), EOT (ACK, 'C'), and the empty block 0 that ends the batch.
    void EndFile() {
        Put(*peer, {0x04});
        ReadN(*peer, 1);
        Put(*peer, {0x04});
        ReadN(*peer, 2);
        Put(*peer, NullHeader());
    }
    LinkResult Result() { return result.get(); }
};

} // namespace

class YmodemBothSides : public ::testing::TestWithParam<std::size_t> {};

TEST_P(YmodemBothSides, FileArrivesByteForByte) {
    const Bytes data = SampleBytes(GetParam(), static_cast<std::uint32_t>(GetParam()));
    auto [a, b] = MakePipe();
    CMemorySink sink;
    CRecordingProgress sent, received;
    auto receiving = std::async(std::launch::async, [&, &end = *b] {
        return Receive(end, sink, FastOptions(), &received);
    });
    const LinkResult s = Send(*a, "file.bin", data, FastOptions(), &sent, 1700000000);
    const LinkResult r = receiving.get();
    ASSERT_TRUE(s.Ok()) << s.message;
    ASSERT_TRUE(r.Ok()) << r.message;
    EXPECT_EQ(sink.m_data, data);
    EXPECT_EQ(sink.m_header.name, "file.bin");
    EXPECT_EQ(sink.m_header.size, data.size());
    EXPECT_EQ(sink.m_header.modified, 1700000000u);
    EXPECT_EQ(r.bytes, data.size());
    EXPECT_EQ(r.total, data.size());
    EXPECT_EQ(r.fileName, "file.bin");
    EXPECT_EQ(s.bytes, data.size());
    // Progress only grows and ends at the total on both sides.
    for (const auto* p : {&sent, &received}) {
        const auto steps = p->Steps();
        ASSERT_FALSE(steps.empty());
        EXPECT_EQ(steps.back(),
                  std::make_pair(std::uint64_t{data.size()}, std::uint64_t{data.size()}));
        for (std::size_t i = 1; i < steps.size(); ++i)
            EXPECT_LE(steps[i - 1].first, steps[i].first);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, YmodemBothSides,
                         ::testing::Values(1, 127, 128, 129, 1023, 1024, 1025, 3 * 1024 + 128,
                                           3 * 1024 + 129, 256 * 1024 + 5, 311382));

TEST(YmodemReceiver, AnswersEachStepOfTheBatch) {
    CReceiverRun run;
    EXPECT_EQ(ReadN(*run.peer, 1), Bytes{'C'});
    Put(*run.peer, Header("x.bin", 1100));
    EXPECT_EQ(ReadN(*run.peer, 2), (Bytes{0x06, 'C'}));
    const Bytes data = SampleBytes(1100);
    Put(*run.peer, BuildFrame(1, std::span(data).first(1024), kLargePayload));
    EXPECT_EQ(ReadN(*run.peer, 1), Bytes{0x06});
    Put(*run.peer, BuildFrame(2, std::span(data).subspan(1024), kSmallPayload));
    EXPECT_EQ(ReadN(*run.peer, 1), Bytes{0x06});
    Put(*run.peer, {0x04});
    EXPECT_EQ(ReadN(*run.peer, 1), Bytes{0x15}) << "the first EOT is answered with NAK";
    Put(*run.peer, {0x04});
    EXPECT_EQ(ReadN(*run.peer, 2), (Bytes{0x06, 'C'}));
    Put(*run.peer, NullHeader());
    EXPECT_EQ(ReadN(*run.peer, 1), Bytes{0x06});
    const LinkResult r = run.Result();
    ASSERT_TRUE(r.Ok()) << r.message;
    EXPECT_EQ(run.sink.m_data, data) << "the padding of the last block is not kept";
}

TEST(YmodemReceiver, RepeatedBlockIsAcknowledgedAndKeptOnce) {
    CReceiverRun run;
    run.Announce("x.bin", 256);
    const Bytes data = SampleBytes(256);
    const auto one = BuildFrame(1, std::span(data).first(128), kSmallPayload);
    Put(*run.peer, one);
    EXPECT_EQ(ReadN(*run.peer, 1), Bytes{0x06});
    Put(*run.peer, one); // as if our ACK had been lost
    EXPECT_EQ(ReadN(*run.peer, 1), Bytes{0x06});
    Put(*run.peer, BuildFrame(2, std::span(data).subspan(128), kSmallPayload));
    EXPECT_EQ(ReadN(*run.peer, 1), Bytes{0x06});
    run.EndFile();
    ASSERT_TRUE(run.Result().Ok());
    EXPECT_EQ(run.sink.m_data, data);
}

// A sender started after several of our requests answers each waiting 'C'
// with another block 0 (sb does). Only one of them may be answered.
TEST(YmodemReceiver, CopiesOfTheHeaderFromWaitingRequestsAreNotAnswered) {
    CReceiverRun run;
    ReadN(*run.peer, 1);
    std::this_thread::sleep_for(milliseconds{700}); // two more 'C's pile up
    const Bytes header = Header("x.bin", 100);
    Put(*run.peer, header);
    Put(*run.peer, header);
    Put(*run.peer, header);
    // Whatever 'C's arrived before the header, then exactly one ACK and one 'C'.
    std::this_thread::sleep_for(milliseconds{300});
    Bytes answers = ReadN(*run.peer, 64, milliseconds{100});
    while (!answers.empty() && answers.front() == 'C')
        answers.erase(answers.begin());
    EXPECT_EQ(answers, (Bytes{0x06, 'C'}));
    const Bytes data = SampleBytes(100);
    Put(*run.peer, BuildFrame(1, data, kSmallPayload));
    EXPECT_EQ(ReadN(*run.peer, 1), Bytes{0x06});
    run.EndFile();
    const LinkResult r = run.Result();
    ASSERT_TRUE(r.Ok()) << r.message;
    EXPECT_EQ(run.sink.m_data, data);
    EXPECT_EQ(run.sink.m_nBegun, 1);
}

TEST(YmodemReceiver, RefusesWhatItCannotCheck) {
    struct Case {
        Bytes header;
        LinkStatus status;
        const char* message;
    };
    const Case cases[] = {
        {Header("nosize.bin", std::nullopt), LinkStatus::Refused,
         "The sender did not announce the size of nosize.bin; the transfer cannot be checked"},
        {Header("huge.bin", 65ull << 20), LinkStatus::Refused,
         "huge.bin is too large (68157440 bytes; at most 16777216)"},
        {NullHeader(), LinkStatus::ProtocolError, "The sender had no file to send"},
        {BuildFrame(1, SampleBytes(128), kSmallPayload), LinkStatus::ProtocolError,
         "The sender sent data without a file header (a YMODEM batch was expected)"},
    };
    for (const Case& c : cases) {
        CReceiverRun run;
        ReadN(*run.peer, 1);
        Put(*run.peer, c.header);
        const LinkResult r = run.Result();
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.message, c.message);
        EXPECT_TRUE(run.sink.m_data.empty());
    }
}

TEST(YmodemReceiver, FileEndingEarlyIsAShortTransfer) {
    CReceiverRun run;
    run.Announce("x.bin", 5000);
    Put(*run.peer, BuildFrame(1, SampleBytes(1024), kLargePayload));
    ReadN(*run.peer, 1);
    Put(*run.peer, BuildFrame(2, SampleBytes(1024), kLargePayload));
    ReadN(*run.peer, 1);
    Put(*run.peer, {0x04});
    ReadN(*run.peer, 1);
    Put(*run.peer, {0x04});
    const LinkResult r = run.Result();
    EXPECT_EQ(r.status, LinkStatus::ShortTransfer);
    EXPECT_EQ(r.message, "The transfer ended after 2048 of 5000 bytes");
    EXPECT_TRUE(EndsWith(run.ours->Written(), kCancelSequence));
}

TEST(YmodemReceiver, LostSequenceEndsTheTransfer) {
    CReceiverRun run;
    run.Announce("x.bin", 5000);
    Put(*run.peer, BuildFrame(3, SampleBytes(1024), kLargePayload));
    const LinkResult r = run.Result();
    EXPECT_EQ(r.status, LinkStatus::ProtocolError);
    EXPECT_EQ(r.message, "Block sequence lost: expected block 1, got block 3");
    EXPECT_TRUE(EndsWith(run.ours->Written(), kCancelSequence));
}

TEST(YmodemReceiver, TenDamagedCopiesOfOneBlockAbort) {
    CReceiverRun run;
    run.Announce("x.bin", 3000);
    auto damaged = BuildFrame(1, SampleBytes(1024), kLargePayload);
    damaged[500] ^= 1;
    for (int i = 0; i < 9; ++i) {
        Put(*run.peer, damaged);
        EXPECT_EQ(ReadN(*run.peer, 1), Bytes{0x15}) << "copy " << i + 1;
    }
    Put(*run.peer, damaged);
    const LinkResult r = run.Result();
    EXPECT_EQ(r.status, LinkStatus::TooManyErrors);
    EXPECT_EQ(r.message, "Block 1 arrived damaged 10 times; transfer abandoned");
    EXPECT_EQ(ReadN(*run.peer, 16), kCancelSequence);
    EXPECT_TRUE(run.sink.m_data.empty());
}

TEST(YmodemReceiver, SilentSenderTimesOut) {
    auto [peer, ours] = MakePipe();
    CMemorySink sink;
    ymodem::Options options = FastOptions();
    options.startTimeout = milliseconds{1000};
    const auto start = std::chrono::steady_clock::now();
    const LinkResult r = Receive(*ours, sink, options);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(r.status, LinkStatus::TimedOut);
    EXPECT_EQ(r.message, "Nothing arrived within 1 s: is the other side sending?");
    EXPECT_GE(took, milliseconds{1000});
    EXPECT_LT(took, milliseconds{5000});
    // It kept asking, a 'C' every 300 ms, and finally cancelled.
    Bytes asked = ReadN(*peer, 64, milliseconds{200});
    ASSERT_TRUE(EndsWith(asked, kCancelSequence));
    asked.resize(asked.size() - kCancelSequence.size());
    EXPECT_GE(asked.size(), 2u);
    EXPECT_TRUE(std::all_of(asked.begin(), asked.end(), [](auto b) { return b == 'C'; }));
}

TEST(YmodemReceiver, SenderThatFallsSilentMidwayTimesOut) {
    ymodem::Options options = FastOptions();
    options.replyTimeout = milliseconds{300};
    CReceiverRun run(options);
    run.Announce("x.bin", 3000);
    Put(*run.peer, BuildFrame(1, SampleBytes(1024), kLargePayload));
    ReadN(*run.peer, 1);
    const LinkResult r = run.Result(); // ten waits of 0.3 s
    EXPECT_EQ(r.status, LinkStatus::TimedOut);
    EXPECT_EQ(r.message,
              "The sender stopped sending: no block for 0.3 s, 10 times, after 1024 of 3000 bytes");
    // Each wait ended with a NAK, then the transfer was cancelled.
    const Bytes written = run.ours->Written();
    EXPECT_EQ(std::count(written.begin(), written.end(), 0x15), 9);
    EXPECT_TRUE(EndsWith(written, kCancelSequence));
}

TEST(YmodemReceiver, CancelReturnsAtOnceAndTellsTheSender) {
    CStopSwitch progress;
    ymodem::Options options = FastOptions();
    options.replyTimeout = milliseconds{5000}; // a cancel must not wait for this
    CReceiverRun run(options, &progress);
    run.Announce("x.bin", 3000);
    std::this_thread::sleep_for(milliseconds{100});
    const auto pressed = std::chrono::steady_clock::now();
    progress.stop = true;
    const LinkResult r = run.Result();
    EXPECT_LT(std::chrono::steady_clock::now() - pressed, milliseconds{1500});
    EXPECT_EQ(r.status, LinkStatus::Cancelled);
    EXPECT_EQ(r.message, "Transfer cancelled");
    EXPECT_EQ(ReadN(*run.peer, 16), kCancelSequence);
}

TEST(YmodemReceiver, SenderCancelling) {
    CReceiverRun run;
    run.Announce("x.bin", 3000);
    Put(*run.peer, {0x18, 0x18});
    const LinkResult r = run.Result();
    EXPECT_EQ(r.status, LinkStatus::PeerCancelled);
    EXPECT_EQ(r.message, "The sender cancelled the transfer");
    EXPECT_FALSE(EndsWith(run.ours->Written(), kCancelSequence)) << "no cancel back to a cancel";
}

TEST(YmodemSender, SpeaksEachStepOfTheBatch) {
    auto [ours, peer] = MakePipe();
    const Bytes data = SampleBytes(1024 + 100);
    auto sending = std::async(std::launch::async, [&, &end = *ours] {
        return Send(end, "dir/my image.bin", data, FastOptions(), nullptr, 1700000000);
    });
    Put(*peer, {'C'});
    FileHeader h;
    h.name = "my_image.bin"; // no directory, no blanks
    h.size = data.size();
    h.modified = 1700000000;
    h.mode = 0100644;
    EXPECT_EQ(ReadN(*peer, 133), BuildFrame(0, BuildHeaderPayload(h), 128, 0));
    Put(*peer, {0x06, 'C'});
    EXPECT_EQ(ReadN(*peer, 1029), BuildFrame(1, std::span(data).first(1024), 1024));
    Put(*peer, {0x06});
    // The last 100 bytes go in a short block, padded with 0x1A.
    EXPECT_EQ(ReadN(*peer, 133), BuildFrame(2, std::span(data).subspan(1024), 128));
    Put(*peer, {0x06});
    EXPECT_EQ(ReadN(*peer, 1), Bytes{0x04});
    Put(*peer, {0x15});
    EXPECT_EQ(ReadN(*peer, 1), Bytes{0x04});
    Put(*peer, {0x06, 'C'});
    EXPECT_EQ(ReadN(*peer, 133), NullHeader());
    Put(*peer, {0x06});
    const LinkResult s = sending.get();
    ASSERT_TRUE(s.Ok()) << s.message;
    EXPECT_EQ(s.fileName, "my_image.bin");
}

TEST(YmodemSender, NakResendsTheSameBlock) {
    auto [ours, peer] = MakePipe();
    const Bytes data = SampleBytes(2000);
    auto sending = std::async(
        std::launch::async, [&, &end = *ours] { return Send(end, "a.bin", data, FastOptions()); });
    Put(*peer, {'C'});
    ReadN(*peer, 133);
    Put(*peer, {0x06, 'C'});
    const Bytes first = ReadN(*peer, 1029);
    Put(*peer, {0x15});
    EXPECT_EQ(ReadN(*peer, 1029), first);
    Put(*peer, {'C'}); // 'C' counts as NAK too
    EXPECT_EQ(ReadN(*peer, 1029), first);
    Put(*peer, {0x06});
    EXPECT_EQ(ReadN(*peer, 1029), BuildFrame(2, std::span(data).subspan(1024), 1024));
    Put(*peer, {0x18, 0x18});
    const LinkResult s = sending.get();
    EXPECT_EQ(s.status, LinkStatus::PeerCancelled);
    EXPECT_EQ(s.message, "The receiver cancelled the transfer");
    EXPECT_EQ(s.bytes, 1024u);
}

TEST(YmodemSender, TenRefusalsOfOneBlockAbort) {
    auto [ours, peer] = MakePipe();
    const Bytes data = SampleBytes(3000);
    auto sending = std::async(
        std::launch::async, [&, &end = *ours] { return Send(end, "a.bin", data, FastOptions()); });
    Put(*peer, {'C'});
    ReadN(*peer, 133);
    Put(*peer, {0x06, 'C'});
    ReadN(*peer, 1029);
    Put(*peer, {0x06});
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(ReadN(*peer, 1029), BuildFrame(2, std::span(data).subspan(1024, 1024), 1024))
            << "copy " << i + 1;
        Put(*peer, {0x15});
    }
    const LinkResult s = sending.get();
    EXPECT_EQ(s.status, LinkStatus::TooManyErrors);
    EXPECT_EQ(s.message, "The receiver refused block 2 10 times; transfer abandoned");
    EXPECT_EQ(ReadN(*peer, 16), kCancelSequence) << "no eleventh copy, only the cancel";
}

TEST(YmodemSender, SilentReceiverTimesOut) {
    auto [ours, peer] = MakePipe();
    ymodem::Options options = FastOptions();
    options.startTimeout = milliseconds{800};
    const LinkResult s = Send(*ours, "a.bin", SampleBytes(10), options);
    EXPECT_EQ(s.status, LinkStatus::TimedOut);
    EXPECT_EQ(s.message, "The receiver did not ask for the file within 0.8 s");
}

TEST(YmodemSender, ReceiverThatStopsAnsweringTimesOut) {
    auto [ours, peer] = MakePipe();
    const Bytes data = SampleBytes(3000);
    ymodem::Options options = FastOptions();
    options.replyTimeout = milliseconds{300};
    auto sending = std::async(std::launch::async,
                              [&, &end = *ours] { return Send(end, "a.bin", data, options); });
    Put(*peer, {'C'});
    ReadN(*peer, 133);
    Put(*peer, {0x06, 'C'});
    const LinkResult s = sending.get(); // block 1 sent ten times, 0.3 s each
    EXPECT_EQ(s.status, LinkStatus::TimedOut);
    EXPECT_EQ(s.message,
              "The receiver stopped answering: no reply to block 1 within 0.3 s, 10 times");
    EXPECT_EQ(ReadN(*peer, 10 * 1029 + 16, milliseconds{500}).size(), 10 * 1029 + 16u);
}

TEST(YmodemSender, WaitingRequestsAreNotTakenForNaks) {
    auto [ours, peer] = MakePipe();
    Put(*peer, {'C', 'C', 'C'}); // the receiver has been asking for a while
    const Bytes data = SampleBytes(100);
    auto sending = std::async(
        std::launch::async, [&, &end = *ours] { return Send(end, "a.bin", data, FastOptions()); });
    const Bytes header = ReadN(*peer, 133);
    EXPECT_EQ(header[0], 0x01);
    EXPECT_TRUE(ReadN(*peer, 1, milliseconds{200}).empty()) << "block 0 went out once";
    Put(*peer, {0x06, 'C'});
    EXPECT_EQ(ReadN(*peer, 133), BuildFrame(1, data, 128));
    Put(*peer, {0x06});
    ReadN(*peer, 1);
    Put(*peer, {0x06, 'C'});
    ReadN(*peer, 133);
    Put(*peer, {0x06});
    EXPECT_TRUE(sending.get().Ok());
}

// A duplicated ACK (a noisy line, a receiver that answered twice) is still
// waiting when the next block goes out; it must not count as that block's
// answer, or the block would be taken as delivered unseen.
TEST(YmodemSender, AStaleAnswerDoesNotAcknowledgeTheNextBlock) {
    auto [ours, peer] = MakePipe();
    const Bytes data = SampleBytes(2000);
    auto sending = std::async(
        std::launch::async, [&, &end = *ours] { return Send(end, "a.bin", data, FastOptions()); });
    Put(*peer, {'C'});
    ReadN(*peer, 133);
    Put(*peer, {0x06, 'C'});
    ReadN(*peer, 1029);
    Put(*peer, {0x06, 0x06});
    EXPECT_EQ(ReadN(*peer, 1029), BuildFrame(2, std::span(data).subspan(1024), 1024));
    EXPECT_TRUE(ReadN(*peer, 1, milliseconds{300}).empty()) << "block 2 waits for its own answer";
    Put(*peer, {0x06});
    EXPECT_EQ(ReadN(*peer, 1), Bytes{0x04});
    Put(*peer, {0x18, 0x18});
    EXPECT_EQ(sending.get().status, LinkStatus::PeerCancelled);
}

// A last piece of exactly 128 bytes still fits a short block.
TEST(YmodemSender, ALastPieceOf128BytesGoesInAShortBlock) {
    auto [ours, peer] = MakePipe();
    const Bytes data = SampleBytes(1024 + 128);
    auto sending = std::async(
        std::launch::async, [&, &end = *ours] { return Send(end, "a.bin", data, FastOptions()); });
    Put(*peer, {'C'});
    ReadN(*peer, 133);
    Put(*peer, {0x06, 'C'});
    ReadN(*peer, 1029);
    Put(*peer, {0x06});
    EXPECT_EQ(ReadN(*peer, 133), BuildFrame(2, std::span(data).subspan(1024), 128));
    Put(*peer, {0x18, 0x18});
    EXPECT_EQ(sending.get().status, LinkStatus::PeerCancelled);
}

// The largest size the receiver takes is taken; one byte more is refused.
TEST(YmodemReceiver, AFileOfExactlyTheLargestSizeIsTaken) {
    ymodem::Options options = FastOptions();
    options.maxFileSize = 100;
    {
        CReceiverRun run(options);
        ReadN(*run.peer, 1);
        Put(*run.peer, Header("a.bin", 100));
        EXPECT_EQ(ReadN(*run.peer, 2), (Bytes{0x06, 'C'}));
    }
    CReceiverRun run(options);
    ReadN(*run.peer, 1);
    Put(*run.peer, Header("a.bin", 101));
    EXPECT_EQ(run.Result().message, "a.bin is too large (101 bytes; at most 100)");
}

// The allowance counts the file in short blocks, a partly filled one too.
TEST(YmodemSender, TheTransferAllowanceCountsTheLastPartBlock) {
    const ymodem::Options o = FastOptions();
    EXPECT_EQ(TransferAllowance(129, o), TransferAllowance(256, o));
    EXPECT_LT(TransferAllowance(128, o), TransferAllowance(129, o));
}

// A lone CAN is line noise; only two in a row cancel.
TEST(YmodemSender, ALoneCanIsNoise) {
    auto [ours, peer] = MakePipe();
    const Bytes data = SampleBytes(100);
    auto sending = std::async(
        std::launch::async, [&, &end = *ours] { return Send(end, "a.bin", data, FastOptions()); });
    Put(*peer, {0x18, 'C'});
    const Bytes header = ReadN(*peer, 133);
    ASSERT_EQ(header.size(), 133u) << "block 0 goes out";
    EXPECT_EQ(header[0], 0x01);
    Put(*peer, {0x18, 0x18});
    EXPECT_EQ(sending.get().status, LinkStatus::PeerCancelled);
}

TEST(YmodemSender, CancelReturnsAtOnceAndTellsTheReceiver) {
    auto [ours, peer] = MakePipe();
    CRecordingProgress progress(2048);
    const Bytes data = SampleBytes(5000);
    auto sending = std::async(std::launch::async, [&, &end = *ours] {
        return Send(end, "a.bin", data, FastOptions(), &progress);
    });
    Put(*peer, {'C'});
    ReadN(*peer, 133);
    Put(*peer, {0x06, 'C'});
    ReadN(*peer, 1029);
    Put(*peer, {0x06});
    ReadN(*peer, 1029);
    Put(*peer, {0x06}); // 2048 bytes done: the progress says stop
    const LinkResult s = sending.get();
    EXPECT_EQ(s.status, LinkStatus::Cancelled);
    EXPECT_EQ(ReadN(*peer, 16), kCancelSequence);
}

TEST(YmodemSender, CancelWhileWaitingForAnAnswer) {
    auto [ours, peer] = MakePipe();
    CStopSwitch progress;
    ymodem::Options options = FastOptions();
    options.replyTimeout = milliseconds{5000}; // a cancel must not wait for this
    const Bytes data = SampleBytes(5000);
    auto sending = std::async(std::launch::async, [&, &end = *ours] {
        return Send(end, "a.bin", data, options, &progress);
    });
    Put(*peer, {'C'});
    ReadN(*peer, 133);
    Put(*peer, {0x06, 'C'});
    ReadN(*peer, 1029); // block 1, never answered
    const auto pressed = std::chrono::steady_clock::now();
    progress.stop = true;
    const LinkResult s = sending.get();
    EXPECT_LT(std::chrono::steady_clock::now() - pressed, milliseconds{1500});
    EXPECT_EQ(s.status, LinkStatus::Cancelled);
    EXPECT_EQ(s.message, "Transfer cancelled");
    EXPECT_EQ(ReadN(*peer, 16), kCancelSequence);
}

// A sender out to keep us busy or to write to our terminal. Whatever it does,
// the receive ends with a failure and a reason, within a bound, and the
// destination file stays as it was.
namespace {

const Bytes kKeep = {'k', 'e', 'e', 'p'};

struct HostileOutcome {
    LinkResult result;
    Bytes destination;
    std::vector<std::string> files;
    milliseconds took{0};
};

HostileOutcome ReceiveFrom(const std::function<void(CPipeEnd&)>& peerScript,
                           const ymodem::Options& options) {
    CTempDir dir;
    const std::string dest = dir / "out.bin";
    WriteBytes(dest, kKeep);
    auto [peer, ours] = MakePipe();
    std::thread script([&, &end = *peer] { peerScript(end); });
    HostileOutcome outcome;
    const auto start = std::chrono::steady_clock::now();
    outcome.result = ReceiveImage(*ours, dest, options);
    outcome.took =
        std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - start);
    peer->Close();
    script.join();
    outcome.destination = ReadBytes(dest);
    outcome.files = dir.List();
    return outcome;
}

// Short waits and four tries, on a line taken to be fast: each case ends in
// a second or two.
ymodem::Options HostileOptions() {
    ymodem::Options options = FastOptions();
    options.replyTimeout = milliseconds{300};
    options.maxRetries = 4;
    options.bytesPerSecond = 1000000;
    return options;
}

Bytes DataBlock(std::uint8_t number, std::uint32_t seed = 3) {
    return BuildFrame(number, SampleBytes(kSmallPayload, seed), kSmallPayload);
}

void ExpectUntouched(const HostileOutcome& o) {
    EXPECT_EQ(o.destination, kKeep);
    EXPECT_EQ(o.files, std::vector<std::string>{"out.bin"});
}

} // namespace

TEST(YmodemHostileSender, RepeatingBlockZeroForeverIsAFailure) {
    // Every request after the header gets the header again.
    const HostileOutcome o = ReceiveFrom(
        [](CPipeEnd& peer) {
            Respond(peer,
                    [](std::uint8_t b) { return b == 'C' ? Header("x.bin", 1000) : Bytes{}; });
        },
        HostileOptions());
    EXPECT_EQ(o.result.status, LinkStatus::TooManyErrors);
    EXPECT_EQ(o.result.message,
              "Block 1 never came: block 0 came again 4 times; transfer abandoned");
    EXPECT_LT(o.took, milliseconds{3000});
    ExpectUntouched(o);
}

TEST(YmodemHostileSender, RepeatingAnEarlierDataBlockIsAFailure) {
    const HostileOutcome o = ReceiveFrom(
        [&](CPipeEnd& peer) {
            Respond(peer, AfterHeader(Header("x.bin", 100000), [] { return DataBlock(1); }));
        },
        HostileOptions());
    EXPECT_EQ(o.result.status, LinkStatus::TooManyErrors);
    EXPECT_EQ(o.result.message,
              "Block 2 never came: block 1 came again 4 times; transfer abandoned");
    EXPECT_EQ(o.result.bytes, 128u);
    EXPECT_LT(o.took, milliseconds{3000});
    ExpectUntouched(o);
}

TEST(YmodemHostileSender, BlocksPastTheAnnouncedSizeAreAFailure) {
    // 200 bytes announced: blocks 1 and 2 complete the file, then the sender
    // goes on with empty blocks and never sends EOT.
    std::uint8_t next = 1;
    const HostileOutcome o = ReceiveFrom(
        [&](CPipeEnd& peer) {
            Respond(peer, AfterHeader(Header("x.bin", 200), [&] {
                        const std::uint8_t n = next++;
                        return n <= 2 ? DataBlock(n) : BuildFrame(n, {}, kSmallPayload);
                    }));
        },
        HostileOptions());
    EXPECT_EQ(o.result.status, LinkStatus::ProtocolError);
    EXPECT_EQ(o.result.message, "The sender went on sending blocks after the announced 200 bytes; "
                                "transfer abandoned");
    EXPECT_EQ(o.result.bytes, 200u);
    EXPECT_EQ(next, 7) << "two blocks of data, four past the end";
    EXPECT_LT(o.took, milliseconds{3000});
    ExpectUntouched(o);
}

TEST(YmodemHostileSender, ABlockTrickledInByteByByteIsCutOff) {
    // One byte each 200 ms, within the 300 ms gap between bytes, but a block
    // of 133 bytes on this line may take only 300 ms + 2 x its 0.13 ms. Each
    // NAK starts the block again.
    const HostileOutcome o = ReceiveFrom(
        [](CPipeEnd& peer) {
            std::uint8_t byte = 0;
            peer.Read({&byte, 1}, milliseconds{5000});
            Put(peer, Header("x.bin", 100000));
            ReadN(peer, 2);
            const Bytes block = DataBlock(1);
            std::size_t at = 0;
            for (;;) {
                Put(peer, {block[at]});
                at = (at + 1) % block.size();
                const std::ptrdiff_t got = peer.Read({&byte, 1}, milliseconds{200});
                if (got < 0 || (got == 1 && byte == kCAN))
                    return;
                if (got == 1 && byte == kNAK)
                    at = 0;
            }
        },
        HostileOptions());
    EXPECT_EQ(o.result.status, LinkStatus::TooManyErrors);
    EXPECT_EQ(o.result.message, "Block 1 arrived damaged 4 times; transfer abandoned");
    // Four attempts of about 0.5 s (the block's 0.3 s, then the wait for the
    // next 200 ms byte to see the line quiet).
    EXPECT_LT(o.took, milliseconds{4000});
    ExpectUntouched(o);
}

TEST(YmodemHostileSender, SlowButSteadyBlocksMeetTheFileDeadline) {
    // Each block comes 100 ms after its ACK, within the reply wait, but 2048
    // bytes have 5 ms of line time, 16 x 10 ms of turnaround and 4 x 0.3 s.
    std::uint8_t next = 1;
    const HostileOutcome o = ReceiveFrom(
        [&](CPipeEnd& peer) {
            Respond(peer, AfterHeader(
                              Header("x.bin", 2048),
                              [&] {
                                  std::this_thread::sleep_for(milliseconds{100});
                                  return DataBlock(next++);
                              },
                              [&] { return DataBlock(static_cast<std::uint8_t>(next - 1)); }));
        },
        [] {
            ymodem::Options options = HostileOptions();
            options.replyTimeout = milliseconds{200};
            return options;
        }());
    EXPECT_EQ(o.result.status, LinkStatus::TimedOut);
    EXPECT_EQ(TransferAllowance(2048, HostileOptions()), milliseconds{5 + 160 + 1200});
    EXPECT_EQ(o.result.message.rfind("The transfer did not end within the 0.965 s allowed for "
                                     "2048 bytes: ",
                                     0),
              0u)
        << o.result.message;
    EXPECT_LT(o.result.bytes, 2048u);
    EXPECT_LT(o.took, milliseconds{2500});
    ExpectUntouched(o);
}

TEST(YmodemHostileSender, SilenceAfterBlockZeroEndsAfterTheReplyWaits) {
    int requests = 0;
    const HostileOutcome o = ReceiveFrom(
        [&](CPipeEnd& peer) {
            Respond(peer, [&](std::uint8_t b) {
                return b == 'C' && ++requests == 1 ? Header("x.bin", 100000) : Bytes{};
            });
        },
        HostileOptions());
    EXPECT_EQ(o.result.status, LinkStatus::TimedOut);
    EXPECT_EQ(o.result.message,
              "The sender stopped sending: no block for 0.3 s, 4 times, after 0 of 100000 bytes");
    EXPECT_GE(o.took, milliseconds{1200});
    EXPECT_LT(o.took, milliseconds{3000});
    ExpectUntouched(o);
}

TEST(YmodemHostileSender, AFourGigabyteAnnouncementIsRefusedAtBlockZero) {
    Bytes answers;
    const HostileOutcome o = ReceiveFrom(
        [&](CPipeEnd& peer) {
            Respond(peer, [&](std::uint8_t b) {
                answers.push_back(b);
                return b == 'C' ? Header("big.bin", std::uint64_t{4} << 30) : Bytes{};
            });
        },
        HostileOptions());
    EXPECT_EQ(o.result.status, LinkStatus::Refused);
    EXPECT_EQ(o.result.message, "big.bin is too large (4294967296 bytes; at most 16777216)");
    EXPECT_EQ(answers, Bytes{'C'}) << "block 0 was not acknowledged";
    EXPECT_LT(o.took, milliseconds{1000});
    ExpectUntouched(o);
}

TEST(YmodemHostileSender, EscapeSequencesInTheNameAreShownAsText) {
    const std::string name = "\x1b]0;owned\x07\x1b[31mred\r\n";
    for (const std::uint64_t size : {std::uint64_t{0}, std::uint64_t{1} << 30}) {
        const HostileOutcome o = ReceiveFrom(
            [&](CPipeEnd& peer) {
                Respond(peer,
                        [&](std::uint8_t b) { return b == 'C' ? Header(name, size) : Bytes{}; });
            },
            HostileOptions());
        const std::string shown = "\\x1b]0;owned\\x07\\x1b[31mred\\x0d\\x0a";
        EXPECT_EQ(o.result.message, size == 0 ? "The sender's file " + shown + " is empty"
                                              : shown + " is too large (1073741824 bytes; at most "
                                                        "16777216)");
        EXPECT_TRUE(std::none_of(o.result.message.begin(), o.result.message.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x20; }));
        ExpectUntouched(o);
    }
}

TEST(YmodemHostileSender, TheNameIsNeverAPath) {
    CTempDir outside;
    const std::string name = outside / "planted.bin";
    const Bytes data = SampleBytes(100);
    CTempDir dir;
    const std::string dest = dir / "out.bin";
    auto [peer, ours] = MakePipe();
    // Block 1, EOT, EOT again after the NAK, the empty header on the request.
    int step = 0;
    std::thread script([&, &end = *peer] {
        Respond(end, AfterHeader(
                         Header(name, data.size()),
                         [&] {
                             ++step;
                             return step == 1   ? BuildFrame(1, data, kSmallPayload)
                                    : step == 2 ? Bytes{kEOT}
                                                : Bytes{};
                         },
                         [] { return Bytes{kEOT}; }));
    });
    const LinkResult r = ReceiveImage(*ours, dest, HostileOptions());
    peer->Close();
    script.join();
    EXPECT_TRUE(r.Ok()) << r.message;
    EXPECT_EQ(r.fileName, name);
    EXPECT_TRUE(EndsWith(ReadBytes(dest), data)) << "the image, in the working form";
    EXPECT_TRUE(outside.List().empty());
    EXPECT_EQ(dir.List(), std::vector<std::string>{"out.bin"});
}

// A receiver out to keep our sender busy.
TEST(YmodemHostileReceiver, SilenceAfterBlockZeroEndsAfterTheReplyWaits) {
    auto [ours, peer] = MakePipe();
    const ymodem::Options options = HostileOptions();
    const auto start = std::chrono::steady_clock::now();
    auto sending = std::async(std::launch::async, [&, &end = *ours] {
        return Send(end, "a.bin", SampleBytes(3000), options);
    });
    Put(*peer, {'C'});
    ReadN(*peer, 133);
    Put(*peer, {kACK});
    const LinkResult s = sending.get();
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(s.status, LinkStatus::TimedOut);
    EXPECT_EQ(s.message, "The receiver did not ask for the data within 1.2 s");
    EXPECT_LT(took, milliseconds{3000});
}

TEST(YmodemHostileReceiver, RefusingEveryBlockThreeTimesMeetsTheFileDeadline) {
    auto [ours, peer] = MakePipe();
    const ymodem::Options options = HostileOptions();
    const auto start = std::chrono::steady_clock::now();
    auto sending = std::async(std::launch::async, [&, &end = *ours] {
        return Send(end, "a.bin", SampleBytes(4096), options);
    });
    Put(*peer, {'C'});
    ReadN(*peer, 133);
    Put(*peer, {kACK, 'C'});
    // Each copy refused after 150 ms, the fourth acknowledged: 16 copies of
    // 1024 bytes take 2.4 s; the file has 9 + 320 + 1200 ms.
    for (int copy = 0;; ++copy) {
        const Bytes frame = ReadN(*peer, 1029, milliseconds{1000});
        if (frame.size() < 1029)
            break;
        std::this_thread::sleep_for(milliseconds{150});
        Put(*peer, {copy % 4 == 3 ? kACK : kNAK});
    }
    const LinkResult s = sending.get();
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(s.status, LinkStatus::TimedOut);
    EXPECT_EQ(s.message.rfind("The transfer did not end within the 1.529 s allowed for 4096 "
                              "bytes: ",
                              0),
              0u)
        << s.message;
    EXPECT_LT(took, milliseconds{3000});
}

TEST(PeerText, ControlsAndNonTextAreEscaped) {
    EXPECT_EQ(PeerText("image.bin"), "image.bin");
    EXPECT_EQ(PeerText("\x1b]0;t\x07"), "\\x1b]0;t\\x07");
    EXPECT_EQ(PeerText("a\\x1b"), "a\\\\x1b") << "an escape the peer wrote stays visible as one";
    EXPECT_EQ(PeerText("Kan\xc3\xa4le.bin"), "Kan\xc3\xa4le.bin") << "UTF-8 text is kept";
    EXPECT_EQ(PeerText("\xc2\x9b"
                       "31m"),
              "\\xc2\\x9b31m")
        << "C1 control CSI";
    EXPECT_EQ(PeerText("\x9b"
                       "31m"),
              "\\x9b31m")
        << "a lone 8-bit CSI";
    EXPECT_EQ(PeerText("a\xe2\x81\xa6"
                       "b"),
              "a\\xe2\\x81\\xa6b")
        << "an isolate (U+2066) reorders text too";
    EXPECT_EQ(PeerText("a\xe2\x80\xae"
                       "nib.exe"),
              "a\\xe2\\x80\\xaenib.exe")
        << "RLO";
    EXPECT_EQ(PeerText("\x7f\xc0\xaf"), "\\x7f\\xc0\\xaf") << "DEL, overlong '/'";
    EXPECT_EQ(PeerText(std::string(100, 'a')), std::string(80, 'a') + "...");
}

TEST(YmodemHostileSender, NoiseThatNeverStopsEndsEveryWait) {
    // Bytes that start no block, without pause, before block 0 and after it.
    for (const bool announced : {false, true}) {
        ymodem::Options options = HostileOptions();
        options.startTimeout = milliseconds{1000};
        const HostileOutcome o = ReceiveFrom(
            [&](CPipeEnd& peer) {
                if (announced) {
                    ReadN(peer, 1);
                    Put(peer, Header("x.bin", 100000));
                    ReadN(peer, 2);
                }
                const Bytes noise(64, 'x');
                std::uint8_t byte = 0;
                while (peer.Write(noise)) {
                    const std::ptrdiff_t got = peer.Read({&byte, 1}, milliseconds{1});
                    if (got < 0 || (got == 1 && byte == kCAN))
                        return;
                }
            },
            options);
        EXPECT_EQ(o.result.status, LinkStatus::TimedOut) << o.result.message;
        EXPECT_EQ(o.result.message,
                  announced ? "The sender stopped sending: no block for 0.3 s, 4 times, after 0 "
                              "of 100000 bytes"
                            : "Nothing arrived within 1 s: is the other side sending?");
        EXPECT_LT(o.took, milliseconds{3000});
        ExpectUntouched(o);
    }
}

TEST(YmodemHostileReceiver, NoiseThatNeverStopsEndsEveryWait) {
    auto [ours, peer] = MakePipe();
    const ymodem::Options options = HostileOptions();
    const auto start = std::chrono::steady_clock::now();
    auto sending = std::async(std::launch::async, [&, &end = *ours] {
        return Send(end, "a.bin", SampleBytes(3000), options);
    });
    Put(*peer, {'C'});
    ReadN(*peer, 133);
    Put(*peer, {kACK, 'C'});
    ReadN(*peer, 1029);
    const Bytes noise(64, 'x');
    while (sending.wait_for(milliseconds{1}) != std::future_status::ready)
        Put(*peer, noise);
    const LinkResult s = sending.get();
    EXPECT_EQ(s.status, LinkStatus::TimedOut);
    EXPECT_EQ(s.message,
              "The receiver stopped answering: no reply to block 1 within 0.3 s, 4 times");
    EXPECT_LT(std::chrono::steady_clock::now() - start, milliseconds{3000});
}
