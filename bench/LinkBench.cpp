// The receiver link against lrzsz's own time: the start-up image received
// from sb and sent to rb by our side, and moved from sb to rb, over loopback
// TCP and over a socat pty pair, alternately in the same run. Each timing
// ends when the receiving side has the whole file. Counters, as medians over
// the iterations: ours_med_s, lrzsz_med_s (sb to rb over the same line) and
// ratio_med (ours / lrzsz; the target is 1.2 or less).
// Needs sb, rb and socat; a benchmark without them says so and is skipped.
#include "bench/BenchImages.h"
#include "link/ImageTransfer.h"
#include "link/SerialTransport.h"
#include "link/TcpTransport.h"
#include "tests/link/LinkTestSupport.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <future>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <utility>

using namespace velmar::test;
using Clock = std::chrono::steady_clock;
using std::chrono::seconds;

namespace {

constexpr auto kDeadline = seconds(120);

enum class Line { Tcp, Pty };
enum class Direction { Receive, Send };

bool HaveLrzsz() {
    return !FindProgram("sb").empty() && !FindProgram("rb").empty() &&
           !FindProgram("socat").empty();
}

// Two connected ends of the chosen line, as descriptors: ours and the peer's.
struct LineEnds {
    std::unique_ptr<CPtyPair> pty;
    std::unique_ptr<CLoopbackServer> server;
    int ours = -1;
    int peer = -1;

    // `ourFd`: open our end of a pty as a plain descriptor too (for sb);
    // otherwise the serial transport opens it.
    LineEnds(Line line, const CTempDir& dir, bool ourFd) {
        if (line == Line::Pty) {
            pty = std::make_unique<CPtyPair>(dir.Path());
            if (!pty->Ready())
                return;
            if (ourFd)
                ours = ::open(pty->A().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
            peer = ::open(pty->B().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
            return;
        }
        // Plain blocking sockets: sb and rb expect nothing else.
        server = std::make_unique<CLoopbackServer>();
        ours = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(server->Port());
        if (::connect(ours, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
            return;
        peer = server->Accept(seconds(5));
    }
    ~LineEnds() {
        if (ours >= 0)
            ::close(ours);
        if (peer >= 0)
            ::close(peer);
    }
    LineEnds(const LineEnds&) = delete;
    LineEnds& operator=(const LineEnds&) = delete;
};

// Our end as the transport the product uses on that line.
std::unique_ptr<ITransport> OurTransport(Line line, LineEnds& ends) {
    if (line == Line::Tcp) {
        const int fd = ends.ours;
        ends.ours = -1;
        return fd >= 0 ? std::make_unique<CTcpTransport>(fd) : nullptr;
    }
    std::string error;
    return ends.pty ? CSerialTransport::Open(ends.pty->A(), CSerialTransport::kDefaultBaud, error)
                    : nullptr;
}

std::vector<std::string> SbArgs(const std::string& image) {
    return {FindProgram("sb"), "-q", "-k", image};
}

std::vector<std::string> RbArgs() {
    return {FindProgram("rb"), "-q"};
}

// sb to rb over the line; seconds until rb has the file.
double LrzszSeconds(Line line, const std::string& image) {
    CTempDir dir, rx;
    LineEnds ends(line, dir, true);
    if (ends.ours < 0 || ends.peer < 0)
        return -1.0;
    const auto start = Clock::now();
    CChild rb(RbArgs(), ends.peer, ends.peer, rx.Path());
    CChild sb(SbArgs(image), ends.ours, ends.ours);
    ::close(ends.peer);
    ::close(ends.ours);
    ends.peer = ends.ours = -1;
    const int status = rb.Wait(kDeadline);
    const double took = std::chrono::duration<double>(Clock::now() - start).count();
    // Over a pty sb may wait long for rb's last answer; the file is complete.
    sb.Kill();
    return status == 0 ? took : -1.0;
}

// Our side against sb or rb; seconds until the receiving side has the file.
double OurSeconds(Line line, Direction direction, const std::string& image) {
    CTempDir dir, rx;
    LineEnds ends(line, dir, false);
    auto ours = OurTransport(line, ends);
    if (!ours || ends.peer < 0)
        return -1.0;
    const auto start = Clock::now();
    if (direction == Direction::Receive) {
        CChild sb(SbArgs(image), ends.peer, ends.peer);
        ::close(ends.peer);
        ends.peer = -1;
        const LinkResult r = ReceiveImage(*ours, dir / "work.bin", ymodem::Options{});
        const double took = std::chrono::duration<double>(Clock::now() - start).count();
        return r.Ok() ? took : -1.0;
    }
    CChild rb(RbArgs(), ends.peer, ends.peer, rx.Path());
    ::close(ends.peer);
    ends.peer = -1;
    auto sending =
        std::async(std::launch::async, [&] { return SendImage(*ours, image, ymodem::Options{}); });
    const int status = rb.Wait(kDeadline);
    const double took = std::chrono::duration<double>(Clock::now() - start).count();
    const bool sent = sending.get().Ok();
    return status == 0 && sent ? took : -1.0;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0.0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void BM_Link(benchmark::State& state, Line line, Direction direction) {
    if (!HaveLrzsz()) {
        state.SkipWithError("sb, rb or socat is not installed");
        return;
    }
    CTempDir images;
    const std::string image = images / "startup.bin";
    MakeFullImage(kStartupProfile, image);
    std::vector<double> lrzszTimes, ourTimes, ratios;
    for (auto _ : state) {
        const double lrzsz = LrzszSeconds(line, image);
        const double ours = OurSeconds(line, direction, image);
        if (lrzsz < 0 || ours < 0) {
            state.SkipWithError("a transfer failed");
            return;
        }
        state.SetIterationTime(ours);
        lrzszTimes.push_back(lrzsz);
        ourTimes.push_back(ours);
        ratios.push_back(ours / lrzsz);
    }
    // Medians: a block lost to rb's input flush on a pty costs it seconds.
    state.counters["ours_med_s"] = Median(ourTimes);
    state.counters["lrzsz_med_s"] = Median(lrzszTimes);
    state.counters["ratio_med"] = Median(ratios);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 311382);
}

// ---- A line paced to 115,200 baud ----------------------------------------------------

// 8N1: ten bits on the line for every byte.
constexpr double kPacedBytesPerSecond = 115200.0 / 10;

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL); // a closed end is no signal
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Carries what `from` gives to `to` no faster than the paced line would:
// each byte arrives when the line has carried it (in groups of up to 64
// bytes, the last of a burst at its own time), then `to` is ended.
void Pace(int from, int to) {
    constexpr std::size_t kGroup = 64;
    const auto lineTime = [](std::size_t bytes) {
        return std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double>(static_cast<double>(bytes) / kPacedBytesPerSecond));
    };
    auto free = Clock::now(); // when the line is idle again
    std::uint8_t buffer[1024];
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got <= 0)
            break;
        const auto n = static_cast<std::size_t>(got);
        const auto begin = std::max(free, Clock::now());
        for (std::size_t sent = 0; sent < n;) {
            const std::size_t next = std::min(n, sent + kGroup);
            std::this_thread::sleep_until(begin + lineTime(next));
            if (!WriteAll(to, buffer + sent, next - sent)) {
                ::shutdown(to, SHUT_WR);
                return;
            }
            sent = next;
        }
        free = begin + lineTime(n);
    }
    ::shutdown(to, SHUT_WR);
}

// The bytes the line must carry for the image, both ways: 1 KiB blocks of
// 1,029 bytes (STX, number, its complement, data, CRC), the header block and
// the closing empty one (133 each), EOT twice, and the receiver's answers
// (a 'C' or ACK per block, and the few around the header and the end).
double PacedLimitSeconds(std::uint64_t imageBytes) {
    const std::uint64_t blocks = (imageBytes + 1023) / 1024;
    const std::uint64_t sender = blocks * 1029 + 2 * 133 + 2;
    const std::uint64_t receiver = blocks + 6;
    return static_cast<double>(sender + receiver) / kPacedBytesPerSecond;
}

// Two ends joined through the paced line: a socket for each end, the relay
// between them. An end given out is its taker's to close; the line's end
// (its relay stopped, the rest closed) must come after both are closed.
class CPacedLine {
public:
    CPacedLine() {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, m_near) != 0)
            return;
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, m_far) != 0) {
            ::close(m_near[0]);
            ::close(m_near[1]);
            m_near[0] = m_near[1] = -1;
            return;
        }
        m_forward = std::thread(Pace, m_near[1], m_far[0]);
        m_backward = std::thread(Pace, m_far[0], m_near[1]);
    }
    ~CPacedLine() {
        for (int fd : {m_near[0], m_far[1]})
            if (fd >= 0)
                ::close(fd);
        if (m_forward.joinable())
            m_forward.join();
        if (m_backward.joinable())
            m_backward.join();
        for (int fd : {m_near[1], m_far[0]})
            if (fd >= 0)
                ::close(fd);
    }
    CPacedLine(const CPacedLine&) = delete;
    CPacedLine& operator=(const CPacedLine&) = delete;

    bool Ready() const { return m_forward.joinable(); }
    int TakeNear() { return std::exchange(m_near[0], -1); }
    int TakeFar() { return std::exchange(m_far[1], -1); }

private:
    int m_near[2] = {-1, -1}, m_far[2] = {-1, -1};
    std::thread m_forward, m_backward;
};

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Our side against sb or rb through the paced line; seconds until the
// receiving side has the file.
double PacedSeconds(Direction direction, const std::string& image, const CTempDir& dir) {
    CPacedLine line;
    if (!line.Ready())
        return -1.0;
    CTempDir rx;
    const auto start = Clock::now();
    auto transport = std::make_unique<CTcpTransport>(line.TakeNear());
    const int peer = line.TakeFar();
    double took = -1.0;
    if (direction == Direction::Receive) {
        CChild sb(SbArgs(image), peer, peer);
        ::close(peer);
        if (ReceiveImage(*transport, dir / "paced.bin", ymodem::Options{}).Ok())
            took = SecondsSince(start);
        transport.reset();
        sb.Wait(seconds(10));
    } else {
        CChild rb(RbArgs(), peer, peer, rx.Path());
        ::close(peer);
        auto sending = std::async(std::launch::async,
                                  [&] { return SendImage(*transport, image, ymodem::Options{}); });
        if (rb.Wait(kDeadline) == 0)
            took = SecondsSince(start);
        if (!sending.get().Ok())
            took = -1.0;
        transport.reset();
    }
    return took;
}

// sb to rb through the paced line; seconds until rb has the file.
double PacedLrzszSeconds(const std::string& image) {
    CPacedLine line;
    if (!line.Ready())
        return -1.0;
    CTempDir rx;
    const auto start = Clock::now();
    const int near = line.TakeNear(), far = line.TakeFar();
    CChild rb(RbArgs(), far, far, rx.Path());
    CChild sb(SbArgs(image), near, near);
    ::close(far);
    ::close(near);
    const double took = rb.Wait(kDeadline) == 0 ? SecondsSince(start) : -1.0;
    sb.Kill();
    return took;
}

// Our sender to our receiver through the paced line: neither peer's own
// pauses in it. Seconds until the file is received.
double PacedOursToOursSeconds(const std::string& image, const CTempDir& dir) {
    CPacedLine line;
    if (!line.Ready())
        return -1.0;
    const auto start = Clock::now();
    CTcpTransport sender(line.TakeNear()), receiver(line.TakeFar());
    auto sending =
        std::async(std::launch::async, [&] { return SendImage(sender, image, ymodem::Options{}); });
    const bool received = ReceiveImage(receiver, dir / "both.bin", ymodem::Options{}).Ok();
    const double took = received ? SecondsSince(start) : -1.0;
    return sending.get().Ok() ? took : -1.0;
}

// Our send and receive on a line paced to 115,200 baud beside the time that
// line needs for the image's blocks (the target: within 5 %, ratio 1.05),
// and sb -> rb on the same line.
void BM_PacedLink(benchmark::State& state, Direction direction) {
    if (!HaveLrzsz()) {
        state.SkipWithError("sb, rb or socat is not installed");
        return;
    }
    CTempDir images;
    const std::string image = images / "startup.bin";
    const std::size_t bytes = MakeFullImage(kStartupProfile, image);
    const double limit = PacedLimitSeconds(bytes);
    std::vector<double> ratios;
    for (auto _ : state) {
        const double took = PacedSeconds(direction, image, images);
        if (took < 0) {
            state.SkipWithError("a transfer failed");
            return;
        }
        state.SetIterationTime(took);
        ratios.push_back(took / limit);
    }
    state.counters["line_limit_s"] = limit;
    state.counters["ratio_med"] = Median(ratios);
    state.counters["lrzsz_s"] = PacedLrzszSeconds(image);
    if (direction == Direction::Send)
        state.counters["ours_to_ours_s"] = PacedOursToOursSeconds(image, images);
}

} // namespace

BENCHMARK_CAPTURE(BM_PacedLink, Send, Direction::Send)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_PacedLink, Receive, Direction::Receive)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_Link, ReceiveTcp, Line::Tcp, Direction::Receive)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(BM_Link, SendTcp, Line::Tcp, Direction::Send)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(BM_Link, ReceivePty, Line::Pty, Direction::Receive)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(BM_Link, SendPty, Line::Pty, Direction::Send)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

BENCHMARK_MAIN();
