// Our sender and receiver through a relay that drops, damages, silences or
// cuts the traffic. Damage within the retry budget is repaired; every other
// fault ends the transfer with a reason and leaves the destination as it was.
#include "link/ImageTransfer.h"
#include "link/YmodemSender.h"
#include "tests/link/LinkTestSupport.h"

#include <gtest/gtest.h>

#include <future>
#include <optional>

using namespace velmar::test;
using std::chrono::milliseconds;
using Bytes = std::vector<std::uint8_t>;

namespace {

const Bytes kOldContents = {'k', 'e', 'e', 'p', ' ', 'm', 'e'};

struct Outcome {
    LinkResult sent, received;
    Bytes destination;
    std::vector<std::string> files;
};

// A working-form image of 100 KiB, so the destination shows it byte for byte.
Bytes TestImage() {
    Bytes image = SampleBytes(100 * 1024, 11);
    const Bytes header = {'V', 'X', ' ', ' ', 80, 0};
    std::copy(header.begin(), header.end(), image.begin());
    return image;
}

Outcome Transfer(const Faults& toReceiver, const Faults& toSender, std::uint64_t receiverCancelAt,
                 std::uint64_t senderCancelAt, const ymodem::Options& options = FastOptions()) {
    CTempDir dir;
    const std::string dest = dir / "work.bin";
    WriteBytes(dest, kOldContents);
    auto [sender, relayA] = MakePipe();
    auto [relayB, receiver] = MakePipe();
    Outcome outcome;
    {
        CRelay relay(
            *relayA, *relayB, toReceiver, toSender, [&, &a = *relayA] { a.Close(); },
            [&, &b = *relayB] { b.Close(); });
        const Bytes image = TestImage();
        CRecordingProgress sendProgress(senderCancelAt), receiveProgress(receiverCancelAt);
        auto sending = std::async(std::launch::async, [&, &end = *sender] {
            return ymodem::Send(end, "image.bin", image, options, &sendProgress);
        });
        outcome.received = ReceiveImage(*receiver, dest, options, &receiveProgress);
        outcome.sent = sending.get();
    }
    outcome.destination = ReadBytes(dest);
    outcome.files = dir.List();
    return outcome;
}

} // namespace

// Each of these is within the retry budget: the image arrives intact.
TEST(LinkFaults, DroppedAndDamagedBytesAreRepaired) {
    struct Case {
        const char* what;
        Faults toReceiver, toSender;
    };
    const Case cases[] = {
        {"damaged file name", {.corrupt = {5}}, {}},
        {"dropped byte in block 0", {.drop = {100}}, {}},
        {"damaged block numbers", {.corrupt = {Block(3) + 1, Block(7) + 2}}, {}},
        {"damaged payloads", {.corrupt = {Block(2) + 3, Block(50) + 900, Block(100) + 1027}}, {}},
        {"dropped bytes", {.drop = {Block(4), Block(20) + 512, Block(101) + 1028}}, {}},
        {"one block damaged nine times",
         {.corrupt = {Block(9) + 10, Block(10) + 10, Block(11) + 10, Block(12) + 10, Block(13) + 10,
                      Block(14) + 10, Block(15) + 10, Block(16) + 10, Block(17) + 10}},
         {}},
        {"damaged EOT", {.corrupt = {Block(101)}}, {}},
        {"damaged ACK of block 0", {}, {.corrupt = {1}}},
        {"lost request for the data", {}, {.drop = {2}}},
        {"lost and damaged ACKs", {}, {.drop = {20}, .corrupt = {40, 60}}},
    };
    const Bytes image = TestImage();
    for (const Case& c : cases) {
        const Outcome o = Transfer(c.toReceiver, c.toSender, kNever, kNever);
        EXPECT_TRUE(o.received.Ok()) << c.what << ": " << o.received.message;
        EXPECT_TRUE(o.sent.Ok()) << c.what << ": " << o.sent.message;
        EXPECT_EQ(o.destination, image) << c.what;
        EXPECT_EQ(o.files, std::vector<std::string>{"work.bin"}) << c.what;
    }
}

// Every other fault ends both sides with a reason and keeps the destination.
TEST(LinkFaults, FaultsBeyondTheBudgetEndTheTransfer) {
    Faults damagedTenTimes; // block 5 is sent ten times, 1029 bytes apart
    for (std::uint64_t i = 0; i < 10; ++i)
        damagedTenTimes.corrupt.insert(Block(5) + i * 1029 + 700);
    const Faults kClean;
    struct Case {
        const char* what;
        Faults toReceiver, toSender;
        std::uint64_t receiverCancelAt, senderCancelAt;
        int retries;                        // four instead of ten keep the waits for silence short
        std::optional<LinkStatus> received; // none: any failure
        std::string receivedMessage;        // empty: any
        std::optional<LinkStatus> sent;
        std::string sentMessage; // how it starts
    };
    const Case cases[] = {
        {"block damaged ten times", damagedTenTimes, kClean, kNever, kNever, 10,
         LinkStatus::TooManyErrors, "Block 5 arrived damaged 10 times; transfer abandoned",
         LinkStatus::PeerCancelled, ""},
        // The first copy of block 30 was cut off, then nothing came.
        {"sender falling silent", SilentAfter(Block(30) + 400), kClean, kNever, kNever, 4,
         LinkStatus::TimedOut,
         "The sender stopped sending: no block for 1 s, 3 times, after 29696 of 102400 bytes",
         std::nullopt, ""},
        {"receiver falling silent", kClean, SilentAfter(40), kNever, kNever, 4, std::nullopt, "",
         LinkStatus::TimedOut, "The receiver stopped answering"},
        {"receiver cancels", kClean, kClean, 50 * 1024, kNever, 10, LinkStatus::Cancelled,
         "Transfer cancelled", LinkStatus::PeerCancelled, ""},
        {"sender cancels", kClean, kClean, kNever, 60 * 1024, 10, LinkStatus::PeerCancelled,
         "The sender cancelled the transfer", LinkStatus::Cancelled, ""},
        {"cut in block 0", CutAfter(60), kClean, kNever, kNever, 10, LinkStatus::LineError, "",
         LinkStatus::LineError, ""},
        {"cut in block 40", CutAfter(Block(40) + 77), kClean, kNever, kNever, 10,
         LinkStatus::LineError, "", LinkStatus::LineError, ""},
        {"cut after the EOT", CutAfter(Block(101) + 1), kClean, kNever, kNever, 10,
         LinkStatus::LineError, "", LinkStatus::LineError, ""},
    };
    for (const Case& c : cases) {
        ymodem::Options options = FastOptions();
        options.maxRetries = c.retries;
        const Outcome o =
            Transfer(c.toReceiver, c.toSender, c.receiverCancelAt, c.senderCancelAt, options);
        for (const auto& [result, status] :
             {std::pair(o.received, c.received), std::pair(o.sent, c.sent)}) {
            if (status) {
                EXPECT_EQ(result.status, *status) << c.what << ": " << result.message;
            } else {
                EXPECT_FALSE(result.Ok()) << c.what;
            }
        }
        if (!c.receivedMessage.empty()) {
            EXPECT_EQ(o.received.message, c.receivedMessage) << c.what;
        }
        EXPECT_EQ(o.sent.message.rfind(c.sentMessage, 0), 0u) << c.what << ": " << o.sent.message;
        EXPECT_EQ(o.destination, kOldContents) << c.what;
        EXPECT_EQ(o.files, std::vector<std::string>{"work.bin"}) << c.what;
    }
}
