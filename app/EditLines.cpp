#include "app/EditLines.h"

#include "document/SessionCommands.h"
#include "model/RecordChecks.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <unistd.h>

bool WantsEditLines(const QStringList& arguments) {
    return arguments.contains(kEditLinesOption);
}

CEditLines::CEditLines(EditSession& session, QObject* parent)
    : QObject(parent), m_session(session) {
    m_pNotifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(m_pNotifier, &QSocketNotifier::activated, this, &CEditLines::ReadInput);
    std::puts("ready");
    std::fflush(stdout);
}

void CEditLines::ReadInput() {
    char buffer[4096];
    const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (got <= 0) {
        m_pNotifier->setEnabled(false); // end of input: the editor runs on
        return;
    }
    m_pending.append(buffer, got);
    for (qsizetype end = m_pending.indexOf('\n'); end >= 0; end = m_pending.indexOf('\n')) {
        const QByteArray line = m_pending.left(end).trimmed();
        m_pending.remove(0, end + 1);
        if (line.isEmpty())
            continue;
        ++m_nLines;
        const std::string why = RunEditLine(m_session, line);
        if (why.empty())
            std::printf("applied %d\n", m_nLines);
        else
            std::printf("refused %d: %s\n", m_nLines, why.c_str());
        std::fflush(stdout);
    }
}

std::string RunEditLine(EditSession& session, const QByteArray& line) {
    const QList<QByteArray> words = line.split(' ');
    if (words.first() == "undo")
        return session.Undo() ? std::string() : "nothing to undo";
    if (words.first() == "redo")
        return session.Redo() ? std::string() : "nothing to redo";
    if (words.first() != "rename" || words.size() < 3)
        return "expected rename KEY NAME, undo or redo";
    bool ok = false;
    const std::uint32_t key = words[1].toUInt(&ok);
    const auto* channel = ok ? session.Db().Get<Channel_Info_Tag>(kTableChannel, key) : nullptr;
    if (!channel)
        return "no channel under that key";
    Channel_Info_Tag record = *channel;
    const QByteArray name = line.mid(line.indexOf(' ', line.indexOf(' ') + 1) + 1);
    const std::size_t room = std::min<std::size_t>(
        sizeof record.Name - 1, static_cast<std::size_t>(std::max(0, PolicyChannelNameLength())));
    std::memset(record.Name, 0, sizeof record.Name);
    std::memcpy(record.Name, name.constData(),
                std::min(room, static_cast<std::size_t>(name.size())));
    return RunUpdateChannel(session, key, record).changed ? std::string() : "nothing changed";
}
