// Keeps the unsaved tables in the recovery file beside the working copy
// while the editor runs, so that an editor that is killed, crashes or is
// logged out loses at most the newest edit. The file is written a moment
// after an edit, from the event loop rather than inside the edit or a paint;
// an edit that comes while the one before still waits writes both at once,
// so no more than the newest edit is ever only in memory. The file goes when
// nothing is unsaved any more: saved, loaded anew, undone back to the saved
// tables, or closed normally.
#pragma once

#include "document/EditSession.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <string>

class CRecoveryWriter final : public QObject {
    Q_OBJECT
public:
    static constexpr int kDelayMs = 500;

    CRecoveryWriter(EditSession& session, QObject* parent);
    ~CRecoveryWriter() override;

    // Writes the file now when anything is unsaved (a signal, a logout, or
    // edits just restored); false when that write failed.
    bool WriteNow();
    // The editor ends normally with the edits saved or dropped on purpose.
    void Discard();
    // A write is waiting for its moment.
    bool Pending() const { return m_timer.isActive(); }
    // The reason the last write failed; empty after a good one.
    const std::string& LastError() const { return m_strError; }
    // Told, from the event loop, when a write after an edit fails: once, until
    // a write succeeds again, so that the user knows a crash would lose them.
    void OnFailure(std::function<void(const std::string& why)> tell) { m_tell = std::move(tell); }

private:
    void OnSessionEvent(const EditEvent& event);
    void WriteAfterEdit();

    EditSession& m_session;
    int m_nObserver = 0;
    QTimer m_timer;
    std::string m_strError;
    std::function<void(const std::string&)> m_tell;
    bool m_bTold = false;
};
