#include "util/AutoResetEvent.h"

#include <chrono>

void CAutoResetEvent::Set() {
    {
        std::lock_guard lock(m_mutex);
        m_bSignaled = true;
    }
    m_cv.notify_one();
}

CAutoResetEvent::WaitResult CAutoResetEvent::Wait(int timeoutMs) {
    std::unique_lock lock(m_mutex);
    if (timeoutMs < 0) {
        m_cv.wait(lock, [this] { return m_bSignaled; });
    } else if (!m_cv.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [this] { return m_bSignaled; })) {
        return WaitResult::TimedOut;
    }
    m_bSignaled = false;
    return WaitResult::Signaled;
}
