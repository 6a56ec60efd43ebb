#include "link/TcpTransport.h"

#include "link/LinkResult.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr milliseconds kSlice{50};

// Small blocks and one-byte answers go out at once.
void NoDelay(int fd) {
    const int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

// Waits for `events` on `fd` until `deadline`, in slices that ask `progress`.
// 1 ready, 0 timed out, -1 cancelled, -2 poll failed.
int WaitFor(int fd, short events, Clock::time_point deadline, IProgress* progress) {
    for (;;) {
        if (progress && !progress->Step(0, 0))
            return -1;
        const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now());
        if (left <= milliseconds{0})
            return 0;
        pollfd p{fd, events, 0};
        const int ready = ::poll(&p, 1, static_cast<int>(std::min(left, kSlice).count()));
        if (ready > 0)
            return 1;
        if (ready < 0 && errno != EINTR)
            return -2;
    }
}

std::string Endpoint(const std::string& host, std::uint16_t port) {
    return (host.find(':') != std::string::npos ? "[" + host + "]" : host) + ":" +
           std::to_string(port);
}

} // namespace

bool SplitHostPort(const std::string& text, std::string& host, std::uint16_t& port,
                   bool allowZero) {
    std::string portText;
    if (!text.empty() && text.front() == '[') {
        const auto close = text.find("]:");
        if (close == std::string::npos)
            return false;
        host = text.substr(1, close - 1);
        portText = text.substr(close + 2);
    } else {
        const auto colon = text.rfind(':');
        if (colon == std::string::npos)
            return false;
        host = text.substr(0, colon);
        portText = text.substr(colon + 1);
    }
    unsigned value = 0;
    const auto [end, ec] =
        std::from_chars(portText.data(), portText.data() + portText.size(), value);
    if (ec != std::errc{} || end != portText.data() + portText.size() || value > 65535 ||
        (value == 0 && !allowZero) || portText.empty())
        return false;
    port = static_cast<std::uint16_t>(value);
    return true;
}

CTcpTransport::CTcpTransport(int fd) : CFdTransport(fd, true) {
    NoDelay(fd);
}

std::unique_ptr<CTcpTransport> CTcpTransport::Connect(const std::string& host, std::uint16_t port,
                                                      milliseconds timeout, IProgress* progress,
                                                      std::string& error) {
    Phrase said;
    return InEnglish(Connect(host, port, timeout, progress, said), said, error);
}

std::unique_ptr<CTcpTransport> CTcpTransport::Connect(const std::string& host, std::uint16_t port,
                                                      milliseconds timeout, IProgress* progress,
                                                      Phrase& error) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(port);
    if (const int rc = ::getaddrinfo(host.c_str(), service.c_str(), &hints, &found); rc != 0) {
        error = phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "cannot find %1: %2"),
                             {phrase::Data(host), phrase::Data(::gai_strerror(rc))});
        return nullptr;
    }
    const auto deadline = Clock::now() + timeout;
    error = phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "cannot connect to %1"),
                         {phrase::Data(Endpoint(host, port))});
    for (addrinfo* a = found; a; a = a->ai_next) {
        const int fd =
            ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0)
            continue;
        int rc = ::connect(fd, a->ai_addr, a->ai_addrlen);
        if (rc < 0 && errno == EINPROGRESS) {
            const int ready = WaitFor(fd, POLLOUT, deadline, progress);
            if (ready == -1) {
                ::close(fd);
                ::freeaddrinfo(found);
                error = TransferCancelled();
                return nullptr;
            }
            int soError = ETIMEDOUT;
            socklen_t len = sizeof soError;
            if (ready == 1)
                ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &soError, &len);
            rc = soError == 0 ? 0 : -1;
            errno = soError;
        }
        if (rc == 0) {
            ::freeaddrinfo(found);
            return std::make_unique<CTcpTransport>(fd);
        }
        error = SystemFailure(VELMAR_TRANSLATE_NOOP("Velmar", "cannot connect to %1: %2"),
                              Endpoint(host, port));
        ::close(fd);
    }
    ::freeaddrinfo(found);
    return nullptr;
}

CTcpListener::~CTcpListener() {
    if (m_fd >= 0)
        ::close(m_fd);
}

bool CTcpListener::Listen(const std::string& host, std::uint16_t port, std::string& error) {
    Phrase said;
    return InEnglish(Listen(host, port, said), said, error);
}

bool CTcpListener::Listen(const std::string& host, std::uint16_t port, Phrase& error) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(port);
    if (const int rc =
            ::getaddrinfo(host.empty() ? nullptr : host.c_str(), service.c_str(), &hints, &found);
        rc != 0) {
        error =
            phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "cannot listen on %1: %2"),
                         {phrase::Data(Endpoint(host, port)), phrase::Data(::gai_strerror(rc))});
        return false;
    }
    error = phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "cannot listen on %1"),
                         {phrase::Data(Endpoint(host, port))});
    for (addrinfo* a = found; a; a = a->ai_next) {
        const int fd =
            ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0)
            continue;
        const int on = 1;
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        if (a->ai_family == AF_INET6) {
            const int off = 0; // every interface means IPv4 too
            ::setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &off, sizeof off);
        }
        if (::bind(fd, a->ai_addr, a->ai_addrlen) == 0 && ::listen(fd, 1) == 0) {
            sockaddr_storage bound{};
            socklen_t len = sizeof bound;
            ::getsockname(fd, reinterpret_cast<sockaddr*>(&bound), &len);
            m_nPort = ntohs(bound.ss_family == AF_INET6
                                ? reinterpret_cast<sockaddr_in6*>(&bound)->sin6_port
                                : reinterpret_cast<sockaddr_in*>(&bound)->sin_port);
            m_fd = fd;
            ::freeaddrinfo(found);
            return true;
        }
        error = SystemFailure(VELMAR_TRANSLATE_NOOP("Velmar", "cannot listen on %1: %2"),
                              Endpoint(host, port));
        ::close(fd);
    }
    ::freeaddrinfo(found);
    return false;
}

std::unique_ptr<CTcpTransport> CTcpListener::Accept(milliseconds timeout, IProgress* progress,
                                                    std::string& error) {
    Phrase said;
    return InEnglish(Accept(timeout, progress, said), said, error);
}

std::unique_ptr<CTcpTransport> CTcpListener::Accept(milliseconds timeout, IProgress* progress,
                                                    Phrase& error) {
    if (m_fd < 0) {
        error = phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "not listening"));
        return nullptr;
    }
    const int ready = WaitFor(m_fd, POLLIN, Clock::now() + timeout, progress);
    if (ready == -1) {
        error = TransferCancelled();
        return nullptr;
    }
    if (ready == 0) {
        error =
            phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "Nobody connected to port %1 within %2"),
                         {phrase::Number(m_nPort), phrase::Data(SecondsText(timeout))});
        return nullptr;
    }
    sockaddr_storage peer{};
    socklen_t len = sizeof peer;
    const int fd = ::accept4(m_fd, reinterpret_cast<sockaddr*>(&peer), &len, SOCK_CLOEXEC);
    if (fd < 0) {
        error = phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "accept: %1"),
                             {phrase::Data(std::strerror(errno))});
        return nullptr;
    }
    char host[NI_MAXHOST] = {};
    char service[NI_MAXSERV] = {};
    if (::getnameinfo(reinterpret_cast<sockaddr*>(&peer), len, host, sizeof host, service,
                      sizeof service, NI_NUMERICHOST | NI_NUMERICSERV) == 0) {
        std::string address = host;
        // An IPv4 peer on a dual-stack socket, as people write it.
        if (address.rfind("::ffff:", 0) == 0 && address.find('.') != std::string::npos)
            address = address.substr(7);
        std::uint16_t port = 0;
        std::from_chars(service, service + std::strlen(service), port);
        m_strPeer = Endpoint(address, port);
    } else {
        m_strPeer = "an unknown address";
    }
    // One connection per transfer: nobody else may connect while it runs.
    ::close(m_fd);
    m_fd = -1;
    return std::make_unique<CTcpTransport>(fd);
}
