#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (logout, kill, Ctrl+C in a terminal) into
// a Qt signal on the GUI thread, so that the program can close as though its
// window had been closed. The handler itself only writes one byte into a
// pipe; everything else happens in the event loop. While one of these lives,
// the three signals no longer end the process by themselves.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void Received(int signalNumber);

private:
    void readPipe();

    QSocketNotifier* m_notifier = nullptr;
};
