#include "cli/LinkCommands.h"

#include "document/CurrentDocument.h"

#include "link/ImageTransfer.h"
#include "link/SerialTransport.h"
#include "link/TcpTransport.h"

#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <unistd.h>

const char* const kLinkUsage =
    R"(link options (receive and send; exactly one of --port, --tcp, --listen):
  --port DEV            serial device, e.g. /dev/ttyUSB0 (8N1, no flow control)
  --baud N              serial rate (115200)
  --tcp HOST:PORT       connect to a network-attached receiver or serial-over-IP adapter
  --listen [HOST:]PORT  take one connection on PORT (every interface; 127.0.0.1:PORT keeps
                        it to this computer; port 0: any free port, printed)
  --timeout SECONDS     how long to wait for the other side to start (60)
  --reply-timeout SECONDS
                        how long to wait for each answer or block once under way (10)
)";

namespace {

using Clock = std::chrono::steady_clock;

volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void OnInterrupt(int) {
    g_interrupted = 1;
}

// Ctrl+C cancels the transfer properly (the other side is told) instead of
// killing the tool mid-block.
class InterruptScope {
public:
    InterruptScope() {
        struct sigaction action {};
        action.sa_handler = OnInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &m_oldInt);
        sigaction(SIGTERM, &action, &m_oldTerm);
    }
    ~InterruptScope() {
        sigaction(SIGINT, &m_oldInt, nullptr);
        sigaction(SIGTERM, &m_oldTerm, nullptr);
    }
    InterruptScope(const InterruptScope&) = delete;
    InterruptScope& operator=(const InterruptScope&) = delete;

private:
    struct sigaction m_oldInt {};
    struct sigaction m_oldTerm {};
};

// Progress on a terminal, at most ten lines a second, overwriting itself;
// nothing when stderr is not a terminal.
class TerminalProgress final : public IProgress {
public:
    explicit TerminalProgress(const char* verb)
        : m_verb(verb), m_bShow(::isatty(STDERR_FILENO) == 1), m_start(Clock::now()) {}
    ~TerminalProgress() override {
        if (m_bShown)
            (void)std::fputc('\n', stderr);
    }
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    bool Step(std::uint64_t done, std::uint64_t total) override {
        if (g_interrupted)
            return false;
        if (!m_bShow || total == 0)
            return true;
        const auto now = Clock::now();
        if (m_bShown && done != total && now - m_last < std::chrono::milliseconds(100))
            return true;
        if (m_bShown && done == m_nLastDone)
            return true;
        m_last = now;
        m_nLastDone = done;
        m_bShown = true;
        const double seconds = std::chrono::duration<double>(now - m_start).count();
        const double rate = seconds > 0 ? static_cast<double>(done) / 1024.0 / seconds : 0.0;
        (void)std::fprintf(stderr, "\r%s %llu / %llu bytes  %3d%%  %.1f KiB/s ", m_verb,
                           static_cast<unsigned long long>(done),
                           static_cast<unsigned long long>(total),
                           static_cast<int>(done * 100 / total), rate);
        (void)std::fflush(stderr);
        return true;
    }

private:
    const char* m_verb;
    bool m_bShow;
    bool m_bShown = false;
    Clock::time_point m_start;
    Clock::time_point m_last{};
    std::uint64_t m_nLastDone = ~std::uint64_t{0};
};

bool ParseNumber(const std::string& text, std::uint64_t& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc{} && end == text.data() + text.size() && !text.empty();
}

// "10", "2.5", "0.25": seconds to the millisecond, more than 0, at most `most`.
bool ParseSeconds(const std::string& text, std::uint64_t most, std::chrono::milliseconds& out) {
    const std::size_t point = text.find('.');
    std::uint64_t whole = 0;
    std::uint64_t millis = 0;
    if (!ParseNumber(text.substr(0, point), whole) || whole > most)
        return false;
    if (point != std::string::npos) {
        std::string fraction = text.substr(point + 1);
        if (fraction.empty() || fraction.size() > 3 || !ParseNumber(fraction, millis))
            return false;
        for (std::size_t digits = fraction.size(); digits < 3; ++digits)
            millis *= 10;
    }
    const std::uint64_t total = whole * 1000 + millis;
    if (total == 0 || total > most * 1000)
        return false;
    out = std::chrono::milliseconds{static_cast<std::chrono::milliseconds::rep>(total)};
    return true;
}

} // namespace

bool IsLinkCommand(const std::string& command) {
    return command == "receive" || command == "send";
}

bool ParseLinkCommandLine(const std::vector<std::string>& args, LinkCommandLine& out,
                          std::string& error) {
    int lines = 0;
    bool baudGiven = false;
    std::vector<std::string> operands;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue = arg == "--port" || arg == "--baud" || arg == "--tcp" ||
                                arg == "--listen" || arg == "--timeout" || arg == "--reply-timeout";
        if (!takesValue) {
            if (arg.size() > 1 && arg[0] == '-') {
                error = "unknown option " + arg;
                return false;
            }
            operands.push_back(arg);
            continue;
        }
        if (i + 1 >= args.size()) {
            error = arg + " needs a value";
            return false;
        }
        const std::string& value = args[++i];
        std::uint64_t number = 0;
        if (arg == "--port") {
            ++lines;
            out.endpoint.kind = LinkEndpoint::Kind::Serial;
            out.endpoint.device = value;
        } else if (arg == "--baud") {
            if (!ParseNumber(value, number) || number > 4000000 ||
                !IsSupportedBaud(static_cast<std::uint32_t>(number))) {
                error = "--baud " + value + " is not a serial rate";
                return false;
            }
            out.endpoint.baud = static_cast<std::uint32_t>(number);
            baudGiven = true;
        } else if (arg == "--tcp") {
            ++lines;
            out.endpoint.kind = LinkEndpoint::Kind::TcpConnect;
            if (!SplitHostPort(value, out.endpoint.host, out.endpoint.port) ||
                out.endpoint.host.empty()) {
                error = "--tcp wants HOST:PORT, not " + value;
                return false;
            }
        } else if (arg == "--listen") {
            ++lines;
            out.endpoint.kind = LinkEndpoint::Kind::TcpListen;
            const std::string text = value.find(':') == std::string::npos ? ":" + value : value;
            if (!SplitHostPort(text, out.endpoint.host, out.endpoint.port, true)) {
                error = "--listen wants [HOST:]PORT, not " + value;
                return false;
            }
        } else if (arg == "--timeout") {
            if (!ParseSeconds(value, std::uint64_t{24} * 3600, out.options.startTimeout)) {
                error = "--timeout wants a number of seconds, not " + value;
                return false;
            }
        } else {
            if (!ParseSeconds(value, 3600, out.options.replyTimeout)) {
                error = "--reply-timeout wants a number of seconds up to 3600, not " + value;
                return false;
            }
        }
    }
    if (lines != 1) {
        error = "give exactly one of --port, --tcp and --listen";
        return false;
    }
    if (baudGiven && out.endpoint.kind != LinkEndpoint::Kind::Serial) {
        error = "--baud goes with --port";
        return false;
    }
    if (operands.size() != 1) {
        error = "one file name is needed";
        return false;
    }
    out.file = operands[0];
    // A serial line's own rate bounds each block and the whole file; any
    // other line keeps the slow default.
    if (out.endpoint.kind == LinkEndpoint::Kind::Serial)
        out.options.bytesPerSecond = out.endpoint.baud / 10;
    return true;
}

int RunLinkCommand(const std::string& command, const LinkCommandLine& line) {
    std::string error;
    const bool receive = command == "receive";
    if (!receive && ::access(line.file.c_str(), R_OK) != 0) {
        // Said before anyone waits on the line for it.
        std::cerr << "velmar-cli: send: cannot read " << line.file << "\n";
        return 1;
    }
    InterruptScope interrupts;
    TerminalProgress progress(receive ? "receiving" : "sending");
    const bool announcePort = line.endpoint.kind == LinkEndpoint::Kind::TcpListen &&
                              (line.endpoint.port == 0 || ::isatty(STDERR_FILENO) == 1);
    auto transport = OpenLink(
        line.endpoint, line.options.startTimeout, &progress, error,
        [&](std::uint16_t port) {
            if (announcePort)
                (void)std::fprintf(stderr, "velmar-cli: listening on port %u\n",
                                   static_cast<unsigned>(port));
        },
        [&](const std::string& peer) {
            // Anyone who can reach the port can connect; say who did.
            (void)std::fprintf(stderr, "velmar-cli: connection from %s\n", peer.c_str());
            (void)std::fflush(stderr);
        });
    if (!transport) {
        std::cerr << "velmar-cli: " << command << ": " << error << "\n";
        return 1;
    }
    const LinkResult result =
        receive ? ReceiveImage(*transport, line.file, line.options, &progress, CurrentHeaderText())
                : SendImage(*transport, line.file, line.options, &progress);
    if (!result.Ok()) {
        std::cerr << "velmar-cli: " << command << " failed: " << result.message << "\n";
        return 1;
    }
    return 0;
}
