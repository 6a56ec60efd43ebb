#include "app/RecoveryWriter.h"

#include "document/RecoveryFile.h"

CRecoveryWriter::CRecoveryWriter(EditSession& session, QObject* parent)
    : QObject(parent), m_session(session) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelayMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { WriteNow(); });
    m_nObserver = m_session.AddObserver([this](const EditEvent& event) { OnSessionEvent(event); });
}

CRecoveryWriter::~CRecoveryWriter() {
    m_session.RemoveObserver(m_nObserver);
}

void CRecoveryWriter::OnSessionEvent(const EditEvent& event) {
    switch (event.kind) {
    case EditEventKind::Edit:
    case EditEventKind::Undo:
    case EditEventKind::Redo:
        if (!m_session.IsModified()) {
            Discard(); // back at the saved tables
        } else if (m_timer.isActive()) {
            // An edit is still only in memory: write both now, so that at
            // no time more than the newest one could be lost.
            WriteNow();
        } else {
            m_timer.start();
        }
        break;
    case EditEventKind::Fresh:
    case EditEventKind::Saved:
        Discard();
        break;
    }
}

bool CRecoveryWriter::WriteNow() {
    m_timer.stop();
    if (!m_session.IsModified())
        return true;
    m_strError.clear();
    // A failed write leaves the file before it whole; the next edit tries again.
    return WriteRecoveryFile(&m_strError);
}

void CRecoveryWriter::Discard() {
    m_timer.stop();
    m_strError.clear();
    RemoveRecoveryFile();
}
