#include "app/RecoveryWriter.h"

#include "document/RecoveryFile.h"

CRecoveryWriter::CRecoveryWriter(EditSession& session, QObject* parent)
    : QObject(parent), m_session(session) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelayMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { WriteAfterEdit(); });
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
            WriteAfterEdit();
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

void CRecoveryWriter::WriteAfterEdit() {
    if (WriteNow()) {
        m_bTold = false;
        return;
    }
    if (m_bTold || !m_tell)
        return;
    m_bTold = true;
    // Not inside the edit that asked for the write: a message box there
    // would run the event loop in the middle of it.
    QTimer::singleShot(0, this, [this, why = m_strError] { m_tell(why); });
}

void CRecoveryWriter::Discard() {
    m_timer.stop();
    m_strError.clear();
    m_bTold = false;
    RemoveRecoveryFile();
}
