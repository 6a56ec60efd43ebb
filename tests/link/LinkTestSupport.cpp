#include "tests/link/LinkTestSupport.h"

#include "link/YmodemFrame.h"

#include <algorithm>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <deque>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <netinet/in.h>
#include <poll.h>
#include <random>
#include <sstream>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace velmar::test {

using std::chrono::milliseconds;

struct CPipeEnd::Line {
    std::mutex mutex;
    std::condition_variable cv;
    std::deque<std::uint8_t> toward[2]; // waiting for end 0, for end 1
    bool closed = false;
};

std::ptrdiff_t CPipeEnd::Read(std::span<std::uint8_t> out, milliseconds timeout) {
    std::unique_lock lock(m_line->mutex);
    auto& in = m_line->toward[m_side];
    m_line->cv.wait_for(lock, timeout, [&] { return !in.empty() || m_line->closed; });
    if (in.empty())
        return m_line->closed ? kLineClosed : 0;
    const std::size_t n = std::min(out.size(), in.size());
    std::copy_n(in.begin(), n, out.begin());
    in.erase(in.begin(), in.begin() + static_cast<std::ptrdiff_t>(n));
    return static_cast<std::ptrdiff_t>(n);
}

bool CPipeEnd::Write(std::span<const std::uint8_t> data) {
    {
        std::lock_guard lock(m_line->mutex);
        m_written.insert(m_written.end(), data.begin(), data.end());
        m_line->toward[1 - m_side].insert(m_line->toward[1 - m_side].end(), data.begin(),
                                          data.end());
    }
    m_line->cv.notify_all();
    return true;
}

void CPipeEnd::Close() {
    {
        std::lock_guard lock(m_line->mutex);
        m_line->closed = true;
    }
    m_line->cv.notify_all();
}

std::vector<std::uint8_t> CPipeEnd::Written() const {
    std::lock_guard lock(m_line->mutex);
    return m_written;
}

std::pair<std::unique_ptr<CPipeEnd>, std::unique_ptr<CPipeEnd>> MakePipe() {
    auto line = std::make_shared<CPipeEnd::Line>();
    return {std::make_unique<CPipeEnd>(line, 0), std::make_unique<CPipeEnd>(line, 1)};
}

CRelay::CRelay(ITransport& a, ITransport& b, Faults aToB, Faults bToA, std::function<void()> closeA,
               std::function<void()> closeB)
    : m_closeA(std::move(closeA)), m_closeB(std::move(closeB)) {
    m_forward = std::thread([this, &a, &b, f = std::move(aToB)] { Pump(a, b, f); });
    m_backward = std::thread([this, &a, &b, f = std::move(bToA)] { Pump(b, a, f); });
}

CRelay::~CRelay() {
    m_bStop = true;
    m_forward.join();
    m_backward.join();
}

void CRelay::CutLine() {
    std::call_once(m_cutOnce, [this] {
        m_bCut = true;
        if (m_closeA)
            m_closeA();
        if (m_closeB)
            m_closeB();
    });
}

void CRelay::Pump(ITransport& from, ITransport& to, const Faults& faults) {
    std::vector<std::uint8_t> buffer(4096), out;
    std::uint64_t n = 0; // bytes of this direction so far
    // What is held goes out; when it cannot, the line is cut.
    const auto flush = [&] {
        const bool sent = out.empty() || to.Write(out);
        out.clear();
        if (!sent)
            CutLine();
        return sent;
    };
    while (!m_bStop && !m_bCut) {
        const std::ptrdiff_t got = from.Read(buffer, milliseconds{20});
        if (got < 0)
            return CutLine(); // one side went away: so does the line
        for (std::ptrdiff_t i = 0; i < got; ++i) {
            const std::uint64_t offset = n++;
            if (offset >= faults.cutAfter) {
                to.Write(out);
                return CutLine();
            }
            if (offset >= faults.silentAfter || faults.drop.count(offset))
                continue;
            // A pause: what came before goes out first, then the wait.
            milliseconds pause = offset >= faults.trickleFrom ? faults.trickleGap : milliseconds{0};
            if (const auto d = faults.delay.find(offset); d != faults.delay.end())
                pause = std::max(pause, d->second);
            if (pause > milliseconds{0}) {
                if (!flush())
                    return;
                const auto until = std::chrono::steady_clock::now() + pause;
                while (!m_bStop && !m_bCut && std::chrono::steady_clock::now() < until)
                    std::this_thread::sleep_for(milliseconds{5});
                if (m_bStop || m_bCut)
                    return;
            }
            const std::uint8_t byte = buffer[static_cast<std::size_t>(i)];
            out.push_back(faults.corrupt.count(offset) ? static_cast<std::uint8_t>(~byte) : byte);
            if (faults.duplicate.count(offset))
                out.push_back(out.back());
        }
        if (!flush())
            return;
    }
}

void Respond(ITransport& peer, const Responder& respond) {
    for (;;) {
        std::uint8_t byte = 0;
        const std::ptrdiff_t got = peer.Read({&byte, 1}, milliseconds{5000});
        if (got <= 0 || byte == ymodem::kCAN)
            return;
        const std::vector<std::uint8_t> out = respond(byte);
        if (!out.empty() && !peer.Write(out))
            return;
    }
}

Responder AfterHeader(std::vector<std::uint8_t> header,
                      std::function<std::vector<std::uint8_t>()> next,
                      std::function<std::vector<std::uint8_t>()> again) {
    auto phase = std::make_shared<int>(0);
    return [=](std::uint8_t b) -> std::vector<std::uint8_t> {
        if (*phase < 2) {
            if (b != ymodem::kWantCrc)
                return {};
            return ++*phase == 1 ? header : next();
        }
        if (b == ymodem::kACK)
            return next();
        if (b == ymodem::kNAK && again)
            return again();
        return {};
    };
}

void TrickleBlock(ITransport& line, const std::vector<std::uint8_t>& header,
                  const std::vector<std::uint8_t>& block, milliseconds gap) {
    std::uint8_t byte = 0;
    line.Read({&byte, 1}, milliseconds{5000});
    line.Write(header);
    for (std::size_t at = 0;; at = (at + 1) % block.size()) {
        const std::ptrdiff_t got = line.Read({&byte, 1}, gap);
        if (got < 0 || (got == 1 && byte == ymodem::kCAN))
            return;
        if (got == 1 && byte == ymodem::kNAK)
            at = 0;
        if (!line.Write(std::span(block).subspan(at, 1)))
            return;
    }
}

std::vector<std::uint8_t> ReadN(ITransport& line, std::size_t n, milliseconds timeout) {
    std::vector<std::uint8_t> out;
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

std::vector<std::uint8_t> HeaderBlock(const std::string& name, std::optional<std::uint64_t> size) {
    const auto payload = ymodem::BuildHeaderPayload({.name = name, .size = size});
    return ymodem::BuildFrame(0, payload, payload.size(), 0);
}

ymodem::Options FastOptions() {
    // Short enough for quick failures, long enough that a busy machine does
    // not turn a pause between two halves of a block into damage.
    return {.startTimeout = milliseconds{5000},
            .startInterval = milliseconds{300},
            .replyTimeout = milliseconds{1000},
            .byteGap = milliseconds{300},
            .purgeQuiet = milliseconds{30}};
}

CTempDir::CTempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velmar-link-XXXXXX").string();
    if (::mkdtemp(pattern.data()))
        m_strPath = pattern;
}

CTempDir::~CTempDir() {
    std::error_code ec;
    if (!m_strPath.empty())
        std::filesystem::remove_all(m_strPath, ec);
}

std::vector<std::string> CTempDir::List() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_strPath))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> Concat(std::initializer_list<std::vector<std::uint8_t>> parts) {
    std::vector<std::uint8_t> out;
    for (const auto& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

std::vector<std::uint8_t> SampleBytes(std::size_t size, std::uint32_t seed) {
    std::mt19937 rng(seed);
    std::vector<std::uint8_t> bytes(size);
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(rng());
    return bytes;
}

std::string FindProgram(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::istringstream dirs(path ? path : "/usr/bin:/bin");
    for (std::string dir; std::getline(dirs, dir, ':');) {
        if (const std::string candidate = dir + "/" + name; ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

CChild::CChild(const std::vector<std::string>& argv, int stdinFd, int stdoutFd,
               const std::string& cwd, int stderrFd) {
    std::vector<char*> args;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    const int devNull = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    m_pid = ::fork();
    if (m_pid == 0) {
        // Only async-signal-safe calls from here to exec.
        ::dup2(stdinFd >= 0 ? stdinFd : devNull, 0);
        ::dup2(stdoutFd >= 0 ? stdoutFd : devNull, 1);
        ::dup2(stderrFd >= 0 ? stderrFd : devNull, 2);
        if (!cwd.empty() && ::chdir(cwd.c_str()) != 0)
            ::_exit(126);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    if (devNull >= 0)
        ::close(devNull);
}

CChild::~CChild() {
    Kill();
}

void CChild::Kill() {
    if (m_pid <= 0)
        return;
    ::kill(m_pid, SIGKILL);
    int status = 0;
    ::waitpid(m_pid, &status, 0);
    m_pid = -1;
}

int CChild::Wait(milliseconds timeout) {
    for (const auto deadline = std::chrono::steady_clock::now() + timeout; m_pid > 0;) {
        int status = 0;
        if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            m_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        } else if (std::chrono::steady_clock::now() >= deadline) {
            Kill();
            m_status = -1;
        } else {
            std::this_thread::sleep_for(milliseconds{10});
        }
    }
    return m_status;
}

CLoopbackServer::CLoopbackServer() {
    m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof address;
    if (m_fd < 0 || ::bind(m_fd, reinterpret_cast<sockaddr*>(&address), len) != 0 ||
        ::listen(m_fd, 4) != 0 ||
        ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&address), &len) != 0)
        return;
    m_nPort = ntohs(address.sin_port);
}

CLoopbackServer::~CLoopbackServer() {
    if (m_fd >= 0)
        ::close(m_fd);
}

int CLoopbackServer::Accept(milliseconds timeout) {
    pollfd p{m_fd, POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(timeout.count())) != 1)
        return -1;
    return ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC);
}

CPtyPair::CPtyPair(const std::string& dir) : m_strDir(dir) {
    const std::string socat = FindProgram("socat");
    if (socat.empty())
        return;
    m_socat = std::make_unique<CChild>(
        std::vector<std::string>{socat, "PTY,raw,echo=0,link=" + A(), "PTY,raw,echo=0,link=" + B()},
        -1, -1);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        if (::access(A().c_str(), F_OK) == 0 && ::access(B().c_str(), F_OK) == 0) {
            m_bReady = true;
            return;
        }
        std::this_thread::sleep_for(milliseconds{20});
    }
}

} // namespace velmar::test
