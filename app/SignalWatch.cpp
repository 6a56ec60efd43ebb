#include "app/SignalWatch.h"

#include <QSocketNotifier>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array kWatched = {SIGTERM, SIGHUP};

// The write end for the handler: a handler cannot reach an object. Lock-free,
// so reading it inside the handler is safe.
std::atomic<int> s_writeFd{-1};
static_assert(std::atomic<int>::is_always_lock_free);

void OnSignal(int number) {
    const int saved = errno;
    const int fd = s_writeFd.load(std::memory_order_relaxed);
    if (fd >= 0) {
        const auto byte = static_cast<unsigned char>(number);
        // Non-blocking: a full pipe already holds a wake-up.
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
    errno = saved;
}

} // namespace

CSignalWatch::CSignalWatch(QObject* parent) : QObject(parent) {
    if (s_writeFd.load() >= 0)
        return; // another watch has the signals
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, m_fds) != 0) {
        m_fds[0] = m_fds[1] = -1;
        return;
    }
    s_writeFd.store(m_fds[0]);
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : kWatched)
        ::sigaction(number, &action, nullptr);
    m_pNotifier = new QSocketNotifier(m_fds[1], QSocketNotifier::Read, this);
    connect(m_pNotifier, &QSocketNotifier::activated, this, &CSignalWatch::Drain);
}

CSignalWatch::~CSignalWatch() {
    if (m_fds[0] < 0)
        return;
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int number : kWatched)
        ::sigaction(number, &action, nullptr);
    s_writeFd.store(-1);
    ::close(m_fds[0]);
    ::close(m_fds[1]);
}

void CSignalWatch::Drain() {
    unsigned char bytes[16];
    for (;;) {
        const ssize_t got = ::read(m_fds[1], bytes, sizeof bytes);
        if (got <= 0)
            break;
        for (ssize_t i = 0; i < got; ++i)
            emit Received(bytes[i]);
    }
}
