// YMODEM blocks and block 0, byte for byte (the CRC values were computed
// independently: Python's binascii.crc_hqx, which is CRC-16/XMODEM); the
// sender and receiver over an in-memory line: against each other, and each
// against a scripted peer that checks every byte of the exchange.
#include "link/ImageTransfer.h"
#include "link/YmodemReceiver.h"
#include "link/YmodemSender.h"
#include "tests/link/LinkTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <future>
#include <numeric>
#include <optional>
#include <string>
#include <tuple>

using namespace ymodem;
using namespace velmar::test;
using std::chrono::milliseconds;

namespace {

using Bytes = std::vector<std::uint8_t>;
using Blocks = std::vector<Bytes>;

// `n` bytes of `frame` from `at`.
Bytes Slice(const Bytes& frame, std::size_t at, std::size_t n) {
    return {frame.begin() + static_cast<std::ptrdiff_t>(at),
            frame.begin() + static_cast<std::ptrdiff_t>(at + n)};
}

// A block 0 payload: `text` with '|' standing for NUL, padded with NULs.
Bytes Payload(std::string_view text) {
    Bytes payload(text.begin(), text.end());
    std::replace(payload.begin(), payload.end(), std::uint8_t{'|'}, std::uint8_t{0});
    payload.resize(kSmallPayload, 0);
    return payload;
}

void Put(ITransport& line, Bytes bytes) {
    line.Write(bytes);
}

Bytes NullHeader() {
    return BuildFrame(0, BuildHeaderPayload({}), kSmallPayload, 0);
}

Bytes Short(std::uint8_t n, std::span<const std::uint8_t> data) {
    return BuildFrame(n, data, kSmallPayload);
}
Bytes Long(std::uint8_t n, std::span<const std::uint8_t> data) {
    return BuildFrame(n, data, kLargePayload);
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

// One of our sides on one end of a pipe; the test is the peer on the other.
struct CRun {
    std::unique_ptr<CPipeEnd> peer, ours;
    CMemorySink sink; // what our receiver keeps
    Bytes data;       // what our sender sends
    std::future<LinkResult> result;

    void Launch(std::function<LinkResult(ITransport&)> side, const Bytes& waiting = {}) {
        auto [a, b] = MakePipe();
        peer = std::move(a);
        ours = std::move(b);
        Put(*peer, waiting);
        result = std::async(std::launch::async, [this, side] { return side(*ours); });
    }
    ~CRun() {
        if (result.valid()) {
            peer->Close();
            result.wait();
        }
    }
    Bytes Read(std::size_t n, milliseconds timeout = milliseconds{3000}) {
        return ReadN(*peer, n, timeout);
    }
    // Sends `bytes`; what comes back next must be `answer`.
    void Exchange(const Bytes& bytes, const Bytes& answer) {
        Put(*peer, bytes);
        EXPECT_EQ(Read(answer.size()), answer);
    }
    LinkResult Result() { return result.get(); }
};

// Our receiver; the test is the sender.
struct CReceiverRun : CRun {
    explicit CReceiverRun(ymodem::Options options = FastOptions(), IProgress* progress = nullptr) {
        Launch([=, this](ITransport& line) { return Receive(line, sink, options, progress); });
    }
    // The first 'C', then block 0 for the file, answered with ACK and 'C'.
    void Announce(const std::string& name, std::uint64_t size) {
        Read(1);
        Put(*peer, HeaderBlock(name, size));
        Read(2);
    }
};

// Our sender of `size` sample bytes; the test is the receiver.
struct CSenderRun : CRun {
    explicit CSenderRun(std::size_t size, ymodem::Options options = FastOptions(),
                        IProgress* progress = nullptr, const Bytes& waiting = {},
                        const std::string& name = "a.bin") {
        data = SampleBytes(size);
        Launch(
            [=, this](ITransport& line) {
                return Send(line, name, data, options, progress, 1700000000);
            },
            waiting);
    }
    // 'C', block 0, then ACK and 'C' for the data.
    void Start() {
        Put(*peer, {'C'});
        Read(133);
        Put(*peer, {kACK, 'C'});
    }
    // The long block `n` of the data as the sender must send it.
    Bytes LongBlock(std::uint8_t n) const {
        return Long(n, std::span(data).subspan((n - 1) * kLargePayload, kLargePayload));
    }
};

// Replies may take 5 s: a cancel must not wait for them.
ymodem::Options SlowReplies() {
    ymodem::Options options = FastOptions();
    options.replyTimeout = milliseconds{5000};
    return options;
}

// The Cancel button pressed while `run` waits for its peer: the transfer
// ends at once, says so, and tells the peer with the cancel sequence.
void PressCancel(CRun& run, CStopSwitch& progress) {
    const auto pressed = std::chrono::steady_clock::now();
    progress.stop = true;
    const LinkResult r = run.Result();
    EXPECT_LT(std::chrono::steady_clock::now() - pressed, milliseconds{1500});
    EXPECT_EQ(r.status, LinkStatus::Cancelled);
    EXPECT_EQ(r.message, "Transfer cancelled");
    EXPECT_EQ(run.Read(16), kCancelSequence);
}

} // namespace

TEST(YmodemFrame, ShortAndLongBlockLayouts) {
    const auto frame = BuildFrame(1, Bytes{'A'}, kSmallPayload);
    ASSERT_EQ(frame.size(), 133u);
    EXPECT_EQ(Slice(frame, 0, 4), (Bytes{0x01, 0x01, 0xFE, 'A'})); // SOH, number, complement
    EXPECT_EQ(Slice(frame, 4, 127), Bytes(127, 0x1A)) << "padding";
    // CRC of "A" and 127 x 0x1A is 0xF2DD, most significant byte first.
    EXPECT_EQ(Slice(frame, 131, 2), (Bytes{0xF2, 0xDD}));
    // Block 259 wraps to 3.
    Bytes data(1024);
    std::iota(data.begin(), data.end(), std::uint8_t{0});
    const auto long259 = BuildFrame(static_cast<std::uint8_t>(256 + 3), data, kLargePayload);
    ASSERT_EQ(long259.size(), 1029u);
    EXPECT_EQ(Slice(long259, 0, 4), (Bytes{0x02, 0x03, 0xFC, 0x00})); // STX
    EXPECT_EQ(long259[3 + 255], 0xFF);
    EXPECT_EQ(Slice(long259, 1026, 3), (Bytes{0xFF, 0xC2, 0xE0}));
}

TEST(YmodemFrame, CheckFrameFindsEveryDamagedByte) {
    const auto frame = BuildFrame(7, Bytes{'d', 'a', 't', 'a'}, kSmallPayload);
    const std::span<const std::uint8_t> body(frame.data() + 1, frame.size() - 1);
    EXPECT_TRUE(CheckFrame(body));
    for (std::size_t i = 1; i < frame.size(); ++i) {
        auto damaged = frame;
        damaged[i] ^= 0x10;
        EXPECT_FALSE(CheckFrame(std::span<const std::uint8_t>(damaged).subspan(1)))
            << "byte " << i << " damaged";
    }
    EXPECT_FALSE(CheckFrame(body.first(3)));
}

// Block 0 as sb writes it, and the all-zero one that ends the batch.
TEST(YmodemFrame, HeaderAsSbWritesIt) {
    const auto payload = BuildHeaderPayload(
        {.name = "demo.bin", .size = 311382, .modified = 1700000000, .mode = 0100644});
    EXPECT_EQ(payload, Payload("demo.bin|311382 14524770400 100644"));
    const auto frame = BuildFrame(0, payload, payload.size(), 0);
    EXPECT_EQ(Slice(frame, 0, 3), (Bytes{0x01, 0x00, 0xFF}));
    EXPECT_EQ(Slice(frame, 131, 2), (Bytes{0x40, 0x0D}));
    const auto end = BuildHeaderPayload({});
    EXPECT_EQ(end, Bytes(128, 0));
    EXPECT_EQ(Slice(BuildFrame(0, end, end.size(), 0), 131, 2), (Bytes{0, 0}));
    const auto parsed = ParseHeaderPayload(end);
    ASSERT_TRUE(parsed);
    EXPECT_TRUE(parsed->name.empty());
}

// The header text (name, NUL, "5 0 0") must be followed by a NUL inside the
// block: a text of exactly 128 bytes needs the long block too.
TEST(YmodemFrame, LongNamesTakeALongBlock) {
    for (const auto& [nameLength, payloadSize] : {std::pair{121, 128u}, std::pair{122, 1024u},
                                                  std::pair{123, 1024u}, std::pair{125, 1024u}}) {
        const FileHeader header{.name = std::string(static_cast<std::size_t>(nameLength), 'n'),
                                .size = 5};
        const auto payload = BuildHeaderPayload(header);
        const std::size_t text = header.name.size() + 1 + 5;
        ASSERT_EQ(payload.size(), payloadSize) << "a text of " << text << " bytes";
        EXPECT_EQ(payload[text], 0) << "the text ends inside the block";
        const auto parsed = ParseHeaderPayload(payload);
        ASSERT_TRUE(parsed);
        EXPECT_EQ(std::tuple(parsed->name, parsed->size), std::tuple(header.name, header.size));
    }
}

TEST(YmodemFrame, ParsesWhatSendersWrite) {
    struct Case {
        const char* text;
        std::optional<FileHeader> header;
    };
    const Case cases[] = {
        // sb: size, mtime, mode, serial, files left, bytes left
        {"image.bin|311382 14524770400 100644 0 1 311382",
         FileHeader{"image.bin", 311382, 1700000000, 0100644}},
        {"a|12", FileHeader{"a", 12}},
        {"a|", FileHeader{"a", std::nullopt}},
        {"a|0", FileHeader{"a", 0}},
        {"a|x12", std::nullopt},
        {"a|99999999999999999999999", std::nullopt},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseHeaderPayload(Payload(c.text));
        ASSERT_EQ(parsed.has_value(), c.header.has_value()) << c.text;
        if (parsed) {
            EXPECT_EQ(
                std::tuple(parsed->name, parsed->size, parsed->modified, parsed->mode),
                std::tuple(c.header->name, c.header->size, c.header->modified, c.header->mode))
                << c.text;
        }
    }
    // A name that fills the whole block has no terminator.
    EXPECT_FALSE(ParseHeaderPayload(Bytes(128, 'x')));
}

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
    EXPECT_EQ(sink.data, data);
    EXPECT_EQ(std::tuple(sink.header.name, sink.header.size, sink.header.modified, r.bytes, r.total,
                         r.fileName, s.bytes),
              std::tuple("file.bin", data.size(), 1700000000u, data.size(), data.size(), "file.bin",
                         data.size()));
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
    EXPECT_EQ(run.Read(1), Bytes{'C'});
    run.Exchange(HeaderBlock("x.bin", 1100), Bytes{kACK, 'C'});
    const Bytes data = SampleBytes(1100);
    run.Exchange(Long(1, std::span(data).first(1024)), Bytes{kACK});
    run.Exchange(Short(2, std::span(data).subspan(1024)), Bytes{kACK});
    Put(*run.peer, {kEOT});
    EXPECT_EQ(run.Read(1), Bytes{kNAK}) << "the first EOT is answered with NAK";
    run.Exchange({kEOT}, Bytes{kACK, 'C'});
    run.Exchange(NullHeader(), Bytes{kACK});
    const LinkResult r = run.Result();
    ASSERT_TRUE(r.Ok()) << r.message;
    EXPECT_EQ(run.sink.data, data) << "the padding of the last block is not kept";
}

// A sender started after several of our requests answers each waiting 'C'
// with another block 0 (sb does). Only one of them may be answered.
TEST(YmodemReceiver, CopiesOfTheHeaderFromWaitingRequestsAreNotAnswered) {
    CReceiverRun run;
    run.Read(1);
    std::this_thread::sleep_for(milliseconds{700}); // two more 'C's pile up
    for (int i = 0; i < 3; ++i)
        Put(*run.peer, HeaderBlock("x.bin", 100));
    // Whatever 'C's arrived before the header, then exactly one ACK and one 'C'.
    std::this_thread::sleep_for(milliseconds{300});
    Bytes answers = ReadN(*run.peer, 64, milliseconds{100});
    while (!answers.empty() && answers.front() == 'C')
        answers.erase(answers.begin());
    EXPECT_EQ(answers, (Bytes{kACK, 'C'}));
    const Bytes data = SampleBytes(100);
    run.Exchange(Short(1, data), Bytes{kACK});
    run.Exchange({kEOT}, Bytes{kNAK});
    run.Exchange({kEOT}, Bytes{kACK, 'C'});
    Put(*run.peer, NullHeader());
    const LinkResult r = run.Result();
    ASSERT_TRUE(r.Ok()) << r.message;
    EXPECT_EQ(run.sink.data, data);
    EXPECT_EQ(run.sink.begun, 1);
}

// Block 0 that our receiver must refuse; the largest size itself is taken.
TEST(YmodemReceiver, RefusesWhatItCannotCheck) {
    struct Case {
        Bytes header;
        std::uint64_t maxFileSize;
        LinkStatus status;
        const char* message;
    };
    const Case cases[] = {
        {HeaderBlock("nosize.bin", std::nullopt), 0, LinkStatus::Refused,
         "The sender did not announce the size of nosize.bin; the transfer cannot be checked"},
        {HeaderBlock("huge.bin", 65ull << 20), 0, LinkStatus::Refused,
         "huge.bin is too large (68157440 bytes; at most 16777216)"},
        {HeaderBlock("a.bin", 101), 100, LinkStatus::Refused,
         "a.bin is too large (101 bytes; at most 100)"},
        {HeaderBlock("a.bin", 100), 100, LinkStatus::PeerCancelled,
         "The sender cancelled the transfer"},
        {NullHeader(), 0, LinkStatus::ProtocolError, "The sender had no file to send"},
        {Short(1, SampleBytes(128)), 0, LinkStatus::ProtocolError,
         "The sender sent data without a file header (a YMODEM batch was expected)"},
    };
    for (const Case& c : cases) {
        ymodem::Options options = FastOptions();
        if (c.maxFileSize)
            options.maxFileSize = c.maxFileSize;
        CReceiverRun run(options);
        run.Read(1);
        Put(*run.peer, c.header);
        if (c.status == LinkStatus::PeerCancelled) {
            EXPECT_EQ(run.Read(2), (Bytes{kACK, 'C'})) << "taken";
            Put(*run.peer, {kCAN, kCAN});
        }
        const LinkResult r = run.Result();
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.message, c.message);
        EXPECT_TRUE(run.sink.data.empty());
    }
}

// What the sender does after block 0 of a 5000-byte file, what it was
// answered, and how our receiver ends: whether it sent the cancel sequence
// last, and what it kept.
TEST(YmodemReceiver, BrokenBatchesEndWithAReason) {
    auto damaged = Long(1, SampleBytes(1024));
    damaged[500] ^= 1;
    struct Case {
        Blocks blocks; // each waits for its one-byte answer
        Bytes answers, last;
        LinkStatus status;
        const char* message;
        bool cancels;
        std::size_t kept;
    };
    const Case cases[] = {
        {Blocks{Long(1, SampleBytes(1024)), Long(2, SampleBytes(1024)), Bytes{kEOT}},
         Bytes{kACK, kACK, kNAK}, Bytes{kEOT}, LinkStatus::ShortTransfer,
         "The transfer ended after 2048 of 5000 bytes", true, 2048},
        {Blocks(), Bytes(), Long(3, SampleBytes(1024)), LinkStatus::ProtocolError,
         "Block sequence lost: expected block 1, got block 3", true, 0},
        {Blocks(), Bytes(), Bytes{kCAN, kCAN}, LinkStatus::PeerCancelled,
         "The sender cancelled the transfer", false, 0},
        // Ten damaged copies of one block: nine NAKs, then the end.
        {Blocks(9, damaged), Bytes(9, kNAK), damaged, LinkStatus::TooManyErrors,
         "Block 1 arrived damaged 10 times; transfer abandoned", true, 0},
    };
    for (const Case& c : cases) {
        CReceiverRun run;
        run.Announce("x.bin", 5000);
        Bytes answers;
        for (const Bytes& block : c.blocks) {
            Put(*run.peer, block);
            const Bytes answer = run.Read(1);
            answers.insert(answers.end(), answer.begin(), answer.end());
        }
        EXPECT_EQ(answers, c.answers) << c.message;
        Put(*run.peer, c.last);
        const LinkResult r = run.Result();
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.message, c.message);
        EXPECT_EQ(EndsWith(run.ours->Written(), kCancelSequence), c.cancels) << c.message;
        EXPECT_EQ(run.sink.data.size(), c.kept) << c.message;
    }
}

TEST(YmodemReceiver, SenderThatFallsSilentMidwayTimesOut) {
    ymodem::Options options = FastOptions();
    options.replyTimeout = milliseconds{300};
    CReceiverRun run(options);
    run.Announce("x.bin", 3000);
    Put(*run.peer, Long(1, SampleBytes(1024)));
    run.Read(1);
    const LinkResult r = run.Result(); // ten waits of 0.3 s
    EXPECT_EQ(r.status, LinkStatus::TimedOut);
    EXPECT_EQ(r.message,
              "The sender stopped sending: no block for 0.3 s, 10 times, after 1024 of 3000 bytes");
    // Each wait ended with a NAK, then the transfer was cancelled.
    const Bytes written = run.ours->Written();
    EXPECT_EQ(std::count(written.begin(), written.end(), kNAK), 9);
    EXPECT_TRUE(EndsWith(written, kCancelSequence));
}

TEST(YmodemReceiver, CancelReturnsAtOnceAndTellsTheSender) {
    CStopSwitch progress;
    CReceiverRun run(SlowReplies(), &progress);
    run.Announce("x.bin", 3000);
    std::this_thread::sleep_for(milliseconds{100});
    PressCancel(run, progress);
}

TEST(YmodemSender, SpeaksEachStepOfTheBatch) {
    CSenderRun run(1024 + 100, FastOptions(), nullptr, {}, "dir/my image.bin");
    Put(*run.peer, {'C'});
    // No directory, no blanks in the name.
    const FileHeader h{
        .name = "my_image.bin", .size = 1124, .modified = 1700000000, .mode = 0100644};
    EXPECT_EQ(run.Read(133), BuildFrame(0, BuildHeaderPayload(h), 128, 0));
    run.Exchange({kACK, 'C'}, run.LongBlock(1));
    Put(*run.peer, {kACK});
    // The last 100 bytes go in a short block, padded with 0x1A.
    EXPECT_EQ(run.Read(133), Short(2, std::span(run.data).subspan(1024)));
    run.Exchange({kACK}, Bytes{kEOT});
    run.Exchange({kNAK}, Bytes{kEOT});
    run.Exchange({kACK, 'C'}, NullHeader());
    Put(*run.peer, {kACK});
    const LinkResult s = run.Result();
    ASSERT_TRUE(s.Ok()) << s.message;
    EXPECT_EQ(s.fileName, "my_image.bin");
}

// A last piece of exactly 128 bytes still fits a short block.
TEST(YmodemSender, NakResendsTheSameBlock) {
    CSenderRun run(1024 + 128);
    run.Start();
    const Bytes first = run.Read(1029);
    EXPECT_EQ(first, run.LongBlock(1));
    run.Exchange({kNAK}, first);
    Put(*run.peer, {'C'}); // 'C' counts as NAK too
    EXPECT_EQ(run.Read(1029), first);
    run.Exchange({kACK}, Short(2, std::span(run.data).subspan(1024)));
    Put(*run.peer, {kCAN, kCAN});
    const LinkResult s = run.Result();
    EXPECT_EQ(s.status, LinkStatus::PeerCancelled);
    EXPECT_EQ(s.message, "The receiver cancelled the transfer");
    EXPECT_EQ(s.bytes, 1024u);
}

TEST(YmodemSender, TenRefusalsOfOneBlockAbort) {
    CSenderRun run(3000);
    run.Start();
    run.Read(1029);
    Put(*run.peer, {kACK});
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(run.Read(1029), run.LongBlock(2)) << "copy " << i + 1;
        Put(*run.peer, {kNAK});
    }
    const LinkResult s = run.Result();
    EXPECT_EQ(s.status, LinkStatus::TooManyErrors);
    EXPECT_EQ(s.message, "The receiver refused block 2 10 times; transfer abandoned");
    EXPECT_EQ(run.Read(16), kCancelSequence) << "no eleventh copy, only the cancel";
}

// The receiver has been asking for a while, with a lone CAN (line noise:
// only two in a row cancel) among its requests.
TEST(YmodemSender, WaitingRequestsAreNotTakenForNaks) {
    CSenderRun run(100, FastOptions(), nullptr, {kCAN, 'C', 'C', 'C'});
    const Bytes header = run.Read(133);
    ASSERT_EQ(header.size(), 133u) << "block 0 goes out";
    EXPECT_EQ(header[0], kSOH);
    EXPECT_TRUE(run.Read(1, milliseconds{200}).empty()) << "block 0 went out once";
    run.Exchange({kACK, 'C'}, Short(1, run.data));
    run.Exchange({kACK}, Bytes{kEOT});
    Put(*run.peer, {kACK, 'C'});
    run.Read(133);
    Put(*run.peer, {kACK});
    EXPECT_TRUE(run.Result().Ok());
}

// A duplicated ACK (a noisy line, a receiver that answered twice) is still
// waiting when the next block goes out; it must not count as that block's
// answer, or the block would be taken as delivered unseen.
TEST(YmodemSender, AStaleAnswerDoesNotAcknowledgeTheNextBlock) {
    CSenderRun run(2000);
    run.Start();
    run.Read(1029);
    run.Exchange({kACK, kACK}, Long(2, std::span(run.data).subspan(1024)));
    EXPECT_TRUE(run.Read(1, milliseconds{300}).empty()) << "block 2 waits for its own answer";
    run.Exchange({kACK}, Bytes{kEOT});
    Put(*run.peer, {kCAN, kCAN});
    EXPECT_EQ(run.Result().status, LinkStatus::PeerCancelled);
}

// The allowance counts the file in short blocks, a partly filled one too.
TEST(YmodemSender, TheTransferAllowanceCountsTheLastPartBlock) {
    const ymodem::Options o = FastOptions();
    EXPECT_EQ(TransferAllowance(129, o), TransferAllowance(256, o));
    EXPECT_LT(TransferAllowance(128, o), TransferAllowance(129, o));
}

// (A cancel at a step between blocks: LinkFaults, "sender cancels".)
TEST(YmodemSender, CancelWhileWaitingForAnAnswer) {
    CStopSwitch progress;
    CSenderRun run(5000, SlowReplies(), &progress);
    run.Start();
    run.Read(1029); // block 1, never answered
    PressCancel(run, progress);
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

// Short waits and four tries, on a line taken to be fast: each case ends in
// a second or two.
ymodem::Options HostileOptions() {
    ymodem::Options options = FastOptions();
    options.startTimeout = milliseconds{1000};
    options.replyTimeout = milliseconds{300};
    options.maxRetries = 4;
    options.bytesPerSecond = 1000000;
    return options;
}

HostileOutcome ReceiveFrom(const std::function<void(CPipeEnd&)>& peerScript,
                           const ymodem::Options& options = HostileOptions()) {
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

Bytes DataBlock(std::uint8_t number) {
    return Short(number, SampleBytes(kSmallPayload, 3));
}

// A peer that answers every request with block 0 and nothing else.
std::function<void(CPipeEnd&)> HeaderOnEveryRequest(const std::string& name, std::uint64_t size) {
    return [=](CPipeEnd& peer) {
        Respond(peer, [&](std::uint8_t b) { return b == 'C' ? HeaderBlock(name, size) : Bytes{}; });
    };
}

// A peer that sends block 0 and then bytes that start no block, without pause.
void Noise(CPipeEnd& peer, bool announced) {
    if (announced) {
        ReadN(peer, 1);
        Put(peer, HeaderBlock("x.bin", 100000));
        ReadN(peer, 2);
    }
    const Bytes noise(64, 'x');
    std::uint8_t byte = 0;
    while (peer.Write(noise)) {
        const std::ptrdiff_t got = peer.Read({&byte, 1}, milliseconds{1});
        if (got < 0 || (got == 1 && byte == kCAN))
            return;
    }
}

} // namespace

TEST(YmodemHostileSender, EveryWayOfStallingEndsWithAReason) {
    const std::string escapes = "\x1b]0;owned\x07\x1b[31mred\r\n";
    const std::string shown = "\\x1b]0;owned\\x07\\x1b[31mred\\x0d\\x0a";
    std::uint8_t next = 1;
    struct Case {
        std::function<void(CPipeEnd&)> script;
        LinkStatus status;
        std::string message;
        int atLeastMs, withinMs;
    };
    const Case cases[] = {
        {HeaderOnEveryRequest("x.bin", 1000), LinkStatus::TooManyErrors,
         "Block 1 never came: block 0 came again 4 times; transfer abandoned", 0, 3000},
        {[](CPipeEnd& peer) {
             Respond(peer, AfterHeader(HeaderBlock("x.bin", 100000), [] { return DataBlock(1); }));
         },
         LinkStatus::TooManyErrors,
         "Block 2 never came: block 1 came again 4 times; transfer abandoned", 0, 3000},
        // 200 bytes announced: blocks 1 and 2 complete the file, then the
        // sender goes on with empty blocks and never sends EOT.
        {[&](CPipeEnd& peer) {
             Respond(peer, AfterHeader(HeaderBlock("x.bin", 200), [&] {
                         const std::uint8_t n = next++;
                         return n <= 2 ? DataBlock(n) : Short(n, {});
                     }));
         },
         LinkStatus::ProtocolError,
         "The sender went on sending blocks after the announced 200 bytes; transfer abandoned", 0,
         3000},
        {HeaderOnEveryRequest("big.bin", std::uint64_t{4} << 30), LinkStatus::Refused,
         "big.bin is too large (4294967296 bytes; at most 16777216)", 0, 1000},
        {HeaderOnEveryRequest(escapes, 0), LinkStatus::FileError,
         "The sender's file " + shown + " is empty", 0, 3000},
        {HeaderOnEveryRequest(escapes, std::uint64_t{1} << 30), LinkStatus::Refused,
         shown + " is too large (1073741824 bytes; at most 16777216)", 0, 3000},
        {[](CPipeEnd& peer) { Noise(peer, true); }, LinkStatus::TimedOut,
         "The sender stopped sending: no block for 0.3 s, 4 times, after 0 of 100000 bytes", 1200,
         3000},
        {[](CPipeEnd& peer) { Noise(peer, false); }, LinkStatus::TimedOut,
         "Nothing arrived within 1 s: is the other side sending?", 0, 3000},
        // Silence: it kept asking, a 'C' every 300 ms, and finally cancelled.
        {[](CPipeEnd& peer) {
             Bytes asked = ReadN(peer, 64, milliseconds{3000});
             ASSERT_TRUE(EndsWith(asked, kCancelSequence));
             asked.resize(asked.size() - kCancelSequence.size());
             EXPECT_GE(asked.size(), 2u);
             EXPECT_EQ(asked, Bytes(asked.size(), 'C'));
         },
         LinkStatus::TimedOut, "Nothing arrived within 1 s: is the other side sending?", 1000,
         3000},
        // One byte each 200 ms, within the 300 ms gap between bytes, but a
        // block of 133 bytes on this line may take only 300 ms + 2 x its 0.13
        // ms. Each NAK starts the block again. Four attempts of about 0.5 s
        // (the block's 0.3 s, then the wait for the next 200 ms byte to see
        // the line quiet).
        {[](CPipeEnd& peer) {
             TrickleBlock(peer, HeaderBlock("x.bin", 100000), DataBlock(1), milliseconds{200});
         },
         LinkStatus::TooManyErrors, "Block 1 arrived damaged 4 times; transfer abandoned", 0, 4000},
    };
    for (const Case& c : cases) {
        const HostileOutcome o = ReceiveFrom(c.script);
        EXPECT_EQ(o.result.status, c.status) << c.message;
        EXPECT_EQ(o.result.message, c.message);
        EXPECT_GE(o.took, milliseconds{c.atLeastMs}) << c.message;
        EXPECT_LT(o.took, milliseconds{c.withinMs}) << c.message;
        EXPECT_EQ(o.destination, kKeep) << c.message;
        EXPECT_EQ(o.files, std::vector<std::string>{"out.bin"}) << c.message;
        EXPECT_TRUE(std::none_of(o.result.message.begin(), o.result.message.end(),
                                 [](char ch) { return static_cast<unsigned char>(ch) < 0x20; }));
    }
    EXPECT_EQ(next, 7) << "two blocks of data, four past the end";
}

TEST(YmodemHostileSender, SlowButSteadyBlocksMeetTheFileDeadline) {
    // Each block comes 100 ms after its ACK, within the reply wait, but 2048
    // bytes have 5 ms of line time, 16 x 10 ms of turnaround and 4 x 0.3 s.
    std::uint8_t next = 1;
    ymodem::Options options = HostileOptions();
    options.replyTimeout = milliseconds{200};
    const HostileOutcome o = ReceiveFrom(
        [&](CPipeEnd& peer) {
            Respond(peer, AfterHeader(
                              HeaderBlock("x.bin", 2048),
                              [&] {
                                  std::this_thread::sleep_for(milliseconds{100});
                                  return DataBlock(next++);
                              },
                              [&] { return DataBlock(static_cast<std::uint8_t>(next - 1)); }));
        },
        options);
    EXPECT_EQ(o.result.status, LinkStatus::TimedOut);
    EXPECT_EQ(TransferAllowance(2048, HostileOptions()), milliseconds{5 + 160 + 1200});
    EXPECT_EQ(o.result.message.rfind(
                  "The transfer did not end within the 0.965 s allowed for 2048 bytes: ", 0),
              0u)
        << o.result.message;
    EXPECT_LT(o.result.bytes, 2048u);
    EXPECT_LT(o.took, milliseconds{2500});
    EXPECT_EQ(o.destination, kKeep);
    EXPECT_EQ(o.files, std::vector<std::string>{"out.bin"});
}

TEST(YmodemHostileSender, TheNameIsNeverAPath) {
    CTempDir outside;
    const std::string name = outside / "planted.bin";
    const Bytes data = SampleBytes(100);
    // Block 1, EOT, EOT again after the NAK, the empty header on the request.
    int step = 0;
    const HostileOutcome o = ReceiveFrom([&](CPipeEnd& peer) {
        Respond(peer, AfterHeader(
                          HeaderBlock(name, data.size()),
                          [&] {
                              ++step;
                              return step == 1 ? Short(1, data) : step == 2 ? Bytes{kEOT} : Bytes{};
                          },
                          [] { return Bytes{kEOT}; }));
    });
    EXPECT_TRUE(o.result.Ok()) << o.result.message;
    EXPECT_EQ(o.result.fileName, name);
    EXPECT_TRUE(EndsWith(o.destination, data)) << "the image, in the working form";
    EXPECT_TRUE(outside.List().empty());
    EXPECT_EQ(o.files, std::vector<std::string>{"out.bin"});
}

// A receiver that never asks, falls silent after block 0 or block 1, sends
// noise instead of answers, or refuses every block three times: our sender
// ends with the reason, within a bound.
TEST(YmodemHostileReceiver, EveryWayOfStallingEndsWithAReason) {
    ymodem::Options neverAsked = FastOptions(), noReply = FastOptions();
    neverAsked.startTimeout = milliseconds{800};
    noReply.replyTimeout = milliseconds{300};
    struct Case {
        ymodem::Options options;
        std::size_t size;
        std::function<void(CSenderRun&)> script;
        std::string message; // ending in ": ", how it starts
        int withinMs;
    };
    const Case cases[] = {
        {neverAsked, 10, [](CSenderRun&) {}, "The receiver did not ask for the file within 0.8 s",
         5000},
        {noReply, 3000,
         [](CSenderRun& run) {
             run.Start();
             EXPECT_EQ(run.Read(10 * 1029 + 16, milliseconds{8000}).size(), 10 * 1029 + 16u)
                 << "ten copies of block 1, then the cancel";
         },
         "The receiver stopped answering: no reply to block 1 within 0.3 s, 10 times", 10000},
        {HostileOptions(), 3000,
         [](CSenderRun& run) {
             Put(*run.peer, {'C'});
             run.Read(133);
             Put(*run.peer, {kACK});
         },
         "The receiver did not ask for the data within 1.2 s", 3000},
        {HostileOptions(), 3000,
         [](CSenderRun& run) {
             run.Start();
             run.Read(1029);
             while (run.result.wait_for(milliseconds{1}) != std::future_status::ready)
                 Put(*run.peer, Bytes(64, 'x'));
         },
         "The receiver stopped answering: no reply to block 1 within 0.3 s, 4 times", 3000},
        // Each copy refused after 150 ms, the fourth acknowledged: 16 copies
        // of 1024 bytes take 2.4 s; the file has 9 + 320 + 1200 ms.
        {HostileOptions(), 4096,
         [](CSenderRun& run) {
             run.Start();
             for (int copy = 0; run.Read(1029, milliseconds{1000}).size() == 1029; ++copy) {
                 std::this_thread::sleep_for(milliseconds{150});
                 Put(*run.peer, {copy % 4 == 3 ? kACK : kNAK});
             }
         },
         "The transfer did not end within the 1.529 s allowed for 4096 bytes: ", 3000},
    };
    for (const Case& c : cases) {
        CSenderRun run(c.size, c.options);
        const auto start = std::chrono::steady_clock::now();
        c.script(run);
        const LinkResult s = run.Result();
        EXPECT_EQ(s.status, LinkStatus::TimedOut) << c.message;
        EXPECT_EQ(c.message.ends_with(": ") ? s.message.substr(0, c.message.size()) : s.message,
                  c.message);
        EXPECT_LT(std::chrono::steady_clock::now() - start, milliseconds{c.withinMs}) << c.message;
    }
}

TEST(PeerText, ControlsAndNonTextAreEscaped) {
    using namespace std::string_literals; // "\x9b"s + "31m": a hex escape ends at the literal
    const std::pair<std::string, std::string> cases[] = {
        {"image.bin", "image.bin"},
        {"\x1b]0;t\x07", "\\x1b]0;t\\x07"},
        {"a\\x1b", "a\\\\x1b"},                        // an escape the peer wrote stays visible
        {"Kan\xc3\xa4le.bin", "Kan\xc3\xa4le.bin"},    // UTF-8 text is kept
        {"\xc2\x9b"s + "31m", "\\xc2\\x9b31m"},        // C1 control CSI
        {"\x9b"s + "31m", "\\x9b31m"},                 // a lone 8-bit CSI
        {"a\xe2\x81\xa6"s + "b", "a\\xe2\\x81\\xa6b"}, // an isolate (U+2066) reorders text too
        {"a\xe2\x80\xae"s + "nib.exe", "a\\xe2\\x80\\xaenib.exe"}, // RLO
        {"\x7f\xc0\xaf", "\\x7f\\xc0\\xaf"},                       // DEL, overlong '/'
        {std::string(100, 'a'), std::string(80, 'a') + "..."},
    };
    for (const auto& [text, shown] : cases)
        EXPECT_EQ(PeerText(text), shown);
}
