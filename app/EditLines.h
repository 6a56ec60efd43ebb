// A test seam of the editor: the hidden option `--edit-lines` makes the
// running editor read edit lines from its standard input and run each one
// through its own edit session, as the grids would, so that tests can edit a
// real editor process and then signal or kill it. One line a command:
//   rename KEY NAME   the channel under store key KEY is renamed NAME
//   undo | redo       the frame's Undo or Redo
// The editor prints "ready" once it reads (after --open), and after each
// line "applied N" (N lines so far) or "refused N: why".
#pragma once

#include "document/EditSession.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>

#include <string>

class QSocketNotifier;

inline constexpr const char* kEditLinesOption = "--edit-lines";
bool WantsEditLines(const QStringList& arguments);
// Runs one line on `session`; empty when it ran, else why not.
std::string RunEditLine(EditSession& session, const QByteArray& line);

class CEditLines final : public QObject {
    Q_OBJECT
public:
    CEditLines(EditSession& session, QObject* parent);

private:
    void ReadInput();

    EditSession& m_session;
    QSocketNotifier* m_pNotifier = nullptr;
    QByteArray m_pending;
    int m_nLines = 0;
};
