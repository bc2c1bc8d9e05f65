#pragma once
#include <QObject>

class QSocketNotifier;

namespace tidepost {

// Turns SIGTERM, SIGINT and SIGHUP (logout, kill, Ctrl+C in a terminal) into a Qt signal on the
// user-interface thread, so the program can end in order instead of dying where it stands. The
// handler only writes the signal number into a pipe; the event loop reads it. One instance at a
// time; destroying it puts the default handling back.
class TermSignals : public QObject {
    Q_OBJECT
public:
    explicit TermSignals(QObject* parent = nullptr);
    ~TermSignals() override;
    TermSignals(const TermSignals&) = delete;
    TermSignals& operator=(const TermSignals&) = delete;

signals:
    void Received(int signalNumber);

private:
    void ReadPipe();
    int m_fds[2] = {-1, -1};
    QSocketNotifier* m_notifier = nullptr;
};

}  // namespace tidepost
