#pragma once
#include <QByteArray>
#include <QString>

namespace tidepost::test {

// A pseudo-terminal pair for tests of the real serial port: the program opens SlavePath as its
// serial device, the test plays the transceiver on the master side. The slave starts raw (no echo,
// no line editing) and the pair holds it open, so the master stays usable across the program's
// closes and reopens.
class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool IsOpen() const { return m_master >= 0; }
    QString SlavePath() const { return m_slavePath; }
    int MasterFd() const { return m_master; }

    // Writes on the master side: the program reads these bytes.
    bool Write(const QByteArray& bytes);
    // Everything the program has written so far and not yet read here, without waiting.
    QByteArray ReadAvailable();
    // Reads until at least `count` bytes arrived or timeoutMs passed (for real I/O, never a
    // production time-out), letting Qt's events run meanwhile.
    QByteArray ReadAtLeast(qsizetype count, int timeoutMs = 5000);
    // Closes both sides held here: the program's side of the line hangs up.
    void HangUp();

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
};

}  // namespace tidepost::test
