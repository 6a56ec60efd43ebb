// Our side of the link against lrzsz, an independent YMODEM implementation:
// sb sends to us and rb receives from us, over loopback TCP and over a socat
// pseudo-terminal pair, byte for byte; then the same through a relay that
// damages, silences, cancels and cuts; then velmar-cli itself. Skipped when
// sb, rb or socat is missing. Label "link".
#include "bench/BenchImages.h"
#include "link/ImageTransfer.h"
#include "link/SerialTransport.h"
#include "link/TcpTransport.h"
#include "link/YmodemFrame.h"
#include "link/YmodemSender.h"
#include "tests/link/LinkTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <future>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

using namespace velmar::test;
using std::chrono::milliseconds;
using std::chrono::seconds;
using Bytes = std::vector<std::uint8_t>;

namespace {

// lrzsz waits up to a minute in places; nothing here may hang longer.
constexpr auto kPeerDeadline = seconds(90);

const Bytes kOldContents = {'p', 'r', 'e', 'v', 'i', 'o', 'u', 's'};

#define REQUIRE_LRZSZ()                                                                            \
    do {                                                                                           \
        if (FindProgram("sb").empty() || FindProgram("rb").empty() ||                              \
            FindProgram("socat").empty())                                                          \
            GTEST_SKIP() << "sb, rb or socat is not installed";                                    \
    } while (false)

// The protocol's own time-outs, with a shorter wait for the start.
const ymodem::Options kPeerOptions{.startTimeout = seconds(30)};
const std::string kDemo = VELMAR_SOURCE_DIR "/examples/demo-satellite.bin";

// The demo image, or the start-up geometry with the channel block full:
// 4,608 channels.
std::string ImageFor(const std::string& which, const CTempDir& dir) {
    if (which != "demo")
        MakeFullImage(kStartupProfile, dir / "full-4608.bin");
    return which == "demo" ? kDemo : dir / "full-4608.bin";
}

std::string BaseName(const std::string& path) {
    return path.substr(path.find_last_of('/') + 1);
}

std::unique_ptr<CChild> Sb(const std::string& image, int fd, bool longBlocks = true) {
    return std::make_unique<CChild>(
        std::vector<std::string>{FindProgram("sb"), "-q", longBlocks ? "-k" : "-q", image}, fd, fd);
}

std::unique_ptr<CChild> Rb(const std::string& folder, int fd) {
    return std::make_unique<CChild>(std::vector<std::string>{FindProgram("rb"), "-q"}, fd, fd,
                                    folder);
}

LinkResult LineFailure(const std::string& why) {
    LinkResult result;
    result.status = LinkStatus::LineError;
    result.message = why;
    return result;
}

// Our end on device "a" of a socat pair, the peer on "b".
int OpenPeerEnd(const CPtyPair& pty) {
    return ::open(pty.B().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
}

// Our side through the serial transport on device "a" of a socat pair in
// `dir`, or through our TCP client; `launch`'s peer on device "b", or on the
// accepted socket. The peer must finish cleanly too, or the result is a
// failure: told in the result, so that a caller's retry covers the peer too.
LinkResult Over(bool pty, const CTempDir& dir, const std::function<LinkResult(ITransport&)>& ours,
                const std::function<std::unique_ptr<CChild>(int)>& launch) {
    CPtyPair pair(dir.Path());
    CLoopbackServer server;
    std::string error = "no socat pty pair";
    std::unique_ptr<ITransport> line;
    if (!pty)
        line = CTcpTransport::Connect("127.0.0.1", server.Port(), seconds(10), nullptr, error);
    else if (pair.Ready())
        line = CSerialTransport::Open(pair.A(), CSerialTransport::kDefaultBaud, error);
    const int fd = !line ? -1 : pty ? OpenPeerEnd(pair) : server.Accept(seconds(10));
    if (fd < 0)
        return LineFailure("no line to the peer: " + error);
    auto peer = launch(fd);
    ::close(fd);
    const LinkResult result = ours(*line);
    if (const int status = peer->Wait(kPeerDeadline); status != 0 && result.Ok())
        return LineFailure("the peer did not finish cleanly (status " + std::to_string(status) +
                           ")");
    return result;
}

class LrzszImages : public ::testing::TestWithParam<std::tuple<std::string, bool>> {};

} // namespace

TEST_P(LrzszImages, ReceiveFromSb) {
    REQUIRE_LRZSZ();
    const auto& [which, pty] = GetParam();
    CTempDir dir;
    const std::string image = ImageFor(which, dir);
    const std::string dest = dir / "work.bin";
    WriteBytes(dest, kOldContents);
    const LinkResult r = Over(
        pty, dir, [&](ITransport& line) { return ReceiveImage(line, dest, kPeerOptions); },
        [&](int fd) { return Sb(image, fd); });
    ASSERT_TRUE(r.Ok()) << r.message;
    EXPECT_EQ(r.fileName, BaseName(image));
    EXPECT_EQ(ReadBytes(dest), ReadBytes(image));
}

TEST_P(LrzszImages, SendToRb) {
    REQUIRE_LRZSZ();
    const auto& [which, pty] = GetParam();
    CTempDir dir, rx;
    const std::string image = ImageFor(which, dir);
    const auto transfer = [&] {
        return Over(
            pty, dir, [&](ITransport& line) { return SendImage(line, image, kPeerOptions); },
            [&](int fd) { return Rb(rx.Path(), fd); });
    };
    LinkResult s = transfer();
    if (!s.Ok() && pty) {
        // rb empties its pty input after each ACK; on a loaded machine that
        // can swallow a block more often than its retries allow. One more
        // whole transfer tells that apart from a fault of ours.
        std::remove((rx / BaseName(image)).c_str());
        s = transfer();
    }
    ASSERT_TRUE(s.Ok()) << s.message;
    EXPECT_EQ(rx.List(), std::vector<std::string>{BaseName(image)});
    EXPECT_EQ(ReadBytes(rx / BaseName(image)), ReadBytes(image));
}

INSTANTIATE_TEST_SUITE_P(Images, LrzszImages,
                         ::testing::Combine(::testing::Values("demo", "full4608"),
                                            ::testing::Bool()),
                         [](const auto& param) {
                             return std::get<0>(param.param) +
                                    (std::get<1>(param.param) ? "_pty" : "_tcp");
                         });

namespace {

// sb or rb on one end of a socket pair, the relay between its other end and
// an in-memory line whose far end is ours.
struct RelayedPeer {
    std::unique_ptr<CFdTransport> peerSide;
    std::unique_ptr<CPipeEnd> relaySide, ours;
    std::unique_ptr<CChild> peer;
    std::unique_ptr<CRelay> relay;
    int peerFd = -1;

    void Start(std::function<std::unique_ptr<CChild>(int)> launch, const Faults& fromPeer,
               const Faults& toPeer) {
        int sv[2];
        ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sv), 0);
        peerFd = sv[1];
        peerSide = std::make_unique<CFdTransport>(sv[1], true);
        auto [a, b] = MakePipe();
        relaySide = std::move(a);
        ours = std::move(b);
        peer = launch(sv[0]);
        ::close(sv[0]);
        relay = std::make_unique<CRelay>(
            *peerSide, *relaySide, fromPeer, toPeer, [fd = peerFd] { ::shutdown(fd, SHUT_RDWR); },
            [end = relaySide.get()] { end->Close(); });
    }
    ~RelayedPeer() {
        if (relaySide)
            relaySide->Close();
        if (peerFd >= 0)
            ::shutdown(peerFd, SHUT_RDWR);
        peer.reset(); // killed if still running
        relay.reset();
    }
};

} // namespace

TEST(LrzszFaults, HeaderOfExactly128BytesReachesRb) {
    REQUIRE_LRZSZ();
    CTempDir rx;
    const Bytes data = SampleBytes(3000, 12);
    const std::uint64_t modified = 1700000000;            // "14524770400"
    const std::string fields = "3000 14524770400 100644"; // as sb writes them
    const std::string name = std::string(128 - 1 - fields.size() - 4, 'h') + ".bin";
    RelayedPeer rb;
    rb.Start([&](int fd) { return Rb(rx.Path(), fd); }, {}, {});
    const LinkResult s = ymodem::Send(*rb.ours, name, data, kPeerOptions, nullptr, modified);
    ASSERT_TRUE(s.Ok()) << s.message;
    EXPECT_EQ(rb.peer->Wait(kPeerDeadline), 0);
    EXPECT_EQ(rx.List(), std::vector<std::string>{name});
    EXPECT_EQ(ReadBytes(rx / name), data);
    const Bytes sent = rb.ours->Written();
    ASSERT_GE(sent.size(), 133u);
    EXPECT_TRUE(sent[0] == ymodem::kSTX || sent[3 + 127] == 0) << "block 0 leaves a NUL";
}

// Damage, loss, duplicates and pauses within the retry budget, both ways
// between rb and us: the image arrives intact. A cancel and a cut line end
// the send, within a bound.
TEST(LrzszFaults, SendToRbThroughFaults) {
    REQUIRE_LRZSZ();
    struct Case {
        const char* what;
        Faults fromRb, toRb;
        std::uint64_t cancelAt;
        LinkStatus status;
    };
    Case cases[] = {{"damaged and dropped", {}, {}, kNever, LinkStatus::Ok},
                    {"duplicated and delayed", {}, {}, kNever, LinkStatus::Ok},
                    {"cancelled", {}, {}, 100 * 1024, LinkStatus::Cancelled},
                    {"cut", {}, {.cutAfter = Block(30) + 5}, kNever, LinkStatus::LineError}};
    cases[0].toRb.corrupt = {9, Block(3) + 1, Block(60) + 500, Block(61) + 1028};
    cases[0].toRb.drop = {Block(20) + 300};
    cases[1].toRb.duplicate = {Block(5) + 100, Block(50) + 1028};
    cases[1].toRb.delay = {{Block(25), milliseconds{700}}, {Block(60) + 9, milliseconds{200}}};
    cases[1].fromRb.duplicate = {3, 10}; // answers twice
    cases[1].fromRb.delay = {{20, milliseconds{300}}};
    for (const Case& c : cases) {
        CTempDir rx;
        RelayedPeer rb;
        rb.Start([&](int fd) { return Rb(rx.Path(), fd); }, c.fromRb, c.toRb);
        CRecordingProgress progress(c.cancelAt);
        const bool cut = c.status == LinkStatus::LineError;
        const auto start = std::chrono::steady_clock::now();
        const LinkResult s =
            SendImage(*rb.ours, kDemo, cut ? FastOptions() : kPeerOptions, &progress);
        ASSERT_EQ(s.status, c.status) << c.what << ": " << s.message;
        if (cut) {
            EXPECT_LT(std::chrono::steady_clock::now() - start, seconds(5));
        } else if (c.status == LinkStatus::Cancelled) {
            EXPECT_NE(rb.peer->Wait(kPeerDeadline), 0) << "rb saw the cancel";
        } else {
            EXPECT_EQ(rb.peer->Wait(kPeerDeadline), 0) << c.what;
            EXPECT_EQ(ReadBytes(rx / "demo-satellite.bin"), ReadBytes(kDemo)) << c.what;
        }
    }
}

// The same from sb, in long and in short blocks; then silence, a cancel, a
// cut line and a trickle: the receive fails with its reason and the
// destination stays as it was.
TEST(LrzszFaults, ReceiveFromSbThroughFaults) {
    REQUIRE_LRZSZ();
    struct Case {
        const char* what;
        LinkStatus status;
        std::string message; // contained in the result's
        Faults fromSb{};
        bool longBlocks = true;
        int retries = 10;
        std::uint64_t cancelAt = kNever;
    };
    Case cases[] = {
        {"damaged and dropped", LinkStatus::Ok, ""},
        {"short blocks", LinkStatus::Ok, "", Faults{.corrupt = {133 + 133 * 5 + 50}}, false},
        {"duplicated and delayed", LinkStatus::Ok, ""},
        {"silent", LinkStatus::TimedOut,
         "The sender stopped sending: no block for 1 s, 4 times, after 19456 of 311382 bytes",
         Faults{.silentAfter = Block(20)}, true, 4},
        {"cancelled", LinkStatus::Cancelled, "Transfer cancelled", Faults{}, true, 10, 100 * 1024},
        {"cut", LinkStatus::LineError, "The line closed after 50176 of 311382 bytes",
         Faults{.cutAfter = Block(50) + 10}},
        // One byte each 200 ms, within the 300 ms byte gap: four failures of
        // at most a reply wait, a block and a purge each.
        {"trickle", LinkStatus::TimedOut, "",
         Faults{.trickleFrom = Block(5) + 1, .trickleGap = milliseconds{200}}, true, 4},
    };
    cases[0].fromSb.corrupt = {7, Block(2) + 3, Block(40) + 600, Block(41) + 1028};
    cases[0].fromSb.drop = {Block(10) + 100, Block(90)};
    cases[2].fromSb.duplicate = {Block(3) + 10, Block(30) + 1028, Block(31)};
    cases[2].fromSb.delay = {{Block(12) + 500, milliseconds{600}}, // longer than the byte gap
                             {Block(20) + 3, milliseconds{150}},   // shorter: no harm
                             {Block(40), milliseconds{700}}};      // between two blocks
    for (const Case& c : cases) {
        CTempDir dir;
        const std::string dest = dir / "work.bin";
        WriteBytes(dest, kOldContents);
        RelayedPeer sb;
        sb.Start([&](int fd) { return Sb(kDemo, fd, c.longBlocks); }, c.fromSb, {});
        ymodem::Options options = FastOptions();
        options.maxRetries = c.retries;
        const bool trickle = c.fromSb.trickleGap.count() > 0;
        if (trickle)
            options.bytesPerSecond = 100000;
        CRecordingProgress progress(c.cancelAt);
        const auto start = std::chrono::steady_clock::now();
        const LinkResult r = ReceiveImage(*sb.ours, dest, options, &progress);
        if (trickle) {
            EXPECT_EQ(std::pair(r.Ok(), r.bytes), std::pair(false, std::uint64_t{4096}));
            EXPECT_LT(std::chrono::steady_clock::now() - start, seconds(8)) << r.message;
        } else {
            EXPECT_EQ(r.status, c.status) << c.what << ": " << r.message;
            EXPECT_NE(r.message.find(c.message), std::string::npos) << c.what << ": " << r.message;
        }
        if (c.status == LinkStatus::Ok) {
            EXPECT_EQ(ReadBytes(dest), ReadBytes(kDemo)) << c.what;
            EXPECT_EQ(sb.peer->Wait(kPeerDeadline), 0) << c.what;
            continue;
        }
        if (c.cancelAt != kNever) {
            EXPECT_NE(sb.peer->Wait(kPeerDeadline), 0) << "sb saw the cancel";
        }
        EXPECT_EQ(std::pair(ReadBytes(dest), dir.List()),
                  std::pair(kOldContents, std::vector<std::string>{"work.bin"}))
            << c.what;
    }
}

namespace {

// velmar-cli with its standard error in a file; the exit status and that text.
struct CliRun {
    int status = -1;
    std::string errors;
};

CliRun RunCli(const std::vector<std::string>& args, const CTempDir& dir,
              std::function<void()> whileRunning = {}) {
    std::vector<std::string> argv = {VELMAR_CLI};
    argv.insert(argv.end(), args.begin(), args.end());
    const std::string errPath = dir / "cli-stderr.txt";
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    CChild cli(argv, -1, -1, {}, err);
    ::close(err);
    if (whileRunning)
        whileRunning();
    CliRun run;
    run.status = cli.Wait(kPeerDeadline);
    const Bytes text = ReadBytes(errPath);
    run.errors.assign(text.begin(), text.end());
    ::unlink(errPath.c_str());
    return run;
}

} // namespace

// sb behind a TCP port, then on a serial pty.
TEST(LrzszCli, ReceiveOverTcpAndSerialPty) {
    REQUIRE_LRZSZ();
    for (const bool pty : {false, true}) {
        CTempDir dir;
        const std::string dest = dir / "out.bin";
        CLoopbackServer server;
        CPtyPair pair(dir.Path());
        ASSERT_TRUE(pair.Ready());
        std::unique_ptr<CChild> sb;
        const std::vector<std::string> args =
            pty ? std::vector<std::string>{"receive", "--port", pair.A(), "--baud", "115200", dest}
                : std::vector<std::string>{"receive", "--tcp",
                                           "127.0.0.1:" + std::to_string(server.Port()), dest};
        const CliRun run = RunCli(args, dir, [&] {
            const int fd = pty ? OpenPeerEnd(pair) : server.Accept(seconds(10));
            ASSERT_GE(fd, 0);
            sb = Sb(kDemo, fd);
            ::close(fd);
        });
        EXPECT_EQ(run.status, 0) << run.errors;
        if (!pty) {
            EXPECT_EQ(run.errors, "") << "quiet when not on a terminal";
        }
        EXPECT_EQ(ReadBytes(dest), ReadBytes(kDemo)) << (pty ? "pty" : "tcp");
    }
}

TEST(LrzszCli, SendWhileListening) {
    REQUIRE_LRZSZ();
    CTempDir dir, rx;
    // The tool tells the port it was given; socat then connects rb to it.
    int errPipe[2];
    ASSERT_EQ(::pipe2(errPipe, O_CLOEXEC), 0);
    CChild cli({VELMAR_CLI, "send", "--listen", "127.0.0.1:0", kDemo}, -1, -1, {}, errPipe[1]);
    ::close(errPipe[1]);
    std::string said;
    char c = 0;
    while (said.find('\n') == std::string::npos && ::read(errPipe[0], &c, 1) == 1)
        said += c;
    const std::string prefix = "velmar-cli: listening on port ";
    ASSERT_EQ(said.rfind(prefix, 0), 0u) << said;
    const std::string port = said.substr(prefix.size(), said.size() - prefix.size() - 1);
    CChild socat({FindProgram("socat"), "TCP:127.0.0.1:" + port, "EXEC:rb -q"}, -1, -1, rx.Path());
    // The rest of what the tool says, to the end.
    std::string rest;
    while (::read(errPipe[0], &c, 1) == 1)
        rest += c;
    ::close(errPipe[0]);
    EXPECT_EQ(cli.Wait(kPeerDeadline), 0);
    EXPECT_EQ(socat.Wait(kPeerDeadline), 0);
    EXPECT_EQ(ReadBytes(rx / "demo-satellite.bin"), ReadBytes(kDemo));
    // It names the one peer it took: socat, from this computer.
    EXPECT_EQ(rest.rfind("velmar-cli: connection from 127.0.0.1:", 0), 0u) << rest;
    EXPECT_EQ(std::count(rest.begin(), rest.end(), '\n'), 1) << rest;
}

// velmar-cli against a scripted peer on our side of a TCP port: a sender
// that says nothing, announces a name full of terminal controls, or
// trickles; a receiver that falls silent after block 0. The tool fails with
// the reason, on one line without controls, within a bound, and keeps OUT.
TEST(LrzszCli, ScriptedPeersFailTheTransfer) {
    const auto nothing = [](std::uint8_t) { return Bytes{}; };
    const std::string escapes = std::string("\x1b]0;owned\x07\x1b[2J\x9b") + "31m";
    const std::vector<std::string> oneSecond = {"--timeout", "1"},
                                   shortWaits = {"--timeout", "8", "--reply-timeout", "0.2"};
    struct Case {
        std::string command;
        std::vector<std::string> options;
        std::function<void(ITransport&)> script;
        std::string message;
        int atLeastMs, withinMs;
    };
    const Case cases[] = {
        {"receive", oneSecond, [&](ITransport& line) { Respond(line, nothing); },
         "receive failed: Nothing arrived within 1 s: is the other side sending?", 1000, 5000},
        {"receive", shortWaits,
         [&](ITransport& line) {
             Respond(line,
                     [&](std::uint8_t b) { return b == 'C' ? HeaderBlock(escapes, 0) : Bytes{}; });
         },
         "receive failed: The sender's file \\x1b]0;owned\\x07\\x1b[2J\\x9b31m is empty", 0, 5000},
        // Each byte within the 1 s gap. On a TCP line (taken as 9600 baud)
        // the file of 1000 bytes has 2 x 1064 bytes of line time (2.217 s),
        // 8 x 10 ms and 10 x 0.2 s: 4.297 s from block 0.
        {"receive", shortWaits,
         [](ITransport& line) {
             TrickleBlock(line, HeaderBlock("x.bin", 1000),
                          ymodem::BuildFrame(1, SampleBytes(128, 5), ymodem::kSmallPayload),
                          milliseconds{900});
         },
         "receive failed: The transfer did not end within the 4.297 s allowed for 1000 bytes: 0 "
         "arrived",
         0, 8000},
        {"send", shortWaits,
         [&](ITransport& line) {
             line.Write(Bytes{'C'});
             EXPECT_EQ(ReadN(line, 133, seconds(5)).size(), 133u) << "block 0";
             line.Write(Bytes{ymodem::kACK});
             Respond(line, nothing); // until the cancel
         },
         "send failed: The receiver did not ask for the data within 2 s", 2000, 5000},
    };
    for (const Case& c : cases) {
        CTempDir dir;
        const std::string out = dir / "out.bin";
        WriteBytes(out, kOldContents);
        CLoopbackServer server;
        std::vector<std::string> args = {c.command, "--tcp",
                                         "127.0.0.1:" + std::to_string(server.Port())};
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.push_back(c.command == "receive" ? out : kDemo);
        const auto start = std::chrono::steady_clock::now();
        const CliRun run = RunCli(args, dir, [&] {
            if (const int fd = server.Accept(seconds(10)); fd >= 0) {
                CFdTransport line(fd, true);
                c.script(line);
            }
        });
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(std::pair(run.status, run.errors),
                  std::pair(1, "velmar-cli: " + c.message + "\n"));
        EXPECT_EQ(run.errors.find('\x1b'), std::string::npos);
        EXPECT_EQ(std::pair(ReadBytes(out), dir.List()),
                  std::pair(kOldContents, std::vector<std::string>{"out.bin"}))
            << c.message;
        EXPECT_GE(took, milliseconds{c.atLeastMs}) << c.message;
        EXPECT_LT(took, milliseconds{c.withinMs}) << c.message;
    }
}
