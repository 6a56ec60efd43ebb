// SIGTERM and SIGHUP (a shutdown, a closed terminal, a kill) turned into a
// Qt signal on the GUI thread. The handler only writes the signal's number
// into one end of a socket pair, which is safe inside a signal handler; a
// socket notifier on the other end reads it in the event loop, where the
// editor may do anything. One watch per process.
#pragma once

#include <QObject>

class QSocketNotifier;

class CSignalWatch final : public QObject {
    Q_OBJECT
public:
    explicit CSignalWatch(QObject* parent = nullptr);
    ~CSignalWatch() override;
    CSignalWatch(const CSignalWatch&) = delete;
    CSignalWatch& operator=(const CSignalWatch&) = delete;

    // False when the socket pair or the handlers could not be set up; the
    // signals then keep their default action.
    bool Active() const { return m_pNotifier != nullptr; }

signals:
    void Received(int signalNumber);

private:
    void Drain();

    int m_fds[2] = {-1, -1};
    QSocketNotifier* m_pNotifier = nullptr;
};
