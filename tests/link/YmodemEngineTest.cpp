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
#include <string>

using namespace ymodem;
using namespace velmar::test;
using std::chrono::milliseconds;

namespace {

using Bytes = std::vector<std::uint8_t>;
using Blocks = std::vector<Bytes>;

// A block 0 payload: `text` with '|' standing for NUL, padded with NULs.
Bytes Payload(std::string_view text) {
    Bytes payload(text.begin(), text.end());
    std::replace(payload.begin(), payload.end(), std::uint8_t{'|'}, std::uint8_t{0});
    payload.resize(kSmallPayload, 0);
    return payload;
}

// A parsed header as "name size modified mode" ("-": no size), or "none".
std::string Fields(const std::optional<FileHeader>& h) {
    if (!h)
        return "none";
    return h->name + " " + (h->size ? std::to_string(*h->size) : "-") + " " +
           std::to_string(h->modified) + " " + std::to_string(h->mode);
}

void Put(ITransport& line, Bytes bytes) {
    line.Write(bytes);
}

const auto Short = [](std::uint8_t n, std::span<const std::uint8_t> d) {
    return BuildFrame(n, d, kSmallPayload);
};
const auto Long = [](std::uint8_t n, std::span<const std::uint8_t> d) {
    return BuildFrame(n, d, kLargePayload);
};
const Bytes kNullHeader = BuildFrame(0, BuildHeaderPayload({}), kSmallPayload, 0);
const Bytes kCancelSequence = {0x18, 0x18, 0x18, 0x18, 0x18, 0x18, 0x18, 0x18,
                               8,    8,    8,    8,    8,    8,    8,    8};

bool EndsWith(const Bytes& bytes, const Bytes& tail) {
    return bytes.size() >= tail.size() && std::equal(tail.rbegin(), tail.rend(), bytes.rbegin());
}

// A Cancel button: pressed from the test's thread while the transfer waits.
struct CStopSwitch final : IProgress {
    std::atomic<bool> stop{false};
    bool Step(std::uint64_t, std::uint64_t) override { return !stop; }
};

// One of our sides on one end of a pipe; the test is the peer on the other.
struct CRun {
    std::unique_ptr<CPipeEnd> peer, ours;
    CMemorySink sink; // what our receiver keeps
    Bytes data;       // what our sender sends
    std::future<LinkResult> result;

    void Launch(std::function<LinkResult(ITransport&)> side, const Bytes& waiting = {}) {
        std::tie(peer, ours) = MakePipe();
        Put(*peer, waiting);
        result = std::async(std::launch::async, [this, side] { return side(*ours); });
    }
    virtual ~CRun() {
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
        Launch([=, this](ITransport& line) { return Send(line, name, data, options, progress, 1); },
               waiting);
    }
    // 'C', block 0, then ACK and 'C' for the data.
    void Start() {
        Put(*peer, {'C'});
        Read(133);
        Put(*peer, {kACK, 'C'});
    }
    // Block `n` of the data as the sender must send it.
    Bytes Block(std::uint8_t n, std::size_t size = kLargePayload) const {
        const auto at = (n - 1) * kLargePayload;
        return BuildFrame(n, std::span(data).subspan(at, std::min(size, data.size() - at)), size);
    }
};

} // namespace

TEST(YmodemFrame, ShortAndLongBlockLayouts) {
    const auto frame = BuildFrame(1, Bytes{'A'}, kSmallPayload);
    // SOH, number, complement, "A" padded with 0x1A; the CRC of "A" and 127 x
    // 0x1A is 0xF2DD, most significant byte first.
    EXPECT_EQ(frame, Concat({{0x01, 0x01, 0xFE, 'A'}, Bytes(127, 0x1A), {0xF2, 0xDD}}));
    // Block 259 wraps to 3.
    Bytes data(1024);
    std::iota(data.begin(), data.end(), std::uint8_t{0});
    EXPECT_EQ(BuildFrame(static_cast<std::uint8_t>(256 + 3), data, kLargePayload),
              Concat({{0x02, 0x03, 0xFC}, data, {0xC2, 0xE0}}));
}

TEST(YmodemFrame, CheckFrameFindsEveryDamagedByte) {
    const auto frame = BuildFrame(7, Bytes{'d', 'a', 't', 'a'}, kSmallPayload);
    const std::span<const std::uint8_t> body(frame.data() + 1, frame.size() - 1);
    EXPECT_TRUE(CheckFrame(body));
    for (std::size_t i = 1; i < frame.size(); ++i) {
        auto damaged = frame;
        damaged[i] ^= 0x10;
        EXPECT_FALSE(CheckFrame(std::span(damaged).subspan(1))) << "byte " << i << " damaged";
    }
    EXPECT_FALSE(CheckFrame(body.first(3)));
}

// Block 0 as sb writes it, and the all-zero one that ends the batch.
TEST(YmodemFrame, HeaderAsSbWritesIt) {
    const auto payload = BuildHeaderPayload(
        {.name = "demo.bin", .size = 311382, .modified = 1700000000, .mode = 0100644});
    EXPECT_EQ(payload, Payload("demo.bin|311382 14524770400 100644"));
    EXPECT_EQ(BuildFrame(0, payload, payload.size(), 0),
              Concat({{0x01, 0x00, 0xFF}, payload, {0x40, 0x0D}}));
    EXPECT_EQ(kNullHeader, Concat({{0x01, 0x00, 0xFF}, Bytes(130, 0)}));
    EXPECT_EQ(Fields(ParseHeaderPayload(Bytes(128, 0))), " - 0 0");
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
        EXPECT_EQ(Fields(ParseHeaderPayload(payload)), Fields(header));
    }
}

TEST(YmodemFrame, ParsesWhatSendersWrite) {
    const std::pair<std::string, std::string> cases[] = {
        // sb: size, mtime, mode, serial, files left, bytes left
        {"image.bin|311382 14524770400 100644 0 1 311382", "image.bin 311382 1700000000 33188"},
        {"a|12", "a 12 0 0"},
        {"a|", "a - 0 0"},
        {"a|0", "a 0 0 0"},
        {"a|x12", "none"},
        {"a|99999999999999999999999", "none"},
        {std::string(128, 'x'), "none"}, // a name that fills the block has no terminator
    };
    for (const auto& [text, fields] : cases)
        EXPECT_EQ(Fields(ParseHeaderPayload(Payload(text))), fields) << text;
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
    EXPECT_EQ(std::tuple(Fields(sink.header), r.bytes, r.total, r.fileName, s.bytes),
              std::tuple("file.bin " + std::to_string(data.size()) + " 1700000000 33188",
                         data.size(), data.size(), "file.bin", data.size()));
    // Progress only grows and ends at the total on both sides.
    for (const auto* p : {&sent, &received}) {
        const auto steps = p->Steps();
        ASSERT_FALSE(steps.empty());
        EXPECT_TRUE(
            std::ranges::is_sorted(steps, {}, &std::pair<std::uint64_t, std::uint64_t>::first));
        EXPECT_EQ(steps.back(), std::pair(std::uint64_t{data.size()}, std::uint64_t{data.size()}));
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, YmodemBothSides,
                         ::testing::Values(1, 127, 128, 129, 1023, 1024, 1025, 3 * 1024 + 128,
                                           3 * 1024 + 129, 256 * 1024 + 5, 311382));

// A sender started after several of our requests answers each waiting 'C'
// with another block 0 (sb does). Only one of them may be answered; then
// each step of the batch.
TEST(YmodemReceiver, AnswersEachStepOfTheBatch) {
    CReceiverRun run;
    EXPECT_EQ(run.Read(1), Bytes{'C'});
    std::this_thread::sleep_for(milliseconds{700}); // two more 'C's pile up
    for (int i = 0; i < 3; ++i)
        Put(*run.peer, HeaderBlock("x.bin", 1100));
    // Whatever 'C's arrived before the header, then exactly one ACK and one 'C'.
    std::this_thread::sleep_for(milliseconds{300});
    Bytes answers = run.Read(64, milliseconds{100});
    answers.erase(answers.begin(), std::ranges::find_if(answers, [](auto b) { return b != 'C'; }));
    EXPECT_EQ(answers, (Bytes{kACK, 'C'}));
    const Bytes data = SampleBytes(1100);
    run.Exchange(Long(1, std::span(data).first(1024)), Bytes{kACK});
    run.Exchange(Short(2, std::span(data).subspan(1024)), Bytes{kACK});
    run.Exchange({kEOT}, Bytes{kNAK}); // the first EOT may be line noise
    run.Exchange({kEOT}, Bytes{kACK, 'C'});
    run.Exchange(kNullHeader, Bytes{kACK});
    const LinkResult r = run.Result();
    ASSERT_TRUE(r.Ok()) << r.message;
    EXPECT_EQ(run.sink.data, data) << "the padding of the last block is not kept";
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
        {kNullHeader, 0, LinkStatus::ProtocolError, "The sender had no file to send"},
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
        EXPECT_EQ(std::tuple(r.status, r.message, run.sink.data.size()),
                  std::tuple(c.status, c.message, 0u));
    }
}

// What the sender does after block 0 of a 5000-byte file, what it was
// answered, and how our receiver ends: its NAKs in all, whether it sent the
// cancel sequence last, and what it kept.
TEST(YmodemReceiver, BrokenBatchesEndWithAReason) {
    auto damaged = Long(1, SampleBytes(1024));
    damaged[500] ^= 1;
    struct Case {
        Blocks blocks; // each waits for its one-byte answer
        Bytes answers, last;
        LinkStatus status;
        const char* message;
        long naks;
        bool cancels;
        std::size_t kept;
        milliseconds reply{1000};
    };
    const Case cases[] = {
        {Blocks{Long(1, SampleBytes(1024)), Long(2, SampleBytes(1024)), Bytes{kEOT}},
         Bytes{kACK, kACK, kNAK}, Bytes{kEOT}, LinkStatus::ShortTransfer,
         "The transfer ended after 2048 of 5000 bytes", 1, true, 2048},
        {Blocks(), Bytes(), Long(3, SampleBytes(1024)), LinkStatus::ProtocolError,
         "Block sequence lost: expected block 1, got block 3", 0, true, 0},
        {Blocks(), Bytes(), Bytes{kCAN, kCAN}, LinkStatus::PeerCancelled,
         "The sender cancelled the transfer", 0, false, 0},
        // Ten damaged copies of one block: nine NAKs, then the end.
        {Blocks(9, damaged), Bytes(9, kNAK), damaged, LinkStatus::TooManyErrors,
         "Block 1 arrived damaged 10 times; transfer abandoned", 9, true, 0},
        // Silence after block 1: ten waits, each but the last ending in a NAK.
        {Blocks{Long(1, SampleBytes(1024))}, Bytes{kACK}, Bytes(), LinkStatus::TimedOut,
         "The sender stopped sending: no block for 0.3 s, 10 times, after 1024 of 5000 bytes", 9,
         true, 1024, milliseconds{300}},
    };
    for (const Case& c : cases) {
        ymodem::Options options = FastOptions();
        options.replyTimeout = c.reply;
        CReceiverRun run(options);
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
        const Bytes written = run.ours->Written();
        EXPECT_EQ(std::tuple(r.status, r.message, std::ranges::count(written, kNAK),
                             EndsWith(written, kCancelSequence), run.sink.data.size()),
                  std::tuple(c.status, c.message, c.naks, c.cancels, c.kept));
    }
}

// The Cancel button pressed while our side waits for a reply of up to 5 s:
// the transfer ends at once, says so, and tells the peer with the cancel
// sequence. (A cancel at a step between blocks: LinkFaults.)
TEST(YmodemCancel, ReturnsAtOnceAndTellsThePeer) {
    ymodem::Options slow = FastOptions();
    slow.replyTimeout = milliseconds{5000};
    for (const bool receiving : {true, false}) {
        CStopSwitch progress;
        std::unique_ptr<CRun> run;
        if (receiving) {
            auto receiver = std::make_unique<CReceiverRun>(slow, &progress);
            receiver->Announce("x.bin", 3000);
            run = std::move(receiver);
        } else {
            auto sender = std::make_unique<CSenderRun>(5000, slow, &progress);
            sender->Start();
            sender->Read(1029); // block 1, never answered
            run = std::move(sender);
        }
        std::this_thread::sleep_for(milliseconds{100});
        const auto pressed = std::chrono::steady_clock::now();
        progress.stop = true;
        const LinkResult r = run->Result();
        EXPECT_LT(std::chrono::steady_clock::now() - pressed, milliseconds{1500});
        EXPECT_EQ(std::pair(r.status, r.message),
                  std::pair(LinkStatus::Cancelled, std::string("Transfer cancelled")));
        EXPECT_EQ(run->Read(16), kCancelSequence);
    }
}

// A last piece of exactly 128 bytes still fits a short block; a NAK, or a
// 'C', brings the same block again.
TEST(YmodemSender, SpeaksEachStepOfTheBatch) {
    CSenderRun run(1024 + 128, FastOptions(), nullptr, {}, "dir/my image.bin");
    Put(*run.peer, {'C'});
    // No directory, no blanks in the name.
    const FileHeader h{.name = "my_image.bin", .size = 1152, .modified = 1, .mode = 0100644};
    EXPECT_EQ(run.Read(133), BuildFrame(0, BuildHeaderPayload(h), 128, 0));
    run.Exchange({kACK, 'C'}, run.Block(1));
    run.Exchange({kNAK}, run.Block(1));
    run.Exchange({'C'}, run.Block(1));
    run.Exchange({kACK}, run.Block(2, kSmallPayload));
    run.Exchange({kACK}, Bytes{kEOT});
    run.Exchange({kNAK}, Bytes{kEOT});
    run.Exchange({kACK, 'C'}, kNullHeader);
    Put(*run.peer, {kACK});
    const LinkResult s = run.Result();
    ASSERT_TRUE(s.Ok()) << s.message;
    EXPECT_EQ(s.fileName, "my_image.bin");
}

TEST(YmodemSender, TenRefusalsOfOneBlockAbort) {
    CSenderRun run(3000);
    run.Start();
    run.Exchange({}, run.Block(1));
    Put(*run.peer, {kACK});
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(run.Read(1029), run.Block(2)) << "copy " << i + 1;
        Put(*run.peer, {kNAK});
    }
    const LinkResult s = run.Result();
    EXPECT_EQ(std::pair(s.status, s.message),
              std::pair(LinkStatus::TooManyErrors,
                        std::string("The receiver refused block 2 10 times; transfer abandoned")));
    EXPECT_EQ(run.Read(16), kCancelSequence) << "no eleventh copy, only the cancel";
}

// The receiver has been asking for a while, with a lone CAN (line noise:
// only two in a row cancel) among its requests. Later a duplicated ACK (a
// noisy line, a receiver that answered twice) is still waiting when the next
// block goes out; it must not count as that block's answer, or the block
// would be taken as delivered unseen.
TEST(YmodemSender, WaitingAnswersAreNotTakenForTheNext) {
    CSenderRun run(2000, FastOptions(), nullptr, {kCAN, 'C', 'C', 'C'});
    const Bytes header = run.Read(133);
    ASSERT_EQ(header.size(), 133u) << "block 0 goes out";
    EXPECT_EQ(header[0], kSOH);
    EXPECT_TRUE(run.Read(1, milliseconds{200}).empty()) << "block 0 went out once";
    run.Exchange({kACK, 'C'}, run.Block(1));
    run.Exchange({kACK, kACK}, run.Block(2));
    EXPECT_TRUE(run.Read(1, milliseconds{300}).empty()) << "block 2 waits for its own answer";
    run.Exchange({kACK}, Bytes{kEOT});
    Put(*run.peer, {kCAN, kCAN});
    const LinkResult s = run.Result();
    EXPECT_EQ(std::tuple(s.status, s.message, s.bytes),
              std::tuple(LinkStatus::PeerCancelled, "The receiver cancelled the transfer", 2000u));
}

// The allowance counts the file in short blocks, a partly filled one too.
TEST(YmodemSender, TheTransferAllowanceCountsTheLastPartBlock) {
    const ymodem::Options o = FastOptions();
    EXPECT_EQ(TransferAllowance(129, o), TransferAllowance(256, o));
    EXPECT_LT(TransferAllowance(128, o), TransferAllowance(129, o));
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

HostileOutcome ReceiveFrom(const std::function<void(CPipeEnd&)>& peerScript) {
    CTempDir dir;
    const std::string dest = dir / "out.bin";
    WriteBytes(dest, kKeep);
    auto [peer, ours] = MakePipe();
    std::thread script([&, &end = *peer] { peerScript(end); });
    HostileOutcome outcome;
    const auto start = std::chrono::steady_clock::now();
    outcome.result = ReceiveImage(*ours, dest, HostileOptions());
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

// A peer that announces `size` bytes, then sends what `next` returns after
// each ACK (`again` after a NAK).
std::function<void(CPipeEnd&)> Sends(std::uint64_t size, std::function<Bytes()> next,
                                     std::function<Bytes()> again = {}) {
    return [=](CPipeEnd& peer) {
        Respond(peer, AfterHeader(HeaderBlock("x.bin", size), next, again));
    };
}

// A peer that sends block 0 and then bytes that start no block, without pause.
void Noise(CPipeEnd& peer, bool announced) {
    if (announced) {
        ReadN(peer, 1);
        Put(peer, HeaderBlock("x.bin", 100000));
        ReadN(peer, 2);
    }
    std::uint8_t byte = 0;
    while (peer.Write(Bytes(64, 'x'))) {
        const std::ptrdiff_t got = peer.Read({&byte, 1}, milliseconds{1});
        if (got < 0 || (got == 1 && byte == kCAN))
            return;
    }
}

} // namespace

TEST(YmodemHostileSender, EveryWayOfStallingEndsWithAReason) {
    const std::string escapes = "\x1b]0;owned\x07\x1b[31mred\r\n";
    const std::string shown = "\\x1b]0;owned\\x07\\x1b[31mred\\x0d\\x0a";
    std::uint8_t next = 1, slow = 1;
    struct Case {
        std::function<void(CPipeEnd&)> script;
        LinkStatus status;
        std::string message; // ending in ": ", how it starts
        int atLeastMs, withinMs;
    };
    const Case cases[] = {
        {HeaderOnEveryRequest("x.bin", 1000), LinkStatus::TooManyErrors,
         "Block 1 never came: block 0 came again 4 times; transfer abandoned", 0, 3000},
        {Sends(100000, [] { return DataBlock(1); }), LinkStatus::TooManyErrors,
         "Block 2 never came: block 1 came again 4 times; transfer abandoned", 0, 3000},
        // 200 bytes announced: blocks 1 and 2 complete the file, then the
        // sender goes on with empty blocks and never sends EOT.
        {Sends(200,
               [&] {
                   const std::uint8_t n = next++;
                   return n <= 2 ? DataBlock(n) : Short(n, {});
               }),
         LinkStatus::ProtocolError,
         "The sender went on sending blocks after the announced 200 bytes; transfer abandoned", 0,
         3000},
        // Each block 100 ms after its ACK, within the reply wait, but 2048
        // bytes have 5 ms of line time, 16 x 10 ms of turnaround and 4 x 0.3 s.
        {Sends(
             2048,
             [&] {
                 std::this_thread::sleep_for(milliseconds{100});
                 return DataBlock(slow++);
             },
             [&] { return DataBlock(static_cast<std::uint8_t>(slow - 1)); }),
         LinkStatus::TimedOut,
         "The transfer did not end within the 1.365 s allowed for 2048 bytes: ", 0, 2500},
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
        EXPECT_EQ(c.message.ends_with(": ") ? o.result.message.substr(0, c.message.size())
                                            : o.result.message,
                  c.message);
        EXPECT_GE(o.took, milliseconds{c.atLeastMs}) << c.message;
        EXPECT_LT(o.took, milliseconds{c.withinMs}) << c.message;
        EXPECT_EQ(std::pair(o.destination, o.files),
                  std::pair(kKeep, std::vector<std::string>{"out.bin"}))
            << c.message;
        EXPECT_TRUE(std::ranges::none_of(
            o.result.message, [](char ch) { return static_cast<unsigned char>(ch) < 0x20; }));
    }
    EXPECT_EQ(next, 7) << "two blocks of data, four past the end";
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

// A receiver that never asks, falls silent after block 0, sends noise
// instead of answers, or refuses every block three times: our sender
// ends with the reason, within a bound.
TEST(YmodemHostileReceiver, EveryWayOfStallingEndsWithAReason) {
    struct Case {
        std::size_t size;
        std::function<void(CSenderRun&)> script;
        std::string message; // ending in ": ", how it starts
        int withinMs;
    };
    const Case cases[] = {
        {10, [](CSenderRun&) {}, "The receiver did not ask for the file within 1 s", 3000},
        {3000,
         [](CSenderRun& run) {
             Put(*run.peer, {'C'});
             run.Read(133);
             Put(*run.peer, {kACK});
         },
         "The receiver did not ask for the data within 1.2 s", 3000},
        {3000,
         [](CSenderRun& run) {
             run.Start();
             run.Read(1029);
             while (run.result.wait_for(milliseconds{1}) != std::future_status::ready)
                 Put(*run.peer, Bytes(64, 'x'));
         },
         "The receiver stopped answering: no reply to block 1 within 0.3 s, 4 times", 3000},
        // Each copy refused after 150 ms, the fourth acknowledged: 16 copies
        // of 1024 bytes take 2.4 s; the file has 9 + 320 + 1200 ms.
        {4096,
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
        CSenderRun run(c.size, HostileOptions());
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
