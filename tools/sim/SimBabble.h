#pragma once
#include <QByteArray>
#include <QTimer>

namespace tidepost::sim {

class SimShell;

// Streams text without ever ending it with a prompt, at a steady rate: what a device on the wrong
// port, or noise at a wrong line speed, looks like to the program. The text is lines of letters,
// digits and blanks, so no part of it reads as a prompt.
class SimBabble {
public:
    // Pieces go out every this many milliseconds while the stream runs.
    static constexpr int kTickMs = 50;

    explicit SimBabble(SimShell& shell);
    // Starts (or changes the rate of) the stream; a rate below 1 stops it.
    void Start(int charactersPerSecond);
    void Stop();
    bool Running() const { return m_timer.isActive(); }
    // Sends one piece, as the running stream does every kTickMs.
    void Tick();
    // Characters sent so far.
    qint64 Sent() const { return m_sent; }

private:
    SimShell& m_shell;
    QTimer m_timer;
    int m_perTick = 0;
    qint64 m_sent = 0;
};

}  // namespace tidepost::sim
