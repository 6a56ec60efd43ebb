// Receiving an image into a file and sending one, our sender to our receiver
// through a relay that can drop, damage, silence or cut the traffic: the
// conversion into the working form, the atomic replace, damage within the
// retry budget repaired, and every way a receive can fail without touching
// the destination.
#include "link/ImageTransfer.h"
#include "document/CurrentDocument.h"
#include "document/WorkingCopy.h"
#include "link/YmodemReceiver.h"
#include "link/YmodemSender.h"
#include "tests/link/LinkTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

using namespace velmar::test;
using std::chrono::milliseconds;
using Bytes = std::vector<std::uint8_t>;

namespace {

const Bytes kOldContents = {'o', 'l', 'd', ' ', 'w', 'o', 'r', 'k', 'i', 'n', 'g'};

// A working-form image of 100 KiB, so the destination shows it byte for byte.
Bytes TestImage() {
    return Concat({{'V', 'X', ' ', ' ', 80, 0}, SampleBytes(100 * 1024 - 6, 11)});
}

struct Outcome {
    LinkResult sent, received;
    Bytes destination;
    std::vector<std::string> files;
};

// The relay's faults each way, when each side's Cancel is pressed.
struct Plan {
    Faults toReceiver{}, toSender{};
    std::uint64_t receiverCancelAt = kNever, senderCancelAt = kNever;
    int retries = 10;
    IProgress* progress = nullptr; // the receiver's, instead of its cancel
};

// `image` from our sender, received into `dest` in `dir`, which held
// kOldContents before (when its folder exists).
Outcome Transfer(const CTempDir& dir, const std::string& dest, const Bytes& image,
                 const Plan& setup = {}) {
    WriteBytes(dest, kOldContents);
    ymodem::Options options = FastOptions();
    options.maxRetries = setup.retries;
    auto [sender, relayA] = MakePipe();
    auto [relayB, receiver] = MakePipe();
    Outcome outcome;
    {
        CRelay relay(
            *relayA, *relayB, setup.toReceiver, setup.toSender, [&, &a = *relayA] { a.Close(); },
            [&, &b = *relayB] { b.Close(); });
        CRecordingProgress sendProgress(setup.senderCancelAt),
            receiveProgress(setup.receiverCancelAt);
        auto sending = std::async(std::launch::async, [&, &end = *sender] {
            return ymodem::Send(end, "image.bin", image, options, &sendProgress);
        });
        outcome.received =
            ReceiveImage(*receiver, dest, options,
                         setup.progress ? setup.progress : &receiveProgress, CurrentHeaderText());
        outcome.sent = sending.get();
    }
    outcome.destination = ReadBytes(dest);
    outcome.files = dir.List();
    return outcome;
}

// The current header text filled with `fill` while it lives.
struct HeaderTextScope {
    BYTE saved[kHeaderTextSize];
    explicit HeaderTextScope(char fill) {
        std::memcpy(saved, g_HeaderText, sizeof saved);
        std::memset(g_HeaderText, fill, sizeof g_HeaderText);
    }
    ~HeaderTextScope() { std::memcpy(g_HeaderText, saved, sizeof saved); }
};

// Something else cuts the temporary file short once the data is in.
struct CCutShort final : IProgress {
    const CTempDir& dir;
    explicit CCutShort(const CTempDir& d) : dir(d) {}
    bool Step(std::uint64_t done, std::uint64_t total) override {
        for (const std::string& name : dir.List()) {
            if (total > 0 && done == total && name != "work.bin") {
                EXPECT_EQ(::truncate((dir / name).c_str(), 100), 0);
            }
        }
        return true;
    }
};

} // namespace

// Each form arrives in the working form, worked out by hand, and exactly as
// opening the file converts it; the file it replaces keeps its mode.
TEST(ImageReceive, EveryFormArrivesInTheWorkingForm) {
    HeaderTextScope text('h');
    const Bytes vx = Concat({{'V', 'X', ' ', ' ', 80, 0}, SampleBytes(80 + 20000, 3)});
    const Bytes zorv = Concat({{'Z', 'O', 'R', 'V'}, SampleBytes(60 + 9000, 4)});
    const Bytes bare = SampleBytes(5000, 5);
    // "VX  ", 80 least significant byte first, then 16 zero bytes before a
    // ZORV image, the current header text before a bare one (first: opening
    // the others may change that text).
    const std::pair<Bytes, Bytes> cases[] = {
        {bare, Concat({{'V', 'X', ' ', ' ', 0x50, 0x00}, Bytes(80, 'h'), bare})},
        {zorv, Concat({{'V', 'X', ' ', ' ', 0x50, 0x00}, Bytes(16, 0), zorv})},
        {vx, vx},
    };
    for (const auto& [image, expected] : cases) {
        CTempDir dir;
        const std::string dest = dir / "work.bin";
        WriteBytes(dest, kOldContents);
        ASSERT_EQ(::chmod(dest.c_str(), 0640), 0);
        const Outcome o = Transfer(dir, dest, image);
        ASSERT_TRUE(o.received.Ok()) << o.received.message;
        EXPECT_EQ(o.destination, expected);
        EXPECT_EQ(o.files, std::vector<std::string>{"work.bin"}) << "no temporary file is left";
        struct stat info {};
        ASSERT_EQ(::stat(dest.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0640u) << "the replaced file keeps its mode";
        WriteBytes(dir / "source.bin", image);
        CDocument opened;
        ReadImageDocument(dir / "source.bin", ImageForm::Convert, CurrentImageValues(), opened);
        EXPECT_EQ(opened.Image(), expected);
    }
}

// Each of these is within the retry budget: the image arrives intact.
TEST(LinkFaults, DroppedAndDamagedBytesAreRepaired) {
    struct Case {
        const char* what;
        Faults toReceiver, toSender;
    };
    // Block 9 damaged, then each of its eight copies (taken for blocks 10 to 17).
    std::set<std::uint64_t> NineTimes;
    for (std::uint64_t n = 9; n <= 17; ++n)
        NineTimes.insert(Block(n) + 10);
    const Case cases[] = {
        {"damaged file name", {.corrupt = {5}}, {}},
        {"dropped byte in block 0", {.drop = {100}}, {}},
        {"damaged block numbers", {.corrupt = {Block(3) + 1, Block(7) + 2}}, {}},
        {"damaged payloads", {.corrupt = {Block(2) + 3, Block(50) + 900, Block(100) + 1027}}, {}},
        {"dropped bytes", {.drop = {Block(4), Block(20) + 512, Block(101) + 1028}}, {}},
        {"one block damaged nine times", {.corrupt = NineTimes}, {}},
        {"damaged EOT", {.corrupt = {Block(101)}}, {}},
        {"damaged ACK of block 0", {}, {.corrupt = {1}}},
        {"lost request for the data", {}, {.drop = {2}}},
        {"lost and damaged ACKs", {}, {.drop = {20}, .corrupt = {40, 60}}},
    };
    const Bytes image = TestImage();
    for (const Case& c : cases) {
        CTempDir dir;
        const Outcome o = Transfer(dir, dir / "work.bin", image,
                                   {.toReceiver = c.toReceiver, .toSender = c.toSender});
        EXPECT_EQ(std::tuple(o.received.Ok(), o.sent.Ok(), o.destination == image, o.files),
                  std::tuple(true, true, true, std::vector<std::string>{"work.bin"}))
            << c.what << ": " << o.received.message << " / " << o.sent.message;
    }
}

// Every other fault, and each way a receive is refused, ends both sides with
// a reason and keeps the destination.
TEST(LinkFaults, FaultsBeyondTheBudgetEndTheTransfer) {
    std::set<std::uint64_t> damagedTenTimes; // block 5 is sent ten times, 1029 bytes apart
    for (std::uint64_t i = 0; i < 10; ++i)
        damagedTenTimes.insert(Block(5) + i * 1029 + 700);
    struct Case {
        const char* what;
        Plan setup;                         // four retries keep the waits for silence short
        std::optional<LinkStatus> received; // none: any failure
        std::string receivedMessage;        // empty: any; ending in ": ", how it starts
        std::optional<LinkStatus> sent;
        std::string sentMessage;
    };
    const Case cases[] = {
        {"block damaged ten times", Plan{.toReceiver = {.corrupt = damagedTenTimes}},
         LinkStatus::TooManyErrors, "Block 5 arrived damaged 10 times; transfer abandoned",
         LinkStatus::PeerCancelled, ""},
        // The first copy of block 30 was cut off, then nothing came.
        {"sender falling silent",
         Plan{.toReceiver = {.silentAfter = Block(30) + 400}, .retries = 4}, LinkStatus::TimedOut,
         "The sender stopped sending: no block for 1 s, 3 times, after 29696 of 102400 bytes",
         std::nullopt, ""},
        {"receiver falling silent", Plan{.toSender = {.silentAfter = 40}, .retries = 4},
         std::nullopt, "", LinkStatus::TimedOut, "The receiver stopped answering: "},
        {"receiver cancels", Plan{.receiverCancelAt = 50 * 1024}, LinkStatus::Cancelled,
         "Transfer cancelled", LinkStatus::PeerCancelled, ""},
        {"sender cancels", Plan{.senderCancelAt = 60 * 1024}, LinkStatus::PeerCancelled,
         "The sender cancelled the transfer", LinkStatus::Cancelled, ""},
        {"cut in block 0", Plan{.toReceiver = {.cutAfter = 60}}, LinkStatus::LineError, "",
         LinkStatus::LineError, ""},
        {"cut in block 40", Plan{.toReceiver = {.cutAfter = Block(40) + 77}}, LinkStatus::LineError,
         "", LinkStatus::LineError, ""},
        {"cut after the EOT", Plan{.toReceiver = {.cutAfter = Block(101) + 1}},
         LinkStatus::LineError, "", LinkStatus::LineError, ""},
    };
    for (const Case& c : cases) {
        CTempDir dir;
        const Outcome o = Transfer(dir, dir / "work.bin", TestImage(), c.setup);
        for (const auto& [r, status, message] :
             {std::tuple(o.received, c.received, c.receivedMessage),
              std::tuple(o.sent, c.sent, c.sentMessage)}) {
            EXPECT_TRUE(status ? r.status == *status : !r.Ok()) << c.what << ": " << r.message;
            EXPECT_TRUE(message.ends_with(": ") ? r.message.starts_with(message)
                                                : message.empty() || r.message == message)
                << c.what << ": " << r.message;
        }
        EXPECT_EQ(std::pair(o.destination, o.files),
                  std::pair(kOldContents, std::vector<std::string>{"work.bin"}))
            << c.what;
    }
}

// An empty file, a temporary file cut short once the data was in (what is
// read back is not the file that arrived, so it must not replace the
// destination), a folder that cannot be written: refused, and the sender
// told.
TEST(ImageReceive, RefusalsKeepTheDestination) {
    CTempDir dir;
    CCutShort cut(dir);
    const std::string missing = dir / "missing";
    struct Case {
        Bytes image;
        std::string dest;
        IProgress* progress;
        std::string message; // the whole message, or how it starts
        bool whole;
        std::optional<std::uint64_t> sentBytes;
    };
    const Case cases[] = {
        {Bytes(), dir / "work.bin", nullptr, "The sender's file image.bin is empty", true, 0},
        {SampleBytes(5000), dir / "work.bin", &cut,
         "cannot read back the received file " + dir.Path() + "/", false, std::nullopt},
        {SampleBytes(5000), missing + "/work.bin", nullptr, "cannot create a file in " + missing,
         false, 0},
    };
    for (const Case& c : cases) {
        const Outcome o = Transfer(dir, c.dest, c.image, {.progress = c.progress});
        EXPECT_EQ(o.received.status, LinkStatus::FileError);
        EXPECT_EQ(c.whole ? o.received.message : o.received.message.substr(0, c.message.size()),
                  c.message);
        if (c.sentBytes) {
            EXPECT_EQ(std::pair(o.sent.status, o.sent.bytes),
                      std::pair(LinkStatus::PeerCancelled, *c.sentBytes))
                << c.message;
        }
        EXPECT_EQ(std::pair(o.destination, o.files),
                  std::pair(c.dest == missing + "/work.bin" ? Bytes() : kOldContents,
                            std::vector<std::string>{"work.bin"}))
            << c.message;
    }
}

TEST(ImageSend, SendsTheFileAsItIs) {
    CTempDir dir;
    auto [a, b] = MakePipe();
    // A missing or an empty file: refused, and nothing goes on the line.
    WriteBytes(dir / "empty.bin", {});
    for (const auto& [name, message] :
         {std::pair("absent.bin", "cannot read " + dir / "absent.bin"),
          std::pair("empty.bin", dir / "empty.bin" + " is empty: there is nothing to send")}) {
        const LinkResult s = SendImage(*a, dir / name, FastOptions());
        EXPECT_EQ(std::pair(s.status, s.message), std::pair(LinkStatus::FileError, message));
    }
    EXPECT_TRUE(a->Written().empty()) << "nothing went on the line";
    const std::string source = dir / "send me.bin";
    const Bytes image = SampleBytes(12345, 9);
    WriteBytes(source, image);
    CMemorySink sink;
    auto receiving = std::async(
        std::launch::async, [&, &end = *b] { return ymodem::Receive(end, sink, FastOptions()); });
    const LinkResult s = SendImage(*a, source, FastOptions());
    ASSERT_TRUE(receiving.get().Ok());
    ASSERT_TRUE(s.Ok()) << s.message;
    struct stat info {};
    ASSERT_EQ(::stat(source.c_str(), &info), 0);
    EXPECT_EQ(std::tuple(sink.data, sink.header.name, sink.header.modified),
              std::tuple(image, "send_me.bin", static_cast<std::uint64_t>(info.st_mtime)));
}
