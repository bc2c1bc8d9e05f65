#pragma once
#include <QString>

namespace tidepost {

struct Link;

// A wait of the link settings dialog for the terminal control unit: for the TCP connection
// (5000 ms) or for the bridge's answer to "minic -f" (6500 ms). It is a state with a deadline on
// the monotonic clock, stepped by the dialog's timer, so that no event loop of its own runs and
// tests step it with a manual clock.
class TcuWait {
public:
    enum class Kind { None, Connection, Bridge };
    enum class Outcome { Waiting, Succeeded, TimedOut };
    static constexpr qint64 kConnectionMs = 5000;
    static constexpr qint64 kBridgeMs = 6500;

    // Starts a wait, ending any other; the text collected so far is dropped.
    void Start(const Link& link, Kind kind);
    // Ends the wait without an outcome.
    void Stop() { m_kind = Kind::None; }
    Kind Running() const { return m_kind; }

    // One step: a connection wait ends when the socket is connected, a bridge wait when the text
    // read from the socket since the start holds the bridge's answer (it may come in pieces);
    // either fails once its deadline has passed. After an outcome the wait is no longer running.
    Outcome Step(Link& link);

    // What the bridge wait has read from the socket.
    const QString& Collected() const { return m_collected; }

private:
    Kind m_kind = Kind::None;
    qint64 m_deadline = 0;
    QString m_collected;
};

}  // namespace tidepost
