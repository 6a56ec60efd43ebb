#include "util/MapListBase.h"

namespace velmar::detail {

void EventLock::Take() {
    switch (m_event->Wait(m_nTimeout)) {
    case CAutoResetEvent::WaitResult::Signaled:
        m_bHeld = true;
        break;
    case CAutoResetEvent::WaitResult::TimedOut:
        m_bHeld = false;
        break;
    case CAutoResetEvent::WaitResult::Failed:
        // A broken event is replaced by a fresh, free one.
        m_event = std::make_unique<CAutoResetEvent>(false);
        m_event->Set();
        m_bHeld = false;
        break;
    }
}

void EventLock::GiveBack() {
    m_bHeld = false;
    m_event->Set();
}

void EventLock::WaitOnce() {
    m_event->Wait(m_nTimeout);
}

} // namespace velmar::detail
