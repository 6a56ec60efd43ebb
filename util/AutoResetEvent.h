// A portable auto-reset event: Set wakes one waiter (or lets the next Wait
// through) and the event resets itself as that wait succeeds.
#pragma once

#include <condition_variable>
#include <mutex>

class CAutoResetEvent {
public:
    enum class WaitResult { Signaled, TimedOut, Failed };

    explicit CAutoResetEvent(bool signaled = false) : m_bSignaled(signaled) {}
    CAutoResetEvent(const CAutoResetEvent&) = delete;
    CAutoResetEvent& operator=(const CAutoResetEvent&) = delete;

    void Set();
    // timeoutMs < 0 waits without limit.
    WaitResult Wait(int timeoutMs);

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_bSignaled;
};
